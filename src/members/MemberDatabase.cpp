#include "members/MemberDatabase.h"

#include "members/AccessDatabase.h"
#include "members/DatabaseError.h"
#include "members/IsolatedSqliteDatabase.h"
#include "platform/Paths.h"

#include <filesystem>
#include <fstream>

namespace ranvik {

namespace {

// Access files carry "Standard Jet DB" (Jet 3/4) or "Standard ACE DB" (.accdb) at offset 4.
bool IsAccessHeader(std::string_view bytes) {
    if (bytes.size() < 19)
        return false;
    const std::string_view id = bytes.substr(4, 15);
    return id == "Standard Jet DB" || id == "Standard ACE DB";
}

bool IsSqliteHeader(std::string_view bytes) {
    static constexpr std::string_view kMagic("SQLite format 3\0", 16);
    return bytes.substr(0, kMagic.size()) == kMagic;
}

namespace fs = std::filesystem;

// Only a regular file is opened: a FIFO would hold the program at the open, a device
// would be read without end.
void CheckIsRegularFile(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(platform::PathFromUtf8(path), ec);
    if (ec || !fs::exists(status))
        throw DatabaseError(Message(MessageKind::DatabaseNotFound, {path}));
    if (fs::is_directory(status))
        throw DatabaseError(Message(MessageKind::DatabaseIsFolder, {path}));
    if (!fs::is_regular_file(status))
        throw DatabaseError(Message(MessageKind::DatabaseNotRegularFile, {path}));
}

std::string ReadFirstBytes(const std::string& path) {
    std::ifstream in(platform::PathFromUtf8(path), std::ios::binary);
    if (!in)
        throw DatabaseError(Message(MessageKind::DatabaseUnreadable, {path}));
    std::string bytes(32, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace

void CheckMemberTableSize(std::size_t rows, std::size_t fields) {
    if (rows > MaxMemberRows)
        throw DatabaseError(Message(MessageKind::TableTooManyRows, {MaxMemberRows}));
    if (rows * fields > MaxMemberValues)
        throw DatabaseError(Message(MessageKind::TableTooManyValues, {MaxMemberValues}));
}

DatabaseFormat DetectDatabaseFormat(std::string_view firstBytes) {
    if (IsAccessHeader(firstBytes))
        return DatabaseFormat::Access;
    if (IsSqliteHeader(firstBytes))
        return DatabaseFormat::Sqlite;
    return DatabaseFormat::Unknown;
}

std::unique_ptr<MemberDatabase> OpenMemberDatabase(const std::string& path) {
    if (path.empty())
        throw DatabaseError(Message(MessageKind::DatabaseNameMissing));
    CheckIsRegularFile(path);
    switch (DetectDatabaseFormat(ReadFirstBytes(path))) {
    case DatabaseFormat::Access:
        return std::make_unique<AccessDatabase>(path);
    case DatabaseFormat::Sqlite:
        return std::make_unique<IsolatedSqliteDatabase>(path);
    case DatabaseFormat::Unknown:
        break;
    }
    throw DatabaseError(Message(MessageKind::DatabaseFormatUnknown, {path}));
}

} // namespace ranvik
