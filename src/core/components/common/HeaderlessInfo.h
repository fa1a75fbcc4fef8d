#pragma once

#include <QString>
#include <optional>

// What a headerless output (.raw, .vox) holds, recorded by the writer in the file's extended attributes
// (user.tonalith.rate, user.tonalith.channels, user.tonalith.sampletype) so the reader opens it right without
// guessing. Where the file system refuses extended attributes nothing is recorded and nothing fails.
struct HeaderlessInfo {
    int sampleRate = 0;
    int channels = 0;
    QString sampleType; // "s16le" for RAW, "vox" for Dialogic OKI ADPCM

    friend bool operator==(const HeaderlessInfo&, const HeaderlessInfo&) = default;
};

// Returns false when the attributes could not be written (the file stays as it is).
bool writeHeaderlessInfo(const QString& fileName, const HeaderlessInfo& info);
// Nothing when the file carries no complete, sane record.
std::optional<HeaderlessInfo> readHeaderlessInfo(const QString& fileName);
