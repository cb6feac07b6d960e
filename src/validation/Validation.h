#pragma once
// The check of the whole chart made before a report.

#include "chart/Tournament.h"

#include <functional>
#include <string>

namespace ranvik {

enum class InconsistencyAnswer { Cancel, Ignore, All };

// Shows "Inconsistent opponents found. Line 3 column 5." (or "... results ...") and gives
// the user's answer. The window shows a message box; tests and the command line answer
// by policy.
using InconsistencyPrompt = std::function<InconsistencyAnswer(const std::string& message)>;

struct ValidationResult {
    int code = 0; // 0 no fault; 1-5 a faulty cell; 6, 7 cancelled at an inconsistency
    int row = 0;
    int col = 0;
};

// Texts of codes 1 to 7 (index 0 unused).
const std::string& ValidationMessage(int code);

// "Missing name. Line 3 column 1." for codes 1 to 5.
std::string FaultText(const ValidationResult& result);

// Drops trailing unnamed rows (setting the players count, which may lay the chart out
// again), then checks every cell row by row and stops at the first fault.
ValidationResult Validate(Tournament& tournament, const InconsistencyPrompt& prompt);

} // namespace ranvik
