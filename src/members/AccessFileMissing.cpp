// A build without libmdb (RANVIK_ACCESS=OFF: the Windows build when Debian's mdbtools source
// could not be had) still recognises an Access file and says so, instead of calling it damaged.

#include "members/AccessFile.h"

#include <stdexcept>

namespace ranvik {

struct AccessFile::Handle {};

AccessFile::AccessFile(const std::string& path) : path_(path) {
    throw std::runtime_error("The Access database " + path +
                             " cannot be opened: this copy of Ranvik was built without its "
                             "Access reader. Save the database as an SQLite file and open that.");
}

AccessFile::~AccessFile() = default;

std::vector<std::string> AccessFile::tables() const {
    return {};
}

MemberRows AccessFile::readTable(const std::string&) {
    return {};
}

} // namespace ranvik
