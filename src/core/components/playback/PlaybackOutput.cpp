#include "PlaybackOutput.h"

#include "PlayQueue.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// A device that has accepted sound and not moved on for this long is taken for dead.
constexpr qint64 kStallMs = 1500;
// How much sound the device buffers ahead; the player's timer refills it well within this time.
constexpr qint64 kDeviceBufferUs = 250'000;

} // namespace

SilentClock::SilentClock(int sampleRate, double speed) : framesPerMs_(sampleRate * speed / 1000.0) {
    clock_.start();
}

qint64 SilentClock::advance(PlayQueue& queue) {
    const qint64 elapsedNs = clock_.nsecsElapsed();
    clock_.restart();
    carry_ += static_cast<double>(elapsedNs) / 1e6 * framesPerMs_;
    const auto whole = static_cast<qint64>(carry_);
    const qint64 available = queue.queuedFrames() - queue.playedFrames();
    const qint64 step = std::min(whole, available);
    // Only the part of the time that found sound to play counts; an empty queue holds the clock.
    carry_ = step < whole ? 0.0 : carry_ - static_cast<double>(whole);
    return queue.playedFrames() + step;
}

std::unique_ptr<AudioDeviceOutput> AudioDeviceOutput::open(int sampleRate, int channels, QString& whyNot) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        whyNot = QStringLiteral("no audio output device");
        return nullptr;
    }
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        format.setSampleFormat(QAudioFormat::Float);
        if (!device.isFormatSupported(format)) {
            whyNot = QStringLiteral("the audio device refuses %1 Hz with %2 channels").arg(sampleRate).arg(channels);
            return nullptr;
        }
    }
    auto sink = std::make_unique<QAudioSink>(device, format);
    sink->setBufferSize(format.bytesForDuration(kDeviceBufferUs));
    QIODevice* target = sink->start();
    // With no sound server start() fails at once and no signal follows, so the state is checked right here.
    if (target == nullptr || sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
        whyNot = QStringLiteral("the audio device did not start (error %1)").arg(static_cast<int>(sink->error()));
        sink->stop();
        return nullptr;
    }
    return std::unique_ptr<AudioDeviceOutput>(
        new AudioDeviceOutput(std::move(sink), target, channels, format.sampleFormat() == QAudioFormat::Float));
}

AudioDeviceOutput::AudioDeviceOutput(std::unique_ptr<QAudioSink> sink, QIODevice* device, int channels,
                                     bool floatSamples)
    : sink_(std::move(sink)), device_(device), channels_(channels), floatSamples_(floatSamples),
      bytesPerFrame_(channels * (floatSamples ? 4 : 2)) {
    sinceProgress_.start();
}

AudioDeviceOutput::~AudioDeviceOutput() {
    sink_->stop();
}

void AudioDeviceOutput::feed(PlayQueue& queue) {
    const qint64 room = sink_->bytesFree() - unsent_.size();
    const qint64 frames = std::max<qint64>(room / bytesPerFrame_, 0);
    if (frames > 0) {
        scratch_.resize(static_cast<std::size_t>(frames * channels_));
        const qint64 read = queue.readAhead(scratch_.data(), frames);
        const auto values = static_cast<std::size_t>(read * channels_);
        const qsizetype start = unsent_.size();
        unsent_.resize(start + static_cast<qsizetype>(read * bytesPerFrame_));
        char* out = unsent_.data() + start;
        for (std::size_t i = 0; i < values; ++i) {
            const float sample = std::clamp(scratch_[i] * gain_, -1.0f, 1.0f);
            if (floatSamples_) {
                std::memcpy(out + i * 4, &sample, 4);
            } else {
                const auto value = static_cast<qint16>(std::lround(sample * 32767.0f));
                std::memcpy(out + i * 2, &value, 2);
            }
        }
    }
    if (!unsent_.isEmpty()) {
        const qint64 accepted = device_->write(unsent_);
        if (accepted > 0) {
            unsent_.remove(0, accepted);
        }
    }
}

qint64 AudioDeviceOutput::heardFrames(const PlayQueue& queue) const {
    // What was written and is still waiting in the device's buffer or in ours has not been heard yet.
    const qint64 buffered = std::max<qint64>(sink_->bufferSize() - sink_->bytesFree(), 0) + unsent_.size();
    return queue.writtenFrames() - buffered / bytesPerFrame_;
}

qint64 AudioDeviceOutput::advance(PlayQueue& queue) {
    if (sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError) {
        failure_ = QStringLiteral("the audio device failed (error %1)").arg(static_cast<int>(sink_->error()));
        return queue.playedFrames();
    }
    feed(queue);
    qint64 heard = std::max(heardFrames(queue), queue.playedFrames());
    // Once everything has been handed over and the device has run dry, all of it has been heard.
    if (queue.endMarked() && queue.writtenFrames() == queue.queuedFrames() && unsent_.isEmpty() &&
        sink_->state() == QAudio::IdleState) {
        heard = queue.queuedFrames();
    }
    if (heard != lastHeard_ || heard >= queue.queuedFrames()) {
        lastHeard_ = heard;
        sinceProgress_.restart();
    } else if (sinceProgress_.elapsed() > kStallMs) {
        failure_ = QStringLiteral("the audio device stopped playing");
    }
    return heard;
}
