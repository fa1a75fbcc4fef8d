// The reader on files made here: bad input, headerless files, G.72x, Nintendo DSP ADPCM, seeking and blocks.
#include "ReaderTestSupport.h"
#include "core/components/AudioFile2Component.h"
#include "core/components/ComponentError.h"
#include "core/components/common/HeaderlessInfo.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <array>
#include <gtest/gtest.h>
#include <random>
#include <sndfile.h>
#include <tuple>
#include <unistd.h>

extern "C" {
#include <spandsp.h>
}

namespace {

using testsupport::writeFile;

std::vector<float> sine(int frames, int rate, double frequency = 997.0, double amplitude = 0.5) {
    std::vector<float> values(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i)
        values[static_cast<std::size_t>(i)] =
            static_cast<float>(amplitude * std::sin(2.0 * M_PI * frequency * i / rate));
    return values;
}

std::vector<int16_t> toPcm16(const std::vector<float>& values) {
    std::vector<int16_t> pcm;
    pcm.reserve(values.size());
    for (float value : values)
        pcm.push_back(static_cast<int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f)));
    return pcm;
}

QByteArray pcmBytes(const std::vector<int16_t>& pcm) {
    QByteArray bytes(static_cast<int>(pcm.size() * 2), '\0');
    for (std::size_t i = 0; i < pcm.size(); ++i)
        qToLittleEndian(pcm[i], bytes.data() + 2 * i);
    return bytes;
}

// Writes mono float samples with libsndfile in the given format.
bool writeWithSndfile(const QString& fileName, int format, int rate, const std::vector<float>& values) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(fileName).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    sf_writef_float(file, values.data(), static_cast<sf_count_t>(values.size()));
    sf_close(file);
    return true;
}

class ReaderTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Opens through the component and reads everything in blocks of one second.
    std::vector<float> openAndReadAll(const QString& fileName) {
        reader_.openForReading(fileName, 0, 1);
        return readertest::readAll([&](int n) { return reader_.readBlock(n); },
                                   reader_.sampleRate() * reader_.channelCount());
    }

    int openError(const QString& fileName) {
        try {
            reader_.openForReading(fileName, 0, 1);
        } catch (const ComponentError& error) {
            EXPECT_EQ(error.code(), reader_.lastError());
            EXPECT_FALSE(error.message().isEmpty());
            return error.code();
        }
        return LastError::Success;
    }

    QString makeWav(const QString& name, double seconds, int channels, const QString& codec = "pcm_s16le") {
        const QString file = path(name);
        EXPECT_TRUE(readertest::ffmpegMake(
            {"-f", "lavfi", "-i", readertest::toneSource(seconds, 44100, channels), "-c:a", codec, file}));
        return file;
    }

    QTemporaryDir dir_;
    AudioFile2Component reader_;
};

TEST_F(ReaderTest, BadFilesFailWithTheirOwnError) {
    EXPECT_EQ(openError(path("missing.wav")), LastError::FileNotFound);
    EXPECT_EQ(openError(dir_.path()), LastError::UnknownFormat);
    writeFile(path("empty.mp3"), {});
    EXPECT_EQ(openError(path("empty.mp3")), LastError::CorruptData);
    writeFile(path("name.unknown"), QByteArray(4000, 'x'));
    EXPECT_EQ(openError(path("name.unknown")), LastError::UnknownFormat);
    EXPECT_FALSE(reader_.readBlock(100).size());
    reader_.close();
    reader_.close();
}

TEST_F(ReaderTest, UnreadableFileIsRefused) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const QString file = makeWav("locked.wav", 0.1, 1);
    QFile::setPermissions(file, QFileDevice::Permissions());
    EXPECT_EQ(openError(file), LastError::AccessDenied);
}

TEST_F(ReaderTest, GarbageNeverOpensAsSound) {
    std::mt19937 random(42);
    QByteArray garbage(64 * 1024, '\0');
    for (char& byte : garbage)
        byte = static_cast<char>(random() & 0xFF);
    for (const char* name : {"noise.wav", "noise.mp3", "noise.ogg", "noise.wma", "noise.aif", "noise.mpc", "noise.dsp",
                             "noise.au", "noise.avi"}) {
        SCOPED_TRACE(name);
        writeFile(path(name), garbage);
        const int error = openError(path(name));
        if (error == LastError::Success) {
            // FFmpeg's MPEG reader resynchronises on anything; whatever it finds must end, and be short.
            const auto values = readertest::readAll([&](int n) { return reader_.readBlock(n); }, 65536);
            EXPECT_LT(values.size(), 10u * 1152u * 2u);
        }
    }
}

// A cut file keeps its header: reading ends where the data ends and the length follows the data.
TEST_F(ReaderTest, TruncatedFilesEndEarly) {
    for (const char* name : {"cut.wav", "cut.mp3", "cut.ogg"}) {
        SCOPED_TRACE(name);
        const QString full = path(QStringLiteral("full_") + name);
        ASSERT_TRUE(readertest::ffmpegMake({"-f", "lavfi", "-i", readertest::toneSource(4, 44100, 2), full}));
        QFile source(full);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        writeFile(path(name), source.read(source.size() / 2));
        const std::vector<float> values = openAndReadAll(path(name));
        const auto frames = static_cast<qint64>(values.size()) / 2;
        EXPECT_GT(frames, 44100 / 2);
        EXPECT_LT(frames, 44100 * 3);
        EXPECT_EQ(reader_.lengthInSamples(), frames);
    }
}

TEST_F(ReaderTest, RawUsesDefaultsOrTheRecordedFormat) {
    const std::vector<int16_t> pcm{0, 1000, -1000, 32767, -32768, 5};
    writeFile(path("plain.raw"), pcmBytes(pcm));
    std::vector<float> values = openAndReadAll(path("plain.raw"));
    EXPECT_EQ(reader_.sampleRate(), 44100);
    EXPECT_EQ(reader_.channelCount(), 2);
    EXPECT_EQ(reader_.lengthInSamples(), 3);
    ASSERT_EQ(values.size(), pcm.size());
    for (std::size_t i = 0; i < pcm.size(); ++i)
        EXPECT_EQ(values[i], pcm[i] / 32768.0f);

    writeFile(path("recorded.raw"), pcmBytes(pcm));
    if (!writeHeaderlessInfo(path("recorded.raw"), {22050, 1, QStringLiteral("s16le")}))
        GTEST_SKIP() << "this file system keeps no extended attributes";
    values = openAndReadAll(path("recorded.raw"));
    EXPECT_EQ(reader_.sampleRate(), 22050);
    EXPECT_EQ(reader_.channelCount(), 1);
    EXPECT_EQ(reader_.lengthInSamples(), 6);
    EXPECT_EQ(reader_.formatString(), QStringLiteral("PCM 16-bit, 22050 Hz, Mono"));
}

TEST_F(ReaderTest, VoxDecodesLikeSoxAtTheDefaultOrRecordedRate) {
    const QString file = path("speech.vox");
    ASSERT_TRUE(writeWithSndfile(file, SF_FORMAT_RAW | SF_FORMAT_VOX_ADPCM, 8000, sine(8000, 8000, 440.0)));
    std::vector<float> values = openAndReadAll(file);
    EXPECT_EQ(reader_.sampleRate(), 8000);
    EXPECT_EQ(reader_.channelCount(), 1);
    EXPECT_EQ(static_cast<qint64>(values.size()), reader_.lengthInSamples());
    EXPECT_GT(readertest::snrDb(sine(8000, 8000, 440.0), values, 100), 15.0);

    if (!writeHeaderlessInfo(file, {6000, 1, QStringLiteral("vox")}))
        GTEST_SKIP() << "this file system keeps no extended attributes";
    reader_.openForReading(file, 0, 1);
    EXPECT_EQ(reader_.sampleRate(), 6000);
}

// Headerless G.72x codes as telephony tools write them: LSB-first, 8000 Hz.
TEST_F(ReaderTest, HeaderlessG72xFilesDecode) {
    const std::vector<float> tone = sine(8000, 8000, 440.0);
    const std::vector<int16_t> pcm = toPcm16(tone);
    for (const auto& [extension, bits] : std::vector<std::pair<QString, int>>{{"g721", 4}, {"g723", 3}, {"g726", 4}}) {
        SCOPED_TRACE(extension.toStdString());
        g726_state_t* encoder = g726_init(nullptr, bits * 8000, G726_ENCODING_LINEAR, G726_PACKING_RIGHT);
        QByteArray codes(static_cast<int>(pcm.size()), '\0');
        const int bytes =
            g726_encode(encoder, reinterpret_cast<uint8_t*>(codes.data()), pcm.data(), static_cast<int>(pcm.size()));
        g726_free(encoder);
        codes.truncate(bytes);
        writeFile(path("tone." + extension), codes);
        const std::vector<float> values = openAndReadAll(path("tone." + extension));
        EXPECT_EQ(reader_.sampleRate(), 8000);
        EXPECT_EQ(reader_.lengthInSamples(), static_cast<qint64>(bytes) * 8 / bits);
        EXPECT_GT(readertest::snrDb(tone, values, 200), bits == 3 ? 10.0 : 15.0);
    }
}

// AU files with G.72x encodings and WAV files with G.721 (tag 0x0040) are read the way conformant tools do.
TEST_F(ReaderTest, G72xInAuAndWavDecode) {
    const std::vector<float> tone = sine(16000, 11025, 440.0);
    for (const auto& [name, format] :
         std::vector<std::pair<QString, int>>{{"g721.au", SF_FORMAT_AU | SF_FORMAT_G721_32},
                                              {"g723_3.snd", SF_FORMAT_AU | SF_FORMAT_G723_24},
                                              {"g723_5.au", SF_FORMAT_AU | SF_FORMAT_G723_40},
                                              {"g721.wav", SF_FORMAT_WAV | SF_FORMAT_G721_32}}) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(writeWithSndfile(path(name), format, 11025, tone));
        const std::vector<float> values = openAndReadAll(path(name));
        EXPECT_EQ(reader_.sampleRate(), 11025);
        EXPECT_EQ(reader_.channelCount(), 1);
        EXPECT_NEAR(static_cast<double>(values.size()), 16000.0, 128.0); // the last block is padded
        EXPECT_GT(readertest::snrDb(tone, values, 200), 10.0);
        if (name.endsWith(QLatin1String(".au"))) {
            const testsupport::ToolResult sox =
                testsupport::runTool("sox", {path(name), "-t", "f32", "-e", "floating-point", "-"});
            const std::vector<float> expected = readertest::floatsOf(sox.out);
            EXPECT_GT(readertest::snrDb(expected, values), 60.0) << "differs from sox's decode";
        }
    }
}

// A small Nintendo DSP ADPCM encoder: one coefficient pair, the best scale per frame by trial.
QByteArray encodeDsp(const std::vector<int16_t>& pcm, int rate) {
    constexpr std::array<int16_t, 2> coefficients{3600, -1600};
    QByteArray file(0x60, '\0');
    const auto frames = static_cast<int>((pcm.size() + 13) / 14);
    int history1 = 0;
    int history2 = 0;
    for (int frame = 0; frame < frames; ++frame) {
        QByteArray best;
        long long bestError = -1;
        int bestHistory1 = 0;
        int bestHistory2 = 0;
        for (int shift = 0; shift < 12; ++shift) {
            QByteArray bytes(8, '\0');
            bytes[0] = static_cast<char>(shift);
            int h1 = history1;
            int h2 = history2;
            long long error = 0;
            for (int i = 0; i < 14; ++i) {
                const std::size_t index = static_cast<std::size_t>(frame) * 14 + static_cast<std::size_t>(i);
                const int target = index < pcm.size() ? pcm[index] : 0;
                const int prediction = (coefficients[0] * h1 + coefficients[1] * h2 + 1024) >> 11;
                int code = static_cast<int>(std::lround(static_cast<double>(target - prediction) / (1 << shift)));
                code = std::clamp(code, -8, 7);
                const int sample = std::clamp(
                    (((code * (1 << shift)) << 11) + 1024 + coefficients[0] * h1 + coefficients[1] * h2) >> 11, -32768,
                    32767);
                error += static_cast<long long>(sample - target) * (sample - target);
                h2 = h1;
                h1 = sample;
                bytes[1 + i / 2] = static_cast<char>(bytes[1 + i / 2] | ((code & 0x0F) << (i % 2 == 0 ? 4 : 0)));
            }
            if (bestError < 0 || error < bestError) {
                bestError = error;
                best = bytes;
                bestHistory1 = h1;
                bestHistory2 = h2;
            }
        }
        history1 = bestHistory1;
        history2 = bestHistory2;
        file.append(best);
    }
    const auto samples = static_cast<quint32>(pcm.size());
    const quint32 rest = samples % 14;
    qToBigEndian<quint32>(samples, file.data());
    qToBigEndian<quint32>(samples / 14 * 16 + (rest ? rest + 2 : 0), file.data() + 4);
    qToBigEndian<quint32>(static_cast<quint32>(rate), file.data() + 8);
    qToBigEndian<qint16>(coefficients[0], file.data() + 0x1C);
    qToBigEndian<qint16>(coefficients[1], file.data() + 0x1E);
    qToBigEndian<quint16>(static_cast<quint8>(file[0x60]), file.data() + 0x3E);
    return file;
}

TEST_F(ReaderTest, NintendoDspFilesDecodeAndSeek) {
    const std::vector<float> tone = sine(32000 - 5, 32000, 440.0);
    const QByteArray dsp = encodeDsp(toPcm16(tone), 32000);
    writeFile(path("tone.dsp"), dsp);
    const std::vector<float> values = openAndReadAll(path("tone.dsp"));
    EXPECT_EQ(reader_.sampleRate(), 32000);
    EXPECT_EQ(reader_.channelCount(), 1);
    EXPECT_EQ(reader_.lengthInSamples(), 32000 - 5);
    ASSERT_EQ(values.size(), tone.size());
    EXPECT_GT(readertest::snrDb(tone, values), 25.0);
    EXPECT_TRUE(reader_.formatString().contains(QLatin1String("DSP")));
    EXPECT_EQ(reader_.seek(20000, 3), 20000);
    const SampleBlock block = reader_.readBlock(10);
    EXPECT_TRUE(std::equal(block.values().begin(), block.values().end(), values.begin() + 20000));

    // Without a matching first frame byte the header is not believed, and the name alone proves nothing.
    QByteArray damaged = dsp;
    damaged[0x60] = static_cast<char>(damaged[0x60] ^ 0x0F);
    writeFile(path("damaged.dsp"), damaged);
    EXPECT_EQ(openError(path("damaged.dsp")), LastError::UnknownFormat);
}

TEST_F(ReaderTest, SeekReachesTheSampleExactlyInPcm) {
    const QString file = makeWav("seek.wav", 3, 2);
    const std::vector<float> all = openAndReadAll(file);
    for (const qint64 target : {qint64{100000}, qint64{10}, qint64{0}, qint64{131072}, qint64{44100}}) {
        SCOPED_TRACE(target);
        EXPECT_EQ(reader_.seek(target, 3), target);
        const SampleBlock block = reader_.readBlock(1000);
        ASSERT_EQ(block.size(), 1000u);
        EXPECT_TRUE(std::equal(block.values().begin(), block.values().end(), all.begin() + target * 2));
    }
    EXPECT_EQ(reader_.seek(10 * 44100, 3), reader_.lengthInSamples());
    EXPECT_TRUE(reader_.readBlock(1000).empty());
}

TEST_F(ReaderTest, SeekInMp3LandsOnTheSample) {
    const QString file = path("seek.mp3");
    ASSERT_TRUE(
        readertest::ffmpegMake({"-f", "lavfi", "-i", readertest::toneSource(8, 44100, 2), "-b:a", "128k", file}));
    const std::vector<float> all = openAndReadAll(file);
    for (const qint64 target : {qint64{6 * 44100 + 17}, qint64{3 * 44100}, qint64{1000}}) {
        SCOPED_TRACE(target);
        EXPECT_EQ(reader_.seek(target, 3), target);
        const SampleBlock block = reader_.readBlock(2000);
        ASSERT_EQ(block.size(), 2000u);
        const std::vector<float> expected(all.begin() + target * 2, all.begin() + target * 2 + 2000);
        EXPECT_GT(readertest::snrDb(expected, block.values()), 40.0);
    }
}

// The encoder's delay and padding are not sound: the length at open already leaves them out, as decoding does.
TEST_F(ReaderTest, Mp3LengthLeavesOutTheEncoderPadding) {
    for (const auto& [rate, channels, frames] : {std::tuple{44100, 2, 2 * 44100 + 123}, std::tuple{22050, 1, 22050}}) {
        SCOPED_TRACE(rate);
        const QString file = path(QStringLiteral("gapless-%1.mp3").arg(rate));
        const QString source = QStringLiteral("sine=f=440:r=%1,atrim=end_sample=%2").arg(rate).arg(frames);
        ASSERT_TRUE(readertest::ffmpegMake({"-f", "lavfi", "-i", source, "-ac", QString::number(channels), "-c:a",
                                            "libmp3lame", "-b:a", "64k", file}));
        reader_.openForReading(file, 0, 1);
        EXPECT_EQ(reader_.lengthInSamples(), frames);
        const std::vector<float> all = openAndReadAll(file);
        EXPECT_EQ(static_cast<qint64>(all.size()), qint64{frames} * channels);
    }
}

// An Ogg Vorbis stream states where its sound ends; a short stream is not padded to a whole block and a long one
// loses nothing at either end, also after a seek.
TEST_F(ReaderTest, OggVorbisLengthIsTheStreamsOwn) {
    for (const auto& [channels, frames] : {std::pair{2, 1}, std::pair{1, 1153}, std::pair{2, 44100}}) {
        SCOPED_TRACE(frames);
        const QString file = path(QStringLiteral("length-%1.ogg").arg(frames));
        const QString source = QStringLiteral("sine=f=440:r=44100,atrim=end_sample=%1").arg(frames);
        ASSERT_TRUE(readertest::ffmpegMake(
            {"-f", "lavfi", "-i", source, "-ac", QString::number(channels), "-c:a", "libvorbis", file}));
        const std::vector<float> all = openAndReadAll(file);
        EXPECT_EQ(reader_.lengthInSamples(), frames);
        EXPECT_EQ(static_cast<qint64>(all.size()), qint64{frames} * channels);
        EXPECT_TRUE(reader_.formatString().startsWith(QStringLiteral("Ogg Vorbis")))
            << reader_.formatString().toStdString();
        const qint64 half = frames / 2;
        EXPECT_EQ(reader_.seek(half, 3), half);
        const std::vector<float> rest = readertest::readAll([&](int n) { return reader_.readBlock(n); }, 4096);
        EXPECT_EQ(static_cast<qint64>(rest.size()), (frames - half) * channels);
    }
}

// Outputs and the volume change take mono or stereo: more channels arrive mixed down to stereo, keeping every
// channel's sound, while the description still names the source's own channels.
TEST_F(ReaderTest, SurroundSourcesArriveAsStereo) {
    const QString file = path(QStringLiteral("surround.wav"));
    ASSERT_TRUE(readertest::ffmpegMake({"-f", "lavfi", "-i", readertest::toneSource(1, 48000, 1), "-filter_complex",
                                        "[0:a]pan=5.1|FL=c0|FR=0*c0|FC=0*c0|LFE=0*c0|BL=0*c0|BR=0*c0", file}));
    const std::vector<float> all = openAndReadAll(file);
    EXPECT_EQ(reader_.channelCount(), 2);
    EXPECT_TRUE(reader_.formatString().contains(QStringLiteral("6 channels"))) << reader_.formatString().toStdString();
    ASSERT_EQ(all.size(), 2u * 48000u);
    float left = 0.0f;
    float right = 0.0f;
    for (std::size_t i = 0; i + 1 < all.size(); i += 2) {
        left = std::max(left, std::abs(all[i]));
        right = std::max(right, std::abs(all[i + 1]));
    }
    EXPECT_GT(left, 0.05f);  // the front-left tone lands on the left
    EXPECT_LT(right, 0.01f); // and nowhere else
}

// Odd block sizes split frames; the values still come in order, none lost or doubled.
TEST_F(ReaderTest, AnyBlockSizeKeepsTheInterleaving) {
    const QString file = makeWav("blocks.wav", 0.5, 2);
    const std::vector<float> all = openAndReadAll(file);
    reader_.seek(0, 3);
    const std::vector<float> odd = readertest::readAll([&](int) { return reader_.readBlock(7); }, 7);
    EXPECT_TRUE(odd == all);
    EXPECT_TRUE(reader_.readBlock(0).empty());
}

TEST_F(ReaderTest, DescriptionsNameCodecRateAndChannels) {
    reader_.openForReading(makeWav("mono.wav", 0.2, 1), 0, 1);
    EXPECT_EQ(reader_.formatString(), QStringLiteral("PCM 16-bit, 44100 Hz, Mono"));
    const QString mp3 = path("tone.mp3");
    ASSERT_TRUE(
        readertest::ffmpegMake({"-f", "lavfi", "-i", readertest::toneSource(1, 44100, 2), "-b:a", "128k", mp3}));
    reader_.openForReading(mp3, 0, 1);
    EXPECT_EQ(reader_.formatString(), QStringLiteral("MPEG-1 Layer III, 128 kbit/s, 44100 Hz, Stereo"));
    // The header's length still holds the encoder's padding, two frames at most.
    EXPECT_NEAR(reader_.durationMs(), 1000, 60);
}

TEST_F(ReaderTest, InfoCommandPrintsFactsAndErrors) {
    const QString wav = makeWav("info.wav", 1, 2);
    const testsupport::ToolResult result =
        testsupport::runTool(testsupport::cliPath(), {"info", wav, path("missing.mp3")});
    EXPECT_EQ(result.exitCode, 1);
    const QString expected = QStringLiteral("file=%1\nformat=PCM 16-bit, 44100 Hz, Stereo\nrate=44100\nchannels=2\n"
                                            "length=44100\nduration_ms=1000\nfile=%2\nerror=")
                                 .arg(wav, path("missing.mp3"));
    EXPECT_TRUE(QString::fromUtf8(result.out).startsWith(expected)) << result.out.toStdString();
}

} // namespace
