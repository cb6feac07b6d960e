#pragma once
// Inputs the benchmarks make for themselves: full charts of the three types written as
// chart files, and the folder they are cached in for the run.

#include "chart/Tournament.h"

#include <string>
#include <string_view>

namespace ranvik::bench {

enum class FullChart { Swiss, RoundRobin, DoubleRoundRobin };

inline constexpr int kFullPlayers = Tournament::MaxPlayers;
inline constexpr int kFullRounds = Tournament::MaxRounds;

TournamentType TypeOf(FullChart chart);
const char* NameOf(FullChart chart);

// A folder for this run's generated inputs, removed when the program ends.
const std::string& RunFolder();

// The chart file of a full, consistent chart of the given type, written once per run: every
// player named (accented names), a six-digit number and a rating, every result cell filled
// and agreeing with its opponent's. Built as bytes, so making it costs little memory.
const std::string& FullChartPath(FullChart chart);

// A full chart as Open leaves it (start chart, type chosen, file read), so operations see
// what the window holds; throws when the generated file does not load.
Tournament LoadedFullChart(FullChart chart);

// The whole file, or an empty string when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// The floor a chart file load is compared against: the bytes read, TABs and line ends
// counted.
struct FloorCount {
    std::size_t tabs = 0;
    std::size_t lineEnds = 0;
};
FloorCount CountTabsAndLineEnds(std::string_view bytes);

} // namespace ranvik::bench
