#pragma once

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace samplequant {

// A clipped float sample as a signed integer of `bits` bits (rounded to nearest), so that 16-bit material read
// as s / 32768 comes back bit for bit.
inline std::int32_t toInteger(float sample, int bits) {
    // Scaling by a power of two is exact in float, so rounding in float loses nothing.
    const float scale = static_cast<float>(std::int64_t{1} << (bits - 1));
    const float scaled = std::clamp(sample * scale, -scale, scale - 1.0f);
    return static_cast<std::int32_t>(std::lrintf(scaled));
}

// Samples that may lie beyond full scale or be NaN as integers of `bits` bits: clipped, NaN as silence, rounded to
// nearest with ties to even, the same integers toInteger gives for clipped samples. Plain arithmetic without a call
// per sample (lrintf is one), so that a whole block goes at memory speed: adding and taking away 1.5 * 2^52 leaves a
// double of this size no fraction, rounded in the default rounding mode.
inline void clipAndRound(const float* samples, std::size_t count, int bits, std::int32_t* out) {
    constexpr double kRoundingShift = 6755399441055744.0;
    const double scale = static_cast<double>(std::int64_t{1} << (bits - 1));
    const double highest = scale - 1.0;
    for (std::size_t index = 0; index < count; ++index) {
        const double sample = samples[index];
        double scaled = sample == sample ? sample * scale : 0.0;
        scaled = scaled < -scale ? -scale : scaled;
        scaled = scaled > highest ? highest : scaled;
        out[index] = static_cast<std::int32_t>((scaled + kRoundingShift) - kRoundingShift);
    }
}

// As clipAndRound, four samples at a time. The compiler keeps the loop above scalar (its comparisons may trap on
// NaN), which made quantising a large share of a FLAC encode. Up to 24 bits the limits are exact in float and so is
// scaling by a power of two; the conversion rounds in the default mode, ties to even, like the loop above.
inline void toClippedIntegers(std::span<const float> samples, int bits, std::vector<std::int32_t>& out) {
    out.resize(samples.size());
    std::size_t done = 0;
#if defined(__SSE2__)
    if (bits <= 24) {
        const float scale = static_cast<float>(std::int32_t{1} << (bits - 1));
        const __m128 factor = _mm_set1_ps(scale);
        const __m128 lowest = _mm_set1_ps(-scale);
        const __m128 highest = _mm_set1_ps(scale - 1.0f);
        for (; done + 4 <= samples.size(); done += 4) {
            const __m128 sample = _mm_loadu_ps(samples.data() + done);
            // max and min give their second operand for NaN; the ordered mask then makes it silence.
            const __m128 clipped = _mm_min_ps(_mm_max_ps(_mm_mul_ps(sample, factor), lowest), highest);
            const __m128 silenced = _mm_and_ps(clipped, _mm_cmpord_ps(sample, sample));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out.data() + done), _mm_cvtps_epi32(silenced));
        }
    }
#endif
    clipAndRound(samples.data() + done, samples.size() - done, bits, out.data() + done);
}

inline void toInt16(std::span<const float> samples, std::vector<std::int16_t>& out) {
    out.resize(samples.size());
    for (std::size_t index = 0; index < samples.size(); ++index)
        out[index] = static_cast<std::int16_t>(toInteger(samples[index], 16));
}

// Left-aligned 32-bit integers holding `bits` significant bits: libsndfile narrows them by shifting.
inline void toLeftAligned(std::span<const float> samples, int bits, std::vector<std::int32_t>& out) {
    out.resize(samples.size());
    const int shift = 32 - bits;
    for (std::size_t index = 0; index < samples.size(); ++index)
        out[index] = static_cast<std::int32_t>(static_cast<std::uint32_t>(toInteger(samples[index], bits)) << shift);
}

} // namespace samplequant
