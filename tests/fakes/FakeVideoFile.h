#pragma once

#include "RecordingFake.h"
#include "core/components/IVideoFile.h"

// A recording fake of IVideoFile; see RecordingFake.
class FakeVideoFile : public IVideoFile, public RecordingFake {
public:
    using RecordingFake::RecordingFake;

    void open(const QString& fileName) override { record(QStringLiteral("open"), {fileName}); }
    void close() override { record(QStringLiteral("close"), {}); }
    SampleBlock readBlock(int valueCount) override {
        record(QStringLiteral("readBlock"), {QString::number(valueCount)});
        return nextBlock();
    }
    int channelCount() override {
        record(QStringLiteral("channelCount"), {});
        return static_cast<int>(resultNumber(QStringLiteral("channelCount")));
    }
    int sampleRate() override {
        record(QStringLiteral("sampleRate"), {});
        return static_cast<int>(resultNumber(QStringLiteral("sampleRate")));
    }
    qint64 readPosition() override {
        record(QStringLiteral("readPosition"), {});
        return static_cast<qint64>(resultNumber(QStringLiteral("readPosition")));
    }
    qint64 totalLength() override {
        record(QStringLiteral("totalLength"), {});
        return static_cast<qint64>(resultNumber(QStringLiteral("totalLength")));
    }
    qint64 durationMs() override {
        record(QStringLiteral("durationMs"), {});
        return static_cast<qint64>(resultNumber(QStringLiteral("durationMs")));
    }
    QString formatDescription() override {
        record(QStringLiteral("formatDescription"), {});
        return resultText(QStringLiteral("formatDescription"));
    }
};
