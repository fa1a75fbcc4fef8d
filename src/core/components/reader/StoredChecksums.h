#pragma once

#include <QString>
#include <functional>

// What the checksums a sound file carries say about its bytes. FLAC keeps a CRC of every frame and the MD5 of all
// its samples; Ogg a CRC of every page; an MP3 with a LAME header the CRC of all frames after it. Formats without
// such checksums (plain PCM, MP2, WMA, ADPCM, GSM, ...) can only be judged by decoding them: flipped sample bytes in
// them go unseen.
struct ChecksumFinding {
    bool checked = false; // the file carries checksums of its sound, and they were compared
    bool stopped = false; // the watch asked to stop before the end; nothing is known then
    QString damage;       // what did not match, in words for the user; empty when every checksum matched
};

// Told with how far the check got (0..100) every few hundred milliseconds of sound; false stops the check.
using ChecksumWatch = std::function<bool(int percent)>;

// True when the file starts as a format whose checksums checkStoredChecksums compares.
[[nodiscard]] bool carriesStoredChecksums(const QString& fileName);

// Reads the file to its end and compares every checksum it carries. A file of a format without checksums is not
// read (checked stays false). Costs one decode for FLAC, one read of the bytes for Ogg and MP3.
[[nodiscard]] ChecksumFinding checkStoredChecksums(const QString& fileName, const ChecksumWatch& watch = {});
