#pragma once

#include "WriterBackend.h"

// Ogg Vorbis through libvorbisenc and libogg. Bit rates in kbit/s; 0 or -1 leaves a limit unset.

// Whether libvorbis accepts this managed (bit-rate) setting and minimum <= nominal <= maximum holds.
[[nodiscard]] bool acceptsVorbisBitrates(int sampleRate, int channels, int nominal, int minimum, int maximum);

// The Ogg Vorbis format nearest to the request that libvorbis accepts: the quality mode takes any rate; the
// bit-rate mode works only between 8 and 50 kHz and within a window of bit rates that depends on rate and
// channels, so the rate and then the nominal bit rate move to the nearest accepted values.
[[nodiscard]] WriterFormat planOggVorbis(int sampleRate, int channels, int nominal, int minimum, int maximum,
                                         int quality);

[[nodiscard]] std::unique_ptr<WriterBackend> openOggVorbisBackend(const WriterFormat& format, const QString& fileName);
