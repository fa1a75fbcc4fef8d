#include "AlbumGainRewriter.h"

#include "OutputReasons.h"
#include "TrackSources.h"
#include "core/components/ComponentError.h"
#include "core/components/information/TagAccess.h"

#include <map>

namespace {

std::vector<QString> albumKeysOf(const std::vector<BatchOutput>& plan) {
    std::map<QString, QString> keyOfSource; // a source going to several formats is read once
    std::vector<QString> keys;
    keys.reserve(plan.size());
    for (const BatchOutput& output : plan) {
        auto [known, isNew] = keyOfSource.try_emplace(soundKeyOf(output));
        // The tracks of a sheet are one album, whatever tags their image has.
        if (isNew && output.track)
            known->second = output.track->sheet + QChar(0) + output.track->tags.album;
        else if (isNew && output.kind == SourceKind::Audio)
            known->second = albumKeyOf(output.sourceName);
        keys.push_back(known->second);
    }
    return keys;
}

} // namespace

AlbumGainRewriter::AlbumGainRewriter(const std::vector<BatchOutput>& plan) : plan_(plan), albums_(albumKeysOf(plan)) {}

void AlbumGainRewriter::outputDone(std::size_t index, OutputReport& report,
                                   const std::optional<LoudnessMeasurement>& measured) {
    const BatchOutput& output = plan_[index];
    const QString made = report.status == OutputStatus::Made ? report.destination : QString();
    for (const AlbumRewrite& rewrite : albums_.outputDone(index, soundKeyOf(output), made, measured)) {
        try {
            tagaccess::replaceLoudness(rewrite.fileName, rewrite.loudness);
        } catch (const ComponentError& error) {
            // The failure replaces what the report said of the output itself.
            OutputReport failure;
            failure.status = OutputStatus::Failed;
            failure.destination = report.destination;
            failure.reason = outputReasons::unexpectedError(
                output.sourceName, QStringLiteral("the album gain cannot be written to \"%1\" (%2)")
                                       .arg(rewrite.fileName, error.message()));
            report = failure;
        }
    }
}
