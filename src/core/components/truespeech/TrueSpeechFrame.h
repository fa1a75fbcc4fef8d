#pragma once

#include "TrueSpeechTables.h"

#include <array>
#include <cstdint>

namespace truespeech {

// The parameters of one 240-sample frame, as the bitstream carries them.
struct SubframeParameters {
    int pitchIndex = kNoPitch;             // 7 bits: lag offset * 25 + predictor, or kNoPitch
    int gainIndex = 0;                     // 4 bits: row of the pulse amplitude table
    std::array<int, kPulses> pulseCodes{}; // 2 bits each, in position order
    int firstHalfPositions = 0;            // 12 bits: rank of the 3 positions in samples 0..29
    int secondHalfPositions = 0;           // 15 bits: rank of the 4 positions in samples 30..59

    friend bool operator==(const SubframeParameters&, const SubframeParameters&) = default;
};

struct FrameParameters {
    std::array<int, kOrder> reflectionIndices{};
    bool interpolate = true;      // blend the previous frame's predictor into the first two subframes
    std::array<int, 2> baseLag{}; // 8 bits each: pitch lag base of subframes 0-1 and 2-3, minus kMinLag
    std::array<SubframeParameters, kSubframes> subframes{};

    friend bool operator==(const FrameParameters&, const FrameParameters&) = default;
};

// Bit packing of a frame: the fields are read most significant bit first out of eight little-endian 32-bit words.
std::array<std::uint8_t, kFrameBytes> packFrame(const FrameParameters& frame);
FrameParameters unpackFrame(const std::array<std::uint8_t, kFrameBytes>& bytes);

// Rank of sorted, distinct positions within one 30-sample half, and back. A rank beyond the last set places
// fewer pulses, as in any decoder; the positions left over are -1.
int rankPositions(const int* positions, int count);
void unrankPositions(int rank, int count, int* positions);

} // namespace truespeech
