// Reading in a helper process: whatever the child does (answer, throw, crash, hang, say a
// lot), the caller gets the bytes or an error, and lives on. And the stream the answer
// travels in keeps NULL apart from the empty text and trusts no count beyond its length.

#include "members/HelperProcess.h"
#include "members/AccessDatabase.h"
#include "members/MemberRowsCodec.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

using namespace ranvik;
using namespace std::chrono_literals;

namespace {

std::string FailureOf(const std::function<std::string()>& work,
                      std::chrono::milliseconds limit = 10s, std::size_t memoryBudget = 0) {
    try {
        RunInHelperProcess(work, limit, memoryBudget);
    } catch (const HelperProcessFailure& failure) {
        return std::string("failure: ") + failure.what();
    } catch (const std::runtime_error& error) {
        return std::string("error: ") + error.what();
    }
    return "(no error)";
}

TEST(HelperProcess, GivesTheAnswerOrTheChildsErrorWhole) {
    std::string big(5 << 20, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7919 % 251);
    EXPECT_EQ(RunInHelperProcess([&] { return big; }, 10s), big);
    EXPECT_EQ(RunInHelperProcess([] { return std::string(); }, 10s), "");
    EXPECT_EQ(FailureOf([]() -> std::string { throw std::runtime_error("Cannot read X."); }),
              "error: Cannot read X.");
}

TEST(HelperProcess, CrashHangAndSilentExitBecomeFailures) {
    // Killed and aborted children (a fault handler of the sanitizer build would turn a SEGV into
    // an ordinary exit, so the test kills outright).
    EXPECT_EQ(FailureOf([]() -> std::string {
                  std::raise(SIGKILL);
                  return "x";
              }),
              "failure: the reader crashed (signal 9)");
    EXPECT_EQ(FailureOf([]() -> std::string { std::abort(); }),
              "failure: the reader crashed (signal 6)");
    EXPECT_EQ(FailureOf([]() -> std::string { _exit(0); }),
              "failure: the reader ended without an answer");
    EXPECT_EQ(FailureOf([]() -> std::string { _exit(3); }).rfind("failure: the reader failed", 0),
              0u);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(FailureOf(
                  []() -> std::string {
                      for (;;)
                          std::this_thread::sleep_for(1s);
                  },
                  300ms),
              "failure: the reader did not finish within 300 ms");
    // The hung child was killed rather than waited for.
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
}

// A reader that eats memory is stopped by its budget, not by the time limit (which would
// end it either way): 1 GiB asked for under a budget of 64 MiB fails at once.
TEST(HelperProcess, WorkBeyondTheMemoryBudgetRunsOutOfMemory) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers reserve terabytes of address space: the reader sets no cap";
#endif
    const auto gibibyte = [] { return std::string(std::size_t{1} << 30, 'x').substr(0, 1); };
    EXPECT_EQ(FailureOf(gibibyte, 60s, std::size_t{64} << 20),
              "failure: the reader ran out of memory");
}

TEST(MemberRowsCodec, RoundTripKeepsNullEmptyAndEveryByte) {
    MemberRows rows;
    rows.fields = {"NAME", "", "RATING"};
    rows.rows = {{"Côté, Luc", std::string("a\0b", 3), std::nullopt}, {"", std::nullopt, "1850"}};
    const MemberRows back = DecodeMemberRows(EncodeMemberRows(rows));
    EXPECT_EQ(back.fields, rows.fields);
    EXPECT_EQ(back.rows, rows.rows);

    const std::vector<std::string> names = {"Members", "", "Ontario only"};
    EXPECT_EQ(DecodeTableNames(EncodeTableNames(names)), names);
    EXPECT_TRUE(DecodeTableNames(EncodeTableNames({})).empty());
}

TEST(MemberRowsCodec, CutExtendedOrBoastfulStreamsAreRefused) {
    MemberRows rows;
    rows.fields = {"NAME", "NUMBER"};
    rows.rows = {{"Smith", "100234"}, {std::nullopt, "100235"}};
    const std::string stream = EncodeMemberRows(rows);
    for (std::size_t cut = 0; cut < stream.size(); ++cut)
        EXPECT_THROW(DecodeMemberRows(stream.substr(0, cut)), std::runtime_error) << cut;
    EXPECT_THROW(DecodeMemberRows(stream + "x"), std::runtime_error);
    // A row count of four billion in a stream of a few bytes is not believed.
    std::string boastful = stream.substr(0, 4 + 4 + 4 + 4 + 6);
    boastful += std::string("\xff\xff\xff\x7f", 4);
    EXPECT_THROW(DecodeMemberRows(boastful), std::runtime_error);
    EXPECT_THROW(DecodeTableNames(std::string("\xff\xff\xff\x7f", 4)), std::runtime_error);

    MemberRows noFields;
    noFields.rows.resize(3);
    EXPECT_THROW(EncodeMemberRows(noFields), std::runtime_error);
}

TEST(AccessDatabase, DamagedFileGivesAnErrorNamingIt) {
    test::TempDir dir;
    const std::string path = dir.file("members.mdb");
    // The Jet 4 signature on a file too short to hold even its header page.
    std::string bytes(4096, '\0');
    bytes.replace(4, 15, "Standard Jet DB");
    test::WriteFile(path, bytes.substr(0, 300));
    try {
        AccessDatabase database(path);
        ADD_FAILURE() << "a 300-byte file opened";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
}

} // namespace
