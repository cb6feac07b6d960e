#pragma once
// Creating the rating report: the rating system, the chart's check, the tournament
// information, the membership numbers to confirm, the file name, then the report and the
// chart beside it, both or neither.

#include "document/Outcome.h"
#include "report/RatingReport.h"
#include "validation/Validation.h"

#include <optional>
#include <string>

namespace ranvik {

class ChartDocument;
class DocumentPrompts;

struct ReportResult {
    enum class Failure {
        None,
        Fault,
        Cancelled,
        Info,
        RefusedName,
        Encode,
        WriteReport,
        WriteChart
    };
    Outcome outcome = Outcome::Done;
    Failure failure = Failure::None;
    ValidationResult validation;
    std::string reportPath;
    std::string chartPath;
    Message message;
};

class ReportWorkflow {
  public:
    ReportWorkflow(ChartDocument& document, DocumentPrompts& prompts);
    ReportResult run();

  private:
    std::optional<std::string> chooseReportPath(const TournamentInfo& info, Message& refused);
    ReportResult write(RatingSystem system, const TournamentInfo& info,
                       const std::string& reportPath);

    ChartDocument& document_;
    DocumentPrompts& prompts_;
};

} // namespace ranvik
