#include "core/tags/ID3v1.h"
#include "TagTestFiles.h"

#include <QFileDevice>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tagtest;

namespace {

// A trailer with every text field padded by zero bytes, then the given bytes 125..127.
QByteArray trailer(char byte125, char byte126, char genre, const QByteArray& title = "Title") {
    QByteArray record(kTrailerSize, '\0');
    record.replace(0, 3, "TAG");
    record.replace(3, title.size(), title);
    record.replace(33, 6, "Artist");
    record.replace(63, 5, "Album");
    record.replace(93, 4, "1999");
    record.replace(97, 30, QByteArray(28, 'c') + "dd");
    record[125] = byte125;
    record[126] = byte126;
    record[127] = genre;
    return record;
}

class ID3v1Test : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TID3v1 tag;
};

TEST_F(ID3v1Test, LayoutFollowsTheTwoBytesBeforeTheGenre) {
    struct Case {
        char byte125;
        char byte126;
        int layout;
        std::uint8_t track;
        QByteArray comment;
    };
    const QByteArray full = QByteArray(28, 'c') + "dd";
    const Case cases[] =
        {
            {'\0', '\x07', 2, 7, QByteArray(28, 'c')},
            {'\0', '\0', 1, 0, QByteArray(28, 'c')}, // the zero bytes are trimmed off the 30-byte comment
            {' ', '\x05', 2, 5, QByteArray(28, 'c')},
            {' ', ' ', 1, 0, QByteArray(28, 'c')},
            {'d', 'd', 1, 0, full},
            {'x', '\x09', 1, 0, QByteArray(28, 'c') + "x"},
        };
    for (const Case& layoutCase : cases) {
        SCOPED_TRACE(testing::Message() << int(layoutCase.byte125) << "/" << int(layoutCase.byte126));
        QByteArray record = trailer(layoutCase.byte125, layoutCase.byte126, '\x11');
        const QString path = writeFile(dir, "layout.mp3", audio(300) + record);
        ASSERT_TRUE(tag.Load(path));
        EXPECT_TRUE(tag.TagFound());
        EXPECT_EQ(tag.SubVersion(), layoutCase.layout);
        EXPECT_EQ(tag.Track(), layoutCase.track);
        EXPECT_EQ(tag.Comment(), layoutCase.comment);
        EXPECT_EQ(tag.GenreNumber(), 17);
    }
}

TEST_F(ID3v1Test, TextsLoseOnlyTrailingPadding) {
    const QByteArray title = QByteArray(" Word\0abc", 9);
    QByteArray record = trailer('\0', '\0', '\xFF', title);
    record.replace(33, 30, QByteArray("Art\tist \x01\x1f", 11) + QByteArray(19, ' '));
    record.replace(93, 4, QByteArray("99\0\0", 4));
    const QString path = writeFile(dir, "trim.mp3", audio(10) + record);
    ASSERT_TRUE(tag.Load(path));
    EXPECT_EQ(tag.Title(), title);
    EXPECT_EQ(tag.Artist(), QByteArray("Art\tist"));
    EXPECT_EQ(tag.Album(), QByteArray("Album"));
    EXPECT_EQ(tag.Year(), QByteArray("99"));
    EXPECT_EQ(tag.GenreNumber(), 255);

    const QString odd = writeFile(dir, "odd-genre.mp3", trailer('\0', '\0', char(150)));
    ASSERT_TRUE(tag.Load(odd));
    EXPECT_EQ(tag.GenreNumber(), 150);
}

TEST_F(ID3v1Test, FilesWithoutATagLeaveTheClearedValues) {
    ASSERT_TRUE(tag.Load(writeFile(dir, "tagged.mp3", trailer('\0', '\x03', '\x08'))));
    ASSERT_TRUE(tag.TagFound());

    const QString shortFile = writeFile(dir, "short.mp3", QByteArray("TAG") + audio(124));
    EXPECT_FALSE(tag.Load(shortFile));
    EXPECT_FALSE(tag.TagFound());
    EXPECT_TRUE(tag.Title().isEmpty());
    EXPECT_EQ(tag.Track(), 0);
    EXPECT_EQ(tag.GenreNumber(), 255);
    EXPECT_EQ(tag.SubVersion(), 1);
    EXPECT_FALSE(tag.Strip(shortFile));

    EXPECT_FALSE(tag.Load(dir.filePath("missing.mp3")));
    EXPECT_FALSE(tag.Strip(dir.filePath("missing.mp3")));
    EXPECT_FALSE(tag.Load(dir.path()));

    // Only the exact upper-case marker counts.
    QByteArray lower = trailer('\0', '\x03', '\x08');
    lower.replace(0, 3, "tag");
    const QByteArray content = audio(500) + lower;
    const QString lowerFile = writeFile(dir, "lower.mp3", content);
    EXPECT_TRUE(tag.Load(lowerFile));
    EXPECT_FALSE(tag.TagFound());
    EXPECT_TRUE(tag.Strip(lowerFile));
    EXPECT_EQ(readFile(lowerFile), content);
}

TEST_F(ID3v1Test, AFifoIsRefusedWithoutWaitingForAWriter) {
    const QString path = dir.filePath("pipe.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_FALSE(tag.Load(path));
    EXPECT_FALSE(tag.Strip(path));
}

TEST_F(ID3v1Test, StripCutsExactlyTheTagEvenFromAReadOnlyFile) {
    const QByteArray body = audio(4000);
    const QString path = writeFile(dir, "readonly.mp3", body + trailer('\0', '\x02', '\x01'));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_TRUE(tag.Strip(path));
    EXPECT_EQ(readFile(path), body);
    EXPECT_TRUE(QFile::permissions(path).testFlag(QFileDevice::WriteOwner));
    EXPECT_FALSE(QFile::permissions(path).testFlag(QFileDevice::WriteGroup));
    // The fields stay as the last Load left them.
    EXPECT_FALSE(tag.TagFound());

    const QString allTag = writeFile(dir, "all-tag.mp3", trailer(' ', ' ', '\0'));
    ASSERT_TRUE(tag.Load(allTag));
    EXPECT_TRUE(tag.TagFound());
    EXPECT_TRUE(tag.Strip(allTag));
    EXPECT_EQ(QFileInfo(allTag).size(), 0);
    EXPECT_TRUE(tag.TagFound());
}

TEST_F(ID3v1Test, FilesBeyondFourGigabytesAreReadAndCutAtTheirEnd) {
    // Sparse: the holes take no disk space. 4 GiB + 300 would look like a 300-byte file to 32-bit arithmetic.
    const std::int64_t audioSize = (std::int64_t{1} << 32) + 300 - kTrailerSize;
    const QString path = writeFile(dir, "huge.mp3", {});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(audioSize));
    ASSERT_TRUE(file.seek(audioSize));
    ASSERT_EQ(file.write(trailer('\0', '\x09', '\x05', "Far Away")), kTrailerSize);
    file.close();

    ASSERT_TRUE(tag.Load(path));
    EXPECT_TRUE(tag.TagFound());
    EXPECT_EQ(tag.Title(), QByteArray("Far Away"));
    EXPECT_EQ(tag.Track(), 9);
    EXPECT_TRUE(tag.Strip(path));
    EXPECT_EQ(QFileInfo(path).size(), audioSize);
}

} // namespace
