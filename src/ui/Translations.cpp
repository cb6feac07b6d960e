#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace ranvik {

namespace {

// The program's translations are built into the executable; Qt's come with Qt.
const QString kProgramFolder = QStringLiteral(":/i18n");

struct Installed {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

std::unique_ptr<QTranslator> Loaded(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

bool UseLanguage(const QLocale& locale) {
    Installed& installed = Current();
    Remove(installed.program);
    Remove(installed.qt);
    if (locale.language() != QLocale::French)
        return false;
    installed.program = Loaded(QStringLiteral("ranvik_fr"), kProgramFolder);
    installed.qt =
        Loaded(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installed.program != nullptr;
}

bool UseSystemLanguage() {
    return UseLanguage(QLocale::system());
}

} // namespace ranvik
