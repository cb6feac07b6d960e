#include "EndDateCases.h"
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

using namespace ranvik;
using ranvik::test::SpringOpen;

namespace {
const std::string kFormat = "Please provide an ending date in YYYY/MM/DD format.\n\n"
                            "Date must be exactly 10 characters long. Example: 2009/01/31";
const std::string kForm = "Date must be in YYYY/MM/DD format. Example: 2009/01/31";
} // namespace

TEST(TournamentInfoCheck, EachMissingFieldInTurn) {
    TournamentInfo info;
    EXPECT_EQ(English(CheckTournamentInfo(info)), "Please provide a name for the tournament.");
    info.name = "Spring Open";
    EXPECT_EQ(English(CheckTournamentInfo(info)), "Please enter the province.");
    info.province = "ON";
    EXPECT_EQ(English(CheckTournamentInfo(info)), "Please provide an ending date.");
    info.endDate = "2008/06/1";
    EXPECT_EQ(English(CheckTournamentInfo(info)), kFormat);
    info.endDate = "2008/06/18";
    EXPECT_EQ(English(CheckTournamentInfo(info)), "Please provide the TD's QRB number.");
    info.tdNumber = "x";
    EXPECT_EQ(English(CheckTournamentInfo(info)), "");
}

// The two format messages: a date of the wrong length, and one of ten characters in another
// shape (only digits and the two slashes pass).
TEST(TournamentInfoCheck, DateFormat) {
    const std::pair<const char*, const std::string&> cases[] = {
        {"2008/6/18", kFormat},        {"2008/06/188", kFormat}, {"18/6/2008", kFormat},
        {"2008/\xC3\xA9/18", kFormat}, // ten bytes, nine characters
        {"18/06/2008", kForm},         {"2008-06-18", kForm},    {"20080618xx", kForm},
        {"06/18/2008", kForm},         {"2008/06-18", kForm},    {"2008/6/18 ", kForm},
        {"2008/0\xC3\xA9/18", kForm},
    };
    TournamentInfo info = SpringOpen();
    for (const auto& [date, message] : cases) {
        info.endDate = date;
        EXPECT_EQ(English(CheckTournamentInfo(info)), message) << date;
    }
}

// Every date of the shared table gets its verdict, and the information check the message
// that says which fault it is.
TEST(TournamentInfoCheck, EndDatesMustBeCalendarDaysNotAfterTomorrow) {
    const CalendarDate today{2025, 12, 31};
    for (const test::EndDateCase& c : test::EndDateCases(today)) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(CheckEndDate(c.date, today), c.verdict);
        TournamentInfo info = SpringOpen();
        info.endDate = c.date;
        const std::string message = English(CheckTournamentInfo(info, today));
        if (c.verdict == EndDateVerdict::Valid) {
            EXPECT_EQ(message, "");
        } else {
            EXPECT_NE(message.find(test::VerdictWords(c.verdict)), std::string::npos) << message;
        }
    }
    EXPECT_EQ(NextDay(today), (CalendarDate{2026, 1, 1}));
    EXPECT_EQ(NextDay({2024, 2, 28}), (CalendarDate{2024, 2, 29}));
    EXPECT_EQ(English(EndDateMessage(EndDateVerdict::NotInCalendar, "2025/02/30")),
              "The ending date 2025/02/30 is not a date of the calendar.\n\nPlease provide the "
              "day the tournament ended, in YYYY/MM/DD format.");
}

TEST(TournamentInfoCheck, BlanksAreNotEmptyAndAnyProvincePasses) {
    TournamentInfo info = SpringOpen();
    info.province = "Ontario";
    EXPECT_EQ(English(CheckTournamentInfo(info)), "");
    info.name = " ";
    info.tdNumber = " ";
    EXPECT_EQ(English(CheckTournamentInfo(info)), "");
}

TEST(ReportNames, ProposalIsDateDigitsDashNameQtr) {
    EXPECT_EQ(ProposedReportName(SpringOpen()), "20080618-Spring Open.qtr");
    TournamentInfo info = SpringOpen();
    info.name = "Open 2/3";
    EXPECT_EQ(ProposedReportName(info), "20080618-Open 2_3.qtr");
    info.name = "a\\b:c*d?e\"f<g>h|i\tj";
    EXPECT_EQ(ProposedReportName(info), "20080618-a_b_c_d_e_f_g_h_i_j.qtr");
    info.name = "Caf\xC3\xA9";
    info.endDate = "18 June 2008";
    EXPECT_EQ(ProposedReportName(info), "182008-Caf\xC3\xA9.qtr");
}

TEST(ReportNames, ReportAndChartPaths) {
    EXPECT_EQ(ReportPathFor("/tmp/x/Spring Open"), "/tmp/x/Spring Open.qtr");
    EXPECT_EQ(ReportPathFor("/tmp/x/name.txt"), "/tmp/x/name.txt");
    EXPECT_EQ(ReportPathFor("/tmp/x.d/name"), "/tmp/x.d/name.qtr");
    EXPECT_EQ(ChartPathBesideReport("/tmp/x/Spring Open.qtr"), "/tmp/x/Spring Open.tms");
    EXPECT_EQ(ChartPathBesideReport("/tmp/x/name.txt"), "/tmp/x/name.tms");
    EXPECT_EQ(ChartPathBesideReport("rel/a.b.qtr"), "rel/a.b.tms");
    // A name that starts with a dot has an extension, as Save as sees it.
    EXPECT_EQ(ReportPathFor("/tmp/x/.qtr"), "/tmp/x/.qtr");
    EXPECT_EQ(ChartPathBesideReport("/tmp/x/.qtr"), "/tmp/x/.tms");
    EXPECT_EQ(ReportPathFor("/tmp/x/name."), "/tmp/x/name.");
    EXPECT_EQ(ChartPathBesideReport("/tmp/x/name."), "/tmp/x/name.tms");
    EXPECT_EQ(ReportPathFor("C:\\x.d\\name"), "C:\\x.d\\name.qtr");
}

// A quote, TAB, CR or LF would break the report's quoted, one-record-a-line format: each is
// refused in each field, and the message names the field by its label.
TEST(TournamentInfoCheck, CharactersThatBreakTheReportAreRefusedNamingTheField) {
    const TournamentInfo valid{"Open", "QC", "12", "2024/05/12", "100234", "100235"};
    ASSERT_EQ(English(CheckTournamentInfo(valid)), "");
    const std::pair<std::string TournamentInfo::*, std::string> fields[] = {
        {&TournamentInfo::name, "Name of tournament"},
        {&TournamentInfo::province, "Province"},
        {&TournamentInfo::referenceNumber, "Reference number"},
        {&TournamentInfo::endDate, "Ending date of tournament"},
        {&TournamentInfo::tdNumber, "Tournament director QRB number"},
        {&TournamentInfo::organiserNumber, "Organiser QRB number"},
    };
    for (const auto& [field, label] : fields) {
        for (const char* bad : {"\"", "\t", "\r", "\n"}) {
            TournamentInfo info = valid;
            info.*field += bad;
            EXPECT_EQ(English(CheckTournamentInfo(info)),
                      "Please remove quotation marks, tabs and line breaks from the field \"" +
                          label + "\".\n\nThe report cannot carry them.");
        }
    }
}

TEST(ReportNames, AReportNeverTakesTheChartsNameOrNoName) {
    const std::string tms = "A report cannot be saved as a .tms file: that name is for the chart "
                            "file saved beside the report. Choose a name ending in .qtr.";
    const std::pair<std::string, std::string> cases[] = {
        {"same.tms", tms},
        {"dir/Same.TMS", tms},
        {"x.Tms", tms},
        {"", "No file name was given."},
        {"dir/", "The name ends in a folder separator, so it names no file."},
        {"report", ""},
        {"report.qtr", ""},
        {"a.tms.qtr", ""},
        {"x.tms/report", ""},
    };
    for (const auto& [path, message] : cases)
        EXPECT_EQ(English(RefusedReportPath(path)), message) << path;
}
