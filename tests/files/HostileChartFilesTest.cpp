// Chart files that used to cost gigabytes, hang, or read silently short: each is refused with
// its reason before anything is allocated for it, and the chart is left as it was.

#include "files/ChartFile.h"
#include "files/ChartText.h"
#include "files/FileWriter.h"
#include "files/Windows1252.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace ranvik;
using ranvik::test::PassesUnderMemoryLimit;
using ranvik::test::TempDir;
using ranvik::test::WriteFile;

namespace {

Tournament Started(TournamentType type) {
    Tournament t;
    t.layOutStartChart();
    t.setType(type);
    return t;
}

// The first line of TABs, then 999 short player lines: the recipe of the wide chart.
std::string WideFirstLine(std::size_t tabs) {
    std::string bytes(tabs, '\t');
    bytes += "\r\n";
    for (int i = 2; i <= 1000; ++i)
        bytes += std::to_string(i) + "\tP\t" + std::to_string(100000 + i) + "\t1500\r\n";
    return bytes;
}

constexpr std::size_t kCap = std::size_t{512} << 20;

struct RefusedCase {
    const char* label;
    std::string bytes;
    TournamentType type;
    std::string message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.label;
}

class RefusedChart : public ::testing::TestWithParam<RefusedCase> {};

const std::string kNulMessage =
    "The file holds a NUL byte (line 2), which no chart file has: it is not a chart file.";
const std::string kUtf16Message = "The file is saved as UTF-16; save it as plain text.";

std::string Utf16(const std::string& ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        if (bigEndian)
            out += '\0';
        out += c;
        if (!bigEndian)
            out += '\0';
    }
    return out;
}

// A literal's whole length, NUL bytes inside it included (not its final terminator).
template <std::size_t N> std::string WithNul(const char (&text)[N]) {
    return std::string(text, N - 1);
}

} // namespace

TEST_P(RefusedChart, IsRefusedWithItsReasonAndTheChartKept) {
    const RefusedCase& c = GetParam();
    Tournament t = Started(c.type);
    t.chart().setCell(1, 1, "kept");
    const int players = t.numPlayers();
    const ChartReadOutcome outcome = ReadChartFile(t, c.bytes);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(English(outcome.message), c.message);
    EXPECT_EQ(t.chart().cell(1, 1), "kept");
    EXPECT_EQ(t.numPlayers(), players);
}

INSTANTIATE_TEST_SUITE_P(
    HostileChartFiles, RefusedChart,
    ::testing::Values(
        RefusedCase{"wide", WideFirstLine(100000), TournamentType::RoundRobin,
                    "The first line has 100000 fields, but the widest chart has 2004 columns."},
        RefusedCase{"just too wide", std::string(2005, '\t') + "\r\n",
                    TournamentType::DoubleRoundRobin,
                    "The first line has 2005 fields, but the widest chart has 2004 columns."},
        RefusedCase{"nul after line 1", WithNul("1\tA\t\t\t\r\n2\tB\0\t\t\r\n"),
                    TournamentType::Swiss, kNulMessage},
        RefusedCase{"utf16le", Utf16("1\tA\t\t\t\r\n2\tB\t\t\t\r\n", false), TournamentType::Swiss,
                    kUtf16Message},
        RefusedCase{"utf16be", Utf16("1\tA\t\t\t\r\n2\tB\t\t\t\r\n", true), TournamentType::Swiss,
                    kUtf16Message},
        RefusedCase{"utf16 without mark", Utf16("1\tA\t\t\t\r\n", false).substr(2),
                    TournamentType::Swiss, kUtf16Message},
        RefusedCase{"form feed in a name", "1\tA\t\t\t\r\n2\tB\fC\t\t\t\r\n", TournamentType::Swiss,
                    "Line 2 column 1 holds a control character (U+000C)."},
        RefusedCase{"end-of-file mark inside", "1\tA\t\t\x1A\t\r\n2\tB\t\t\t\r\n",
                    TournamentType::Swiss, "Line 1 column 3 holds a control character (U+001A)."},
        RefusedCase{"name of 1001 characters",
                    "1\t" + std::string(1001, 'n') + "\t\t\t\r\n2\tB\t\t\t\r\n",
                    TournamentType::Swiss,
                    "Line 1 column 1 holds 1001 characters; a chart cell holds at most 1000."},
        RefusedCase{"result of 1001 accented characters",
                    "1\tA\t\t\t\tX\r\n2\tB\t\t\t" + std::string(1001, '\xE9') + "\tX\r\n",
                    TournamentType::RoundRobin,
                    "Line 2 column 4 holds 1001 characters; a chart cell holds at most 1000."}),
    [](const auto& info) {
        std::string name = info.param.label;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(HostileChartFiles, TheWidestChartAndTheLongestCellStillRead) {
    Tournament t = Started(TournamentType::DoubleRoundRobin);
    // 2003 TABs after a last field: 2004 fields, a full double round robin of 1000.
    const ChartReadOutcome outcome = ReadChartFile(t, std::string(2003, '\t') + "x\r\n2\r\n");
    EXPECT_TRUE(outcome.ok) << English(outcome.message);
    // A name of 1000 characters, and an old editor's end-of-file marks after the last line.
    const std::string name(1000, 'n');
    Tournament u = Started(TournamentType::Swiss);
    ASSERT_TRUE(ReadChartFile(u, "1\t" + name + "\t\t\t\r\n2\tB\t\t\t\r\n\x1A\x1A").ok);
    EXPECT_EQ(u.chart().cell(1, 1), name);
    EXPECT_EQ(u.numPlayers(), 2);
}

TEST(HostileChartFiles, Utf8FilesReadAsUtf8AndOthersAsWindows1252) {
    struct Case {
        std::string bytes;
        std::string name;
    };
    const Case cases[] = {
        {"1\tC\xC3\xB4t\xC3\xA9\t\t\t\r\n", "Côté"}, // UTF-8 from an editor
        {"\xEF\xBB\xBF"
         "1\tC\xC3\xB4t\xC3\xA9\t\t\t\r\n",
         "Côté"},                                 // with its byte-order mark
        {"1\tC\xF4t\xE9\t\t\t\r\n", "Côté"},      // Windows-1252, the format's own
        {"1\tC\xC3\xB4t\xE9\t\t\t\r\n", "CÃ´té"}, // mixed: not UTF-8 throughout
    };
    for (const Case& c : cases) {
        Tournament t = Started(TournamentType::Swiss);
        ASSERT_TRUE(ReadChartFile(t, c.bytes).ok);
        EXPECT_EQ(t.chart().cell(1, 1), c.name);
        // Whatever it was read as, it is written as Windows-1252.
        const ChartBytes saved = EncodeChartFile(t.chart());
        ASSERT_TRUE(saved.ok);
        const std::string expected = c.name == "Côté" ? "C\xF4t\xE9" : "C\xC3\xB4t\xE9";
        EXPECT_EQ(saved.bytes.substr(2, expected.size()), expected);
    }
}

// Only text that is well-formed UTF-8 throughout is read as UTF-8; a byte run that merely
// looks like UTF-8 (overlong, surrogate, past U+10FFFF, cut short) is Windows-1252.
TEST(HostileChartFiles, OnlyWellFormedUtf8IsReadAsUtf8) {
    struct Case {
        std::string bytes;
        bool utf8;
    };
    const Case cases[] = {
        {"1\tA\xF0\x9F\x98\x80\t\t\t\r\n", true},  // four bytes, in range
        {"1\tA\xC0\xA9\t\t\t\r\n", false},         // overlong
        {"1\tA\xED\xA0\x80\t\t\t\r\n", false},     // surrogate
        {"1\tA\xF4\x90\x80\x80\t\t\t\r\n", false}, // beyond U+10FFFF
        {"1\tA\t\t\t\r\n\xE2\x82", false},         // cut short at the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(IsMultiByteUtf8(c.bytes), c.utf8);
        const ChartText text = DecodeChartText(c.bytes);
        ASSERT_TRUE(text.ok);
        EXPECT_EQ(text.text, c.utf8 ? c.bytes : DecodeWindows1252(c.bytes));
    }
}

TEST(HostileChartFiles, TheMillionTabLineIsRefusedUnderAMemoryLimit) {
    for (std::size_t tabs : {std::size_t{1000000}, std::size_t{10000000}}) {
        SCOPED_TRACE(tabs);
        const std::string bytes = WideFirstLine(tabs);
        EXPECT_TRUE(PassesUnderMemoryLimit(kCap, [&] {
            Tournament t = Started(TournamentType::RoundRobin);
            return !ReadChartFile(t, bytes).ok;
        }));
    }
}

TEST(HostileChartFiles, LargeOrNonRegularFilesAreNotReadUnderAMemoryLimit) {
    TempDir dir;
    const std::string big = dir.file("big.tms");
    WriteFile(big, std::string(MaxChartFileBytes + 1, '\n'));
    struct Case {
        std::string path;
        std::string reason;
    };
    std::vector<Case> cases = {
        {test::kEndlessDevice, "it is a device, not a regular file"},
        {big, "the file is larger than 64 MB"},
    };
#ifndef _WIN32 // Windows has no FIFOs among its files
    const std::string fifo = dir.file("f.tms");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    cases.push_back({fifo, "it is a FIFO (named pipe), not a regular file"});
#endif
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_TRUE(PassesUnderMemoryLimit(kCap, [&] {
            std::string bytes;
            Message error;
            return !ReadWholeFile(c.path, bytes, error, MaxChartFileBytes) &&
                   English(error) == "Cannot read " + c.path + ": " + c.reason;
        }));
    }
    // The decoder refuses the same size on its own, for bytes that came another way.
    EXPECT_FALSE(DecodeChartText(std::string(MaxChartFileBytes + 1, 'x')).ok);
}
