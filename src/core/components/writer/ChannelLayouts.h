#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <span>

// Channel layouts as WAVE_FORMAT_EXTENSIBLE masks, the bits FFmpeg uses as well. Samples travel through the writer
// in the order of their mask's bits (front left, front right, centre, LFE, back left/right, ..., side left/right),
// the order of WAV and of FFmpeg's decoders; each backend puts them into its format's own order.
namespace channellayout {

inline constexpr int kMostChannels = 8;

inline constexpr quint64 kFrontLeft = 0x1;
inline constexpr quint64 kFrontRight = 0x2;
inline constexpr quint64 kFrontCentre = 0x4;
inline constexpr quint64 kLowFrequency = 0x8;
inline constexpr quint64 kBackLeft = 0x10;
inline constexpr quint64 kBackRight = 0x20;
inline constexpr quint64 kBackCentre = 0x100;
inline constexpr quint64 kSideLeft = 0x200;
inline constexpr quint64 kSideRight = 0x400;

// The mask of a layout of that many channels: the given one when it names exactly that many, else the usual layout
// of the count (FFmpeg's default: 5.1 with side surrounds for six channels, 7.1 for eight).
[[nodiscard]] quint64 maskFor(int channels, quint64 given = 0);
// "mono", "stereo", "5.1", "5.1(side)", "7.1", ...; "N channels" for a layout without a name.
[[nodiscard]] QString layoutName(int channels, quint64 mask);

// Where each channel of the format's own order is taken from, as an index into the writer's order. Vorbis and
// Opus (mapping family 1) order their channels front left, centre, front right, surrounds, LFE; side surrounds of
// 5.1 take the surround places, which these formats do not tell apart.
[[nodiscard]] std::array<int, kMostChannels> vorbisOrder(int channels);
// Puts interleaved frames from the writer's order into the order given by `from`.
void reorder(std::span<const float> samples, int channels, const std::array<int, kMostChannels>& from,
             std::span<float> target);

// Lossy bit rates are chosen for a stereo pair; a layout of more channels gets that rate for each pair it holds
// (a lone channel, LFE included, counts as a pair).
[[nodiscard]] int pairsOf(int channels);

} // namespace channellayout
