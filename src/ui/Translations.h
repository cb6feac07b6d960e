#pragma once
// The window's language: French for a French locale (the program's own texts and Qt's for
// its standard buttons), English otherwise. The core and ranvik-cli are never translated.

class QLocale;

namespace ranvik {

// Installs the translations the locale calls for, replacing any installed before; English
// removes them. True when French is now in use. Needs a QCoreApplication.
bool UseLanguage(const QLocale& locale);

// The language of the desktop (LANG, LC_ALL, LC_MESSAGES).
bool UseSystemLanguage();

} // namespace ranvik
