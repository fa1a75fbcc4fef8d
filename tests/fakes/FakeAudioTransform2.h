#pragma once

#include "RecordingFake.h"
#include "core/components/IAudioTransform2.h"

// A recording fake of IAudioTransform2; see RecordingFake.
class FakeAudioTransform2 : public IAudioTransform2, public RecordingFake {
public:
    using RecordingFake::RecordingFake;

    SampleBlock leftChannel(const SampleBlock& stereo) override {
        record(QStringLiteral("leftChannel"), {QStringLiteral("block[%1]").arg(stereo.size())});
        return everyOther(stereo, 0);
    }
    SampleBlock rightChannel(const SampleBlock& stereo) override {
        record(QStringLiteral("rightChannel"), {QStringLiteral("block[%1]").arg(stereo.size())});
        return everyOther(stereo, 1);
    }
    SampleBlock joinChannels(const SampleBlock& left, const SampleBlock& right) override {
        record(QStringLiteral("joinChannels"),
               {QStringLiteral("block[%1]").arg(left.size()), QStringLiteral("block[%1]").arg(right.size())});
        SampleBlock joined(left.size() + right.size());
        for (std::size_t i = 0; i < left.size() && i < right.size(); ++i) {
            joined[2 * i] = left[i];
            joined[2 * i + 1] = right[i];
        }
        return joined;
    }
    SampleBlock monoToStereo(const SampleBlock& mono) override {
        record(QStringLiteral("monoToStereo"), {QStringLiteral("block[%1]").arg(mono.size())});
        SampleBlock stereo(mono.size() * 2);
        for (std::size_t i = 0; i < mono.size(); ++i)
            stereo[2 * i] = stereo[2 * i + 1] = mono[i];
        return stereo;
    }
    void changeVolume(SampleBlock& block, float percent) override {
        record(QStringLiteral("changeVolume"),
               {QStringLiteral("block[%1]").arg(block.size()), QString::number(percent)});
        for (float& value : block.values())
            value = value * percent / 100.0f;
    }
    void setSampleRate(int sampleRate) override {
        record(QStringLiteral("setSampleRate"), {QString::number(sampleRate)});
    }
    void setChannelSwitch(int value) override {
        record(QStringLiteral("setChannelSwitch"), {QString::number(value)});
        switch_ = value;
    }
    int channelSwitch() const override { return switch_; }

private:
    static SampleBlock everyOther(const SampleBlock& stereo, std::size_t offset) {
        SampleBlock half(stereo.size() / 2);
        for (std::size_t i = 0; i < half.size(); ++i)
            half[i] = stereo[2 * i + offset];
        return half;
    }
    int switch_ = 0;
};
