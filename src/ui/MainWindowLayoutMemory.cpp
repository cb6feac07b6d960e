// The window comes back as the director left it: its size and place, the problems dock's
// place and height, and the split between the chart and the members list. Kept in a state
// file of its own, apart from the settings.

#include "members/Settings.h"
#include "ui/MainWindow.h"

#include <QByteArray>
#include <QSplitter>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace ranvik {
namespace {
constexpr const char* kSection = "Window";
constexpr const char* kGeometryKey = "Geometry";
constexpr const char* kDocksKey = "Docks";
constexpr const char* kSplitterKey = "Splitter";

// Qt's own state blobs, kept as Base64 text in the window's state file.
std::optional<QByteArray> LoadBlob(const char* key) {
    const std::string path = DefaultWindowStatePath();
    if (path.empty())
        return std::nullopt;
    const std::optional<std::string> text = LoadSetting(path, kSection, key);
    if (!text || text->empty())
        return std::nullopt;
    return QByteArray::fromBase64(QByteArray::fromStdString(*text));
}

void SaveBlob(const char* key, const QByteArray& blob) {
    const std::string path = DefaultWindowStatePath();
    if (path.empty())
        return;
    std::error_code ignored; // a folder that cannot be made: the layout is not kept
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    SaveSetting(path, kSection, key, blob.toBase64().toStdString());
}
} // namespace

void MainWindow::restoreWindowLayout() {
    // A blob Qt does not recognise (another version, a hand edit) is ignored by Qt: the
    // window keeps its usual layout.
    if (const std::optional<QByteArray> geometry = LoadBlob(kGeometryKey))
        restoreGeometry(*geometry);
    if (const std::optional<QByteArray> docks = LoadBlob(kDocksKey))
        restoreState(*docks);
    if (const std::optional<QByteArray> split = LoadBlob(kSplitterKey))
        splitter_->restoreState(*split);
}

void MainWindow::saveWindowLayout() {
    SaveBlob(kGeometryKey, saveGeometry());
    SaveBlob(kDocksKey, saveState());
    SaveBlob(kSplitterKey, splitter_->saveState());
}

} // namespace ranvik
