// Cover art carried over: a picture in the source's tag reaches every output whose tag can hold one, with the same
// bytes, unless tags are not copied; pictures above 16 MB are left out without failing the conversion.
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4coverart.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>

#include <random>

namespace {

using testsupport::md5OfBytes;
using testsupport::runTool;

// A small PNG made by ffmpeg: the picture every source carries.
QByteArray makePicture(const QTemporaryDir& folder) {
    const QString path = folder.filePath("cover.png");
    const auto made =
        runTool("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=32x24", "-frames:v", "1", path});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString makeAudio(const QTemporaryDir& folder, const QString& name, const QStringList& encoding) {
    const QString path = folder.filePath(name);
    const auto made = runTool("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i",
                                                    "sine=frequency=997:sample_rate=44100:duration=1"} +
                                            encoding + QStringList{path});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    return path;
}

TagLib::ByteVector byteVector(const QByteArray& bytes) {
    return TagLib::ByteVector(bytes.constData(), static_cast<unsigned int>(bytes.size()));
}

void addApic(const QString& mp3, const QByteArray& picture, const char* mimeType = "image/png",
             int pictureType = TagLib::ID3v2::AttachedPictureFrame::FrontCover) {
    TagLib::MPEG::File file(QFile::encodeName(mp3).constData());
    auto frame = std::make_unique<TagLib::ID3v2::AttachedPictureFrame>();
    frame->setMimeType(mimeType);
    frame->setType(static_cast<TagLib::ID3v2::AttachedPictureFrame::Type>(pictureType));
    frame->setPicture(byteVector(picture));
    file.ID3v2Tag(true)->setTitle("Covered");
    file.ID3v2Tag(true)->addFrame(frame.release());
    ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2));
}

// The bytes of the first attached picture ffmpeg finds in the file (an APIC, WM/Picture or Vorbis picture block),
// as an MD5; empty when it finds none.
QByteArray attachedPictureMd5(const QString& file) {
    const auto streams = runTool(
        "ffprobe", {"-v", "error", "-select_streams", "v", "-show_entries", "stream=index", "-of", "csv=p=0", file});
    EXPECT_EQ(streams.exitCode, 0) << streams.err.toStdString();
    if (streams.exitCode != 0 || streams.out.trimmed().isEmpty())
        return {};
    const auto result = runTool("ffmpeg", {"-v", "error", "-i", file, "-map", "0:v:0", "-c", "copy", "-f", "md5", "-"});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QByteArray line = result.out.trimmed();
    return line.startsWith("MD5=") ? line.mid(4) : QByteArray();
}

QString convert(const QString& source, const char* format, const QString& folder, bool copyTags = true) {
    const auto result = runTool(testsupport::cliPath(), QStringList{"convert", "--format", format, "--out", folder} +
                                                            (copyTags ? QStringList{} : QStringList{"--no-tags"}) +
                                                            QStringList{"--", source});
    EXPECT_EQ(result.exitCode, 0) << result.out.toStdString();
    for (const QByteArray& line : result.out.split('\n'))
        if (line.startsWith("output="))
            return QString::fromUtf8(line.mid(7));
    return {};
}

TEST(CoverArt, AnMp3CoverReachesMp3OggWmaAndWavWithTheSameBytes) {
    QTemporaryDir folder;
    const QByteArray picture = makePicture(folder);
    ASSERT_FALSE(picture.isEmpty());
    const QString source = makeAudio(folder, "song.mp3", {"-c:a", "libmp3lame"});
    addApic(source, picture);
    ASSERT_EQ(attachedPictureMd5(source), md5OfBytes(picture));
    for (const char* format : {"mp3", "ogg", "wma", "pcm"}) {
        SCOPED_TRACE(format);
        const QString output = convert(source, format, folder.filePath(format));
        EXPECT_EQ(attachedPictureMd5(output), md5OfBytes(picture));
    }
    EXPECT_TRUE(attachedPictureMd5(convert(source, "mp3", folder.filePath("untagged"), false)).isEmpty());
}

TEST(CoverArt, FlacMp4AndWmaCoversReachAnMp3) {
    QTemporaryDir folder;
    const QByteArray picture = makePicture(folder);

    const QString flac = makeAudio(folder, "song.flac", {"-c:a", "flac"});
    {
        TagLib::FLAC::File file(QFile::encodeName(flac).constData());
        auto block = std::make_unique<TagLib::FLAC::Picture>();
        block->setType(TagLib::FLAC::Picture::FrontCover);
        block->setMimeType("image/png");
        block->setData(byteVector(picture));
        file.addPicture(block.release());
        ASSERT_TRUE(file.save());
    }
    const QString m4a = makeAudio(folder, "song.m4a", {"-c:a", "aac"});
    {
        TagLib::MP4::File file(QFile::encodeName(m4a).constData());
        file.tag()->setItem("covr", TagLib::MP4::CoverArtList().append(
                                        TagLib::MP4::CoverArt(TagLib::MP4::CoverArt::PNG, byteVector(picture))));
        ASSERT_TRUE(file.save());
    }
    const QString wma = convert(makeAudio(folder, "plain.wav", {"-c:a", "pcm_s16le"}), "wma", folder.filePath("wma"));
    {
        TagLib::ASF::File file(QFile::encodeName(wma).constData());
        TagLib::ASF::Picture cover;
        cover.setType(TagLib::ASF::Picture::FrontCover);
        cover.setMimeType("image/png");
        cover.setPicture(byteVector(picture));
        file.tag()->setAttribute("WM/Picture", TagLib::ASF::Attribute(cover));
        ASSERT_TRUE(file.save());
    }
    for (const QString& source : {flac, m4a, wma}) {
        SCOPED_TRACE(source.toStdString());
        EXPECT_EQ(attachedPictureMd5(convert(source, "mp3", folder.filePath("from_" + QFileInfo(source).suffix()))),
                  md5OfBytes(picture));
    }
}

// A damaged tag that states a kind of picture no format defines (the byte 0xF0) must not make the output's picture
// block one that other readers refuse.
TEST(CoverArt, APictureOfAnUnknownKindIsCopiedAsOther) {
    QTemporaryDir folder;
    const QByteArray picture = makePicture(folder);
    const QString source = makeAudio(folder, "odd.mp3", {"-c:a", "libmp3lame"});
    addApic(source, picture, "image/png", 0xF0);
    const QString output = convert(source, "flac", folder.filePath("flac"));
    ASSERT_FALSE(output.isEmpty());
    TagLib::FLAC::File file(QFile::encodeName(output).constData());
    ASSERT_EQ(file.pictureList().size(), 1U);
    EXPECT_EQ(file.pictureList().front()->type(), TagLib::FLAC::Picture::Other);
    const auto probe = runTool("ffprobe", {"-v", "error", output});
    EXPECT_EQ(probe.exitCode, 0);
    EXPECT_TRUE(probe.err.trimmed().isEmpty()) << probe.err.toStdString();
    EXPECT_EQ(attachedPictureMd5(output), md5OfBytes(picture));
}

TEST(CoverArt, PicturesAbove16MegabytesAreLeftOut) {
    QTemporaryDir folder;
    QByteArray huge(16 * 1024 * 1024 + 1, '\0');
    std::mt19937 random(7);
    for (char& byte : huge)
        byte = static_cast<char>(random());
    const QString source = makeAudio(folder, "huge.mp3", {"-c:a", "libmp3lame"});
    addApic(source, huge, "image/jpeg");
    const QString output = convert(source, "mp3", folder.filePath("out"));
    EXPECT_TRUE(attachedPictureMd5(output).isEmpty());
    const auto title =
        runTool("ffprobe", {"-v", "error", "-show_entries", "format_tags=title", "-of", "csv=p=0", output});
    EXPECT_EQ(title.out.trimmed(), "Covered") << "the other tags are still copied";
}

} // namespace
