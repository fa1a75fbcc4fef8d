#pragma once

#include "core/components/common/GenreTable.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// The 128-byte ID3v1 tag that may end an MPEG audio file: found, read and cut off, never written.
inline constexpr int kTrailerSize = 128;

// The file's last 128 bytes, as stored.
using TrailerRecord = std::array<std::uint8_t, kTrailerSize>;

// Reads the last 128 bytes of a file; false when the file cannot be read or is shorter than 128 bytes.
[[nodiscard]] bool ReadTrailer(const QString& fileName, TrailerRecord& record);
// Makes the file writable for its owner and cuts its last 128 bytes off; false when that fails.
[[nodiscard]] bool CutTrailer(const QString& fileName);
// 2 when the record carries a track number (ID3v1.1 layout), else 1 (ID3v1.0 layout).
[[nodiscard]] int TrailerLayout(const TrailerRecord& record);
// The ID3v1 genre names by genre number 0..147.
[[nodiscard]] const std::array<const char*, kGenreCount>& GenreNames();

class TID3v1 {
public:
    TID3v1() { Clear(); }

    void Clear();
    // True when the file's last 128 bytes could be read, tag or not; TagFound says whether they are a tag.
    bool Load(const QString& fileName);
    // True when the file ends without a tag (left untouched) or the tag was cut off.
    bool Strip(const QString& fileName);

    [[nodiscard]] bool TagFound() const { return tagFound_; }
    [[nodiscard]] std::uint8_t SubVersion() const { return subVersion_; }
    [[nodiscard]] const QByteArray& Title() const { return title_; }
    [[nodiscard]] const QByteArray& Artist() const { return artist_; }
    [[nodiscard]] const QByteArray& Album() const { return album_; }
    [[nodiscard]] const QByteArray& Year() const { return year_; }
    [[nodiscard]] const QByteArray& Comment() const { return comment_; }
    [[nodiscard]] std::uint8_t Track() const { return track_; }
    [[nodiscard]] std::uint8_t GenreNumber() const { return genreNumber_; }

private:
    bool tagFound_ = false;
    std::uint8_t subVersion_ = 1;
    QByteArray title_;
    QByteArray artist_;
    QByteArray album_;
    QByteArray year_;
    QByteArray comment_;
    std::uint8_t track_ = 0;
    std::uint8_t genreNumber_ = kNoGenre;
};
