#pragma once
// The platform's standard keys for the window's file and help actions (found by their
// object names), with the keys directors know from elsewhere where the platform has none.

class QWidget;

namespace ranvik {

void AddStandardShortcuts(QWidget& window);

} // namespace ranvik
