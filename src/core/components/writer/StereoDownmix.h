#pragma once

#include <QtGlobal>
#include <span>
#include <vector>

// Mixes a surround layout (three to eight channels, in the writer's order) to stereo or mono with the ITU
// coefficients: the fronts as they are, the centre and the surrounds at -3 dB, a back centre at -6 dB to each side,
// the LFE left out. Loud surround material can sum past full scale; rather than clip it, the mix then drops its gain
// at once to just reach full scale and recovers within about a second, so quiet and ordinary mixes keep the exact
// coefficients. Mono is the mean of the two sides.
class StereoDownmix {
public:
    StereoDownmix(int sampleRate, int inputChannels, quint64 inputMask, int outputChannels);

    [[nodiscard]] std::span<const float> mix(std::span<const float> input);
    [[nodiscard]] int outputChannels() const { return outputChannels_; }

private:
    int inputChannels_;
    int outputChannels_;
    std::vector<float> toLeft_;
    std::vector<float> toRight_;
    float gain_ = 1.0f;
    float recovery_;
    std::vector<float> output_;
};
