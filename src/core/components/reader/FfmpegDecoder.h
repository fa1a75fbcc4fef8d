#pragma once

#include "SourceDecoder.h"

#include <QByteArray>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// What an earlier opening of the same, unchanged file found out.
struct FfmpegProbe {
    bool plainSamples = false; // behind the format tag are plain samples, not another codec
    qint64 lengthFrames = 0;
    bool lengthExact = false;
};

// How to open a file with FFmpeg.
struct FfmpegInput {
    QString fileName;
    // The demuxer to use; empty lets FFmpeg recognise the container from the content.
    QByteArray demuxer;
    // Demuxer options, needed for headerless data (sample_rate, ch_layout, ...).
    std::vector<std::pair<QByteArray, QByteArray>> options;
    int decoderThreads = 0; // 0 = FFmpeg's choice
    std::optional<FfmpegProbe> probed;
    // Which sound track to read, counted from 0 in the file's order; nothing reads the one the file flags as its
    // default, else the first.
    std::optional<int> soundTrack{};
    // Sources with more channels than this arrive mixed to stereo.
    int channelLimit = 2;
};

// One audio stream of a file (the chosen one, else the one flagged default, else the first), decoded by FFmpeg and
// converted to interleaved float at its own rate and channel count. Used for audio files and for the sound track of
// videos alike.
class FfmpegDecoder : public SourceDecoder {
public:
    // Raises ComponentError: NoAudioStream when the file has no sound, CorruptData when nothing decodes.
    explicit FfmpegDecoder(FfmpegInput input);
    ~FfmpegDecoder() override;
    FfmpegDecoder(const FfmpegDecoder&) = delete;
    FfmpegDecoder& operator=(const FfmpegDecoder&) = delete;

    [[nodiscard]] int sampleRate() const override;
    [[nodiscard]] int channelCount() const override;
    [[nodiscard]] qint64 lengthInFrames() const override;
    [[nodiscard]] QString description() const override;
    [[nodiscard]] int bitsPerSample() const override;
    qint64 readFrames(float* out, qint64 maxFrames) override;
    qint64 seekFrame(qint64 frame) override;
    void recordProbe(ProbedSource& probed) const override;
    [[nodiscard]] int damagedStretches() const override;
    [[nodiscard]] SoundTracks soundTracks() const override;
    void allowChannels(int most) override;
    [[nodiscard]] quint64 channelMask() const override;

    // Frames handed out so far (the read position).
    [[nodiscard]] qint64 position() const;

private:
    class Pass;

    void restart();
    qint64 seekWithDemuxer(qint64 frame);
    qint64 skipForward(qint64 frames);
    [[nodiscard]] qint64 measuredOrEstimatedLength();

    FfmpegInput input_;
    std::unique_ptr<Pass> pass_;
    qint64 length_ = 0;
    bool lengthExact_ = false;
    int earlierDamage_ = 0; // counted by passes replaced since
};
