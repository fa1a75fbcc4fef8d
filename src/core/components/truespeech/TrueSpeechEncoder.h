#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

// Encodes 8000 Hz mono 16-bit audio into TrueSpeech frames: 240 samples in, 32 bytes out. The encoder keeps the
// state of the decoder at the far end, so frames must be encoded in order, one stream per encoder.
class TrueSpeechEncoder {
public:
    static constexpr int kFrameSamples = 240;
    static constexpr int kFrameBytes = 32;

    TrueSpeechEncoder();
    ~TrueSpeechEncoder();
    TrueSpeechEncoder(TrueSpeechEncoder&&) noexcept;
    TrueSpeechEncoder& operator=(TrueSpeechEncoder&&) noexcept;

    std::array<std::uint8_t, kFrameBytes> encode(std::span<const std::int16_t, kFrameSamples> samples);

    // What any decoder makes of the frame encoded last.
    [[nodiscard]] std::span<const std::int16_t, kFrameSamples> decoded() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
