#pragma once
// The document's questions answered from the command line's options: no one is asked.
// Inconsistency messages are printed as they are met; other messages are left to the
// command, which prints them in its own form.

#include "document/DocumentPrompts.h"

#include <iosfwd>

namespace ranvik::cli {

class CommandLinePrompts : public DocumentPrompts {
  public:
    CommandLinePrompts(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    InconsistencyAnswer inconsistencyPolicy = InconsistencyAnswer::Cancel;
    TournamentType type = TournamentType::Swiss;
    RatingSystem ratingSystem = RatingSystem::Regular;
    TournamentInfo info;
    std::string outputPath;

    SaveChangesAnswer askSaveChanges(const Message&) override { return SaveChangesAnswer::Discard; }
    std::optional<TournamentType> askTournamentType(TournamentType) override { return type; }
    std::optional<RatingSystem> askRatingSystem() override { return ratingSystem; }
    RowChoice askRowForMember() override { return RowChoice::Cancel; }
    // The command line keeps a member's text as the database has it.
    SpellingChoice askSpelling(const std::string&, const std::vector<std::string>&,
                               const std::string&) override {
        return SpellingChoice::AsItIs;
    }
    bool confirm(const Message&) override { return true; }
    // The command line replaces the files it is told to write.
    bool confirmReplace(const Message&) override { return true; }
    bool ignoreWarning(const Message&) override { return true; }
    InconsistencyAnswer askInconsistency(const Message& message) override;
    // The flagged lines go to standard error; the report goes on.
    bool confirmMemberNumbers(const std::vector<Message>& flaggedLines) override;
    std::optional<TournamentInfo> askTournamentInfo(TournamentType) override { return info; }
    // The command line leaves a line it cannot settle alone and lists it.
    MemberPick pickMember(const MemberPickQuestion&) override { return {PickAction::SkipAll}; }
    std::optional<std::string> chooseFileToOpen(FileKind) override { return std::nullopt; }
    std::optional<std::string> chooseFileToSave(FileKind, const std::string&) override {
        return outputPath;
    }
    bool canAskAgain() const override { return false; }
    void showError(const Message&) override {}
    void showInformation(const Message&) override {}
    void showCell(int, int) override {}

  private:
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace ranvik::cli
