// The checksums sound files carry, on files other tools made: an intact file passes, and damage that a decoder
// would take for sound (a changed MD5, a changed byte in a header, a cut at a page or frame boundary) is named.
#include "core/components/reader/StoredChecksums.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StoredChecksums : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        const auto made = testsupport::runTool("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", path("tone.wav"),
                                                       "synth", "4", "sine", "440", "vol", "0.5"});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    // The tone encoded by ffmpeg; tagged files get an ID3v2 tag or comments in front of their sound.
    QString ffmpegMade(const QString& name, const QStringList& options = {}) {
        const auto made = testsupport::runTool(
            "ffmpeg", QStringList{"-v", "error", "-y", "-i", path("tone.wav"), "-metadata", "title=Tone"} + options +
                          QStringList{path(name)});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        return path(name);
    }

    static void changeBytes(const QString& file, qint64 offset, qint64 count) {
        QFile changed(file);
        ASSERT_TRUE(changed.open(QIODevice::ReadWrite));
        ASSERT_TRUE(changed.seek(offset));
        QByteArray bytes = changed.read(count);
        for (char& byte : bytes)
            byte = static_cast<char>(byte ^ 0x5A);
        ASSERT_TRUE(changed.seek(offset) && changed.write(bytes) == count);
    }

    static QString damageOf(const QString& file) {
        const ChecksumFinding finding = checkStoredChecksums(file);
        EXPECT_TRUE(finding.checked) << file.toStdString();
        return finding.damage;
    }

    QTemporaryDir folder;
};

TEST_F(StoredChecksums, IntactFilesOfOtherToolsPass) {
    const auto flac = testsupport::runTool("flac", {"-s", "-f", "-o", path("tone.flac"), path("tone.wav")});
    ASSERT_EQ(flac.exitCode, 0) << flac.err.toStdString();
    for (const QString& file : {path("tone.flac"), ffmpegMade("tone.mp3"), ffmpegMade("tone.ogg"),
                                ffmpegMade("tone.opus"), ffmpegMade("mono.mp3", {"-ac", "1", "-ar", "22050"})})
        EXPECT_EQ(damageOf(file), QString()) << file.toStdString();
    EXPECT_FALSE(carriesStoredChecksums(path("tone.wav")));
    EXPECT_FALSE(checkStoredChecksums(path("tone.wav")).checked);
}

// The FLAC frames and their CRCs are intact; only the MD5 of the samples tells that the samples are not those
// the encoder was given.
TEST_F(StoredChecksums, AFlacWhoseSamplesDoNotMatchItsMd5Fails) {
    const auto flac = testsupport::runTool("flac", {"-s", "-f", "-o", path("tone.flac"), path("tone.wav")});
    ASSERT_EQ(flac.exitCode, 0) << flac.err.toStdString();
    constexpr qint64 kStreamInfoMd5 = 4 + 4 + 18;
    changeBytes(path("tone.flac"), kStreamInfoMd5, 4);
    EXPECT_TRUE(damageOf(path("tone.flac")).contains(QStringLiteral("MD5")))
        << damageOf(path("tone.flac")).toStdString();
}

TEST_F(StoredChecksums, CutAndChangedFilesFail) {
    const QString ogg = ffmpegMade("tone.ogg");
    QFile cutOgg(ogg);
    ASSERT_TRUE(cutOgg.resize(cutOgg.size() - 200));
    EXPECT_FALSE(damageOf(ogg).isEmpty());

    const QString mp3 = ffmpegMade("tone.mp3");
    QFile cutMp3(mp3);
    ASSERT_TRUE(cutMp3.resize(cutMp3.size() - 1000));
    EXPECT_TRUE(damageOf(mp3).contains(QStringLiteral("cut short"))) << damageOf(mp3).toStdString();

    // A changed byte in the seek table of LAME's own header: its CRC tells, though no frame changed.
    const auto made = testsupport::runTool(
        testsupport::cliPath(), {"convert", "--no-tags", "--format", "mp3", "--out", path("ours"), path("tone.wav")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString header = path("ours/tone.mp3");
    changeBytes(header, 60, 1);
    EXPECT_TRUE(damageOf(header).contains(QStringLiteral("header"))) << damageOf(header).toStdString();
}

} // namespace
