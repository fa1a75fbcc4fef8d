#pragma once

#include <QByteArray>
#include <QString>

// How the tags of a file are reached. Decided from the file's first bytes where they are unambiguous, else from its
// extension, so a renamed file is still tagged in its real format.
enum class TagFileKind {
    None, // no tags at all: headerless audio, Sun AU, RIFF forms other than WAVE and AVI
    Mpeg, // ID3v1 or ID3v2, chosen by the tag version
    Ogg,  // Vorbis comments
    Asf,  // ASF attributes
    Wav,  // RIFF INFO
    Mpc,  // APE tag of Musepack, whose ".mp+" extension TagLib does not know
    Other // any further format: the tag library's by its extension (FLAC, AIFF, MP4, ...), else read through FFmpeg
          // (Matroska, WebM, AVI, MPEG), whose tags are never written
};

[[nodiscard]] TagFileKind tagFileKind(const QString& fileName, const QByteArray& head);
