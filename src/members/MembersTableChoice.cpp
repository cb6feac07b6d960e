#include "members/MembersTableChoice.h"

#include <stdexcept>

namespace ranvik {

MemberTable ReadMembersTable(MemberDatabase& database) {
    const std::vector<std::string> tables = database.tables();
    if (tables.empty())
        throw std::runtime_error("The database holds no table.");
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
