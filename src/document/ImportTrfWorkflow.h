#pragma once
// Replacing the chart by a pairing program's tournament report file, after the save
// question: its type, counts and cells, as one step, with no file name and no rating
// system. A file that cannot make a chart is refused with its line and reason, the chart
// left as it was.

#include "document/Outcome.h"
#include "messages/Message.h"

namespace ranvik {

class ChartDocument;
class DocumentPrompts;

struct ImportResult {
    Outcome outcome = Outcome::Done;
    Message message; // why it failed
    Message summary; // what was imported
};

class ImportTrfWorkflow {
  public:
    ImportTrfWorkflow(ChartDocument& document, DocumentPrompts& prompts);
    ImportResult run();

  private:
    ChartDocument& document_;
    DocumentPrompts& prompts_;
};

} // namespace ranvik
