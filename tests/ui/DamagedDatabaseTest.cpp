// Membership files that are cut short, bit-flipped, of another format or known to have
// brought the reading library down: each gives "Error setting up the database: " and the path,
// or opens, and the director's chart, typed before, stays as it was, still marked modified.

#include "DatabaseTestSupport.h"

#include <filesystem>
#include <random>

using namespace ranvik;
using namespace ranvik::test;

namespace {

namespace fs = std::filesystem;

const fs::path kFuzzInputs = fs::path(RANVIK_SOURCE_DIR) / "fuzz";

class DamagedDatabaseTest : public DatabaseTest {
  protected:
    void typeChart() {
        enter(1, 1, "Ann Lee");
        enter(4, 1, "w2");
        enter(1, 2, "Bo Chen");
    }
    void expectChartKept() {
        EXPECT_EQ(cell(1, 1), "Ann Lee");
        EXPECT_EQ(cell(4, 1), "W2");
        EXPECT_EQ(cell(4, 2), "L1");
        EXPECT_TRUE(form().document().isModified());
    }
    QString write(const std::string& name, const std::string& bytes) {
        WriteFile(dir_.file(name), bytes);
        return QString::fromStdString(dir_.file(name));
    }
    // Opens the file; gives the message shown, or empty when it opened without one.
    QString openAndTell(const QString& path) {
        QString message;
        prompts::enqueue(clickStandard(QMessageBox::Ok, &message));
        open(path);
        if (message.isEmpty())
            prompts::clearQueues(); // opened: the scripted answer was not needed
        return message;
    }
};

TEST_F(DamagedDatabaseTest, BrokenFilesAreReportedAndTheChartStays) {
    typeChart();
    const std::string good = ReadFile(kFuzzInputs / "corpus/member_database/members.mdb");
    const std::string sqlite = ReadFile(kFuzzInputs / "corpus/member_database/members.sqlite");
    struct Case {
        std::string name;
        std::string bytes;
    };
    std::vector<Case> cases = {
        {"header-only.mdb", good.substr(0, 4096)},
        {"two-pages.mdb", good.substr(0, 8192)},
        {"sqlite-cut.mdb", sqlite.substr(0, 200)},
        {"png.mdb", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(4000, '\0')},
    };
    for (const fs::path& dir : {kFuzzInputs / "regressions/member_database",
                                kFuzzInputs / "regressions/member_database_isolated"}) {
        if (!fs::is_directory(dir))
            continue;
        for (const auto& entry : fs::directory_iterator(dir))
            cases.push_back({entry.path().filename().string(), ReadFile(entry.path())});
    }
    for (const Case& c : cases) {
        const QString path = write(c.name, c.bytes);
        EXPECT_EQ(openAndTell(path), "Error setting up the database: " + path) << c.name;
    }
    expectChartKept();

    // The program goes on: a sound file opens after all of them.
    const QString sound = write("sound.mdb", good);
    EXPECT_EQ(openAndTell(sound), "");
    EXPECT_EQ(model().table()->rowCount(), 3u);
    expectChartKept();
}

TEST_F(DamagedDatabaseTest, BitFlippedFilesOpenOrAreReported) {
    typeChart();
    const std::string good = ReadFile(kFuzzInputs / "corpus/member_database/members.mdb");
    std::mt19937 random(20240512); // fixed: the same damage every run
    for (int round = 0; round < 12; ++round) {
        std::string damaged = good;
        for (int flip = 0; flip < 8; ++flip) {
            const std::size_t at = 4096 + random() % (damaged.size() - 4096);
            damaged[at] = static_cast<char>(damaged[at] ^ (1 << (random() % 8)));
        }
        const QString path = write("flipped" + std::to_string(round) + ".mdb", damaged);
        const QString message = openAndTell(path);
        EXPECT_TRUE(message.isEmpty() || message == "Error setting up the database: " + path)
            << message.toStdString();
    }
    expectChartKept();
}

} // namespace
