// The report workflow: check the chart, the membership numbers and the tournament
// information, then write the report and the chart beside it.

#include "document/ChartDocument.h"

#include "files/FileNames.h"
#include "files/FileWriter.h"
#include "files/PairWriter.h"

#include <filesystem>

namespace ranvik {

namespace {

ReportResult Stopped(ReportResult::Failure failure, std::string message = {}) {
    ReportResult result;
    result.outcome =
        failure == ReportResult::Failure::Cancelled ? Outcome::Cancelled : Outcome::Failed;
    result.failure = failure;
    result.message = std::move(message);
    return result;
}

} // namespace

// The report's file name, asked again while the name is refused (it would be the chart's
// own name); `refused` says why when the chooser cannot ask again.
std::optional<std::string> ChartDocument::chooseReportPath(const TournamentInfo& info,
                                                           std::string& refused) {
    for (;;) {
        std::optional<std::string> chosen =
            prompts_.chooseFileToSave(FileKind::Report, ProposedReportName(info));
        if (!chosen)
            return std::nullopt;
        std::string why = RefusedReportPath(*chosen);
        if (why.empty())
            return chosen;
        if (!prompts_.canAskAgain()) {
            refused = why;
            return std::nullopt;
        }
        prompts_.showError(why);
    }
}

bool ChartDocument::isOwnFile(const std::string& path) const {
    std::error_code error;
    return !fileName_.empty() && std::filesystem::equivalent(fileName_, path, error);
}

ReportResult ChartDocument::createReport() {
    using Failure = ReportResult::Failure;
    const std::optional<RatingSystem> system = ensureRatingSystem();
    if (!system)
        return Stopped(Failure::Cancelled);

    const ValidationResult fault = validate();
    if (IsCellFault(fault.fault)) {
        prompts_.showCell(fault.col, fault.row);
        ReportResult result = Stopped(Failure::Fault, FaultText(fault, tournament_.rules()));
        result.validation = fault;
        prompts_.showError(result.message);
        return result;
    }
    if (!fault.passed()) {
        ReportResult result = Stopped(Failure::Cancelled);
        result.validation = fault;
        return result;
    }

    const std::optional<TournamentInfo> info = prompts_.askTournamentInfo(tournament_.type());
    if (!info)
        return Stopped(Failure::Cancelled);
    // The dialog checks as it closes; other callers hand over what they were given.
    if (std::string problem = CheckTournamentInfo(*info); !problem.empty())
        return Stopped(Failure::Info, std::move(problem));
    tournamentInfo_ = info;

    // After the information, so that the director's and organiser's numbers are listed with
    // the players'; with them the entries the report files otherwise than they read, before
    // anything is written.
    std::vector<std::string> flagged =
        ReportCheckLines(tournament_.chart(), tournament_.playerRows(), *info);
    for (std::string& line : ReportedOtherwiseLines(tournament_))
        flagged.push_back(std::move(line));
    if (!flagged.empty() && !prompts_.confirmMemberNumbers(flagged))
        return Stopped(Failure::Cancelled);

    std::string refused;
    const std::optional<std::string> chosen = chooseReportPath(*info, refused);
    if (!refused.empty())
        return Stopped(Failure::RefusedName, refused);
    if (!chosen)
        return Stopped(Failure::Cancelled);
    const std::string reportPath = ReportPathFor(*chosen);
    if (!mayReplaceCompletedName(*chosen, reportPath))
        return Stopped(Failure::Cancelled);

    const ReportBytes report = BuildReportBytes(tournament_, *system, *info);
    if (!report.ok) {
        prompts_.showError(report.message);
        return Stopped(Failure::Encode, report.message);
    }
    // A chart that cannot be written must not leave a report behind without its chart.
    const std::string chartPath = ChartPathBesideReport(reportPath);
    const ChartBytes chart = EncodeChartFile(tournament_.chart());
    if (!chart.ok) {
        writeChart(chartPath, chart); // shows the chart file's own error
        return Stopped(Failure::Encode, chart.message);
    }
    // Both files or neither: a new report never stands beside an old chart.
    const PairWriteOutcome written =
        WritePairSafely(reportPath, report.bytes, chartPath, chart.bytes);
    if (!written.ok) {
        const bool reportFailed = written.failedPath == reportPath;
        ReportResult result = Stopped(reportFailed ? Failure::WriteReport : Failure::WriteChart,
                                      (reportFailed ? "Error saving report to file: " + reportPath
                                                    : "Error saving " + chartPath + ".") +
                                          "\r" + written.reason);
        result.reason = written.reason;
        prompts_.showError(result.message);
        return result;
    }
    // Only the chart's own file makes the chart saved: a copy beside the report does not.
    if (isOwnFile(chartPath))
        savedAs(fileName_);

    ReportResult result;
    result.reportPath = reportPath;
    result.chartPath = chartPath;
    return result;
}

} // namespace ranvik
