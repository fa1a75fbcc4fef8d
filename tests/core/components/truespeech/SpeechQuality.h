#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// Objective speech-quality measures for codec tests.
namespace speechquality {

// Mean per-frame SNR over 20 ms frames at 8000 Hz, each frame clamped to [-10, 35] dB, after shifting the decoded
// signal by the lag (within +-maxLag) that correlates best with the reference. Frames where the reference is
// digital silence carry no ratio and are left out.
double segmentalSnr(const std::vector<std::int16_t>& reference, const std::vector<std::int16_t>& decoded,
                    int maxLag = 480);

// The samples after a GSM 6.10 WAV round trip through libsndfile, our GSM WAV output's encoder; empty on failure.
std::vector<std::int16_t> gsmRoundTrip(const std::vector<std::int16_t>& samples, const QString& scratchFile);

} // namespace speechquality
