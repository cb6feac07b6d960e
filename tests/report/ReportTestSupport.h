#pragma once

#include "report/RatingReport.h"

#include <string>

namespace ranvik::test {

inline TournamentInfo SpringOpen() {
    TournamentInfo info;
    info.name = "Spring Open";
    info.province = "ON";
    info.referenceNumber = "";
    info.endDate = "2008/06/18";
    info.tdNumber = "100200";
    info.organiserNumber = "";
    return info;
}

inline Tournament StartedChart(TournamentType type, int players, int rounds = 1) {
    Tournament t;
    t.layOutStartChart();
    t.setType(type);
    t.setNumPlayers(players);
    t.setNumRounds(rounds);
    return t;
}

} // namespace ranvik::test
