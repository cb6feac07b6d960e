// The window in French: the core's English messages through the window's translation layer,
// Qt's own translations for standard buttons, and texts that still fit their widgets.

#include "TestSupport.h"
#include "TrfText.h"
#include "UiTestSupport.h"

#include "chart/TabSeparated.h"
#include "chart/Tournament.h"
#include "files/ChartFile.h"
#include "files/ChartText.h"
#include "files/FileWriter.h"
#include "import/TrfImport.h"
#include "members/PlayerValues.h"
#include "report/RatingReport.h"
#include "settings/IniText.h"
#include "ui/AboutDialog.h"
#include "ui/CoreText.h"
#include "ui/HelpDialog.h"
#include "ui/MemberNumberCheckDialog.h"
#include "ui/MembersModel.h"
#include "ui/QtText.h"
#include "ui/TournamentInfoDialog.h"
#include "ui/Translations.h"
#include "validation/ChartWarnings.h"
#include "validation/Validation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableView>

#ifndef _WIN32
#include <sys/stat.h>
#endif

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

// Every message the core gives the window, made by the core itself where a call makes it.
std::vector<std::string> CoreMessages() {
    std::vector<std::string> out = {
        "You must first open a database to load from.",
        "Duplicate QRB number.",
        English(InconsistencyText("opponents", RulesFor(TournamentType::Swiss), 3, 5)),
        English(InconsistencyText("results", RulesFor(TournamentType::RoundRobin), 12, 4)),
        English(MemberNumberWarningText("Tremblay, Luc", "")),
        English(MemberNumberWarningText("Tremblay, Luc", "12345")),
        "Error saving /home/td/open.tms.\rIt is a folder, not a file.",
        "Error saving /home/td/open.tms.\rThe old file could not be kept aside: Permission "
        "denied. The first file could not be put back as it was.",
        "Error saving /home/td/open.tms.\rIt is a symbolic link to a file that does not exist.",
        "Error saving /home/td/open.tms.\rIt is a symbolic link that cannot be followed: Too "
        "many levels of symbolic links.",
        "Cannot read /dev/null: it is a device, not a regular file",
        "Cannot read /run/x: it is a socket, not a regular file",
        "Cannot read /big.tms: the file is larger than 16 MB",
        "Players matched with the database: 3 (1 picked by you).\rLeft as they were: 4, 7.",
        "Every player named in the chart has a membership number.",
        "Cannot import /home/td/open.trf:\rLine 2: no player",
        "The Access database /m.mdb is damaged: its list of tables cannot be read.",
        "The SQLite database /m.db cannot be read: the helper stopped.",
        "Result W5 in line 3",
        "Result cleared in line 3",
        "Rating in line 2",
        "Match players",
    };
    for (auto fault = static_cast<int>(ValidationFault::InvalidResult);
         fault <= static_cast<int>(ValidationFault::InconsistentResults); ++fault) {
        ValidationResult result;
        result.fault = static_cast<ValidationFault>(fault);
        result.row = 4;
        out.push_back(English(ValidationMessage(result.fault)));
        // Every column a message may name: the first three by word, results by heading.
        for (const int col : {1, 2, 3, 4}) {
            result.col = col;
            out.push_back(English(FaultText(result, RulesFor(TournamentType::Swiss))));
            out.push_back(English(FaultText(result, RulesFor(TournamentType::DoubleRoundRobin))));
        }
    }
    // The report's check list and the live check's warnings.
    for (const Message& warning : OfficialNumberWarnings("12345", "1"))
        out.push_back(English(warning));
    out.push_back(English(RatingWarningText("Bo Chen", "15000")));
    out.push_back(English(SameNameWarningText("Bo Chen", {2, 5, 7})));
    // The report's and the chart file's refusals.
    out.push_back(English(RefusedReportPath("")));
    out.push_back(English(RefusedReportPath("/home/td/")));
    Tournament swiss;
    swiss.chart().setCellQuietly(ChartColumn::Name, 1, "\xF0\x9F\x98\x80");
    out.push_back("Error saving /x.tms.\r" + English(EncodeChartFile(swiss.chart()).message));
    for (const std::string& bytes : {std::string(),
                                     std::string("\xFF\xFE"
                                                 "a\0b\0",
                                                 6),
                                     std::string("a\tb\n\0", 5), std::string(1200, '\n'),
                                     std::string(300, '\t'), std::string("1\tA\fB\t\r\n")}) {
        Tournament opened;
        out.push_back("Cannot open /x.tms: " + English(ReadChartFile(opened, bytes).message));
    }
    // Hostile files, names and values: what the import, the databases and the writer say.
    out.push_back("Error saving /x.tms.\r" + English(UnusableFileName(std::string(300, 'n'))));
    for (const std::string& trf :
         {std::string(10001, '\n'), TrfFileText({{1, "A", "1\1", "", {}}}),
          TrfFileText({{1, "A", "", "", {"2w-"}}, {2, "B", "", "", {"1b-"}}})})
        out.push_back("Cannot import /x.trf:\r" +
                      RefusalText(ImportTrf(trf, TrfTypeChoice::RoundRobin)));
    out.push_back(ImportSummary(ImportTrf(
        TrfFileText({{1, std::string("A\0B", 3), "", "", {"2w "}}, {2, "B", "", "", {"1b "}}}),
        TrfTypeChoice::Auto)));
    out.push_back("The member cannot be loaded: " +
                  English(MemberCellsOf("A", "\t", std::nullopt).refusal) + ".");
    // What a paste, the settings file and the recovery folder refuse.
    for (const std::string& clip : {std::string("a\tb\x01"), std::string(1001, 'x'),
                                    std::string(1001, '\n'), std::string(2005, '\t')})
        out.push_back("Nothing was pasted: " + English(ReadPastedBlock(clip, {1000, 2004}).fault));
    for (const std::string& ini : {std::string("[A]\nk=1\0", 8), std::string("[A\n"),
                                   std::string("[A]\nk\n"), std::string("[A]\nk=1\nK=2\n"),
                                   std::string("[A]\n;c\n[a]\n"), std::string("[A]\nk=1\n;c\n")})
        out.push_back(English(SettingsTextFault(ini)));
    out.push_back("Cannot restore /r/chart-1-2.recovery: the copy is damaged or cut short.");
    out.push_back("The recovery folder /r is a symbolic link; no copy is written through it.");
    return out;
}

TEST(CoreText, EveryCoreMessageIsKnownAndStaysTheSameInEnglish) {
    for (const std::string& message : CoreMessages()) {
        SCOPED_TRACE(message);
        ASSERT_FALSE(message.empty());
        EXPECT_TRUE(TranslatedCoreText(ToQString(message)).has_value());
        EXPECT_EQ(CoreText(message).toStdString(), message);
    }
}

TEST(CoreText, FileReasonsFromTheSystemAreKnown) {
    const TempDir dir;
    std::vector<std::string> paths = {dir.path().string(), kEndlessDevice};
#ifndef _WIN32 // Windows has no FIFOs among its files
    paths.push_back(dir.file("pipe.tms"));
    ASSERT_EQ(mkfifo(paths.back().c_str(), 0600), 0);
#endif
    for (const std::string& path : paths) {
        std::string bytes;
        Message unreadable;
        ASSERT_FALSE(ReadWholeFile(path, bytes, unreadable, MaxChartFileBytes));
        const std::string error = English(unreadable);
        SCOPED_TRACE(error);
        EXPECT_TRUE(TranslatedCoreText(ToQString(error)).has_value());
        EXPECT_EQ(CoreText(error).toStdString(), error);
    }
}

// Any text, matching a pattern or not, comes back unchanged in English: values holding
// markers, separators or line breaks included.
TEST(CoreText, EnglishIsUnchangedForAnyText) {
    const QStringList pieces = {QStringLiteral("Cannot open "),
                                QStringLiteral(": "),
                                QStringLiteral("%1"),
                                QStringLiteral("%2 "),
                                QStringLiteral(".\r"),
                                QStringLiteral("Error saving "),
                                QStringLiteral("Line "),
                                QStringLiteral(" column "),
                                QStringLiteral("Missing name."),
                                QStringLiteral("é"),
                                QStringLiteral("/tmp/a b.tms"),
                                QStringLiteral(" players.")};
    QRandomGenerator random(20);
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int count = random.bounded(1, 7);
        for (int k = 0; k < count; ++k)
            text += pieces[random.bounded(static_cast<int>(pieces.size()))];
        ASSERT_EQ(CoreText(text.toStdString()), text);
    }
}

TEST(CoreText, FrenchIsComposedFromTranslatedParts) {
    const InFrench french;
    ASSERT_TRUE(french.loaded());
    ValidationResult missing;
    missing.fault = ValidationFault::MissingName;
    missing.row = 3;
    missing.col = 1;
    ValidationResult self = missing;
    self.fault = ValidationFault::PairedAgainstSelf;
    self.col = 10;
    const struct {
        std::string english;
        const char* french;
    } rows[] = {
        {"Save changes to this chart?", "Enregistrer les modifications de ce tableau?"},
        {English(FaultText(missing, RulesFor(TournamentType::Swiss))),
         "Nom manquant. Ligne 3, nom."},
        {English(FaultText(self, RulesFor(TournamentType::RoundRobin))),
         "Joueur apparié contre lui-même. Ligne 3, joueur 7."},
        {English(InconsistencyText("results", RulesFor(TournamentType::Swiss), 4, 4)),
         "Résultats incohérents. Ligne 4, Ro 1."},
        {English(MemberNumberWarningText("Tremblay, Luc", "")),
         "Tremblay, Luc : aucun numéro de membre"},
        {"Cannot open /tmp/100%1.tms: The file is empty: it holds no player lines.",
         "Impossible d’ouvrir /tmp/100%1.tms : Le fichier est vide : il ne contient aucune "
         "ligne de joueur."},
        {"Result W5 in line 3", "Résultat W5 à la ligne 3"},
        {"Players matched with the database: 3.\rLeft as they were: 4, 7.",
         "Joueurs associés à la base de données : 3.\rLaissées telles quelles : 4, 7."},
        {"Database file /m.mdb not found.", "Fichier de base de données /m.mdb introuvable."},
        {"Error saving /x.tms.\rNo space left on device.",
         "Erreur à l’enregistrement de /x.tms.\rNo space left on device."},
        {"Please remove quotation marks, tabs and line breaks from the field \"Province\".\r\r"
         "The report cannot carry them.",
         "Veuillez retirer les guillemets, tabulations et sauts de ligne du champ « Province "
         "».\r\rLe rapport ne peut pas les contenir."},
        // Import refusals nest a reason in a line and a round; the summary goes line by line.
        {"Cannot import /t.trf:\rLine 4: Round 2: the results of start numbers 1 ('1') and 2 "
         "(no result, line 5) disagree.",
         "Impossible d’importer /t.trf :\rLigne 4 : Ronde 2 : les résultats des numéros de "
         "départ 1 ('1') et 2 (aucun résultat, ligne 5) ne concordent pas."},
        {"Players: 2\nRounds: 1\nType: round robin\nTournament: Open\nText read as UTF-8\n"
         "Warning: Line 3: \"Zoë\" is written \"Zoe\"; a chart file cannot hold ë.\n",
         "Joueurs : 2\nRondes : 1\nType : tournoi à la ronde\nTournoi : Open\nTexte lu en "
         "UTF-8\nAvertissement : Ligne 3 : « Zoë » est écrit « Zoe »; un fichier de tableau ne "
         "peut pas contenir ë.\n"},
        {"Error saving /x.tms.\rLine 3 column 1 (\"Name/Nom\") holds \"Ł\" (U+0141), a "
         "character that cannot be saved in a chart file.",
         "Erreur à l’enregistrement de /x.tms.\rLa ligne 3, colonne 1 (« Name/Nom »), contient "
         "« Ł » (U+0141), un caractère qui ne peut pas être enregistré dans un fichier de "
         "tableau."},
        {"Rating outside 0-3000: Bo Chen, 15000", "Cote hors de 0 à 3000 : Bo Chen, 15000"},
        // The standings dialog's heading lines.
        {"Swiss, 8 players, 1 round", "Suisse, 8 joueurs, 1 ronde"},
        {"Tie-breaks: BH, SB", "Départage : BH, SB"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CoreText(row.english), QString::fromUtf8(row.french));
    UseLanguage(QLocale::c());
    EXPECT_EQ(CoreText("Save changes to this chart?"),
              QStringLiteral("Save changes to this chart?"));
}

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

TEST_F(FrenchWindowTest, QuestionsUseQtsFrenchButtonsAndTheCoreTextInFrench) {
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
