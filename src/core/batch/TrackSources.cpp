#include "TrackSources.h"

std::vector<BatchSource> trackSourcesOf(const CueSheet& sheet) {
    std::vector<BatchSource> sources;
    for (ImageTrack& track : imageTracks(sheet)) {
        const QString image = track.image;
        sources.push_back(BatchSource{image, SourceKind::Audio, std::nullopt, std::move(track)});
    }
    return sources;
}
