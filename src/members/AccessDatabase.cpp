#include "members/AccessDatabase.h"

#include "members/AccessFile.h"
#include "members/DatabaseError.h"
#include "members/IsolatedReading.h"
#include "members/MemberRowsCodec.h"

#include <functional>

namespace ranvik {

namespace {

// The library reports a page it could not place or read on stderr and goes on without it,
// so a damaged file would list part of its members. In the helper, stderr is caught and
// any such warning makes the reading fail.
std::string WithoutLibraryWarnings(const std::string& path,
                                   const std::function<std::string()>& work) {
    std::string warning;
    std::string result = platform::CaptureStandardError(work, warning);
    if (!warning.empty()) {
        warning = warning.substr(0, warning.find('\n'));
        if (warning.rfind("warning: ", 0) == 0)
            warning.erase(0, 9);
        throw DatabaseError(Message(MessageKind::AccessDamaged, {path, warning}));
    }
    return result;
}

// The readings a helper process runs: arguments (path) and (path, table).
const platform::ChildJob kTableNames =
    platform::RegisterChildJob("access-tables", [](const std::vector<std::string>& arguments) {
        const std::string& path = arguments.at(0);
        return AnswerFromHelper([&path] {
            return WithoutLibraryWarnings(
                path, [&path] { return EncodeTableNames(AccessFile(path).tables()); });
        });
    });
const platform::ChildJob kTableRows =
    platform::RegisterChildJob("access-rows", [](const std::vector<std::string>& arguments) {
        const std::string& path = arguments.at(0);
        const std::string& table = arguments.at(1);
        return AnswerFromHelper([&path, &table] {
            return WithoutLibraryWarnings(path, [&path, &table] {
                return EncodeMemberRows(AccessFile(path).readTable(table));
            });
        });
    });

} // namespace

struct AccessDatabase::Handle {
    std::vector<std::string> tables;
};

AccessDatabase::AccessDatabase(const std::string& path)
    : handle_(std::make_unique<Handle>()), path_(path) {
    handle_->tables =
        DecodeTableNames(ReadInHelper(MessageKind::AccessReaderFailed, path, kTableNames, {path}));
}

AccessDatabase::~AccessDatabase() = default;

std::vector<std::string> AccessDatabase::tables() {
    return handle_->tables;
}

MemberRows AccessDatabase::readTable(const std::string& table) {
    return DecodeMemberRows(
        ReadInHelper(MessageKind::AccessReaderFailed, path_, kTableRows, {path_, table}));
}

} // namespace ranvik
