// The membership panel on its own, over real database files: the search boxes find as the
// director types and Enter asks for the found member only, a file that does not open is
// named and loses nothing, and the start falls back to the database beside the program.
// (Its record buttons and Sort menu are tested through the window, DatabaseViewTest.)

#include "TestSupport.h"
#include "UiTestSupport.h"

#include "ui/MembersPane.h"
#include "ui/Prompts.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace ranvik::test {
namespace {

class MembersPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RANVIK_REQUIRE_TESTDATA();
        pane_.show();
    }

    QString copyOf(const std::string& name, const std::string& as) {
        const std::filesystem::path target = dir_.path() / as;
        std::filesystem::copy_file(TestDataDir() / "members" / name, target);
        return QString::fromStdString(dir_.file(as));
    }
    // A field of the current member ("" for none).
    std::string current(const char* field) {
        const MemberOrdering* ordering = pane_.ordering();
        const auto row = ordering ? ordering->currentRow() : std::nullopt;
        return row ? pane_.table()->value(*row, field).value_or("") : std::string();
    }
    // The next message box is answered with OK; its text lands in `message`.
    static void expectMessage(QString* message) {
        prompts::enqueue([message](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                *message = box->text();
            dialog.accept();
        });
    }

    TempDir dir_;
    MembersPane pane_;
};

TEST_F(MembersPaneTest, TypedSearchFindsAndEnterAsksForTheFoundMemberOnly) {
    struct Case {
        const char* box;
        QString typed;
        const char* field;
        std::string found; // the current member's field; empty: nothing found
        MemberOrder order;
    };
    const Case cases[] = {
        {"memberNameSearch", QStringLiteral("trem"), "NAME", "Tremblay, Jean-François",
         MemberOrder::Name},
        {"memberNumberSearch", QStringLiteral("1005"), "NUMBER", "100587", MemberOrder::Number},
        // Typed without its accents, as directors do.
        {"memberNameSearch", QStringLiteral("cote, h"), "NAME", "Côté, Hélène", MemberOrder::Name},
        {"memberNameSearch", QStringLiteral("Zzyzx"), "NAME", "", MemberOrder::Name},
        {"memberNumberSearch", QStringLiteral("999"), "NUMBER", "", MemberOrder::Number},
    };
    pane_.openDatabaseFile(copyOf("QRBMembers.mde", "members.mde"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QSignalSpy loads(&pane_, &MembersPane::loadRequested);
        auto& box = *PartOf<QLineEdit>(pane_, c.box);
        box.clear();
        QTest::keyClicks(&box, c.typed);
        const bool found = !c.found.empty();
        if (found) {
            EXPECT_EQ(current(c.field), c.found);
        }
        EXPECT_EQ(PartOf<QLabel>(pane_, "noMatchLabel")->isVisible(), !found);
        EXPECT_EQ(pane_.order(), c.order);
        const std::string before = current("NAME");
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_EQ(loads.count(), found ? 1 : 0);
        // A search that found nothing leaves the member shown before where it was.
        EXPECT_EQ(current("NAME"), before);
        // Found, the text is selected: the next name typed replaces it.
        EXPECT_EQ(box.selectedText(), found ? c.typed : QString());
    }
}

TEST_F(MembersPaneTest, AFileThatDoesNotOpenIsNamedAndTheShownDatabaseStays) {
    const QString good = copyOf("QRBMembers.mde", "members.mde");
    pane_.openDatabaseFile(good);
    const std::size_t members = pane_.ordering()->size();
    struct Case {
        const char* name;
        std::string bytes; // empty: no file at all
    };
    const Case cases[] = {
        {"garbage.mdb", std::string(4096, '\x5a')},
        {"notes.sqlite", "These are not the members.\n"},
        {"missing.mdb", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString bad = QString::fromStdString(dir_.file(c.name));
        if (!c.bytes.empty())
            WriteFile(dir_.path() / c.name, c.bytes);
        QString message;
        expectMessage(&message);
        pane_.openDatabaseFile(bad);
        EXPECT_EQ(message, "Error setting up the database: " + bad);
        EXPECT_EQ(pane_.databasePath(), QDir::toNativeSeparators(good));
        ASSERT_NE(pane_.ordering(), nullptr);
        EXPECT_EQ(pane_.ordering()->size(), members);
        EXPECT_TRUE(pane_.databaseOpen());
    }
    EXPECT_EQ(prompts::pendingScripts(), 0);
}

TEST_F(MembersPaneTest, StartFallsBackToTheDatabaseBesideTheProgram) {
    struct Case {
        bool besideProgram;
        QString message; // %1 the remembered file, %2 the one beside the program if any
        bool open;
    };
    const Case cases[] = {
        {true, QStringLiteral("Cannot open the membership database %1; using %2 instead."), true},
        {false, QStringLiteral("Cannot open the membership database %1."), false},
    };
    int round = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.besideProgram);
        // A program folder of its own each time: Windows keeps a file just read by the
        // reading child for a moment after it answered, so it could not be removed here.
        const std::filesystem::path program = dir_.path() / ("program" + std::to_string(++round));
        std::filesystem::create_directory(program);
        const QString folder = QString::fromStdString(program.string()) + QLatin1Char('/');
        if (c.besideProgram)
            std::filesystem::copy_file(TestDataDir() / "members" / "QRBMembers.mde",
                                       program / "QRBMembers.mde");
        const QString fallback = QString::fromStdString((program / "QRBMembers.mde").string());
        const QString remembered = QString::fromStdString(dir_.file("gone.mde"));
        MembersPane pane;
        QString message;
        expectMessage(&message);
        pane.openAtStart(remembered, folder);
        EXPECT_EQ(message,
                  c.open ? c.message.arg(remembered, fallback) : c.message.arg(remembered));
        EXPECT_EQ(pane.databaseOpen(), c.open);
        // The remembered file stays remembered unless another one stands in.
        EXPECT_EQ(QDir::fromNativeSeparators(pane.databasePath()),
                  QDir::fromNativeSeparators(c.open ? fallback : remembered));
    }
}

// The window's first start gives the pane this width: every control whole, and no more.
TEST_F(MembersPaneTest, TheWholeControlsWidthShowsEveryControlAndNoMore) {
    pane_.openDatabaseFile(copyOf("QRBMembers.mde", "members.mde"));
    const auto* scroller = pane_.findChild<QScrollArea*>(QStringLiteral("memberControlsScroller"));
    for (const int less : {0, 24}) {
        pane_.resize(pane_.wholeControlsWidth() - less, 400);
        QCoreApplication::processEvents();
        EXPECT_EQ(scroller->horizontalScrollBar()->maximum() == 0, less == 0) << less;
    }
}

} // namespace
} // namespace ranvik::test
