#include "ui/MainWindow.h"

#include "files/ChartFile.h"
#include "files/FileWriter.h"
#include "ui/ChartView.h"
#include "ui/MsgDlg.h"
#include "ui/Prompts.h"
#include "ui/SavePaths.h"

namespace ranvik {

namespace {

const QString kChartFilter = QStringLiteral("TMS files (*.tms)|*.TMS|All files (*.*)|*.*");

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Runs Save for a command that must not go on when the chart did not reach its file:
// false when the Save as dialog was cancelled or the write failed (its error is shown).
bool SaveBeforeGoingOn(TForm1& form) {
    form.SaveCancelled = false;
    form.ChartSaveFailed = false;
    form.SaveMenuClick();
    return !form.SaveCancelled && !form.ChartSaveFailed;
}

// The chart file does not record its tournament type, so every open asks for it first.
// False when the director cancelled; the type is set otherwise.
bool AskTypeOfChartToOpen(TMsgDlg& dialog, Tournament& tournament) {
    dialog.SetCaptions(QStringLiteral("Confirm the type of tournament you are opening.\r"
                                      "If you are not sure, make your best guess."),
                       QStringLiteral("Swiss"), QStringLiteral("Round robin"),
                       QStringLiteral("Dbl R.R."), QStringLiteral("Cancel"));
    const int answer = dialog.ask();
    if (answer == 4)
        return false;
    tournament.setType(static_cast<TournamentType>(answer - 1));
    return true;
}

} // namespace

void TForm1::NewMenuClick() {
    if (Modified()) {
        const auto answer =
            prompts::confirm(this, QStringLiteral("Save changes to this tournament?"),
                             QMessageBox::Yes | QMessageBox::No);
        // Having asked for the save, emptying the chart after it did not happen would lose
        // the very changes the user wanted kept.
        if (answer == QMessageBox::Yes && !SaveBeforeGoingOn(*this))
            return;
    }
    RatingField.clear();

    Chart& chart = tournament_.chart();
    const int lastRow = chart.rowCount() - 1;
    const int lastCol = chart.colCount() - 1;
    for (int r = 1; r <= lastRow; ++r) {
        for (int c = 1; c <= lastCol; ++c)
            chart.setCellQuietly(c, r, "");
    }
    if (lastRow >= 1 && lastCol >= 1)
        chart.notifyCellsChanged(1, 1, lastCol, lastRow);
    StringGrid1->setCurrentCell(1, 1);
}

void TForm1::OpenMenuClick() {
    if (Modified()) {
        const auto answer =
            prompts::confirm(this, QStringLiteral("Save changes to this chart?"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer != QMessageBox::Yes && answer != QMessageBox::No)
            return;
        if (answer == QMessageBox::Yes && !SaveBeforeGoingOn(*this))
            return;
    }

    if (!AskTypeOfChartToOpen(*MsgDlg, tournament_))
        return;

    OpenDialog1.setFilter(kChartFilter);
    const QString path = OpenDialog1.exec(this);
    if (path.isEmpty())
        return;
    LoadGrid(path);
}

bool TForm1::openChartFromCommandLine(const QString& path) {
    return AskTypeOfChartToOpen(*MsgDlg, tournament_) && LoadGrid(path);
}

void TForm1::SaveMenuClick() {
    if (!ChartFileName.isEmpty()) {
        SaveGrid(ChartFileName);
        return;
    }
    SaveasMenuClick();
}

void TForm1::SaveasMenuClick() {
    SaveDialog1.setFilter(kChartFilter);
    SaveDialog1.setFileName(WithExtensionChanged(SaveDialog1.fileName(), QStringLiteral(".tms")));
    const QString chosen = SaveDialog1.exec(this);
    if (chosen.isEmpty()) {
        SaveCancelled = true;
        return;
    }
    const QString path = WithDefaultExtension(chosen, QStringLiteral(".tms"));
    if (!ConfirmReplacingCompletedName(this, chosen, path)) {
        SaveCancelled = true;
        return;
    }
    ChartFileName = path;
    SaveGrid(ChartFileName);
}

void TForm1::ExitMenuClick() {
    close();
}

bool TForm1::FormCloseQuery() {
    SaveCancelled = false;
    if (!Modified())
        return true;
    const auto answer = prompts::confirm(this, QStringLiteral("Save changes to this chart?"),
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    // A failed write keeps the window open too: closing would lose the changes.
    return SaveBeforeGoingOn(*this);
}

void TForm1::SaveGrid(const QString& fileName) {
    SaveGridContent(fileName, SaveGridBytes(tournament_.chart()));
}

void TForm1::SaveGridContent(const QString& fileName, const ChartBytes& content) {
    ChartSaveFailed = false;
    if (!content.ok) {
        ChartSaveFailed = true;
        prompts::showError(this, QStringLiteral("Error saving ") + fileName +
                                     QStringLiteral(".\r") + Q(content.message));
        return;
    }
    if (!WriteFileSafely(fileName.toStdString(), content.bytes)) {
        ChartSaveFailed = true;
        prompts::showError(this, QStringLiteral("Error saving ") + fileName + QStringLiteral("."));
        return;
    }
    tournament_.setModified(false);
}

bool TForm1::LoadGrid(const QString& fileName) {
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(fileName.toStdString(), bytes, error)) {
        prompts::showError(this, Q(error));
        return false;
    }
    const LoadOutcome loaded = LoadGridBytes(tournament_, bytes);
    if (!loaded.ok) {
        prompts::showError(this, QStringLiteral("Cannot open ") + fileName + QStringLiteral(": ") +
                                     Q(loaded.message));
        return false;
    }
    ChartFileName = fileName;
    return true;
}

} // namespace ranvik
