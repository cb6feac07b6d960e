#include "members/MembersTableChoice.h"

#include "members/DatabaseError.h"

namespace ranvik {

MemberTable ReadMembersTable(MemberDatabase& database) {
    const std::vector<std::string> tables = database.tables();
    if (tables.empty())
        throw DatabaseError(Message(MessageKind::DatabaseHoldsNoTable));
    std::optional<MemberTable> first;
    for (const std::string& name : tables) {
        MemberTable table = MemberTable::AnyTable(name, database.readTable(name));
        if (table.findField("NAME") && table.findField("NUMBER"))
            return table;
        if (!first)
            first = std::move(table);
    }
    return std::move(*first);
}

} // namespace ranvik
