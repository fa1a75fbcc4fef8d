#pragma once

#include "core/components/ProbedSource.h"
#include "core/components/SampleBlock.h"
#include "core/components/information/TagValues.h"
#include "core/formats/OutputFormat.h"
#include "core/library/ImageTrack.h"
#include "core/sources/SourceKind.h"

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

struct ComponentSet;
class ConversionObserver;
class ImageCursor;
class PendingOutput;

// How one source is converted, taken from the main window at the time of each conversion.
struct ConversionSettings {
    SourceKind kind = SourceKind::Audio;
    std::optional<int> volumePercent; // "Change As": scale every block to this percentage (100 = unchanged)
    bool copyTags = true;             // carry the source's tags over to the output, a video's included
    std::optional<float> gainPercent; // scale every value, channels unchanged (evening out loudness)
    // Read the finished output back in full before it takes its name, and refuse it when it does not decode or
    // its length is off by more than this format's frame.
    std::optional<OutputFormat> verifiedAs;
    // The loudness tags the output gets in place of its source's (ReplayGain); copied tags otherwise keep the
    // source's only while the samples stay as they were.
    std::optional<LoudnessTags> loudnessTags;
    std::optional<ProbedSource> probed;      // what planning found out about the source: it is not probed again
    std::shared_ptr<const ImageTrack> track; // convert only this track of the source, an image, with the sheet's tags
    std::optional<int> soundTrack{};         // the sound track to read (counted from 0) of a source that holds several
};

enum class ConversionOutcome {
    Completed,
    Cancelled,        // stopped after a block; the partial output stays on disk unless a file had its name
    NotPrepared,      // the writer could not be prepared for the format; nothing was created
    OutputNotCreated, // the writer could not create the output, or the finished output could not take its name
    SourceNotOpened,  // the source is no regular file, or the reader could not open it; no output is left
    SourceRejected,   // a component raised an error while the source was read, changed or written
    Unverified,       // written to its end, but reading it back found a fault; it was dropped
};

struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::Completed;
    QString destination;      // the name really written (may carry "_NEW")
    QString detail;           // the component's own words when it failed; for a made output, what it lacks
    qint64 durationMs = 0;    // the length of the sound handed to the writer
    bool keptEarlier = false; // cancelled while a complete file had the name: that file stays, the partial is dropped

    [[nodiscard]] bool succeeded() const { return outcome == ConversionOutcome::Completed; }
};

// Streams one source through the components into one output whose format the writer has been prepared for:
// create the output, open the source, describe it to the writer, one-second blocks with the optional volume
// change, progress after every block, tags, close. The output never deletes or replaces its own source. It is
// written under a temporary name beside the destination and takes its own name when it is finished, replacing an
// earlier file of that name only then. A cancelled output takes its name only when no file has it: a part of a
// sound never replaces a whole one.
class SingleConversion {
public:
    SingleConversion(ComponentSet& components, ConversionObserver& observer);
    // Tracks of images are read through the cursor, which keeps the image open for the track that follows; it
    // must read through the components' reader. Without it each track opens its image on its own.
    SingleConversion(ComponentSet& components, ConversionObserver& observer, ImageCursor& images);

    ConversionResult convert(const QString& sourceName, const QString& destinationName,
                             const ConversionSettings& settings);

private:
    ConversionResult convertAudio(const QString& sourceName, const PendingOutput& output,
                                  const ConversionSettings& settings);
    ConversionResult convertTrack(const QString& sourceName, const PendingOutput& output,
                                  const ConversionSettings& settings);
    ConversionResult convertVideo(const QString& sourceName, const PendingOutput& output,
                                  const ConversionSettings& settings);
    [[nodiscard]] ConversionResult verified(ConversionResult finished, const PendingOutput& output,
                                            OutputFormat format);
    int describeToWriter(int sampleRate, int channels, const ConversionSettings& settings);
    void write(SampleBlock block, int channels, const ConversionSettings& settings);
    [[nodiscard]] SampleBlock changeVolume(SampleBlock block, int channels, float percent);
    void refuseSoundless(const QString& sourceName) const;
    [[nodiscard]] QString storeTags(const PendingOutput& output, const ConversionSettings& settings);
    [[nodiscard]] ConversionResult written(ConversionOutcome outcome, const QString& destination, int sampleRate,
                                           const QString& note = {}) const;

    ComponentSet& components_;
    ConversionObserver& observer_;
    ImageCursor* images_ = nullptr; // not owned; none: each track opens its image with a cursor of its own
    qint64 framesWritten_ = 0;
};

// done × 100 ÷ total in whole percent, 0..100, without overflow for any 64-bit counts; 0 when total is unknown.
[[nodiscard]] int percentDone(qint64 done, qint64 total);
