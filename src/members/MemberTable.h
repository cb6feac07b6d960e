#pragma once
// The membership table held in memory: every row of the database's first table, shown in
// three orderings (by name, by number, by province), each with its own current record.

#include "members/MemberDatabase.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

enum class MemberOrder { Name, Number, Province };

// The field each ordering sorts and searches by: "NAME", "NUMBER", "PROV".
const char* OrderFieldName(MemberOrder order);

// One ordering: the rows sorted by one field, compared without regard to case or accents,
// NULL and empty values first, ties kept in the table's own order.
class MemberOrdering {
  public:
    MemberOrdering(const MemberRows& rows, std::size_t field);
    // An ordering over a field the table lacks: the table's own order, every key empty.
    explicit MemberOrdering(std::size_t rowCount);

    std::size_t size() const { return rows_.size(); }
    // The table row shown at a position of this ordering.
    std::size_t rowAt(std::size_t position) const { return rows_[position]; }

    // The current record; stays 0 (and currentRow() empty) while the table has no rows.
    std::size_t position() const { return position_; }
    std::optional<std::size_t> currentRow() const;
    void setPosition(std::size_t position);
    void first() { setPosition(0); }
    void prior();
    void next();
    void last();

    // Moves to the first record whose field begins with the prefix, regardless of case and
    // accents; an empty prefix finds only an empty or NULL field. Gives false and stays where
    // it was when nothing matches.
    bool find(std::string_view prefix);

  private:
    std::vector<std::size_t> rows_; // table rows in this ordering's order
    std::vector<std::string> keys_; // folded field values, same order (sorted)
    std::size_t position_ = 0;
};

class MemberTable {
  public:
    // Throws DatabaseError naming the field when NAME, NUMBER or PROV is missing.
    MemberTable(std::string tableName, MemberRows rows);

    // Any table, with or without the membership fields: an ordering whose field is missing
    // keeps the table's own order. For showing whatever first table a database lists.
    static MemberTable AnyTable(std::string tableName, MemberRows rows);

    const std::string& tableName() const { return tableName_; }
    const std::vector<std::string>& fields() const { return rows_.fields; }
    std::size_t rowCount() const { return rows_.rows.size(); }

    // Field index by name, regardless of case; nullopt when the table has no such field.
    std::optional<std::size_t> findField(std::string_view name) const;
    // As findField, but throws DatabaseError naming the missing field.
    std::size_t field(std::string_view name) const;

    const std::optional<std::string>& value(std::size_t row, std::size_t field) const {
        return rows_.rows[row][field];
    }
    const std::optional<std::string>& value(std::size_t row, std::string_view fieldName) const {
        return value(row, field(fieldName));
    }

    MemberOrdering& ordering(MemberOrder order) { return orderings_[Index(order)]; }
    const MemberOrdering& ordering(MemberOrder order) const { return orderings_[Index(order)]; }

  private:
    MemberTable(std::string tableName, MemberRows rows, bool requireOrderFields);
    static std::size_t Index(MemberOrder order) { return static_cast<std::size_t>(order); }
    std::vector<MemberOrdering> BuildOrderings(bool requireOrderFields) const;

    std::string tableName_;
    MemberRows rows_;
    std::vector<MemberOrdering> orderings_; // indexed by MemberOrder
};

// Reads the first table the database lists (whatever its name) into a MemberTable. Throws
// DatabaseError when the database has no table or the table lacks a needed field.
MemberTable LoadMemberTable(MemberDatabase& database);

} // namespace ranvik
