#include "Translations.h"

#include "core/settings/LanguageChoice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <cstdio>

QString catalogueCodeForThisStart(const QString& storedChoice) {
    const QString forced = qEnvironmentVariable("TONALITH_LANGUAGE").trimmed();
    if (!forced.isEmpty())
        return LanguageChoice::catalogueCode(forced, {forced});
    return LanguageChoice::catalogueCode(storedChoice, QLocale::system().uiLanguages());
}

InstalledTranslations::InstalledTranslations(const QString& code, const QString& catalogueFolder) {
    if (code.isEmpty())
        return;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(LanguageChoice::catalogueFileName(code), catalogueFolder)) {
        std::fprintf(stderr, "tonalith: the catalogue %s is missing from %s; the windows stay in English\n",
                     qPrintable(LanguageChoice::catalogueFileName(code)), qPrintable(catalogueFolder));
        return;
    }
    QCoreApplication::installTranslator(own.get());
    own_ = std::move(own);
    if (code == LanguageChoice::PseudoLanguage)
        return;
    // Qt's own texts are optional: without them only the standard buttons of a few dialogs stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qt_ = std::move(qt);
    }
}

InstalledTranslations::~InstalledTranslations() {
    if (qt_)
        QCoreApplication::removeTranslator(qt_.get());
    if (own_)
        QCoreApplication::removeTranslator(own_.get());
}
