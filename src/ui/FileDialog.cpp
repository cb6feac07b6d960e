#include "ui/FileDialog.h"

#include "ui/Prompts.h"

#include <QFileDialog>
#include <QFileInfo>

namespace ranvik {

QStringList FileDialog::QtFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // Qt reads the patterns from the parentheses, so give it the real ones.
        const int open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0)
            description = description.left(open).trimmed();
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Match both cases: directors' files come from systems that ignore case.
        QStringList both;
        for (const QString& p : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            both << p.toLower();
            if (p.toUpper() != p.toLower())
                both << p.toUpper();
        }
        out << QStringLiteral("%1 (%2)").arg(description, both.join(QLatin1Char(' ')));
    }
    return out;
}

QString FileDialog::exec(QWidget* parent) {
    QString chosen;
    prompts::noteFileProposal(fileName_);
    if (!prompts::takeFileName(chosen)) {
        QFileDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("FileDialog"));
        if (!title_.isEmpty())
            dialog.setWindowTitle(title_);
        dialog.setAcceptMode(mode_ == Mode::Save ? QFileDialog::AcceptSave
                                                 : QFileDialog::AcceptOpen);
        dialog.setFileMode(mode_ == Mode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setNameFilters(QtFilters(filter_));
        const QFileInfo last(fileName_);
        if (!fileName_.isEmpty() && last.isAbsolute())
            dialog.setDirectory(last.absolutePath());
        if (!last.fileName().isEmpty())
            dialog.selectFile(last.fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        chosen = dialog.selectedFiles().constFirst();
    }
    if (chosen.isEmpty())
        return {};
    fileName_ = QFileInfo(chosen).absoluteFilePath();
    return fileName_;
}

} // namespace ranvik
