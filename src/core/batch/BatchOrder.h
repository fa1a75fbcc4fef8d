#pragma once

#include "BatchPlan.h"
#include "ExistingOutputPolicy.h"
#include "NameTemplate.h"
#include "core/components/SoundTrackRule.h"
#include "core/formats/FormatSettings.h"
#include "core/formats/OutputFormat.h"
#include "core/library/ImageTrack.h"
#include "core/sources/SourceKind.h"

#include <QString>
#include <memory>
#include <optional>
#include <set>
#include <vector>

// One source of a batch: a checked row of the conversion list, or a file named on the command line.
struct BatchSource {
    QString fullName; // absolute
    SourceKind kind = SourceKind::Audio;
    // What the list learnt when the row came in; the plan takes it instead of opening the source again while the
    // file is unchanged and no tags are needed.
    std::optional<SourceFacts> listed{};
    // Set when the source is one track of an image (fullName is then the image): only its samples are converted,
    // and its names and tags come from the sheet.
    std::shared_ptr<const ImageTrack> track{};
    // The sound track to convert (counted from 0) of a source that holds several; nothing lets the order's rule
    // choose.
    std::optional<int> soundTrack{};
};

// Why a batch cannot start as ordered; the window and tonalith-cli each say it in their own words.
enum class OrderConflict {
    NoSources,
    NoFormats,
    NormalizeWithVolume,     // evening out sets the level from the measured loudness; a volume change would undo it
    ReplayGainWithVolume,    // gains are measured on the source's samples
    ReplayGainWithNormalize, // the one keeps the samples and tags them, the other changes them
    TreeWithoutFolder,       // a mirrored tree needs the folder it is mirrored in
};

// Everything one batch is: which sources into which formats with which settings, where and under which names, what
// happens to the sound and to existing files, and how many outputs are made at once. The window's panels, the
// command line and saved profiles fill it; the plan and the engine read it. Without its sources it is a profile.
struct BatchOrder {
    static constexpr int MaxJobs = 64;
    static constexpr ValueRange VolumePercentRange{0, 200};
    static constexpr double QuietestLoudnessTarget = -70.0; // LUFS
    static constexpr double LoudestLoudnessTarget = -5.0;

    std::vector<BatchSource> sources; // in the order the outputs are made
    std::set<OutputFormat> formats;
    FormatSettings formatSettings;

    QString folderText;                    // the output folder; empty puts every output beside its own source
    std::optional<QString> treeRoot;       // with an output folder: mirror the sources' folders below this root
    std::optional<NameTemplate> baseNames; // instead of the sources' own base names
    ExistingOutputPolicy existing = ExistingOutputPolicy::Replace;

    std::optional<int> volumePercent;     // 0..200; nothing leaves the volume as it is
    std::optional<double> loudnessTarget; // LUFS: measure each source, then scale it to this loudness
    bool replayGain = false;              // measure each source and tag its outputs with track and album gains
    bool copyTags = true;
    bool verifyOutputs = false; // read every output back in full before it takes its name
    int jobs = 1;               // outputs made at once, 1..MaxJobs
    bool openFolder = false;    // open the last output's folder at the end (the window)
    bool hiddenTrack = false;   // convert the sound an image holds before its first track; else it is left out
    SoundTrackRule soundTracks; // which sound track of a source that holds several is converted

    // The first reason the batch cannot start, in the order the user should hear them; nothing when it can.
    [[nodiscard]] std::optional<OrderConflict> conflicts() const;
    // Makes the output folder with any missing parents; true when there is none to make or it is a folder now.
    // The one place an output folder is made before a batch.
    [[nodiscard]] bool makeFolder() const;
    // Sources × formats, the hidden tracks of images not counted unless the order converts them.
    [[nodiscard]] int plannedOutputCount() const;
    // Whether the plan asks its probe for the sources' tags: only when the output names are made from them.
    [[nodiscard]] bool planReadsTags() const;
    // The plain run: one output at a time with the components the user sees, the sound as it is and an existing
    // file replaced. Anything else gets workers of their own, loudness measurement or another rule for existing files.
    [[nodiscard]] bool runsOneAtATime() const;

    // Every output of the batch in the order a single worker makes them (sources as given, formats in their fixed
    // order), each with its name claimed: no two outputs share a name, and no output replaces a source of the batch.
    // A source whose listed facts still describe it is not probed again unless its tags are needed.
    [[nodiscard]] std::vector<BatchOutput> plan(const SourceProbe& probe) const;
    // The outputs of these sources for a batch that runs already with the `earlier` outputs: named as plan() names
    // them, and no name taken by an earlier output or source of that batch.
    [[nodiscard]] std::vector<BatchOutput> planJoining(const SourceProbe& probe,
                                                       const std::vector<BatchOutput>& earlier) const;
};
