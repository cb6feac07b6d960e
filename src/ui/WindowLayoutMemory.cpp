#include "ui/WindowLayoutMemory.h"

#include "files/FileWriter.h"
#include "settings/Settings.h"
#include "ui/QtText.h"
#include "ui/WindowStateCheck.h"

#include <QByteArray>
#include <QDockWidget>
#include <QFile>
#include <QMainWindow>
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

QStringList DockNames(const QMainWindow& window) {
    QStringList names;
    for (const QDockWidget* dock :
         window.findChildren<QDockWidget*>(QString(), Qt::FindDirectChildrenOnly))
        names << dock->objectName();
    return names;
}
} // namespace

bool RestoreWindowLayout(QMainWindow& window, QSplitter& splitter) {
    const std::string path = DefaultWindowStatePath();
    if (path.empty())
        return false;
    const QString marker = ToQString(RestoringMarker(path));
    if (QFile::exists(marker)) {
        // The last start died restoring this layout: the usual one this time, and the next
        // save writes the layout anew.
        QFile::remove(marker);
        return false;
    }
    const Settings stored(path, SettingsStore::WindowState);
    const QByteArray geometry = Blob(stored, setting::WindowGeometry);
    const QByteArray docks = Blob(stored, setting::WindowDocks);
    const QByteArray split = Blob(stored, setting::WindowSplitter);
    const bool soundGeometry = IsSoundGeometry(geometry, DesktopSize());
    const bool soundDocks = IsSoundDockState(docks, DockNames(window));
    const bool soundSplitter = IsSoundSplitterState(split, splitter.count());
    if (!soundGeometry && !soundDocks && !soundSplitter)
        return false;
    if (!WriteFileSafely(RestoringMarker(path), {}))
        return false; // without the marker, a crash below would come back at every start
    bool restored = false;
    if (soundGeometry)
        restored = window.restoreGeometry(geometry);
    if (soundDocks)
        window.restoreState(docks);
    if (soundSplitter)
        splitter.restoreState(split);
    QFile::remove(marker);
    return restored;
}

void SaveWindowLayout(const QMainWindow& window, const QSplitter& splitter) {
    const std::string path = DefaultWindowStatePath();
    if (path.empty())
        return;
    // The window's own state: written whole, even over a file that could not be read.
    Settings(path, SettingsStore::WindowState)
        .set({{setting::WindowGeometry, Text(window.saveGeometry())},
              {setting::WindowDocks, Text(window.saveState())},
              {setting::WindowSplitter, Text(splitter.saveState())}});
}

} // namespace ranvik
