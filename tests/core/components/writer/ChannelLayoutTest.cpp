// Surround sources through the formats that keep channels, and the stereo mix of the others: a fixture with a tone of
// its own frequency in every channel, made by ffmpeg, read by our reader, written by our writer and decoded by
// ffmpeg, must bring each tone back in the channel of the same name.
#include "WriterTestSupport.h"
#include "core/components/writer/StereoDownmix.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

using namespace writertest;

namespace {

constexpr int kRate = 48000;
constexpr double kLevel = 0.25;
// One per channel in the writer's order; the fourth is the LFE's, which lossy codecs keep only below ~120 Hz.
constexpr std::array kFrequencies{300.0, 500.0, 700.0, 80.0, 1100.0, 1300.0, 1700.0, 1900.0};

// The channel names of the layouts ffmpeg gives the fixtures and our outputs, in their order.
const std::map<QString, QStringList>& layoutChannels() {
    static const std::map<QString, QStringList> layouts{
        {QStringLiteral("5.1"), {"FL", "FR", "FC", "LFE", "BL", "BR"}},
        {QStringLiteral("5.1(side)"), {"FL", "FR", "FC", "LFE", "SL", "SR"}},
        {QStringLiteral("7.1"), {"FL", "FR", "FC", "LFE", "BL", "BR", "SL", "SR"}},
        {QStringLiteral("7.1(wide)"), {"FL", "FR", "FC", "LFE", "BL", "BR", "FLC", "FRC"}},
    };
    return layouts;
}

QStringList namesOf(const QString& layout) {
    const auto found = layoutChannels().find(layout);
    return found == layoutChannels().end() ? QStringList{} : found->second;
}

// Where a format cannot tell two places apart, a channel of one arrives named as the other: side and back surrounds
// of 5.1 (Vorbis, Opus, AAC and ALAC know one pair of surrounds), and ALAC's 7.1, whose second pair sits beside the
// centre.
bool samePlace(const QString& sent, const QString& received) {
    static const QList<QStringList> alike{{"SL", "BL"}, {"SR", "BR"}, {"SL", "FLC"}, {"SR", "FRC"}};
    if (sent == received)
        return true;
    return std::any_of(alike.begin(), alike.end(), [&](const QStringList& pair) {
        return (pair[0] == sent && pair[1] == received) || (pair[1] == sent && pair[0] == received);
    });
}

// The level (as a share of full scale) of one frequency in a signal, by Goertzel over whole seconds of its middle.
double levelAt(const std::vector<float>& samples, int sampleRate, double frequency) {
    const std::size_t skip = samples.size() / 4;
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(sampleRate) / 2, samples.size() / 2);
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / sampleRate);
    double previous = 0.0;
    double beforeThat = 0.0;
    for (std::size_t index = skip; index < skip + count; ++index) {
        const double now = samples[index] + coefficient * previous - beforeThat;
        beforeThat = previous;
        previous = now;
    }
    const double power = previous * previous + beforeThat * beforeThat - coefficient * previous * beforeThat;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(count);
}

double decibels(double ratio) {
    return 20.0 * std::log10(std::max(ratio, 1e-12));
}

QString probedLayout(const QString& fileName) {
    const auto result = testsupport::runTool("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                                         "stream=channel_layout", "-of", "csv=p=0", fileName});
    return QString::fromUtf8(result.out).trimmed();
}

// A fixture of the layout: each channel a tone of its own frequency, made by ffmpeg into a 24-bit WAV.
QString makeFixture(const QTemporaryDir& folder, const QString& layout) {
    QStringList expressions;
    for (qsizetype channel = 0; channel < namesOf(layout).size(); ++channel)
        expressions
            << QStringLiteral("%1*sin(2*PI*%2*t)").arg(kLevel).arg(kFrequencies[static_cast<std::size_t>(channel)]);
    const QString path = folder.filePath(QStringLiteral("fixture-%1.wav").arg(QString(layout).remove('(').remove(')')));
    const auto made = testsupport::runTool(
        "ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                   QStringLiteral("aevalsrc=exprs=%1:s=%2:d=2:c=%3").arg(expressions.join('|')).arg(kRate).arg(layout),
                   "-c:a", "pcm_s24le", path});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    return path;
}

struct SourceRead {
    ReadBack sound;
    quint64 mask = 0;
};

// The fixture as the conversion reads it for a format that takes every channel.
SourceRead readEveryChannel(const QString& fileName) {
    AudioFile2Component reader;
    reader.setChannelLimit(8);
    reader.openForReading(fileName, 0, 1);
    SourceRead read{{reader.sampleRate(), reader.channelCount(), {}}, reader.channelMask()};
    for (SampleBlock block = reader.readBlock(kRate * read.sound.channels); !block.empty();
         block = reader.readBlock(kRate * read.sound.channels))
        read.sound.samples.insert(read.sound.samples.end(), block.values().begin(), block.values().end());
    reader.close();
    return read;
}

void writeSource(AudioWriter& writer, const QString& path, const SourceRead& source) {
    writer.create(path);
    writer.describeInput(source.sound.sampleRate, source.sound.channels);
    writer.describeInputLayout(source.mask);
    writer.describeSource(24, static_cast<qint64>(source.sound.samples.size()) / source.sound.channels);
    writer.write(SampleBlock(std::vector<float>(source.sound.samples)));
    writer.close();
}

struct KeepingFormat {
    const char* name;
    const char* suffix;
    std::function<void(AudioWriter&)> set;
    double leastLevelDb; // what is left of a tone's level after the codec
};

std::vector<KeepingFormat> keepingFormats() {
    return {
        {"PCM WAV", ".wav", [](AudioWriter& writer) { writer.setPcmWav(kRate, 2, 24); }, -0.1},
        {"FLAC", ".flac", [](AudioWriter& writer) { writer.setFlac(5); }, -0.1},
        {"ALAC", "_ALAC.m4a", [](AudioWriter& writer) { writer.setAlac(); }, -0.1},
        {"AAC", ".m4a", [](AudioWriter& writer) { writer.setAac(kRate, 2, 160); }, -3.0},
        {"Opus", ".opus", [](AudioWriter& writer) { writer.setOpus(2, 128, false); }, -3.0},
        {"Ogg Vorbis", ".ogg", [](AudioWriter& writer) { writer.setOggVorbis(kRate, 2, 128, 0, 0, -1); }, -3.0},
    };
}

TEST(SurroundChannels, EveryToneArrivesInTheChannelOfItsNameThroughEveryFormatThatKeepsThem) {
    QTemporaryDir folder;
    for (const QString& layout : {QStringLiteral("5.1"), QStringLiteral("5.1(side)"), QStringLiteral("7.1")}) {
        const QStringList sent = namesOf(layout);
        const SourceRead source = readEveryChannel(makeFixture(folder, layout));
        ASSERT_EQ(source.sound.channels, sent.size()) << layout.toStdString();
        ASSERT_NE(source.mask, 0U);
        for (const KeepingFormat& format : keepingFormats()) {
            SCOPED_TRACE(layout.toStdString() + " through " + format.name);
            AudioWriter writer;
            format.set(writer);
            writer.setOutputChannels(0);
            const QString path = folder.filePath(QStringLiteral("kept-%1-%2%3")
                                                     .arg(sent.size())
                                                     .arg(source.mask, 0, 16)
                                                     .arg(QLatin1String(format.suffix)));
            writeSource(writer, path, source);

            const QString receivedLayout = probedLayout(path);
            const QStringList received = namesOf(receivedLayout);
            ASSERT_EQ(received.size(), sent.size()) << "decoded as " << receivedLayout.toStdString();
            const int outputRate = probe(path).sampleRate;
            const std::vector<float> decoded = decodeWithFfmpeg(path);
            for (qsizetype index = 0; index < sent.size(); ++index) {
                SCOPED_TRACE(sent[index].toStdString());
                const qsizetype place = received.indexOf(sent[index]) >= 0 ? received.indexOf(sent[index]) : index;
                EXPECT_TRUE(samePlace(sent[index], received[place])) << "arrived as " << received[place].toStdString();
                const std::vector<float> samples =
                    channel(decoded, static_cast<int>(sent.size()), static_cast<int>(place));
                const double own = levelAt(samples, outputRate, kFrequencies[static_cast<std::size_t>(index)]);
                EXPECT_GT(decibels(own / kLevel), format.leastLevelDb);
                for (qsizetype other = 0; other < sent.size(); ++other) {
                    if (other == index)
                        continue;
                    const double leak = levelAt(samples, outputRate, kFrequencies[static_cast<std::size_t>(other)]);
                    EXPECT_LT(decibels(leak / own), -30.0) << "tone of " << sent[other].toStdString();
                }
            }
        }
    }
}

// The ITU mix: fronts as they are, centre and surrounds at -3 dB, nothing of the LFE.
TEST(SurroundChannels, StereoMixPutsTheCentreInBothSidesAtMinusThreeDecibelsAndLeavesNoChannelOut) {
    QTemporaryDir folder;
    for (const QString& layout : {QStringLiteral("5.1"), QStringLiteral("5.1(side)"), QStringLiteral("7.1")}) {
        SCOPED_TRACE(layout.toStdString());
        const QStringList sent = namesOf(layout);
        const SourceRead source = readEveryChannel(makeFixture(folder, layout));
        AudioWriter writer;
        writer.setPcmWav(kRate, 2, 24);
        writer.setOutputChannels(2);
        const QString path = folder.filePath(QStringLiteral("mixed-%1.wav").arg(source.mask, 0, 16));
        writeSource(writer, path, source);
        ASSERT_EQ(probe(path).channels, 2);
        const std::vector<float> decoded = decodeWithFfmpeg(path);
        const std::vector<float> left = channel(decoded, 2, 0);
        const std::vector<float> right = channel(decoded, 2, 1);
        for (qsizetype index = 0; index < sent.size(); ++index) {
            SCOPED_TRACE(sent[index].toStdString());
            const double frequency = kFrequencies[static_cast<std::size_t>(index)];
            const double inLeft = decibels(levelAt(left, kRate, frequency) / kLevel);
            const double inRight = decibels(levelAt(right, kRate, frequency) / kLevel);
            const QString& name = sent[index];
            if (name == QLatin1String("LFE")) {
                EXPECT_LT(std::max(inLeft, inRight), -80.0);
            } else if (name == QLatin1String("FC")) {
                EXPECT_NEAR(inLeft, -3.01, 0.2);
                EXPECT_NEAR(inRight, -3.01, 0.2);
            } else {
                const bool leftSide = name.endsWith(QLatin1Char('L'));
                const double expected = name.startsWith(QLatin1Char('F')) ? 0.0 : -3.01;
                EXPECT_NEAR(leftSide ? inLeft : inRight, expected, 0.2);
                EXPECT_LT(leftSide ? inRight : inLeft, -80.0);
            }
        }
        // The format string says what was done.
        EXPECT_TRUE(writer.formatString().endsWith(QStringLiteral("%1 mixed to stereo").arg(layout)))
            << writer.formatString().toStdString();
    }
}

// Material that sums past full scale is turned down just enough instead of clipped, and the mix comes back to its
// exact coefficients once it is quiet again.
TEST(SurroundChannels, MixThatWouldClipIsTurnedDownAndRecovers) {
    StereoDownmix mix(kRate, 6, 0x3F, 2);
    std::vector<float> loud(static_cast<std::size_t>(kRate) * 6, 0.9f);
    float peak = 0.0f;
    for (const float value : mix.mix(loud))
        peak = std::max(peak, std::abs(value));
    EXPECT_LE(peak, 1.0f);
    EXPECT_GT(peak, 0.99f);
    std::vector<float> quiet(static_cast<std::size_t>(kRate) * 6 * 8, 0.0f);
    for (std::size_t frame = 0; frame < quiet.size() / 6; ++frame)
        quiet[frame * 6 + 2] = 0.1f; // centre alone
    const std::span<const float> after = mix.mix(quiet);
    EXPECT_NEAR(after[after.size() - 2], 0.1f * 0.70710678f, 1e-4f);
    EXPECT_NEAR(after[after.size() - 1], 0.1f * 0.70710678f, 1e-4f);

    StereoDownmix toMono(kRate, 6, 0x3F, 1);
    std::vector<float> frontLeft(6, 0.0f);
    frontLeft[0] = 0.5f;
    EXPECT_FLOAT_EQ(toMono.mix(frontLeft)[0], 0.25f);
}

// A lossy bit rate counts per stereo pair: 5.1 Opus at 128 is coded at 384 kbit/s, and says so.
TEST(SurroundChannels, LossyBitRateCountsPerStereoPairAndFormatStringsSayWhatHappens) {
    QTemporaryDir folder;
    const SourceRead source = readEveryChannel(makeFixture(folder, QStringLiteral("5.1(side)")));
    AudioWriter writer;
    writer.setOpus(2, 128, false);
    writer.setOutputChannels(0);
    EXPECT_EQ(writer.formatString(),
              "Opus, 128 kbit/s VBR (music) per channel pair, 48000 Hz, channels kept (up to 7.1)");
    writeSource(writer, folder.filePath("kept.opus"), source);
    EXPECT_EQ(writer.formatString(), "Opus, 384 kbit/s VBR (music), 48000 Hz, 6 channels kept (5.1(side))");
    const qint64 keptSize = QFileInfo(folder.filePath("kept.opus")).size();

    writer.setOpus(2, 128, false);
    writer.setOutputChannels(2);
    writeSource(writer, folder.filePath("mixed.opus"), source);
    EXPECT_EQ(writer.formatString(), "Opus, 128 kbit/s VBR (music), 48000 Hz, 5.1(side) mixed to stereo");
    const qint64 mixedSize = QFileInfo(folder.filePath("mixed.opus")).size();
    EXPECT_GT(static_cast<double>(keptSize), 2.2 * static_cast<double>(mixedSize));

    writer.setFlac(5);
    writer.setOutputChannels(0);
    EXPECT_EQ(writer.formatString(), "FLAC level 5, source rate and bits, 6 channels kept (5.1(side))");
    writer.describeInput(kRate, 2);
    EXPECT_EQ(writer.formatString(), "FLAC level 5, source rate and bits, 2 channels kept (stereo)");
    writer.setAac(44100, 1, 128);
    writer.setOutputChannels(1);
    EXPECT_EQ(writer.formatString(), "AAC LC in MP4, 128 kbit/s, 44100 Hz, Mono");
}

// Without a wish for more, the reader still mixes a surround source to stereo, as every other format takes it; a
// stereo source is the same either way.
TEST(SurroundChannels, ReaderMixesToStereoUnlessEveryChannelIsWanted) {
    QTemporaryDir folder;
    const QString fixture = makeFixture(folder, QStringLiteral("5.1"));
    EXPECT_EQ(readWithOurReader(fixture).channels, 2);
    EXPECT_EQ(readEveryChannel(fixture).sound.channels, 6);
    EXPECT_EQ(readEveryChannel(fixture).mask, 0x3FU);
    // The wish lasts one opening.
    AudioFile2Component reader;
    reader.setChannelLimit(8);
    reader.openForReading(fixture, 0, 1);
    reader.close();
    reader.openForReading(fixture, 0, 1);
    EXPECT_EQ(reader.channelCount(), 2);
}

} // namespace
