#include "ui/WindowPrompts.h"

#include "files/FileNames.h"
#include "ui/Application.h"
#include "ui/ChartView.h"
#include "ui/MemberNumberCheckDialog.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/QuestionDialog.h"
#include "ui/TournamentInfoDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace ranvik {

namespace {

const QString kChartFilter = QStringLiteral("TMS files (*.tms)|*.TMS|All files (*.*)|*.*");
const QString kReportFilter =
    QStringLiteral("QRB tournament reports (*.qtr)|*.qtr|All files (*.*)|*.*");

// The proposed name goes into the folder the save dialog was last used in.
QString ProposalInLastFolder(const QString& lastName, const QString& proposed) {
    const QFileInfo last(lastName);
    if (lastName.isEmpty() || !last.isAbsolute())
        return proposed;
    return last.absolutePath() + QLatin1Char('/') + proposed;
}

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

} // namespace

WindowPrompts::WindowPrompts(QWidget& window, ChartView& chartView)
    : window_(window), chartView_(chartView) {}

SaveChangesAnswer WindowPrompts::askSaveChanges(const std::string& question, bool canCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (canCancel)
        buttons |= QMessageBox::Cancel;
    const auto answer = prompts::confirm(&window_, ToQString(question), buttons);
    if (answer == QMessageBox::Yes)
        return SaveChangesAnswer::Save;
    if (answer == QMessageBox::No || !canCancel)
        return SaveChangesAnswer::Discard;
    return SaveChangesAnswer::Cancel;
}

std::optional<TournamentType> WindowPrompts::askTournamentType() {
    QuestionDialog& question = *dialogs_->question;
    question.setQuestion(QStringLiteral("Confirm the type of tournament you are opening.\r"
                                        "If you are not sure, make your best guess."),
                         QStringLiteral("Swiss"), QStringLiteral("Round robin"),
                         QStringLiteral("Dbl R.R."), QStringLiteral("Cancel"));
    const int answer = question.ask();
    if (answer == 4)
        return std::nullopt;
    return static_cast<TournamentType>(answer - 1);
}

RatingSystem WindowPrompts::askRatingSystem() {
    QuestionDialog& question = *dialogs_->question;
    question.setQuestion(QStringLiteral("What rating system did this event use?"),
                         QStringLiteral("&Regular"), QStringLiteral("&Active"), QString(),
                         QString());
    return question.ask() == 1 ? RatingSystem::Regular : RatingSystem::Active;
}

RowChoice WindowPrompts::askRowForMember() {
    QuestionDialog& question = *dialogs_->question;
    question.setQuestion(QStringLiteral("Selected chart row is not empty.\rYou can append this "
                                        "entry to the bottom of the chart or insert it."),
                         QStringLiteral("&Overwrite"), QStringLiteral("&Append"),
                         QStringLiteral("&Insert"), QStringLiteral("&Cancel"));
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
    question.setQuestion(
        QCoreApplication::translate("WindowPrompts",
                                    "\"%1\" holds characters a chart file cannot hold: %2.\r"
                                    "The nearest spelling it can hold is \"%3\".")
            .arg(ToQString(text), shown.join(QStringLiteral(" ")), ToQString(nearest)),
        QCoreApplication::translate("WindowPrompts", "&Use %1").arg(ToQString(nearest)),
        QCoreApplication::translate("WindowPrompts", "&Keep as it is"),
        QCoreApplication::translate("WindowPrompts", "&Cancel"), QString());
    switch (question.ask()) {
    case 1:
        return SpellingChoice::Nearest;
    case 2:
        return SpellingChoice::AsItIs;
    default:
        return SpellingChoice::Cancel;
    }
}

bool WindowPrompts::confirm(const std::string& question) {
    return prompts::confirm(&window_, ToQString(question), QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

bool WindowPrompts::confirmReplace(const std::string& question) {
    return prompts::confirm(&window_, ToQString(question), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool WindowPrompts::ignoreWarning(const std::string& warning) {
    return prompts::warn(&window_, ToQString(warning), QMessageBox::Cancel | QMessageBox::Ignore) ==
           QMessageBox::Ignore;
}

InconsistencyAnswer WindowPrompts::askInconsistency(const std::string& message) {
    return prompts::askInconsistency(&window_, ToQString(message));
}

bool WindowPrompts::confirmMemberNumbers(const std::vector<std::string>& flaggedLines) {
    QStringList lines;
    for (const std::string& line : flaggedLines)
        lines << ToQString(line);
    return dialogs_->memberNumberCheck->ask(lines);
}

std::optional<TournamentInfo> WindowPrompts::askTournamentInfo(TournamentType type) {
    TournamentInfoDialog& dialog = *dialogs_->tournamentInfo;
    dialog.setTournamentType(ToQString(TournamentTypeText(type)));
    if (!dialog.ask())
        return std::nullopt;
    return dialog.info();
}

std::optional<std::string> WindowPrompts::chooseFileToOpen(FileKind) {
    openDialog_.setFilter(kChartFilter);
    return Chosen(openDialog_.exec(&window_));
}

std::optional<std::string> WindowPrompts::chooseFileToSave(FileKind kind,
                                                           const std::string& proposedName) {
    if (kind == FileKind::Chart) {
        saveDialog_.setFilter(kChartFilter);
        saveDialog_.setFileName(
            ToQString(WithExtensionChanged(saveDialog_.fileName().toStdString(), ".tms")));
    } else {
        saveDialog_.setFilter(kReportFilter);
        saveDialog_.setFileName(
            ProposalInLastFolder(saveDialog_.fileName(), ToQString(proposedName)));
    }
    return Chosen(saveDialog_.exec(&window_));
}

void WindowPrompts::showError(const std::string& message) {
    prompts::showError(&window_, ToQString(message));
}

void WindowPrompts::showCell(int col, int row) {
    // Row first, then column, as the cursor would travel.
    chartView_.setCurrentCell(chartView_.currentCol(), row);
    chartView_.setCurrentCell(col, row);
    chartView_.setFocus();
}

} // namespace ranvik
