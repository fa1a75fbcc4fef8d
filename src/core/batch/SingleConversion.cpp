#include "SingleConversion.h"

#include "ConversionObserver.h"
#include "ImageCursor.h"
#include "OutputNaming.h"
#include "OutputReadBack.h"
#include "PendingOutput.h"
#include "TrackTags.h"
#include "core/components/ComponentSet.h"
#include "core/components/information/TagAccess.h"
#include "core/components/writer/OutputFileError.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// The most channels an output keeps: 7.1.
constexpr int kMostKeptChannels = 8;

QString audioRejectedText() {
    return QCoreApplication::translate("Batch", "The audio file is invalid or the format is not supported!!");
}
QString audioCaption() {
    return QCoreApplication::translate("Batch", "Converter Error");
}
QString videoRejectedText() {
    return QCoreApplication::translate("Batch", "The video file is invalid or the format is not supported!!");
}
QString videoCaption() {
    return QCoreApplication::translate("Batch", "Extract Error");
}

// Closing after a failure must not hide the failure being reported.
template <typename Wrapper> void closeQuietly(Wrapper& component) {
    try {
        component->close();
    } catch (const ComponentError&) {
    }
}

// One second of sound in interleaved values. A source that reports no rate or no channel is broken: reading it
// would give blocks of no size and a division by zero in the progress arithmetic.
int oneSecondOf(int sampleRate, int channels) {
    if (sampleRate <= 0 || channels <= 0)
        throw ComponentError(Messages::SourceSoundUnusable().arg(sampleRate).arg(channels));
    return sampleRate * channels;
}

// Wide enough for any 64-bit count times 100.
__extension__ typedef __int128 WideCount;

ConversionResult result(ConversionOutcome outcome, const QString& destination, const QString& detail = {}) {
    return ConversionResult{outcome, destination, detail};
}

bool occupied(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.exists() || info.isSymLink();
}

// The user knows an output by its own name, not by the hidden one it is written under.
QString inUserTerms(QString message, const PendingOutput& output) {
    message.replace(output.temporaryName(), output.destination());
    return message;
}

// What the user is told of a conversion that failed half-way, and the component's words kept beside it.
struct Refusal {
    QString message;
    QString detail;
};

// A source the components cannot handle is reported in the program's own words; an output the disk would not take
// (full, failing) is not the source's fault, and its own reason is what the user must read. Lossless outputs make
// their file only with the first block, so a file that cannot be made shows up here too.
Refusal refusalOf(const ComponentError& error, const PendingOutput& output, const QString& sourceRejected) {
    if (error.code() == LastError::WriteFailed || error.code() == LastError::CannotCreate)
        return {inUserTerms(error.message(), output), {}};
    return {sourceRejected, error.message()};
}

} // namespace

int percentDone(qint64 done, qint64 total) {
    if (total <= 0 || done <= 0)
        return 0;
    const WideCount percent = static_cast<WideCount>(done) * 100 / total;
    return static_cast<int>(std::min<WideCount>(percent, 100));
}

SingleConversion::SingleConversion(ComponentSet& components, ConversionObserver& observer)
    : components_(components), observer_(observer) {}

SingleConversion::SingleConversion(ComponentSet& components, ConversionObserver& observer, ImageCursor& images)
    : components_(components), observer_(observer), images_(&images) {}

ConversionResult SingleConversion::convert(const QString& sourceName, const QString& destinationName,
                                           const ConversionSettings& settings) {
    framesWritten_ = 0;
    const QString destination = destinationSparingSource(sourceName, destinationName);
    if (destination.isEmpty()) {
        observer_.progressReset();
        return result(ConversionOutcome::OutputNotCreated, destinationName,
                      QCoreApplication::translate("Batch", "Every output name leads to the source itself."));
    }
    // A pipe or a device would block the reader for ever or feed it without end; it is refused before any file
    // is made.
    if (const QFileInfo source(sourceName); source.exists() && !source.isFile()) {
        observer_.progressReset();
        return result(ConversionOutcome::SourceNotOpened, destination, Messages::NotARegularFile().arg(sourceName));
    }

    std::optional<PendingOutput> output;
    auto& writer = components_.writer;
    QString createFailure;
    try {
        output.emplace(destination);
        writer->createOutput(output->temporaryName(), 0);
        if (const int error = writer->lastError(); error != LastError::Success)
            createFailure =
                QCoreApplication::translate("Batch", "The output file cannot be created (error %1).").arg(error);
    } catch (const ComponentError& error) {
        createFailure = output ? inUserTerms(error.message(), *output) : error.message();
    }
    if (!createFailure.isEmpty()) {
        closeQuietly(writer);
        observer_.progressReset();
        return result(ConversionOutcome::OutputNotCreated, destination, createFailure);
    }

    observer_.conversionStarted(sourceName, destination);
    ConversionResult outcome = settings.track                       ? convertTrack(sourceName, *output, settings)
                               : settings.kind == SourceKind::Audio ? convertAudio(sourceName, *output, settings)
                                                                    : convertVideo(sourceName, *output, settings);
    if (outcome.outcome == ConversionOutcome::Completed && settings.verifiedAs)
        outcome = verified(std::move(outcome), *output, *settings.verifiedAs);
    // A finished output takes its own name, and a cancelled one with what it holds so far when no file has that
    // name; a failed one is dropped, leaving any earlier file of that name as it was.
    if (outcome.outcome == ConversionOutcome::Cancelled && occupied(destination)) {
        outcome.keptEarlier = true;
        return outcome;
    }
    if (outcome.outcome == ConversionOutcome::Completed || outcome.outcome == ConversionOutcome::Cancelled) {
        try {
            output->moveIntoPlace();
        } catch (const ComponentError& error) {
            return result(ConversionOutcome::OutputNotCreated, destination, error.message());
        }
    }
    return outcome;
}

// Checking is part of the work: it shows its progress and stops within a block when the batch is cancelled. An
// output whose check was cancelled counts as cancelled, like one stopped while it was written.
ConversionResult SingleConversion::verified(ConversionResult finished, const PendingOutput& output,
                                            OutputFormat format) {
    if (images_ != nullptr)
        images_->release(); // the check reads through the same reader
    const OutputCheck check =
        checkOutput(*components_.reader, output.temporaryName(), format, finished.durationMs, [this](int percent) {
            observer_.checkProgressChanged(percent);
            return observer_.mayContinue();
        });
    switch (check.verdict) {
    case OutputCheck::Verdict::Whole:
        break;
    case OutputCheck::Verdict::Stopped:
        observer_.conversionCancelled();
        finished.outcome = ConversionOutcome::Cancelled;
        break;
    case OutputCheck::Verdict::Incomplete:
        finished.outcome = ConversionOutcome::Unverified;
        // The check reads the output under its hidden temporary name; the user knows the file by its own name.
        finished.detail =
            QString(check.problem)
                .replace(output.temporaryName(), output.destination())
                .replace(QFileInfo(output.temporaryName()).fileName(), QFileInfo(output.destination()).fileName());
        break;
    }
    return finished;
}

ConversionResult SingleConversion::convertAudio(const QString& sourceName, const PendingOutput& output,
                                                const ConversionSettings& settings) {
    const QString& destination = output.destination();
    auto& reader = components_.reader;
    auto& writer = components_.writer;
    auto& tags = components_.information;
    try {
        // A format that keeps surround channels (or mixes them itself) gets them all; the volume change takes
        // stereo, and so do the other formats, which get the reader's usual stereo mix.
        reader->setChannelLimit(writer->takesEveryInputChannel() && !settings.volumePercent ? kMostKeptChannels : 2);
        if (settings.soundTrack)
            reader->openSoundTrackForReading(sourceName, *settings.soundTrack,
                                             settings.probed ? &*settings.probed : nullptr);
        else if (settings.probed && settings.probed->fileName == sourceName)
            reader->openProbedForReading(*settings.probed);
        else
            reader->openForReading(sourceName, 0, 1);
        if (const int error = reader->lastError(); error != LastError::Success) {
            closeQuietly(reader);
            closeQuietly(writer);
            observer_.progressReset();
            return result(ConversionOutcome::SourceNotOpened, destination, Messages::SourceCannotBeOpened().arg(error));
        }
        if (settings.copyTags)
            tags->loadTags(sourceName);
        const int sampleRate = reader->sampleRate();
        const int channels = reader->channelCount();
        const int blockSize = describeToWriter(sampleRate, channels, settings);
        if (!settings.volumePercent)
            writer->describeInputLayout(reader->channelMask());
        const qint64 length = reader->lengthInSamples();

        qint64 done = 0;
        for (;;) {
            SampleBlock block = reader->readBlock(blockSize);
            if (block.empty())
                break;
            const auto valuesRead = static_cast<qint64>(block.size());
            write(std::move(block), channels, settings);
            done = std::min(done + valuesRead / channels, std::max<qint64>(length, 0));
            observer_.progressChanged(percentDone(done, length));
            if (!observer_.mayContinue()) {
                writer->close();
                reader->close();
                const QString tagsNote = storeTags(output, settings);
                observer_.conversionCancelled();
                return written(ConversionOutcome::Cancelled, destination, sampleRate, tagsNote);
            }
        }
        refuseSoundless(sourceName);
        writer->close();
        reader->close();
        const QString tagsNote = storeTags(output, settings);
        return written(ConversionOutcome::Completed, destination, sampleRate, tagsNote);
    } catch (const ComponentError& error) {
        const Refusal refusal = refusalOf(error, output, audioRejectedText());
        observer_.conversionFailed(refusal.message, audioCaption());
        closeQuietly(writer);
        closeQuietly(reader);
        return result(ConversionOutcome::SourceRejected, destination, refusal.detail);
    }
}

// A track is the part of its image between its cut points, read through a cursor that keeps the image open for the
// next track; the image's tags are loaded, and the sheet's values for the track put over them when they are stored.
ConversionResult SingleConversion::convertTrack(const QString& sourceName, const PendingOutput& output,
                                                const ConversionSettings& settings) {
    const QString& destination = output.destination();
    std::optional<ImageCursor> ownCursor;
    ImageCursor& images = images_ != nullptr ? *images_ : ownCursor.emplace(components_.reader);
    auto& writer = components_.writer;
    try {
        images.begin(*settings.track, settings.probed);
    } catch (const ComponentError& error) {
        // An image that cannot be read or does not match its sheet is told in the words that name the sheet line.
        observer_.conversionFailed(error.message(), audioCaption());
        closeQuietly(writer);
        return result(ConversionOutcome::SourceRejected, destination);
    }
    try {
        if (settings.copyTags)
            components_.information->loadTags(sourceName);
        const int sampleRate = images.sampleRate();
        const int channels = images.channelCount();
        const int blockSize = describeToWriter(sampleRate, channels, settings);
        const qint64 length = images.trackSamples();
        qint64 done = 0;
        for (;;) {
            SampleBlock block = images.read(blockSize);
            if (block.empty())
                break;
            done += static_cast<qint64>(block.size()) / channels;
            write(std::move(block), channels, settings);
            observer_.progressChanged(percentDone(done, length));
            if (!observer_.mayContinue()) {
                writer->close();
                const QString tagsNote = storeTags(output, settings);
                observer_.conversionCancelled();
                return written(ConversionOutcome::Cancelled, destination, sampleRate, tagsNote);
            }
        }
        refuseSoundless(sourceName);
        writer->close();
        const QString tagsNote = storeTags(output, settings);
        return written(ConversionOutcome::Completed, destination, sampleRate, tagsNote);
    } catch (const ComponentError& error) {
        const Refusal refusal = refusalOf(error, output, audioRejectedText());
        observer_.conversionFailed(refusal.message, audioCaption());
        closeQuietly(writer);
        images.release();
        return result(ConversionOutcome::SourceRejected, destination, refusal.detail);
    }
}

ConversionResult SingleConversion::convertVideo(const QString& sourceName, const PendingOutput& output,
                                                const ConversionSettings& settings) {
    const QString& destination = output.destination();
    auto& video = components_.video;
    auto& writer = components_.writer;
    try {
        if (settings.soundTrack)
            video->openSoundTrack(sourceName, *settings.soundTrack);
        else
            video->open(sourceName);
        if (settings.copyTags)
            components_.information->loadTags(sourceName);
        const int sampleRate = video->sampleRate();
        const int channels = video->channelCount();
        const int blockSize = describeToWriter(sampleRate, channels, settings);
        for (;;) {
            SampleBlock block = video->readBlock(blockSize);
            if (block.empty())
                break;
            write(std::move(block), channels, settings);
            const qint64 position = video->readPosition();
            observer_.progressChanged(percentDone(position, video->totalLength()));
            if (!observer_.mayContinue()) {
                video->close();
                writer->close();
                const QString tagsNote = storeTags(output, settings);
                observer_.conversionCancelled();
                return written(ConversionOutcome::Cancelled, destination, sampleRate, tagsNote);
            }
        }
        refuseSoundless(sourceName);
        video->close();
        writer->close();
        const QString tagsNote = storeTags(output, settings);
        return written(ConversionOutcome::Completed, destination, sampleRate, tagsNote);
    } catch (const ComponentError& error) {
        const Refusal refusal = refusalOf(error, output, videoRejectedText());
        observer_.conversionFailed(refusal.message, videoCaption());
        closeQuietly(video);
        closeQuietly(writer);
        return result(ConversionOutcome::SourceRejected, destination, refusal.detail);
    }
}

// Tells the writer what it will receive and returns the size of a one-second block. Every changed block leaves the
// transform as stereo, so with a volume change the writer is told to expect two channels.
int SingleConversion::describeToWriter(int sampleRate, int channels, const ConversionSettings& settings) {
    components_.writer->describeInput(sampleRate, channels);
    const int blockSize = oneSecondOf(sampleRate, channels);
    if (settings.volumePercent) {
        components_.transform->setSampleRate(sampleRate);
        components_.writer->describeInput(sampleRate, 2);
    }
    return blockSize;
}

void SingleConversion::write(SampleBlock block, int channels, const ConversionSettings& settings) {
    framesWritten_ += static_cast<qint64>(block.size()) / channels;
    if (settings.volumePercent)
        block = changeVolume(std::move(block), channels, static_cast<float>(*settings.volumePercent));
    if (settings.gainPercent)
        components_.transform->changeVolume(block, *settings.gainPercent);
    components_.writer->writeBlock(block);
}

// A source that stated a length but gave not one frame would leave an output that holds nothing (a bare header,
// an empty file), which must not be reported as made.
void SingleConversion::refuseSoundless(const QString& sourceName) const {
    if (framesWritten_ == 0)
        throw ComponentError(
            QCoreApplication::translate("Batch", "No sound could be decoded from \"%1\".").arg(sourceName),
            LastError::CorruptData);
}

// The sound is complete by now: tags that cannot be stored do not make it worthless, so the output is kept and its
// report says what it lacks. The component names the file it wrote to, which is the output under its final name by
// the time the user reads the report.
// A gain measured on the source's samples would play the output wrong once those samples are scaled, so copied
// loudness tags go with any change of level, and measured ones replace them.
QString SingleConversion::storeTags(const PendingOutput& output, const ConversionSettings& settings) {
    try {
        if (settings.copyTags)
            components_.information->storeTags(output.temporaryName());
        if (settings.copyTags && settings.track)
            writeTrackTags(output.temporaryName(), *settings.track, components_.information->tagVersion());
        const bool samplesScaled =
            (settings.volumePercent && *settings.volumePercent != 100) || settings.gainPercent.has_value();
        if (settings.loudnessTags)
            tagaccess::replaceLoudness(output.temporaryName(), *settings.loudnessTags);
        else if (settings.copyTags && samplesScaled)
            tagaccess::replaceLoudness(output.temporaryName(), {});
        return {};
    } catch (const ComponentError& error) {
        QString reason = error.message();
        reason.replace(output.temporaryName(), output.destination());
        return QCoreApplication::translate("Batch", "its tags could not be copied: %1").arg(reason);
    }
}

ConversionResult SingleConversion::written(ConversionOutcome outcome, const QString& destination, int sampleRate,
                                           const QString& note) const {
    ConversionResult made = result(outcome, destination, note);
    made.durationMs = static_cast<qint64>(static_cast<WideCount>(framesWritten_) * 1000 / sampleRate);
    return made;
}

SampleBlock SingleConversion::changeVolume(SampleBlock block, int channels, float percent) {
    auto& transform = components_.transform;
    if (channels == 1)
        block = transform->monoToStereo(block);
    transform->setChannelSwitch(-1);
    SampleBlock left = transform->leftChannel(block);
    SampleBlock right = transform->rightChannel(block);
    block = SampleBlock();
    transform->changeVolume(left, percent);
    transform->changeVolume(right, percent);
    SampleBlock joined = transform->joinChannels(left, right);
    transform->setChannelSwitch(0);
    return joined;
}
