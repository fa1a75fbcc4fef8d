// Tags and the cover picture of a source reach the FLAC, ALAC, AAC and Opus outputs, read back by ffprobe and
// ffmpeg with the picture's very bytes.
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::md5OfBytes;
using testsupport::runTool;

// Format and stream tags together, as "key=value" lines with lower-case keys.
QStringList probedTags(const QString& file) {
    const auto result = runTool("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                            "format_tags:stream_tags", "-of", "default=nw=1", file});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    QStringList tags;
    for (const QString& line : QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts))
        tags.append(line.section('=', 0, 0).toLower().remove(QStringLiteral("tag:")) + '=' + line.section('=', 1));
    return tags;
}

QByteArray pictureMd5(const QString& file) {
    const auto result = runTool("ffmpeg", {"-v", "error", "-i", file, "-map", "0:v:0", "-c", "copy", "-f", "md5", "-"});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QByteArray line = result.out.trimmed();
    return line.startsWith("MD5=") ? line.mid(4) : QByteArray();
}

TEST(ModernOutputTags, TextsAndTheCoverOfAnMp3ReachFlacAlacAacAndOpus) {
    QTemporaryDir folder;
    const QString cover = folder.filePath("cover.png");
    ASSERT_EQ(
        runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=32x24", "-frames:v", "1", cover}).exitCode,
        0);
    QFile coverFile(cover);
    ASSERT_TRUE(coverFile.open(QIODevice::ReadOnly));
    const QByteArray picture = coverFile.readAll();
    const QString source = folder.filePath("tagged song.mp3");
    const auto made = runTool("ffmpeg", {"-v",
                                         "error",
                                         "-f",
                                         "lavfi",
                                         "-i",
                                         "sine=frequency=997:sample_rate=44100:duration=1.5",
                                         "-i",
                                         cover,
                                         "-map",
                                         "0",
                                         "-map",
                                         "1",
                                         "-c:a",
                                         "libmp3lame",
                                         "-c:v",
                                         "copy",
                                         "-disposition:v",
                                         "attached_pic",
                                         "-id3v2_version",
                                         "3",
                                         "-metadata",
                                         "title=Tëst title",
                                         "-metadata",
                                         "artist=Ärtist",
                                         "-metadata",
                                         "album=An Album",
                                         "-metadata",
                                         "date=2001",
                                         "-metadata",
                                         "genre=Rock",
                                         "-metadata",
                                         "track=3",
                                         source});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();

    const auto converted =
        runTool(testsupport::cliPath(), {"convert", "--format", "flac", "--format", "alac", "--format", "aac",
                                         "--format", "opus", "-j", "1", "--out", folder.filePath("out"), "--", source});
    ASSERT_EQ(converted.exitCode, 0) << converted.out.toStdString();
    for (const char* name : {"tagged song.flac", "tagged song_ALAC.m4a", "tagged song.m4a", "tagged song.opus"}) {
        SCOPED_TRACE(name);
        const QString output = folder.filePath(QStringLiteral("out/") + name);
        const QStringList tags = probedTags(output);
        for (const char* expected :
             {"title=Tëst title", "artist=Ärtist", "album=An Album", "date=2001", "genre=Rock", "track=3"})
            EXPECT_TRUE(tags.contains(QString::fromUtf8(expected)))
                << expected << " in " << tags.join(' ').toStdString();
        EXPECT_EQ(pictureMd5(output), md5OfBytes(picture));
    }
}

} // namespace
