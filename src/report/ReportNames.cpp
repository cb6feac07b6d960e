#include "report/RatingReport.h"

#include "files/FileWriter.h"

#include <algorithm>
#include <cctype>

#include <string_view>

namespace ranvik {

namespace {
bool CannotStandInFileName(unsigned char c) {
    return c < 0x20 || c == 0x7F ||
           std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}
} // namespace

std::string ProposedReportName(const TournamentInfo& info) {
    std::string name;
    for (char c : info.endDate) {
        if (c >= '0' && c <= '9')
            name += c;
    }
    name += '-';
    for (char c : info.name)
        name += CannotStandInFileName(static_cast<unsigned char>(c)) ? '_' : c;
    return name + ".qtr";
}

Message RefusedReportPath(const std::string& chosenPath) {
    if (Message unusable = UnusableFileName(chosenPath); !unusable.empty())
        return unusable;
    std::string extension = FileExtension(ReportPathFor(chosenPath));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".tms")
        return Message(MessageKind::ReportNamedAsChart);
    return {};
}

} // namespace ranvik
