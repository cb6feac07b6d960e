#include "BenchInputs.h"

#include "files/ChartFile.h"
#include "files/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <vector>

namespace ranvik::bench {

namespace {

// Names a chart file can carry (Windows-1252), accents included so the codec does work.
constexpr std::array<const char*, 12> kSurnames = {"Côté",   "Bélanger", "Lévesque", "Thériault",
                                                   "Müller", "Gagnon",   "Séguin",   "Ménard",
                                                   "Hébert", "Smith",    "Nuñez",    "Ødegård"};
constexpr std::array<const char*, 10> kGiven = {"Hélène", "François", "Jérôme", "Noël",  "Zoë",
                                                "Björn",  "Søren",    "José",   "Marie", "Ann"};

class Folder {
  public:
    Folder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ranvik-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder for the benchmarks");
        path_ = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// An outcome index (0 win, 1 draw, 2 loss for the lower-numbered player) fixed by the pair
// and the game, so both players' cells can be written without holding the whole chart.
int PairOutcome(int low, int high, int game) {
    std::uint32_t h = static_cast<std::uint32_t>(low) * 2654435761u ^
                      static_cast<std::uint32_t>(high) * 40503u ^
                      static_cast<std::uint32_t>(game) * 97u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<int>(h % 3);
}

std::string PlayerCells(int row, std::mt19937& rng) {
    std::uniform_int_distribution<int> rating(1000, 2500);
    const std::string name = std::string(kSurnames[row % kSurnames.size()]) + ", " +
                             kGiven[(row / kSurnames.size()) % kGiven.size()];
    return std::to_string(row) + '\t' + name + '\t' + std::to_string(100000 + row * 7) + '\t' +
           std::to_string(rating(rng)) + '\t';
}

// Each round pairs the players of a shuffled order two by two; no byes (1000 is even).
std::vector<std::string> SwissResults(std::mt19937& rng) {
    std::vector<std::string> cells(static_cast<std::size_t>(kFullPlayers + 1) * kFullRounds);
    const auto at = [&cells](int row, int round) -> std::string& {
        return cells[static_cast<std::size_t>(row) * kFullRounds + round];
    };
    std::vector<int> order(kFullPlayers);
    for (int i = 0; i < kFullPlayers; ++i)
        order[i] = i + 1;
    static constexpr std::array<const char*, 3> mine = {"W", "D", "L"};
    static constexpr std::array<const char*, 3> theirs = {"L", "D", "W"};
    for (int round = 0; round < kFullRounds; ++round) {
        std::shuffle(order.begin(), order.end(), rng);
        for (int i = 0; i + 1 < kFullPlayers; i += 2) {
            const int a = order[i];
            const int b = order[i + 1];
            const int o = PairOutcome(std::min(a, b), std::max(a, b), round);
            at(a, round) = mine[o] + std::to_string(b);
            at(b, round) = theirs[o] + std::to_string(a);
        }
    }
    return cells;
}

// The UTF-8 text of the chart file; games = 1 or 2 per opponent for the round robin types.
std::string FullChartText(FullChart kind) {
    std::mt19937 rng(static_cast<unsigned>(kind) + 1);
    std::string text;
    const bool swiss = kind == FullChart::Swiss;
    const int games = kind == FullChart::DoubleRoundRobin ? 2 : 1;
    const std::vector<std::string> swissCells =
        swiss ? SwissResults(rng) : std::vector<std::string>{};
    static constexpr std::array<const char*, 3> mine = {"1", "=", "0"};
    static constexpr std::array<const char*, 3> theirs = {"0", "=", "1"};
    for (int row = 1; row <= kFullPlayers; ++row) {
        text += PlayerCells(row, rng);
        if (swiss) {
            for (int round = 0; round < kFullRounds; ++round)
                text += swissCells[static_cast<std::size_t>(row) * kFullRounds + round] + '\t';
        } else {
            for (int opponent = 1; opponent <= kFullPlayers; ++opponent) {
                for (int game = 0; game < games; ++game) {
                    if (opponent == row)
                        text += "X";
                    else if (row < opponent)
                        text += mine[PairOutcome(row, opponent, game)];
                    else
                        text += theirs[PairOutcome(opponent, row, game)];
                    text += '\t';
                }
            }
        }
        text += "\r\n";
    }
    return text;
}

} // namespace

TournamentType TypeOf(FullChart chart) {
    switch (chart) {
    case FullChart::Swiss:
        return TournamentType::Swiss;
    case FullChart::RoundRobin:
        return TournamentType::RoundRobin;
    case FullChart::DoubleRoundRobin:
        return TournamentType::DoubleRoundRobin;
    }
    return TournamentType::Swiss;
}

const char* NameOf(FullChart chart) {
    switch (chart) {
    case FullChart::Swiss:
        return "Swiss1000x28";
    case FullChart::RoundRobin:
        return "RoundRobin1000";
    case FullChart::DoubleRoundRobin:
        return "DoubleRoundRobin1000";
    }
    return "";
}

const std::string& RunFolder() {
    static const Folder folder;
    return folder.path();
}

const std::string& FullChartPath(FullChart kind) {
    static std::map<FullChart, std::string> paths;
    auto found = paths.find(kind);
    if (found != paths.end())
        return found->second;
    const std::optional<std::string> bytes = EncodeWindows1252(FullChartText(kind));
    if (!bytes)
        throw std::runtime_error("the generated chart cannot be encoded");
    const std::string path = RunFolder() + "/" + NameOf(kind) + ".tms";
    std::ofstream out(path, std::ios::binary);
    out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
    return paths.emplace(kind, path).first->second;
}

std::string ReadFileBytes(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return {};
    std::string bytes;
    std::array<char, 1 << 16> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
        bytes.append(buffer.data(), got);
    std::fclose(file);
    return bytes;
}

FloorCount CountTabsAndLineEnds(std::string_view bytes) {
    FloorCount count;
    for (const char c : bytes) {
        count.tabs += c == '\t';
        count.lineEnds += c == '\n';
    }
    return count;
}

Tournament LoadedFullChart(FullChart chart) {
    Tournament tournament;
    tournament.layOutStartChart();
    tournament.setType(TypeOf(chart));
    const ChartReadOutcome loaded = ReadChartFile(tournament, ReadFileBytes(FullChartPath(chart)));
    if (!loaded.ok)
        throw std::runtime_error("the generated chart does not load: " + English(loaded.message));
    return tournament;
}

} // namespace ranvik::bench
