#pragma once
// A table's rows and a database's table names as one flat byte stream: how the helper
// process that reads a membership file hands its result back, or the message saying why it
// could not.

#include "members/MemberDatabase.h"
#include "messages/Message.h"

#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

std::string EncodeTableNames(const std::vector<std::string>& names);
std::string EncodeMemberRows(const MemberRows& rows);

// Both throw DatabaseError when the stream is cut short, has bytes left over or claims
// more than it holds (or more rows than CheckMemberTableSize allows): a stream is never
// trusted further than its own length.
std::vector<std::string> DecodeTableNames(std::string_view bytes);
MemberRows DecodeMemberRows(std::string_view bytes);

// The messages a reading of a membership file gives (those of the membership database).
bool IsDatabaseMessageKind(MessageKind kind);

// A reader's message, its kind and values, with no further parts. Decoding takes only a kind
// of the membership database with exactly the values its text names, nested at most a few
// deep, and throws DatabaseError otherwise: a helper that read a hostile file may say anything.
std::string EncodeDatabaseMessage(const Message& message);
Message DecodeDatabaseMessage(std::string_view bytes);

} // namespace ranvik
