#pragma once

#include "WriterBackend.h"

// FLAC through libFLAC, the reference encoder: 16- or 24-bit samples at the format's rate and channels, with the
// STREAMINFO totals and MD5, a seek table and room for tags.
[[nodiscard]] std::unique_ptr<WriterBackend> openFlacBackend(const WriterFormat& format, const QString& fileName);
