#pragma once
// A tournament type's name as the director reads it: "Round robin" heading a field,
// "round robin" inside a sentence ("Switching to round robin hides 3 results.").

#include "chart/ChartRules.h"
#include "messages/Message.h"

namespace ranvik {

enum class NamePlace { Alone, InSentence };

Message TournamentTypeName(TournamentType type, NamePlace place = NamePlace::Alone);

} // namespace ranvik
