#include "TrueSpeechFrame.h"

namespace truespeech {
namespace {

// Writes fields most significant bit first into 32-bit words, each word stored little-endian.
class BitPacker {
public:
    void put(int bits, int value) {
        for (int i = bits - 1; i >= 0; --i) {
            const auto bit = static_cast<std::uint32_t>((value >> i) & 1);
            words_[static_cast<std::size_t>(position_ / 32)] |= bit << (31 - position_ % 32);
            ++position_;
        }
    }

    [[nodiscard]] std::array<std::uint8_t, kFrameBytes> bytes() const {
        std::array<std::uint8_t, kFrameBytes> out{};
        for (std::size_t w = 0; w < words_.size(); ++w) {
            for (std::size_t b = 0; b < 4; ++b) {
                out[w * 4 + b] = static_cast<std::uint8_t>(words_[w] >> (8 * b));
            }
        }
        return out;
    }

private:
    std::array<std::uint32_t, kFrameBytes / 4> words_{};
    int position_ = 0;
};

class BitUnpacker {
public:
    explicit BitUnpacker(const std::array<std::uint8_t, kFrameBytes>& bytes) {
        for (std::size_t w = 0; w < words_.size(); ++w) {
            for (std::size_t b = 0; b < 4; ++b) {
                words_[w] |= static_cast<std::uint32_t>(bytes[w * 4 + b]) << (8 * b);
            }
        }
    }

    int get(int bits) {
        int value = 0;
        for (int i = 0; i < bits; ++i) {
            const auto word = words_[static_cast<std::size_t>(position_ / 32)];
            value = (value << 1) | static_cast<int>((word >> (31 - position_ % 32)) & 1);
            ++position_;
        }
        return value;
    }

private:
    std::array<std::uint32_t, kFrameBytes / 4> words_{};
    int position_ = 0;
};

int packPulseCodes(const std::array<int, kPulses>& codes) {
    int packed = 0;
    for (const int code : codes) {
        packed = (packed << 2) | (code & 3);
    }
    return packed;
}

std::array<int, kPulses> unpackPulseCodes(int packed) {
    std::array<int, kPulses> codes{};
    for (int i = kPulses - 1; i >= 0; --i) {
        codes[static_cast<std::size_t>(i)] = packed & 3;
        packed >>= 2;
    }
    return codes;
}

} // namespace

// The field order is the format's: the reflection indices from the highest order down, then the pitch fields
// with the base lags split over several words, then per subframe the pulse codes and positions.
std::array<std::uint8_t, kFrameBytes> packFrame(const FrameParameters& frame) {
    BitPacker bits;
    for (int order = kOrder - 1; order >= 0; --order) {
        const auto o = static_cast<std::size_t>(order);
        bits.put(kReflectionBits[o], frame.reflectionIndices[o]);
    }
    bits.put(1, frame.interpolate ? 1 : 0);

    bits.put(4, frame.baseLag[0] >> 4);
    for (int sub = kSubframes - 1; sub >= 0; --sub) {
        bits.put(7, frame.subframes[static_cast<std::size_t>(sub)].pitchIndex);
    }
    bits.put(4, frame.baseLag[1] & 15);
    bits.put(14, packPulseCodes(frame.subframes[1].pulseCodes));
    bits.put(14, packPulseCodes(frame.subframes[0].pulseCodes));
    bits.put(4, frame.baseLag[1] >> 4);
    bits.put(14, packPulseCodes(frame.subframes[3].pulseCodes));
    bits.put(14, packPulseCodes(frame.subframes[2].pulseCodes));

    for (int sub = 0; sub < kSubframes; ++sub) {
        const auto& s = frame.subframes[static_cast<std::size_t>(sub)];
        bits.put(1, frame.baseLag[0] >> sub);
        bits.put(12, s.firstHalfPositions);
        bits.put(15, s.secondHalfPositions);
        bits.put(4, s.gainIndex);
    }
    return bits.bytes();
}

FrameParameters unpackFrame(const std::array<std::uint8_t, kFrameBytes>& bytes) {
    BitUnpacker bits(bytes);
    FrameParameters frame;
    for (int order = kOrder - 1; order >= 0; --order) {
        const auto o = static_cast<std::size_t>(order);
        frame.reflectionIndices[o] = bits.get(kReflectionBits[o]);
    }
    frame.interpolate = bits.get(1) != 0;

    frame.baseLag[0] = bits.get(4) << 4;
    for (int sub = kSubframes - 1; sub >= 0; --sub) {
        frame.subframes[static_cast<std::size_t>(sub)].pitchIndex = bits.get(7);
    }
    frame.baseLag[1] = bits.get(4);
    frame.subframes[1].pulseCodes = unpackPulseCodes(bits.get(14));
    frame.subframes[0].pulseCodes = unpackPulseCodes(bits.get(14));
    frame.baseLag[1] |= bits.get(4) << 4;
    frame.subframes[3].pulseCodes = unpackPulseCodes(bits.get(14));
    frame.subframes[2].pulseCodes = unpackPulseCodes(bits.get(14));

    for (int sub = 0; sub < kSubframes; ++sub) {
        auto& s = frame.subframes[static_cast<std::size_t>(sub)];
        frame.baseLag[0] |= bits.get(1) << sub;
        s.firstHalfPositions = bits.get(12);
        s.secondHalfPositions = bits.get(15);
        s.gainIndex = bits.get(4);
    }
    return frame;
}

// The rank adds, for every position passed over before the next pulse, the number of ways the pulses still to
// come could have been placed after it; the decoder walks the same sums back.
int rankPositions(const int* positions, int count) {
    int rank = 0;
    int next = 0;
    for (int i = 0; i < kHalfSamples && next < count; ++i) {
        if (positions[next] == i) {
            ++next;
        } else {
            rank += binomial(kHalfSamples - 1 - i, count - next - 1);
        }
    }
    return rank;
}

void unrankPositions(int rank, int count, int* positions) {
    int placed = 0;
    for (int i = 0; i < kHalfSamples && placed < count; ++i) {
        const int skip = binomial(kHalfSamples - 1 - i, count - placed - 1);
        if (rank >= skip) {
            rank -= skip;
        } else {
            positions[placed++] = i;
        }
    }
    for (int i = placed; i < count; ++i) {
        positions[i] = -1;
    }
}

} // namespace truespeech
