#include "document/ReportWorkflow.h"

#include "document/ChartDocument.h"

#include "files/FileNames.h"
#include "files/FileWriter.h"
#include "files/PairWriter.h"

namespace ranvik {

namespace {

ReportResult Stopped(ReportResult::Failure failure, Message message = {}) {
    ReportResult result;
    result.outcome =
        failure == ReportResult::Failure::Cancelled ? Outcome::Cancelled : Outcome::Failed;
    result.failure = failure;
    result.message = std::move(message);
    return result;
}

} // namespace

ReportWorkflow::ReportWorkflow(ChartDocument& document, DocumentPrompts& prompts)
    : document_(document), prompts_(prompts) {}

// The report's file name, asked again while the name is refused (it would be the chart's
// own name); `refused` says why when the chooser cannot ask again.
std::optional<std::string> ReportWorkflow::chooseReportPath(const TournamentInfo& info,
                                                            Message& refused) {
    for (;;) {
        std::optional<std::string> chosen =
            prompts_.chooseFileToSave(FileKind::Report, ProposedReportName(info));
        if (!chosen)
            return std::nullopt;
        Message why = RefusedReportPath(*chosen);
        if (why.empty())
            return chosen;
        if (!prompts_.canAskAgain()) {
            refused = why;
            return std::nullopt;
        }
        prompts_.showError(why);
    }
}

ReportResult ReportWorkflow::run() {
    using Failure = ReportResult::Failure;
    const std::optional<RatingSystem> system = document_.ensureRatingSystem();
    if (!system)
        return Stopped(Failure::Cancelled);

    const ValidationResult fault = document_.validate();
    if (IsCellFault(fault.fault)) {
        prompts_.showCell(fault.col, fault.row);
        ReportResult result =
            Stopped(Failure::Fault, FaultText(fault, document_.tournament().rules()));
        result.validation = fault;
        prompts_.showError(result.message);
        return result;
    }
    if (!fault.passed()) {
        ReportResult result = Stopped(Failure::Cancelled);
        result.validation = fault;
        return result;
    }

    const Tournament& tournament = document_.tournament();
    const std::optional<TournamentInfo> info = prompts_.askTournamentInfo(tournament.type());
    if (!info)
        return Stopped(Failure::Cancelled);
    // The dialog checks as it closes; other callers hand over what they were given.
    if (Message problem = CheckTournamentInfo(*info); !problem.empty())
        return Stopped(Failure::Info, std::move(problem));
    document_.setTournamentInfo(*info);

    // After the information, so that the director's and organiser's numbers are listed with
    // the players'; with them the entries the report files otherwise than they read, before
    // anything is written.
    std::vector<Message> flagged =
        ReportCheckLines(tournament.chart(), tournament.playerRows(), *info);
    for (Message& line : ReportedOtherwiseLines(tournament))
        flagged.push_back(std::move(line));
    if (!flagged.empty() && !prompts_.confirmMemberNumbers(flagged))
        return Stopped(Failure::Cancelled);

    Message refused;
    const std::optional<std::string> chosen = chooseReportPath(*info, refused);
    if (!refused.empty())
        return Stopped(Failure::RefusedName, refused);
    if (!chosen)
        return Stopped(Failure::Cancelled);
    const std::string reportPath = ReportPathFor(*chosen);
    if (!document_.mayReplaceCompletedName(*chosen, reportPath))
        return Stopped(Failure::Cancelled);
    return write(*system, *info, reportPath);
}

ReportResult ReportWorkflow::write(RatingSystem system, const TournamentInfo& info,
                                   const std::string& reportPath) {
    using Failure = ReportResult::Failure;
    const ReportBytes report = BuildReportBytes(document_.tournament(), system, info);
    if (!report.ok) {
        prompts_.showError(report.message);
        return Stopped(Failure::Encode, report.message);
    }
    // A chart that cannot be written must not leave a report behind without its chart.
    const std::string chartPath = ChartPathBesideReport(reportPath);
    const ChartBytes chart = EncodeChartFile(document_.tournament().chart());
    if (!chart.ok) {
        document_.writeChart(chartPath, chart); // shows the chart file's own error
        return Stopped(Failure::Encode, chart.message);
    }
    // Both files or neither: a new report never stands beside an old chart.
    const PairWriteOutcome written =
        WritePairSafely(reportPath, report.bytes, chartPath, chart.bytes);
    if (!written.ok) {
        const bool reportFailed = written.failedPath == reportPath;
        Message failed = reportFailed
                             ? Message(MessageKind::ReportNotSaved, {reportPath})
                             : Message(MessageKind::ChartBesideReportNotSaved, {chartPath});
        failed.then(written.reason);
        ReportResult result =
            Stopped(reportFailed ? Failure::WriteReport : Failure::WriteChart, std::move(failed));
        prompts_.showError(result.message);
        return result;
    }
    // Only the chart's own file makes the chart saved: a copy beside the report does not.
    if (document_.isOwnFile(chartPath))
        document_.savedAs(document_.fileName());

    ReportResult result;
    result.reportPath = reportPath;
    result.chartPath = chartPath;
    return result;
}

} // namespace ranvik
