#pragma once
// State of the membership database view: the open database's table and the models the
// view shows.

namespace ranvik {

struct DatabaseView {};

} // namespace ranvik
