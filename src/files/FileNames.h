#pragma once
// The one extension rule of every file name the program proposes or completes: a name has
// an extension when its file-name part holds a dot ("a.b", "a.", ".b"; not "x.d/a").

#include <string>

namespace ranvik {

bool HasFileExtension(const std::string& path);

// The extension with its dot (".qtr"), or empty when the name has none.
std::string FileExtension(const std::string& path);

// path with ext (".tms") appended when it has no extension at all.
std::string WithDefaultExtension(const std::string& path, const std::string& ext);

// path with its extension replaced by ext, or ext appended when it has none.
std::string WithExtensionChanged(const std::string& path, const std::string& ext);

// Save as's completion of a chart name.
std::string ChartPathFor(const std::string& chosenPath);

// The report path for the name the user chose: ".qtr" appended when it has no extension.
std::string ReportPathFor(const std::string& chosenPath);

// The chart file written beside a report: its path with the extension replaced by ".tms".
std::string ChartPathBesideReport(const std::string& reportPath);

} // namespace ranvik
