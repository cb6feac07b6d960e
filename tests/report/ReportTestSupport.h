#pragma once

#include "Charts.h"
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

} // namespace ranvik::test
