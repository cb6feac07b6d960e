// The file calls behind the safe write, on whichever system runs the tests: a replaced file
// that another handle holds open, exclusive creation, the folder lock between writers, names
// outside ASCII, and the byte-exactness of binary files.

#include "platform/Files.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace ranvik;
using namespace ranvik::platform;
using namespace std::chrono_literals;

namespace {

// Names a director may give a chart: accents, a dash, a character outside the BMP, blanks.
const char* const kNames[] = {
    "plain.tms",
    "C\xc3\xb4t\xc3\xa9 \xe2\x80\x93 Printemps.tms",
    "\xe5\xb7\xa5\xe4\xbd\x9c \xf0\x9f\x8f\x86.qtr",
    "  leading and trailing blanks .tms",
};

TEST(Files, NamesOutsideAsciiAreWrittenFoundReplacedAndReadBack) {
    test::TempDir dir;
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        const std::string utf8 = dir.file(name);
        EXPECT_EQ(Utf8FromPath(PathFromUtf8(utf8)), utf8);
        // CR LF and a lone CR stay as they are: binary everywhere.
        const std::string bytes = "line\r\nnext\rlast\n\x1a end";
        {
            const FilePointer file(CreateNewFile(PathFromUtf8(utf8 + ".new")));
            ASSERT_TRUE(file);
            ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file.get()), bytes.size());
            EXPECT_TRUE(SyncFile(file.get()));
        }
        Message reason;
        ASSERT_TRUE(MoveOver(PathFromUtf8(utf8 + ".new"), PathFromUtf8(utf8), reason))
            << English(reason);
        EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(utf8)));
        EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(utf8 + ".new")));
        const FilePointer read(OpenRegularFile(PathFromUtf8(utf8), reason));
        ASSERT_TRUE(read) << English(reason);
        std::string back(64, '\0');
        back.resize(std::fread(back.data(), 1, back.size(), read.get()));
        EXPECT_EQ(back, bytes);
    }
    // Each name is one entry of the folder, spelled as given.
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = Utf8FromPath(entry.path().filename());
        EXPECT_NE(std::find_if(std::begin(kNames), std::end(kNames),
                               [&](const char* n) { return name == n; }),
                  std::end(kNames))
            << name;
        ++entries;
    }
    EXPECT_EQ(entries, std::size(kNames));
}

TEST(Files, ANewFileIsNeverOneThatAlreadyExists) {
    test::TempDir dir;
    const auto path = PathFromUtf8(dir.file("taken.tmp"));
    test::WriteFile(path, "someone else's");
    errno = 0;
    EXPECT_EQ(CreateNewFile(path), nullptr);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(test::ReadFile(path), "someone else's");
}

// A reader such as a viewer or a virus scanner that lets others replace the file: the C
// library's own way on Linux, a handle shared for deletion on Windows.
class SharingReader {
  public:
    explicit SharingReader(const std::filesystem::path& path) {
#ifdef _WIN32
        handle_ = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
#else
        file_.open(path, std::ios::binary);
#endif
    }
    ~SharingReader() {
#ifdef _WIN32
        CloseHandle(handle_);
#endif
    }
    SharingReader(const SharingReader&) = delete;
    SharingReader& operator=(const SharingReader&) = delete;
    std::string readAll() {
        std::string bytes(64, '\0');
#ifdef _WIN32
        DWORD got = 0;
        ReadFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
        bytes.resize(got);
#else
        file_.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(file_.gcount()));
#endif
        return bytes;
    }

  private:
#ifdef _WIN32
    HANDLE handle_;
#else
    std::ifstream file_;
#endif
};

TEST(Files, AFileOpenForReadingElsewhereIsReplacedAndTheReaderKeepsTheOldBytes) {
    test::TempDir dir;
    const auto target = PathFromUtf8(dir.file("C\xc3\xb4t\xc3\xa9.tms"));
    const auto staged = PathFromUtf8(dir.file("staged.tmp"));
    test::WriteFile(target, "old");
    test::WriteFile(staged, "new");
    SharingReader reader(target);
    Message reason;
    ASSERT_TRUE(MoveOver(staged, target, reason)) << English(reason);
    EXPECT_EQ(test::ReadFile(target), "new");
    EXPECT_EQ(reader.readAll(), "old");
}

#ifdef _WIN32
// Windows lets a program keep others from replacing a file it has open (no FILE_SHARE_DELETE):
// the replacement then fails with a sentence a director understands, and nothing is lost.
TEST(Files, AFileHeldAgainstReplacingIsReportedAndKeptWhole) {
    test::TempDir dir;
    const auto target = PathFromUtf8(dir.file("C\xc3\xb4t\xc3\xa9 \xe2\x80\x93 Printemps.tms"));
    const auto staged = PathFromUtf8(dir.file("staged.tmp"));
    test::WriteFile(target, "old");
    test::WriteFile(staged, "new");
    const HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Message reason;
    EXPECT_FALSE(MoveOver(staged, target, reason));
    CloseHandle(held);
    EXPECT_EQ(English(reason),
              "The file is open in another program, which does not let it be replaced.");
    EXPECT_EQ(test::ReadFile(target), "old");
    EXPECT_EQ(test::ReadFile(staged), "new");
    // Once the other program lets go, the same replacement goes through.
    ASSERT_TRUE(MoveOver(staged, target, reason)) << English(reason);
    EXPECT_EQ(test::ReadFile(target), "new");
}
#endif

TEST(Files, ReadingRefusesFoldersAndMissingFilesWithAReason) {
    test::TempDir dir;
    struct Case {
        std::string path;
        bool opens;
    };
    test::WriteFile(dir.path() / "file", "x");
    const Case cases[] = {
        {dir.file("file"), true},
        {dir.file("missing"), false},
        {platform::Utf8FromPath(dir.path()), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        Message reason;
        const FilePointer file(OpenRegularFile(PathFromUtf8(c.path), reason));
        EXPECT_EQ(file != nullptr, c.opens);
        EXPECT_EQ(reason.empty(), c.opens) << English(reason);
    }
}

TEST(Files, ALockedFolderMakesTheNextWriterWaitItsTurn) {
    test::TempDir dir;
    std::atomic<bool> released{false};
    std::atomic<bool> secondHeldBeforeRelease{false};
    std::thread second;
    {
        const FolderLock first(dir.path());
        ASSERT_TRUE(first.held());
        second = std::thread([&] {
            const FolderLock next(dir.path());
            secondHeldBeforeRelease = next.held() && !released;
        });
        std::this_thread::sleep_for(300ms);
        released = true;
    }
    second.join();
    EXPECT_FALSE(secondHeldBeforeRelease);
    // The lock leaves the folder as it found it.
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    // A folder that cannot be opened gives no lock, and no failure either.
    EXPECT_FALSE(FolderLock(dir.path() / "missing").held());
}

} // namespace
