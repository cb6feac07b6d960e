// A change of the settings file failing at each step of the write: the failure is only
// reported to the caller (the window says nothing), and the old file is left byte for
// byte, so the remembered database is still there next time.

#include "files/FileWriter.h"
#include "settings/Settings.h"
#include "support/Printers.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ranvik;
using namespace ranvik::test;

namespace {

class SettingsWriteFailure : public ::testing::TestWithParam<WriteStep> {
  protected:
    void TearDown() override { ClearInjectedWriteFailures(); }
};

TEST_P(SettingsWriteFailure, OldFileStaysAndNothingIsThrown) {
    TempDir dir;
    const std::string ini = dir.file("Ranvik.ini");
    const std::string old = "; mine\r\n[Database]\r\nDatabase name=/old.mde\r\n[Other]\r\nx=1\r\n";
    WriteFile(ini, old);
    Settings settings(ini);
    InjectWriteFailure(GetParam());
    bool saved = true;
    EXPECT_NO_THROW(saved = settings.set(setting::DatabaseName, "/new.mde"));
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(ini), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_EQ(settings.get(setting::DatabaseName), "/old.mde") << "a failed change is no change";

    // The next write, without a failure, goes through.
    EXPECT_TRUE(settings.set(setting::DatabaseName, "/new.mde"));
    EXPECT_EQ(Settings(ini).get(setting::DatabaseName), "/new.mde");
    // A folder where the file should be: nothing to write, nothing thrown.
    EXPECT_FALSE(Settings(dir.path().string()).set(setting::DatabaseName, "/new.mde"));
}

INSTANTIATE_TEST_SUITE_P(EveryStep, SettingsWriteFailure,
                         ::testing::Values(WriteStep::Create, WriteStep::Write, WriteStep::Flush,
                                           WriteStep::Sync, WriteStep::Replace),
                         ::testing::PrintToStringParamName());

} // namespace
