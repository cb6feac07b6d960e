#pragma once
// Loading the membership database's current member into the chart: its values checked, a
// duplicate number and a character the chart file cannot hold asked about, then the line
// it goes into chosen, all as one step.

#include "document/Outcome.h"
#include "messages/Message.h"

#include <optional>
#include <string>

namespace ranvik {

class ChartDocument;
class DocumentPrompts;
class MemberOrdering;
class MemberTable;

struct LoadPlayerResult {
    Outcome outcome = Outcome::Done;
    int row = 0; // the row the member went into
    Message message;
};

class LoadPlayerWorkflow {
  public:
    LoadPlayerWorkflow(ChartDocument& document, DocumentPrompts& prompts);
    // A null table means no database is open.
    LoadPlayerResult run(const MemberTable* table, const MemberOrdering* ordering, int selectedRow);

  private:
    std::optional<int> rowForMember(int selectedRow);
    bool askSpellings(std::string& name, std::string& number);

    ChartDocument& document_;
    DocumentPrompts& prompts_;
};

} // namespace ranvik
