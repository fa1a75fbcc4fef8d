#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A language the program ships a catalogue for, with the name its own speakers know it by.
struct ShippedLanguage {
    QString code;       // as in the catalogue's file name: "de", "zh_CN"
    QString nativeName; // "Deutsch", "简体中文"
};

// Which catalogue the windows are shown in. English is the language of the sources, so it needs no catalogue; a
// language without one falls back to English rather than to a half-translated mix.
class LanguageChoice {
public:
    // The stored choice that follows the desktop's language; it is also what an absent key means.
    static const QString SystemDefault;
    // A made-up language whose texts are longer and bracketed, for finding cut or untranslated texts.
    static const QString PseudoLanguage;

    // English first, then the translated languages in the order the options list shows them.
    [[nodiscard]] static const std::vector<ShippedLanguage>& shipped();
    // The catalogue file's name for a code: "tonalith_de.qm".
    [[nodiscard]] static QString catalogueFileName(const QString& code);

    // The code of the catalogue to load, or an empty text for English. A stored choice of a known language (or the
    // pseudo-language) wins; otherwise the first of the desktop's languages (QLocale::uiLanguages(), most wanted
    // first) that is shipped, where English counts too, so "en, de" stays English. Nothing shipped: English.
    [[nodiscard]] static QString catalogueCode(const QString& storedChoice, const QStringList& desktopLanguages);

    // The code a desktop language name ("de-AT", "zh-Hans-CN", "pt_BR.UTF-8") stands for among the shipped ones,
    // "en" for any English, or an empty text when none is shipped.
    [[nodiscard]] static QString shippedCodeOf(const QString& languageName);

    // Where catalogues are looked for: a translations folder in the program folder (beside the executable of a
    // build, in share/tonalith of an installed copy).
    [[nodiscard]] static QString catalogueFolder(const QString& programFolder);
};
