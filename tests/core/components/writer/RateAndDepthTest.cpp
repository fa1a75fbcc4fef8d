// Changes of rate and depth measured on tones made by sox and read back by ffmpeg: the resampler leaves no alias and
// keeps the level, going to 16 bits dithers instead of distorting, and a source that needs no change stays exact.
#include "WriterTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <complex>

using namespace writertest;

namespace {

// Makes a mono source with sox: `sox -n -r RATE -b BITS file synth SECONDS EFFECTS...`.
QString soxSource(const QTemporaryDir& folder, const QString& name, int sampleRate, int bits,
                  const QStringList& synthesis, const QStringList& extra = {}) {
    const QString path = folder.filePath(name);
    const auto made =
        testsupport::runTool(QStringLiteral("sox"), QStringList{"-V1", "-n", "-r", QString::number(sampleRate), "-b",
                                                                QString::number(bits), path, "synth"} +
                                                        synthesis + extra);
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    return path;
}

// Converts a file through our reader and writer, as a conversion does.
void convert(AudioWriter& writer, const QString& source, const QString& target, int sourceBits) {
    const ReadBack read = readWithOurReader(source);
    ASSERT_FALSE(read.samples.empty()) << source.toStdString();
    writer.describeInput(read.sampleRate, read.channels);
    writer.describeSource(sourceBits, static_cast<qint64>(read.samples.size()) / read.channels);
    writeFile(writer, target, read.samples, read.sampleRate, read.channels);
}

std::vector<float> decoded(const QString& path) {
    const std::vector<float> samples = decodeWithFfmpeg(path);
    EXPECT_FALSE(samples.empty()) << "ffmpeg read nothing from " << path.toStdString();
    return samples;
}

// The amplitude (relative to full scale) of the component at `hz`: one bin of a Hann-windowed DFT over the signal
// with its first and last fifth of a second left out, where the filters start and stop.
double amplitudeAt(const std::vector<float>& samples, int sampleRate, double hz) {
    const std::size_t skip = static_cast<std::size_t>(sampleRate) / 5;
    if (samples.size() < 3 * skip)
        return 0.0;
    const std::size_t length = samples.size() - 2 * skip;
    std::complex<double> sum;
    double windowSum = 0.0;
    const std::complex<double> step = std::polar(1.0, -2.0 * std::numbers::pi * hz / sampleRate);
    std::complex<double> rotor = 1.0;
    for (std::size_t n = 0; n < length; ++n) {
        const double window = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(n) / length);
        sum += window * static_cast<double>(samples[skip + n]) * rotor;
        windowSum += window;
        rotor *= step;
        if (n % 1024 == 0)
            rotor /= std::abs(rotor);
    }
    return 2.0 * std::abs(sum) / windowSum;
}

double dB(double amplitude) {
    return 20.0 * std::log10(std::max(amplitude, 1e-30));
}

// The mean power of bins away from the tone and its harmonics, as an amplitude: the noise floor one bin sees.
double noiseFloor(const std::vector<float>& samples, int sampleRate) {
    double power = 0.0;
    int bins = 0;
    for (int harmonic = 1; harmonic <= 5; ++harmonic) {
        for (int offset = 0; offset < 40; ++offset) {
            const double amplitude = amplitudeAt(samples, sampleRate, 1000.0 * harmonic + 150.0 + 17.3 * offset);
            power += amplitude * amplitude;
            ++bins;
        }
    }
    return std::sqrt(power / bins);
}

// The loudest of the second to fifth harmonics of a 1 kHz tone.
double loudestHarmonic(const std::vector<float>& samples, int sampleRate) {
    double loudest = 0.0;
    for (int harmonic = 2; harmonic <= 5; ++harmonic)
        loudest = std::max(loudest, amplitudeAt(samples, sampleRate, 1000.0 * harmonic));
    return loudest;
}

void appendInteger(QByteArray& bytes, quint64 value, int size, bool bigEndian = false) {
    for (int index = 0; index < size; ++index)
        bytes.append(static_cast<char>((value >> (8 * (bigEndian ? size - 1 - index : index))) & 0xFF));
}

// A sine tone made 1-bit by a second-order sigma-delta modulator, with `modulation` its peak as a share of full
// 1-bit modulation. Bit n of the stream is bit n % 8 of byte n / 8 (least significant first).
QByteArray oneBitTone(int dsdRate, double seconds, double hz, double modulation) {
    const auto bits = static_cast<quint64>(dsdRate * seconds);
    QByteArray stream(static_cast<qsizetype>((bits + 7) / 8), '\0');
    double first = 0.0;
    double second = 0.0;
    double fed = 1.0;
    for (quint64 n = 0; n < bits; ++n) {
        const double input = modulation * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(n) / dsdRate);
        first += input - fed;
        second += first - fed;
        fed = second >= 0.0 ? 1.0 : -1.0;
        if (fed > 0.0)
            stream[static_cast<qsizetype>(n / 8)] =
                static_cast<char>(stream[static_cast<qsizetype>(n / 8)] | (1 << (n % 8)));
    }
    return stream;
}

// DSF, the container of DSD downloads: every channel holds the same stream, least significant bit first, in blocks
// of 4096 bytes per channel.
QByteArray dsfFile(QByteArray stream, int dsdRate, int channels) {
    constexpr int kBlock = 4096;
    const auto bits = static_cast<quint64>(stream.size()) * 8;
    stream.append(QByteArray((kBlock - stream.size() % kBlock) % kBlock, '\0'));
    QByteArray data;
    for (qsizetype block = 0; block < stream.size(); block += kBlock)
        for (int channel = 0; channel < channels; ++channel)
            data.append(stream.mid(block, kBlock));
    QByteArray format("fmt ");
    appendInteger(format, 52, 8);
    for (const quint64 field : {1, 0, channels == 1 ? 1 : 2, channels, dsdRate, 1})
        appendInteger(format, field, 4);
    appendInteger(format, bits, 8);
    appendInteger(format, kBlock, 4);
    appendInteger(format, 0, 4);
    QByteArray file("DSD ");
    appendInteger(file, 28, 8);
    appendInteger(file, static_cast<quint64>(28 + format.size() + 12 + data.size()), 8);
    appendInteger(file, 0, 8);
    file += format + QByteArray("data");
    appendInteger(file, static_cast<quint64>(12 + data.size()), 8);
    return file + data;
}

// DSDIFF (.dff), the studio container: big-endian chunks, the channels' bytes interleaved, most significant bit first.
QByteArray dffFile(const QByteArray& stream, int dsdRate, int channels) {
    const auto chunk = [](const char* id, const QByteArray& body) {
        QByteArray bytes(id);
        appendInteger(bytes, static_cast<quint64>(body.size()), 8, true);
        return bytes + body + QByteArray(body.size() % 2, '\0');
    };
    QByteArray version;
    appendInteger(version, 0x01050000, 4, true);
    QByteArray rate;
    appendInteger(rate, static_cast<quint64>(dsdRate), 4, true);
    QByteArray layout;
    appendInteger(layout, static_cast<quint64>(channels), 2, true);
    for (int channel = 0; channel < channels; ++channel)
        layout += channel == 0 ? "SLFT" : "SRGT";
    const QByteArray compression = QByteArray("DSD ") + char(14) + QByteArray("not compressed");
    const QByteArray properties =
        QByteArray("SND ") + chunk("FS  ", rate) + chunk("CHNL", layout) + chunk("CMPR", compression);
    QByteArray data;
    for (const char byte : stream) {
        int reversed = 0;
        for (int bit = 0; bit < 8; ++bit)
            reversed |= ((static_cast<unsigned char>(byte) >> bit) & 1) << (7 - bit);
        data.append(QByteArray(channels, static_cast<char>(reversed)));
    }
    const QByteArray body =
        QByteArray("DSD ") + chunk("FVER", version) + chunk("PROP", properties) + chunk("DSD ", data);
    return chunk("FRM8", body);
}

QString writtenFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

// One channel of interleaved samples.
std::vector<float> channelOf(const std::vector<float>& samples, int channels, int channel) {
    std::vector<float> one;
    for (std::size_t index = static_cast<std::size_t>(channel); index < samples.size();
         index += static_cast<std::size_t>(channels))
        one.push_back(samples[index]);
    return one;
}

class RateAndDepth : public ::testing::Test {
protected:
    QTemporaryDir folder;
    AudioWriter writer;
};

TEST_F(RateAndDepth, DownsamplingLeavesNoAliasAndKeepsThePassBandLevel) {
    writer.setPcmWav(44100, 1, 24);
    // 30 kHz folds to 14.1 kHz at 44.1 kHz unless the filter removes it first; 23 kHz, just past the new Nyquist
    // frequency, folds to 21.1 kHz, right beside the pass band.
    for (const double hz : {30000.0, 23000.0}) {
        SCOPED_TRACE(hz);
        const QString name = QStringLiteral("high%1").arg(hz);
        const QString high =
            soxSource(folder, name + ".wav", 96000, 24, {"3", "sine", QString::number(hz)}, {"vol", "-1dB"});
        const QString highOut = folder.filePath(name + "-44k.wav");
        convert(writer, high, highOut, 24);
        EXPECT_LT(dB(amplitudeAt(decoded(highOut), 44100, 44100.0 - hz)), -120.0);
    }

    for (const double hz : {1000.0, 20000.0}) {
        SCOPED_TRACE(hz);
        const QString name = QStringLiteral("tone%1").arg(hz);
        const QString source =
            soxSource(folder, name + ".wav", 96000, 24, {"3", "sine", QString::number(hz)}, {"vol", "-1dB"});
        const QString target = folder.filePath(name + "-44k.wav");
        convert(writer, source, target, 24);
        const double before = dB(amplitudeAt(decoded(source), 96000, hz));
        const double after = dB(amplitudeAt(decoded(target), 44100, hz));
        EXPECT_NEAR(before, -1.0, 0.01);
        EXPECT_NEAR(after, before, hz < 10000.0 ? 0.01 : 0.1);
    }
}

// A tone at -100 dBFS is a third of a 16-bit step: rounding turns it into silence, dither keeps it as a tone in noise.
// At -90 dBFS (one step) rounding turns it into a staircase full of harmonics, dither into a clean tone in noise.
TEST_F(RateAndDepth, SixteenBitsFromTwentyFourAreDitheredNotRounded) {
    writer.setPcmWav(44100, 1, 16);
    for (const int level : {-100, -90}) {
        SCOPED_TRACE(level);
        const QString name = QStringLiteral("quiet%1").arg(-level);
        const QString source = soxSource(folder, name + ".wav", 44100, 24, {"5", "sine", "1000"},
                                         {"vol", QStringLiteral("%1dB").arg(level)});
        const QString ours = folder.filePath(name + "-16.wav");
        convert(writer, source, ours, 24);
        const QString rounded = folder.filePath(name + "-rounded.wav");
        const auto plain = testsupport::runTool("sox", {"-V1", "-D", source, "-b", "16", rounded});
        ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();

        const std::vector<float> dithered = decoded(ours);
        const double floor = noiseFloor(dithered, 44100);
        EXPECT_GT(dB(floor), -200.0) << "no dither noise at all";
        EXPECT_GT(dB(amplitudeAt(dithered, 44100, 1000.0)), dB(floor) + 20.0);
        EXPECT_NEAR(dB(amplitudeAt(dithered, 44100, 1000.0)), level, 1.0);
        EXPECT_LT(dB(loudestHarmonic(dithered, 44100)), dB(floor) + 12.0);

        const std::vector<float> roundedSamples = decoded(rounded);
        if (level == -100)
            EXPECT_TRUE(std::all_of(roundedSamples.begin(), roundedSamples.end(), [](float s) { return s == 0.0f; }));
        else
            EXPECT_GT(dB(loudestHarmonic(roundedSamples, 44100)), dB(floor) + 20.0);
        // Cutting the low bits off instead (rounding down) turns even the -100 dBFS tone into a square wave.
        std::vector<float> truncated = decoded(source);
        for (float& sample : truncated)
            sample = std::floor(sample * 32768.0f) / 32768.0f;
        EXPECT_GT(dB(loudestHarmonic(truncated, 44100)), dB(floor) + 20.0);
    }
}

// 8-bit WAV stores unsigned samples around 128: the dithered tone keeps its level, sits around zero, and is clean.
TEST_F(RateAndDepth, EightBitOutputIsDitheredAroundTheMiddle) {
    writer.setPcmWav(44100, 1, 8);
    const QString source = soxSource(folder, "tone8.wav", 44100, 24, {"3", "sine", "1000"}, {"vol", "-30dB"});
    const QString target = folder.filePath("tone8-out.wav");
    convert(writer, source, target, 24);
    EXPECT_EQ(probe(target).codec, QStringLiteral("pcm_u8"));
    const std::vector<float> samples = decoded(target);
    double sum = 0.0;
    for (const float sample : samples)
        sum += sample;
    EXPECT_LT(std::abs(sum / static_cast<double>(samples.size())), 1.0 / 256.0);
    EXPECT_NEAR(dB(amplitudeAt(samples, 44100, 1000.0)), -30.0, 0.2);
    EXPECT_LT(dB(loudestHarmonic(samples, 44100)), dB(noiseFloor(samples, 44100)) + 12.0);
}

TEST_F(RateAndDepth, TwentyFourBitOutputIsNotDithered) {
    writer.setPcmWav(44100, 1, 24);
    const QString source = soxSource(folder, "quiet24.wav", 44100, 24, {"1", "sine", "1000"}, {"vol", "-100dB"});
    const QString target = folder.filePath("quiet24-out.wav");
    convert(writer, source, target, 24);
    EXPECT_EQ(decoded(target), decoded(source));
}

// Nothing changes, so nothing is dithered: the decoded samples are the source's bit for bit.
TEST_F(RateAndDepth, SixteenBitSourceAtItsOwnShapeStaysExact) {
    const QString source = soxSource(folder, "noise16.wav", 48000, 16, {"2", "pinknoise", "sine", "440"},
                                     {"channels", "2", "vol", "-3dB"});
    const auto sourcePcm = testsupport::runTool("ffmpeg", {"-v", "error", "-i", source, "-f", "s16le", "-"});
    ASSERT_EQ(sourcePcm.exitCode, 0) << sourcePcm.err.toStdString();
    ASSERT_FALSE(sourcePcm.out.isEmpty());
    for (const bool flac : {false, true}) {
        SCOPED_TRACE(flac ? "FLAC" : "PCM WAV");
        if (flac)
            writer.setFlac(5);
        else
            writer.setPcmWav(48000, 2, 16);
        const QString target = folder.filePath(flac ? "same.flac" : "same.wav");
        convert(writer, source, target, 16);
        const auto targetPcm = testsupport::runTool("ffmpeg", {"-v", "error", "-i", target, "-f", "s16le", "-"});
        ASSERT_EQ(targetPcm.exitCode, 0) << targetPcm.err.toStdString();
        EXPECT_EQ(testsupport::md5OfBytes(targetPcm.out), testsupport::md5OfBytes(sourcePcm.out));
    }
}

// DSD (DSF and DSDIFF) is read at 88.2 kHz (DSD64) or 176.4 kHz (DSD128) in 24 bits, at the decoder's level: a tone at
// half of full modulation, the reference level of SACD masters, arrives at -6 dBFS and at its own frequency, for the
// whole length.
TEST_F(RateAndDepth, DsdSourcesAreReadAt88Or176kHzIn24BitsAtTheirLevel) {
    constexpr double kSeconds = 1.0;
    for (const auto& [dsdRate, readingRate] : {std::pair{2822400, 88200}, std::pair{5644800, 176400}}) {
        SCOPED_TRACE(dsdRate);
        const QByteArray stream = oneBitTone(dsdRate, kSeconds, 1000.0, 0.5);
        for (const bool dsf : {true, false}) {
            SCOPED_TRACE(dsf ? "DSF" : "DSDIFF");
            const QString source =
                writtenFile(folder, QStringLiteral("tone%1.%2").arg(dsdRate).arg(dsf ? "dsf" : "dff"),
                            dsf ? dsfFile(stream, dsdRate, 2) : dffFile(stream, dsdRate, 2));
            AudioFile2Component reader;
            reader.openForReading(source, 0, 1);
            ASSERT_EQ(reader.sampleRate(), readingRate);
            EXPECT_EQ(reader.channelCount(), 2);
            EXPECT_EQ(reader.bitsPerSample(), 24);
            const ReadBack read = readWithOurReader(source);
            const auto frames = static_cast<qint64>(read.samples.size()) / 2;
            EXPECT_NEAR(static_cast<double>(frames), kSeconds * readingRate, 2.0);
            EXPECT_EQ(reader.lengthInSamples(), frames) << "the stated length is the length read";
            for (const int channel : {0, 1}) {
                const std::vector<float> one = channelOf(read.samples, 2, channel);
                EXPECT_NEAR(dB(amplitudeAt(one, readingRate, 1000.0)), -6.02, 0.05);
                // A rate misread by the factor between DSD64 and DSD128 would put the tone here.
                EXPECT_LT(dB(amplitudeAt(one, readingRate, 2000.0)), -90.0);
                EXPECT_LT(dB(amplitudeAt(one, readingRate, 500.0)), -90.0);
            }
        }
    }
}

// A lossless output keeps the rate and depth DSD is read at; a rate asked for wins, through the same resampler.
TEST_F(RateAndDepth, DsdKeepsItsReadingShapeUnlessARateIsAskedFor) {
    const QString source = writtenFile(folder, "tone.dsf", dsfFile(oneBitTone(2822400, 1.0, 1000.0, 0.5), 2822400, 2));
    writer.setFlac(5);
    const QString kept = folder.filePath("kept.flac");
    convert(writer, source, kept, 24);
    const auto shape = testsupport::runTool(
        "ffprobe", {"-v", "error", "-show_entries", "stream=sample_rate,bits_per_raw_sample", "-of", "csv=p=0", kept});
    EXPECT_EQ(shape.out.trimmed(), QByteArray("88200,24"));

    writer.setPcmWav(48000, 2, 24);
    const QString asked = folder.filePath("asked.wav");
    convert(writer, source, asked, 24);
    EXPECT_EQ(probe(asked).sampleRate, 48000);
    EXPECT_NEAR(dB(amplitudeAt(channelOf(decoded(asked), 2, 1), 48000, 1000.0)), -6.02, 0.05);
}

// A cut of a DSD image (a cue sheet's track) starts on the sample the whole reading has there: the resampler starts
// afresh after a seek, with nothing of the sound before it.
TEST_F(RateAndDepth, SeekingInDsdLandsOnTheSameSamples) {
    const QString source = writtenFile(folder, "long.dsf", dsfFile(oneBitTone(2822400, 4.0, 1000.0, 0.5), 2822400, 2));
    const std::vector<float> whole = readWithOurReader(source).samples;
    constexpr qint64 kTarget = 3 * 88200 + 123;
    constexpr int kFrames = 2000;
    ASSERT_GE(static_cast<qint64>(whole.size()), (kTarget + kFrames) * 2);
    AudioFile2Component reader;
    reader.openForReading(source, 0, 1);
    ASSERT_EQ(reader.seek(kTarget, 3), kTarget);
    const SampleBlock cut = reader.readBlock(kFrames * 2);
    ASSERT_EQ(cut.values().size(), static_cast<std::size_t>(kFrames * 2));
    double largest = 0.0;
    for (std::size_t index = 0; index < cut.values().size(); ++index)
        largest = std::max(largest, std::abs(static_cast<double>(cut.values()[index]) -
                                             whole[static_cast<std::size_t>(kTarget * 2) + index]));
    EXPECT_LT(largest, 1e-4);
}

} // namespace
