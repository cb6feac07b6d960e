#pragma once
// The window comes back as the director left it: its size and place, the docks' places and
// heights, and the split between the chart and the members list. Kept in a state file of
// its own, apart from the settings. A layout that cannot be trusted is dropped: the blobs
// are checked first, and a start that died while restoring them skips them next time.

class QMainWindow;
class QSplitter;

namespace ranvik {

// Restores what was saved; true when the size and place came back.
bool RestoreWindowLayout(QMainWindow& window, QSplitter& splitter);
void SaveWindowLayout(const QMainWindow& window, const QSplitter& splitter);

} // namespace ranvik
