#pragma once

#include "WriterBackend.h"

// Headerless signed 16-bit little-endian PCM (.raw), its rate and channels recorded in file attributes.
[[nodiscard]] std::unique_ptr<WriterBackend> openRawBackend(const WriterFormat& format, const QString& fileName);
