#pragma once
// Which membership database the program opens at start-up.

#include <string>

namespace ranvik {

inline constexpr const char* kDefaultDatabaseName = "QRBMembers.mde";

// The database chosen at start-up: the remembered path, or the default file in the program's
// folder when nothing is remembered; `open` tells whether that file exists to be opened.
struct StartupDatabase {
    std::string path;
    bool open = false;
};
StartupDatabase ChooseStartupDatabase(const std::string& remembered,
                                      const std::string& programFolder);

} // namespace ranvik
