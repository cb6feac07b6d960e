#include "files/FileNames.h"

namespace ranvik {

namespace {
// Index of the extension's dot, or npos when the file-name part has none.
std::size_t ExtensionDot(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t separator = path.find_last_of("/\\");
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return std::string::npos;
    return dot;
}
} // namespace

bool HasFileExtension(const std::string& path) {
    return ExtensionDot(path) != std::string::npos;
}

std::string FileExtension(const std::string& path) {
    const std::size_t dot = ExtensionDot(path);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string WithDefaultExtension(const std::string& path, const std::string& ext) {
    return HasFileExtension(path) ? path : path + ext;
}

std::string WithExtensionChanged(const std::string& path, const std::string& ext) {
    return path.substr(0, ExtensionDot(path)) + ext;
}

std::string ChartPathFor(const std::string& chosenPath) {
    return WithDefaultExtension(chosenPath, ".tms");
}

std::string ReportPathFor(const std::string& chosenPath) {
    return WithDefaultExtension(chosenPath, ".qtr");
}

std::string ChartPathBesideReport(const std::string& reportPath) {
    return WithExtensionChanged(reportPath, ".tms");
}

} // namespace ranvik
