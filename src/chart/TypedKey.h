#pragma once
// What a character typed into the chart becomes before the cell's editor sees it: result
// letters arrive upper-cased (byes and forfeits keep their own letters), and a round robin
// cell takes only 1, 0, = and X, with w, d and l typed for 1, = and 0. Names keep their case.

#include "chart/ChartRules.h"

#include <optional>
#include <string_view>

namespace ranvik {

// `typed` is the editor's text before the key. Nothing when the key is dropped.
std::optional<char32_t> TypedKey(char32_t key, CellKind kind, std::string_view typed);

} // namespace ranvik
