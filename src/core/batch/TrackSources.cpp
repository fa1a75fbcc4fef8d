#include "TrackSources.h"

QString soundKeyOf(const BatchOutput& output) {
    if (!output.track)
        return output.sourceName;
    // A name never holds a NUL, so no source's own name can look like a track's key.
    return output.sourceName + QChar(0) + output.track->sheet + QChar(0) + QString::number(output.track->number);
}

std::vector<BatchSource> trackSourcesOf(const CueSheet& sheet) {
    std::vector<BatchSource> sources;
    for (ImageTrack& track : imageTracks(sheet)) {
        const QString image = track.image;
        sources.push_back(
            BatchSource{image, SourceKind::Audio, std::nullopt, std::make_shared<const ImageTrack>(std::move(track))});
    }
    return sources;
}

QString trackBaseName(const ImageTrack& track) {
    const QString digits = QStringLiteral("%1").arg(track.number, 2, 10, QLatin1Char('0'));
    const QString title = safeFileName(track.tags.title);
    return title.isEmpty() ? digits : digits + QLatin1Char(' ') + title;
}
