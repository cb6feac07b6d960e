#pragma once
// The JSON descriptions the Access fixtures were made from, read back so that tests can
// compare an engine's reading with them and build the same database in SQLite.

#include "members/MemberDatabase.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ranvik::test {

struct SpecColumn {
    std::string name;
    std::string type; // "text", "long", "datetime", ...
};

struct FixtureTable {
    std::string name;
    std::vector<SpecColumn> columns;
    // Values as the engines give them: JSON numbers as their decimal text, null as nullopt.
    std::vector<std::vector<std::optional<std::string>>> rows;
};

std::vector<FixtureTable> ReadFixtureDescription(const std::filesystem::path& json);

// Writes an SQLite file holding the same tables, columns and values (numbers as integers).
void WriteSqliteDatabase(const std::string& path, const std::vector<FixtureTable>& tables);

std::filesystem::path MembersDataDir();

// The two engines every membership suite runs on, printed by name.
enum class Engine { Access, Sqlite };
inline void PrintTo(Engine engine, std::ostream* os) {
    *os << (engine == Engine::Access ? "Access" : "Sqlite");
}

// The file holding a fixture's content in the engine: the Access fixture itself, or an
// SQLite file made once from its description in folder.
std::string DatabaseFor(Engine engine, const std::string& description,
                        const std::string& accessFile, const std::filesystem::path& folder);

} // namespace ranvik::test
