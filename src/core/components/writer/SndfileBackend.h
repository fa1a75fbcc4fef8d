#pragma once

#include "WriterBackend.h"

#include <optional>

// PCM WAV, Microsoft ADPCM WAV, GSM 6.10 WAV and headerless VOX, all written by libsndfile.
[[nodiscard]] std::unique_ptr<WriterBackend> openPcmWavBackend(const WriterFormat& format, const QString& fileName);
[[nodiscard]] std::unique_ptr<WriterBackend> openAdpcmWavBackend(const WriterFormat& format, const QString& fileName);
[[nodiscard]] std::unique_ptr<WriterBackend> openGsmWavBackend(const WriterFormat& format, const QString& fileName);
[[nodiscard]] std::unique_ptr<WriterBackend> openVoxBackend(const WriterFormat& format, const QString& fileName);
