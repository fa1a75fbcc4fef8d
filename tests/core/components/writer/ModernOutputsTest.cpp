// FLAC, ALAC, AAC and Opus outputs read back by ffmpeg/ffprobe and libFLAC: lossless outputs give back the source's
// samples bit for bit at its own rate, channels and size; lossy ones give back its length.
#include "WriterTestSupport.h"
#include "core/components/writer/Mp4GaplessTag.h"

#include <FLAC/metadata.h>
#include <QCryptographicHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

using namespace writertest;

namespace {

struct IntegerSource {
    std::vector<float> samples; // what the reader would hand over: integer / 2^(bits-1)
    QByteArray packed;          // the same integers little-endian, as ffmpeg's s16le/s24le and FLAC's MD5 see them
    qint64 frames = 0;
};

// Full-scale noise of the given size, with both ends of the range in it.
IntegerSource integerNoise(int sampleRate, int channels, int bits, double seconds) {
    IntegerSource source;
    source.frames = static_cast<qint64>(sampleRate * seconds);
    const qint64 count = source.frames * channels;
    const std::int32_t highest = (std::int32_t{1} << (bits - 1)) - 1;
    std::mt19937 random(static_cast<unsigned>(sampleRate + bits));
    std::uniform_int_distribution<std::int32_t> pick(-highest - 1, highest);
    const float scale = 1.0f / static_cast<float>(highest + 1);
    for (qint64 index = 0; index < count; ++index) {
        std::int32_t value = pick(random);
        if (index == 1)
            value = highest;
        if (index == 2)
            value = -highest - 1;
        source.samples.push_back(static_cast<float>(value) * scale);
        for (int byte = 0; byte < bits / 8; ++byte)
            source.packed.append(static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * byte)) & 0xFFU));
    }
    return source;
}

QByteArray decodedMd5(const QString& fileName, int bits) {
    const auto result =
        testsupport::runTool("ffmpeg", {"-v", "error", "-i", fileName, "-f", bits == 16 ? "s16le" : "s24le", "-"});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return testsupport::md5OfBytes(result.out);
}

// What ffprobe states about the first audio stream's sample size.
int probedBits(const QString& fileName) {
    const auto result = testsupport::runTool("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                                         "stream=bits_per_raw_sample", "-of", "csv=p=0", fileName});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return result.out.trimmed().toInt();
}

void writeAsSource(AudioWriter& writer, const QString& path, const std::vector<float>& samples, int sampleRate,
                   int channels, int bits, qint64 frames) {
    writer.describeInput(sampleRate, channels);
    writer.describeSource(bits, frames);
    writeFile(writer, path, samples, sampleRate, channels);
}

struct LosslessCase {
    const char* name;
    bool flac;
    int sampleRate;
    int channels;
    int bits;
};

class LosslessRoundTrip : public ::testing::TestWithParam<LosslessCase> {};

TEST_P(LosslessRoundTrip, DecodedSamplesEqualTheSourceBitForBit) {
    const LosslessCase& shape = GetParam();
    QTemporaryDir folder;
    const IntegerSource source = integerNoise(shape.sampleRate, shape.channels, shape.bits, 2.5);
    AudioWriter writer;
    if (shape.flac)
        writer.setFlac(5);
    else
        writer.setAlac();
    const QString path = folder.filePath(shape.flac ? "song.flac" : "song_ALAC.m4a");
    writeAsSource(writer, path, source.samples, shape.sampleRate, shape.channels, shape.bits, source.frames);

    const Probe probed = probe(path);
    EXPECT_EQ(probed.codec, shape.flac ? "flac" : "alac");
    EXPECT_EQ(probed.sampleRate, shape.sampleRate);
    EXPECT_EQ(probed.channels, shape.channels);
    EXPECT_EQ(probedBits(path), shape.bits);
    EXPECT_EQ(decodedMd5(path, shape.bits), testsupport::md5OfBytes(source.packed));
    if (!shape.flac)
        return;

    // STREAMINFO states the length and the samples' MD5; every seek point leads to a frame.
    FLAC__StreamMetadata streamInfo;
    ASSERT_TRUE(FLAC__metadata_get_streaminfo(QFile::encodeName(path).constData(), &streamInfo));
    EXPECT_EQ(streamInfo.data.stream_info.total_samples, static_cast<FLAC__uint64>(source.frames));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(streamInfo.data.stream_info.md5sum), 16).toHex(),
              testsupport::md5OfBytes(source.packed));
    FLAC__Metadata_SimpleIterator* iterator = FLAC__metadata_simple_iterator_new();
    ASSERT_TRUE(FLAC__metadata_simple_iterator_init(iterator, QFile::encodeName(path).constData(), true, false));
    int seekPoints = 0;
    do {
        if (FLAC__metadata_simple_iterator_get_block_type(iterator) != FLAC__METADATA_TYPE_SEEKTABLE)
            continue;
        FLAC__StreamMetadata* table = FLAC__metadata_simple_iterator_get_block(iterator);
        for (unsigned point = 0; point < table->data.seek_table.num_points; ++point) {
            EXPECT_GT(table->data.seek_table.points[point].frame_samples, 0U);
            EXPECT_LT(table->data.seek_table.points[point].sample_number, static_cast<FLAC__uint64>(source.frames));
            ++seekPoints;
        }
        FLAC__metadata_object_delete(table);
    } while (FLAC__metadata_simple_iterator_next(iterator));
    FLAC__metadata_simple_iterator_delete(iterator);
    EXPECT_GE(seekPoints, 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Shapes, LosslessRoundTrip,
    ::testing::Values(LosslessCase{"Flac16Bit44kStereo", true, 44100, 2, 16},
                      LosslessCase{"Flac24Bit96kStereo", true, 96000, 2, 24},
                      LosslessCase{"Flac16Bit8kMono", true, 8000, 1, 16},
                      LosslessCase{"Alac16Bit44kStereo", false, 44100, 2, 16},
                      LosslessCase{"Alac24Bit96kStereo", false, 96000, 2, 24},
                      LosslessCase{"Alac16Bit8kMono", false, 8000, 1, 16}),
    [](const ::testing::TestParamInfo<LosslessCase>& shape) { return std::string(shape.param.name); });
// clang-format on

TEST(LosslessShape, FloatAndSurroundSourcesBecomeTwentyFourBitStereoAndSmallSizesSixteen) {
    QTemporaryDir folder;
    AudioWriter writer;
    writer.setFlac(0);
    const std::vector<float> surround = tone(48000, 6, 1.0);
    writeAsSource(writer, folder.filePath("surround.flac"), surround, 48000, 6, 32, 48000);
    const Probe probed = probe(folder.filePath("surround.flac"));
    EXPECT_EQ(probed.sampleRate, 48000);
    EXPECT_EQ(probed.channels, 2);
    EXPECT_EQ(probedBits(folder.filePath("surround.flac")), 24);

    // A new format forgets the last source's size: an 8-bit or lossy (0) source is written with 16 bits.
    for (const int bits : {8, 0}) {
        writer.setAlac();
        const QString path = folder.filePath(QStringLiteral("small%1.m4a").arg(bits));
        writeAsSource(writer, path, tone(22050, 1, 0.5), 22050, 1, bits, 0);
        EXPECT_EQ(probedBits(path), 16);
        EXPECT_EQ(probe(path).sampleRate, 22050);
    }
}

// The number of frames ffmpeg decodes, at the file's own rate.
qint64 decodedFrames(const QString& fileName, int channels) {
    return static_cast<qint64>(decodeWithFfmpeg(fileName).size()) / channels;
}

TEST(LossyLength, OpusAndAacDecodeToTheSourcesLength) {
    QTemporaryDir folder;
    for (const int rate : {44100, 48000}) {
        SCOPED_TRACE(rate);
        const std::vector<float> source = tone(rate, 2, 10.007);
        const auto frames = static_cast<qint64>(source.size() / 2);
        AudioWriter writer;

        writer.setOpus(2, 128, false);
        const QString opus = folder.filePath(QStringLiteral("song%1.opus").arg(rate));
        writeFile(writer, opus, source, rate, 2);
        EXPECT_EQ(probe(opus).sampleRate, 48000);
        const double expectedAt48k = static_cast<double>(frames) * 48000.0 / rate;
        EXPECT_NEAR(static_cast<double>(decodedFrames(opus, 2)), expectedAt48k, 0.002 * 48000);

        writer.setAac(rate, 2, 160);
        const QString aac = folder.filePath(QStringLiteral("song%1.m4a").arg(rate));
        writeFile(writer, aac, source, rate, 2);
        const Probe probed = probe(aac);
        EXPECT_EQ(probed.codec, "aac");
        EXPECT_EQ(probed.sampleRate, rate);
        constexpr qint64 kAacFrame = 1024;
        EXPECT_NEAR(static_cast<double>(decodedFrames(aac, 2)), static_cast<double>(frames), kAacFrame);
        // The edit list makes the stream as long as the source, which ffprobe states to the sample.
        const auto duration = testsupport::runTool("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                                               "stream=duration", "-of", "csv=p=0", aac});
        EXPECT_NEAR(duration.out.trimmed().toDouble(), static_cast<double>(frames) / rate, 1.0 / rate + 1e-6);
    }
}

TEST(ModernFormatRules, RequestsAreMovedIntoRangeAndDescribedAsWritten) {
    AudioWriter writer;
    writer.setFlac(12);
    EXPECT_EQ(writer.formatString(),
              "FLAC level 8, source rate, channels and bits (more than two channels mixed to stereo)");
    writer.setAlac();
    EXPECT_EQ(writer.formatString(),
              "Apple Lossless (ALAC), source rate, channels and bits (more than two channels mixed to stereo)");
    writer.setAac(50000, 3, 500);
    EXPECT_EQ(writer.formatString(), "AAC LC in MP4, 320 kbit/s, 48000 Hz, Stereo");
    writer.setAac(8000, 1, 20);
    EXPECT_EQ(writer.formatString(), "AAC LC in MP4, 96 kbit/s, 8000 Hz, Mono");
    writer.setOpus(1, 10, true);
    EXPECT_EQ(writer.formatString(), "Opus, 32 kbit/s VBR (speech), 48000 Hz, Mono");
    writer.setOpus(2, 128, false);
    EXPECT_EQ(writer.formatString(), "Opus, 128 kbit/s VBR (music), 48000 Hz, Stereo");
}

TEST(ModernFormatRules, GaplessTagStatesDelayPaddingAndLengthInHex) {
    EXPECT_EQ(iTunSmpbText({1024, 441309, 442368}),
              " 00000000 00000400 00000023 000000000006BBDD 00000000 00000000 00000000 00000000 00000000 00000000 "
              "00000000 00000000");
}

} // namespace
