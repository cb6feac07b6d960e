#include "ui/SavePaths.h"

#include "ui/Prompts.h"

#include <QFileInfo>

namespace ranvik {

namespace {
// Index of the extension's dot in path, or -1 when the file-name part has none.
qsizetype ExtensionDot(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype separator =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return dot > separator ? dot : -1;
}
} // namespace

bool HasExtension(const QString& path) {
    return ExtensionDot(path) >= 0;
}

QString WithDefaultExtension(const QString& path, const QString& ext) {
    return HasExtension(path) ? path : path + ext;
}

QString WithExtensionChanged(const QString& path, const QString& ext) {
    const qsizetype dot = ExtensionDot(path);
    return (dot >= 0 ? path.left(dot) : path) + ext;
}

bool ConfirmReplacingCompletedName(QWidget* parent, const QString& chosen, const QString& path) {
    if (path == chosen || !QFileInfo::exists(path))
        return true;
    const auto answer = prompts::confirm(
        parent, path + QStringLiteral(" already exists.\rDo you want to replace it?"),
        QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes;
}

} // namespace ranvik
