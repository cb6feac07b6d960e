#pragma once
// File names: UTF-8 everywhere inside the program. A std::filesystem::path made from a plain
// std::string takes the system's narrow code page on Windows, which cannot carry every name
// ("Côté – Printemps.tms"), so names cross into and out of std::filesystem only here.

#include <filesystem>
#include <string>
#include <string_view>

namespace ranvik::platform {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);
// `relative` ("ranvik/recovery") under `folder`, with the system's own separators throughout,
// as names shown to the user are spelled.
std::string JoinPath(std::string_view folder, std::string_view relative);

} // namespace ranvik::platform
