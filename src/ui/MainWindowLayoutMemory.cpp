// The window comes back as the director left it: its size and place, the problems dock's
// place and height, and the split between the chart and the members list. Kept in a state
// file of its own, apart from the settings. A layout that cannot be trusted is dropped: the
// blobs are checked first, and a start that died while restoring them skips them next time.

#include "files/FileWriter.h"
#include "settings/Settings.h"
#include "ui/MainWindow.h"
#include "ui/ProblemsPanel.h"
#include "ui/QtText.h"
#include "ui/WindowStateCheck.h"

#include <QByteArray>
#include <QFile>
#include <QSplitter>

#include <string>

namespace ranvik {
namespace {
// Qt's own state blobs, kept as Base64 text in the window's state file.
QByteArray Blob(const Settings& stored, Setting<std::string> key) {
    return QByteArray::fromBase64(QByteArray::fromStdString(stored.get(key)));
}

std::string Text(const QByteArray& blob) {
    return blob.toBase64().toStdString();
}

// Stands while the blobs are handed to Qt: found at the next start, it means that start
// died there.
std::string RestoringMarker(const std::string& statePath) {
    return statePath + ".restoring";
}
} // namespace

void MainWindow::restoreWindowLayout() {
    const std::string path = DefaultWindowStatePath();
    if (path.empty())
        return;
    const QString marker = ToQString(RestoringMarker(path));
    if (QFile::exists(marker)) {
        // The last start died restoring this layout: the usual one this time, and the next
        // save writes the layout anew.
        QFile::remove(marker);
        return;
    }
    const Settings stored(path, SettingsStore::WindowState);
    const QByteArray geometry = Blob(stored, setting::WindowGeometry);
    const QByteArray docks = Blob(stored, setting::WindowDocks);
    const QByteArray splitter = Blob(stored, setting::WindowSplitter);
    const bool soundGeometry = IsSoundGeometry(geometry, DesktopSize());
    const bool soundDocks = IsSoundDockState(docks, {problemsPanel_->objectName()});
    const bool soundSplitter = IsSoundSplitterState(splitter, splitter_->count());
    if (!soundGeometry && !soundDocks && !soundSplitter)
        return;
    if (!WriteFileSafely(RestoringMarker(path), {}))
        return; // without the marker, a crash below would come back at every start
    if (soundGeometry)
        layoutRestored_ = restoreGeometry(geometry);
    if (soundDocks)
        restoreState(docks);
    if (soundSplitter)
        splitter_->restoreState(splitter);
    QFile::remove(marker);
}

void MainWindow::saveWindowLayout() {
    const std::string path = DefaultWindowStatePath();
    if (path.empty())
        return;
    // The window's own state: written whole, even over a file that could not be read.
    Settings(path, SettingsStore::WindowState)
        .set({{setting::WindowGeometry, Text(saveGeometry())},
              {setting::WindowDocks, Text(saveState())},
              {setting::WindowSplitter, Text(splitter_->saveState())}});
}

} // namespace ranvik
