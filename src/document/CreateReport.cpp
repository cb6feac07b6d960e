// The report workflow: check the chart, the membership numbers and the tournament
// information, then write the report and the chart beside it.

#include "document/ChartDocument.h"

#include "files/FileNames.h"
#include "files/FileWriter.h"

#include <filesystem>
#include <system_error>

namespace ranvik {

namespace {

ReportResult Stopped(ReportResult::Failure failure, std::string message = {}) {
    ReportResult result;
    result.outcome = failure == ReportResult::Failure::Cancelled ? Outcome::Cancelled
                                                                   : Outcome::Failed;
    result.failure = failure;
    result.message = std::move(message);
    return result;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

ReportResult ChartDocument::createReport() {
    using Failure = ReportResult::Failure;
    const RatingSystem system = ensureRatingSystem();

    const ValidationResult fault = validate();
    if (IsCellFault(fault.fault)) {
        prompts_.showCell(fault.col, fault.row);
        ReportResult result = Stopped(Failure::Fault, FaultText(fault));
        result.validation = fault;
        prompts_.showError(result.message);
        return result;
    }
    if (!fault.passed()) {
        ReportResult result = Stopped(Failure::Cancelled);
        result.validation = fault;
        return result;
    }

    const std::vector<std::string> flagged =
        FlaggedMemberLines(tournament_.chart(), tournament_.playerRows());
    if (!flagged.empty() && !prompts_.confirmMemberNumbers(flagged))
        return Stopped(Failure::Cancelled);

    const std::optional<TournamentInfo> info = prompts_.askTournamentInfo(tournament_.type());
    if (!info)
        return Stopped(Failure::Cancelled);
    // The dialog checks as it closes; other callers hand over what they were given.
    if (std::string problem = CheckTournamentInfo(*info); !problem.empty())
        return Stopped(Failure::Info, std::move(problem));

    const std::optional<std::string> chosen =
        prompts_.chooseFileToSave(FileKind::Report, ProposedReportName(*info));
    if (!chosen)
        return Stopped(Failure::Cancelled);
    const std::string reportPath = ReportPathFor(*chosen);
    if (reportPath != *chosen && FileExists(reportPath) &&
        !prompts_.confirmReplace(reportPath + " already exists.\rDo you want to replace it?")) {
        return Stopped(Failure::Cancelled);
    }

    const ReportBytes report = BuildReportBytes(tournament_, system, *info);
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
    if (!WriteFileSafely(reportPath, report.bytes)) {
        ReportResult result =
            Stopped(Failure::WriteReport, "Error saving report to file: " + reportPath);
        prompts_.showError(result.message);
        return result;
    }
    const SaveResult saved = writeChart(chartPath, chart);
    if (saved.outcome != Outcome::Done)
        return Stopped(Failure::WriteChart, saved.message);

    ReportResult result;
    result.reportPath = reportPath;
    result.chartPath = chartPath;
    return result;
}

} // namespace ranvik
