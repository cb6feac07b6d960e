#include "ui/CoreText.h"

#include "ui/QtText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <vector>

namespace ranvik {

namespace {

constexpr const char* kContext = "CoreText";

// Sentences the core gives word for word.
constexpr std::array kSentences = {
    // Chart validation.
    QT_TRANSLATE_NOOP("CoreText", "Invalid result or opponent, or incorrect tournament type."),
    QT_TRANSLATE_NOOP("CoreText", "Missing name."),
    QT_TRANSLATE_NOOP("CoreText", "Invalid rating."),
    QT_TRANSLATE_NOOP("CoreText", "Player paired against self."),
    QT_TRANSLATE_NOOP("CoreText", "Entry must be \"X\" here for round robin tournament type."),
    QT_TRANSLATE_NOOP("CoreText", "Inconsistent opponents."),
    QT_TRANSLATE_NOOP("CoreText", "Inconsistent results."),
    // The columns a cell's place names beside its line.
    QT_TRANSLATE_NOOP("CoreText", "name"),
    QT_TRANSLATE_NOOP("CoreText", "membership number"),
    QT_TRANSLATE_NOOP("CoreText", "rating"),
    // The document's questions and refusals.
    QT_TRANSLATE_NOOP("CoreText", "Save changes to this chart?"),
    QT_TRANSLATE_NOOP("CoreText", "Save changes to this tournament?"),
    QT_TRANSLATE_NOOP("CoreText", "This will clear all rounds entered so far. Proceed?"),
    QT_TRANSLATE_NOOP("CoreText", "Sorry. Resorting of round robin grids is not allowed."),
    QT_TRANSLATE_NOOP("CoreText", "You must first open a database to load from."),
    QT_TRANSLATE_NOOP("CoreText", "Duplicate QRB number."),
    // Chart files.
    QT_TRANSLATE_NOOP("CoreText", "The file is empty: it holds no player lines."),
    QT_TRANSLATE_NOOP("CoreText", "The file is saved as UTF-16; save it as plain text."),
    // File names and writing.
    QT_TRANSLATE_NOOP("CoreText", "No file name was given."),
    QT_TRANSLATE_NOOP("CoreText", "The name ends in a folder separator, so it names no file."),
    QT_TRANSLATE_NOOP("CoreText", "It is a folder, not a file."),
    QT_TRANSLATE_NOOP("CoreText", "It is a device, not a regular file."),
    QT_TRANSLATE_NOOP("CoreText", "It is a FIFO (named pipe), not a regular file."),
    QT_TRANSLATE_NOOP("CoreText", "It is a socket, not a regular file."),
    QT_TRANSLATE_NOOP("CoreText", "It is not a regular file."),
    QT_TRANSLATE_NOOP("CoreText", "It is a symbolic link to a file that does not exist."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The file is open in another program, which does not let it be replaced."),
    QT_TRANSLATE_NOOP("CoreText", "it is a FIFO (named pipe), not a regular file"),
    QT_TRANSLATE_NOOP("CoreText", "it is a device, not a regular file"),
    QT_TRANSLATE_NOOP("CoreText", "it is a socket, not a regular file"),
    QT_TRANSLATE_NOOP("CoreText", "it is not a regular file"),
    // Tournament information and the report.
    QT_TRANSLATE_NOOP("CoreText", "Please provide a name for the tournament."),
    QT_TRANSLATE_NOOP("CoreText", "Please enter the province."),
    QT_TRANSLATE_NOOP("CoreText", "Please provide an ending date."),
    QT_TRANSLATE_NOOP("CoreText", "Please provide an ending date in YYYY/MM/DD format.\r\r"
                                  "Date must be exactly 10 characters long. Example: 2009/01/31"),
    QT_TRANSLATE_NOOP("CoreText", "Please provide the TD's QRB number."),
    QT_TRANSLATE_NOOP("CoreText", "Date must be in YYYY/MM/DD format. Example: 2009/01/31"),
    QT_TRANSLATE_NOOP("CoreText", "Swiss"),
    QT_TRANSLATE_NOOP("CoreText", "Round robin"),
    QT_TRANSLATE_NOOP("CoreText", "Double round robin"),
    // Matching players with the membership database.
    QT_TRANSLATE_NOOP("CoreText", "You must first open a database to match players with."),
    QT_TRANSLATE_NOOP("CoreText", "Every player named in the chart has a membership number."),
    // The membership database.
    QT_TRANSLATE_NOOP("CoreText", "The database holds no table."),
    QT_TRANSLATE_NOOP("CoreText", "Name of database file (*.mdb) not specified."),
    // Recovery copies.
    QT_TRANSLATE_NOOP("CoreText", "No folder for recovery copies."),
    QT_TRANSLATE_NOOP("CoreText", "the copy is damaged or cut short."),
    // The steps that Undo and Redo name.
    QT_TRANSLATE_NOOP("CoreText", "Clear all results"),
    QT_TRANSLATE_NOOP("CoreText", "Clear cells"),
    QT_TRANSLATE_NOOP("CoreText", "Cut"),
    QT_TRANSLATE_NOOP("CoreText", "Delete row"),
    QT_TRANSLATE_NOOP("CoreText", "Import TRF"),
    QT_TRANSLATE_NOOP("CoreText", "Insert row"),
    QT_TRANSLATE_NOOP("CoreText", "Load player"),
    QT_TRANSLATE_NOOP("CoreText", "Match players"),
    QT_TRANSLATE_NOOP("CoreText", "New chart"),
    QT_TRANSLATE_NOOP("CoreText", "Number of players"),
    QT_TRANSLATE_NOOP("CoreText", "Number of rounds"),
    QT_TRANSLATE_NOOP("CoreText", "Paste"),
    QT_TRANSLATE_NOOP("CoreText", "Sort by rating"),
    QT_TRANSLATE_NOOP("CoreText", "Tournament type"),
    QT_TRANSLATE_NOOP("CoreText", "Name of tournament"),
    QT_TRANSLATE_NOOP("CoreText", "Province"),
    QT_TRANSLATE_NOOP("CoreText", "Reference number"),
    QT_TRANSLATE_NOOP("CoreText", "Ending date of tournament"),
    QT_TRANSLATE_NOOP("CoreText", "Tournament director QRB number"),
    QT_TRANSLATE_NOOP("CoreText", "Organiser QRB number"),
    QT_TRANSLATE_NOOP("CoreText", "The report cannot be written: it holds a character that the "
                                  "report file cannot carry."),
    QT_TRANSLATE_NOOP("CoreText", "A report cannot be saved as a .tms file: that name is for the "
                                  "chart file saved beside the report. Choose a name ending in "
                                  ".qtr."),
    // Importing a FIDE tournament report: its summary, warnings and refusals.
    QT_TRANSLATE_NOOP("CoreText", "round robin"),
    QT_TRANSLATE_NOOP("CoreText", "double round robin"),
    QT_TRANSLATE_NOOP("CoreText", "no result"),
    QT_TRANSLATE_NOOP("CoreText", "Colours are not kept: the chart has no place for them."),
    QT_TRANSLATE_NOOP("CoreText", "the start number (columns 5-8) is not a number from 1 up."),
    QT_TRANSLATE_NOOP("CoreText", "This is not a FIDE tournament report file: it has no player "
                                  "line (a line beginning with 001)."),
    // The standings: the default title and the tables' captions and column headers.
    QT_TRANSLATE_NOOP("CoreText", "Standings"),
    QT_TRANSLATE_NOOP("CoreText", "Cross-table"),
    QT_TRANSLATE_NOOP("CoreText", "Rank"),
    QT_TRANSLATE_NOOP("CoreText", "Line"),
    QT_TRANSLATE_NOOP("CoreText", "Name"),
    QT_TRANSLATE_NOOP("CoreText", "Member"),
    QT_TRANSLATE_NOOP("CoreText", "Rating"),
    QT_TRANSLATE_NOOP("CoreText", "Points"),
    QT_TRANSLATE_NOOP("CoreText", "Pts"),
    QT_TRANSLATE_NOOP("CoreText", "Place"),
};

// Sentences that carry values: %1, %2... stand for a name, a number or a path, or for
// another core text, which is translated in its turn. More particular patterns come first.
constexpr std::array kPatterns = {
    // Questions before an edit drops filled cells.
    QT_TRANSLATE_NOOP("CoreText", "Delete line %1 and everything in it?\rThe result in another "
                                  "line that names this player is cleared too."),
    QT_TRANSLATE_NOOP("CoreText", "Delete line %1 and everything in it?\rThe %2 results in other "
                                  "lines that name this player are cleared too."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Lowering the players to %1 removes 1 line that holds names or results."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Lowering the players to %1 removes %2 lines that hold names or results."),
    QT_TRANSLATE_NOOP("CoreText", "Lowering the rounds to %1 removes 1 result."),
    QT_TRANSLATE_NOOP("CoreText", "Lowering the rounds to %1 removes %2 results."),
    QT_TRANSLATE_NOOP("CoreText", "Switching to %1 overwrites or hides %2 results."),
    QT_TRANSLATE_NOOP("CoreText", "Switching to %1 overwrites 1 result."),
    QT_TRANSLATE_NOOP("CoreText", "Switching to %1 overwrites %2 results."),
    QT_TRANSLATE_NOOP("CoreText", "Switching to %1 hides 1 result."),
    QT_TRANSLATE_NOOP("CoreText", "Switching to %1 hides %2 results."),
    // Entries the report files otherwise than they read, and where they stand.
    QT_TRANSLATE_NOOP("CoreText", "The report files a forfeit against line %1 as a played game "
                                  "against that player; the federation asks for 0 as the "
                                  "opponent of a forfeit"),
    QT_TRANSLATE_NOOP("CoreText", "A bye has no opponent: the number %1 is ignored in the report"),
    QT_TRANSLATE_NOOP("CoreText", "Line %1, %2: %3"),
    // Typed edits that Undo names.
    QT_TRANSLATE_NOOP("CoreText", "Result cleared in line %1"),
    QT_TRANSLATE_NOOP("CoreText", "Result %1 in line %2"),
    QT_TRANSLATE_NOOP("CoreText", "Name in line %1"),
    QT_TRANSLATE_NOOP("CoreText", "Membership number in line %1"),
    QT_TRANSLATE_NOOP("CoreText", "Rating in line %1"),
    QT_TRANSLATE_NOOP("CoreText", "Cell in line %1"),
    // The problems panel's warnings.
    QT_TRANSLATE_NOOP("CoreText", "Membership number %1 on lines %2."),
    QT_TRANSLATE_NOOP("CoreText", "Membership number not six digits: %1"),
    QT_TRANSLATE_NOOP("CoreText", "%1: no membership number"),
    QT_TRANSLATE_NOOP("CoreText", "Result against line %1, which has no name."),
    QT_TRANSLATE_NOOP("CoreText", "Rating outside 0-3000: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Same name on lines %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Tournament director QRB number not six digits: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Organiser QRB number not six digits: %1"),
    // Editing the chart.
    QT_TRANSLATE_NOOP("CoreText", "Delete line %1 and everything in it?"),
    QT_TRANSLATE_NOOP("CoreText", "The pasted lines would reach line %1; a chart holds at most "
                                  "%2 players. Nothing was pasted."),
    // Matching players: the summary is put together from its sentences.
    QT_TRANSLATE_NOOP("CoreText", "%1\rLeft as they were: %2.\rWritten in the nearest spelling "
                                  "a chart file can hold: %3."),
    QT_TRANSLATE_NOOP("CoreText", "%1\rWritten in the nearest spelling a chart file can hold: "
                                  "%2."),
    QT_TRANSLATE_NOOP("CoreText", "%1\rLeft as they were: %2."),
    QT_TRANSLATE_NOOP("CoreText", "Players matched with the database: %1 (%2 picked by you)."),
    QT_TRANSLATE_NOOP("CoreText", "Players matched with the database: %1."),
    QT_TRANSLATE_NOOP("CoreText", "%1\rControl characters in the name written as spaces: %2."),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1\rNot written, a value of the member cannot go into a chart cell: %2."),
    QT_TRANSLATE_NOOP("CoreText", "The member cannot be loaded: %1."),
    QT_TRANSLATE_NOOP("CoreText", "the member's %1 holds a control character (%2)"),
    QT_TRANSLATE_NOOP("CoreText",
                      "the member's %1 holds %2 characters; a chart cell holds at most %3"),
    // Importing a FIDE tournament report.
    QT_TRANSLATE_NOOP("CoreText", "Cannot import %1:\r%2"),
    // The membership database.
    QT_TRANSLATE_NOOP("CoreText", "Database file %1 not found."),
    QT_TRANSLATE_NOOP("CoreText", "The database file %1 is a folder, not a file."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The database file %1 is not a regular file (a FIFO, device or socket)."),
    QT_TRANSLATE_NOOP("CoreText", "The database file %1 cannot be read."),
    QT_TRANSLATE_NOOP("CoreText", "The file %1 is neither an Access nor an SQLite database."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The Access database %1 is damaged: its list of tables cannot be read."),
    QT_TRANSLATE_NOOP("CoreText", "The Access database %1 is damaged: %2"),
    QT_TRANSLATE_NOOP("CoreText", "The Access database %1 cannot be opened."),
    QT_TRANSLATE_NOOP("CoreText", "The Access database %1 cannot be read: %2."),
    QT_TRANSLATE_NOOP("CoreText", "The Access database %1 cannot be read."),
    QT_TRANSLATE_NOOP("CoreText", "The SQLite database %1 cannot be opened: %2"),
    QT_TRANSLATE_NOOP("CoreText", "The SQLite database %1 cannot be read: %2."),
    QT_TRANSLATE_NOOP("CoreText", "The table %1 in %2 cannot be read: %3"),
    QT_TRANSLATE_NOOP("CoreText", "The table %1 in %2 cannot be read."),
    QT_TRANSLATE_NOOP("CoreText", "The table %1 has a row of the wrong width."),
    QT_TRANSLATE_NOOP("CoreText", "The membership table %1 has no field %2."),
    QT_TRANSLATE_NOOP("CoreText", "The database has no table %1."),
    QT_TRANSLATE_NOOP("CoreText", "row %1 of the table %2 cannot be read."),
    QT_TRANSLATE_NOOP("CoreText", "the table %1 declares %2 rows, but %3 can be read."),
    QT_TRANSLATE_NOOP("CoreText", "it has more than %1 rows; no membership list is that long."),
    QT_TRANSLATE_NOOP("CoreText", "it holds more than %1 values (rows times fields); no "
                                  "membership list is that large."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The SQLite database %1 has changes in %2-wal that are not yet in the file "
                      "itself; close the program that writes it, then try again."),
    // Recovery copies.
    QT_TRANSLATE_NOOP("CoreText", "Cannot restore %1: %2"),
    QT_TRANSLATE_NOOP("CoreText",
                      "The recovery folder %1 is a symbolic link; no copy is written through it."),
    // Pasting.
    QT_TRANSLATE_NOOP("CoreText", "Nothing was pasted: %1"),
    QT_TRANSLATE_NOOP("CoreText",
                      "The text has more than %1 lines, but a chart holds at most %2 players."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Line %1 has more than %2 cells, but the widest chart has %3 columns."),
    // A settings file the program leaves alone.
    QT_TRANSLATE_NOOP("CoreText", "line %1 holds a NUL byte"),
    QT_TRANSLATE_NOOP("CoreText", "line %1 is not a section heading the reader takes whole"),
    QT_TRANSLATE_NOOP("CoreText", "line %1 is neither a section, a setting nor a comment"),
    QT_TRANSLATE_NOOP("CoreText", "line %1 gives a setting of its section a second time"),
    QT_TRANSLATE_NOOP("CoreText",
                      "line %1 is a comment before a section named again, which the reader drops"),
    QT_TRANSLATE_NOOP("CoreText",
                      "line %1 is a comment after the last setting, which the reader drops"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot create %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Inconsistent opponents found. %1."),
    QT_TRANSLATE_NOOP("CoreText", "Inconsistent results found. %1."),
    QT_TRANSLATE_NOOP("CoreText", "%1 Line %2, %3."),
    QT_TRANSLATE_NOOP("CoreText", "The chart already holds %1 players."),
    QT_TRANSLATE_NOOP("CoreText", "%1 already exists.\rDo you want to replace it?"),
    QT_TRANSLATE_NOOP("CoreText", "Error saving report to file: %1\r%2"),
    QT_TRANSLATE_NOOP("CoreText", "Error saving %1.\r%2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot open %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot read %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "the file is larger than %1 MB"),
    QT_TRANSLATE_NOOP("CoreText", "The file is larger than any chart can be (more than %1 MB)."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The file holds a NUL byte (line %1), which no chart file has: it is not "
                      "a chart file."),
    QT_TRANSLATE_NOOP("CoreText", "The file has %1 lines, but a chart holds at most %2 players."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The first line has %1 fields, but the widest chart has %2 columns."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The first line has %1 fields, but a Swiss or match chart holds at most "
                      "%2 rounds (%3 columns)."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Line %1 column %2 (\"%3\") holds \"%4\" (U+%5), a character that cannot "
                      "be saved in a chart file."),
    QT_TRANSLATE_NOOP("CoreText", "Line %1 column %2 holds a control character (%3)."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Line %1 column %2 holds %3 characters; a chart cell holds at most %4."),
    QT_TRANSLATE_NOOP("CoreText", "The path is %1 bytes long; the system takes %2 at most."),
    QT_TRANSLATE_NOOP("CoreText",
                      "A name in the path is %1 bytes long; a file or folder name is %2 bytes "
                      "at most."),
    QT_TRANSLATE_NOOP("CoreText", "It is a symbolic link that cannot be followed: %1."),
    QT_TRANSLATE_NOOP("CoreText", "The old file could not be kept aside: %1."),
    QT_TRANSLATE_NOOP("CoreText", "%1 The first file could not be put back as it was."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Please remove quotation marks, tabs and line breaks from the field "
                      "\"%1\".\r\rThe report cannot carry them."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The ending date %1 is not a date of the calendar.\r\rPlease provide the "
                      "day the tournament ended, in YYYY/MM/DD format."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The ending date %1 lies more than a day in the future.\r\rPlease provide "
                      "the day the tournament ended, in YYYY/MM/DD format."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The report cannot be written: the field \"%1\" holds a character that "
                      "the report file cannot carry."),
    QT_TRANSLATE_NOOP("CoreText", "The report cannot be written: the entry at %1 holds a "
                                  "character that the report file cannot carry."),
    // Importing a FIDE tournament report: the summary's lines.
    QT_TRANSLATE_NOOP("CoreText", "Players: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Rounds: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Type: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Tournament: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Text read as %1"),
    QT_TRANSLATE_NOOP("CoreText", "Warning: %1"),
    // Its warnings.
    QT_TRANSLATE_NOOP("CoreText",
                      "Line %1: \"%2\" is written \"%3\"; a chart file cannot hold %4."),
    QT_TRANSLATE_NOOP("CoreText", "Line %1 (%2): the file gives a score of %3, the imported "
                                  "results %4."),
    QT_TRANSLATE_NOOP("CoreText", "Line %1: the bye of round %2 has no cell in a round robin "
                                  "chart and is left out."),
    QT_TRANSLATE_NOOP("CoreText", "Line %1: control characters in the name are written as "
                                  "spaces."),
    QT_TRANSLATE_NOOP("CoreText", "%1 The file is imported as a Swiss chart."),
    QT_TRANSLATE_NOOP("CoreText", "%1 Import it as a Swiss chart."),
    // Its refusals.
    QT_TRANSLATE_NOOP("CoreText", "round %1 (columns %2-%3)"),
    QT_TRANSLATE_NOOP("CoreText", "%1: the opponent '%2' is not a start number."),
    QT_TRANSLATE_NOOP("CoreText", "%1: the colour '%2' is not w, b or -."),
    QT_TRANSLATE_NOOP("CoreText", "%1: the result '%2' is not a result code of the format."),
    QT_TRANSLATE_NOOP("CoreText", "the line holds more than %1 rounds."),
    QT_TRANSLATE_NOOP("CoreText", "the line is longer than %1 bytes; no line of a tournament "
                                  "report is."),
    QT_TRANSLATE_NOOP("CoreText", "The file has more than %1 lines; no tournament report of %2 "
                                  "players is that long."),
    QT_TRANSLATE_NOOP("CoreText", "The file is larger than any tournament report can be (more "
                                  "than %1 MB)."),
    QT_TRANSLATE_NOOP("CoreText", "the rating (columns 49-52) holds a control character (%1)."),
    QT_TRANSLATE_NOOP("CoreText", "start numbers %1 and %2 both lost without playing (a double "
                                  "forfeit); a round robin chart has no cells for that game "
                                  "that its check accepts."),
    QT_TRANSLATE_NOOP("CoreText", "the game of start numbers %1 and %2 has no result; a round "
                                  "robin chart's check refuses a game without one."),
    QT_TRANSLATE_NOOP("CoreText", "Start numbers %1 and %2 meet %3 times instead of %4; the "
                                  "chart's check refuses the empty cells of the games not "
                                  "played."),
    QT_TRANSLATE_NOOP("CoreText", "The file has more than %1 players; a chart holds at most %2."),
    QT_TRANSLATE_NOOP("CoreText", "The file has %1 rounds, but a Swiss chart holds at most %2."),
    QT_TRANSLATE_NOOP("CoreText", "Start number %1 is given to two players (the other on line "
                                  "%2)."),
    QT_TRANSLATE_NOOP("CoreText", "the opponent's start number %1 does not exist."),
    QT_TRANSLATE_NOOP("CoreText", "start number %1 is paired with itself."),
    QT_TRANSLATE_NOOP("CoreText", "start number %1 plays %2, but the line of %3 (line %4) does "
                                  "not pair them."),
    QT_TRANSLATE_NOOP("CoreText", "the results of start numbers %1 (%2) and %3 (%4, line %5) "
                                  "disagree."),
    QT_TRANSLATE_NOOP("CoreText", "start numbers %1 and %2 meet more than once; a round robin "
                                  "chart has no cell for that game."),
    QT_TRANSLATE_NOOP("CoreText", "start numbers %1 and %2 meet more than twice; a double round "
                                  "robin chart has no cell for that game."),
    QT_TRANSLATE_NOOP("CoreText", "Round %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Line %1: %2"),
    // The standings' heading lines, column headers and PDF export.
    QT_TRANSLATE_NOOP("CoreText", "%1, %2 players, %3 rounds"),
    QT_TRANSLATE_NOOP("CoreText", "%1, %2 players, %3 round"),
    QT_TRANSLATE_NOOP("CoreText", "%1, %2 players"),
    QT_TRANSLATE_NOOP("CoreText", "%1, ending %2"),
    QT_TRANSLATE_NOOP("CoreText", "ending %1"),
    QT_TRANSLATE_NOOP("CoreText", "Tie-breaks: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Printed %1"),
    QT_TRANSLATE_NOOP("CoreText", "Rd %1"),
    // A cell's place: its line and its column's heading ("Line 4, player 7"); last, so the
    // longer sentences that start the same way match first.
    QT_TRANSLATE_NOOP("CoreText", "player %1"),
    QT_TRANSLATE_NOOP("CoreText", "Line %1, %2"),
    QT_TRANSLATE_NOOP("CoreText", "cannot make the PDF: %1"),
};

struct Pattern {
    const char* source;
    QRegularExpression match;
};

// "Cannot open %1: %2" matches as ^Cannot open (.*?): (.*?)$; the markers are always in
// order in the English source.
QRegularExpression PatternExpression(const QString& source) {
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QString expression = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = marker.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        expression += QRegularExpression::escape(source.mid(from, found.capturedStart() - from));
        expression += QStringLiteral("(.*?)");
        from = found.capturedEnd();
    }
    expression += QRegularExpression::escape(source.mid(from)) + QStringLiteral("$");
    return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> built;
        built.reserve(kPatterns.size());
        for (const char* source : kPatterns)
            built.push_back({source, PatternExpression(QString::fromUtf8(source))});
        return built;
    }();
    return patterns;
}

QString Translate(const char* source) {
    return QCoreApplication::translate(kContext, source);
}

// A value is kept as it is unless it is itself a core text (the reason after a path).
QString TranslatedValue(const QString& value) {
    return TranslatedCoreText(value).value_or(value);
}

QString Composed(const char* source, const QRegularExpressionMatch& found) {
    QStringList values;
    for (int k = 1; k <= found.lastCapturedIndex(); ++k)
        values << TranslatedValue(found.captured(k));
    // One pass over the translation, so a value holding "%2" is never taken for a marker.
    const QString text = Translate(source);
    QString composed;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int marker = i + 1 < text.size() ? text[i + 1].digitValue() : -1;
        if (text[i] == QLatin1Char('%') && marker >= 1 && marker <= values.size()) {
            composed += values[marker - 1];
            ++i;
        } else {
            composed += text[i];
        }
    }
    return composed;
}

std::optional<QString> TranslatedWhole(const QString& english) {
    const QByteArray utf8 = english.toUtf8();
    for (const char* sentence : kSentences) {
        if (utf8 == sentence)
            return Translate(sentence);
    }
    for (const Pattern& pattern : Patterns()) {
        const QRegularExpressionMatch found = pattern.match.match(english);
        if (found.hasMatch())
            return Composed(pattern.source, found);
    }
    return std::nullopt;
}

// A summary of several lines is translated line by line; an unknown line stays English, and
// only with every line known is the text itself known.
QString TranslatedLines(const QString& english, bool& allKnown) {
    QStringList lines = english.split(QLatin1Char('\n'));
    allKnown = true;
    for (QString& line : lines) {
        if (line.isEmpty())
            continue;
        if (const std::optional<QString> french = TranslatedWhole(line))
            line = *french;
        else
            allKnown = false;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::optional<QString> TranslatedCoreText(const QString& english) {
    if (!english.contains(QLatin1Char('\n')))
        return TranslatedWhole(english);
    bool allKnown = false;
    QString french = TranslatedLines(english, allKnown);
    if (!allKnown)
        return std::nullopt;
    return french;
}

QString CoreText(const std::string& english) {
    const QString text = ToQString(english);
    if (text.contains(QLatin1Char('\n'))) {
        bool allKnown = false;
        return TranslatedLines(text, allKnown);
    }
    return TranslatedWhole(text).value_or(text);
}

} // namespace ranvik
