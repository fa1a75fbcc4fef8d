#pragma once

#include "FormatScales.h"

#include <array>

class IAudioFile2;

inline constexpr std::array<int, 3> kPcmBitsChoices{8, 16, 24};

// The PCM WAV output the WAV dialog and tonalith-cli choose; the defaults describe the start-up PCM format.
struct PcmWavChoice {
    int sampleRate = kDefaultSampleRate;
    int channels = 2;
    int bits = 16;
    bool keepChannels = false; // the source's channels, up to 7.1, instead of `channels`

    bool operator==(const PcmWavChoice&) const = default;
};

// Sets PCM WAV output on the writer; the one way a PCM choice reaches the writer.
void applyPcmWavChoice(IAudioFile2& writer, const PcmWavChoice& choice);
