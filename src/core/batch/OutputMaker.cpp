#include "OutputMaker.h"

#include "ConversionObserver.h"
#include "ImageCursor.h"
#include "OutputReadBack.h"
#include "OutputReasons.h"
#include "ReplayGain.h"
#include "SharedLoudnessMeasurements.h"
#include "SourceFactsReader.h"
#include "TrackSources.h"
#include "core/components/ComponentError.h"
#include "core/ports/Messages.h"

#include <QDir>
#include <QFileInfo>

namespace {

OutputReport failed(const QString& destination, const QString& reason) {
    OutputReport report;
    report.status = OutputStatus::Failed;
    report.destination = destination;
    report.reason = reason;
    return report;
}

qint64 sizeOnDisk(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.isFile() ? info.size() : 0;
}

OutputReport missingSource(const BatchOutput& output) {
    OutputReport report = failed(output.destinationName, outputReasons::sourceMissing(output.sourceName));
    report.sourceMissing = true;
    return report;
}

OutputReport notStarted(const BatchOutput& output) {
    return OutputReport{OutputStatus::NotStarted, {}, output.destinationName, {}, 0, 0};
}

template <typename Wrapper> void closeQuietly(Wrapper& component) {
    try {
        component->close();
    } catch (const std::exception&) {
    }
}

// After an error the conversion did not expect, a component may still hold the output or the source open; closing
// them lets the next output start clean.
void closeAllQuietly(ComponentSet& components) {
    closeQuietly(components.reader);
    closeQuietly(components.writer);
    closeQuietly(components.video);
}

// Passes a conversion's news on, and keeps the text of the error box the user was shown, which the failure's
// reason quotes.
class MessageKeepingObserver : public ConversionObserver {
public:
    explicit MessageKeepingObserver(ConversionObserver& events) : events_(events) {}

    [[nodiscard]] const QString& userMessage() const { return userMessage_; }

    void conversionStarted(const QString& source, const QString& destination) override {
        events_.conversionStarted(source, destination);
    }
    void progressChanged(int percent) override { events_.progressChanged(percent); }
    void checkProgressChanged(int percent) override { events_.checkProgressChanged(percent); }
    void progressReset() override { events_.progressReset(); }
    bool mayContinue() override { return events_.mayContinue(); }
    void conversionFailed(const QString& message, const QString& caption) override {
        userMessage_ = message;
        events_.conversionFailed(message, caption);
    }
    void conversionCancelled() override { events_.conversionCancelled(); }

private:
    ConversionObserver& events_;
    QString userMessage_;
};

// Whether the file the policy would keep is a whole output of the source: it must decode to its end without a
// damaged stretch or checksum, and its length match the source's within the codec's frame. What is no plain file
// (a folder, a pipe, a device) is never read, and kept as the policy says. The check shows its progress and stops
// within a block when the batch is cancelled.
OutputCheck checkExisting(ConversionKit& kit, const BatchOutput& output, ConversionObserver& events) {
    if (!QFileInfo(output.destinationName).isFile())
        return {};
    const qint64 sourceMs = readSourceFacts(kit.components(), output.sourceName, output.kind, false).durationMs;
    return checkOutput(*kit.components().reader, output.destinationName, output.format, sourceMs,
                       [&events](int percent) {
                           events.checkProgressChanged(percent);
                           return events.mayContinue();
                       });
}

OutputReport reportOf(const BatchOutput& output, const ConversionResult& result, const QString& userMessage) {
    OutputReport report;
    report.conversion = result;
    report.destination = result.destination;
    report.durationMs = result.durationMs;
    report.sizeBytes = sizeOnDisk(result.destination);
    if (result.outcome == ConversionOutcome::Completed) {
        report.status = OutputStatus::Made;
        report.reason = result.detail; // what a kept output lacks, such as its tags
    } else if (result.outcome == ConversionOutcome::Cancelled) {
        report.status = OutputStatus::Cancelled;
        report.reason = result.detail;
        if (result.keptEarlier) {
            report.durationMs = 0;
            report.reason = outputReasons::cancelledKeptEarlier(output.sourceName, result.destination);
        }
    } else {
        report.status = OutputStatus::Failed;
        report.reason = outputReasons::conversionFailed(output.sourceName, output.format, result, userMessage);
    }
    return report;
}

} // namespace

ConversionResult prepareAndConvert(WriterPreparation& preparation, SingleConversion& conversion,
                                   const QString& sourceName, OutputFormat format, const QString& destinationName,
                                   const PanelValues& panel, const ConversionSettings& settings) {
    try {
        preparation.prepare(format, panel, settings.kind, sourceName);
    } catch (const ComponentError& error) {
        return ConversionResult{ConversionOutcome::NotPrepared, destinationName, error.message()};
    }
    return conversion.convert(sourceName, destinationName, settings);
}

OutputMaker::OutputMaker(const std::vector<BatchOutput>& plan, const BatchOrder& order,
                         SharedLoudnessMeasurements& loudness)
    : plan_(plan), order_(order), loudness_(loudness), outputChannels_(plan.size(), 0) {}

OutputReport OutputMaker::make(std::size_t index, ConversionKit& kit, WriterPreparation& preparation,
                               ImageCursor& images, ConversionObserver& events,
                               const std::function<bool()>& measuringMayContinue) {
    try {
        // Only a track goes on with the image the reader holds open; everything else reads through it afresh.
        if (!plan_[index].track || plan_[index].action != PlannedAction::Convert)
            images.release();
        return makeOutput(index, kit, preparation, images, events, measuringMayContinue);
    } catch (const std::exception& error) {
        images.release();
        closeAllQuietly(kit.components());
        const BatchOutput& output = plan_[index];
        return failed(output.destinationName,
                      outputReasons::unexpectedError(output.sourceName, QString::fromLocal8Bit(error.what())));
    }
}

std::optional<LoudnessMeasurement> OutputMaker::loudnessAsMade(std::size_t index) const {
    const std::optional<LoudnessMeasurement> measured = loudness_.finished(soundKeyOf(plan_[index]));
    const int channels = outputChannels_[index];
    if (!measured || channels == 0)
        return measured;
    return asOutputWith(*measured, channels);
}

OutputReport OutputMaker::makeOutput(std::size_t index, ConversionKit& kit, WriterPreparation& preparation,
                                     ImageCursor& images, ConversionObserver& events,
                                     const std::function<bool()>& measuringMayContinue) {
    const BatchOutput& output = plan_[index];
    switch (output.action) {
    case PlannedAction::SkipExisting: {
        const OutputCheck existing = checkExisting(kit, output, events);
        if (existing.verdict == OutputCheck::Verdict::Stopped)
            return notStarted(output);
        if (existing.verdict == OutputCheck::Verdict::Whole) {
            OutputReport report;
            report.status = OutputStatus::Skipped;
            report.destination = output.destinationName;
            report.reason = outputReasons::keptExisting(output.destinationName);
            report.sizeBytes = sizeOnDisk(output.destinationName);
            return report;
        }
        OutputReport remade = convertOutput(index, kit, preparation, images, events, measuringMayContinue);
        if (remade.status == OutputStatus::Made)
            remade.reason =
                outputReasons::remadeIncomplete(output.sourceName, output.destinationName, existing.problem);
        return remade;
    }
    case PlannedAction::SourceMissing:
        return missingSource(output);
    case PlannedAction::OutsideTree:
        return failed(output.destinationName, outputReasons::outsideTree(output.sourceName));
    case PlannedAction::NoFreeName:
        return failed(output.destinationName, outputReasons::noFreeName(output.sourceName, output.destinationName));
    case PlannedAction::NoSuchSoundTrack:
        return failed(output.destinationName, output.sourceName + QStringLiteral(": ") +
                                                  Messages::NoSuchSoundTrack()
                                                      .arg(QFileInfo(output.sourceName).fileName())
                                                      .arg(output.soundTrackCount)
                                                      .arg(output.soundTrack.value_or(0) + 1));
    case PlannedAction::Convert:
        break;
    }
    return convertOutput(index, kit, preparation, images, events, measuringMayContinue);
}

OutputReport OutputMaker::convertOutput(std::size_t index, ConversionKit& kit, WriterPreparation& preparation,
                                        ImageCursor& images, ConversionObserver& events,
                                        const std::function<bool()>& measuringMayContinue) {
    const BatchOutput& output = plan_[index];
    if (!QFileInfo::exists(output.sourceName))
        return missingSource(output);
    const QString folder = QFileInfo(output.destinationName).path();
    if (!QDir().mkpath(folder))
        return failed(output.destinationName, outputReasons::folderNotMade(output.sourceName, folder));

    ConversionSettings conversionSettings{output.kind, order_.volumePercent, order_.copyTags, {}, {},
                                          {},          output.probed};
    conversionSettings.track = output.track;
    if (order_.verifyOutputs)
        conversionSettings.verifiedAs = output.format;
    conversionSettings.soundTrack = output.soundTrack;
    // Loudness is measured once per source, on the sound track the file plays by default.
    if ((order_.loudnessTarget || order_.replayGain) && output.soundTrack)
        return failed(output.destinationName,
                      output.sourceName + QStringLiteral(": ") + Messages::LoudnessOfChosenSoundTrack());
    std::optional<LoudnessMeasurement> measured;
    if (order_.loudnessTarget || order_.replayGain) {
        images.release();
        try {
            measured =
                output.track
                    ? loudness_.measureTrack(kit.components(), soundKeyOf(output), *output.track, measuringMayContinue)
                    : loudness_.measure(kit.components(), output.sourceName, output.kind, measuringMayContinue);
            if (!measured)
                return notStarted(output);
        } catch (const ComponentError& error) {
            return failed(output.destinationName,
                          outputReasons::loudnessNotMeasured(output.sourceName, error.message()));
        }
    }

    MessageKeepingObserver observer(events);
    SingleConversion conversion(kit.components(), observer, images);
    ConversionResult result{ConversionOutcome::NotPrepared, output.destinationName, {}};
    bool prepared = false;
    try {
        if (output.track) {
            // The writer learns the track's shape from the open image, which stays where the track begins.
            try {
                images.begin(*output.track, output.probed);
            } catch (const ComponentError& error) {
                result.outcome = ConversionOutcome::SourceRejected;
                return reportOf(output, result, error.message());
            }
            preparation.prepare(output.format, order_.formatSettings.panel, images.sampleRate(), images.channelCount(),
                                images.bitsPerSample(), images.trackSamples());
        } else {
            preparation.prepare(output.format, order_.formatSettings.panel, output.kind, output.sourceName);
        }
        prepared = true;
    } catch (const ComponentError& error) {
        result.detail = error.message();
    }
    if (prepared) {
        if (measured)
            settleLoudness(kit, index, *measured, conversionSettings);
        result = conversion.convert(output.sourceName, output.destinationName, conversionSettings);
    }
    return reportOf(output, result, observer.userMessage());
}

// The gain and the loudness tags of one output, from its source's measurement as the prepared format's channels will
// play it: a mono source copied onto two channels sounds 3 dB louder than measured alone.
void OutputMaker::settleLoudness(ConversionKit& kit, std::size_t index, const LoudnessMeasurement& source,
                                 ConversionSettings& conversionSettings) {
    const int writerInput = order_.volumePercent ? 2 : source.channels; // a volume change makes stereo
    const int channels = kit.components().writer->outputChannelCount(writerInput);
    outputChannels_[index] = channels;
    const LoudnessMeasurement measured = asOutputWith(source, channels);
    if (order_.loudnessTarget)
        conversionSettings.gainPercent = normalizingPercent(measured, *order_.loudnessTarget);
    if (order_.replayGain)
        conversionSettings.loudnessTags = trackLoudnessTags(measured);
}
