#include "core/components/ComponentError.h"
#include "core/components/playback/AudioPlayerComponent.h"
#include "core/components/playback/PlayQueue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr double kSpeed = 4.0;

// Runs the event loop until the condition holds or the time is up; returns whether it held.
bool runUntil(const std::function<bool()>& condition, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

void runFor(int ms) {
    runUntil([] { return false; }, ms);
}

// Drives the player the way the preview does: two blocks at the start, one more for every played block and for every
// request, empty blocks once the stream is exhausted, and a stop when playing has ended.
class PreviewDriver {
public:
    PreviewDriver(AudioPlayerComponent& player, qint64 totalFrames, bool loadOnBlockEnd = true)
        : player_(player), totalFrames_(totalFrames) {
        AudioPlayerEvents events;
        events.onEndArrayPlay = [this, loadOnBlockEnd] {
            ++blocksPlayed;
            if (position_ < totalFrames_) {
                minimumWaiting = std::min(minimumWaiting, waiting());
            }
            if (loadOnBlockEnd) {
                load();
            }
        };
        events.onRequestOnLoadArray = [this] {
            ++requests;
            load();
        };
        events.onEndPlay = [this] {
            ++endPlays;
            timerAtEnd = timerSamples.size();
            player_.stop();
        };
        events.onTimer = [this](qint64 samples, int left, int right) {
            timerSamples.push_back(samples);
            maxLevel = std::max({maxLevel, left, right});
            minLevel = std::min({minLevel, left, right});
            if (onTimer) {
                onTimer(samples);
            }
        };
        player_.setEvents(std::move(events));
    }

    void start() {
        player_.setFormat(kRate, kChannels);
        blockValues_ = player_.blockLength(4000);
        position_ = 0;
        player_.openOutput();
        throughDevice = player_.play() == 1;
        load();
        load();
    }

    [[nodiscard]] int waiting() const { return blocksQueued - blocksPlayed; }

    bool throughDevice = false;
    int blocksQueued = 0;
    int blocksPlayed = 0;
    int requests = 0;
    int endPlays = 0;
    int minimumWaiting = 1000;
    int maxWaiting = 0;
    std::size_t timerAtEnd = 0;
    int maxLevel = 0;
    int minLevel = 32767;
    std::vector<qint64> timerSamples;
    std::function<void(qint64)> onTimer;

private:
    void load() {
        const qint64 frames = std::min<qint64>(blockValues_ / kChannels, totalFrames_ - position_);
        std::vector<float> values(static_cast<std::size_t>(frames * kChannels));
        for (qint64 frame = 0; frame < frames; ++frame) {
            const auto sample = static_cast<float>(0.5 * std::sin((position_ + frame) * 0.0627));
            values[static_cast<std::size_t>(frame * kChannels)] = sample;
            values[static_cast<std::size_t>(frame * kChannels + 1)] = sample * 0.5f;
        }
        position_ += frames;
        if (frames > 0) {
            ++blocksQueued;
        }
        player_.queueBlock(SampleBlock(std::move(values)));
        maxWaiting = std::max(maxWaiting, waiting());
    }

    AudioPlayerComponent& player_;
    qint64 totalFrames_;
    qint64 position_ = 0;
    int blockValues_ = 0;
};

class SilentPlayer : public ::testing::Test {
protected:
    SilentPlayer() {
        player.setSilentOnly(true);
        player.setClockSpeed(kSpeed);
    }
    AudioPlayerComponent player;
};

void expectRisesTo(const std::vector<qint64>& samples, qint64 total) {
    ASSERT_FALSE(samples.empty());
    EXPECT_TRUE(std::is_sorted(samples.begin(), samples.end()));
    EXPECT_GT(samples.size(), 2u); // reported along the way, not only at the end
    EXPECT_EQ(samples.back(), total);
}

TEST_F(SilentPlayer, PlaysAShortStreamWithTheWholeEventSequence) {
    const qint64 total = kRate; // one second: eleven full blocks and a short one
    PreviewDriver driver(player, total);
    QElapsedTimer clock;
    clock.start();
    driver.start();
    ASSERT_TRUE(runUntil([&] { return driver.endPlays > 0; }));
    const qint64 elapsedMs = clock.elapsed();
    runFor(150);

    EXPECT_FALSE(player.playsThroughDevice());
    EXPECT_EQ(driver.endPlays, 1);
    EXPECT_EQ(driver.blocksQueued, 12);
    EXPECT_EQ(driver.blocksPlayed, 12);
    EXPECT_EQ(driver.minimumWaiting, 1); // until the source ran dry, a played block had the next one behind it
    EXPECT_EQ(driver.maxWaiting, 2);
    expectRisesTo(driver.timerSamples, total);
    EXPECT_EQ(driver.timerAtEnd, driver.timerSamples.size()); // the last timer event came before the end
    EXPECT_NEAR(driver.maxLevel, 16384, 200);
    // The clock keeps real time (sped up): a second of sound at four times speed takes a quarter second at least.
    EXPECT_GE(elapsedMs, 1000 / kSpeed - 20);
}

TEST_F(SilentPlayer, RequestsAloneKeepTwoBlocksQueued) {
    const qint64 total = kRate / 2;
    PreviewDriver driver(player, total, false);
    driver.start();
    ASSERT_TRUE(runUntil([&] { return driver.endPlays > 0; }));
    EXPECT_EQ(driver.maxWaiting, 2);
    EXPECT_GE(driver.minimumWaiting, 1);
    EXPECT_EQ(driver.blocksPlayed, 6);
    // Two blocks at the start, then one request per block: exactly enough for the rest and the end mark.
    EXPECT_EQ(driver.requests, driver.blocksQueued - 1);
    expectRisesTo(driver.timerSamples, total);
}

TEST_F(SilentPlayer, StopEndsARunQuietlyAndARestartCountsFromZero) {
    const qint64 total = kRate;
    PreviewDriver driver(player, total);
    // Stopping from inside an event handler must not let the tick that called it go on.
    driver.onTimer = [&](qint64 samples) {
        if (samples > 0 && driver.onTimer) {
            driver.onTimer = nullptr;
            player.stop();
        }
    };
    driver.start();
    ASSERT_TRUE(runUntil([&] { return !driver.timerSamples.empty() && driver.timerSamples.back() > 0; }));
    const auto eventsAtStop = driver.timerSamples.size() + static_cast<std::size_t>(driver.blocksPlayed);
    runFor(150);
    EXPECT_EQ(driver.timerSamples.size() + static_cast<std::size_t>(driver.blocksPlayed), eventsAtStop);
    EXPECT_EQ(driver.endPlays, 0);

    driver.timerSamples.clear();
    driver.start();
    ASSERT_TRUE(runUntil([&] { return driver.endPlays > 0; }));
    runFor(100);
    EXPECT_EQ(driver.endPlays, 1);
    expectRisesTo(driver.timerSamples, total);
}

TEST_F(SilentPlayer, AnEndMarkWithNothingBeforeItEndsAtOnce) {
    int endPlays = 0;
    std::vector<qint64> timer;
    AudioPlayerEvents events;
    events.onEndPlay = [&] { ++endPlays; };
    events.onTimer = [&](qint64 samples, int, int) { timer.push_back(samples); };
    player.setEvents(std::move(events));
    player.openOutput();
    player.play();
    player.queueBlock(SampleBlock());
    player.queueBlock(SampleBlock(std::vector<float>(100, 0.1f))); // after the end: dropped
    ASSERT_TRUE(runUntil([&] { return endPlays > 0; }));
    runFor(100);
    EXPECT_EQ(endPlays, 1);
    EXPECT_EQ(timer, std::vector<qint64>{0});
}

// Without a sound server (CI) this takes the fallback to the silent clock; with one (PulseAudio on a null sink,
// PULSE_SERVER pointing at it) the same sequence runs through the real device.
TEST(AudioPlayer, TriesTheDeviceAndPlaysTheSameSequenceEitherWay) {
    AudioPlayerComponent player;
    player.setSilentOnly(false);
    const qint64 total = kRate / 2;
    PreviewDriver driver(player, total);
    QElapsedTimer clock;
    clock.start();
    driver.start();
    if (qEnvironmentVariableIsSet("PULSE_SERVER")) {
        EXPECT_TRUE(driver.throughDevice);
    }
    ASSERT_TRUE(runUntil([&] { return driver.endPlays > 0; }));
    EXPECT_GE(clock.elapsed(), 480); // half a second of sound, in real time either way
    runFor(100);
    EXPECT_EQ(driver.endPlays, 1);
    EXPECT_EQ(driver.blocksPlayed, 6);
    expectRisesTo(driver.timerSamples, total);
}

TEST(AudioPlayer, SettingsRoundTripAndRefuseNonsense) {
    AudioPlayerComponent player;
    EXPECT_EQ(player.volume(), 65535);
    player.setVolume(12345);
    EXPECT_EQ(player.volume(), 12345);
    player.setVolume(70000);
    EXPECT_EQ(player.volume(), 65535);
    player.setVolume(-1);
    EXPECT_EQ(player.volume(), 0);

    player.setFormat(22050, 1);
    EXPECT_EQ(player.blockLength(4000), 4000);
    player.setFormat(48000, 2);
    EXPECT_EQ(player.blockLength(4000), 8000);
    EXPECT_THROW(player.setFormat(0, 2), ComponentError);
    EXPECT_THROW(player.setFormat(44100, 0), ComponentError);
    EXPECT_THROW((void)player.blockLength(0), ComponentError);
    player.stop(); // stopping a player that never started is harmless
}

std::pair<int, int> levels(double left, double right) {
    return {static_cast<int>(std::lround(left * 32767)), static_cast<int>(std::lround(right * 32767))};
}

TEST(PlayQueue, TracksWrittenAndPlayedFramesAcrossBlocks) {
    PlayQueue queue;
    queue.reset(2);
    queue.push(SampleBlock(std::vector<float>{0.1f, -0.2f, 0.3f, -0.4f, 0.9f})); // two frames, a stray value
    queue.push(SampleBlock(std::vector<float>{-1.5f, 0.0f, 0.5f, 0.25f}));
    EXPECT_EQ(queue.queuedFrames(), 4);
    EXPECT_EQ(queue.pendingBlocks(), 2);

    std::vector<float> out(6);
    EXPECT_EQ(queue.readAhead(out.data(), 3), 3); // reads across the block boundary
    EXPECT_EQ(out, (std::vector<float>{0.1f, -0.2f, 0.3f, -0.4f, -1.5f, 0.0f}));
    EXPECT_EQ(queue.advancePlayedTo(1), 0);
    EXPECT_EQ(queue.takeLevels(), levels(0.1, 0.2));
    EXPECT_EQ(queue.advancePlayedTo(3), 1);
    EXPECT_EQ(queue.takeLevels(), levels(1.0, 0.4));
    EXPECT_EQ(queue.advancePlayedTo(2), 0); // never backwards
    EXPECT_EQ(queue.playedFrames(), 3);
    EXPECT_EQ(queue.advancePlayedTo(99), 1); // never past the queue
    EXPECT_EQ(queue.playedFrames(), 4);
    EXPECT_FALSE(queue.finished());
    queue.push(SampleBlock());
    EXPECT_TRUE(queue.finished());

    queue.reset(1);
    queue.push(SampleBlock(std::vector<float>{0.5f, -0.75f}));
    EXPECT_EQ(queue.advancePlayedTo(2), 1);
    EXPECT_EQ(queue.takeLevels(), levels(0.75, 0.75));
}

} // namespace
