#include "platform/Fonts.h"

namespace ranvik::platform {

void UseBundledFonts() {}

} // namespace ranvik::platform
