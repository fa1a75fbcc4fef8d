#pragma once

#include "components/IVideoFile.h"

// The first sound track of a video file, decoded through FFmpeg.
class VideoFileComponent : public IVideoFile {
public:
    void open(const QString& fileName) override;
    void close() override;
    SampleBlock readBlock(int valueCount) override;
    int channelCount() override;
    int sampleRate() override;
    qint64 readPosition() override;
    qint64 totalLength() override;
    qint64 durationMs() override;
    QString formatDescription() override;
};
