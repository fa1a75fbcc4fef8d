#pragma once

#include "WriterFormat.h"

#include <QString>
#include <span>

// The legal values of each codec and how a request is moved to the nearest legal one. Pure functions, so the
// format operations stay small and the rules can be checked without writing files.
namespace formatrules {

[[nodiscard]] int nearestOf(int value, std::span<const int> legal);
[[nodiscard]] int clampChannels(int channels, int most);
[[nodiscard]] int clampPcmRate(int sampleRate);

[[nodiscard]] WriterFormat pcmWav(int sampleRate, int channels, int bits);
[[nodiscard]] WriterFormat raw(int sampleRate, int channels);
[[nodiscard]] WriterFormat adpcmWav(int sampleRate, int channels);
[[nodiscard]] WriterFormat gsmWav(int sampleRate);
[[nodiscard]] WriterFormat vox(int sampleRate);
[[nodiscard]] WriterFormat dspWav();
[[nodiscard]] WriterFormat mp2(int sampleRate, int kbps, int channels);
[[nodiscard]] WriterFormat g721(int sampleRate);
[[nodiscard]] WriterFormat g723(int sampleRate, int bits);
[[nodiscard]] WriterFormat g726(int sampleRate, int bits);
[[nodiscard]] WriterFormat flac(int level);
[[nodiscard]] WriterFormat alac();
[[nodiscard]] WriterFormat aac(int sampleRate, int channels, int kbps);
[[nodiscard]] WriterFormat opus(int channels, int kbps, bool speech);
// Gives a lossless format the source's shape: its rate, at most two channels (more are mixed down) and a sample
// size of 16 bits (8-bit and lossy sources) or 24 bits (larger and floating-point sources).
// With chosen channels the count chosen stays, or with kept channels the input's up to eight.
[[nodiscard]] WriterFormat shapedLikeSource(WriterFormat format, int sampleRate, int channels, int bits);
// Whether the format can carry more than two channels and so takes a channel choice.
[[nodiscard]] bool takesChannelChoice(OutputCodec codec);
// The format with a channel choice: 0 keeps the input's channels, 1 and 2 make mono and stereo. Formats that take
// no choice are returned as they are.
[[nodiscard]] WriterFormat withChannelChoice(WriterFormat format, int channels);
// A format that keeps its input's channels, given them: the count (up to eight, and those the codec can hold),
// their layout and the bit rates for that many stereo pairs.
[[nodiscard]] WriterFormat withKeptChannels(WriterFormat format, int channels, quint64 mask);

inline constexpr int kOpusRate = 48000;

// The WMA profiles, ordered by quality; the last is 128 kbit/s, 44.1 kHz, stereo.
struct WmaProfile {
    int kbps;
    int sampleRate;
    int channels;
};
[[nodiscard]] std::span<const WmaProfile> wmaProfiles();
// Profile numbers count from 1; a number outside the list takes the nearest end.
[[nodiscard]] WriterFormat wma(int profile);
// "128 kbps, 44 kHz, stereo CBR"
[[nodiscard]] QString wmaProfileDescription(const WmaProfile& profile);

} // namespace formatrules
