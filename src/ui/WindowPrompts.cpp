#include "ui/WindowPrompts.h"

#include "chart/TournamentTypeName.h"
#include "files/FileNames.h"
#include "settings/Settings.h"
#include "ui/Application.h"
#include "ui/ChartView.h"
#include "ui/MemberNumberCheckDialog.h"
#include "ui/MemberPickDialog.h"
#include "ui/MessageText.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/QuestionDialog.h"
#include "ui/TournamentInfoDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

namespace ranvik {

namespace {

QString ChartFilter() {
    return QCoreApplication::translate("WindowPrompts",
                                       "TMS files (*.tms)|*.TMS|All files (*.*)|*.*");
}
QString TrfFilter() {
    return QCoreApplication::translate(
        "WindowPrompts", "FIDE tournament reports (*.trf *.txt)|*.trf;*.txt|All files (*.*)|*.*");
}
QString ReportFilter() {
    return QCoreApplication::translate("WindowPrompts",
                                       "QRB tournament reports (*.qtr)|*.qtr|All files (*.*)|*.*");
}
QString DatabaseFilter() {
    return QCoreApplication::translate(
        "WindowPrompts", "Membership files (*.mdb *.mde *.accdb *.sqlite *.db)|*.MDB;*.MDE;*.ACCDB;"
                         "*.SQLITE;*.DB|All files (*.*)|*.*");
}

Setting<std::string> FolderSetting(FileKind kind) {
    switch (kind) {
    case FileKind::Chart:
        return setting::ChartsFolder;
    case FileKind::Report:
        return setting::ReportsFolder;
    case FileKind::Database:
        return setting::DatabasesFolder;
    case FileKind::Trf:
        return setting::ImportsFolder;
    }
    return setting::ChartsFolder;
}

QString FilterFor(FileKind kind) {
    switch (kind) {
    case FileKind::Report:
        return ReportFilter();
    case FileKind::Database:
        return DatabaseFilter();
    case FileKind::Trf:
        return TrfFilter();
    case FileKind::Chart:
        break;
    }
    return ChartFilter();
}

QString OpenTitle(FileKind kind) {
    switch (kind) {
    case FileKind::Report:
        return QCoreApplication::translate("WindowPrompts", "Open report");
    case FileKind::Database:
        return QCoreApplication::translate("WindowPrompts", "Open membership database");
    case FileKind::Trf:
        return QCoreApplication::translate("WindowPrompts", "Import FIDE tournament report");
    case FileKind::Chart:
        break;
    }
    return QCoreApplication::translate("WindowPrompts", "Open chart");
}

QString SaveTitle(FileKind kind) {
    switch (kind) {
    case FileKind::Report:
        return QCoreApplication::translate("WindowPrompts", "Save report");
    case FileKind::Database:
    case FileKind::Trf:
    case FileKind::Chart:
        break;
    }
    return QCoreApplication::translate("WindowPrompts", "Save chart");
}

// A bare name goes into the folder; an empty name gives the folder alone (with its final
// separator, so the dialog proposes no name in it).
QString InFolder(const QString& folder, const QString& name) {
    if (folder.isEmpty() || QFileInfo(name).isAbsolute())
        return name;
    return folder + QLatin1Char('/') + name;
}

} // namespace

WindowPrompts::WindowPrompts(QWidget& window, ChartView& chartView, Settings& settings)
    : window_(window), chartView_(chartView), settings_(settings) {}

SaveChangesAnswer WindowPrompts::askSaveChanges(const Message& question) {
    // Escape and the close button are Cancel: never an answer that saves or discards.
    switch (prompts::confirm(
        &window_, QCoreApplication::translate("WindowPrompts", "Save changes?"),
        MessageText(question), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return SaveChangesAnswer::Save;
    case QMessageBox::No:
        return SaveChangesAnswer::Discard;
    default:
        return SaveChangesAnswer::Cancel;
    }
}

namespace {

QString TypeSuggestion(TournamentType suggested) {
    switch (suggested) {
    case TournamentType::RoundRobin:
        return QCoreApplication::translate(
            "WindowPrompts", "Its first line has one result column per player: probably a "
                             "round robin.");
    case TournamentType::DoubleRoundRobin:
        return QCoreApplication::translate(
            "WindowPrompts", "Its first line has two result columns per player: probably a "
                             "double round robin.");
    case TournamentType::Swiss:
        break;
    }
    return QCoreApplication::translate(
        "WindowPrompts", "Its first line has neither one nor two result columns per player: "
                         "probably a Swiss or match chart.");
}

} // namespace

std::optional<TournamentType> WindowPrompts::askTournamentType(TournamentType suggested) {
    QuestionDialog& question = *dialogs_->question;
    question.setWindowTitle(QCoreApplication::translate("WindowPrompts", "Chart type"));
    question.setQuestion(QCoreApplication::translate(
                             "WindowPrompts", "Which kind of tournament is this chart?\r"
                                              "A Swiss or match chart has a column per round; "
                                              "a round robin a column per player.") +
                             QStringLiteral("\r\r") + TypeSuggestion(suggested),
                         QCoreApplication::translate("WindowPrompts", "Swiss"),
                         QCoreApplication::translate("WindowPrompts", "Round robin"),
                         QCoreApplication::translate("WindowPrompts", "Dbl R.R."),
                         QCoreApplication::translate("WindowPrompts", "Cancel"));
    question.setCancelAnswer(4);
    question.setProposedAnswer(static_cast<int>(suggested) + 1);
    const int answer = question.ask();
    if (answer < 1 || answer > 3)
        return std::nullopt;
    return static_cast<TournamentType>(answer - 1);
}

std::optional<RatingSystem> WindowPrompts::askRatingSystem() {
    QuestionDialog& question = *dialogs_->question;
    question.setWindowTitle(QCoreApplication::translate("WindowPrompts", "Rating system"));
    question.setQuestion(
        QCoreApplication::translate("WindowPrompts", "What rating system did this event use?"),
        QCoreApplication::translate("WindowPrompts", "&Regular"),
        QCoreApplication::translate("WindowPrompts", "&Active"),
        QCoreApplication::translate("WindowPrompts", "&Cancel"), QString());
    question.setCancelAnswer(3);
    switch (question.ask()) {
    case 1:
        return RatingSystem::Regular;
    case 2:
        return RatingSystem::Active;
    default:
        return std::nullopt;
    }
}

RowChoice WindowPrompts::askRowForMember() {
    QuestionDialog& question = *dialogs_->question;
    question.setWindowTitle(QCoreApplication::translate("WindowPrompts", "Load player"));
    question.setQuestion(QCoreApplication::translate(
                             "WindowPrompts", "Selected chart row is not empty.\rYou can append "
                                              "this entry to the bottom of the chart "
                                              "or insert it."),
                         QCoreApplication::translate("WindowPrompts", "&Overwrite"),
                         QCoreApplication::translate("WindowPrompts", "&Append"),
                         QCoreApplication::translate("WindowPrompts", "&Insert"),
                         QCoreApplication::translate("WindowPrompts", "&Cancel"));
    question.setCancelAnswer(4);
    switch (question.ask()) {
    case 1:
        return RowChoice::Overwrite;
    case 2:
        return RowChoice::Append;
    case 3:
        return RowChoice::Insert;
    default:
        return RowChoice::Cancel;
    }
}

SpellingChoice WindowPrompts::askSpelling(const std::string& text,
                                          const std::vector<std::string>& characters,
                                          const std::string& nearest) {
    QStringList shown;
    for (const std::string& c : characters)
        shown << ToQString(c);
    QuestionDialog& question = *dialogs_->question;
    question.setWindowTitle(QCoreApplication::translate("WindowPrompts", "Spelling"));
    question.setQuestion(
        QCoreApplication::translate("WindowPrompts",
                                    "\"%1\" holds characters a chart file cannot hold: %2.\r"
                                    "The nearest spelling it can hold is \"%3\".")
            .arg(ToQString(text), shown.join(QStringLiteral(" ")), ToQString(nearest)),
        QCoreApplication::translate("WindowPrompts", "&Use %1").arg(ToQString(nearest)),
        QCoreApplication::translate("WindowPrompts", "&Keep as it is"),
        QCoreApplication::translate("WindowPrompts", "&Cancel"), QString());
    question.setCancelAnswer(3);
    switch (question.ask()) {
    case 1:
        return SpellingChoice::Nearest;
    case 2:
        return SpellingChoice::AsItIs;
    default:
        return SpellingChoice::Cancel;
    }
}

bool WindowPrompts::confirm(const Message& question) {
    return prompts::confirm(
               &window_, QCoreApplication::translate("WindowPrompts", "Change the chart?"),
               MessageText(question), QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool WindowPrompts::confirmReplace(const Message& question) {
    return prompts::confirm(&window_, QCoreApplication::translate("WindowPrompts", "Replace file?"),
                            MessageText(question),
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool WindowPrompts::ignoreWarning(const Message& warning) {
    return prompts::warn(&window_, QCoreApplication::translate("WindowPrompts", "Load player"),
                         MessageText(warning),
                         QMessageBox::Cancel | QMessageBox::Ignore) == QMessageBox::Ignore;
}

InconsistencyAnswer WindowPrompts::askInconsistency(const Message& message) {
    return prompts::askInconsistency(&window_, MessageText(message));
}

bool WindowPrompts::confirmMemberNumbers(const std::vector<Message>& flaggedLines) {
    QStringList lines;
    for (const Message& line : flaggedLines)
        lines << MessageText(line);
    return dialogs_->memberNumberCheck->ask(lines);
}

std::optional<TournamentInfo> WindowPrompts::askTournamentInfo(TournamentType type) {
    TournamentInfoDialog& dialog = *dialogs_->tournamentInfo;
    dialog.setTournamentType(MessageText(TournamentTypeName(type)));
    if (!dialog.ask())
        return std::nullopt;
    return dialog.info();
}

MemberPick WindowPrompts::pickMember(const MemberPickQuestion& question) {
    MemberPickDialog dialog(&window_);
    dialog.setQuestion(question);
    return dialog.ask();
}

QString WindowPrompts::folderFor(FileKind kind) {
    const auto known = folders_.find(kind);
    if (known != folders_.end())
        return known->second;
    QString stored = ToQString(settings_.get(FolderSetting(kind)));
    folders_[kind] = stored;
    return stored;
}

void WindowPrompts::saveFolders() const {
    // One write for all of them: each write of the settings file is a synced, safe write.
    std::vector<SettingValue> values;
    for (const auto& [kind, folder] : folders_) {
        if (!folder.isEmpty())
            values.emplace_back(FolderSetting(kind), ToCorePath(folder));
    }
    settings_.set(values);
}

std::optional<std::string> WindowPrompts::remembered(FileKind kind, const QString& chosen) {
    if (chosen.isEmpty())
        return std::nullopt;
    // Kept in memory and written with the other settings at the end: a write now would
    // come between the user's choice and the file's own write.
    folders_[kind] = QFileInfo(chosen).absolutePath();
    return ToCorePath(chosen);
}

std::optional<std::string> WindowPrompts::chooseFileToOpen(FileKind kind) {
    // Each kind of file starts in its own folder: a chart is never proposed as a database.
    openDialog_.setFilter(FilterFor(kind));
    openDialog_.setTitle(OpenTitle(kind));
    // A chart's Open starts at the chart shown, if it has a file.
    const QString current = kind == FileKind::Chart && chartFileName ? chartFileName() : QString();
    openDialog_.setFileName(current.isEmpty() ? InFolder(folderFor(kind), QString()) : current);
    return remembered(kind, openDialog_.exec(&window_));
}

std::optional<std::string> WindowPrompts::chooseFileToSave(FileKind kind,
                                                           const std::string& proposedName) {
    saveDialog_.setFilter(FilterFor(kind));
    saveDialog_.setTitle(SaveTitle(kind));
    QString proposal = ToQString(proposedName);
    if (kind == FileKind::Chart) {
        // The chart's own name; a new chart gets no name at all, in the last chart folder.
        proposal = chartFileName ? chartFileName() : QString();
    }
    saveDialog_.setFileName(InFolder(folderFor(kind), proposal));
    return remembered(kind, saveDialog_.exec(&window_));
}

void WindowPrompts::showError(const Message& message) {
    prompts::showError(&window_, MessageText(message));
}

void WindowPrompts::showInformation(const Message& message) {
    prompts::showInformation(&window_, MessageText(message));
}

void WindowPrompts::showCell(int col, int row) {
    // Row first, then column, as the cursor would travel.
    chartView_.setCurrentCell(chartView_.currentCol(), row);
    chartView_.setCurrentCell(col, row);
    chartView_.setFocus();
}

} // namespace ranvik
