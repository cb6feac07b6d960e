#include "FixtureDescription.h"

#include "support/TestSupport.h"

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <variant>

namespace ranvik::test {

namespace {

// Just enough JSON for the fixture descriptions.
struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    std::string text; // number (as written) or string
    std::vector<Json> items;
    std::map<std::string, Json> members;

    const Json& operator[](const std::string& key) const {
        const auto it = members.find(key);
        if (it == members.end())
            throw std::runtime_error("JSON key missing: " + key);
        return it->second;
    }
};

class JsonParser {
  public:
    explicit JsonParser(std::string text) : s_(std::move(text)) {}
    Json parse() {
        Json value = parseValue();
        skipSpace();
        if (i_ != s_.size())
            fail("trailing text");
        return value;
    }

  private:
    [[noreturn]] void fail(const std::string& what) {
        throw std::runtime_error("bad JSON at " + std::to_string(i_) + ": " + what);
    }
    void skipSpace() {
        while (i_ < s_.size() && std::string_view(" \t\r\n").find(s_[i_]) != std::string::npos)
            ++i_;
    }
    bool take(char c) {
        skipSpace();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    void expect(char c) {
        if (!take(c))
            fail(std::string("expected ") + c);
    }
    bool takeWord(std::string_view word) {
        if (s_.compare(i_, word.size(), word) != 0)
            return false;
        i_ += word.size();
        return true;
    }
    static void AppendUtf8(std::string& out, std::uint32_t c) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    std::string parseString() {
        expect('"');
        std::string out;
        while (i_ < s_.size() && s_[i_] != '"') {
            char c = s_[i_++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= s_.size())
                fail("bad escape");
            c = s_[i_++];
            switch (c) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case 'u':
                AppendUtf8(out,
                           static_cast<std::uint32_t>(std::stoul(s_.substr(i_, 4), nullptr, 16)));
                i_ += 4;
                break;
            default:
                out += c;
                break;
            }
        }
        expect('"');
        return out;
    }
    Json parseValue() {
        skipSpace();
        Json v;
        if (i_ >= s_.size())
            fail("unexpected end");
        const char c = s_[i_];
        if (c == '{') {
            v.kind = Json::Kind::Object;
            ++i_;
            if (take('}'))
                return v;
            do {
                skipSpace();
                std::string key = parseString();
                expect(':');
                v.members[key] = parseValue();
            } while (take(','));
            expect('}');
        } else if (c == '[') {
            v.kind = Json::Kind::Array;
            ++i_;
            if (take(']'))
                return v;
            do
                v.items.push_back(parseValue());
            while (take(','));
            expect(']');
        } else if (c == '"') {
            v.kind = Json::Kind::String;
            v.text = parseString();
        } else if (takeWord("null")) {
            v.kind = Json::Kind::Null;
        } else if (takeWord("true") || takeWord("false")) {
            v.kind = Json::Kind::Bool;
        } else {
            v.kind = Json::Kind::Number;
            const std::size_t start = i_;
            while (i_ < s_.size() &&
                   std::string_view("+-0123456789.eE").find(s_[i_]) != std::string::npos)
                ++i_;
            if (start == i_)
                fail("unexpected character");
            v.text = s_.substr(start, i_ - start);
        }
        return v;
    }

    std::string s_;
    std::size_t i_ = 0;
};

void Check(int rc, sqlite3* db, const std::string& what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        throw std::runtime_error(what + ": " + sqlite3_errmsg(db));
}

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

std::string SqlType(const std::string& specType) {
    if (specType == "long" || specType == "integer" || specType == "byte")
        return "INTEGER";
    return "TEXT";
}

} // namespace

std::filesystem::path MembersDataDir() {
    return TestDataDir() / "members";
}

std::string DatabaseFor(Engine engine, const std::string& description,
                        const std::string& accessFile, const std::filesystem::path& folder) {
    if (engine == Engine::Access)
        return (MembersDataDir() / accessFile).string();
    const std::string path = (folder / (description + ".sqlite")).string();
    if (!std::filesystem::exists(path))
        WriteSqliteDatabase(path, ReadFixtureDescription(MembersDataDir() / description));
    return path;
}

std::vector<FixtureTable> ReadFixtureDescription(const std::filesystem::path& json) {
    const Json root = JsonParser(ReadFile(json)).parse();
    std::vector<FixtureTable> tables;
    for (const Json& t : root["tables"].items) {
        FixtureTable table;
        table.name = t["name"].text;
        for (const Json& c : t["columns"].items)
            table.columns.push_back({c["name"].text, c["type"].text});
        for (const Json& r : t["rows"].items) {
            auto& row = table.rows.emplace_back();
            for (const Json& v : r.items) {
                if (v.kind == Json::Kind::Null)
                    row.push_back(std::nullopt);
                else
                    row.push_back(v.text);
            }
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

void WriteSqliteDatabase(const std::string& path, const std::vector<FixtureTable>& tables) {
    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close);
    Check(rc, raw, "open " + path);
    // One transaction without syncing: these files are scratch copies.
    Check(sqlite3_exec(raw, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr), raw,
          "begin");
    for (const FixtureTable& table : tables) {
        std::string create = "CREATE TABLE " + Quoted(table.name) + " (";
        std::string insert = "INSERT INTO " + Quoted(table.name) + " VALUES (";
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            create += (c ? ", " : "") + Quoted(table.columns[c].name) + " " +
                      SqlType(table.columns[c].type);
            insert += c ? ", ?" : "?";
        }
        Check(sqlite3_exec(raw, (create + ")").c_str(), nullptr, nullptr, nullptr), raw, create);
        sqlite3_stmt* stmt = nullptr;
        Check(sqlite3_prepare_v2(raw, (insert + ")").c_str(), -1, &stmt, nullptr), raw, insert);
        for (const auto& row : table.rows) {
            sqlite3_reset(stmt);
            for (std::size_t c = 0; c < row.size(); ++c) {
                const int index = static_cast<int>(c) + 1;
                if (!row[c])
                    sqlite3_bind_null(stmt, index);
                else if (SqlType(table.columns[c].type) == "INTEGER")
                    sqlite3_bind_int64(stmt, index, std::stoll(*row[c]));
                else
                    sqlite3_bind_text(stmt, index, row[c]->data(), static_cast<int>(row[c]->size()),
                                      SQLITE_TRANSIENT);
            }
            Check(sqlite3_step(stmt), raw, "insert into " + table.name);
        }
        sqlite3_finalize(stmt);
    }
    Check(sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr), raw, "commit");
}

} // namespace ranvik::test
