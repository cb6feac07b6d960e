#include "members/IsolatedSqliteDatabase.h"

#include "members/IsolatedReading.h"
#include "members/MemberRowsCodec.h"
#include "members/SqliteDatabase.h"

namespace ranvik {

namespace {

// The readings a helper process runs: arguments (path) and (path, table).
const platform::ChildJob kTableNames =
    platform::RegisterChildJob("sqlite-tables", [](const std::vector<std::string>& arguments) {
        return AnswerFromHelper(
            [&arguments] { return EncodeTableNames(SqliteDatabase(arguments.at(0)).tables()); });
    });
const platform::ChildJob kTableRows =
    platform::RegisterChildJob("sqlite-rows", [](const std::vector<std::string>& arguments) {
        return AnswerFromHelper([&arguments] {
            return EncodeMemberRows(SqliteDatabase(arguments.at(0)).readTable(arguments.at(1)));
        });
    });

} // namespace

IsolatedSqliteDatabase::IsolatedSqliteDatabase(const std::string& path) : path_(path) {
    tables_ =
        DecodeTableNames(ReadInHelper(MessageKind::SqliteReaderFailed, path, kTableNames, {path}));
}

std::vector<std::string> IsolatedSqliteDatabase::tables() {
    return tables_;
}

MemberRows IsolatedSqliteDatabase::readTable(const std::string& table) {
    return DecodeMemberRows(
        ReadInHelper(MessageKind::SqliteReaderFailed, path_, kTableRows, {path_, table}));
}

} // namespace ranvik
