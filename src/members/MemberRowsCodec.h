#pragma once
// A table's rows and a database's table names as one flat byte stream: how the helper
// process that reads a membership file hands its result back.

#include "members/MemberDatabase.h"

#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

std::string EncodeTableNames(const std::vector<std::string>& names);
std::string EncodeMemberRows(const MemberRows& rows);

// Both throw std::runtime_error when the stream is cut short, has bytes left over or claims
// more than it holds (or more rows than CheckMemberTableSize allows): a stream is never
// trusted further than its own length.
std::vector<std::string> DecodeTableNames(std::string_view bytes);
MemberRows DecodeMemberRows(std::string_view bytes);

} // namespace ranvik
