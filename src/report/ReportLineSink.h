#pragma once
// The report's lines handed one at a time to a receiver, so the report file is written
// without first holding every line (a full double round robin has two million).

#include "report/RatingReport.h"

#include <string_view>

namespace ranvik {

class ReportLineSink {
  public:
    virtual ~ReportLineSink() = default;
    // One line without its line end; the view is valid only during the call.
    virtual void line(std::string_view text) = 0;
};

// Produces the lines BuildReportLines returns, in order.
void WriteReportLines(const Tournament& tournament, RatingSystem system, const TournamentInfo& info,
                      ReportLineSink& sink);

} // namespace ranvik
