// Which membership database the start-up opens.

#include "members/StartupDatabase.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ranvik;
using namespace ranvik::test;

namespace {

TEST(StartupDatabase, UsesTheRememberedPathElseTheProgramFolder) {
    TempDir dir;
    const std::string folder = dir.path().string();
    const std::string beside = dir.file("QRBMembers.mde"); // in the system's own spelling
    StartupDatabase choice = ChooseStartupDatabase("", folder);
    EXPECT_EQ(choice.path, beside);
    EXPECT_FALSE(choice.open);
    EXPECT_EQ(ChooseStartupDatabase("", folder + "/").path, beside);

    WriteFile(choice.path, "x");
    EXPECT_TRUE(ChooseStartupDatabase("", folder).open);

    // A remembered file that is gone is kept (and not replaced by the default).
    choice = ChooseStartupDatabase("/nowhere/members.mdb", folder);
    EXPECT_EQ(choice.path, "/nowhere/members.mdb");
    EXPECT_FALSE(choice.open);
}

} // namespace
