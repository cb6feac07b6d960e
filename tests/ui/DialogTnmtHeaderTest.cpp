// The tournament information dialog: its checks at OK, one message per press, and that
// it gives back and keeps exactly what was typed.

#include "ui/Prompts.h"
#include "ui/TnmtHeaderDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace ranvik {
namespace {

const QString kDateFormat = QStringLiteral("Please provide an ending date in YYYY/MM/DD format.\n\n"
                                           "Date must be exactly 10 characters long. Example: "
                                           "2009/01/31");

// Answers one error box, remembering its title and text.
prompts::Script NoteError(std::vector<QString>& seen) {
    return [&seen](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        seen.push_back(box->windowTitle() + QStringLiteral(": ") + box->text());
        box->button(QMessageBox::Ok)->click();
    };
}

QPushButton* OkButton(QDialog& dialog) {
    return dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"));
}

TEST(TnmtHeaderDlg, StartsEmptyWithTheSwissTypeAndTheThirteenProvinces) {
    TTnmtHeaderDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Tournament information"));
    EXPECT_EQ(dlg.TournamentTypeLabel->text(), QStringLiteral("Swiss"));
    EXPECT_TRUE(dlg.ProvinceCombo->currentText().isEmpty());
    EXPECT_TRUE(dlg.ProvinceCombo->isEditable());
    QStringList entries;
    for (int i = 0; i < dlg.ProvinceCombo->count(); ++i)
        entries << dlg.ProvinceCombo->itemText(i);
    EXPECT_EQ(entries.join(QLatin1Char(' ')),
              QStringLiteral("AB BC MB NB NL NT NS NU ON PE QC SK YT"));
    EXPECT_GE(dlg.ProvinceCombo->maxVisibleItems(), 13);
    const TournamentInfo info = dlg.info();
    EXPECT_TRUE(info.name.empty() && info.province.empty() && info.endDate.empty() &&
                info.tdNumber.empty() && info.referenceNumber.empty() &&
                info.organiserNumber.empty());
}

TEST(TnmtHeaderDlg, OkShowsTheFirstFailingCheckAndStaysOpenUntilAllPass) {
    TTnmtHeaderDlg dlg;
    std::vector<QString> errors;
    std::vector<bool> openAfterPress;
    prompts::enqueue([&](QDialog& dialog) {
        auto& d = static_cast<TTnmtHeaderDlg&>(dialog);
        auto press = [&] {
            OkButton(d)->click();
            openAfterPress.push_back(d.isVisible());
        };
        press();
        QTest::keyClicks(d.TnmtNameLE, QStringLiteral(" Spring Open "));
        press();
        QTest::keyClicks(d.ProvinceCombo->lineEdit(), QStringLiteral("Ontario"));
        press();
        QTest::keyClicks(d.EnddateLE, QStringLiteral("18/06/2008"));
        press();
        d.EnddateLE->setText(QStringLiteral("2008/6/18"));
        press();
        d.EnddateLE->setText(QStringLiteral("20080618"));
        press();
        d.EnddateLE->setText(QStringLiteral("2008/06/18"));
        press();
        QTest::keyClicks(d.TDNumLE, QStringLiteral("123456"));
        // Enter presses OK, the default button.
        QTest::keyClick(d.TDNumLE, Qt::Key_Return);
    });
    for (int i = 0; i < 7; ++i)
        prompts::enqueue(NoteError(errors));

    EXPECT_TRUE(dlg.ask());
    EXPECT_EQ(prompts::pendingScripts(), 0);
    const std::vector<QString> expected = {
        QStringLiteral("Error: Please provide a name for the tournament."),
        QStringLiteral("Error: Please enter the province."),
        QStringLiteral("Error: Please provide an ending date."),
        QStringLiteral("Error: ") + kDateFormat,
        QStringLiteral("Error: ") + kDateFormat,
        QStringLiteral("Error: ") + kDateFormat,
        QStringLiteral("Error: Please provide the TD's QRB number."),
    };
    EXPECT_EQ(errors, expected);
    EXPECT_EQ(openAfterPress, std::vector<bool>(7, true));
    EXPECT_TRUE(prompts::unexpectedDialogs().isEmpty());

    const TournamentInfo info = dlg.info();
    EXPECT_EQ(info.name, " Spring Open "); // not trimmed
    EXPECT_EQ(info.province, "Ontario");   // typed, not one of the entries
    EXPECT_EQ(info.endDate, "2008/06/18");
    EXPECT_EQ(info.tdNumber, "123456");
    EXPECT_EQ(info.referenceNumber, "");
    EXPECT_EQ(info.organiserNumber, "");
    EXPECT_EQ(dlg.ProvinceCombo->count(), 13); // the typed province is not added to the list
}

TEST(TnmtHeaderDlg, CancelClosesWithoutChecksAndKeepsWhatWasTyped) {
    TTnmtHeaderDlg dlg;
    prompts::enqueue([](QDialog& dialog) {
        auto& d = static_cast<TTnmtHeaderDlg&>(dialog);
        QTest::keyClicks(d.TnmtNameLE, QStringLiteral("Club Championship"));
        QTest::keyClicks(d.EnddateLE, QStringLiteral("bad"));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_FALSE(dlg.ask());
    EXPECT_TRUE(prompts::unexpectedDialogs().isEmpty()); // no check ran

    dlg.setTournamentType(QStringLiteral("Double round robin"));
    QString nameShown, typeShown;
    prompts::enqueue([&](QDialog& dialog) {
        auto& d = static_cast<TTnmtHeaderDlg&>(dialog);
        nameShown = d.TnmtNameLE->text();
        typeShown = d.TournamentTypeLabel->text();
        dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    EXPECT_FALSE(dlg.ask());
    EXPECT_EQ(nameShown, QStringLiteral("Club Championship"));
    EXPECT_EQ(typeShown, QStringLiteral("Double round robin"));
    EXPECT_EQ(dlg.info().endDate, "bad");
}

TEST(TnmtHeaderDlg, ChosenProvinceAndOptionalFieldsComeBackAsEntered) {
    TTnmtHeaderDlg dlg;
    prompts::enqueue([](QDialog& dialog) {
        auto& d = static_cast<TTnmtHeaderDlg&>(dialog);
        d.TnmtNameLE->setText(QStringLiteral("Café Open"));
        d.ProvinceCombo->setCurrentIndex(d.ProvinceCombo->findText(QStringLiteral("QC")));
        d.ReferenceNumLE->setText(QStringLiteral("R-17"));
        d.EnddateLE->setText(QStringLiteral("2008/06-18")); // only the first slash is examined
        d.TDNumLE->setText(QStringLiteral("12"));
        d.OrganiserNumLE->setText(QStringLiteral("654321"));
        OkButton(d)->click();
    });
    ASSERT_TRUE(dlg.ask());
    const TournamentInfo info = dlg.info();
    EXPECT_EQ(info.name, "Caf\xC3\xA9 Open");
    EXPECT_EQ(info.province, "QC");
    EXPECT_EQ(info.referenceNumber, "R-17");
    EXPECT_EQ(info.endDate, "2008/06-18");
    EXPECT_EQ(info.tdNumber, "12");
    EXPECT_EQ(info.organiserNumber, "654321");
}

TEST(TnmtHeaderDlg, EnterInTheProvinceBoxPressesOk) {
    TTnmtHeaderDlg dlg;
    prompts::enqueue([](QDialog& dialog) {
        auto& d = static_cast<TTnmtHeaderDlg&>(dialog);
        d.TnmtNameLE->setText(QStringLiteral("Open"));
        d.EnddateLE->setText(QStringLiteral("2008/06/18"));
        d.TDNumLE->setText(QStringLiteral("1"));
        QTest::keyClicks(d.ProvinceCombo->lineEdit(), QStringLiteral("Ontario"));
        QTest::keyClick(d.ProvinceCombo->lineEdit(), Qt::Key_Return);
        if (d.isVisible())
            d.reject();
    });
    EXPECT_TRUE(dlg.ask());
    EXPECT_EQ(dlg.info().province, "Ontario");
    EXPECT_EQ(dlg.ProvinceCombo->count(), 13);
}

} // namespace
} // namespace ranvik
