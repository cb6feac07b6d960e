// The membership database at 100,000 members, in both engines: opening until searchable,
// one keystroke's search and one change of ordering. The files are generated at start with
// the shared tools; without them these benchmarks are skipped with the reason.

#include "BenchInputs.h"

#include "members/MemberDatabase.h"
#include "members/MemberTable.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ranvik::bench {
namespace {

constexpr int kMembers = 100000;

struct MemberFiles {
    std::string access;
    std::string sqlite;
    std::string problem; // why the files are missing, when they are
};

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

const MemberFiles& Files() {
    static const MemberFiles files = MakeMemberFiles();
    return files;
}

const std::string* EnginePath(benchmark::State& state) {
    const MemberFiles& files = Files();
    if (!files.problem.empty()) {
        state.SkipWithError(files.problem.c_str());
        return nullptr;
    }
    state.SetLabel(state.range(0) == 0 ? "Access" : "SQLite");
    return state.range(0) == 0 ? &files.access : &files.sqlite;
}

// The table the window keeps once the database is open (Access engine).
const MemberTable* OpenTable(benchmark::State& state) {
    static std::optional<MemberTable> table;
    if (!table) {
        const MemberFiles& files = Files();
        if (!files.problem.empty()) {
            state.SkipWithError(files.problem.c_str());
            return nullptr;
        }
        auto database = OpenMemberDatabase(files.access);
        table.emplace(LoadMemberTable(*database));
    }
    return &*table;
}

// From the file to three orderings ready to search.
void BM_OpenMembers(benchmark::State& state) {
    const std::string* path = EnginePath(state);
    if (!path)
        return;
    for (auto _ : state) {
        auto database = OpenMemberDatabase(*path);
        MemberTable table = LoadMemberTable(*database);
        if (table.rowCount() != kMembers) {
            state.SkipWithError("the table does not hold every member");
            break;
        }
        benchmark::DoNotOptimize(table.ordering(MemberOrder::Name).currentRow());
    }
}
// Real time: the Access engine reads the file in a helper process.
BENCHMARK(BM_OpenMembers)
    ->ArgName("engine")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One keystroke in the Name or Number box: a search for the whole text typed so far.
void BM_KeystrokeSearch(benchmark::State& state) {
    const MemberTable* loaded = OpenTable(state);
    if (!loaded)
        return;
    MemberTable table = *loaded;
    const bool byName = state.range(0) == 0;
    MemberOrdering& ordering = table.ordering(byName ? MemberOrder::Name : MemberOrder::Number);
    const std::array<std::string, 6> typed =
        byName ? std::array<std::string, 6>{"l", "le", "lév", "léve", "lévesque,", "lévesque, j"}
               : std::array<std::string, 6>{"1", "15", "150", "1508", "15089", "150891"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ordering.find(typed[i++ % typed.size()]));
    state.SetLabel(byName ? "Name" : "Number");
}
BENCHMARK(BM_KeystrokeSearch)->ArgName("box")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Showing another ordering at its own current record, with the rows a screen shows read.
void BM_ChangeOrdering(benchmark::State& state) {
    const MemberTable* loaded = OpenTable(state);
    if (!loaded)
        return;
    MemberTable table = *loaded;
    constexpr std::array<MemberOrder, 3> orders = {MemberOrder::Name, MemberOrder::Number,
                                                   MemberOrder::Prov};
    for (std::size_t k = 0; k < orders.size(); ++k)
        table.ordering(orders[k]).setPosition(kMembers / 3 * k + 17);
    constexpr std::size_t kScreenRows = 40;
    std::size_t i = 0;
    for (auto _ : state) {
        const MemberOrdering& shown = table.ordering(orders[i++ % orders.size()]);
        std::size_t chars = 0;
        for (std::size_t p = shown.position(); p < shown.position() + kScreenRows; ++p) {
            for (std::size_t f = 0; f < table.fields().size(); ++f) {
                const auto& value = table.value(shown.rowAt(std::min(p, shown.size() - 1)), f);
                chars += value ? value->size() : 0;
            }
        }
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(BM_ChangeOrdering)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ranvik::bench
