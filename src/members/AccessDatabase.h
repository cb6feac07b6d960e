#pragma once
// The Access engine (Jet 3, Jet 4 and .accdb files) on mdbtools' libmdb, read-only.
// Reading a whole table is one call, so it can be moved into a helper process if a damaged
// file ever proves able to bring the library down.

#include "members/MemberDatabase.h"

#include <memory>
#include <string>
#include <vector>

namespace ranvik {

class AccessDatabase : public MemberDatabase {
  public:
    // Throws std::runtime_error when the library cannot open the file.
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
