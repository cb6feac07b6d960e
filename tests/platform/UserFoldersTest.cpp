// Where the settings and the state go, from the variables each system names them by; a
// relative or empty value names no folder.

#include "platform/UserFolders.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

using namespace ranvik;

namespace {

// Restores a variable when the test ends.
class SavedVariable {
  public:
    explicit SavedVariable(const char* name) : name_(name) {
        if (const char* value = std::getenv(name))
            value_ = value;
    }
    ~SavedVariable() { test::SetEnvironment(name_, value_ ? value_->c_str() : nullptr); }
    SavedVariable(const SavedVariable&) = delete;
    SavedVariable& operator=(const SavedVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> value_;
};

struct Case {
    const char* label;
    const char* own;  // the folder's own variable
    const char* home; // the fallback's base, where the system has one
    std::string settings;
    std::string state;
};

TEST(UserFolders, FollowTheSystemsVariables) {
#ifdef _WIN32
    const char* settingsVariable = "APPDATA";
    const char* stateVariable = "LOCALAPPDATA";
    const Case cases[] = {
        {"set", "C:\\Users\\td\\AppData", nullptr, "C:\\Users\\td\\AppData",
         "C:\\Users\\td\\AppData"},
        {"relative", "AppData", nullptr, "", ""},
        {"empty", "", nullptr, "", ""},
    };
#else
    const char* settingsVariable = "XDG_CONFIG_HOME";
    const char* stateVariable = "XDG_STATE_HOME";
    const Case cases[] = {
        {"set", "/srv/td", "/home/td", "/srv/td", "/srv/td"},
        {"relative", "relative/is/ignored", "/home/td", "/home/td/.config",
         "/home/td/.local/state"},
        {"unset", nullptr, "/home/td", "/home/td/.config", "/home/td/.local/state"},
        {"no home either", nullptr, nullptr, "", ""},
        {"relative home", nullptr, "home/td", "", ""},
    };
#endif
    const SavedVariable settings(settingsVariable), state(stateVariable), home("HOME");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        test::SetEnvironment(settingsVariable, c.own);
        test::SetEnvironment(stateVariable, c.own);
        test::SetEnvironment("HOME", c.home);
        EXPECT_EQ(platform::SettingsFolder(), c.settings);
        EXPECT_EQ(platform::StateFolder(), c.state);
    }
}

} // namespace
