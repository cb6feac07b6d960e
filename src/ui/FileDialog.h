#pragma once
// A file dialog that keeps its folder and file name between uses, whichever command used
// it last; the main window holds one for opening and one for saving.

#include <QDir>
#include <QString>

class QWidget;

namespace ranvik {

class FileDialog {
  public:
    enum class Mode { Open, Save };
    explicit FileDialog(Mode mode) : mode_(mode) {}

    // Filter in the program's own notation: "Description|pattern;pattern|Description|pattern".
    void setFilter(const QString& filter) { filter_ = filter; }
    // What the dialog is for, as its title says it ("Open chart").
    void setTitle(const QString& title) { title_ = title; }
    // The file name shown at the next use (a full path or a bare name).
    // Held in Qt's spelling ("C:/..."), whichever the name came in (the core's is the system's).
    void setFileName(const QString& name) { fileName_ = QDir::fromNativeSeparators(name); }
    QString fileName() const { return fileName_; }

    // Shows the dialog; the chosen full path, or empty when cancelled. Save asks before an
    // existing file is replaced; Open accepts only an existing file.
    QString exec(QWidget* parent);

    // "TMS files (*.tms)|*.TMS|All files (*.*)|*.*" -> Qt's name filters.
    static QStringList QtFilters(const QString& filter);

  private:
    Mode mode_;
    QString filter_;
    QString title_;
    QString fileName_;
};

} // namespace ranvik
