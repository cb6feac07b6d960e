#include "members/AccessDatabase.h"

#include "members/AccessFile.h"
#include "members/HelperProcess.h"
#include "members/MemberRowsCodec.h"

#include <chrono>
#include <stdexcept>

namespace ranvik {

namespace {

// Generous: a file of 100,000 members reads in well under a second.
constexpr std::chrono::seconds kReadLimit{30};

// Runs one reading of the file in the helper process; a crash or a hang there becomes an
// error that names the file.
template <typename Work> std::string ReadIsolated(const std::string& path, const Work& work) {
    try {
        return RunInHelperProcess(work, kReadLimit);
    } catch (const HelperProcessFailure& failure) {
        throw std::runtime_error("The Access database " + path +
                                 " cannot be read: " + failure.what() + ".");
    }
}

} // namespace

struct AccessDatabase::Handle {
    std::vector<std::string> tables;
};

AccessDatabase::AccessDatabase(const std::string& path)
    : handle_(std::make_unique<Handle>()), path_(path) {
    handle_->tables = DecodeTableNames(
        ReadIsolated(path_, [&path] { return EncodeTableNames(AccessFile(path).tables()); }));
}

AccessDatabase::~AccessDatabase() = default;

std::vector<std::string> AccessDatabase::tables() {
    return handle_->tables;
}

MemberRows AccessDatabase::readTable(const std::string& table) {
    const std::string& path = path_;
    return DecodeMemberRows(ReadIsolated(
        path, [&path, &table] { return EncodeMemberRows(AccessFile(path).readTable(table)); }));
}

} // namespace ranvik
