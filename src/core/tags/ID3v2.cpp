#include "ID3v2.h"

#include "TagFile.h"
#include "TagText.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kMajorVersionOffset = 3;
constexpr int kSizeOffset = 6;
constexpr int kFrameSizeOffset = 4;
constexpr int kIdentifierLength = 4;
constexpr int kSupportedMajorVersion = 3;
// Encoding byte and three-letter language ahead of a comment's text.
constexpr int kCommentPrefixLength = 4;
constexpr std::size_t kCopyChunk = 256 * 1024;

bool hasMarker(const TagScan& scan) {
    return scan.header[0] == 'I' && scan.header[1] == 'D' && scan.header[2] == '3';
}

bool isUpperCaseLetter(std::uint8_t byte) {
    return byte >= 'A' && byte <= 'Z';
}

int hexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return -1;
}

std::optional<std::uint32_t> parseHexDigits(QByteArrayView digits) {
    constexpr qsizetype kMaxHexDigits = 8;
    if (digits.isEmpty() || digits.size() > kMaxHexDigits)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char digit : digits) {
        const int digitValue = hexDigitValue(digit);
        if (digitValue < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digitValue);
    }
    return value;
}

std::optional<std::uint32_t> parseDecimalMagnitude(QByteArrayView digits, std::uint32_t limit) {
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(digit - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

// The number of hexadecimal prefix bytes at the start of text, or 0 for a decimal number.
qsizetype hexPrefixLength(QByteArrayView text) {
    if (text.startsWith("0x") || text.startsWith("0X"))
        return 2;
    if (text.startsWith('$') || text.startsWith('x') || text.startsWith('X'))
        return 1;
    return 0;
}

// Best effort: makes a finished rename survive a power loss; the rename itself has already succeeded.
void syncFolderOf(const QString& fileName) {
    const QByteArray folder = QFile::encodeName(QFileInfo(fileName).absolutePath());
    const tagfile::FileHandle handle(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.isOpen())
        ::fsync(handle.get());
}

// Writes everything of source from position on into the new file, then forces it to disk.
bool copyTail(const tagfile::FileHandle& source, std::int64_t position, const tagfile::FileHandle& target) {
    std::vector<char> buffer(kCopyChunk);
    for (;;) {
        const std::int64_t got = tagfile::readSomeAt(source, position, buffer.data(), buffer.size());
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (!tagfile::writeAll(target, buffer.data(), static_cast<std::size_t>(got)))
            return false;
        position += got;
    }
    return ::fsync(target.get()) == 0;
}

// Copies the file from the end of its tag into "name~" and renames that over the file. The rename replaces the
// file in one step, so at every moment the name holds either the complete old or the complete new content.
bool replaceWithTail(const QString& fileName, std::int64_t tagSize) {
    const tagfile::FileHandle source = tagfile::openRegularFile(fileName, tagfile::Access::ReadOnly);
    struct stat sourceStatus {};
    if (!source.isOpen() || ::fstat(source.get(), &sourceStatus) != 0)
        return false;

    const QByteArray path = QFile::encodeName(fileName);
    const QByteArray temporaryPath = path + '~';
    // Replaces a leftover "~" file without ever writing through a link of that name.
    if (::unlink(temporaryPath.constData()) != 0 && errno != ENOENT)
        return false;
    tagfile::FileHandle target(
        ::open(temporaryPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, S_IRUSR | S_IWUSR));
    if (!target.isOpen())
        return false;

    const bool replaced = ::fchmod(target.get(), sourceStatus.st_mode & 07777) == 0 &&
                          copyTail(source, tagSize, target) && target.close() &&
                          ::rename(temporaryPath.constData(), path.constData()) == 0;
    if (!replaced) {
        target.close();
        ::unlink(temporaryPath.constData());
        return false;
    }
    syncFolderOf(fileName);
    return true;
}

} // namespace

bool ReadTagHeader(const QString& fileName, TagScan& scan) {
    const tagfile::FileHandle file = tagfile::openRegularFile(fileName, tagfile::Access::ReadOnly);
    const std::optional<std::int64_t> size = tagfile::fileSize(file);
    if (!size)
        return false;
    scan.fileSize = *size;
    return tagfile::readExactlyAt(file, 0, scan.header.data(), scan.header.size());
}

std::int32_t TotalTagSize(const TagScan& scan) {
    const std::uint8_t* size = scan.header.data() + kSizeOffset;
    // The bytes are taken whole, top bit included, so the largest result (about 539 MB) still fits in 32 bits.
    const std::int64_t total = std::int64_t{size[0]} * 2'097'152 + std::int64_t{size[1]} * 16'384 +
                               std::int64_t{size[2]} * 128 + std::int64_t{size[3]} + kTagHeaderSize;
    return total > scan.fileSize ? 0 : static_cast<std::int32_t>(total);
}

std::int32_t BigEndian32(const std::uint8_t* bytes) {
    const std::uint32_t value = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
                                (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
    return static_cast<std::int32_t>(value);
}

void StoreFrameText(QByteArrayView identifier, const QByteArray& text, TagScan& scan) {
    for (std::size_t slot = 0; slot < FrameIds.size(); ++slot) {
        if (identifier == QByteArrayView(FrameIds[slot])) {
            scan.texts[slot] = text;
            return;
        }
    }
}

void WalkFrames(const QString& fileName, TagScan& scan) {
    const tagfile::FileHandle file = tagfile::openRegularFile(fileName, tagfile::Access::ReadOnly);
    const std::optional<std::int64_t> fileSize = tagfile::fileSize(file);
    if (!fileSize)
        return;
    const std::int64_t tagEnd = TotalTagSize(scan);
    std::int64_t position = kTagHeaderSize;
    // Each turn moves at least one frame header forward, so the walk always ends.
    while (position < tagEnd && position < *fileSize) {
        std::array<std::uint8_t, kFrameHeaderSize> frameHeader{};
        if (!tagfile::readExactlyAt(file, position, frameHeader.data(), frameHeader.size()))
            return;
        // Padding, an extended header or the end of the frames.
        if (!isUpperCaseLetter(frameHeader[0]))
            return;
        const std::int64_t dataStart = position + kFrameHeaderSize;
        const std::int32_t frameSize = BigEndian32(frameHeader.data() + kFrameSizeOffset);
        if (frameSize < 0)
            return;
        QByteArray data(kFrameBufferSize, '\0');
        const auto wanted = static_cast<std::size_t>(std::min(frameSize, kFrameBufferSize));
        if (!tagfile::readExactlyAt(file, dataStart, data.data(), wanted))
            return;
        StoreFrameText(QByteArrayView(reinterpret_cast<const char*>(frameHeader.data()), kIdentifierLength), data,
                       scan);
        position = dataStart + frameSize;
    }
}

std::optional<std::int32_t> parseWholeNumber(QByteArrayView text) {
    while (text.startsWith(' '))
        text = text.sliced(1);
    bool negative = false;
    if (text.startsWith('+') || text.startsWith('-')) {
        negative = text.front() == '-';
        text = text.sliced(1);
    }
    if (const qsizetype prefix = hexPrefixLength(text); prefix > 0) {
        const std::optional<std::uint32_t> pattern = parseHexDigits(text.sliced(prefix));
        if (!pattern)
            return std::nullopt;
        return static_cast<std::int32_t>(negative ? 0u - *pattern : *pattern);
    }
    const std::uint32_t limit = negative ? 2'147'483'648u : 2'147'483'647u;
    const std::optional<std::uint32_t> magnitude = parseDecimalMagnitude(text, limit);
    if (!magnitude)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? 0u - *magnitude : *magnitude);
}

int TrackNumber(const QByteArray& text) {
    const QByteArray trimmed = tagtext::trimmedBoth(text);
    const qsizetype slash = trimmed.indexOf('/');
    const QByteArray number = slash >= 0 ? trimmed.left(slash) : trimmed;
    return parseWholeNumber(number).value_or(0);
}

QByteArray GenreText(const QByteArray& text) {
    const QByteArray trimmed = tagtext::trimmedBoth(text);
    const qsizetype lastClose = trimmed.lastIndexOf(')');
    return lastClose >= 0 ? trimmed.mid(lastClose + 1) : trimmed;
}

bool CopyWithoutTag(const QString& fileName) {
    // A link is followed, so the file it names loses its tag and the link stays a link.
    const QString target = QFileInfo(fileName).canonicalFilePath();
    if (target.isEmpty() || !tagfile::isExistingRegularFile(target))
        return false;
    if (!tagfile::makeOwnerWritable(target))
        return false;
    TagScan scan;
    if (!ReadTagHeader(target, scan) || !hasMarker(scan))
        return false;
    return replaceWithTail(target, TotalTagSize(scan));
}

void TID3v2::Clear() {
    tagFound_ = false;
    majorVersion_ = 0;
    tagSize_ = 0;
    title_.clear();
    artist_.clear();
    album_.clear();
    track_ = 0;
    year_.clear();
    genre_.clear();
    comment_.clear();
}

bool TID3v2::Load(const QString& fileName) {
    Clear();
    TagScan scan;
    if (!ReadTagHeader(fileName, scan))
        return false;
    if (!hasMarker(scan))
        return true;
    tagFound_ = true;
    majorVersion_ = scan.header[kMajorVersionOffset];
    tagSize_ = TotalTagSize(scan);
    if (majorVersion_ != kSupportedMajorVersion || tagSize_ <= 0)
        return true;
    WalkFrames(fileName, scan);
    title_ = tagtext::trimmedBoth(scan.texts[TitleSlot]);
    artist_ = tagtext::trimmedBoth(scan.texts[ArtistSlot]);
    album_ = tagtext::trimmedBoth(scan.texts[AlbumSlot]);
    year_ = tagtext::trimmedBoth(scan.texts[YearSlot]);
    // Only the low eight bits of the number are kept: 300 becomes 44.
    track_ = static_cast<std::uint8_t>(TrackNumber(scan.texts[TrackSlot]));
    genre_ = GenreText(scan.texts[GenreSlot]);
    comment_ = tagtext::trimmedBoth(scan.texts[CommentSlot].mid(kCommentPrefixLength));
    return true;
}

bool TID3v2::Strip(const QString& fileName) {
    return CopyWithoutTag(fileName);
}
