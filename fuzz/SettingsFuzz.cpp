// Arbitrary bytes as the settings file: read, then written back with a new database name,
// then read again, which must give that name.

#include "FuzzTarget.h"

#include "members/Settings.h"

#include <cstdlib>

using namespace ranvik;

RANVIK_FUZZ_TARGET(settings) {
    const std::string path = fuzz::ScratchFile(data, size, ".ini");
    LoadDatabaseSetting(path, "/current.mde");
    const std::string chosen = "/home/td/QRBMembers.mde";
    if (SaveDatabaseSetting(path, chosen) && LoadDatabaseSetting(path, "") != chosen)
        std::abort(); // a written name must read back
    return 0;
}
