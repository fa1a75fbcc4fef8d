#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

// Which FFmpeg demuxer reads a file, decided by its content alone and only among the demuxers named here: FFmpeg
// is never left to guess, since its guesses take headerless sound for other formats.
namespace containersniffer {

// The demuxer of a container or stream whose first bytes carry its magic (RIFF/WAVE, Ogg, FLAC, MP4, Matroska,
// ...), when they do.
[[nodiscard]] std::optional<QByteArray> containerDemuxer(const QByteArray& head);

// Where the content starts behind the ID3v2 tags some tools put in front of any file (0 without tags). The tags
// may reach beyond the bytes given.
[[nodiscard]] qint64 contentStart(const QByteArray& head);

// The demuxer of a stream of frames that starts with a sync word instead of a header (ADTS AAC, AC-3, E-AC-3,
// DTS, MPEG audio, MPEG transport streams), when FFmpeg's own frame checks find enough consecutive frames in the
// bytes. wholeFile: the bytes are the whole file, so a short stream may have few frames.
[[nodiscard]] std::optional<QByteArray> frameStreamDemuxer(const QByteArray& bytes, bool wholeFile);

} // namespace containersniffer
