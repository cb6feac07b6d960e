#include "members/StartupDatabase.h"

#include "platform/Paths.h"

#include <filesystem>
#include <system_error>

namespace ranvik {

StartupDatabase ChooseStartupDatabase(const std::string& remembered,
                                      const std::string& programFolder) {
    StartupDatabase choice;
    if (!remembered.empty()) {
        choice.path = remembered;
    } else {
        choice.path = platform::JoinPath(programFolder, kDefaultDatabaseName);
    }
    std::error_code ec;
    choice.open = std::filesystem::is_regular_file(platform::PathFromUtf8(choice.path), ec);
    return choice;
}

} // namespace ranvik
