#include "core/tags/ID3v2.h"
#include "TagTestFiles.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace tagtest;

namespace {

class ID3v2Test : public ::testing::Test {
protected:
    // Writes a tag followed by stand-in audio and loads it.
    bool load(const QByteArray& tagBytes, int audioSize = 200) {
        path = writeFile(dir, "song.mp3", tagBytes + audio(audioSize));
        return tag.Load(path);
    }

    QTemporaryDir dir;
    QString path;
    TID3v2 tag;
};

TEST_F(ID3v2Test, ReadsTheSevenTextFramesOfAVersion3Tag) {
    const QByteArray body = textFrame("TIT2", " Title ") + textFrame("TXXX", "skipped") + textFrame("TPE1", "Artist") +
                            textFrame("TALB", "Album") + textFrame("TRCK", "7/12") + textFrame("TYER", "1999") +
                            textFrame("TCON", "(17)Rock") + frame("COMM", QByteArray("\0eng\0A comment", 14)) +
                            QByteArray(40, '\0');
    ASSERT_TRUE(load(id3v2Tag(body)));
    EXPECT_TRUE(tag.TagFound());
    EXPECT_EQ(tag.MajorVersion(), 3);
    EXPECT_EQ(tag.TagSize(), body.size() + 10);
    EXPECT_EQ(tag.Title(), QByteArray("Title"));
    EXPECT_EQ(tag.Artist(), QByteArray("Artist"));
    EXPECT_EQ(tag.Album(), QByteArray("Album"));
    EXPECT_EQ(tag.Track(), 7);
    EXPECT_EQ(tag.Year(), QByteArray("1999"));
    EXPECT_EQ(tag.Genre(), QByteArray("Rock"));
    EXPECT_EQ(tag.Comment(), QByteArray("A comment"));

    // A description stays in front of the comment, joined by its zero byte.
    ASSERT_TRUE(load(id3v2Tag(frame("COMM", QByteArray("\0engDesc\0Text", 13)))));
    EXPECT_EQ(tag.Comment(), QByteArray("Desc\0Text", 9));

    // The encoding byte is not interpreted: UTF-16 text keeps its byte-order mark and zero bytes.
    ASSERT_TRUE(load(id3v2Tag(frame("TIT2", QByteArray("\x01\xFF\xFEH\0i\0", 7)))));
    EXPECT_EQ(tag.Title(), QByteArray("\xFF\xFEH\0i", 5));
}

TEST_F(ID3v2Test, HeadersWithoutReadableFramesGiveEmptyTexts) {
    EXPECT_FALSE(load(QByteArray("ID3\x03\0\0\0", 7), 0));
    EXPECT_FALSE(tag.TagFound());
    EXPECT_FALSE(tag.Load(dir.filePath("missing.mp3")));

    const QByteArray frames = textFrame("TIT2", "Title") + textFrame("TRCK", "5");
    for (const std::uint8_t version : {2, 4}) {
        ASSERT_TRUE(load(id3v2Tag(frames, version)));
        EXPECT_TRUE(tag.TagFound());
        EXPECT_EQ(tag.MajorVersion(), version);
        EXPECT_EQ(tag.TagSize(), frames.size() + 10);
        EXPECT_TRUE(tag.Title().isEmpty());
        EXPECT_EQ(tag.Track(), 0);
    }

    // The flags are never examined: an extended header is taken for a frame and ends the walk at once.
    const QByteArray extended = bigEndian(6) + QByteArray(6, '\0') + frames;
    ASSERT_TRUE(load(id3v2Tag(extended, 3, 0x40)));
    EXPECT_EQ(tag.TagSize(), extended.size() + 10);
    EXPECT_TRUE(tag.Title().isEmpty());

    // Zero padding ends the frames; a frame behind it is never reached.
    ASSERT_TRUE(load(id3v2Tag(textFrame("TIT2", "Before") + QByteArray(30, '\0') + textFrame("TPE1", "After"))));
    EXPECT_EQ(tag.Title(), QByteArray("Before"));
    EXPECT_TRUE(tag.Artist().isEmpty());

    ASSERT_TRUE(load(QByteArray("id3\x03\0\0\0\0\0\x10", 10) + textFrame("TIT2", "Lower")));
    EXPECT_FALSE(tag.TagFound());
}

TEST_F(ID3v2Test, TagSizeUsesTheSizeBytesWholeAndIsZeroBeyondTheFile) {
    // Size bytes 0, 0, 2, 1: 2 * 128 + 1 + 10 = 267.
    const QByteArray header("ID3\x03\0\0\0\0\x02\x01", 10);
    ASSERT_TRUE(load(header, 257));
    EXPECT_EQ(tag.TagSize(), 267);
    ASSERT_TRUE(load(header, 256));
    EXPECT_EQ(tag.TagSize(), 0);

    // Top bits set: 255 * 2097152 + 255 * 16384 + 255 * 128 + 255 + 10, far beyond this file, and no frame read.
    ASSERT_TRUE(load(QByteArray("ID3\x03\0\0\xFF\xFF\xFF\xFF", 10) + textFrame("TIT2", "Title")));
    EXPECT_TRUE(tag.TagFound());
    EXPECT_EQ(tag.TagSize(), 0);
    EXPECT_TRUE(tag.Title().isEmpty());

    TagScan scan;
    scan.fileSize = std::int64_t{1} << 40;
    scan.header = {'I', 'D', '3', 3, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(TotalTagSize(scan), 255 * 2097152 + 255 * 16384 + 255 * 128 + 255 + 10);
    const std::uint8_t negative[] = {0x80, 0, 0, 1};
    EXPECT_EQ(BigEndian32(negative), INT32_MIN + 1);
}

TEST_F(ID3v2Test, FrameBufferHoldsTheFirst250BytesAndTheNextFrameFollowsTheWholeData) {
    const QByteArray data = QByteArray(1, '\0') + QByteArray(249, 'a') + QByteArray(50, 'b');
    ASSERT_TRUE(load(id3v2Tag(frame("TIT2", data) + textFrame("TPE1", "Next"))));
    EXPECT_EQ(tag.Title(), QByteArray(249, 'a'));
    EXPECT_EQ(tag.Artist(), QByteArray("Next"));

    // A later frame of the same kind replaces the earlier one.
    ASSERT_TRUE(load(id3v2Tag(textFrame("TPE1", "First") + textFrame("TPE1", "Second"))));
    EXPECT_EQ(tag.Artist(), QByteArray("Second"));
}

TEST_F(ID3v2Test, TrackAndGenreTexts) {
    const std::pair<QByteArray, int> tracks[] = {
        {"3/12", 3}, {"3 /12", 0}, {"", 0},           {"abc", 0},   {"300", 44},       {" 12 ", 12},
        {"$1F", 31}, {"0x10", 16}, {"-1", 255},       {"+4", 4},    {"2147483648", 0}, {"4x", 0},
        {"$", 0},    {"x", 0},     {"$123456789", 0}, {"12abc", 0}, {"/5", 0},
    };
    for (const auto& [text, expected] : tracks) {
        SCOPED_TRACE(text.toStdString());
        ASSERT_TRUE(load(id3v2Tag(textFrame("TRCK", text))));
        EXPECT_EQ(tag.Track(), expected);
    }
    const std::pair<QByteArray, QByteArray> genres[] = {
        {"(17)Rock", "Rock"}, {"(17)", ""},       {"Rock", "Rock"},     {"(17) Rock", " Rock"},
        {"(1)(2)Pop", "Pop"}, {"Pop (live)", ""}, {"  Jazz  ", "Jazz"},
    };
    for (const auto& [text, expected] : genres) {
        SCOPED_TRACE(text.toStdString());
        ASSERT_TRUE(load(id3v2Tag(textFrame("TCON", text))));
        EXPECT_EQ(tag.Genre(), expected);
    }
}

TEST_F(ID3v2Test, WholeNumbersFollowTheSigned32BitRules) {
    EXPECT_EQ(parseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(parseWholeNumber("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseWholeNumber("-2147483649"), std::nullopt);
    EXPECT_EQ(parseWholeNumber("$FFFFFFFF"), -1);
    EXPECT_EQ(parseWholeNumber("  0X7f"), 127);
    EXPECT_EQ(parseWholeNumber("-$10"), -16);
    EXPECT_EQ(parseWholeNumber("0"), 0);
    EXPECT_EQ(parseWholeNumber("1 "), std::nullopt);
    EXPECT_EQ(parseWholeNumber("--1"), std::nullopt);
    EXPECT_EQ(parseWholeNumber("0x"), std::nullopt);
    EXPECT_EQ(parseWholeNumber("99999999999999999999"), std::nullopt);
}

TEST_F(ID3v2Test, DamagedFramesEndTheWalkAndKeepWhatWasRead) {
    // A size with its top bit set.
    ASSERT_TRUE(load(id3v2Tag(textFrame("TIT2", "Kept") + frame("TPE1", "Lost", 0x80000004))));
    EXPECT_EQ(tag.Title(), QByteArray("Kept"));
    EXPECT_TRUE(tag.Artist().isEmpty());

    // Frame data running past the end of the file: the tag declares no more than the file holds.
    const QByteArray truncated = textFrame("TIT2", "Kept") + frame("TPE1", "Lo", 100);
    ASSERT_TRUE(load(id3v2Tag(truncated), 0));
    EXPECT_EQ(tag.Title(), QByteArray("Kept"));
    EXPECT_TRUE(tag.Artist().isEmpty());

    // A frame header cut off by the end of the file.
    ASSERT_TRUE(load(id3v2Tag(textFrame("TIT2", "Kept") + QByteArray("TPE1\0", 5)), 0));
    EXPECT_EQ(tag.Title(), QByteArray("Kept"));

    // Zero-size frames are empty texts and the walk goes on behind them.
    ASSERT_TRUE(load(id3v2Tag(frame("TIT2", {}) + frame("WCOM", {}) + textFrame("TPE1", "After"))));
    EXPECT_TRUE(tag.Title().isEmpty());
    EXPECT_EQ(tag.Artist(), QByteArray("After"));

    // The 250 bytes of a large frame are read even when the rest of its data lies beyond the file.
    ASSERT_TRUE(load(id3v2Tag(frame("TIT2", QByteArray(1, '\0') + QByteArray(260, 't'), 100000)), 0));
    EXPECT_EQ(tag.Title(), QByteArray(249, 't'));
}

TEST_F(ID3v2Test, TagSizeAndFramesWorkInFilesBeyondFourGigabytes) {
    // Sparse. A 32-bit size would see 300 bytes and call the 1 KB tag oversized.
    const QByteArray tagBytes = id3v2Tag(textFrame("TIT2", "Huge") + QByteArray(1000, '\0'));
    path = writeFile(dir, "huge.mp3", tagBytes);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize((std::int64_t{1} << 32) + 300));
    file.close();
    ASSERT_TRUE(tag.Load(path));
    EXPECT_EQ(tag.TagSize(), tagBytes.size());
    EXPECT_EQ(tag.Title(), QByteArray("Huge"));
}

class ID3v2StripTest : public ID3v2Test {
protected:
    [[nodiscard]] bool noTemporaryLeft() const { return !QFileInfo::exists(path + "~"); }
};

TEST_F(ID3v2StripTest, RemovesExactlyTheTagAndKeepsEverythingBehindIt) {
    const QByteArray body = audio(5000) + "TAG" + QByteArray(125, 'v');
    path = writeFile(dir, "song.mp3", id3v2Tag(textFrame("TIT2", "T") + QByteArray(500, '\0')) + body);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    writeFile(dir, "song.mp3~", "an older leftover");
    EXPECT_TRUE(tag.Strip(path));
    EXPECT_EQ(readFile(path), body);
    EXPECT_TRUE(noTemporaryLeft());
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    EXPECT_TRUE(permissions.testFlag(QFileDevice::WriteOwner));
    EXPECT_TRUE(permissions.testFlag(QFileDevice::ReadGroup));
    EXPECT_FALSE(permissions.testFlag(QFileDevice::WriteGroup));
    EXPECT_FALSE(permissions.testFlag(QFileDevice::ReadOther));
    EXPECT_FALSE(tag.TagFound());
}

TEST_F(ID3v2StripTest, AFileWithoutATagIsLeftAsItWas) {
    const QByteArray content = audio(3000);
    path = writeFile(dir, "plain.mp3", content);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    EXPECT_FALSE(tag.Strip(path));
    EXPECT_EQ(readFile(path), content);
    EXPECT_TRUE(noTemporaryLeft());
    // Made writable before the header is looked at.
    EXPECT_TRUE(QFile::permissions(path).testFlag(QFileDevice::WriteOwner));

    EXPECT_FALSE(tag.Strip(dir.filePath("missing.mp3")));
    EXPECT_FALSE(tag.Strip(dir.path()));
}

TEST_F(ID3v2StripTest, AnOversizedTagRewritesTheFileUnchanged) {
    const QByteArray content = id3v2Tag(textFrame("TIT2", "T"), 3, 0, 100000) + audio(1000);
    path = writeFile(dir, "oversized.mp3", content);
    EXPECT_TRUE(tag.Strip(path));
    EXPECT_EQ(readFile(path), content);
    EXPECT_TRUE(noTemporaryLeft());
}

TEST_F(ID3v2StripTest, AFailedCopyLeavesTheOriginalAndRemovesTheTemporaryFile) {
    const QByteArray content = id3v2Tag(textFrame("TIT2", "T")) + audio(100000);
    path = writeFile(dir, "limited.mp3", content);
    // A file size limit makes the copy's writes fail part-way, as a full disk would.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool stripped = tag.Strip(path);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(stripped);
    EXPECT_EQ(readFile(path), content);
    EXPECT_TRUE(noTemporaryLeft());

    // A "~" name that cannot be replaced: the original stays as it was.
    ASSERT_TRUE(QDir(dir.path()).mkpath("limited.mp3~/inside"));
    EXPECT_FALSE(tag.Strip(path));
    EXPECT_EQ(readFile(path), content);
}

TEST_F(ID3v2StripTest, ALinkStaysALinkAndTheFileItNamesLosesTheTag) {
    const QByteArray body = audio(700);
    const QString target = writeFile(dir, "target.mp3", id3v2Tag(textFrame("TIT2", "T")) + body);
    path = dir.filePath("link.mp3");
    ASSERT_TRUE(QFile::link(target, path));
    EXPECT_TRUE(tag.Strip(path));
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(readFile(target), body);
    EXPECT_FALSE(QFileInfo::exists(target + "~"));
}

} // namespace
