#pragma once
// The document's part of the standings: the chart checked as the report checks it, and
// the exports written safely.

#include <string>

namespace ranvik {

class ChartDocument;
class DocumentPrompts;
struct SaveResult;

class StandingsExport {
  public:
    StandingsExport(ChartDocument& document, DocumentPrompts& prompts);
    // A cell's fault shows the cell and its message; true when the chart passed.
    bool validate();
    // A failed write is shown and told.
    SaveResult write(const std::string& path, const std::string& bytes);

  private:
    ChartDocument& document_;
    DocumentPrompts& prompts_;
};

} // namespace ranvik
