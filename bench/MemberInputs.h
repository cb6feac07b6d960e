#pragma once
// Membership databases of 100,000 invented members in both engines, made once per run with
// the shared tools (make-big-members.py, make-mdb.py) and SQLite.

#include <string>

namespace ranvik::bench {

inline constexpr int kMembers = 100000;

struct MemberFiles {
    std::string access;
    std::string sqlite;
    std::string problem; // why the files are missing, when they are
};

// The files of this run; problem says why not when the shared tools are absent or fail.
const MemberFiles& Files();

} // namespace ranvik::bench
