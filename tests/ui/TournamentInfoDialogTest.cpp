// The tournament information dialog: its checks at OK, one message per press, and that
// it gives back and keeps exactly what was typed.

#include "EndDateCases.h"

#include "ui/Prompts.h"
#include "ui/TournamentInfoDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace ranvik {
namespace {

template <class T> T* Find(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(std::string("the tournament information dialog has no ") + name);
    return found;
}

// The dialog's fields and buttons, found by name as a user's tools would find them.
struct InfoParts {
    explicit InfoParts(QWidget& dialog)
        : nameEdit(Find<QLineEdit>(dialog, "nameEdit")),
          provinceCombo(Find<QComboBox>(dialog, "provinceCombo")),
          referenceNumberEdit(Find<QLineEdit>(dialog, "referenceNumberEdit")),
          tournamentTypeLabel(Find<QLabel>(dialog, "tournamentTypeLabel")),
          endDateEdit(Find<QLineEdit>(dialog, "endDateEdit")),
          directorNumberEdit(Find<QLineEdit>(dialog, "directorNumberEdit")),
          organiserNumberEdit(Find<QLineEdit>(dialog, "organiserNumberEdit")),
          okButton(Find<QPushButton>(dialog, "okButton")),
          cancelButton(Find<QPushButton>(dialog, "cancelButton")) {}
    QLineEdit* nameEdit;
    QComboBox* provinceCombo;
    QLineEdit* referenceNumberEdit;
    QLabel* tournamentTypeLabel;
    QLineEdit* endDateEdit;
    QLineEdit* directorNumberEdit;
    QLineEdit* organiserNumberEdit;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

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

TEST(TournamentInfoDialog, StartsEmptyWithTheSwissTypeAndTheThirteenProvinces) {
    TournamentInfoDialog dlg;
    const InfoParts d(dlg);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Tournament information"));
    EXPECT_EQ(d.tournamentTypeLabel->text(), QStringLiteral("Swiss"));
    EXPECT_TRUE(d.provinceCombo->currentText().isEmpty());
    EXPECT_TRUE(d.provinceCombo->isEditable());
    QStringList entries;
    for (int i = 0; i < d.provinceCombo->count(); ++i)
        entries << d.provinceCombo->itemText(i);
    EXPECT_EQ(entries.join(QLatin1Char(' ')),
              QStringLiteral("AB BC MB NB NL NT NS NU ON PE QC SK YT"));
    EXPECT_GE(d.provinceCombo->maxVisibleItems(), 13);
    const TournamentInfo info = dlg.info();
    EXPECT_TRUE(info.name.empty() && info.province.empty() && info.endDate.empty() &&
                info.tdNumber.empty() && info.referenceNumber.empty() &&
                info.organiserNumber.empty());
}

TEST(TournamentInfoDialog, OkShowsTheFirstFailingCheckAndStaysOpenUntilAllPass) {
    TournamentInfoDialog dlg;
    std::vector<QString> errors;
    std::vector<bool> openAfterPress;
    prompts::enqueue([&](QDialog& dialog) {
        const InfoParts d(dialog);
        auto press = [&] {
            d.okButton->click();
            openAfterPress.push_back(dialog.isVisible());
        };
        press();
        QTest::keyClicks(d.nameEdit, QStringLiteral(" Spring Open "));
        press();
        QTest::keyClicks(d.provinceCombo->lineEdit(), QStringLiteral("Ontario"));
        press();
        QTest::keyClicks(d.endDateEdit, QStringLiteral("18/06/2008"));
        press();
        d.endDateEdit->setText(QStringLiteral("2008/6/18"));
        press();
        d.endDateEdit->setText(QStringLiteral("20080618"));
        press();
        d.endDateEdit->setText(QStringLiteral("2008/06/18"));
        press();
        QTest::keyClicks(d.directorNumberEdit, QStringLiteral("123456"));
        // Enter presses OK, the default button.
        QTest::keyClick(d.directorNumberEdit, Qt::Key_Return);
    });
    for (int i = 0; i < 7; ++i)
        prompts::enqueue(NoteError(errors));

    EXPECT_TRUE(dlg.ask());
    EXPECT_EQ(prompts::pendingScripts(), 0);
    const std::vector<QString> expected = {
        QStringLiteral("Error: Please provide a name for the tournament."),
        QStringLiteral("Error: Please enter the province."),
        QStringLiteral("Error: Please provide an ending date."),
        QStringLiteral("Error: Date must be in YYYY/MM/DD format. Example: 2009/01/31"),
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
    // The typed province is not added to the list.
    EXPECT_EQ(InfoParts(dlg).provinceCombo->count(), 13);
}

TEST(TournamentInfoDialog, CancelClosesWithoutChecksAndKeepsWhatWasTyped) {
    TournamentInfoDialog dlg;
    prompts::enqueue([](QDialog& dialog) {
        const InfoParts d(dialog);
        QTest::keyClicks(d.nameEdit, QStringLiteral("Club Championship"));
        QTest::keyClicks(d.endDateEdit, QStringLiteral("bad"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(dlg.ask());
    EXPECT_TRUE(prompts::unexpectedDialogs().isEmpty()); // no check ran

    dlg.setTournamentType(QStringLiteral("Double round robin"));
    QString nameShown, typeShown;
    prompts::enqueue([&](QDialog& dialog) {
        const InfoParts d(dialog);
        nameShown = d.nameEdit->text();
        typeShown = d.tournamentTypeLabel->text();
        d.cancelButton->click();
    });
    EXPECT_FALSE(dlg.ask());
    EXPECT_EQ(nameShown, QStringLiteral("Club Championship"));
    EXPECT_EQ(typeShown, QStringLiteral("Double round robin"));
    EXPECT_EQ(dlg.info().endDate, "bad");
}

TEST(TournamentInfoDialog, ChosenProvinceAndOptionalFieldsComeBackAsEntered) {
    TournamentInfoDialog dlg;
    prompts::enqueue([](QDialog& dialog) {
        const InfoParts d(dialog);
        d.nameEdit->setText(QStringLiteral("Café Open"));
        d.provinceCombo->setCurrentIndex(d.provinceCombo->findText(QStringLiteral("QC")));
        d.referenceNumberEdit->setText(QStringLiteral("R-17"));
        d.endDateEdit->setText(QStringLiteral("2008/06/18"));
        d.directorNumberEdit->setText(QStringLiteral("12"));
        d.organiserNumberEdit->setText(QStringLiteral("654321"));
        d.okButton->click();
    });
    ASSERT_TRUE(dlg.ask());
    const TournamentInfo info = dlg.info();
    EXPECT_EQ(info.name, "Caf\xC3\xA9 Open");
    EXPECT_EQ(info.province, "QC");
    EXPECT_EQ(info.referenceNumber, "R-17");
    EXPECT_EQ(info.endDate, "2008/06/18");
    EXPECT_EQ(info.tdNumber, "12");
    EXPECT_EQ(info.organiserNumber, "654321");
}

// The shared table of ending dates: OK takes the valid ones and refuses the others with the
// message that says which fault it is, the dialog staying open.
TEST(TournamentInfoDialog, EndDatesOfTheTableGetTheirVerdict) {
    TournamentInfoDialog dlg;
    for (const test::EndDateCase& c : test::EndDateCases(Today())) {
        SCOPED_TRACE(c.date);
        std::vector<QString> errors;
        bool openAfterOk = false;
        prompts::enqueue([&](QDialog& dialog) {
            const InfoParts d(dialog);
            d.nameEdit->setText(QStringLiteral("Open"));
            d.provinceCombo->setEditText(QStringLiteral("QC"));
            d.endDateEdit->setText(QString::fromStdString(c.date));
            d.directorNumberEdit->setText(QStringLiteral("123456"));
            d.okButton->click();
            openAfterOk = dialog.isVisible();
            if (openAfterOk)
                dialog.reject();
        });
        if (c.verdict != EndDateVerdict::Valid)
            prompts::enqueue(NoteError(errors));
        EXPECT_EQ(dlg.ask(), c.verdict == EndDateVerdict::Valid);
        EXPECT_EQ(openAfterOk, c.verdict != EndDateVerdict::Valid);
        if (c.verdict != EndDateVerdict::Valid) {
            ASSERT_EQ(errors.size(), 1u);
            EXPECT_TRUE(errors[0].contains(QString::fromStdString(test::VerdictWords(c.verdict))))
                << errors[0].toStdString();
        }
    }
}

TEST(TournamentInfoDialog, EnterInTheProvinceBoxPressesOk) {
    TournamentInfoDialog dlg;
    prompts::enqueue([](QDialog& dialog) {
        const InfoParts d(dialog);
        d.nameEdit->setText(QStringLiteral("Open"));
        d.endDateEdit->setText(QStringLiteral("2008/06/18"));
        d.directorNumberEdit->setText(QStringLiteral("1"));
        QTest::keyClicks(d.provinceCombo->lineEdit(), QStringLiteral("Ontario"));
        QTest::keyClick(d.provinceCombo->lineEdit(), Qt::Key_Return);
        if (dialog.isVisible())
            dialog.reject();
    });
    EXPECT_TRUE(dlg.ask());
    EXPECT_EQ(dlg.info().province, "Ontario");
    EXPECT_EQ(InfoParts(dlg).provinceCombo->count(), 13);
}

} // namespace
} // namespace ranvik
