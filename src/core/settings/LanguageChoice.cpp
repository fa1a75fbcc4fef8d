#include "LanguageChoice.h"

#include <QDir>

const QString LanguageChoice::SystemDefault = QString();
const QString LanguageChoice::PseudoLanguage = QStringLiteral("en_XA");

const std::vector<ShippedLanguage>& LanguageChoice::shipped() {
    static const std::vector<ShippedLanguage> languages{
        {QStringLiteral("en"), QStringLiteral("English")},  {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")}, {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},  {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
    };
    return languages;
}

QString LanguageChoice::catalogueFileName(const QString& code) {
    return QStringLiteral("tonalith_%1.qm").arg(code);
}

QString LanguageChoice::shippedCodeOf(const QString& languageName) {
    // "pt_BR.UTF-8@euro" and "de-AT" both name a language, then details of the region or the encoding.
    QString name = languageName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QStringList parts = name.split(QLatin1Char('_'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QString();
    const QString language = parts.front().toLower();
    if (language == QLatin1String("zh")) {
        // Simplified Chinese is written in mainland China and Singapore; Taiwan, Hong Kong and Macau read the
        // traditional script, which the simplified catalogue would not serve.
        const QStringList rest = parts.mid(1);
        const auto has = [&rest](const char* part) { return rest.contains(QLatin1String(part), Qt::CaseInsensitive); };
        if (has("Hans") || has("CN") || has("SG") || rest.isEmpty())
            return QStringLiteral("zh_CN");
        return QString();
    }
    for (const ShippedLanguage& shippedLanguage : shipped()) {
        if (shippedLanguage.code == language)
            return shippedLanguage.code;
    }
    return QString();
}

QString LanguageChoice::catalogueCode(const QString& storedChoice, const QStringList& desktopLanguages) {
    const QString stored = storedChoice.trimmed();
    if (stored == PseudoLanguage)
        return PseudoLanguage;
    if (!stored.isEmpty()) {
        for (const ShippedLanguage& language : shipped()) {
            if (language.code == stored)
                return stored == QLatin1String("en") ? QString() : stored;
        }
        // A choice this version does not ship (a hand edit, or a language a later version dropped) falls back to
        // the desktop's language, as if none had been made.
    }
    for (const QString& name : desktopLanguages) {
        const QString code = shippedCodeOf(name);
        if (code == QLatin1String("en"))
            return QString();
        if (!code.isEmpty())
            return code;
    }
    return QString();
}

QString LanguageChoice::catalogueFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("translations"));
}
