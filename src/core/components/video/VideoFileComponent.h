#pragma once

#include "core/components/IVideoFile.h"
#include "core/components/reader/BlockAssembler.h"

#include <memory>
#include <optional>

class FfmpegDecoder;

// One sound track of a video file (the chosen one, else the one flagged default, else the first), decoded through
// FFmpeg. Position and total length count samples per channel; once the end has been read the total equals the
// position, so progress reaches exactly 100 %.
class VideoFileComponent : public IVideoFile {
public:
    VideoFileComponent();
    ~VideoFileComponent() override;

    void open(const QString& fileName) override;
    void openSoundTrack(const QString& fileName, int soundTrack) override;
    SoundTracks soundTracks() override;
    void close() override;
    SampleBlock readBlock(int valueCount) override;
    int channelCount() override;
    int sampleRate() override;
    qint64 readPosition() override;
    qint64 totalLength() override;
    qint64 durationMs() override;
    QString formatDescription() override;

private:
    void openTrack(const QString& fileName, std::optional<int> soundTrack);

    std::unique_ptr<FfmpegDecoder> decoder_;
    BlockAssembler blocks_;
};
