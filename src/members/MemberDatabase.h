#pragma once
// Reading a membership database file: the engines behind one interface. The program only
// reads; nothing is ever written to a membership file.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

// One table read whole into memory; every field as text (numbers as their decimal text).
struct MemberRows {
    std::vector<std::string> fields;                           // in the table's own order
    std::vector<std::vector<std::optional<std::string>>> rows; // nullopt = NULL
};

// Beyond any membership list: a table of more rows, or more values (rows times fields), is
// refused while it is read, so a small file whose view yields millions of rows cannot fill
// the program's memory.
inline constexpr std::size_t MaxMemberRows = 1'000'000;
inline constexpr std::size_t MaxMemberValues = 5'000'000;

// Throws DatabaseError when a table of that many rows and fields is more than the
// program reads ("it has more than 1000000 rows; no membership list is that long.").
void CheckMemberTableSize(std::size_t rows, std::size_t fields);

class MemberDatabase {
  public:
    virtual ~MemberDatabase() = default;
    // User tables (and views), system tables excluded, in the file's own order.
    virtual std::vector<std::string> tables() = 0;
    // Every row of a table; throws DatabaseError when it cannot be read.
    virtual MemberRows readTable(const std::string& table) = 0;
};

enum class DatabaseFormat { Unknown, Access, Sqlite };

// The engine a file's first bytes call for; the file's name plays no part.
DatabaseFormat DetectDatabaseFormat(std::string_view firstBytes);

// Opens a file with the engine its content calls for (Access or SQLite). Throws
// DatabaseError (members/DatabaseError.h), checking in this order: empty path ("Name of database
// file (*.mdb) not specified."), missing file ("Database file <path> not found."), a folder or
// another file that is not a regular one, a file no engine knows, the engine failing to open it.
// Both engines read in a helper process under CurrentMemberReadLimits().
std::unique_ptr<MemberDatabase> OpenMemberDatabase(const std::string& path);

} // namespace ranvik
