#pragma once
// Helpers shared by the test programs.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace ranvik::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // The UTF-8 name of a file in the folder (name in UTF-8 too), spelled with the system's
    // separators, as the program spells the names it shows.
    std::string file(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

// The shared test data folder, or empty when this checkout has none beside it.
std::filesystem::path TestDataDir();

std::string ReadFile(const std::filesystem::path& path);
// The names (UTF-8) of what a folder holds, exactly as spelled on disk.
std::set<std::string> FilesIn(const std::filesystem::path& folder);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// A device file that reads without end: what a chart name must never hang on.
#ifdef _WIN32
inline constexpr const char* kEndlessDevice = "NUL";
#else
inline constexpr const char* kEndlessDevice = "/dev/zero";
#endif

// Sets (or, with nullptr, removes) an environment variable of this process.
void SetEnvironment(const char* name, const char* value);

// Points the user's settings and state folders (XDG on Linux, APPDATA and LOCALAPPDATA on
// Windows) at the given folders, for the rest of the program.
void UseUserFolders(const std::filesystem::path& settings, const std::filesystem::path& state);

// True when the test programs run under Wine rather than on Windows itself.
bool UnderWine();

// Runs check in a child whose address space is capped at `bytes`, so a regression that
// allocates for a hostile input fails the test instead of exhausting the machine. True when
// check said yes. Under AddressSanitizer (which reserves terabytes up front) no cap is set;
// the check still runs.
bool PassesUnderMemoryLimit(std::size_t bytes, const std::function<bool()>& check);

} // namespace ranvik::test

// Skips the current test when the shared test data is not there (a user's own clone).
#define RANVIK_REQUIRE_TESTDATA()                                                                  \
    do {                                                                                           \
        if (::ranvik::test::TestDataDir().empty())                                                 \
            GTEST_SKIP() << "shared test data not found beside the checkout; skipping";            \
    } while (0)
