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
};

// Sentences that carry values: %1, %2... stand for a name, a number or a path, or for
// another core text, which is translated in its turn. More particular patterns come first.
constexpr std::array kPatterns = {
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
    QT_TRANSLATE_NOOP("CoreText", "Result against line %1, which has no name."),
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
    // Recovery copies.
    QT_TRANSLATE_NOOP("CoreText", "Cannot restore %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot create %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Inconsistent opponents found. Line %1 column %2."),
    QT_TRANSLATE_NOOP("CoreText", "Inconsistent results found. Line %1 column %2."),
    QT_TRANSLATE_NOOP("CoreText", "%1 Line %2 column %3."),
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
                      "Line %1 column %2 holds a character that cannot be saved in a chart "
                      "file."),
    QT_TRANSLATE_NOOP("CoreText", "It is a symbolic link that cannot be followed: %1."),
    QT_TRANSLATE_NOOP("CoreText", "The old file could not be kept aside: %1."),
    QT_TRANSLATE_NOOP("CoreText", "%1 The first file could not be put back as it was."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Please remove quotation marks, tabs and line breaks from the field "
                      "\"%1\".\r\rThe report cannot carry them."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The report cannot be written: the field \"%1\" holds a character that "
                      "the report file cannot carry."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The report cannot be written: the entry in line %1 column %2 holds a "
                      "character that the report file cannot carry."),
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
    QString text = Translate(source);
    const int values = found.lastCapturedIndex();
    // One pass over the translation, so a value holding "%2" is never taken for a marker.
    if (values == 1)
        return text.arg(TranslatedValue(found.captured(1)));
    if (values == 2)
        return text.arg(TranslatedValue(found.captured(1)), TranslatedValue(found.captured(2)));
    return text.arg(TranslatedValue(found.captured(1)), TranslatedValue(found.captured(2)),
                    TranslatedValue(found.captured(3)));
}

} // namespace

std::optional<QString> TranslatedCoreText(const QString& english) {
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

QString CoreText(const std::string& english) {
    const QString text = ToQString(english);
    return TranslatedCoreText(text).value_or(text);
}

} // namespace ranvik
