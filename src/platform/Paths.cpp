#include "platform/Paths.h"

namespace ranvik::platform {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string JoinPath(std::string_view folder, std::string_view relative) {
    return Utf8FromPath((PathFromUtf8(folder) / PathFromUtf8(relative)).make_preferred());
}

} // namespace ranvik::platform
