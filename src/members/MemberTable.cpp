#include "members/MemberTable.h"

#include "members/DatabaseError.h"
#include "members/TextFold.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace ranvik {

namespace {

constexpr MemberOrder kOrders[] = {MemberOrder::Name, MemberOrder::Number, MemberOrder::Province};

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

const char* OrderFieldName(MemberOrder order) {
    switch (order) {
    case MemberOrder::Name:
        return "NAME";
    case MemberOrder::Number:
        return "NUMBER";
    case MemberOrder::Province:
        return "PROV";
    }
    return "";
}

MemberOrdering::MemberOrdering(const MemberRows& rows, std::size_t field) {
    const std::size_t count = rows.rows.size();
    std::vector<std::string> folded(count);
    for (std::size_t r = 0; r < count; ++r) {
        const auto& value = rows.rows[r][field];
        if (value)
            folded[r] = FoldForCompare(*value); // NULL folds to "" like the empty text
    }
    rows_.resize(count);
    std::iota(rows_.begin(), rows_.end(), std::size_t{0});
    std::stable_sort(rows_.begin(), rows_.end(),
                     [&](std::size_t a, std::size_t b) { return folded[a] < folded[b]; });
    keys_.reserve(count);
    for (std::size_t r : rows_)
        keys_.push_back(std::move(folded[r]));
}

MemberOrdering::MemberOrdering(std::size_t rowCount) : rows_(rowCount), keys_(rowCount) {
    std::iota(rows_.begin(), rows_.end(), std::size_t{0});
}

std::optional<std::size_t> MemberOrdering::currentRow() const {
    if (rows_.empty())
        return std::nullopt;
    return rows_[position_];
}

void MemberOrdering::setPosition(std::size_t position) {
    if (rows_.empty())
        return;
    position_ = std::min(position, rows_.size() - 1);
}

void MemberOrdering::prior() {
    if (position_ > 0)
        --position_;
}

void MemberOrdering::next() {
    setPosition(position_ + 1);
}

void MemberOrdering::last() {
    if (!rows_.empty())
        position_ = rows_.size() - 1;
}

bool MemberOrdering::find(std::string_view prefix) {
    const std::string key = FoldForCompare(prefix);
    // Keys sharing a prefix sit together in sorted order, from the first key not below it.
    const auto it = std::lower_bound(keys_.begin(), keys_.end(), key);
    if (it == keys_.end())
        return false;
    const bool match = key.empty() ? it->empty() : it->compare(0, key.size(), key) == 0;
    if (!match)
        return false;
    position_ = static_cast<std::size_t>(it - keys_.begin());
    return true;
}

MemberTable::MemberTable(std::string tableName, MemberRows rows)
    : MemberTable(std::move(tableName), std::move(rows), true) {}

MemberTable MemberTable::AnyTable(std::string tableName, MemberRows rows) {
    return MemberTable(std::move(tableName), std::move(rows), false);
}

MemberTable::MemberTable(std::string tableName, MemberRows rows, bool requireOrderFields)
    : tableName_(std::move(tableName)), rows_(std::move(rows)) {
    for (const auto& row : rows_.rows)
        if (row.size() != rows_.fields.size())
            throw DatabaseError(Message(MessageKind::TableRowWrongWidth, {tableName_}));
    orderings_ = BuildOrderings(requireOrderFields);
}

std::vector<MemberOrdering> MemberTable::BuildOrderings(bool requireOrderFields) const {
    std::vector<MemberOrdering> orderings;
    for (MemberOrder order : kOrders) {
        const char* name = OrderFieldName(order);
        if (const auto index = requireOrderFields ? field(name) : findField(name))
            orderings.emplace_back(rows_, *index);
        else
            orderings.emplace_back(rows_.rows.size());
    }
    return orderings;
}

std::optional<std::size_t> MemberTable::findField(std::string_view name) const {
    for (std::size_t i = 0; i < rows_.fields.size(); ++i)
        if (SameNameIgnoringCase(rows_.fields[i], name))
            return i;
    return std::nullopt;
}

std::size_t MemberTable::field(std::string_view name) const {
    if (auto index = findField(name))
        return *index;
    throw DatabaseError(Message(MessageKind::MembershipFieldMissing, {tableName_, name}));
}

MemberTable LoadMemberTable(MemberDatabase& database) {
    const auto tables = database.tables();
    if (tables.empty())
        throw DatabaseError(Message(MessageKind::DatabaseHoldsNoTable));
    return MemberTable(tables.front(), database.readTable(tables.front()));
}

} // namespace ranvik
