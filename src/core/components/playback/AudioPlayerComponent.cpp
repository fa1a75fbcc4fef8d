#include "AudioPlayerComponent.h"

#include "core/components/ComponentError.h"

#include <QCoreApplication>
#include <QtDebug>
#include <algorithm>

namespace {

constexpr int kTickMs = 20;
constexpr int kTimerEventMs = 50;
constexpr int kBlocksKeptQueued = 2;
constexpr int kMaxVolume = 65535;

} // namespace

AudioPlayerComponent::AudioPlayerComponent() {
    bool ok = false;
    const double speed = qEnvironmentVariable("TONALITH_AUDIO_SPEED").toDouble(&ok);
    if (ok && speed > 0.0) {
        clockSpeed_ = speed;
    }
    silentOnly_ = qEnvironmentVariable("TONALITH_AUDIO").compare(QLatin1String("silent"), Qt::CaseInsensitive) == 0;
    ticker_.setInterval(kTickMs);
    ticker_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker_, &QTimer::timeout, &ticker_, [this] { tick(); });
}

AudioPlayerComponent::~AudioPlayerComponent() = default;

void AudioPlayerComponent::setEvents(AudioPlayerEvents events) {
    events_ = std::move(events);
}

void AudioPlayerComponent::setFormat(int sampleRate, int channels) {
    if (sampleRate < 1000 || sampleRate > 384000 || channels < 1 || channels > 8) {
        throw ComponentError(QCoreApplication::translate("Components", "The player cannot play %1 Hz with %2 channels.")
                                 .arg(sampleRate)
                                 .arg(channels));
    }
    sampleRate_ = sampleRate;
    channels_ = channels;
}

int AudioPlayerComponent::blockLength(int requested) {
    if (requested <= 0) {
        throw ComponentError(
            QCoreApplication::translate("Components", "A block must hold at least one frame, not %1.").arg(requested));
    }
    return requested * channels_;
}

void AudioPlayerComponent::openOutput() {
    stop();
    queue_.reset(channels_);
    QString whyNot = QCoreApplication::translate("Components", "silent playback was asked for");
    if (!silentOnly_) {
        output_ = AudioDeviceOutput::open(sampleRate_, channels_, whyNot);
    }
    if (output_ == nullptr) {
        useSilentClock(whyNot);
    }
    output_->setGain(gain());
}

int AudioPlayerComponent::play() {
    if (output_ == nullptr) {
        openOutput();
    }
    ++run_;
    requestPending_ = false;
    sinceTimerEvent_.start();
    ticker_.start();
    return playsThroughDevice() ? 1 : 0;
}

void AudioPlayerComponent::stop() {
    ++run_;
    ticker_.stop();
    output_.reset();
    queue_.reset(channels_);
}

void AudioPlayerComponent::queueBlock(SampleBlock&& block) {
    queue_.push(std::move(block));
    requestPending_ = false;
}

int AudioPlayerComponent::volume() {
    return volume_;
}

void AudioPlayerComponent::setVolume(int volume) {
    volume_ = std::clamp(volume, 0, kMaxVolume);
    if (output_ != nullptr) {
        output_->setGain(gain());
    }
}

void AudioPlayerComponent::setClockSpeed(double factor) {
    if (factor > 0.0) {
        clockSpeed_ = factor;
    }
}

bool AudioPlayerComponent::playsThroughDevice() const {
    return dynamic_cast<const AudioDeviceOutput*>(output_.get()) != nullptr;
}

void AudioPlayerComponent::useSilentClock(const QString& reason) {
    if (!silentOnly_ && !reportedFallback_) {
        qWarning().noquote() << "Playing without sound:" << reason;
        reportedFallback_ = true;
    }
    output_ = std::make_unique<SilentClock>(sampleRate_, clockSpeed_);
}

void AudioPlayerComponent::tick() {
    const quint64 run = run_;
    const auto fire = [&](const auto& handler, auto... arguments) {
        if (handler) {
            handler(arguments...);
        }
        return run == run_; // false once a handler has stopped or restarted the player
    };

    qint64 heard = output_->advance(queue_);
    if (const QString failure = output_->failure(); !failure.isEmpty()) {
        useSilentClock(failure);
        heard = queue_.playedFrames();
    }
    const int blocksDone = queue_.advancePlayedTo(heard);
    for (int i = 0; i < blocksDone; ++i) {
        if (!fire(events_.onEndArrayPlay)) {
            return;
        }
    }

    const bool finished = queue_.finished();
    if (finished || sinceTimerEvent_.elapsed() >= kTimerEventMs) {
        sinceTimerEvent_.restart();
        const auto [left, right] = queue_.takeLevels();
        if (!fire(events_.onTimer, queue_.playedFrames(), left, right)) {
            return;
        }
    }
    if (finished) {
        ticker_.stop();
        fire(events_.onEndPlay);
        return;
    }
    if (!queue_.endMarked() && queue_.pendingBlocks() < kBlocksKeptQueued && !requestPending_) {
        requestPending_ = true;
        fire(events_.onRequestOnLoadArray);
    }
}
