#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The ID3v2 tag at the start of an MPEG audio file: seven text frames read from ID3v2.3 tags, and removal of the
// whole tag by rewriting the file without it. Tags are never written here.
inline constexpr int kTagHeaderSize = 10;
inline constexpr int kFrameHeaderSize = 10;
// Each frame contributes at most this many bytes of text; the rest of its data is skipped unread.
inline constexpr int kFrameBufferSize = 250;

// The frames that are read, in the order of TagScan::texts.
inline constexpr std::array<const char*, 7> FrameIds{"TIT2", "TPE1", "TALB", "TRCK", "TYER", "TCON", "COMM"};
enum FrameSlot { TitleSlot, ArtistSlot, AlbumSlot, TrackSlot, YearSlot, GenreSlot, CommentSlot };

// The working record of one read: the header bytes, the file's size, and one text per entry of FrameIds.
struct TagScan {
    std::array<std::uint8_t, kTagHeaderSize> header{};
    std::int64_t fileSize = 0;
    std::array<QByteArray, FrameIds.size()> texts;
};

// Reads the first 10 bytes and the file's size; false when the file is shorter or cannot be read.
[[nodiscard]] bool ReadTagHeader(const QString& fileName, TagScan& scan);
// The whole tag in bytes, header included, from the four size bytes used whole; 0 when it would exceed the file.
[[nodiscard]] std::int32_t TotalTagSize(const TagScan& scan);
// Four bytes, most significant first, as a signed 32-bit value.
[[nodiscard]] std::int32_t BigEndian32(const std::uint8_t* bytes);
// Keeps text in the slot of the identifier when it is one of FrameIds; a later frame replaces an earlier one.
void StoreFrameText(QByteArrayView identifier, const QByteArray& text, TagScan& scan);
// Reads the frames of the tag into the scan's texts until the tag, the frames or the file end, or a read fails.
void WalkFrames(const QString& fileName, TagScan& scan);
// The track number of a "TRCK" text ("3/12" gives 3), or 0 when it holds no whole number.
[[nodiscard]] int TrackNumber(const QByteArray& text);
// A "TCON" text without its leading genre references: "(17)Rock" gives "Rock".
[[nodiscard]] QByteArray GenreText(const QByteArray& text);
// Rewrites the file without its ID3v2 tag; false when it has none or anything fails, the file then left unchanged.
[[nodiscard]] bool CopyWithoutTag(const QString& fileName);

// A whole number as the tag editor and "TRCK" accept it: optional leading blanks, an optional sign, then decimal
// digits within the signed 32-bit range, or up to eight hexadecimal digits after "$", "x", "X", "0x" or "0X" taken as
// a 32-bit pattern, and nothing after them.
[[nodiscard]] std::optional<std::int32_t> parseWholeNumber(QByteArrayView text);

class TID3v2 {
public:
    TID3v2() { Clear(); }

    void Clear();
    // True when the first 10 bytes could be read, tag or not; TagFound says whether they begin a tag.
    bool Load(const QString& fileName);
    // True when the file was rewritten without its tag; false when it has none or anything failed.
    bool Strip(const QString& fileName);

    [[nodiscard]] bool TagFound() const { return tagFound_; }
    [[nodiscard]] std::uint8_t MajorVersion() const { return majorVersion_; }
    [[nodiscard]] std::int32_t TagSize() const { return tagSize_; }
    [[nodiscard]] const QByteArray& Title() const { return title_; }
    [[nodiscard]] const QByteArray& Artist() const { return artist_; }
    [[nodiscard]] const QByteArray& Album() const { return album_; }
    [[nodiscard]] std::uint8_t Track() const { return track_; }
    [[nodiscard]] const QByteArray& Year() const { return year_; }
    [[nodiscard]] const QByteArray& Genre() const { return genre_; }
    [[nodiscard]] const QByteArray& Comment() const { return comment_; }

private:
    bool tagFound_ = false;
    std::uint8_t majorVersion_ = 0;
    std::int32_t tagSize_ = 0;
    QByteArray title_;
    QByteArray artist_;
    QByteArray album_;
    std::uint8_t track_ = 0;
    QByteArray year_;
    QByteArray genre_;
    QByteArray comment_;
};
