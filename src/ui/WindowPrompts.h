#pragma once
// The chart document's questions asked with the program's dialogs, over the main window.

#include "document/DocumentPrompts.h"
#include "ui/FileDialog.h"

class QWidget;

namespace ranvik {

class ChartView;
struct AppDialogs;

class WindowPrompts : public DocumentPrompts {
  public:
    WindowPrompts(QWidget& window, ChartView& chartView);

    void setDialogs(const AppDialogs* dialogs) { dialogs_ = dialogs; }
    // Opening keeps one folder and name for charts and databases alike, saving one for
    // charts and reports.
    FileDialog& openDialog() { return openDialog_; }
    FileDialog& saveDialog() { return saveDialog_; }

    SaveChangesAnswer askSaveChanges(const std::string& question, bool canCancel) override;
    std::optional<TournamentType> askTournamentType() override;
    RatingSystem askRatingSystem() override;
    RowChoice askRowForMember() override;
    SpellingChoice askSpelling(const std::string& text, const std::vector<std::string>& characters,
                               const std::string& nearest) override;
    bool confirm(const std::string& question) override;
    bool confirmReplace(const std::string& question) override;
    bool ignoreWarning(const std::string& warning) override;
    InconsistencyAnswer askInconsistency(const std::string& message) override;
    bool confirmMemberNumbers(const std::vector<std::string>& flaggedLines) override;
    std::optional<TournamentInfo> askTournamentInfo(TournamentType type) override;
    std::optional<std::string> chooseFileToOpen(FileKind kind) override;
    std::optional<std::string> chooseFileToSave(FileKind kind,
                                                const std::string& proposedName) override;
    void showError(const std::string& message) override;
    void showCell(int col, int row) override;

  private:
    QWidget& window_;
    ChartView& chartView_;
    const AppDialogs* dialogs_ = nullptr;
    FileDialog openDialog_{FileDialog::Mode::Open};
    FileDialog saveDialog_{FileDialog::Mode::Save};
};

} // namespace ranvik
