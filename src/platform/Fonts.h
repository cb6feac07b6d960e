#pragma once
// The PDF export draws with DejaVu Sans. Linux has it from the system (fontconfig); Windows
// has no DejaVu of its own, so the installer puts the font files in a "fonts" folder beside
// the program and they are made known to this process (to no other) before the first use.

namespace ranvik::platform {

// Idempotent and cheap after the first call; a missing folder changes nothing (the system's
// nearest font then stands in).
void UseBundledFonts();

} // namespace ranvik::platform
