#pragma once
// Which table of a membership file holds the members.

#include "members/MemberDatabase.h"
#include "members/MemberTable.h"

namespace ranvik {

// The first table, in the file's order, that has NAME and NUMBER fields (any case); the
// first table when none has. Throws DatabaseError when the file holds no table or the
// chosen table cannot be read.
MemberTable ReadMembersTable(MemberDatabase& database);

} // namespace ranvik
