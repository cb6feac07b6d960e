// The live check's warnings about whole lines (the same name twice, a rating out of range),
// the director's and organiser's numbers, and the cells a chart file cannot hold.

#include "validation/ChartProblems.h"

#include "validation/ChartWarnings.h"

namespace ranvik {

namespace {
bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}
} // namespace

void ChartProblems::Recount(LinesByText& lines, std::string& counted, std::string now, int row) {
    if (!counted.empty()) {
        const auto found = lines.find(counted);
        found->second.erase(row);
        if (found->second.empty())
            lines.erase(found);
    }
    counted = std::move(now);
    if (!counted.empty())
        lines[counted].insert(row);
}

void ChartProblems::setName(int row) {
    Recount(nameRows_, nameOf_[row], SameNameKey(text(ChartColumn::Name, row)), row);
}

void ChartProblems::setRating(int row) {
    if (RatingOutsideRange(text(ChartColumn::Rating, row)))
        badRatings_.insert(row);
    else
        badRatings_.erase(row);
}

void ChartProblems::setOfficialNumbers(std::string_view director, std::string_view organiser) {
    officialWarnings_ = OfficialNumberWarnings(director, organiser);
    if (onUpdated)
        onUpdated(ProblemsUpdate{});
}

void ChartProblems::addLineWarnings(std::vector<ChartWarning>& out) const {
    const Chart& chart = tournament_.chart();
    for (const Message& text : officialWarnings_)
        out.push_back({ChartWarningKind::OfficialNumberNotSixDigits, {}, text});
    for (const int row : badRatings_) {
        out.push_back({ChartWarningKind::RatingOutOfRange,
                       {ChartColumn::Rating, row},
                       RatingWarningText(chart.cell(ChartColumn::Name, row),
                                         chart.cell(ChartColumn::Rating, row))});
    }
    for (const auto& [name, lines] : nameRows_) {
        if (lines.size() > 1) {
            const int first = *lines.begin();
            out.push_back({ChartWarningKind::SameName,
                           {ChartColumn::Name, first},
                           SameNameWarningText(chart.cell(ChartColumn::Name, first), lines)});
        }
    }
}

// Every line the file would write, hidden columns aside; ASCII, nearly every cell, is always
// held and costs no call.
void ChartProblems::checkFileCells(int col0, int row0, int col1, int row1, ProblemsUpdate& update) {
    if (!fileRule_)
        return;
    const Chart& chart = tournament_.chart();
    const int lastRow = std::min(row1, tournament_.playerRows());
    const int lastCol = std::min(col1, chart.colCount() - 1);
    for (int row = std::max(row0, 1); row <= lastRow; ++row) {
        for (int col = std::max(col0, 0); col <= lastCol; ++col) {
            if (!IsAscii(chart.cell(col, row)) || unsavable_.count(key(col, row)) != 0)
                checkFileCell(col, row, update);
        }
    }
}

void ChartProblems::checkFileCell(int col, int row, ProblemsUpdate& update) {
    Message message = fileRule_(tournament_.chart(), col, row);
    const Key k = key(col, row);
    const auto known = unsavable_.find(k);
    const bool was = known != unsavable_.end();
    if ((was ? known->second : Message()) == message)
        return;
    if (was)
        mark({col, row}, -1);
    if (message.empty()) {
        unsavable_.erase(k);
    } else {
        unsavable_[k] = std::move(message);
        mark({col, row}, 1);
    }
    update.cells.push_back({col, row});
}

void ChartProblems::addFileProblems(std::vector<std::pair<Key, ChartProblem>>& out) const {
    for (const auto& [k, message] : unsavable_)
        out.push_back({k, {ValidationFault::None, cellOf(k), {}, message}});
}

} // namespace ranvik
