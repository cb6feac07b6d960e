#pragma once
// File names around the save dialog: the extension a command adds or changes, and the
// question before a file named only by that completion is replaced.

#include <QString>

class QWidget;

namespace ranvik {

// True when the file-name part of path has an extension ("a.b", "a.", ".b").
bool HasExtension(const QString& path);
// path with ext appended when it has no extension at all.
QString WithDefaultExtension(const QString& path, const QString& ext);
// path with its extension replaced by ext, or ext appended when it has none; an empty
// path gives ext alone.
QString WithExtensionChanged(const QString& path, const QString& ext);

// The save dialog asked only about the name as typed. When an extension was added after
// it (path != chosen) and that file exists, asks before it is replaced; true to go on.
bool ConfirmReplacingCompletedName(QWidget* parent, const QString& chosen, const QString& path);

} // namespace ranvik
