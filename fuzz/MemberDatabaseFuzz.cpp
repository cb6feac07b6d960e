// Arbitrary bytes opened as a membership database by each engine, in this process (the
// program itself reads Access files in a helper process; here the library's faults must show).
// Every table is read; the first is shown in each ordering, walked row by row and searched.

#include "FuzzTarget.h"

#include "members/AccessFile.h"
#include "members/MemberTable.h"
#include "members/SqliteDatabase.h"

#include <stdexcept>

using namespace ranvik;

namespace {

void WalkEveryOrdering(MemberTable& table) {
    for (MemberOrder order : {MemberOrder::Name, MemberOrder::Number, MemberOrder::Province}) {
        MemberOrdering& ordering = table.ordering(order);
        ordering.last();
        ordering.prior();
        ordering.first();
        for (std::size_t i = 0; i < ordering.size(); ++i) {
            if (const auto row = ordering.currentRow()) {
                for (std::size_t f = 0; f < table.fields().size(); ++f)
                    table.value(*row, f);
            }
            ordering.next();
        }
        // Search by the text of a row that is there, by a prefix of it, and by nothing.
        const auto field = table.findField(OrderFieldName(order));
        if (field && table.rowCount() > 0) {
            const auto& value = table.value(table.rowCount() / 2, *field);
            if (value) {
                ordering.find(*value);
                ordering.find(value->substr(0, value->size() / 2));
            }
        }
        ordering.find("");
    }
}

template <typename Engine> void ReadEveryTable(Engine& engine) {
    bool first = true;
    for (const std::string& name : engine.tables()) {
        try {
            MemberRows rows = engine.readTable(name);
            if (first) {
                MemberTable table = MemberTable::AnyTable(name, std::move(rows));
                WalkEveryOrdering(table);
            }
        } catch (const std::runtime_error&) {
        }
        first = false;
    }
}

template <typename Engine> void OpenAndRead(const std::string& path) {
    try {
        Engine engine(path);
        ReadEveryTable(engine);
    } catch (const std::runtime_error&) {
    }
}

} // namespace

RANVIK_FUZZ_TARGET(member_database) {
    const std::string path = fuzz::ScratchFile(data, size, ".mdb");
    OpenAndRead<AccessFile>(path);
    OpenAndRead<SqliteDatabase>(path);
    return 0;
}
