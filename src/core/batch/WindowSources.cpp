#include "WindowSources.h"

BatchSource batchSourceOfRow(const ConversionRow& row) {
    BatchSource source{row.fullName, row.kind, std::nullopt};
    if (row.probed)
        source.listed = SourceFacts{row.lengthMs, {}, row.probed};
    if (source.listed)
        source.listed->soundTracks = row.soundTracks;
    return source;
}

QStringList missingSourcesOf(const std::vector<BatchOutput>& plan) {
    QStringList missing;
    for (const BatchOutput& output : plan) {
        if (output.action == PlannedAction::SourceMissing && !missing.contains(output.sourceName))
            missing.append(output.sourceName);
    }
    return missing;
}
