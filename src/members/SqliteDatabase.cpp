#include "members/SqliteDatabase.h"

#include "members/DatabaseError.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

namespace ranvik {

namespace {

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) {
            const std::string message = sqlite3_errmsg(db);
            sqlite3_finalize(stmt_);
            throw std::runtime_error(message);
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True while there is a row; throws on an error part way.
    bool step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(stmt_)));
    }
    sqlite3_stmt* get() const { return stmt_; }

  private:
    sqlite3_stmt* stmt_ = nullptr;
};

std::string QuotedIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

std::string HexText(const unsigned char* bytes, int size) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (int i = 0; i < size; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0f];
    }
    return text;
}

std::optional<std::string> ColumnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        return std::nullopt;
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(stmt, column));
        return HexText(bytes, sqlite3_column_bytes(stmt, column));
    }
    default: {
        // SQLite renders numbers itself, independent of the locale.
        const auto* text = sqlite3_column_text(stmt, column);
        const int size = sqlite3_column_bytes(stmt, column);
        return std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size));
    }
    }
}

// "file:" and the path, its URI signs escaped, opened without locks or journal.
std::string ImmutableUri(const std::string& path) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string uri = path.rfind('/', 0) == 0 ? "file://" : "file:";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '%' || c == '?' || c == '#' || byte <= 0x20 || byte >= 0x7F) {
            uri += '%';
            uri += kDigits[byte >> 4];
            uri += kDigits[byte & 0x0F];
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

// A file in WAL mode keeps its latest changes in PATH-wal until they are merged: read without
// them it would list old members, and reading them would make files beside it.
void RefuseUnmergedLog(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path + "-wal", ec);
    if (!ec && size > 0)
        throw DatabaseError(Message(MessageKind::SqliteUnmergedLog, {path, path}));
}

} // namespace

SqliteDatabase::SqliteDatabase(const std::string& path) : path_(path) {
    RefuseUnmergedLog(path);
    // Immutable: no lock, no journal, no -wal or -shm file made beside a file in WAL mode.
    const int rc = sqlite3_open_v2(ImmutableUri(path).c_str(), &db_,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    if (rc != SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw DatabaseError(Message(MessageKind::SqliteCannotOpen, {path, reason}));
    }
    // SQLite reads nothing until asked; reading the schema now proves the file.
    try {
        tables();
    } catch (const std::runtime_error& e) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw DatabaseError(Message(MessageKind::SqliteCannotOpen, {path, e.what()}));
    }
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close(db_);
}

std::vector<std::string> SqliteDatabase::tables() {
    Statement stmt(db_, "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') "
                        "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid");
    std::vector<std::string> names;
    while (stmt.step())
        if (const unsigned char* name = sqlite3_column_text(stmt.get(), 0))
            names.emplace_back(reinterpret_cast<const char*>(name));
    return names;
}

MemberRows SqliteDatabase::readTable(const std::string& table) {
    try {
        Statement stmt(db_, "SELECT * FROM " + QuotedIdentifier(table));
        MemberRows result;
        const int columns = sqlite3_column_count(stmt.get());
        for (int c = 0; c < columns; ++c)
            result.fields.emplace_back(sqlite3_column_name(stmt.get(), c));
        while (stmt.step()) {
            CheckMemberTableSize(result.rows.size() + 1, result.fields.size());
            auto& row = result.rows.emplace_back();
            row.reserve(static_cast<std::size_t>(columns));
            for (int c = 0; c < columns; ++c)
                row.push_back(ColumnValue(stmt.get(), c));
        }
        return result;
    } catch (const DatabaseError& e) {
        throw DatabaseError(
            Message(MessageKind::TableUnreadableBecause, {table, path_, e.message()}));
    } catch (const std::runtime_error& e) {
        throw DatabaseError(Message(MessageKind::TableUnreadableBecause, {table, path_, e.what()}));
    }
}

} // namespace ranvik
