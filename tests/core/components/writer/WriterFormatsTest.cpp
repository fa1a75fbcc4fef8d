// Every output format written from a 997 Hz, -6 dBFS tone and read back by independent decoders.

#include "WriterTestSupport.h"
#include "core/components/ComponentError.h"
#include "core/components/common/HeaderlessInfo.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace writertest;

namespace {

enum class Decoder { Ffmpeg, Sox };

struct FormatCase {
    const char* name;
    std::function<void(AudioWriter&)> setFormat;
    const char* fileName;
    QString codec; // as ffprobe names it; empty when ffprobe cannot read the format
    int sampleRate;
    int channels;
    double minimumSnr; // dB, codec's measured figure less 3 dB
    Decoder decoder = Decoder::Ffmpeg;
    QStringList soxOptions = {}; // sox also reads it (options for headerless input)
    bool soxReads = false;
};

void PrintTo(const FormatCase& format, std::ostream* out) {
    *out << format.name;
}

class WriterFormats : public ::testing::TestWithParam<FormatCase> {
protected:
    QTemporaryDir folder;
};

TEST_P(WriterFormats, ToneReadsBackWithItsRateChannelsLengthAndQuality) {
    const FormatCase& format = GetParam();
    const QString path = folder.filePath(QString::fromLatin1(format.fileName));
    constexpr int inputRate = 44100;
    constexpr int inputChannels = 2;
    constexpr double seconds = 2.0;
    AudioWriter writer;
    format.setFormat(writer);
    writeFile(writer, path, tone(inputRate, inputChannels, seconds), inputRate, inputChannels);

    std::vector<float> decoded;
    if (!format.codec.isEmpty()) {
        const Probe probe = writertest::probe(path);
        EXPECT_EQ(probe.codec, format.codec);
        EXPECT_EQ(probe.sampleRate, format.sampleRate);
        EXPECT_EQ(probe.channels, format.channels);
        EXPECT_NEAR(probe.duration, seconds, 0.1);
    }
    if (format.decoder == Decoder::Ffmpeg) {
        decoded = decodeWithFfmpeg(path);
    } else {
        decoded = decodeWithSox(path, format.soxOptions);
    }
    const std::size_t frames = decoded.size() / static_cast<std::size_t>(format.channels);
    EXPECT_NEAR(static_cast<double>(frames) / format.sampleRate, seconds, 0.1);
    for (int channelIndex = 0; channelIndex < format.channels; ++channelIndex)
        EXPECT_GE(sineFitSnr(channel(decoded, format.channels, channelIndex), format.sampleRate), format.minimumSnr)
            << "channel " << channelIndex;
    const ReadBack ours = readWithOurReader(path);
    EXPECT_EQ(ours.sampleRate, format.sampleRate);
    EXPECT_EQ(ours.channels, format.channels);
    if (ours.channels == format.channels) {
        EXPECT_GE(sineFitSnr(channel(ours.samples, ours.channels, 0), format.sampleRate), format.minimumSnr - 3.0);
    }
    if (format.soxReads) {
        const std::vector<float> bySox = decodeWithSox(path, format.soxOptions);
        EXPECT_GE(sineFitSnr(channel(bySox, format.channels, 0), format.sampleRate), format.minimumSnr - 3.0);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AllFormats, WriterFormats,
    ::testing::Values(
        FormatCase{"Pcm8", [](AudioWriter& w) { w.setPcmWav(44100, 2, 8); }, "t.wav", "pcm_u8", 44100, 2, 37.8,
                   Decoder::Ffmpeg, {}, true},
        FormatCase{"Adpcm", [](AudioWriter& w) { w.setAdpcmWav(44100, 2); }, "t_ADPCM.wav", "adpcm_ms", 44100, 2, 45.0,
                   Decoder::Ffmpeg, {}, true},
        FormatCase{"AdpcmMono8k", [](AudioWriter& w) { w.setAdpcmWav(8000, 1); }, "m_ADPCM.wav", "adpcm_ms", 8000, 1,
                   27.3, Decoder::Ffmpeg, {}, true},
        FormatCase{"Gsm", [](AudioWriter& w) { w.setGsmWav(8000); }, "t_GSM.wav", "gsm_ms", 8000, 1, 23.4,
                   Decoder::Ffmpeg, {}, true},
        FormatCase{"Gsm22050", [](AudioWriter& w) { w.setGsmWav(22050); }, "u_GSM.wav", "gsm_ms", 22050, 1, 31.4},
        FormatCase{"Vox", [](AudioWriter& w) { w.setVox(8000); }, "t.vox", "", 8000, 1, 19.5, Decoder::Sox,
                   {"-t", "vox", "-r", "8000", "-c", "1"}},
        FormatCase{"Mp2", [](AudioWriter& w) { w.setMp2(44100, 128, 2); }, "t.mp2", "mp2", 44100, 2, 69.8},
        FormatCase{"Mp2Mono22050", [](AudioWriter& w) { w.setMp2(22050, 128, 1); }, "m.mp2", "mp2", 22050, 1, 77.3},
        FormatCase{"Mp3", [](AudioWriter& w) { w.setMp3(44100, 128, 2); }, "t.mp3", "mp3", 44100, 2, 55.9},
        FormatCase{"Mp3Mono22050", [](AudioWriter& w) { w.setMp3(22050, 64, 1); }, "m.mp3", "mp3", 22050, 1, 50.0},
        FormatCase{"OggQuality", [](AudioWriter& w) { w.setOggVorbis(44100, 2, 0, 0, 0, 500); }, "q.ogg", "vorbis",
                   44100, 2, 40.5, Decoder::Ffmpeg, {}, true},
        FormatCase{"OggNominal", [](AudioWriter& w) { w.setOggVorbis(44100, 2, 128, 0, 0, -1); }, "n.ogg", "vorbis",
                   44100, 2, 39.0},
        FormatCase{"OggManagedVbr", [](AudioWriter& w) { w.setOggVorbis(44100, 2, 128, 48, 320, -1); }, "v.ogg",
                   "vorbis", 44100, 2, 39.0},
        FormatCase{"OggMono8k", [](AudioWriter& w) { w.setOggVorbis(8000, 1, 16, 0, 0, -1); }, "m.ogg", "vorbis",
                   8000, 1, 20.5},
        FormatCase{"Wma28", [](AudioWriter& w) { w.setWmaProfile(28); }, "t.wma", "wmav2", 44100, 2, 44.9},
        FormatCase{"G721", [](AudioWriter& w) { w.setG721(8000); }, "t.g721", "adpcm_g726le", 8000, 1, 32.4,
                   Decoder::Ffmpeg, {}, true},
        FormatCase{"G723ThreeBits", [](AudioWriter& w) { w.setG723(8000, 3); }, "t.g723", "adpcm_g726le", 8000, 1,
                   24.4, Decoder::Ffmpeg, {}, true},
        // FFmpeg cannot decode 5-bit G.726 as other tools write it; sox decodes it exactly as the encoder meant.
        FormatCase{"G723FiveBits", [](AudioWriter& w) { w.setG723(11025, 5); }, "f.g723", "adpcm_g726le", 11025, 1,
                   39.1, Decoder::Sox},
        FormatCase{"G726ThreeBits", [](AudioWriter& w) { w.setG726(16000, 3); }, "t.g726", "adpcm_g726le", 16000, 1,
                   24.4, Decoder::Ffmpeg, {}, true},
        FormatCase{"G726TwoBits", [](AudioWriter& w) { w.setG726(22050, 2); }, "two.g726", "adpcm_g726", 8000, 1,
                   20.1}),
    [](const ::testing::TestParamInfo<FormatCase>& testInfo) { return std::string(testInfo.param.name); });
// clang-format on

class WriterFiles : public ::testing::Test {
protected:
    QTemporaryDir folder;
    AudioWriter writer;
};

TEST_F(WriterFiles, PcmAndRawKeepSixteenBitSamplesExactly) {
    const std::vector<float> input = tone(44100, 2, 1.0);
    const auto check = [&](const QString& path, const QStringList& inputOptions) {
        const std::vector<float> decoded = decodeWithFfmpeg(path, inputOptions);
        ASSERT_EQ(decoded.size(), input.size()) << path.toStdString();
        EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), input.begin())) << path.toStdString();
    };
    for (const int bits : {16, 24}) {
        writer.setPcmWav(44100, 2, bits);
        const QString path = folder.filePath(QStringLiteral("pcm%1.wav").arg(bits));
        writeFile(writer, path, input, 44100, 2);
        EXPECT_EQ(probe(path).codec, bits == 16 ? QStringLiteral("pcm_s16le") : QStringLiteral("pcm_s24le"));
        check(path, {});
        const ReadBack ours = readWithOurReader(path);
        EXPECT_EQ(ours.samples, input) << path.toStdString();
    }
    writer.setRaw(3, 44100, 2, 16);
    const QString raw = folder.filePath(QStringLiteral("t.raw"));
    writeFile(writer, raw, input, 44100, 2);
    EXPECT_EQ(QFileInfo(raw).size(), static_cast<qint64>(input.size() * 2));
    check(raw, {"-f", "s16le", "-ar", "44100", "-ac", "2"});
    writer.setRaw(3, 22050, 1, 16); // our reader finds the parameters in the file's attributes
    const QString mono = folder.filePath(QStringLiteral("m.raw"));
    writeFile(writer, mono, tone(22050, 1, 1.0), 22050, 1);
    if (readHeaderlessInfo(mono)) {
        const ReadBack ours = readWithOurReader(mono);
        EXPECT_EQ(ours.sampleRate, 22050);
        EXPECT_EQ(ours.channels, 1);
        EXPECT_EQ(ours.samples, tone(22050, 1, 1.0));
    }
}

// PCM WAV and FLAC (which clips while it quantises) alike: full scale at most, NaN as silence, halves rounded to even
// at 24 bits.
// The cases come three times over, so that each is quantised both among a full group of samples and in the leftover
// samples of a block that does not divide into such groups.
TEST_F(WriterFiles, SamplesBeyondFullScaleAreClippedNotWrapped) {
    for (const int bits : {16, 24}) {
        for (const bool flac : {false, true}) {
            SCOPED_TRACE(std::to_string(bits) + (flac ? " bit FLAC" : " bit PCM WAV"));
            if (flac)
                writer.setFlac(5);
            else
                writer.setPcmWav(8000, 1, bits);
            writer.describeInput(8000, 1);
            writer.describeSource(bits, 18);
            const QString path = folder.filePath(QStringLiteral("clip%1.%2").arg(bits).arg(flac ? "flac" : "wav"));
            const float step = 1.0f / static_cast<float>(1 << (bits - 1));
            const std::vector<float> cases{1.5f, -1.5f, 0.25f, std::nanf(""), 1000.5f * step, 1001.5f * step};
            const std::vector<float> expected{1.0f - step, -1.0f, 0.25f, 0.0f, 1000.0f * step, 1002.0f * step};
            std::vector<float> samples;
            for (int round = 0; round < 3; ++round)
                samples.insert(samples.end(), cases.begin(), cases.end());
            writeFile(writer, path, samples, 8000, 1);
            const std::vector<float> decoded = decodeWithFfmpeg(path);
            ASSERT_EQ(decoded.size(), samples.size());
            // Samples off the 16-bit grid are dithered there, so they land within two steps of the rounded value.
            const float tolerance = bits == 16 ? 2.0f * step : 0.0f;
            for (std::size_t index = 0; index < decoded.size(); ++index)
                EXPECT_NEAR(decoded[index], expected[index % cases.size()], tolerance) << "sample " << index;
        }
    }
}

TEST_F(WriterFiles, InputOfAnotherRateAndChannelCountIsConverted) {
    // Mono 22050 Hz into stereo 48000 Hz PCM: upmix without level loss, resample, same duration.
    writer.setPcmWav(48000, 2, 16);
    const QString up = folder.filePath(QStringLiteral("up.wav"));
    writeFile(writer, up, tone(22050, 1, 2.0), 22050, 1);
    const Probe upProbe = probe(up);
    EXPECT_EQ(upProbe.sampleRate, 48000);
    EXPECT_EQ(upProbe.channels, 2);
    EXPECT_NEAR(upProbe.duration, 2.0, 0.01);
    const std::vector<float> upDecoded = decodeWithFfmpeg(up);
    const std::vector<float> left = channel(upDecoded, 2, 0);
    EXPECT_GE(sineFitSnr(left, 48000), 70.0);
    const float peak = *std::max_element(left.begin(), left.end());
    EXPECT_NEAR(peak, kToneAmplitude, 0.01);

    // Stereo 48000 Hz into mono 8000 Hz ADPCM: the downmix averages, so the level stays.
    writer.setAdpcmWav(8000, 1);
    const QString down = folder.filePath(QStringLiteral("down.wav"));
    writeFile(writer, down, tone(48000, 2, 2.0), 48000, 2);
    const Probe downProbe = probe(down);
    EXPECT_EQ(downProbe.sampleRate, 8000);
    EXPECT_EQ(downProbe.channels, 1);
    const std::vector<float> downDecoded = decodeWithFfmpeg(down);
    EXPECT_NEAR(*std::max_element(downDecoded.begin(), downDecoded.end()), kToneAmplitude, 0.05);
}

TEST_F(WriterFiles, DescriptionMayComeBeforeCreateAndChangeBeforeTheFirstBlock) {
    writer.setPcmWav(44100, 2, 16);
    writer.describeInput(22050, 1); // as for a WMA source queried before the file exists
    const QString path = folder.filePath(QStringLiteral("d.wav"));
    writer.create(path);
    writer.describeInput(44100, 2);
    writer.write(SampleBlock(tone(44100, 2, 1.0)));
    writer.close();
    EXPECT_NEAR(probe(path).duration, 1.0, 0.001);
}

TEST_F(WriterFiles, HeaderlessOutputsRecordTheirParameters) {
    writer.setRaw(3, 22050, 1, 16);
    const QString raw = folder.filePath(QStringLiteral("a.raw"));
    writeFile(writer, raw, tone(22050, 1, 0.5), 22050, 1);
    writer.setVox(6000);
    const QString vox = folder.filePath(QStringLiteral("a.vox"));
    writeFile(writer, vox, tone(6000, 1, 0.5), 6000, 1);
    const auto rawInfo = readHeaderlessInfo(raw);
    const auto voxInfo = readHeaderlessInfo(vox);
    if (!rawInfo)
        GTEST_SKIP() << "the temporary folder's file system keeps no extended attributes";
    EXPECT_EQ(*rawInfo, (HeaderlessInfo{22050, 1, QStringLiteral("s16le")}));
    ASSERT_TRUE(voxInfo.has_value());
    EXPECT_EQ(*voxInfo, (HeaderlessInfo{6000, 1, QStringLiteral("vox")}));
}

TEST_F(WriterFiles, ClosingWithoutBlocksLeavesAValidEmptyFile) {
    struct Empty {
        const char* fileName;
        std::function<void(AudioWriter&)> setFormat;
    };
    const std::vector<Empty> formats{
        {"e.wav", [](AudioWriter& w) { w.setPcmWav(44100, 2, 16); }},
        {"e_ADPCM.wav", [](AudioWriter& w) { w.setAdpcmWav(22050, 2); }},
        {"e_GSM.wav", [](AudioWriter& w) { w.setGsmWav(8000); }},
        {"e.mp3", [](AudioWriter& w) { w.setMp3(44100, 128, 2); }},
        {"e.mp2", [](AudioWriter& w) { w.setMp2(44100, 192, 2); }},
        {"e.ogg", [](AudioWriter& w) { w.setOggVorbis(44100, 2, 128, 0, 0, -1); }},
        {"e.wma", [](AudioWriter& w) { w.setWmaProfile(28); }},
        {"e.g726", [](AudioWriter& w) { w.setG726(8000, 4); }},
        {"e2.g726", [](AudioWriter& w) { w.setG726(8000, 2); }},
    };
    for (const Empty& format : formats) {
        const QString path = folder.filePath(QString::fromLatin1(format.fileName));
        format.setFormat(writer);
        writer.create(path);
        writer.close();
        const auto result =
            testsupport::runTool(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), path});
        EXPECT_EQ(result.exitCode, 0) << format.fileName << ": " << result.err.toStdString();
        EXPECT_GT(QFileInfo(path).size(), 0) << format.fileName;
    }
}

TEST_F(WriterFiles, CreateInAFolderThatCannotTakeTheFileFails) {
    const QString locked = folder.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // Folder permissions do not bind root; sysfs refuses new files to everyone.
    const QString path = ::geteuid() == 0 ? QStringLiteral("/sys/out.wav") : locked + QStringLiteral("/out.wav");
    try {
        writer.create(path);
        FAIL() << "create succeeded";
    } catch (const ComponentError& error) {
        EXPECT_EQ(error.code(), LastError::AccessDenied);
        EXPECT_TRUE(error.message().contains(path));
    }
    EXPECT_FALSE(writer.isOpen());
    try {
        writer.create(folder.filePath(QStringLiteral("missing/out.wav")));
        FAIL() << "create succeeded";
    } catch (const ComponentError& error) {
        EXPECT_EQ(error.code(), LastError::FileNotFound);
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Outputs go out through a buffer; a disk that fills up must still fail the output, also when only the last bytes
// (written as the file closes) find no room.
TEST_F(WriterFiles, AFullDiskFailsTheOutput) {
    const QString full = QStringLiteral("/dev/full");
    ASSERT_TRUE(QFileInfo(full).isWritable()) << "the test needs /dev/full";
    const std::vector<float> prompt = tone(8000, 1, 0.25);
    writer.setVox(8000);
    EXPECT_THROW(writeFile(writer, full, prompt, 8000, 1), ComponentError);
    EXPECT_FALSE(writer.isOpen());
    writer.setPcmWav(8000, 1, 16);
    EXPECT_THROW(writeFile(writer, full, prompt, 8000, 1), ComponentError);
    writer.setPcmWav(44100, 2, 16);
    EXPECT_THROW(writeFile(writer, full, tone(44100, 2, 1.0), 44100, 2), ComponentError);
}

TEST_F(WriterFiles, WritingWithoutAnOpenFileOrWithPartialFramesRaises) {
    EXPECT_THROW(writer.write(SampleBlock(std::vector<float>{0.1f, 0.2f})), ComponentError);
    writer.setPcmWav(8000, 2, 16);
    writer.create(folder.filePath(QStringLiteral("p.wav")));
    writer.describeInput(8000, 2);
    EXPECT_THROW(writer.write(SampleBlock(std::vector<float>{0.1f, 0.2f, 0.3f})), ComponentError);
    EXPECT_THROW(writer.describeInput(0, 2), ComponentError);
    writer.close();
}

TEST_F(WriterFiles, DspWavIsTrueSpeechAtEightKilohertzMonoOrAClearError) {
    writer.setDspWav();
    const QString path = folder.filePath(QStringLiteral("t_DSP.wav"));
    try {
        writeFile(writer, path, tone(44100, 2, 1.0), 44100, 2);
    } catch (const ComponentError& error) {
        // Until the TrueSpeech encoder is in the build, the output is refused with a message and no file stays.
        EXPECT_TRUE(error.message().contains(QStringLiteral("TrueSpeech"))) << error.message().toStdString();
        EXPECT_FALSE(QFile::exists(path));
        return;
    }
    const Probe dsp = probe(path);
    EXPECT_EQ(dsp.codec, QStringLiteral("truespeech"));
    EXPECT_EQ(dsp.sampleRate, 8000);
    EXPECT_EQ(dsp.channels, 1);
}

// VOX packs two samples into a byte. Blocks of odd sizes must neither fail nor put a stray sample between them:
// the file equals the one written in a single block, and only an odd total gains one sample of silence.
TEST_F(WriterFiles, VoxTakesBlocksOfAnySizeWithoutStraySamples) {
    const std::vector<float> sound = tone(8000, 1, 0.25); // 2000 samples
    const auto write = [&](const QString& name, const std::vector<std::size_t>& blockSizes, std::size_t total) {
        writer.setVox(8000);
        const QString path = folder.filePath(name);
        writer.create(path);
        std::size_t offset = 0;
        for (const std::size_t size : blockSizes) {
            writer.write(SampleBlock(std::vector<float>(sound.begin() + static_cast<std::ptrdiff_t>(offset),
                                                        sound.begin() + static_cast<std::ptrdiff_t>(offset + size))));
            offset += size;
        }
        EXPECT_EQ(offset, total);
        writer.close();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray whole = write(QStringLiteral("whole.vox"), {1000}, 1000);
    EXPECT_EQ(whole.size(), 500);
    EXPECT_EQ(write(QStringLiteral("odd.vox"), {3, 5, 7, 985}, 1000), whole);
    const QByteArray oddTotal = write(QStringLiteral("total.vox"), {3, 998}, 1001);
    EXPECT_EQ(oddTotal.size(), 501);
    EXPECT_EQ(oddTotal.left(500), whole);
    EXPECT_EQ(readWithOurReader(folder.filePath(QStringLiteral("total.vox"))).samples.size(), 1002u);
}

} // namespace
