#pragma once

#include <array>
#include <cstdint>

// Constants of the TrueSpeech bitstream. They are facts of the format that every decoder must share; the values
// are the same as those in FFmpeg's LGPL TrueSpeech decoder data (libavcodec/truespeech_data.h, Copyright (c)
// 2005 Konstantin Shishkov), from which they were taken.
namespace truespeech {

inline constexpr int kFrameSamples = 240;
inline constexpr int kSubframeSamples = 60;
inline constexpr int kSubframes = 4;
inline constexpr int kFrameBytes = 32;
inline constexpr int kOrder = 8;
// The excitation the pitch predictor can look back into.
inline constexpr int kHistory = 146;

namespace detail {
constexpr std::int16_t s16(int bits) {
    return static_cast<std::int16_t>(bits);
}
} // namespace detail

// Quantised reflection coefficients (Q15, ascending), one codebook per filter order; the stored value is the
// negated reflection coefficient of the predictor.
inline constexpr std::array<std::int16_t, 32> kReflection0 = {detail::s16(0x8240),
                                                              detail::s16(0x8364),
                                                              detail::s16(0x84CE),
                                                              detail::s16(0x865D),
                                                              detail::s16(0x8805),
                                                              detail::s16(0x89DE),
                                                              detail::s16(0x8BD7),
                                                              detail::s16(0x8DF4),
                                                              detail::s16(0x9051),
                                                              detail::s16(0x92E2),
                                                              detail::s16(0x95DE),
                                                              detail::s16(0x990F),
                                                              detail::s16(0x9C81),
                                                              detail::s16(0xA079),
                                                              detail::s16(0xA54C),
                                                              detail::s16(0xAAD2),
                                                              detail::s16(0xB18A),
                                                              detail::s16(0xB90A),
                                                              detail::s16(0xC124),
                                                              detail::s16(0xC9CC),
                                                              detail::s16(0xD339),
                                                              detail::s16(0xDDD3),
                                                              detail::s16(0xE9D6),
                                                              detail::s16(0xF893),
                                                              0x096F,
                                                              0x1ACA,
                                                              0x29EC,
                                                              0x381F,
                                                              0x45F9,
                                                              0x546A,
                                                              0x63C3,
                                                              0x73B5};
inline constexpr std::array<std::int16_t, 32> kReflection1 = {detail::s16(0x9F65),
                                                              detail::s16(0xB56B),
                                                              detail::s16(0xC583),
                                                              detail::s16(0xD371),
                                                              detail::s16(0xE018),
                                                              detail::s16(0xEBB4),
                                                              detail::s16(0xF61C),
                                                              detail::s16(0xFF59),
                                                              0x085B,
                                                              0x1106,
                                                              0x1952,
                                                              0x214A,
                                                              0x28C9,
                                                              0x2FF8,
                                                              0x36E6,
                                                              0x3D92,
                                                              0x43DF,
                                                              0x49BB,
                                                              0x4F46,
                                                              0x5467,
                                                              0x5930,
                                                              0x5DA3,
                                                              0x61EC,
                                                              0x65F9,
                                                              0x69D4,
                                                              0x6D5A,
                                                              0x709E,
                                                              0x73AD,
                                                              0x766B,
                                                              0x78F0,
                                                              0x7B5A,
                                                              0x7DA5};
inline constexpr std::array<std::int16_t, 16> kReflection2 = {detail::s16(0x96F8),
                                                              detail::s16(0xA3B4),
                                                              detail::s16(0xAF45),
                                                              detail::s16(0xBA53),
                                                              detail::s16(0xC4B1),
                                                              detail::s16(0xCECC),
                                                              detail::s16(0xD86F),
                                                              detail::s16(0xE21E),
                                                              detail::s16(0xEBF3),
                                                              detail::s16(0xF640),
                                                              0x00F7,
                                                              0x0C20,
                                                              0x1881,
                                                              0x269A,
                                                              0x376B,
                                                              0x4D60};
inline constexpr std::array<std::int16_t, 16> kReflection3 = {detail::s16(0xC654),
                                                              detail::s16(0xDEF2),
                                                              detail::s16(0xEFAA),
                                                              detail::s16(0xFD94),
                                                              0x096A,
                                                              0x143F,
                                                              0x1E7B,
                                                              0x282C,
                                                              0x3176,
                                                              0x3A89,
                                                              0x439F,
                                                              0x4CA2,
                                                              0x557F,
                                                              0x5E50,
                                                              0x6718,
                                                              0x6F8D};
inline constexpr std::array<std::int16_t, 16> kReflection4 = {detail::s16(0xABE7),
                                                              detail::s16(0xBBA8),
                                                              detail::s16(0xC81C),
                                                              detail::s16(0xD326),
                                                              detail::s16(0xDD0E),
                                                              detail::s16(0xE5D4),
                                                              detail::s16(0xEE22),
                                                              detail::s16(0xF618),
                                                              detail::s16(0xFE28),
                                                              0x064F,
                                                              0x0EB7,
                                                              0x17B8,
                                                              0x21AA,
                                                              0x2D8B,
                                                              0x3BA2,
                                                              0x4DF9};
inline constexpr std::array<std::int16_t, 8> kReflection5 = {
    detail::s16(0xD51B), detail::s16(0xF12E), 0x042E, 0x13C7, 0x2260, 0x311B, 0x40DE, 0x5385};
inline constexpr std::array<std::int16_t, 8> kReflection6 = {detail::s16(0xB550),
                                                             detail::s16(0xC825),
                                                             detail::s16(0xD980),
                                                             detail::s16(0xE997),
                                                             detail::s16(0xF883),
                                                             0x0752,
                                                             0x1811,
                                                             0x2E18};
inline constexpr std::array<std::int16_t, 8> kReflection7 = {
    detail::s16(0xCEF0), detail::s16(0xE4F9), detail::s16(0xF6BB), 0x0646, 0x14F5, 0x23FF, 0x356F, 0x4A8D};

// Width in bits of each order's codebook index.
inline constexpr std::array<int, kOrder> kReflectionBits = {5, 5, 4, 4, 4, 3, 3, 3};

// Codebook entry of one order (index already within the codebook's size).
constexpr std::int16_t reflectionValue(int order, int index) {
    switch (order) {
    case 0:
        return kReflection0[static_cast<std::size_t>(index)];
    case 1:
        return kReflection1[static_cast<std::size_t>(index)];
    case 2:
        return kReflection2[static_cast<std::size_t>(index)];
    case 3:
        return kReflection3[static_cast<std::size_t>(index)];
    case 4:
        return kReflection4[static_cast<std::size_t>(index)];
    case 5:
        return kReflection5[static_cast<std::size_t>(index)];
    case 6:
        return kReflection6[static_cast<std::size_t>(index)];
    default:
        return kReflection7[static_cast<std::size_t>(index)];
    }
}

// Bandwidth expansion of the decoded predictor, 0.994^(k+1) in Q15.
inline constexpr std::array<std::int16_t, kOrder> kBandwidthExpansion = {0x7F3B, 0x7E78, 0x7DB6, 0x7CF5,
                                                                         0x7C35, 0x7B76, 0x7AB8, 0x79FC};

// The 25 two-tap pitch predictors (Q14): first tap one sample further back than the lag, second tap at the lag.
inline constexpr int kPitchFilters = 25;
inline constexpr std::array<std::array<std::int16_t, 2>, kPitchFilters> kPitchTaps = {{
    {detail::s16(0xED2F), 0x5239},
    {0x54F1, detail::s16(0xE4A9)},
    {0x2620, detail::s16(0xEE3E)},
    {0x09D6, 0x2C40},
    {detail::s16(0xEFB5), 0x2BE0},
    {0x3FE1, 0x3339},
    {0x442F, detail::s16(0xE6FE)},
    {0x4458, detail::s16(0xF9DF)},
    {detail::s16(0xF231), 0x43DB},
    {0x3DB0, detail::s16(0xF705)},
    {0x4F7B, detail::s16(0xFEFB)},
    {0x26AD, 0x0CDC},
    {0x33C2, 0x0739},
    {0x12BE, 0x43A2},
    {0x1BDF, 0x1F3E},
    {0x0211, 0x0796},
    {0x2AEB, 0x163F},
    {0x050D, 0x3A38},
    {0x0D1E, 0x0D78},
    {0x150F, 0x3346},
    {0x38A4, 0x0B7D},
    {0x2D5D, 0x1FDF},
    {0x19B7, 0x2822},
    {0x0D99, 0x1F12},
    {0x194C, 0x0CE6},
}};

// Pulse amplitude steps; a pulse is +step, +3 step, -step or -3 step (codes 0..3).
inline constexpr int kPulseGains = 16;
inline constexpr std::array<std::int16_t, kPulseGains> kPulseSteps = {2,   4,   6,   10,  16,  25,   40,   64,
                                                                      101, 161, 256, 406, 645, 1024, 1625, 2580};

constexpr int pulseAmplitude(int gainIndex, int code) {
    const int step = kPulseSteps[static_cast<std::size_t>(gainIndex)];
    return (code & 1 ? 3 * step : step) * (code & 2 ? -1 : 1);
}

// Weights of the postfilter's zeros (0.55^(k+1)) and poles (0.75^(k+1)), Q15.
inline constexpr std::array<std::int16_t, kOrder> kPostZeroWeights = {0x4666, 0x26B8, 0x154C, 0x0BB6,
                                                                      0x0671, 0x038B, 0x01F3, 0x0112};
inline constexpr std::array<std::int16_t, kOrder> kPostPoleWeights = {0x6000, 0x4800, 0x3600, 0x2880,
                                                                      0x1E60, 0x16C8, 0x1116, 0x0CD1};

// Pulse positions: 3 pulses in the first 30 samples of a subframe and 4 in the last 30, each half coded as the
// rank of its position set in the combinatorial number system.
inline constexpr int kHalfSamples = 30;
inline constexpr int kFirstHalfPulses = 3;
inline constexpr int kSecondHalfPulses = 4;
inline constexpr int kPulses = kFirstHalfPulses + kSecondHalfPulses;

// n choose k for the small arguments the position code needs.
constexpr int binomial(int n, int k) {
    if (k < 0 || n < k) {
        return 0;
    }
    long result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i;
    }
    return static_cast<int>(result);
}

// The pitch index that switches the pitch predictor off for a subframe.
inline constexpr int kNoPitch = 127;
// The smallest lag of the pitch predictor and the largest the decoder can reach.
inline constexpr int kMinLag = 18;
inline constexpr int kMaxLag = 145;

} // namespace truespeech
