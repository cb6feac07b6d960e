#pragma once

namespace ranvik {

// How a command the director started ended.
enum class Outcome { Done, Cancelled, Failed };

} // namespace ranvik
