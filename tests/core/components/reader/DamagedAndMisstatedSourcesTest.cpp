// Sources whose headers misstate their length, and damaged ones: the stated length is the length that decodes,
// damage is skipped as FFmpeg skips it, and a refusal names its real cause.
#include "ReaderTestSupport.h"
#include "core/components/AudioFile2Component.h"
#include "core/components/ComponentError.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using testsupport::readFile;

// Frames FFmpeg's command line decodes from the file, mixed to the given channel count.
qint64 ffmpegFrames(const QString& path, int channels) {
    return static_cast<qint64>(readertest::ffmpegDecode(path, channels).size()) / channels;
}

struct Opened {
    qint64 lengthAtOpen = 0;
    qint64 durationMsAtOpen = 0;
    qint64 decodedFrames = 0;
    int channels = 0;
};

Opened openAndRead(const QString& path) {
    AudioFile2Component reader;
    reader.openForReading(path, 0, 1);
    Opened opened{reader.lengthInSamples(), reader.durationMs(), 0, reader.channelCount()};
    const std::vector<float> decoded =
        readertest::readAll([&](int n) { return reader.readBlock(n); }, reader.sampleRate() * opened.channels);
    opened.decodedFrames = static_cast<qint64>(decoded.size()) / opened.channels;
    return opened;
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

TEST(TrueLengths, FixturesWhoseHeadersOverstateTheirLengthStateWhatDecodes) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    struct Case {
        const char* file;
        qint64 statedByTheHeaderMs; // what the header claims, for the record
        qint64 frameTolerance;      // one codec frame
    };
    for (const Case& c :
         {Case{"fixtures/tinytag/mpeg2_id3v1.mp3", 296, 576}, Case{"fixtures/tinytag/mpeg25_id3v1.mp3", 368, 576},
          Case{"fixtures/file-type/fixture.wma.asf", 2605, 2048}, Case{"fixtures/tinytag/mp3_audio.asf", 2145, 1152},
          Case{"fixtures/tinytag/wma_invalid_track_number.wma", 200, 2048}}) {
        SCOPED_TRACE(c.file);
        const QString path = testsupport::fixture(QString::fromLatin1(c.file));
        const Opened opened = openAndRead(path);
        EXPECT_EQ(opened.lengthAtOpen, opened.decodedFrames);
        EXPECT_NEAR(opened.lengthAtOpen, ffmpegFrames(path, opened.channels), c.frameTolerance);
        EXPECT_LT(opened.durationMsAtOpen * 3, c.statedByTheHeaderMs * 2) << opened.durationMsAtOpen << " ms";
    }
}

// An MP3 cut at half keeps the Xing frame of the whole file, which counts every frame the file had. Small files
// are measured by decoding, larger ones checked against their frames; both state what is left.
TEST(TrueLengths, AnMp3CutInHalfStatesTheHalfThatIsLeft) {
    QTemporaryDir dir;
    for (const int seconds : {12, 80}) {
        SCOPED_TRACE(seconds);
        const QString whole = dir.filePath(QStringLiteral("whole %1.mp3").arg(seconds));
        ASSERT_TRUE(readertest::ffmpegMake({"-f", "lavfi", "-i", readertest::toneSource(seconds, 44100, 2), "-c:a",
                                            "libmp3lame", "-b:a", "128k", whole}));
        const QByteArray bytes = readFile(whole);
        ASSERT_GT(bytes.size(), 1000);
        const QString cut = dir.filePath(QStringLiteral("cut %1.mp3").arg(seconds));
        ASSERT_TRUE(writeAll(cut, bytes.left(bytes.size() / 2)));

        AudioFile2Component reader;
        reader.openForReading(cut, 0, 1);
        const qint64 expected = ffmpegFrames(cut, 2);
        EXPECT_NEAR(reader.lengthInSamples(), expected, 2 * 1152);
        EXPECT_NEAR(reader.durationMs(), seconds * 1000 / 2, 100);
        // The whole file keeps its exact gapless length.
        AudioFile2Component wholeReader;
        wholeReader.openForReading(whole, 0, 1);
        EXPECT_EQ(wholeReader.lengthInSamples(), seconds * 44100);
    }
}

// The fixture with bytes 2986 to 3497 (counted from 1) zeroed: the damaged page is skipped and the rest decodes,
// as FFmpeg decodes it, instead of the read ending there with nothing.
TEST(DamagedSources, AVorbisStreamWithADamagedPageDecodesTheRest) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    QTemporaryDir dir;
    QByteArray bytes = readFile(testsupport::fixture(QStringLiteral("fixtures/tinytag/negative_bitrate.ogg")));
    ASSERT_GE(bytes.size(), 3497);
    bytes.replace(2985, 3497 - 2985, QByteArray(3497 - 2985, '\0'));
    const QString damaged = dir.filePath(QStringLiteral("damaged.ogg"));
    ASSERT_TRUE(writeAll(damaged, bytes));

    const Opened opened = openAndRead(damaged);
    EXPECT_EQ(opened.lengthAtOpen, 5120);
    EXPECT_EQ(opened.decodedFrames, ffmpegFrames(damaged, opened.channels));

    // Every output made from it holds sound that our own reader accepts.
    const QString out = dir.filePath(QStringLiteral("out"));
    QStringList arguments{QStringLiteral("convert")};
    for (const char* format : {"pcm", "adpcm", "gsm", "vox", "raw", "g721", "ogg"})
        arguments << QStringLiteral("--format") << QString::fromLatin1(format);
    arguments << QStringLiteral("--out") << out << QStringLiteral("--summary") << QStringLiteral("text") << damaged;
    const testsupport::CliRun run = testsupport::runCli(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.stdErr.toStdString();
    ASSERT_EQ(run.outputs.size(), 7);
    for (const QString& output : run.outputs) {
        AudioFile2Component reader;
        EXPECT_NO_THROW(reader.openForReading(output, 0, 1)) << output.toStdString();
        EXPECT_GT(reader.lengthInSamples(), 0) << output.toStdString();
    }
}

TEST(DamagedSources, AWaveFormatChunkClaimingMoreThanTheFileNamesThatCause) {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.wav"));
    ASSERT_TRUE(readertest::ffmpegMake({"-f", "lavfi", "-i", readertest::toneSource(0.5, 8000, 1), good}));
    QByteArray bytes = readFile(good);
    const auto format = bytes.indexOf("fmt ");
    ASSERT_GT(format, 0);
    qToLittleEndian<quint32>(0x7FFFFFFF, bytes.data() + format + 4);
    const QString bad = dir.filePath(QStringLiteral("bad fmt.wav"));
    ASSERT_TRUE(writeAll(bad, bytes));

    AudioFile2Component reader;
    try {
        reader.openForReading(bad, 0, 1);
        FAIL() << "a format chunk larger than the file was accepted";
    } catch (const ComponentError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("The file \"bad fmt.wav\" is damaged: its format chunk (\"fmt \") "
                                                  "claims 2147483647 bytes, more than the file holds (%1 bytes).")
                                       .arg(bytes.size()));
        EXPECT_NE(reader.lastError(), 0);
    }
}

} // namespace
