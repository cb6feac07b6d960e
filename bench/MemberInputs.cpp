#include "MemberInputs.h"

#include "BenchInputs.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ranvik::bench {
namespace {

std::string Quote(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

void Run(const std::string& command) {
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
}

// One CSV record (RFC 4180 quoting); an empty unquoted field is NULL.
std::vector<std::optional<std::string>> SplitCsv(const std::string& line) {
    std::vector<std::optional<std::string>> fields;
    std::size_t i = 0;
    while (true) {
        std::optional<std::string> field;
        if (i < line.size() && line[i] == '"') {
            std::string text;
            for (++i; i < line.size(); ++i) {
                if (line[i] == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                    text += '"';
                    ++i;
                } else if (line[i] == '"') {
                    ++i;
                    break;
                } else {
                    text += line[i];
                }
            }
            field = text;
        } else {
            const std::size_t comma = line.find(',', i);
            const std::size_t end = comma == std::string::npos ? line.size() : comma;
            if (end > i)
                field = line.substr(i, end - i);
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size())
            break;
        ++i; // the comma
    }
    return fields;
}

void Exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("sqlite: " + text);
    }
}

// The SQLite membership file with the columns of the Access one, ratings as integers.
void BuildSqliteFromCsv(const std::string& csvPath, const std::string& dbPath) {
    std::ifstream csv(csvPath);
    std::string line;
    if (!std::getline(csv, line))
        throw std::runtime_error("empty CSV " + csvPath);
    sqlite3* db = nullptr;
    if (sqlite3_open(dbPath.c_str(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create " + dbPath);
    Exec(db, "CREATE TABLE Members (NUMBER TEXT, NAME TEXT, PROV TEXT, CITY TEXT, RATING "
             "INTEGER, ACT_RATING INTEGER, EXPIRY TEXT, FIDE_ID TEXT); BEGIN;");
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Members VALUES (?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    while (std::getline(csv, line)) {
        const auto fields = SplitCsv(line);
        for (int i = 0; i < 8; ++i) {
            const auto& field = i < static_cast<int>(fields.size())
                                    ? fields[static_cast<std::size_t>(i)]
                                    : std::optional<std::string>{};
            if (!field)
                sqlite3_bind_null(insert, i + 1);
            else if (i == 4 || i == 5)
                sqlite3_bind_int(insert, i + 1, std::stoi(*field));
            else
                sqlite3_bind_text(insert, i + 1, field->c_str(), -1, SQLITE_TRANSIENT);
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    Exec(db, "COMMIT;");
    sqlite3_close(db);
}

MemberFiles MakeMemberFiles() {
    MemberFiles files;
    const std::string tools = RANVIK_TOOLS_DIR;
    if (!std::filesystem::exists(tools + "/make-big-members.py") ||
        !std::filesystem::exists(tools + "/make-mdb.py")) {
        files.problem = "the shared tools folder (" + tools +
                        ") is not beside the checkout: membership benchmarks skipped";
        return files;
    }
    const std::string folder = RunFolder();
    const std::string json = folder + "/members-100k.json";
    const std::string csv = folder + "/members-100k.csv";
    files.access = folder + "/members-100k.mdb";
    files.sqlite = folder + "/members-100k.sqlite";
    try {
        const std::string make = "python3 " + Quote(tools + "/make-big-members.py") + " -n " +
                                 std::to_string(kMembers) + " --seed 1 ";
        Run(make + "-o " + Quote(json));
        Run(make + "--csv -o " + Quote(csv));
        Run("python3 " + Quote(tools + "/make-mdb.py") + " " + Quote(json) + " " +
            Quote(files.access));
        BuildSqliteFromCsv(csv, files.sqlite);
    } catch (const std::exception& e) {
        files.problem = e.what();
    }
    return files;
}

} // namespace

const MemberFiles& Files() {
    static const MemberFiles files = MakeMemberFiles();
    return files;
}

} // namespace ranvik::bench
