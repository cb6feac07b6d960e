#include "document/LoadPlayerWorkflow.h"

#include "document/Cancelled.h"
#include "document/ChartDocument.h"

#include "chart/ResultNotation.h"
#include "files/NearestSpelling.h"
#include "members/DatabaseError.h"
#include "members/MemberTable.h"
#include "members/PlayerValues.h"

namespace ranvik {

namespace {

// The current record's values. Every field is looked up before anything is read, so a
// table lacking one throws (naming it) before the chart is touched. An empty table gives
// empty values.
MemberCells CurrentMember(const MemberTable& table, const MemberOrdering& ordering,
                          const std::string& ratingField) {
    const std::size_t numberField = table.field("NUMBER");
    const std::size_t nameField = table.field("NAME");
    const std::size_t rating = table.field(ratingField);
    if (const auto row = ordering.currentRow()) {
        return MemberCellsOf(table.value(*row, nameField), table.value(*row, numberField),
                             table.value(*row, rating));
    }
    return MemberCellsOf(std::nullopt, std::nullopt, std::nullopt);
}

// Only a well-formed number can be a duplicate; the selected row counts too.
bool NumberInChart(const Chart& chart, const std::string& number) {
    if (!IsValidMemberNumber(number))
        return false;
    for (int row = 1; row < chart.rowCount(); ++row) {
        if (chart.cell(ChartColumn::MemberNumber, row) == number)
            return true;
    }
    return false;
}

} // namespace

LoadPlayerWorkflow::LoadPlayerWorkflow(ChartDocument& document, DocumentPrompts& prompts)
    : document_(document), prompts_(prompts) {}

// The row the member goes into: the selected one when its name is empty, otherwise as the
// user answers. Nothing when the user cancels or no row can be added.
std::optional<int> LoadPlayerWorkflow::rowForMember(int selectedRow) {
    Tournament& tournament = document_.tournament();
    const Chart& chart = tournament.chart();
    if (chart.cell(ChartColumn::Name, selectedRow).empty())
        return selectedRow;
    switch (prompts_.askRowForMember()) {
    case RowChoice::Overwrite:
        return selectedRow;
    case RowChoice::Append:
        // The first row from the selected one down whose name is empty, else a new row.
        for (int row = selectedRow; row < chart.rowCount(); ++row) {
            if (chart.cell(ChartColumn::Name, row).empty())
                return row;
        }
        if (!document_.addRow())
            return std::nullopt;
        return chart.rowCount() - 1;
    case RowChoice::Insert:
        if (!chart.cell(ChartColumn::Name, chart.rowCount() - 1).empty() && !document_.addRow())
            return std::nullopt;
        tournament.openRowAt(selectedRow);
        return selectedRow;
    case RowChoice::Cancel:
        break;
    }
    return std::nullopt;
}

// A field a chart file cannot hold is asked about at once, not found out at Save; false
// when the user cancels the load.
bool LoadPlayerWorkflow::askSpellings(std::string& name, std::string& number) {
    for (std::string* field : {&name, &number}) {
        const std::vector<std::string> lost = CharactersChartCannotHold(*field);
        if (lost.empty())
            continue;
        const std::string nearest = NearestSpelling(*field);
        switch (prompts_.askSpelling(*field, lost, nearest)) {
        case SpellingChoice::Nearest:
            *field = nearest;
            break;
        case SpellingChoice::AsItIs:
            break;
        case SpellingChoice::Cancel:
            return false;
        }
    }
    return true;
}

LoadPlayerResult LoadPlayerWorkflow::run(const MemberTable* table, const MemberOrdering* ordering,
                                         int selectedRow) {
    const std::optional<RatingSystem> system = document_.ensureRatingSystem();
    if (!system)
        return Cancelled();
    if (!table || !ordering) {
        const Message message(MessageKind::LoadNoDatabase);
        prompts_.showError(message);
        return {Outcome::Failed, 0, message};
    }
    MemberCells member;
    try {
        member = CurrentMember(*table, *ordering, RatingFieldName(*system));
    } catch (const DatabaseError& e) {
        prompts_.showError(e.message());
        return {Outcome::Failed, 0, e.message()};
    }
    if (!member.refusal.empty()) {
        const Message message(MessageKind::MemberNotLoadable, {member.refusal});
        prompts_.showError(message);
        return {Outcome::Failed, 0, message};
    }
    Tournament& tournament = document_.tournament();
    if (NumberInChart(tournament.chart(), member.number) &&
        !prompts_.ignoreWarning(Message(MessageKind::MemberNumberAlreadyInChart))) {
        return Cancelled();
    }
    if (!askSpellings(member.name, member.number))
        return Cancelled();
    const Tournament::Step step(tournament, Message(MessageKind::UndoLoadPlayer));
    const std::optional<int> target = rowForMember(selectedRow);
    if (!target)
        return Cancelled();

    Chart& chart = tournament.chart();
    chart.setCell(ChartColumn::Name, *target, member.name);
    chart.setCell(ChartColumn::MemberNumber, *target, member.number);
    chart.setCell(ChartColumn::Rating, *target, member.rating);
    LoadPlayerResult done;
    done.row = *target;
    return done;
}

} // namespace ranvik
