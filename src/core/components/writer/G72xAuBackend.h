#pragma once

#include "WriterBackend.h"

// G.721 / G.723 / G.726 (3, 4 or 5 bits per sample) encoded by spandsp into Sun AU (encodings 25, 23, 26),
// codes packed from the least significant bit as Sun's own tools and sox expect.
[[nodiscard]] std::unique_ptr<WriterBackend> openG72xAuBackend(const WriterFormat& format, const QString& fileName);
