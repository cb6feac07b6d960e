#pragma once
// Filling the membership numbers and ratings of the lines without a valid number from the
// members of the same name: one match is taken, several or none are asked line by line. A
// filled number cell is never written; the whole match is one step.

#include "document/Outcome.h"
#include "members/NameMatch.h"
#include "messages/Message.h"

#include <string>
#include <vector>

namespace ranvik {

class ChartDocument;
class DocumentPrompts;
class MemberTable;

struct MatchResult {
    Outcome outcome = Outcome::Done;
    int matched = 0;       // lines filled from the database, picked ones included
    int picked = 0;        // of those, the ones the director chose among candidates
    std::vector<int> left; // lines looked up and left as they were
    MatchApplied applied;  // the cells written: UndoNameMatches puts them back in one step
    Message message;
};

class MatchPlayersWorkflow {
  public:
    MatchPlayersWorkflow(ChartDocument& document, DocumentPrompts& prompts);
    // A null table means no database is open.
    MatchResult run(const MemberTable* table);

  private:
    ChartDocument& document_;
    DocumentPrompts& prompts_;
};

} // namespace ranvik
