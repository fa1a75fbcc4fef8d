#include "PathFitter.h"

#include <QStringList>
#include <QTextBoundaryFinder>

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <array>

namespace {

constexpr qsizetype kMaxComponentUnits = 255; // UTF-16 units on FAT and exFAT, bytes of UTF-8 on POSIX systems

bool forbiddenOnFat(QChar character) {
    static const QString forbidden = QStringLiteral("\\:*?\"<>|");
    return character.unicode() < 0x20 || character.unicode() == 0x7f || forbidden.contains(character);
}

// CON, PRN, AUX, NUL, COM1..COM9, LPT1..LPT9, alone or before any extension, name devices on those systems.
bool isDeviceName(const QString& name) {
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const std::array<const char*, 4> plain{"CON", "PRN", "AUX", "NUL"};
    for (const char* device : plain) {
        if (stem == QLatin1String(device))
            return true;
    }
    return stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))) &&
           stem.at(3) >= QLatin1Char('1') && stem.at(3) <= QLatin1Char('9');
}

// The extension with its dot, when the name has one that is not the whole name and reasonably short.
qsizetype extensionStart(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || name.size() - dot > 16)
        return name.size();
    return dot;
}

// The longest start of text that is whole characters (grapheme clusters) and for which fits() holds.
template <typename Fits> QString longestFittingStart(const QString& text, const Fits& fits) {
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype best = 0;
    for (qsizetype position = boundaries.toNextBoundary(); position > 0; position = boundaries.toNextBoundary()) {
        if (!fits(text.left(position)))
            break;
        best = position;
    }
    return text.left(best);
}

} // namespace

// ICU's transliteration into ASCII; without it (ICU lacks the rules) every letter beyond ASCII becomes "_".
class AsciiSpelling {
public:
    AsciiSpelling() {
        UErrorCode status = U_ZERO_ERROR;
        transliterator_.reset(icu::Transliterator::createInstance(
            icu::UnicodeString::fromUTF8("Any-Latin; Latin-ASCII"), UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            transliterator_.reset();
    }

    [[nodiscard]] QString spelt(const QString& text) const {
        QString ascii = text;
        if (transliterator_) {
            icu::UnicodeString unicode(reinterpret_cast<const UChar*>(text.utf16()), static_cast<int32_t>(text.size()));
            transliterator_->transliterate(unicode);
            ascii = QString(reinterpret_cast<const QChar*>(unicode.getBuffer()), unicode.length());
        }
        for (QChar& character : ascii) {
            if (character.unicode() > 0x7e)
                character = QLatin1Char('_');
        }
        return ascii;
    }

private:
    std::unique_ptr<icu::Transliterator> transliterator_;
};

std::optional<PathRules> pathRulesNamed(const QString& name) {
    if (name == QLatin1String("posix"))
        return PathRules::Posix;
    if (name == QLatin1String("fat"))
        return PathRules::Fat;
    if (name == QLatin1String("ascii"))
        return PathRules::Ascii;
    return std::nullopt;
}

QString pathRulesName(PathRules rules) {
    switch (rules) {
    case PathRules::Posix:
        return QStringLiteral("posix");
    case PathRules::Fat:
        return QStringLiteral("fat");
    case PathRules::Ascii:
        return QStringLiteral("ascii");
    }
    return {};
}

PathFitter::PathFitter(PathRules rules) : rules_(rules) {
    if (rules_ == PathRules::Ascii)
        ascii_ = std::make_unique<AsciiSpelling>();
}

PathFitter::~PathFitter() = default;

bool PathFitter::fits(const QString& name) const {
    if (rules_ == PathRules::Posix)
        return name.toUtf8().size() <= kMaxComponentUnits;
    return name.size() <= kMaxComponentUnits;
}

QString PathFitter::cutToLimit(const QString& name) const {
    if (fits(name))
        return name;
    const qsizetype dot = extensionStart(name);
    const QString extension = name.mid(dot);
    const QString stem = name.left(dot);
    const QString kept = longestFittingStart(stem, [&](const QString& start) { return fits(start + extension); });
    // A trailing dot or blank left by the cut would break the rules again.
    QString cut = kept + extension;
    if (rules_ != PathRules::Posix) {
        QString trimmedStem = kept;
        while (!trimmedStem.isEmpty() && (trimmedStem.endsWith(QLatin1Char('.')) || trimmedStem.endsWith(' ')))
            trimmedStem.chop(1);
        cut = (trimmedStem.isEmpty() ? QStringLiteral("_") : trimmedStem) + extension;
    }
    return cut;
}

QString PathFitter::component(const QString& name) const {
    QString fitted = name;
    fitted.replace(QLatin1Char('/'), QLatin1Char('_'));
    fitted.remove(QChar(0));
    if (rules_ == PathRules::Posix) {
        if (fitted.isEmpty() || fitted == QLatin1String(".") || fitted == QLatin1String(".."))
            fitted = QStringLiteral("_");
        return cutToLimit(fitted);
    }
    if (ascii_)
        fitted = ascii_->spelt(fitted);
    for (QChar& character : fitted) {
        if (forbiddenOnFat(character))
            character = QLatin1Char('_');
    }
    while (!fitted.isEmpty() && (fitted.endsWith(QLatin1Char('.')) || fitted.endsWith(QLatin1Char(' '))))
        fitted.chop(1);
    if (fitted.isEmpty())
        fitted = QStringLiteral("_");
    if (isDeviceName(fitted))
        fitted.prepend(QLatin1Char('_'));
    return cutToLimit(fitted);
}

QString PathFitter::path(const QString& relativePath) const {
    QStringList parts;
    for (const QString& part : relativePath.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        parts.append(component(part));
    return parts.join(QLatin1Char('/'));
}

QString PathFitter::withMarker(const QString& name, int number) const {
    const qsizetype dot = extensionStart(name);
    const QString marker = number > 1 ? QStringLiteral("_NEW%1").arg(number) : QStringLiteral("_NEW");
    const QString extension = marker + name.mid(dot);
    const QString stem = name.left(dot);
    return longestFittingStart(stem, [&](const QString& start) { return fits(start + extension); }) + extension;
}
