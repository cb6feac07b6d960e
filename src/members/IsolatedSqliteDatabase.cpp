#include "members/IsolatedSqliteDatabase.h"

#include "members/IsolatedReading.h"
#include "members/MemberRowsCodec.h"
#include "members/SqliteDatabase.h"

namespace ranvik {

IsolatedSqliteDatabase::IsolatedSqliteDatabase(const std::string& path) : path_(path) {
    tables_ = DecodeTableNames(ReadInHelper("The SQLite database " + path, [&path] {
        return EncodeTableNames(SqliteDatabase(path).tables());
    }));
}

std::vector<std::string> IsolatedSqliteDatabase::tables() {
    return tables_;
}

MemberRows IsolatedSqliteDatabase::readTable(const std::string& table) {
    const std::string& path = path_;
    return DecodeMemberRows(ReadInHelper("The SQLite database " + path, [&path, &table] {
        return EncodeMemberRows(SqliteDatabase(path).readTable(table));
    }));
}

} // namespace ranvik
