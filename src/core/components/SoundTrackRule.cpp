#include "core/components/SoundTrackRule.h"

#include <algorithm>
#include <map>

namespace {

const QString kLanguagePrefix = QStringLiteral("lang:");

// ISO 639-2 has two codes for these languages; files carry either.
QString terminologyCode(const QString& code) {
    static const std::map<QString, QString> bibliographic{
        {QStringLiteral("alb"), QStringLiteral("sqi")}, {QStringLiteral("arm"), QStringLiteral("hye")},
        {QStringLiteral("baq"), QStringLiteral("eus")}, {QStringLiteral("bur"), QStringLiteral("mya")},
        {QStringLiteral("chi"), QStringLiteral("zho")}, {QStringLiteral("cze"), QStringLiteral("ces")},
        {QStringLiteral("dut"), QStringLiteral("nld")}, {QStringLiteral("fre"), QStringLiteral("fra")},
        {QStringLiteral("geo"), QStringLiteral("kat")}, {QStringLiteral("ger"), QStringLiteral("deu")},
        {QStringLiteral("gre"), QStringLiteral("ell")}, {QStringLiteral("ice"), QStringLiteral("isl")},
        {QStringLiteral("mac"), QStringLiteral("mkd")}, {QStringLiteral("mao"), QStringLiteral("mri")},
        {QStringLiteral("may"), QStringLiteral("msa")}, {QStringLiteral("per"), QStringLiteral("fas")},
        {QStringLiteral("rum"), QStringLiteral("ron")}, {QStringLiteral("slo"), QStringLiteral("slk")},
        {QStringLiteral("tib"), QStringLiteral("bod")}, {QStringLiteral("wel"), QStringLiteral("cym")},
    };
    const QString lower = code.trimmed().toLower();
    const auto found = bibliographic.find(lower);
    return found == bibliographic.end() ? lower : found->second;
}

bool isLanguageCode(const QString& code) {
    return !code.isEmpty() && code.size() <= 8 &&
           std::all_of(code.begin(), code.end(), [](QChar c) { return c.isLetter() || c == QLatin1Char('-'); });
}

// The track of the first language in the list the source has; of several in that language, the one flagged
// default, else the first.
std::optional<int> trackInLanguages(const SoundTracks& tracks, const QStringList& languages) {
    for (const QString& language : languages) {
        std::optional<int> found;
        for (std::size_t index = 0; index < tracks.size(); ++index) {
            if (!sameLanguage(tracks[index].language, language))
                continue;
            if (!found || (tracks[index].flaggedDefault && !tracks[static_cast<std::size_t>(*found)].flaggedDefault))
                found = static_cast<int>(index);
        }
        if (found)
            return found;
    }
    return std::nullopt;
}

} // namespace

int defaultSoundTrack(const SoundTracks& tracks) {
    const auto flagged =
        std::find_if(tracks.begin(), tracks.end(), [](const SoundTrack& track) { return track.flaggedDefault; });
    return flagged == tracks.end() ? 0 : static_cast<int>(flagged - tracks.begin());
}

bool sameLanguage(const QString& a, const QString& b) {
    return !a.trimmed().isEmpty() && terminologyCode(a) == terminologyCode(b);
}

SoundTrackRule SoundTrackRule::languages(QStringList codes) {
    SoundTrackRule rule;
    rule.kind_ = Kind::Languages;
    for (const QString& code : codes)
        rule.languages_.append(code.trimmed().toLower());
    return rule;
}

SoundTrackRule SoundTrackRule::number(int number) {
    SoundTrackRule rule;
    rule.kind_ = Kind::Number;
    rule.number_ = number;
    return rule;
}

SoundTrackRule SoundTrackRule::all() {
    SoundTrackRule rule;
    rule.kind_ = Kind::All;
    return rule;
}

std::optional<SoundTrackRule> SoundTrackRule::parse(const QString& text, QString& whyNot) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0)
        return SoundTrackRule();
    if (trimmed.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0)
        return all();
    if (trimmed.startsWith(kLanguagePrefix, Qt::CaseInsensitive)) {
        const QStringList codes = trimmed.mid(kLanguagePrefix.size()).split(QLatin1Char(','));
        for (const QString& code : codes) {
            if (!isLanguageCode(code.trimmed())) {
                whyNot = code.trimmed().isEmpty()
                             ? QStringLiteral("\"%1\" lacks a language code (as in lang:deu,eng)").arg(text)
                             : QStringLiteral("\"%1\" is not a language code (as in lang:deu,eng)").arg(code.trimmed());
                return std::nullopt;
            }
        }
        return languages(codes);
    }
    bool isNumber = false;
    const int value = trimmed.toInt(&isNumber);
    if (isNumber && value >= 1)
        return number(value);
    whyNot = QStringLiteral("\"%1\" is not a sound track rule: give default, all, a track number from 1, or "
                            "lang: and language codes (lang:deu,eng)")
                 .arg(text);
    return std::nullopt;
}

QString SoundTrackRule::text() const {
    switch (kind_) {
    case Kind::Default:
        return QStringLiteral("default");
    case Kind::All:
        return QStringLiteral("all");
    case Kind::Number:
        return QString::number(number_);
    case Kind::Languages:
        return kLanguagePrefix + languages_.join(QLatin1Char(','));
    }
    return {};
}

std::optional<std::vector<int>> SoundTrackRule::choose(const SoundTracks& tracks) const {
    if (tracks.size() < 2)
        return std::vector<int>();
    const int count = static_cast<int>(tracks.size());
    switch (kind_) {
    case Kind::Default:
        return std::vector<int>{defaultSoundTrack(tracks)};
    case Kind::Languages:
        return std::vector<int>{trackInLanguages(tracks, languages_).value_or(defaultSoundTrack(tracks))};
    case Kind::Number:
        if (number_ > count)
            return std::nullopt;
        return std::vector<int>{number_ - 1};
    case Kind::All: {
        std::vector<int> every(static_cast<std::size_t>(count));
        for (int index = 0; index < count; ++index)
            every[static_cast<std::size_t>(index)] = index;
        return every;
    }
    }
    return std::nullopt;
}
