#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The exact number of samples per channel an MP3 decodes to, from the Xing/Info frame and the encoder's delay and
// padding that LAME (and FFmpeg) record in it. The frame count alone overstates the length by the encoder's
// padding, up to two frames. Nothing when the file has no such frame or the record is not plausible.
[[nodiscard]] std::optional<qint64> mp3GaplessLength(const QString& fileName);
