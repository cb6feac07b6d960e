// The window in French: its own texts, Qt's translations for standard buttons, and texts
// that still fit their widgets.

#include "TestSupport.h"
#include "UiTestSupport.h"

#include "ui/AboutDialog.h"
#include "ui/HelpDialog.h"
#include "ui/MemberNumberCheckDialog.h"
#include "ui/MembersModel.h"
#include "ui/QtText.h"
#include "ui/TournamentInfoDialog.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>

#include <string>
#include <vector>

namespace ranvik::test {
namespace {

const QLocale kFrench(QLocale::French, QLocale::Canada);

// Switches the window's language for one test and back to English after it.
class InFrench {
  public:
    InFrench() { french_ = UseLanguage(kFrench); }
    ~InFrench() { UseLanguage(QLocale::c()); }
    bool loaded() const { return french_; }

  private:
    bool french_ = false;
};

TEST(Translations, OnlyFrenchLocalesLoadATranslation) {
    EXPECT_TRUE(UseLanguage(QLocale(QLocale::French, QLocale::France)));
    EXPECT_TRUE(UseLanguage(kFrench));
    EXPECT_FALSE(UseLanguage(QLocale(QLocale::English, QLocale::Canada)));
    EXPECT_TRUE(HelpDialog::Paragraphs().constFirst().startsWith(QStringLiteral("Ranvik is")));
    EXPECT_FALSE(UseLanguage(QLocale(QLocale::German, QLocale::Germany)));
}

TEST(Translations, HelpParagraphsAreTranslatedWhole) {
    const QStringList english = HelpDialog::Paragraphs();
    const InFrench french;
    const QStringList translated = HelpDialog::Paragraphs();
    ASSERT_EQ(translated.size(), english.size());
    for (qsizetype k = 0; k < english.size(); ++k)
        EXPECT_NE(translated[k], english[k]);
    EXPECT_TRUE(translated.first().startsWith(QStringLiteral("Ranvik s’adresse")));
}

// A widget's text without its mnemonic marks.
QString Shown(QString text) {
    return text.remove(QLatin1Char('&'));
}

// Labels and buttons of a shown window whose text is wider than the widget.
QStringList Overflowing(QWidget& window) {
    QStringList out;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().contains(u'<') ||
            !label->pixmap().isNull())
            continue;
        for (const QString& line : Shown(label->text()).split(u'\n')) {
            if (label->fontMetrics().horizontalAdvance(line) > label->contentsRect().width())
                out << label->objectName() + QStringLiteral(": ") + line;
        }
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString text = Shown(button->text());
        if (button->isVisible() && !text.isEmpty() &&
            button->fontMetrics().horizontalAdvance(text) > button->width())
            out << button->objectName() + QStringLiteral(": ") + text;
    }
    return out;
}

// A French user's language and locale (numbers with a decimal comma).
class FrenchWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(UseLanguage(kFrench));
        QLocale::setDefault(kFrench);
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QLocale::setDefault(QLocale::c());
        UseLanguage(QLocale::c());
    }
};

TEST_F(FrenchWindowTest, RoundsStandingsAndDatabaseFieldsReadInFrench) {
    // One drawn round: half a point each, Sonneborn-Berger a quarter.
    const TempDir dir;
    WriteFile(dir.path() / "draw.tms", "1\tAnn\t\t\tD2\t\r\n2\tBo\t\t\tD1\t\r\n");
    ASSERT_TRUE(form().openChartFile(QtSpelling(dir.path() / "draw.tms")));
    QStringList shown = {ui().chartView->model()->headerData(3, Qt::Horizontal).toString()};
    prompts::enqueue([&shown](QDialog& dialog) {
        const auto& grid = *PartOf<QTableView>(dialog, "crossTableView")->model();
        const auto& list = *PartOf<QTableView>(dialog, "standingsView")->model();
        shown << grid.headerData(3, Qt::Horizontal).toString() << grid.index(0, 4).data().toString()
              << grid.index(0, 7).data().toString() << list.index(0, 8).data().toString();
        dialog.reject();
    });
    ui().standingsAction->trigger();
    // The chart's and the cross-table's round; points and SB in the cross-table; SB listed.
    EXPECT_EQ(shown, QStringList({"Ro 1", "Ro 1", "\u00bd", "0,25", "0,25"}));
    // The database's field names stay as they are; one the program does not know shows as is.
    EXPECT_EQ(MembersModel::fieldHeading("act_rating"), "Cote active");
    EXPECT_EQ(MembersModel::fieldHeading("PHONE"), "PHONE");
}

TEST_F(FrenchWindowTest, QuestionsUseQtsFrenchButtonsAndTheirTextInFrench) {
    enter(ChartColumn::Name, 1, QStringLiteral("Tremblay, Marie"));
    QString question;
    QString cancel;
    prompts::enqueue([&](QDialog& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        question = box.text();
        cancel = box.button(QMessageBox::Cancel)->text();
        box.button(QMessageBox::Cancel)->click();
    });
    ui().clearResultsAction->trigger();
    EXPECT_EQ(question, QStringLiteral("Toutes les rondes saisies jusqu’ici seront effacées. "
                                       "Continuer?"));
    EXPECT_EQ(Shown(cancel), QStringLiteral("Annuler"));
    EXPECT_EQ(prompts::pendingScripts(), 0);
}

TEST_F(FrenchWindowTest, TextsFitTheirWidgets) {
    QApplication::processEvents();
    // The window is in French before its fit says anything about French.
    EXPECT_EQ(Shown(form().findChild<QPushButton*>(QStringLiteral("reportButton"))->text()),
              QStringLiteral("Créer le rapport pour la QRB..."));
    EXPECT_TRUE(form().windowTitle().contains(QStringLiteral("Utilitaire de rapport de cotes")));
    EXPECT_EQ(Overflowing(form()), QStringList());
    const AppDialogs& dialogs = windows().dialogs;
    for (QDialog* dialog : std::initializer_list<QDialog*>{
             dialogs.tournamentInfo, dialogs.about, dialogs.help, dialogs.memberNumberCheck}) {
        dialog->show();
        QApplication::processEvents();
        EXPECT_EQ(Overflowing(*dialog), QStringList()) << dialog->objectName().toStdString();
        dialog->hide();
    }
}

} // namespace
} // namespace ranvik::test
