// A helper child's answer comes back whole whatever it is, and whatever else the child does
// (throw, crash, end silently, hang, eat memory) the caller gets an error and lives on. On
// Windows the child is this test program started again (TestMain serves the job).

#include "platform/ChildProcess.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

#include <chrono>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

using namespace ranvik;
using namespace ranvik::platform;
using namespace std::chrono_literals;

namespace {

std::string Patterned(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7919 % 251);
    return bytes;
}

// Each job reads its first argument as a number where it needs one.
const ChildJob kEcho = RegisterChildJob("test-echo", [](const std::vector<std::string>& args) {
    std::string joined;
    for (const std::string& arg : args)
        joined += arg + "|";
    return joined;
});
const ChildJob kLarge = RegisterChildJob("test-large", [](const std::vector<std::string>& args) {
    return Patterned(std::stoul(args.at(0)));
});
const ChildJob kThrow =
    RegisterChildJob("test-throw", [](const std::vector<std::string>&) -> std::string {
        throw std::runtime_error("Cannot read X.");
    });
const ChildJob kAbort = RegisterChildJob(
    "test-abort", [](const std::vector<std::string>&) -> std::string { std::abort(); });
const ChildJob kExit =
    RegisterChildJob("test-exit", [](const std::vector<std::string>& args) -> std::string {
        std::_Exit(std::stoi(args.at(0)));
    });
const ChildJob kHang =
    RegisterChildJob("test-hang", [](const std::vector<std::string>&) -> std::string {
        for (;;)
            std::this_thread::sleep_for(1s);
    });
// Touches every page, so a system that only counts memory in use sees it all.
const ChildJob kAllocate =
    RegisterChildJob("test-allocate", [](const std::vector<std::string>& args) {
        const std::size_t bytes = std::stoull(args.at(0)) << 20;
        std::vector<char> block(bytes, 'x');
        return std::to_string(block.size() >> 20);
    });

std::string Outcome(ChildJob job, const std::vector<std::string>& args, ChildLimits limits) {
    try {
        return "answer: " + RunInChild(job, args, limits);
    } catch (const ChildFailure& failure) {
        return std::string("failure: ") + failure.what();
    } catch (const std::runtime_error& error) {
        return std::string("error: ") + error.what();
    }
}

bool AddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

TEST(ChildProcess, EveryEndOfTheChildComesBackAsAnAnswerOrAnError) {
    struct Case {
        const char* label;
        ChildJob job;
        std::vector<std::string> args;
        std::string expected;
        std::string expectedOnWindows; // where the system words it differently
        std::chrono::milliseconds limit = 20s;
    };
    const std::string unicode = "C\xc3\xb4t\xc3\xa9 \xe2\x80\x93 \"Printemps\" \\ 2024\\";
    const std::size_t large = 5 << 20;
    const std::vector<Case> cases = {
        {"arguments whole", kEcho, {"a b", "", unicode}, "answer: a b||" + unicode + "|", ""},
        {"no answer", kEcho, {}, "answer: ", ""},
        {"large answer", kLarge, {std::to_string(large)}, "answer: " + Patterned(large), ""},
        {"thrown error", kThrow, {}, "error: Cannot read X.", ""},
        {"silent exit", kExit, {"0"}, "failure: the reader ended without an answer", ""},
        {"failing exit", kExit, {"3"}, "failure: the reader failed (exit status 3)", ""},
        {"abort",
         kAbort,
         {},
         "failure: the reader crashed (signal 6)",
         "failure: the reader failed (exit status 3)"},
        {"hung", kHang, {}, "failure: the reader did not finish within 300 ms", "", 300ms},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
#ifdef _WIN32
        const std::string& expected =
            c.expectedOnWindows.empty() ? c.expected : c.expectedOnWindows;
#else
        const std::string& expected = c.expected;
#endif
        const auto started = std::chrono::steady_clock::now();
        const std::string got = Outcome(c.job, c.args, {c.limit, 0});
        // Only the start is printed: the large answer is five megabytes.
        EXPECT_TRUE(got == expected)
            << got.substr(0, 200) << "\nexpected " << expected.substr(0, 200);
        // A hung child is killed at its limit, not waited for.
        EXPECT_LT(std::chrono::steady_clock::now() - started, c.limit + 5s);
    }
}

TEST(ChildProcess, AChildOverItsMemoryCapFailsWhileOneWithinItAnswers) {
    if (AddressSanitizer())
        GTEST_SKIP() << "the address sanitizer reserves more address space than any cap";
    if (test::UnderWine())
        GTEST_SKIP() << "Wine does not enforce a Job Object's memory limit (Windows does)";
    const ChildLimits limits{20s, std::size_t{64} << 20};
    EXPECT_EQ(Outcome(kAllocate, {"16"}, limits), "answer: 16");
    EXPECT_EQ(Outcome(kAllocate, {"1024"}, limits), "failure: the reader ran out of memory");
}

TEST(ChildProcess, ServesOnlyACommandLineThatAsksForAJob) {
    char program[] = "ranvik";
    char flag[] = "--ranvik-child";
    char chart[] = "chart.tms";
    char* plain[] = {program, chart, nullptr};
    EXPECT_FALSE(ServeChild(2, plain).has_value());
    char* flagAlone[] = {program, flag, nullptr};
    EXPECT_FALSE(ServeChild(2, flagAlone).has_value());
}

} // namespace

namespace {

// Each row: the words, and the command line that hands them back whole (the rules of
// CommandLineToArgvW: backslashes are literal unless a quote follows them).
struct QuotingCase {
    std::vector<std::wstring> words;
    std::wstring line;
};

TEST(ChildProcess, ACommandLineCarriesEveryWordWhole) {
    const QuotingCase cases[] = {
        {{L"C:\\Program Files\\Ranvik\\ranvik.exe"}, L"\"C:\\Program Files\\Ranvik\\ranvik.exe\""},
        {{L"a", L""}, L"\"a\" \"\""},
        {{L"a", L"say \"hi\""}, L"\"a\" \"say \\\"hi\\\"\""},
        {{L"a", L"C:\\dir\\"}, L"\"a\" \"C:\\dir\\\\\""},
        {{L"a", L"x\\\"y"}, L"\"a\" \"x\\\\\\\"y\""},
        {{L"a", L"Côté, Hélène.tms"}, L"\"a\" \"Côté, Hélène.tms\""},
    };
    for (const QuotingCase& row : cases) {
        EXPECT_EQ(WindowsCommandLine(row.words), row.line) << row.words.back().size();
#ifdef _WIN32
        int count = 0;
        wchar_t** read = CommandLineToArgvW(row.line.c_str(), &count);
        EXPECT_EQ(std::vector<std::wstring>(read, read + count), row.words);
        LocalFree(read);
#endif
    }
}

} // namespace

TEST(ChildProcess, StandardErrorIsCaughtWhileWorkRunsAndComesBackAfter) {
    std::string captured;
    const std::string result = CaptureStandardError(
        [] {
            std::fputs("libmdb: odd page 7\n", stderr);
            return std::string("rows");
        },
        captured);
    EXPECT_EQ(result, "rows");
    EXPECT_EQ(captured, "libmdb: odd page 7\n");
    std::string again;
    CaptureStandardError([] { return std::string(); }, again);
    EXPECT_EQ(again, "") << "each capture starts empty";
}
