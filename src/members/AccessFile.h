#pragma once
// Reading an Access file (Jet 3, Jet 4, .accdb) with mdbtools' libmdb in this process.
// The library trusts the structures it finds in the file, so a damaged file can bring the
// process down: the program reads through AccessDatabase, which runs this in a helper
// process. The fuzz targets call it directly, to find what a damaged file can do.

#include "members/MemberDatabase.h"

#include <memory>
#include <string>
#include <vector>

namespace ranvik {

class AccessFile {
  public:
    // Throws DatabaseError when the library cannot open the file or its list of tables.
    explicit AccessFile(const std::string& path);
    ~AccessFile();
    AccessFile(const AccessFile&) = delete;
    AccessFile& operator=(const AccessFile&) = delete;

    // User tables, system tables excluded, in the file's own order.
    std::vector<std::string> tables() const;
    // Every row of a table; throws DatabaseError when it cannot be read.
    MemberRows readTable(const std::string& table);

  private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    std::string path_;
};

} // namespace ranvik
