#include "ReaderTestSupport.h"
#include "core/components/AudioFile2Component.h"
#include "core/components/ComponentError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

// A source opened again with what its first opening found must read exactly as one opened afresh, and facts about
// a file that has changed since must not be used.
namespace {

using readertest::ffmpegMake;
using readertest::toneSource;

struct OpenedSource {
    int rate = 0;
    int channels = 0;
    qint64 length = 0;
    QString description;
    std::vector<float> values;
};

OpenedSource readThrough(AudioFile2Component& reader) {
    OpenedSource opened{
        reader.sampleRate(), reader.channelCount(), reader.lengthInSamples(), reader.formatString(), {}};
    opened.values = readertest::readAll([&](int n) { return reader.readBlock(n); }, 4096);
    reader.close();
    return opened;
}

void expectSameSource(const OpenedSource& afresh, const OpenedSource& again, const QString& name) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_EQ(afresh.rate, again.rate);
    EXPECT_EQ(afresh.channels, again.channels);
    EXPECT_EQ(afresh.length, again.length);
    EXPECT_EQ(afresh.description, again.description);
    EXPECT_EQ(afresh.values.size(), again.values.size());
    EXPECT_TRUE(afresh.values == again.values);
}

// Wraps the bytes of another file in a WAV header that calls them 16-bit stereo PCM.
void writeUnderPcmHeader(const QString& fileName, const QByteArray& payload) {
    const auto le32 = [](quint32 value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    const auto le16 = [](quint16 value) {
        QByteArray bytes(2, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    QByteArray format = le16(1) + le16(2) + le32(44100) + le32(44100 * 4) + le16(4) + le16(16);
    QByteArray body = QByteArray("WAVEfmt ") + le32(16) + format + QByteArray("data") + le32(payload.size()) + payload;
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("RIFF") + le32(body.size()) + body);
}

class ProbedSourceTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QString tone(const QString& name, double seconds, int rate = 44100, int channels = 2) {
        const QString file = path(name);
        EXPECT_TRUE(ffmpegMake({"-f", "lavfi", "-i", toneSource(seconds, rate, channels), file}));
        return file;
    }

    QTemporaryDir dir_;
    AudioFile2Component reader_;
};

TEST_F(ProbedSourceTest, ReopeningWithTheFactsReadsLikeOpeningAfresh) {
    QStringList sources{tone("plain.wav", 1.5), tone("mono.aiff", 1.0, 8000, 1), tone("coded.mp3", 1.2),
                        tone("coded.flac", 1.0), tone("coded.ogg", 1.0)};
    // A WAV cut short keeps the length its header states for more data than there is.
    QFile whole(sources.front());
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QFile cut(path("cut.wav"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.read(whole.size() / 2 + 3));
    cut.close();
    sources << cut.fileName();
    if (testsupport::fixturesPresent()) {
        for (const char* fixture : {"fixtures/tinytag/mp3_audio.wav", "fixtures/file-type/fixture.wma.asf",
                                    "fixtures/file-type/fixture.oga", "fixtures/audio-scan/bug14462-wav-fmt.wav"})
            sources << testsupport::fixture(QString::fromLatin1(fixture));
    }

    int reopenedByFfmpeg = 0;
    for (const QString& source : sources) {
        reader_.openForReading(source, 0, 1);
        const ProbedSource probed = reader_.probedSource();
        const OpenedSource afresh = readThrough(reader_);
        EXPECT_EQ(probed.fileName, source);
        EXPECT_GT(probed.lengthFrames, 0) << source.toStdString();
        if (!probed.ffmpegDemuxer.isEmpty())
            ++reopenedByFfmpeg;
        reader_.openProbedForReading(probed);
        expectSameSource(afresh, readThrough(reader_), source);
    }
    EXPECT_GE(reopenedByFfmpeg, 5);
}

TEST_F(ProbedSourceTest, PlainPcmIsRecordedAsSuch) {
    reader_.openForReading(tone("plain.wav", 0.5), 0, 1);
    const ProbedSource probed = reader_.probedSource();
    EXPECT_EQ(probed.ffmpegDemuxer, QByteArray("wav"));
    EXPECT_TRUE(probed.plainSamples);
    EXPECT_TRUE(probed.lengthExact);
    EXPECT_EQ(probed.lengthFrames, 22050);
}

TEST_F(ProbedSourceTest, ChangedFileIsProbedAfresh) {
    const QString source = tone("changing.wav", 1.0);
    reader_.openForReading(source, 0, 1);
    const ProbedSource probed = reader_.probedSource();
    reader_.close();
    ASSERT_TRUE(QFile::remove(source));
    ASSERT_EQ(tone("changing.wav", 2.0), source);
    reader_.openProbedForReading(probed);
    EXPECT_EQ(reader_.lengthInSamples(), 88200);
    reader_.close();

    // A file gone since it was probed fails as any missing file does.
    ASSERT_TRUE(QFile::remove(source));
    EXPECT_THROW(reader_.openProbedForReading(probed), ComponentError);
    EXPECT_EQ(reader_.lastError(), LastError::FileNotFound);
}

// FFmpeg looks for other codecs behind a PCM format tag; the smaller probe must still find an MP3 of the highest
// bit rate, whose frames are the largest.
TEST_F(ProbedSourceTest, Mp3UnderAPcmTagIsStillFound) {
    const QString mp3 = path("loud.mp3");
    ASSERT_TRUE(ffmpegMake({"-f", "lavfi", "-i", toneSource(2.0, 44100, 2), "-c:a", "libmp3lame", "-b:a", "320k",
                            "-write_xing", "0", "-id3v2_version", "0", mp3}));
    QFile coded(mp3);
    ASSERT_TRUE(coded.open(QIODevice::ReadOnly));
    const QString wrapped = path("wrapped.wav");
    writeUnderPcmHeader(wrapped, coded.readAll());
    reader_.openForReading(wrapped, 0, 1);
    EXPECT_TRUE(reader_.formatString().contains(QLatin1String("Layer III"))) << reader_.formatString().toStdString();
    EXPECT_FALSE(reader_.probedSource().plainSamples);
}

} // namespace
