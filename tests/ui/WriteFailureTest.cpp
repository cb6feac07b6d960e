// A write that fails at any of its steps (create, write, flush, replace), for every command
// that writes a file: the old file stays byte for byte, the program's own message is shown,
// the chart stays marked as modified, and no scrap of the attempt is left beside the file.

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "support/Printers.h"

#include "files/FileWriter.h"

#include <filesystem>
#include <set>

using namespace ranvik;
using ranvik::test::IsWriteError;
using ranvik::test::WindowTest;

namespace {

namespace fs = std::filesystem;

const char kOldChart[] = "1\tearlier chart\t\t\t\t\r\n2\t\t\t\t\t\r\n";
const char kOldReport[] = "\"earlier report\"\r\n";

class WriteFailureTest : public WindowTest, public ::testing::WithParamInterface<WriteStep> {
  protected:
    void TearDown() override {
        ClearInjectedWriteFailures();
        WindowTest::TearDown();
    }

    QString path(const char* name) const { return QString::fromStdString(dir_.file(name)); }
    std::string read(const char* name) const { return test::ReadFile(dir_.file(name)); }
    void write(const char* name, const std::string& bytes) const {
        test::WriteFile(dir_.file(name), bytes);
    }
    // The names in the folder: a failed write leaves no temporary file behind.
    std::set<std::string> files() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_.path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    // A chart of two players with a result, typed: the chart is modified.
    void typeChart() {
        enter(1, 1, "Ann Lee");
        enter(2, 1, "123456");
        enter(4, 1, "w2");
        enter(1, 2, "Bo Chen");
        enter(2, 2, "654321");
        ASSERT_TRUE(form().document().isModified());
    }

    // Answers every question of the report up to the file name, which is name.
    void scriptReportUpTo(const char* name) {
        prompts::enqueue(answerQuestion(1)); // regular rating
        prompts::enqueue(fillTournamentInfo());
        prompts::enqueueFileName(path(name));
    }

    test::TempDir dir_;
};

TEST_P(WriteFailureTest, SaveKeepsTheChartFile) {
    typeChart();
    write("club.tms", kOldChart);
    form().document().setFileName(dir_.file("club.tms"));
    QString error;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    InjectWriteFailure(GetParam());
    ui().saveAction->trigger();

    EXPECT_TRUE(
        IsWriteError(error, QStringLiteral("Error saving ") + path("club.tms") + QLatin1Char('.')));
    EXPECT_EQ(read("club.tms"), kOldChart);
    EXPECT_TRUE(form().document().isModified());
    EXPECT_EQ(chartFileName(), path("club.tms"));
    EXPECT_EQ(files(), std::set<std::string>{"club.tms"});
}

TEST_P(WriteFailureTest, SaveAsKeepsTheFileItWouldReplace) {
    typeChart();
    write("other.tms", kOldChart);
    QString error;
    prompts::enqueueFileName(path("other.tms"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    InjectWriteFailure(GetParam());
    ui().saveAsAction->trigger();

    EXPECT_TRUE(IsWriteError(error, QStringLiteral("Error saving ") + path("other.tms") +
                                        QLatin1Char('.')));
    EXPECT_EQ(read("other.tms"), kOldChart);
    EXPECT_TRUE(form().document().isModified());
    EXPECT_EQ(chartFileName(), QString()) << "a save that did not happen names nothing";
    EXPECT_EQ(files(), std::set<std::string>{"other.tms"});
}

TEST_P(WriteFailureTest, ReportFileFailureKeepsBothOldFiles) {
    typeChart();
    write("spring.qtr", kOldReport);
    write("spring.tms", kOldChart);
    QString error;
    scriptReportUpTo("spring.qtr");
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    InjectWriteFailure(GetParam());
    ui().reportAction->trigger();

    EXPECT_TRUE(
        IsWriteError(error, QStringLiteral("Error saving report to file: ") + path("spring.qtr")));
    EXPECT_EQ(read("spring.qtr"), kOldReport);
    EXPECT_EQ(read("spring.tms"), kOldChart);
    EXPECT_TRUE(form().document().isModified());
    EXPECT_EQ(files(), (std::set<std::string>{"spring.qtr", "spring.tms"}));
}

TEST_P(WriteFailureTest, ChartFileBesideTheReportFailsAndKeepsItsOldBytes) {
    typeChart();
    write("spring.qtr", kOldReport);
    write("spring.tms", kOldChart);
    QString error;
    scriptReportUpTo("spring.qtr");
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    InjectWriteFailure(GetParam(), 1, 1); // the report file goes through, the chart file not
    ui().reportAction->trigger();

    // The failure is the last thing shown: no confirmation of the two files follows it.
    EXPECT_TRUE(IsWriteError(error, QStringLiteral("Error saving ") + path("spring.tms") +
                                        QLatin1Char('.')));
    // The report and its chart are a pair: the new report does not stay beside the old chart.
    EXPECT_EQ(read("spring.qtr"), kOldReport);
    EXPECT_EQ(read("spring.tms"), kOldChart);
    EXPECT_TRUE(form().document().isModified());
    EXPECT_TRUE(form().document().fileName().empty()) << "the report's chart is not the window's";
    EXPECT_EQ(files(), (std::set<std::string>{"spring.qtr", "spring.tms"}));
}

TEST_P(WriteFailureTest, CloseQuestionYesThenFailureKeepsTheWindowOpen) {
    typeChart();
    write("club.tms", kOldChart);
    form().document().setFileName(dir_.file("club.tms"));
    QString question, error;
    prompts::enqueue(clickStandard(QMessageBox::Yes, &question));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    InjectWriteFailure(GetParam());
    ui().quitAction->trigger();

    EXPECT_EQ(question, QStringLiteral("Save changes to this chart?"));
    EXPECT_TRUE(
        IsWriteError(error, QStringLiteral("Error saving ") + path("club.tms") + QLatin1Char('.')));
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(read("club.tms"), kOldChart);
    EXPECT_TRUE(form().document().isModified());
    EXPECT_EQ(cell(1, 2), "Bo Chen");
    EXPECT_EQ(files(), std::set<std::string>{"club.tms"});
}

INSTANTIATE_TEST_SUITE_P(EveryStep, WriteFailureTest,
                         ::testing::Values(WriteStep::Create, WriteStep::Write, WriteStep::Flush,
                                           WriteStep::Sync, WriteStep::Replace),
                         ::testing::PrintToStringParamName());

} // namespace
