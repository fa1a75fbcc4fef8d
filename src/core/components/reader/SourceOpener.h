#pragma once

#include "SourceDecoder.h"

#include <QByteArray>
#include <memory>
#include <optional>

struct ProbedSource;

// Raises ComponentError (FileNotFound, AccessDenied, UnknownFormat for a folder) unless the name is a readable file.
void checkReadableFile(const QString& fileName);

// The FFmpeg demuxer that reads the file, decided by its content among a fixed list of containers and frame
// streams (see ContainerSniffer.h). Raises ComponentError (UnknownFormat) when none fits.
[[nodiscard]] QByteArray demuxerByContent(const QString& fileName);

// Chooses the decoder of a source. The content decides wherever the file has a header; only files without one
// are taken by their extension (.raw, .vox, .g721, .g723, .g726), with the format recorded on the file by our
// own writer, else the usual defaults. Headerless files are never left to FFmpeg's guessing, which mistakes
// them for other formats.
// Raises ComponentError with a LastError code when the file cannot be opened.
// A source probed before (and unchanged since) that FFmpeg reads is opened with what that probe found.
// A chosen sound track (counted from 0) is read from a container of several; nothing reads its default track.
std::unique_ptr<SourceDecoder> openSourceDecoder(const QString& fileName, int decoderThreads,
                                                 const ProbedSource* probed = nullptr,
                                                 std::optional<int> soundTrack = std::nullopt);
