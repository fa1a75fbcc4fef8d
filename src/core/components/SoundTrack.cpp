#include "SoundTrack.h"

#include "common/ChannelText.h"

#include <QStringList>
#include <algorithm>

QString soundTrackText(const SoundTrack& track) {
    QStringList parts;
    if (!track.language.isEmpty())
        parts.append(track.language);
    if (!track.codec.isEmpty())
        parts.append(track.codec);
    if (track.channels > 0)
        parts.append(channelCountText(track.channels));
    if (!track.title.isEmpty())
        parts.append(QLatin1Char('"') + track.title + QLatin1Char('"'));
    const QString number = QString::number(track.number);
    return parts.isEmpty() ? number : number + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QString soundTracksNote(const SoundTracks& tracks) {
    if (tracks.size() < 2)
        return {};
    const auto used = std::find_if(tracks.begin(), tracks.end(), [](const SoundTrack& track) { return track.inUse; });
    const QString count = QStringLiteral("%1 sound tracks").arg(tracks.size());
    return used == tracks.end() ? count + QStringLiteral(", each converted")
                                : count + QStringLiteral(", using ") + soundTrackText(*used);
}
