#include "PseudoText.h"

#include <QRegularExpression>

namespace {
// How much longer translated texts often are than the English ones.
constexpr double kGrowth = 0.4;
} // namespace

QString pseudoText(const QString& english) {
    if (english.trimmed().isEmpty())
        return english;
    // What must survive untouched: placeholders, tags, entities and mnemonic marks. The padding is made from the
    // text's own letters, so its width grows like a real translation's would rather than by narrow filler marks.
    static const QRegularExpression kept(QStringLiteral(R"(%L?\d+|%n|<[^>]*>|&[A-Za-z]+;|&#\d+;|&&|&)"));
    QString letters;
    qsizetype visible = 0;
    qsizetype from = 0;
    for (auto match = kept.globalMatch(english); match.hasNext();) {
        const QRegularExpressionMatch part = match.next();
        const QString plain = english.mid(from, part.capturedStart() - from);
        visible += plain.size();
        for (const QChar c : plain) {
            if (c.isLetter())
                letters += c;
        }
        // A placeholder shows a value, and an entity one character; both take room like text.
        const QString marker = part.captured();
        if (marker.startsWith(QLatin1Char('%')) || marker.endsWith(QLatin1Char(';')))
            visible += marker.startsWith(QLatin1Char('%')) ? marker.size() : 1;
        from = part.capturedEnd();
    }
    const QString tail = english.mid(from);
    visible += tail.size();
    for (const QChar c : tail) {
        if (c.isLetter())
            letters += c;
    }
    if (letters.isEmpty())
        letters = QStringLiteral("x");
    const auto extra = static_cast<qsizetype>(static_cast<double>(visible) * kGrowth + 0.999);
    QString padding;
    while (padding.size() < extra)
        padding += letters;
    padding.truncate(extra);
    // Rich text keeps its brackets outside the markup, where they are seen.
    return QLatin1Char('[') + english + QLatin1Char(' ') + padding + QLatin1Char(']');
}
