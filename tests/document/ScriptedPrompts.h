#pragma once
// The document's questions answered from queues a test fills; every question asked and
// every message shown is recorded. A question with no answer queued fails the test.

#include "document/DocumentPrompts.h"

#include <gtest/gtest.h>

#include <deque>

namespace ranvik::test {

class ScriptedPrompts : public DocumentPrompts {
  public:
    std::deque<SaveChangesAnswer> saveChanges;
    std::deque<std::optional<TournamentType>> types;
    std::deque<std::optional<RatingSystem>> ratingSystems;
    std::deque<RowChoice> rowChoices;
    std::deque<bool> confirmations;
    std::deque<SpellingChoice> spellings;
    std::deque<std::optional<std::string>> files;
    std::optional<TournamentInfo> info;
    bool acceptNumbers = true;
    std::deque<MemberPick> picks;

    std::vector<MemberPickQuestion> pickQuestions;
    std::vector<std::string> information;
    std::deque<RecoveryChoice> recoveryAnswers;
    std::vector<std::vector<RecoveryDescription>> recoveryLists; // the copies of each question
    std::deque<bool> openHeldAnswers;

    std::vector<std::string> asked;
    std::vector<std::string> errors;
    std::vector<std::pair<int, int>> shownCells;

    SaveChangesAnswer askSaveChanges(const Message& question) override {
        return next(saveChanges, English(question));
    }
    // Asked as "type 1": the type it proposes, numbered as the type control numbers them.
    std::optional<TournamentType> askTournamentType(TournamentType suggested) override {
        return next(types, "type " + std::to_string(static_cast<int>(suggested)));
    }
    std::optional<RatingSystem> askRatingSystem() override {
        return next(ratingSystems, "rating system");
    }
    RowChoice askRowForMember() override { return next(rowChoices, "row for member"); }
    SpellingChoice askSpelling(const std::string& text, const std::vector<std::string>&,
                               const std::string& nearest) override {
        return next(spellings, "spelling of " + text + " or " + nearest);
    }
    bool confirm(const Message& question) override {
        return next(confirmations, English(question));
    }
    bool confirmReplace(const Message& question) override {
        return next(confirmations, English(question));
    }
    bool ignoreWarning(const Message& warning) override {
        return next(confirmations, English(warning));
    }
    InconsistencyAnswer askInconsistency(const Message& message) override {
        asked.push_back(English(message));
        return InconsistencyAnswer::Cancel;
    }
    bool confirmMemberNumbers(const std::vector<Message>&) override {
        asked.emplace_back("member numbers");
        return acceptNumbers;
    }
    std::optional<TournamentInfo> askTournamentInfo(TournamentType) override {
        asked.emplace_back("tournament information");
        return info;
    }
    MemberPick pickMember(const MemberPickQuestion& question) override {
        pickQuestions.push_back(question);
        return next(picks, "pick a member for line " + std::to_string(question.row));
    }
    std::optional<std::string> chooseFileToOpen(FileKind) override {
        return next(files, "file to open");
    }
    std::optional<std::string> chooseFileToSave(FileKind, const std::string& proposed) override {
        return next(files, "file to save " + proposed);
    }
    RecoveryChoice askRecovery(const std::vector<RecoveryDescription>& copies) override {
        recoveryLists.push_back(copies);
        return next(recoveryAnswers, "recovery of " + std::to_string(copies.size()) + " charts");
    }
    bool confirmOpenHeldChart(const std::string& path) override {
        return next(openHeldAnswers, "held " + path);
    }
    void showError(const Message& message) override { errors.push_back(English(message)); }
    void showInformation(const Message& message) override {
        information.push_back(English(message));
    }
    void showCell(int col, int row) override { shownCells.emplace_back(col, row); }

  private:
    template <class T> T next(std::deque<T>& queue, const std::string& question) {
        asked.push_back(question);
        if (queue.empty()) {
            ADD_FAILURE() << "no answer queued for: " << question;
            return T{};
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

} // namespace ranvik::test
