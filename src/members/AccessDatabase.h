#pragma once
// The Access engine (Jet 3, Jet 4 and .accdb files), read-only. The library behind it trusts
// the file's structures, so every reading runs in a helper process with a time limit: a
// damaged file gives an error here, never a crash or a hang of the program.

#include "members/MemberDatabase.h"

#include <memory>
#include <string>
#include <vector>

namespace ranvik {

class AccessDatabase : public MemberDatabase {
  public:
    // Reads the list of tables. Throws DatabaseError when the file cannot be opened, or
    // the reader crashes or takes longer than its time limit.
    explicit AccessDatabase(const std::string& path);
    ~AccessDatabase() override;
    AccessDatabase(const AccessDatabase&) = delete;
    AccessDatabase& operator=(const AccessDatabase&) = delete;

    std::vector<std::string> tables() override;
    MemberRows readTable(const std::string& table) override;

  private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    std::string path_;
};

} // namespace ranvik
