#include "ID3v1.h"

#include "TagFile.h"
#include "TagText.h"

#include <unistd.h>

namespace {

constexpr int kTitleOffset = 3;
constexpr int kArtistOffset = 33;
constexpr int kAlbumOffset = 63;
constexpr int kYearOffset = 93;
constexpr int kCommentOffset = 97;
constexpr int kTextLength = 30;
constexpr int kYearLength = 4;
constexpr int kShortCommentLength = 28;
constexpr int kTrackMarkOffset = 125;
constexpr int kTrackOffset = 126;
constexpr int kGenreOffset = 127;
constexpr std::uint8_t kBlank = 0x20;

bool hasMarker(const TrailerRecord& record) {
    // Exact bytes: a lower-case "tag" is audio data that happens to spell it.
    return record[0] == 'T' && record[1] == 'A' && record[2] == 'G';
}

QByteArray fieldText(const TrailerRecord& record, int offset, int length) {
    return tagtext::trimmedEnd(QByteArray(reinterpret_cast<const char*>(record.data()) + offset, length));
}

} // namespace

bool ReadTrailer(const QString& fileName, TrailerRecord& record) {
    const tagfile::FileHandle file = tagfile::openRegularFile(fileName, tagfile::Access::ReadOnly);
    const std::optional<std::int64_t> size = tagfile::fileSize(file);
    if (!size || *size < kTrailerSize)
        return false;
    return tagfile::readExactlyAt(file, *size - kTrailerSize, record.data(), record.size());
}

bool CutTrailer(const QString& fileName) {
    // A read-only file is made writable first; if that fails, opening for writing reports the failure.
    tagfile::makeOwnerWritable(fileName);
    tagfile::FileHandle file = tagfile::openRegularFile(fileName, tagfile::Access::ReadWrite);
    const std::optional<std::int64_t> size = tagfile::fileSize(file);
    if (!size || *size < kTrailerSize)
        return false;
    if (::ftruncate(file.get(), static_cast<off_t>(*size - kTrailerSize)) != 0)
        return false;
    return file.close();
}

int TrailerLayout(const TrailerRecord& record) {
    const std::uint8_t mark = record[kTrackMarkOffset];
    const std::uint8_t track = record[kTrackOffset];
    const bool zeroBeforeTrack = mark == 0 && track != 0;
    const bool blankBeforeTrack = mark == kBlank && track != kBlank;
    return zeroBeforeTrack || blankBeforeTrack ? 2 : 1;
}

const std::array<const char*, kGenreCount>& GenreNames() {
    return genreTable();
}

void TID3v1::Clear() {
    tagFound_ = false;
    subVersion_ = 1;
    title_.clear();
    artist_.clear();
    album_.clear();
    year_.clear();
    comment_.clear();
    track_ = 0;
    genreNumber_ = kNoGenre;
}

bool TID3v1::Load(const QString& fileName) {
    Clear();
    TrailerRecord record{};
    if (!ReadTrailer(fileName, record))
        return false;
    if (!hasMarker(record))
        return true;
    tagFound_ = true;
    subVersion_ = static_cast<std::uint8_t>(TrailerLayout(record));
    title_ = fieldText(record, kTitleOffset, kTextLength);
    artist_ = fieldText(record, kArtistOffset, kTextLength);
    album_ = fieldText(record, kAlbumOffset, kTextLength);
    year_ = fieldText(record, kYearOffset, kYearLength);
    if (subVersion_ == 2) {
        comment_ = fieldText(record, kCommentOffset, kShortCommentLength);
        track_ = record[kTrackOffset];
    } else {
        comment_ = fieldText(record, kCommentOffset, kTextLength);
    }
    genreNumber_ = record[kGenreOffset];
    return true;
}

bool TID3v1::Strip(const QString& fileName) {
    TrailerRecord record{};
    if (!ReadTrailer(fileName, record))
        return false;
    if (!hasMarker(record))
        return true;
    return CutTrailer(fileName);
}
