#pragma once

class QWidget;

namespace ranvik {

// Moves a top-level window so that it stands in the middle of the primary screen's free
// area (the desktop without its panels). Does nothing when there is no screen.
void CenterOnScreen(QWidget& window);

} // namespace ranvik
