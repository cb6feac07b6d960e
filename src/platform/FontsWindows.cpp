#include "platform/Fonts.h"

#include <filesystem>
#include <mutex>
#include <system_error>

#include <windows.h>

namespace ranvik::platform {

void UseBundledFonts() {
    static std::once_flag once;
    std::call_once(once, [] {
        std::wstring program(MAX_PATH, L'\0');
        program.resize(GetModuleFileNameW(nullptr, program.data(), MAX_PATH));
        const std::filesystem::path fonts = std::filesystem::path(program).parent_path() / L"fonts";
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(fonts, error)) {
            if (entry.path().extension() == L".ttf")
                AddFontResourceExW(entry.path().c_str(), FR_PRIVATE, nullptr);
        }
    });
}

} // namespace ranvik::platform
