#pragma once
// The chart document's results printed by name ("WriteReport", not "4-byte object").

#include "Printers.h"
#include "document/ChartDocument.h"

namespace ranvik {

inline void PrintTo(Outcome outcome, std::ostream* os) {
    *os << std::array{"Done", "Cancelled", "Failed"}[static_cast<std::size_t>(outcome)];
}

inline void PrintTo(ReportResult::Failure failure, std::ostream* os) {
    *os << std::array{"None",        "Fault",  "Cancelled",   "Info",
                      "RefusedName", "Encode", "WriteReport", "WriteChart"}
            [static_cast<std::size_t>(failure)];
}

} // namespace ranvik
