// Arbitrary bytes as the settings file: read, then written back with a new database name,
// then read again, which must give that name. A file the reader takes only in part is never
// written: it must stay byte for byte.

#include "FuzzTarget.h"

#include "files/FileWriter.h"
#include "settings/IniText.h"
#include "settings/Settings.h"

#include <cstdlib>

using namespace ranvik;

RANVIK_FUZZ_TARGET(settings) {
    const std::string path = fuzz::ScratchFile(data, size, ".ini");
    Settings settings(path);
    for (const SettingDeclaration& declared : AllSettings()) {
        if (declared.type == SettingType::Flag)
            (void)settings.get(Setting<bool>{declared.key});
        else if (declared.type == SettingType::TextList)
            (void)settings.get(Setting<std::vector<std::string>>{declared.key});
        else
            (void)settings.get(Setting<std::string>{declared.key});
    }
    const std::string chosen = "/home/td/QRBMembers.mde";
    const std::string before(reinterpret_cast<const char*>(data), size);
    const bool partial = !SettingsTextFault(before).empty();
    const bool saved = settings.set(setting::DatabaseName, chosen);
    if (saved && Settings(path).get(setting::DatabaseName) != chosen)
        std::abort(); // a written name must read back
    if (partial) {
        std::string after;
        Message error;
        if (saved || !ReadWholeFile(path, after, error) || after != before)
            std::abort(); // a file read in part is left alone
    }
    return 0;
}
