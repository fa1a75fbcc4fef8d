#include "BatchOptions.h"

#include "core/batch/BatchOrder.h"
#include "core/batch/LoudnessNormalization.h"

#include <QCoreApplication>
#include <QRegularExpression>

void BatchOptions::applyTo(BatchOrder& order) const {
    order.jobs = jobs;
    order.loudnessTarget = evenLoudness ? std::optional<double>(kDefaultLoudnessTarget) : std::nullopt;
    order.existing = existing;
    order.verifyOutputs = verifyOutputs;
    order.replayGain = replayGain;
    order.soundTracks = soundTrackRule();
    order.hiddenTrack = hiddenTrack;
}

SoundTrackRule BatchOptions::soundTrackRule() const {
    const QStringList languages = soundTrackLanguages.split(QLatin1Char(','), Qt::SkipEmptyParts);
    return languages.isEmpty() ? SoundTrackRule() : SoundTrackRule::languages(languages);
}

BatchOptions BatchOptions::of(const BatchOrder& order) {
    BatchOptions options{order.jobs, order.loudnessTarget.has_value(), order.existing, order.verifyOutputs,
                         order.replayGain};
    options.hiddenTrack = order.hiddenTrack;
    if (order.soundTracks.kind() == SoundTrackRule::Kind::Languages)
        options.soundTrackLanguages = order.soundTracks.languageCodes().join(QLatin1Char(','));
    return options;
}

std::optional<QString> BatchOptions::tidySoundTrackLanguages(const QString& text, QString& whyNot) {
    QStringList codes;
    for (const QString& code : text.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts))
        codes.append(code.toLower());
    if (codes.isEmpty())
        return QString();
    for (const QString& code : codes) {
        QString ruleWhyNot;
        if (!SoundTrackRule::parse(QStringLiteral("lang:") + code, ruleWhyNot)) {
            whyNot =
                QCoreApplication::translate("Settings", "\"%1\" is not a language code such as deu or eng").arg(code);
            return std::nullopt;
        }
    }
    return codes.join(QLatin1Char(','));
}
