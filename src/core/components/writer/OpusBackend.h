#pragma once

#include "WriterBackend.h"

// Ogg Opus through libopusenc at 48 kHz (the writer resamples to it): VBR at the format's bit rate, tuned for
// speech or music. libopusenc records the encoder's look-ahead as pre-skip and ends the stream on the last real
// sample, so decoders give back exactly the input's length.
[[nodiscard]] std::unique_ptr<WriterBackend> openOpusBackend(const WriterFormat& format, const QString& fileName);
