#pragma once
// The SQLite engine: the same reading as for Access files, opened read-only.

#include "members/MemberDatabase.h"

#include <string>
#include <vector>

struct sqlite3;

namespace ranvik {

class SqliteDatabase : public MemberDatabase {
  public:
    // Throws DatabaseError when the file cannot be opened or is not a database.
    explicit SqliteDatabase(const std::string& path);
    ~SqliteDatabase() override;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    std::vector<std::string> tables() override;
    MemberRows readTable(const std::string& table) override;

  private:
    sqlite3* db_ = nullptr;
    std::string path_;
};

} // namespace ranvik
