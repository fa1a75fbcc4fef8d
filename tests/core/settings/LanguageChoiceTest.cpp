#include "core/settings/LanguageChoice.h"
#include "core/settings/Settings.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString code(const QString& stored, const QStringList& desktop) {
    return LanguageChoice::catalogueCode(stored, desktop);
}

// What LANGUAGE, LC_MESSAGES and QLocale::uiLanguages() give, in the spellings each uses.
TEST(LanguageChoice, DesktopLanguagesPickTheFirstShippedOneAndEnglishOtherwise) {
    EXPECT_EQ(code({}, {QStringLiteral("de-DE"), QStringLiteral("de")}), QStringLiteral("de"));
    EXPECT_EQ(code({}, {QStringLiteral("fr_CA.UTF-8")}), QStringLiteral("fr"));
    EXPECT_EQ(code({}, {QStringLiteral("es_ES@euro")}), QStringLiteral("es"));
    EXPECT_EQ(code({}, {QStringLiteral("ru")}), QStringLiteral("ru"));
    // Chinese: the simplified script by script or region; the traditional one is not served by it.
    EXPECT_EQ(code({}, {QStringLiteral("zh-Hans-CN")}), QStringLiteral("zh_CN"));
    EXPECT_EQ(code({}, {QStringLiteral("zh_SG")}), QStringLiteral("zh_CN"));
    EXPECT_EQ(code({}, {QStringLiteral("zh_TW")}), QString());
    EXPECT_EQ(code({}, {QStringLiteral("zh-Hant-HK"), QStringLiteral("de")}), QStringLiteral("de"));
    // An unshipped language gives way to the next one the user reads, and none at all means English.
    EXPECT_EQ(code({}, {QStringLiteral("it_IT"), QStringLiteral("es")}), QStringLiteral("es"));
    EXPECT_EQ(code({}, {QStringLiteral("it_IT"), QStringLiteral("pt_BR")}), QString());
    EXPECT_EQ(code({}, {QStringLiteral("C")}), QString());
    EXPECT_EQ(code({}, {}), QString());
    // English ranked first wins over a translated language ranked later.
    EXPECT_EQ(code({}, {QStringLiteral("en_GB"), QStringLiteral("de")}), QString());
}

TEST(LanguageChoice, StoredChoiceOverridesTheDesktopUnlessThisVersionDoesNotShipIt) {
    const QStringList german{QStringLiteral("de_DE")};
    EXPECT_EQ(code(QStringLiteral("fr"), german), QStringLiteral("fr"));
    EXPECT_EQ(code(QStringLiteral("zh_CN"), german), QStringLiteral("zh_CN"));
    EXPECT_EQ(code(QStringLiteral("en"), german), QString()) << "English chosen on a German desktop";
    EXPECT_EQ(code(LanguageChoice::PseudoLanguage, german), LanguageChoice::PseudoLanguage);
    EXPECT_EQ(code(QStringLiteral("klingon"), german), QStringLiteral("de")) << "a hand-edited value";
    EXPECT_EQ(code(QStringLiteral(" ru "), german), QStringLiteral("ru"));
    EXPECT_EQ(code(LanguageChoice::SystemDefault, german), QStringLiteral("de"));
}

TEST(LanguageChoice, ShippedLanguagesCarryTheirOwnNamesAndCatalogues) {
    QStringList codes;
    for (const ShippedLanguage& language : LanguageChoice::shipped()) {
        codes.append(language.code);
        EXPECT_FALSE(language.nativeName.isEmpty());
        // Every shipped code is recognised as itself from a desktop's language list.
        EXPECT_EQ(LanguageChoice::shippedCodeOf(language.code), language.code);
    }
    EXPECT_EQ(codes, (QStringList{"en", "de", "fr", "es", "ru", "zh_CN"}));
    EXPECT_EQ(LanguageChoice::catalogueFileName(QStringLiteral("zh_CN")), QStringLiteral("tonalith_zh_CN.qm"));
    EXPECT_EQ(LanguageChoice::catalogueFolder(QStringLiteral("/usr/share/tonalith/")),
              QStringLiteral("/usr/share/tonalith/translations"));
}

// A user who never opens the language list keeps a settings file without the key; once chosen, it is kept.
TEST(LanguageChoice, StoredOnlyOnceChangedAndReadBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    SettingsStore store(path);
    store.load();
    store.storeOptions(QStringLiteral("/out"), true, false, true, true);
    store.storeLanguage(QString());
    EXPECT_FALSE(testsupport::readFile(path).contains("language")) << testsupport::readFile(path).toStdString();

    store.storeLanguage(QStringLiteral("de"));
    EXPECT_TRUE(testsupport::readFile(path).contains("language=de"));
    SettingsStore reread(path);
    reread.load();
    EXPECT_EQ(reread.values().language, QStringLiteral("de"));

    // Going back to the desktop's language is a choice too, and stays written.
    reread.storeLanguage(QString());
    SettingsStore third(path);
    third.load();
    EXPECT_EQ(third.values().language, QString());
    EXPECT_TRUE(testsupport::readFile(path).contains("language="));
}

} // namespace
