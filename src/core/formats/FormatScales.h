#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The value scales the format controls share: the sample rates every rate list offers, and the bit-rate scales
// behind the MP3 and Ogg Vorbis track bars. Positions outside a scale fall back to a middle value, so a control
// can never hand the writer a rate or bit rate that is not on its list.

inline constexpr std::array<int, 8> kSampleRates{8000, 11025, 16000, 22050, 24000, 32000, 44100, 48000};
inline constexpr int kDefaultSampleRate = 44100;

// The rate at a list index; an index outside the list gives 44100.
[[nodiscard]] int sampleRateAt(int index);
// The list index of a rate; a rate not on the list gives the index of 44100.
[[nodiscard]] int sampleRateIndexOf(int sampleRate);
// The rates as list items ("8000", "11025", ...).
[[nodiscard]] QStringList sampleRateItems();

// MP3 track bars, positions 0..14 from 8 to 320 kbit/s; there is no 40 and no 80.
inline constexpr std::array<int, 15> kMp3BitrateScale{8, 16, 24, 32, 48, 56, 64, 96, 112, 128, 160, 192, 224, 256, 320};
inline constexpr int kMp3MiddlePosition = 9; // 128 kbit/s
[[nodiscard]] int mp3BitrateAt(int position);
// The position of a bit rate; one that is not on the scale stands at 128 kbit/s.
[[nodiscard]] int mp3PositionOf(int kbps);

// Ogg Vorbis track bars, positions 1..11 from 48 to 320 kbit/s.
inline constexpr std::array<int, 11> kOggBitrateScale{48, 56, 64, 96, 112, 128, 160, 192, 224, 256, 320};
inline constexpr int kOggFirstPosition = 1;
inline constexpr int kOggMiddlePosition = 6; // 128 kbit/s
[[nodiscard]] int oggBitrateAt(int position);
