#pragma once

#include "NameTemplate.h"
#include "core/components/ProbedSource.h"
#include "core/components/SoundTrack.h"
#include "core/formats/OutputFormat.h"
#include "core/library/ImageTrack.h"
#include "core/sources/SourceKind.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What the plan learns about a source before any work starts.
struct SourceFacts {
    qint64 durationMs = 0; // 0 when unknown: the source then weighs as much as the average known source
    NameFields tags;       // title, artist, album, track, year and genre; only read when the names need them
    std::optional<ProbedSource> probed; // what opening the source found out, so that its conversion need not probe
    SoundTracks soundTracks{};          // of a source that holds several; empty otherwise
};
using SourceProbe = std::function<SourceFacts(const QString& sourceName, SourceKind kind, bool readTags)>;

enum class PlannedAction {
    Convert,
    SkipExisting,     // the policy keeps the file that has the output's name
    SourceMissing,    // no file of the source's name existed while the batch was planned
    OutsideTree,      // the source does not lie below the root whose folders are mirrored
    NoFreeName,       // every "_NEW" name was taken
    NoSuchSoundTrack, // the source has fewer sound tracks than the number asked for
};

struct BatchOutput {
    QString sourceName;
    OutputFormat format;
    QString destinationName; // claimed for this output alone
    SourceKind kind;
    qint64 weight; // the source's duration in milliseconds, or the average for sources of unknown length
    PlannedAction action;
    std::optional<ProbedSource> probed;        // see SourceFacts
    std::shared_ptr<const ImageTrack> track{}; // the output is this track of the source, an image
    // The sound track read (counted from 0) of a source that holds several, when it is not the one the file plays
    // by default; and how many the source holds then.
    std::optional<int> soundTrack{};
    int soundTrackCount = 0;
};
