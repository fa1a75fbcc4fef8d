#include "LoudnessNormalization.h"

#include "ImageCursor.h"

#include "core/components/ComponentError.h"
#include "core/components/ComponentSet.h"
#include "core/ports/Messages.h"
#include "core/sources/SourceKind.h"

#include <QCoreApplication>
#include <ebur128.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// The true peak is estimated by oversampling; a measurement by another meter, and the quantisation of the output,
// can land a little higher. Aiming this far below the ceiling keeps the output under it by any meter.
constexpr double kTruePeakMarginDb = 0.2;

struct MeterDeleter {
    void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};
using Meter = std::unique_ptr<ebur128_state, MeterDeleter>;

} // namespace

struct LoudnessBlocks {
    Meter meter;
};

namespace {

Meter makeMeter(int sampleRate, int channels,
                int mode = EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK | EBUR128_MODE_SAMPLE_PEAK) {
    if (sampleRate <= 0 || channels <= 0)
        throw ComponentError(Messages::SourceSoundUnusable().arg(sampleRate).arg(channels));
    Meter meter(ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(sampleRate), mode));
    if (!meter)
        throw ComponentError(
            QCoreApplication::translate("Batch", "The loudness meter cannot measure %1 Hz with %2 channels.")
                .arg(sampleRate)
                .arg(channels));
    return meter;
}

// Measures the sound as the writer would turn it into the other channel count, beside the measurement of the sound
// as it is: the writer copies a mono channel unchanged onto both channels, which a meter counts twice, and mixes
// stereo to mono as the mean of the two.
class OtherChannelsMeter {
public:
    OtherChannelsMeter(int sampleRate, int channels) : channels_(channels) {
        if (channels == 1) {
            meter_ = makeMeter(sampleRate, 1, EBUR128_MODE_I);
            if (ebur128_set_channel(meter_.get(), 0, EBUR128_DUAL_MONO) != EBUR128_SUCCESS)
                throw ComponentError(
                    QCoreApplication::translate("Batch", "The loudness meter cannot count a mono channel twice."));
        } else if (channels == 2) {
            meter_ = makeMeter(sampleRate, 1, EBUR128_MODE_I);
        }
    }

    void add(const SampleBlock& block) {
        if (!meter_)
            return;
        const float* values = block.data();
        std::size_t frames = block.size();
        if (channels_ == 2) {
            frames = block.size() / 2;
            mix_.resize(frames);
            for (std::size_t frame = 0; frame < frames; ++frame)
                mix_[frame] = (values[2 * frame] + values[2 * frame + 1]) * 0.5f;
            values = mix_.data();
        }
        if (ebur128_add_frames_float(meter_.get(), values, frames) != EBUR128_SUCCESS)
            throw ComponentError(
                QCoreApplication::translate("Batch", "The loudness meter refused a block of the source."));
    }

    void finish(LoudnessMeasurement& measured) {
        if (!meter_)
            return;
        if (ebur128_loudness_global(meter_.get(), &measured.otherChannelsLufs) != EBUR128_SUCCESS)
            throw ComponentError(
                QCoreApplication::translate("Batch", "The loudness of the source cannot be measured."));
        measured.otherChannelsBlocks = std::make_shared<const LoudnessBlocks>(LoudnessBlocks{std::move(meter_)});
    }

private:
    int channels_;
    Meter meter_;
    std::vector<float> mix_;
};

double toDecibels(double linear) {
    return linear > 0 ? 20.0 * std::log10(linear) : -HUGE_VAL;
}

// Feeds blocks from read() into a meter until the end of the sound.
template <typename ReadBlock>
std::optional<LoudnessMeasurement> measureBlocks(int sampleRate, int channels, ReadBlock read,
                                                 const std::function<bool()>& mayContinue) {
    Meter meter = makeMeter(sampleRate, channels);
    OtherChannelsMeter otherChannels(sampleRate, channels);
    for (;;) {
        const SampleBlock block = read(sampleRate * channels);
        if (block.empty())
            break;
        const auto frames = block.size() / static_cast<std::size_t>(channels);
        if (ebur128_add_frames_float(meter.get(), block.data(), frames) != EBUR128_SUCCESS)
            throw ComponentError(
                QCoreApplication::translate("Batch", "The loudness meter refused a block of the source."));
        otherChannels.add(block);
        if (!mayContinue())
            return std::nullopt;
    }
    LoudnessMeasurement measured;
    measured.channels = channels;
    otherChannels.finish(measured);
    if (ebur128_loudness_global(meter.get(), &measured.integratedLufs) != EBUR128_SUCCESS)
        throw ComponentError(QCoreApplication::translate("Batch", "The loudness of the source cannot be measured."));
    double highest = 0;
    for (int channel = 0; channel < channels; ++channel) {
        double peak = 0;
        double samplePeak = 0;
        if (ebur128_true_peak(meter.get(), static_cast<unsigned>(channel), &peak) != EBUR128_SUCCESS ||
            ebur128_sample_peak(meter.get(), static_cast<unsigned>(channel), &samplePeak) != EBUR128_SUCCESS)
            throw ComponentError(
                QCoreApplication::translate("Batch", "The true peak of the source cannot be measured."));
        highest = std::max(highest, peak);
        measured.samplePeak = std::max(measured.samplePeak, samplePeak);
    }
    measured.truePeakDbtp = toDecibels(highest);
    measured.blocks = std::make_shared<const LoudnessBlocks>(LoudnessBlocks{std::move(meter)});
    return measured;
}

// The source component is closed whether the measurement succeeds or not.
template <typename Component, typename Measure>
std::optional<LoudnessMeasurement> measuredThenClosed(Component& component, Measure measure) {
    try {
        auto measured = measure();
        component->close();
        return measured;
    } catch (...) {
        component->close();
        throw;
    }
}

} // namespace

std::optional<LoudnessMeasurement> measureLoudness(ComponentSet& components, const QString& sourceName, SourceKind kind,
                                                   const std::function<bool()>& mayContinue) {
    if (kind == SourceKind::Video) {
        auto& video = components.video;
        video->open(sourceName);
        return measuredThenClosed(video, [&] {
            return measureBlocks(
                video->sampleRate(), video->channelCount(), [&](int values) { return video->readBlock(values); },
                mayContinue);
        });
    }
    auto& reader = components.reader;
    reader->openForReading(sourceName, 0, 1);
    return measuredThenClosed(reader, [&] {
        if (const int error = reader->lastError(); error != LastError::Success)
            throw ComponentError(Messages::SourceCannotBeOpened().arg(error), error);
        return measureBlocks(
            reader->sampleRate(), reader->channelCount(), [&](int values) { return reader->readBlock(values); },
            mayContinue);
    });
}

std::optional<LoudnessMeasurement> measureTrackLoudness(ComponentSet& components, const ImageTrack& track,
                                                        const std::function<bool()>& mayContinue) {
    ImageCursor images(components.reader); // closes the image when it goes
    images.begin(track, std::nullopt);
    return measureBlocks(
        images.sampleRate(), images.channelCount(), [&](int values) { return images.read(values); }, mayContinue);
}

LoudnessMeasurement asOutputWith(const LoudnessMeasurement& measured, int outputChannels) {
    if (outputChannels == measured.channels || !measured.otherChannelsBlocks)
        return measured;
    LoudnessMeasurement output = measured;
    output.channels = outputChannels;
    output.integratedLufs = measured.otherChannelsLufs;
    output.blocks = measured.otherChannelsBlocks;
    output.otherChannelsLufs = measured.integratedLufs;
    output.otherChannelsBlocks = measured.blocks;
    return output;
}

double combinedLoudness(const std::vector<LoudnessMeasurement>& parts) {
    // The meters are only read here; the library's signature merely lacks the const.
    std::vector<ebur128_state*> meters;
    for (const LoudnessMeasurement& part : parts)
        if (part.blocks)
            meters.push_back(part.blocks->meter.get());
    double loudness = -HUGE_VAL;
    if (!meters.empty() && ebur128_loudness_global_multiple(meters.data(), meters.size(), &loudness) != EBUR128_SUCCESS)
        throw ComponentError(QCoreApplication::translate("Batch", "The loudness of the album cannot be measured."));
    return loudness;
}

std::optional<float> normalizingPercent(const LoudnessMeasurement& measured, double targetLufs) {
    if (!std::isfinite(measured.integratedLufs) || !std::isfinite(measured.truePeakDbtp))
        return std::nullopt;
    const double toTarget = targetLufs - measured.integratedLufs;
    const double toCeiling = kTruePeakCeilingDbtp - kTruePeakMarginDb - measured.truePeakDbtp;
    const double gainDb = std::min(toTarget, toCeiling);
    return static_cast<float>(100.0 * std::pow(10.0, gainDb / 20.0));
}
