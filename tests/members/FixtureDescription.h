#pragma once
// The JSON descriptions the Access fixtures were made from, read back so that tests can
// compare an engine's reading with them and build the same database in SQLite.

#include "members/MemberDatabase.h"

#include <filesystem>
#include <optional>
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

} // namespace ranvik::test
