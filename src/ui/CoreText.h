#pragma once
// The core speaks English only (its texts also reach files and ranvik-cli). The window shows
// those texts in its own language by recognising each sentence, or the pattern a sentence with
// values follows, and putting its translation together from the translated parts.

#include <QString>

#include <optional>
#include <string>

namespace ranvik {

// The message in the window's language; a text no table entry knows is shown as it came.
QString CoreText(const std::string& english);

// The translation, or nothing when neither a fixed sentence nor a pattern matches the whole
// text: lets tests prove that every message the core can give is known here.
std::optional<QString> TranslatedCoreText(const QString& english);

} // namespace ranvik
