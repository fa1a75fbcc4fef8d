#include "StereoDownmix.h"

#include "ChannelLayouts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kMinus3dB = 0.70710678f;
constexpr float kMinus6dB = 0.5f;
// The time constant of the return to full gain: after a second it is within 2 % of it, and soon exact again.
constexpr double kRecoverySeconds = 0.25;
constexpr float kCloseEnough = 1e-6f;

// The share of one channel (a single mask bit) in the left and the right side.
std::pair<float, float> sharesOf(quint64 bit) {
    using namespace channellayout;
    switch (bit) {
    case kFrontLeft:
        return {1.0f, 0.0f};
    case kFrontRight:
        return {0.0f, 1.0f};
    case kFrontCentre:
        return {kMinus3dB, kMinus3dB};
    case kLowFrequency:
        return {0.0f, 0.0f};
    case kBackLeft:
    case kSideLeft:
        return {kMinus3dB, 0.0f};
    case kBackRight:
    case kSideRight:
        return {0.0f, kMinus3dB};
    default:
        // The rarer places (centre-left and -right, back centre, heights) go to both sides so none is lost.
        return {kMinus6dB, kMinus6dB};
    }
}

} // namespace

StereoDownmix::StereoDownmix(int sampleRate, int inputChannels, quint64 inputMask, int outputChannels)
    : inputChannels_(inputChannels), outputChannels_(outputChannels),
      recovery_(static_cast<float>(1.0 - std::exp(-1.0 / (kRecoverySeconds * std::max(sampleRate, 1))))) {
    quint64 remaining = channellayout::maskFor(inputChannels, inputMask);
    for (int channel = 0; channel < inputChannels; ++channel) {
        const quint64 bit = remaining & (~remaining + 1);
        remaining &= remaining - 1;
        const auto [left, right] = sharesOf(bit);
        toLeft_.push_back(left);
        toRight_.push_back(right);
    }
}

std::span<const float> StereoDownmix::mix(std::span<const float> input) {
    const auto channels = static_cast<std::size_t>(inputChannels_);
    const std::size_t frames = input.size() / channels;
    output_.resize(frames * static_cast<std::size_t>(outputChannels_));
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const float* values = input.data() + frame * channels;
        float left = 0.0f;
        float right = 0.0f;
        for (std::size_t channel = 0; channel < channels; ++channel) {
            left += toLeft_[channel] * values[channel];
            right += toRight_[channel] * values[channel];
        }
        const float peak = std::max(std::abs(left), std::abs(right));
        if (peak * gain_ > 1.0f)
            gain_ = 1.0f / peak;
        else if (gain_ < 1.0f)
            gain_ = 1.0f - gain_ < kCloseEnough ? 1.0f : gain_ + (1.0f - gain_) * recovery_;
        // The gain brings the peak to full scale up to the rounding of one multiplication.
        left = std::clamp(left * gain_, -1.0f, 1.0f);
        right = std::clamp(right * gain_, -1.0f, 1.0f);
        if (outputChannels_ == 1) {
            output_[frame] = 0.5f * (left + right);
        } else {
            output_[2 * frame] = left;
            output_[2 * frame + 1] = right;
        }
    }
    return output_;
}
