#include "members/AccessDatabase.h"

#include "members/AccessFile.h"
#include "members/IsolatedReading.h"
#include "members/MemberRowsCodec.h"

#include <cstdio>
#include <stdexcept>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace ranvik {

namespace {

// The library reports a page it could not place or read on stderr and goes on without it,
// so a damaged file would list part of its members. In the helper, stderr is caught and
// any such warning makes the reading fail.
template <typename Work> std::string WithoutLibraryWarnings(const std::string& path, Work work) {
#ifdef _WIN32
    (void)path;
    return work();
#else
    std::FILE* sink = std::tmpfile();
    if (!sink || dup2(fileno(sink), STDERR_FILENO) < 0)
        throw std::runtime_error("The Access database " + path + " cannot be read.");
    std::string result = work();
    std::fflush(stderr);
    std::string warning(200, '\0');
    std::rewind(sink);
    warning.resize(std::fread(warning.data(), 1, warning.size(), sink));
    if (!warning.empty()) {
        warning = warning.substr(0, warning.find('\n'));
        if (warning.rfind("warning: ", 0) == 0)
            warning.erase(0, 9);
        throw std::runtime_error("The Access database " + path + " is damaged: " + warning);
    }
    return result;
#endif
}

} // namespace

struct AccessDatabase::Handle {
    std::vector<std::string> tables;
};

AccessDatabase::AccessDatabase(const std::string& path)
    : handle_(std::make_unique<Handle>()), path_(path) {
    handle_->tables = DecodeTableNames(ReadInHelper("The Access database " + path, [&path] {
        return WithoutLibraryWarnings(
            path, [&path] { return EncodeTableNames(AccessFile(path).tables()); });
    }));
}

AccessDatabase::~AccessDatabase() = default;

std::vector<std::string> AccessDatabase::tables() {
    return handle_->tables;
}

MemberRows AccessDatabase::readTable(const std::string& table) {
    const std::string& path = path_;
    return DecodeMemberRows(ReadInHelper("The Access database " + path, [&path, &table] {
        return WithoutLibraryWarnings(
            path, [&path, &table] { return EncodeMemberRows(AccessFile(path).readTable(table)); });
    }));
}

} // namespace ranvik
