#include "CliRunner.h"

#include <gtest/gtest.h>

using namespace ranvik::test;

namespace {
bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
} // namespace

// Each way of asking for help answers with status 0 on stdout: the list of commands, or the
// usage of the command that has its own.
TEST(CliUsage, HelpShowsTheUsageOfWhatWasAskedAbout) {
    const std::string general = "Usage: ranvik-cli COMMAND";
    const std::string members = "usage: ranvik-cli members DB";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--help"}, general},
        {{"-h"}, general},
        {{"help"}, general},
        {{"check", "--help"}, general},
        {{"members", "--help"}, members},
        {{"members", "x.mde", "-h"}, members},
    };
    for (const auto& [args, start] : cases) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0) << args[0];
        EXPECT_EQ(result.out.substr(0, start.size()), start) << args[0] << " " << args.back();
    }
    const std::string help = RunCli({"--help"}).out;
    for (const char* command :
         {"check", "report", "sort", "convert", "import-trf", "match", "standings", "members"})
        EXPECT_TRUE(Contains(help, std::string("\n  ") + command + " ")) << command;
}

TEST(CliUsage, UsageFaultsExitTwoWithAMessage) {
    TempDir dir;
    const std::string chart = dir.file("c.tms");
    WriteFile(chart, ChartText({{"1", "A", "", "", ""}, {"2", "B", "", "", ""}}));
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"check", chart, "--type", "swiss", "--bogus", "1"}, "unknown option '--bogus'"},
        {{"check", chart, "--type"}, "option '--type' needs a value"},
        {{"check", chart, "--type", "--inconsistencies", "all"}, "option '--type' needs a value"},
        {{"check", chart}, "missing option '--type'"},
        {{"check", "--type", "swiss"}, "no chart file given"},
        {{"check", chart, chart, "--type", "swiss"}, "unexpected argument"},
        {{"check", chart, "--type", "knockout"}, "--type must be swiss, rr or drr"},
        {{"check", chart, "--type", "swiss", "--inconsistencies", "maybe"},
         "--inconsistencies must be stop, ignore or all"},
        {{"sort", chart, "--type", "swiss"}, "missing option '-o'"},
        {{"convert", chart, "--type", "swiss", "-o"}, "option '-o' needs a value"},
        {{"check", chart, "--type", "swiss", "--type", "rr"}, "given twice"},
    };
    for (const Case& c : cases) {
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_TRUE(Contains(result.err, c.message)) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
}

TEST(CliUsage, UnreadableChartExitsTwoNamingThePathAsGiven) {
    TempDir dir;
    const std::string missing = dir.file("missing.tms");
    for (const char* command : {"check", "sort", "convert"}) {
        std::vector<std::string> args = {command, missing, "--type", "swiss"};
        if (std::string(command) != "check") {
            args.push_back("-o");
            args.push_back(dir.file("out.tms"));
        }
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 2) << command;
        EXPECT_TRUE(Contains(result.err, missing)) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.tms")));
}

TEST(CliUsage, ChartOutsideTheFormatIsRefused) {
    TempDir dir;
    const std::string empty = dir.file("empty.tms");
    WriteFile(empty, "");
    const CliResult result = RunCli({"check", empty, "--type", "swiss"});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(Contains(result.err, empty));
}
