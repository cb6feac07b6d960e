#pragma once
// The chart document's questions asked with the program's dialogs, over the main window.

#include "document/DocumentPrompts.h"
#include "ui/FileDialog.h"

#include <functional>
#include <map>

class QWidget;

namespace ranvik {

class ChartView;
class Settings;
struct AppDialogs;

class WindowPrompts : public DocumentPrompts {
  public:
    WindowPrompts(QWidget& window, ChartView& chartView, Settings& settings);

    void setDialogs(const AppDialogs* dialogs) { dialogs_ = dialogs; }
    // The open chart's file (empty for a new chart): what Save as proposes.
    std::function<QString()> chartFileName;
    // The folder each kind of file was last chosen in; saveFolders keeps them in the
    // settings file for the next run.
    QString folderFor(FileKind kind);
    void saveFolders() const;

    SaveChangesAnswer askSaveChanges(const Message& question) override;
    std::optional<TournamentType> askTournamentType(TournamentType suggested) override;
    std::optional<RatingSystem> askRatingSystem() override;
    RowChoice askRowForMember() override;
    SpellingChoice askSpelling(const std::string& text, const std::vector<std::string>& characters,
                               const std::string& nearest) override;
    bool confirm(const Message& question) override;
    bool confirmReplace(const Message& question) override;
    bool ignoreWarning(const Message& warning) override;
    InconsistencyAnswer askInconsistency(const Message& message) override;
    bool confirmMemberNumbers(const std::vector<Message>& flaggedLines) override;
    std::optional<TournamentInfo> askTournamentInfo(TournamentType type) override;
    MemberPick pickMember(const MemberPickQuestion& question) override;
    std::optional<std::string> chooseFileToOpen(FileKind kind) override;
    std::optional<std::string> chooseFileToSave(FileKind kind,
                                                const std::string& proposedName) override;
    RecoveryChoice askRecovery(const std::vector<RecoveryDescription>& copies) override;
    bool confirmOpenHeldChart(const std::string& path) override;
    void showError(const Message& message) override;
    void showInformation(const Message& message) override;
    void showCell(int col, int row) override;

  private:
    std::optional<std::string> remembered(FileKind kind, const QString& chosen);

    QWidget& window_;
    ChartView& chartView_;
    Settings& settings_;
    const AppDialogs* dialogs_ = nullptr;
    FileDialog openDialog_{FileDialog::Mode::Open};
    FileDialog saveDialog_{FileDialog::Mode::Save};
    std::map<FileKind, QString> folders_;
};

} // namespace ranvik
