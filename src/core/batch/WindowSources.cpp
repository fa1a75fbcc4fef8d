#include "WindowSources.h"

#include <memory>

BatchSource batchSourceOfRow(const ConversionRow& row) {
    BatchSource source{row.fullName, row.kind, std::nullopt};
    if (row.probed)
        source.listed = SourceFacts{row.lengthMs, {}, row.probed};
    if (source.listed)
        source.listed->soundTracks = row.soundTracks;
    if (row.track)
        source.track = std::make_shared<const ImageTrack>(*row.track);
    return source;
}

std::vector<BatchSource> batchSourcesOfRow(const ConversionRow& row) {
    std::vector<BatchSource> sources;
    if (row.hiddenTrack) {
        BatchSource hidden = batchSourceOfRow(row);
        hidden.track = std::make_shared<const ImageTrack>(*row.hiddenTrack);
        sources.push_back(std::move(hidden));
    }
    sources.push_back(batchSourceOfRow(row));
    return sources;
}

namespace {

QString keyOf(const QString& sourceName, const ImageTrack* track) {
    return track == nullptr ? sourceName : sourceName + QStringLiteral("\n") + QString::number(track->number);
}

} // namespace

QString batchSourceKey(const BatchSource& source) {
    return keyOf(source.fullName, source.track.get());
}

QString batchSourceKey(const BatchOutput& output) {
    return keyOf(output.sourceName, output.track.get());
}

QStringList missingSourcesOf(const std::vector<BatchOutput>& plan) {
    QStringList missing;
    for (const BatchOutput& output : plan) {
        if (output.action == PlannedAction::SourceMissing && !missing.contains(output.sourceName))
            missing.append(output.sourceName);
    }
    return missing;
}
