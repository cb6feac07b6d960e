#pragma once
// The SQLite engine as the program uses it: every reading runs in a helper process with a
// time and a memory limit, so a view that never ends (a recursive query) gives an error
// instead of holding the program or eating its memory.

#include "members/MemberDatabase.h"

#include <string>
#include <vector>

namespace ranvik {

class IsolatedSqliteDatabase : public MemberDatabase {
  public:
    // Reads the list of tables. Throws DatabaseError when the file cannot be opened, or
    // the reader crashes, runs out of memory or takes longer than its time limit.
    explicit IsolatedSqliteDatabase(const std::string& path);

    std::vector<std::string> tables() override;
    MemberRows readTable(const std::string& table) override;

  private:
    std::string path_;
    std::vector<std::string> tables_;
};

} // namespace ranvik
