// The window comes back as the director left it: its size and place, the problems dock's
// place and height, and the split between the chart and the members list. Kept in a state
// file of its own, apart from the settings.

#include "members/Settings.h"
#include "ui/MainWindow.h"

#include <QByteArray>
#include <QSplitter>

#include <map>
#include <string>

namespace ranvik {
namespace {
constexpr const char* kSection = "Window";
constexpr const char* kGeometryKey = "Geometry";
constexpr const char* kDocksKey = "Docks";
constexpr const char* kSplitterKey = "Splitter";

// Qt's own state blobs, kept as Base64 text in the window's state file.
QByteArray Blob(const std::map<std::string, std::string>& stored, const char* key) {
    const auto found = stored.find(key);
    return found == stored.end() ? QByteArray()
                                 : QByteArray::fromBase64(QByteArray::fromStdString(found->second));
}

std::string Text(const QByteArray& blob) {
    return blob.toBase64().toStdString();
}
} // namespace

void MainWindow::restoreWindowLayout() {
    const std::string path = DefaultWindowStatePath();
    if (path.empty())
        return;
    // A blob Qt does not recognise (another version, a hand edit, none at all) is refused by
    // Qt: the window keeps its usual layout.
    const std::map<std::string, std::string> stored = LoadSettingSection(path, kSection);
    restoreGeometry(Blob(stored, kGeometryKey));
    restoreState(Blob(stored, kDocksKey));
    splitter_->restoreState(Blob(stored, kSplitterKey));
}

void MainWindow::saveWindowLayout() {
    const std::string path = DefaultWindowStatePath();
    if (path.empty())
        return;
    SaveSettings(path, kSection,
                 {{kGeometryKey, Text(saveGeometry())},
                  {kDocksKey, Text(saveState())},
                  {kSplitterKey, Text(splitter_->saveState())}});
}

} // namespace ranvik
