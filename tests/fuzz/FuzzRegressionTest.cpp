// Every saved fuzz input (the seed corpora and the inputs that once found a fault) runs
// through its target as libFuzzer would run it; under the sanitizer build a memory or
// undefined-behaviour fault in any of them fails the test.

#include "FuzzTarget.h"
#include "members/MemberDatabase.h"
#include "members/MemberTable.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

int RanvikFuzz_chart_file(const std::uint8_t* data, std::size_t size);
int RanvikFuzz_result_notation(const std::uint8_t* data, std::size_t size);
int RanvikFuzz_settings(const std::uint8_t* data, std::size_t size);
int RanvikFuzz_member_database(const std::uint8_t* data, std::size_t size);
int RanvikFuzz_trf_import(const std::uint8_t* data, std::size_t size);
int RanvikFuzz_paste(const std::uint8_t* data, std::size_t size);
int RanvikFuzz_recovery_copy(const std::uint8_t* data, std::size_t size);
#ifdef RANVIK_FUZZ_WINDOW
int RanvikFuzz_window_state(const std::uint8_t* data, std::size_t size);
#endif

namespace {

namespace fs = std::filesystem;
using ranvik::test::ReadFile;

const fs::path kFuzzDir = fs::path(RANVIK_SOURCE_DIR) / "fuzz";

// The files of fuzz/corpus/<folder> and fuzz/regressions/<folder>, in name order.
std::vector<fs::path> SavedInputs(const std::string& folder) {
    std::vector<fs::path> inputs;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path dir = kFuzzDir / kind / folder;
        if (!fs::is_directory(dir))
            continue;
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

using Target = int (*)(const std::uint8_t*, std::size_t);

void RunSavedInputs(const std::string& folder, Target target) {
    const std::vector<fs::path> inputs = SavedInputs(folder);
    ASSERT_FALSE(inputs.empty()) << "no saved inputs for " << folder;
    for (const fs::path& input : inputs) {
        SCOPED_TRACE(input.string());
        const std::string bytes = ReadFile(input);
        EXPECT_EQ(target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    }
}

struct SavedTarget {
    const char* folder;
    Target target;
};

class SavedInputsOf : public testing::TestWithParam<SavedTarget> {};

TEST_P(SavedInputsOf, RunThroughTheirTarget) {
    RunSavedInputs(GetParam().folder, GetParam().target);
}

const SavedTarget kTargets[] = {
    {"trf_import", RanvikFuzz_trf_import},           {"chart_file", RanvikFuzz_chart_file},
    {"result_notation", RanvikFuzz_result_notation}, {"settings", RanvikFuzz_settings},
    {"member_database", RanvikFuzz_member_database}, {"paste", RanvikFuzz_paste},
    {"recovery_copy", RanvikFuzz_recovery_copy},
#ifdef RANVIK_FUZZ_WINDOW
    {"window_state", RanvikFuzz_window_state},
#endif
};

INSTANTIATE_TEST_SUITE_P(Targets, SavedInputsOf, testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.folder); });

#ifdef RANVIK_FUZZ_WINDOW
// The window's saved layouts with a count of 0x7fffffff at every place and hundreds of small
// random damages: each is dropped by its check or restored by Qt without a fault.
TEST(FuzzRegression, DamagedWindowLayoutsAreDroppedOrHarmless) {
    std::mt19937 random(26);
    for (const fs::path& input : SavedInputs("window_state")) {
        const std::string real = ReadFile(input);
        std::vector<std::string> damaged;
        for (std::size_t at = 1; at + 4 <= real.size(); ++at)
            damaged.push_back(std::string(real).replace(at, 4, "\x7f\xff\xff\xff"));
        for (int k = 0; k < 300; ++k) {
            std::string blob = real;
            for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
                blob[1 + random() % (blob.size() - 1)] = static_cast<char>(random());
            damaged.push_back(blob);
        }
        for (const std::string& blob : damaged)
            RanvikFuzz_window_state(reinterpret_cast<const std::uint8_t*>(blob.data()),
                                    blob.size());
    }
}
#endif

// The program's own road for a membership file: open by content, read the first table, the
// Access engine reading in its helper process. The seeds read; the inputs that once brought
// the library down (fuzz/regressions) give an error, and this process lives on.
std::string OpenAndReadFirstTable(const fs::path& input) {
    try {
        auto database = ranvik::OpenMemberDatabase(input.string());
        ranvik::MemberTable::AnyTable("first", database->readTable(database->tables().at(0)));
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

TEST(FuzzRegression, MembershipFilesReadOrFailInTheHelperProcess) {
    for (const char* seed : {"members.mdb", "members.sqlite"})
        EXPECT_EQ(OpenAndReadFirstTable(kFuzzDir / "corpus/member_database" / seed), "") << seed;
    for (const char* folder : {"member_database", "member_database_isolated"}) {
        const fs::path dir = kFuzzDir / "regressions" / folder;
        if (!fs::is_directory(dir))
            continue;
        for (const auto& entry : fs::directory_iterator(dir)) {
            EXPECT_NE(OpenAndReadFirstTable(entry.path()), "") << entry.path();
        }
    }
}

} // namespace
