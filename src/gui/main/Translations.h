#pragma once

#include <QString>
#include <QTranslator>
#include <memory>

// The catalogue code the windows are shown in at this start: TONALITH_LANGUAGE when set (tests and the screenshot
// tool pick a language with it), else the stored choice, else the desktop's languages (QLocale::system(), which
// honours LANGUAGE and LC_MESSAGES). Empty means English.
[[nodiscard]] QString catalogueCodeForThisStart(const QString& storedChoice);

// The program's catalogue and Qt's own (the texts of Qt's standard dialogs and buttons) for one language, installed
// into the application for as long as this object lives. English installs nothing: it is the language of the
// sources.
class InstalledTranslations {
public:
    // code: a catalogue code such as "de" or "zh_CN", or empty; catalogueFolder: where tonalith_<code>.qm lies. A
    // catalogue that cannot be loaded is reported on the standard error, and the texts stay English.
    InstalledTranslations(const QString& code, const QString& catalogueFolder);
    ~InstalledTranslations();
    InstalledTranslations(const InstalledTranslations&) = delete;
    InstalledTranslations& operator=(const InstalledTranslations&) = delete;

    // True when the program's own catalogue is installed.
    [[nodiscard]] bool installed() const { return own_ != nullptr; }
    // The program's catalogue, for looking up what a text reads in this language; null when none is installed.
    [[nodiscard]] const QTranslator* catalogue() const { return own_.get(); }

private:
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
};
