// The core's messages in the window: every kind's English word for word, and a French text
// for each that carries the same values.

#include "ui/MessageText.h"
#include "ui/QtText.h"
#include "ui/Translations.h"

#include "chart/TabSeparated.h"
#include "chart/Tournament.h"
#include "chart/TournamentTypeName.h"
#include "files/ChartFile.h"
#include "files/FileWriter.h"
#include "import/TrfImport.h"
#include "members/DatabaseError.h"
#include "members/MemberDatabase.h"
#include "members/PlayerValues.h"
#include "settings/IniText.h"
#include "validation/Validation.h"

#include "TrfText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include <gtest/gtest.h>

namespace ranvik::test {
namespace {

QSet<QString> Markers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

TEST(MessageText, EveryKindHasTheCoreEnglishAndAFrenchTextWithTheSameValues) {
    QTranslator french;
    ASSERT_TRUE(french.load(QStringLiteral("ranvik_fr"), QStringLiteral(":/i18n")));
    for (int k = 1; k < static_cast<int>(MessageKind::KindCount); ++k) {
        const auto kind = static_cast<MessageKind>(k);
        const QString english = QString::fromUtf8(MessageSource(kind));
        SCOPED_TRACE(english.toStdString());
        EXPECT_EQ(english, ToQString(EnglishTemplate(kind)));
        const QString translated = french.translate("Message", MessageSource(kind));
        EXPECT_FALSE(translated.isEmpty()) << "no French text";
        EXPECT_EQ(Markers(translated), Markers(english));
    }
}

TEST(MessageText, EnglishWindowShowsWhatTheCommandLinePrints) {
    Message message(MessageKind::MissingName);
    message.then(Message(MessageKind::InconsistentResults), Message::Break::Paragraph);
    EXPECT_EQ(MessageText(message), ToQString(English(message)));
}

// The messages as the real producers give them, each part translated in its place: a reason
// inside "Cannot open", a cell's place inside a fault, the lines of a summary — not half in
// English as a pattern that missed once left them.
TEST(MessageText, MessagesReadInFrenchWithTheirPartsTranslated) {
    ASSERT_TRUE(UseLanguage(QLocale(QLocale::French, QLocale::Canada)));
    Tournament swiss;
    swiss.layOutStartChart();
    swiss.enterCell(ChartColumn::FirstResult, 3, "W5");
    Tournament empty;
    Message missing;
    try {
        OpenMemberDatabase("/nonexistent/m.mdb");
    } catch (const DatabaseError& error) {
        missing = error.message();
    }
    Message summary(MessageKind::PlayersMatchedPicked, {2, 1});
    summary.then(
        Message(MessageKind::MatchLeftAlone, {Message(MessageKind::MatchLines, {"3, 4"})}));
    // An import refused two levels down, and a summary with a respelled name.
    Message importRefused(MessageKind::ImportCannot, {"/t.trf"});
    importRefused.then(RefusalMessage(
        ImportTrf(TrfFileText({{1, "Ann", "", "", {"2w1"}}, {2, "Bob", "", "", {"1b "}}}),
                  TrfTypeChoice::Auto)));
    const Message imported = ImportSummary(
        ImportTrf(TrfFileText({{1, "Łukasz", "", "", {"2 1"}}, {2, "Bo", "", "", {"1 0"}}}),
                  TrfTypeChoice::Auto));
    const struct {
        Message message;
        const char* french;
    } rows[] = {
        {FaultText({ValidationFault::MissingName, 3, 1}, RulesFor(TournamentType::Swiss)),
         "Nom manquant. Ligne 3, nom."},
        {FaultText({ValidationFault::PairedAgainstSelf, 3, 10},
                   RulesFor(TournamentType::RoundRobin)),
         "Joueur apparié contre lui-même. Ligne 3, joueur 7."},
        {InconsistencyText("results", RulesFor(TournamentType::Swiss), 4, 4),
         "Résultats incohérents. Ligne 4, Ro 1."},
        {Message(MessageKind::CannotOpen,
                 {"/tmp/100%1.tms", ReadChartFile(empty, std::string()).message}),
         "Impossible d’ouvrir /tmp/100%1.tms : Le fichier est vide : il ne contient aucune "
         "ligne de joueur."},
        {SavingError("/x.tms", UnusableFileName("")),
         "Erreur à l’enregistrement de /x.tms.\nAucun nom de fichier n’a été donné."},
        {Message(MessageKind::NothingPasted, {ReadPastedBlock("a\tb\x01", {10, 10}).fault}),
         "Rien n’a été collé : La ligne 1, colonne 2 contient un caractère de contrôle "
         "(U+0001)."},
        {SettingsTextFault("[A\n"),
         "la ligne 1 n’est pas un titre de section que le lecteur prend en entier"},
        {swiss.history().undoName(), "Résultat W5 à la ligne 3"},
        {missing, "Fichier de base de données /nonexistent/m.mdb introuvable."},
        {Message(MessageKind::MemberNotLoadable, {MemberCellsOf("A", "\t", std::nullopt).refusal}),
         "Le membre ne peut pas être chargé : le champ NUMBER du membre contient un caractère "
         "de contrôle (U+0009)."},
        {summary, "Joueurs associés à la base de données : 2 (1 choisis par vous).\nLaissées "
                  "telles quelles : lignes 3, 4."},
        {importRefused, "Impossible d’importer /t.trf :\nLigne 2 : Ronde 1 : les résultats des "
                        "numéros de départ 1 ('1') et 2 (aucun résultat, ligne 3) ne concordent "
                        "pas."},
        {imported,
         "Joueurs : 2\nRondes : 1\nType : tournoi à la ronde\nTournoi : Test Open\n"
         "Texte lu en UTF-8\nAvertissement : Ligne 2 : « Łukasz » est écrit « Lukasz »; un "
         "fichier de tableau ne peut pas contenir Ł."},
        // The standings' heading: the type's name inside the line is French too.
        {Message(MessageKind::StandingsTypePlayers,
                 {TournamentTypeName(TournamentType::DoubleRoundRobin), 3}),
         "Double tournoi à la ronde, 3 joueurs"},
        {Message(MessageKind::StandingsTypePlayersRound,
                 {TournamentTypeName(TournamentType::Swiss), 8, 1}),
         "Suisse, 8 joueurs, 1 ronde"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(MessageText(row.message), QString::fromUtf8(row.french)) << English(row.message);
    UseLanguage(QLocale::c());
}

} // namespace
} // namespace ranvik::test
