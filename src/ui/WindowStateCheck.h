#pragma once
// Qt's readers of a window's saved layout trust the counts inside the bytes: a damaged file
// could crash every start. These checks take a blob only when it has the shape this
// program's window writes, every count and size within what a screen can hold; anything else
// is dropped and the window keeps its usual layout.

#include <QByteArray>
#include <QSize>
#include <QStringList>

namespace ranvik {

// QMainWindow::saveState of a window whose only docks are `dockNames` and which has no
// tool bars.
bool IsSoundDockState(const QByteArray& blob, const QStringList& dockNames);
// QSplitter::saveState of a splitter of at most `widgets` widgets.
bool IsSoundSplitterState(const QByteArray& blob, int widgets);
// QWidget::saveGeometry of a window no larger than the desktop of `desktop`'s size (a frame's
// width to spare): a larger one would ask for a drawing surface of that size.
bool IsSoundGeometry(const QByteArray& blob, QSize desktop);
// The size of the desktop all screens make up; empty without a screen.
QSize DesktopSize();

} // namespace ranvik
