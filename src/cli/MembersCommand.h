#pragma once
// ranvik-cli members: the membership database from the command line.

#include <iosfwd>
#include <string>
#include <vector>

namespace ranvik::cli {

int RunMembersCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace ranvik::cli
