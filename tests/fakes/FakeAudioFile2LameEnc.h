#pragma once

#include "RecordingFake.h"
#include "core/components/IAudioFile2LameEnc.h"
#include <array>

// A recording fake of IAudioFile2LameEnc; see RecordingFake.
class FakeAudioFile2LameEnc : public IAudioFile2LameEnc, public RecordingFake {
public:
    using RecordingFake::RecordingFake;

    void applyCommandLine(const QString& commandLine) override {
        record(QStringLiteral("applyCommandLine"), {commandLine});
    }
    void applyPreset(int preset) override { record(QStringLiteral("applyPreset"), {QString::number(preset)}); }
    void applyAlternativePreset(int preset) override {
        record(QStringLiteral("applyAlternativePreset"), {QString::number(preset)});
    }
    int setting(Mp3Setting which) const override {
        record(QStringLiteral("setting"), {QString::number(static_cast<int>(which))});
        return values_[static_cast<std::size_t>(which)];
    }
    void setSetting(Mp3Setting which, int value) override {
        record(QStringLiteral("setSetting"), {QString::number(static_cast<int>(which)), QString::number(value)});
        values_[static_cast<std::size_t>(which)] = value;
    }

private:
    std::array<int, kMp3SettingCount> values_{};
};
