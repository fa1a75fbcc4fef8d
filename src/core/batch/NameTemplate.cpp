#include "NameTemplate.h"

#include <QFile>

#include <array>

namespace {

// Room for the longest suffix ("_ADPCM.wav") and "_NEW" markers within the 255 bytes a file name may have.
constexpr int kMaxNameBytes = 200;

bool isRefused(QChar character) {
    static constexpr std::array<char16_t, 9> kRefused{u'/', u'\\', u':', u'*', u'?', u'"', u'<', u'>', u'|'};
    return std::find(kRefused.begin(), kRefused.end(), character.unicode()) != kRefused.end();
}

bool isDropped(QChar character) {
    return character.category() == QChar::Other_Control || character.category() == QChar::Other_Format ||
           character == QChar::ParagraphSeparator || character == QChar::LineSeparator;
}

bool isTrimmed(QChar character) {
    return character.isSpace() || character == QLatin1Char('.');
}

} // namespace

QString safeFileName(const QString& text) {
    QString safe;
    safe.reserve(text.size());
    for (const QChar character : text) {
        if (isDropped(character))
            continue;
        safe += isRefused(character) ? QLatin1Char('_') : character;
    }
    qsizetype start = 0;
    while (start < safe.size() && isTrimmed(safe.at(start)))
        ++start;
    qsizetype end = safe.size();
    while (end > start && isTrimmed(safe.at(end - 1)))
        --end;
    safe = safe.mid(start, end - start);
    // Cut whole characters (never half a surrogate pair) until the encoded name fits.
    while (QFile::encodeName(safe).size() > kMaxNameBytes) {
        safe.chop(safe.size() >= 2 && safe.at(safe.size() - 1).isLowSurrogate() ? 2 : 1);
        while (!safe.isEmpty() && isTrimmed(safe.back()))
            safe.chop(1);
    }
    return safe;
}

std::optional<NameTemplate> NameTemplate::parse(const QString& text, QString& whyNot) {
    static const std::map<QString, QString NameFields::*> kFields{
        {QStringLiteral("name"), &NameFields::name},
        {QStringLiteral("title"), &NameFields::title},
        {QStringLiteral("artist"), &NameFields::artist},
        {QStringLiteral("album"), &NameFields::album},
        {QStringLiteral("track"), &NameFields::track},
        {QStringLiteral("year"), &NameFields::year},
        {QStringLiteral("genre"), &NameFields::genre},
        {QStringLiteral("format"), &NameFields::format},
        {QStringLiteral("albumartist"), &NameFields::albumArtist},
        {QStringLiteral("disc"), &NameFields::disc},
        {QStringLiteral("tracktotal"), &NameFields::trackTotal},
        {QStringLiteral("composer"), &NameFields::composer},
        {QStringLiteral("stream"), &NameFields::stream},
        {QStringLiteral("lang"), &NameFields::lang},
    };
    if (text.contains(QLatin1Char('/'))) {
        whyNot = QStringLiteral("the name template makes a file name, not a folder: it cannot contain \"/\"");
        return std::nullopt;
    }
    NameTemplate result;
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), position);
        const qsizetype stray = text.indexOf(QLatin1Char('}'), position);
        if (stray >= 0 && (open < 0 || stray < open)) {
            whyNot = QStringLiteral("the name template has a \"}\" without \"{\"");
            return std::nullopt;
        }
        if (open < 0) {
            result.pieces_.push_back({nullptr, text.mid(position)});
            break;
        }
        if (open > position)
            result.pieces_.push_back({nullptr, text.mid(position, open - position)});
        const qsizetype close = text.indexOf(QLatin1Char('}'), open);
        if (close < 0) {
            whyNot = QStringLiteral("the name template leaves \"{\" open");
            return std::nullopt;
        }
        const QString fieldName = text.mid(open + 1, close - open - 1);
        const auto field = kFields.find(fieldName);
        if (field == kFields.end()) {
            whyNot =
                QStringLiteral(
                    "the name template has no field {%1} (fields: {name} {title} {artist} {album} "
                    "{track} {year} {genre} {format} {albumartist} {disc} {tracktotal} {composer} {stream} {lang})")
                    .arg(fieldName);
            return std::nullopt;
        }
        result.pieces_.push_back({field->second, {}});
        position = close + 1;
    }
    result.text_ = text;
    return result;
}

QString NameTemplate::expand(const NameFields& fields) const {
    QString text;
    bool anyField = false;
    bool anyValue = false;
    for (const Piece& piece : pieces_) {
        if (piece.field == nullptr) {
            text += piece.literal;
            continue;
        }
        // Each value is made safe on its own, so that a title ending in "..." or an artist in blanks does not run
        // into the template's text around it.
        const QString value = safeFileName(fields.*piece.field);
        anyField = true;
        anyValue = anyValue || !value.isEmpty();
        text += value;
    }
    // With every field empty only the template's own text is left (" - " of "{artist} - {title}"), which names
    // nothing: the source's own base name does.
    if (anyField && !anyValue)
        return fields.name;
    const QString safe = safeFileName(text);
    return safe.isEmpty() ? fields.name : safe;
}

bool NameTemplate::readsTags() const {
    return std::any_of(pieces_.begin(), pieces_.end(), [](const Piece& piece) {
        // The sound track's number and language come with the source's length, not from its tags.
        return piece.field != nullptr && piece.field != &NameFields::name && piece.field != &NameFields::format &&
               piece.field != &NameFields::stream && piece.field != &NameFields::lang;
    });
}
