#pragma once
// The tie-breaks a standings list can use, by their short names (BH, BH-C1, SB, WIN...),
// and the list a director orders, read from and written to text such as "BH-C1,BH,SB,WIN".

#include "chart/Tournament.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

enum class TieBreakKind {
    Buchholz,        // BH
    SonnebornBerger, // SB
    Wins,            // WIN: rounds scored as a win, played or not
    WonGames,        // WON: games won over the board
    Koya,            // KS
};

// Buchholz may drop its least (Cut) or its least and most (Median) significant values.
enum class TieBreakModifier { None, Cut, Median };

struct TieBreak {
    TieBreakKind kind = TieBreakKind::Buchholz;
    TieBreakModifier modifier = TieBreakModifier::None;
    int count = 0; // values dropped at each end the modifier works on (1 or 2)

    bool operator==(const TieBreak&) const = default;
};

// "BH", "BH-C1", "BH-M2", "SB", "WIN", "WON", "KS".
std::string ShortName(const TieBreak& tieBreak);

// One short name, upper or lower case; nothing when it names no tie-break.
std::optional<TieBreak> ParseTieBreak(std::string_view text);

// A comma-separated list; blanks around names are allowed, a repeated name is not. On a
// fault gives nothing and the reason in error.
std::optional<std::vector<TieBreak>> ParseTieBreakList(std::string_view text, std::string& error);

// The list's short names joined by commas, as ParseTieBreakList reads them.
std::string FormatTieBreakList(const std::vector<TieBreak>& list);

// Swiss/Match: BH-C1, BH, SB, WIN. Both round robins: SB, WIN, KS.
std::vector<TieBreak> DefaultTieBreaks(TournamentType type);

} // namespace ranvik
