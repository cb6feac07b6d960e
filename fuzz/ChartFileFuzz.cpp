// Arbitrary bytes opened as a chart file under each tournament type, then the report's road:
// validation (inconsistencies answered Ignore or All), the membership-number list, the
// report, the sort, and writing the chart back.

#include "FuzzTarget.h"

#include "chart/Tournament.h"
#include "files/ChartFile.h"
#include "files/ChartText.h"
#include "report/RatingReport.h"
#include "validation/Validation.h"

#include <cstdlib>
#include <string_view>

using namespace ranvik;

namespace {

const TournamentInfo kInfo{"Open", "QC", "123", "2024/05/12", "100234", "100235"};

void OpenAndReport(std::string_view bytes, TournamentType type, InconsistencyAnswer answer) {
    Tournament tournament;
    tournament.layOutStartChart();
    tournament.setType(type);
    if (!ReadChartFile(tournament, bytes).ok)
        return;
    const Chart& chart = tournament.chart();
    if (chart.rowCount() - 1 > Tournament::MaxPlayers ||
        tournament.numRounds() > Tournament::MaxRounds)
        std::abort(); // a chart beyond the limits
    Validate(tournament, [answer](const Message&) { return answer; });
    FlaggedMemberLines(chart, tournament.playerRows());
    BuildReportBytes(tournament, RatingSystem::Regular, kInfo);
    BuildReportBytes(tournament, RatingSystem::Active, kInfo);
    EncodeChartFile(chart);
    if (tournament.sortByRating())
        EncodeChartFile(chart);
}

} // namespace

// A text read as UTF-8 is the file's bytes themselves (less a byte-order mark); one with a
// NUL byte is never read.
void CheckDecoding(std::string_view bytes) {
    const ChartText text = DecodeChartText(bytes);
    if (text.ok && text.text.find('\0') != std::string::npos)
        std::abort();
    if (text.ok && IsMultiByteUtf8(bytes) && bytes.size() - text.text.size() > 3)
        std::abort();
    if (RefusedReportPath(std::string(bytes)).empty() &&
        ChartPathBesideReport(ReportPathFor(std::string(bytes))) ==
            ReportPathFor(std::string(bytes)))
        std::abort(); // a report that would share the chart's name
}

RANVIK_FUZZ_TARGET(chart_file) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckDecoding(bytes);
    const InconsistencyAnswer answer =
        size % 2 == 0 ? InconsistencyAnswer::Ignore : InconsistencyAnswer::All;
    for (TournamentType type :
         {TournamentType::Swiss, TournamentType::RoundRobin, TournamentType::DoubleRoundRobin})
        OpenAndReport(bytes, type, answer);
    return 0;
}
