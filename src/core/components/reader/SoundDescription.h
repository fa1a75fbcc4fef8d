#pragma once

#include <QString>
#include <QtGlobal>

// The one-line texts the reader gives of a source, e.g. "MPEG-1 Layer III, 128 kbit/s, 44100 Hz, Stereo".
namespace sounddescription {

// Joins a codec name with the bit rate (left out when bitsPerSecond <= 0), the rate and the channels.
QString describe(const QString& codecName, qint64 bitsPerSecond, int sampleRate, int channels);
// "PCM 16-bit", "PCM 32-bit float".
QString pcmName(int bits, bool isFloat);

} // namespace sounddescription
