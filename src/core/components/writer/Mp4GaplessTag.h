#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// How many samples of an MP4 AAC stream are real: the encoder's delay at the start, the source's samples, and the
// total the coded frames hold (the rest is padding at the end).
struct GaplessFacts {
    std::int64_t delay = 0;
    std::int64_t samples = 0;
    std::int64_t codedSamples = 0;
};

// The iTunSMPB text players read: " 00000000 DDDDDDDD PPPPPPPP SSSSSSSSSSSSSSSS" and eight zero fields, in hex.
[[nodiscard]] QString iTunSmpbText(const GaplessFacts& facts);

// Adds the iTunSMPB tag to a finished MP4 file. Raises ComponentError when the file cannot be tagged.
void recordGaplessFacts(const QString& fileName, const GaplessFacts& facts);

// The facts an iTunSMPB text states; nothing when the text is not of that form.
[[nodiscard]] std::optional<GaplessFacts> gaplessFactsOf(const QString& iTunSmpb);
// The facts the iTunSMPB tag of an MP4 file states; nothing when the file is no MP4 file or has no such tag.
[[nodiscard]] std::optional<GaplessFacts> readGaplessFacts(const QString& fileName);
