#pragma once
// Conversions between the core's UTF-8 std::string and Qt's QString.

#include <QDir>
#include <QString>

#include <string>
#include <string_view>

namespace ranvik {

// Takes views too: chart cells are views into the chart's row buffers.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& s) {
    return s.toStdString();
}

// A file name as the core takes it: in the system's own spelling ("C:\\..." on Windows), as
// std::filesystem gives the core's own names, so one file has one spelling: it compares
// equal, is listed once among the recent charts and shows alike in titles and messages.
inline std::string ToCorePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

// The window's own texts break lines with a lone CR (so their translations do too); Qt's
// labels and message boxes break them at LF.
inline QString WithDisplayLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace ranvik
