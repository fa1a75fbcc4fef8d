#include "SpeechQuality.h"
#include "core/components/ComponentError.h"
#include "core/components/truespeech/TrueSpeechEncoder.h"
#include "core/components/truespeech/TrueSpeechFrame.h"
#include "core/components/truespeech/TrueSpeechSearch.h"
#include "core/components/truespeech/TrueSpeechSynthesizer.h"
#include "core/components/truespeech/TrueSpeechWavFile.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <numeric>
#include <random>
#include <set>

using namespace truespeech;

namespace {

using testsupport::readFile;

constexpr int kBlock = TrueSpeechEncoder::kFrameSamples;

std::vector<std::int16_t> toSamples(const QByteArray& bytes) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
    std::copy_n(bytes.constData(), samples.size() * 2, reinterpret_cast<char*>(samples.data()));
    return samples;
}

// What FFmpeg's own TrueSpeech decoder makes of a file (empty when it refuses it).
std::vector<std::int16_t> decodeWithFfmpeg(const QString& path) {
    const auto result = testsupport::runTool(QStringLiteral("ffmpeg"),
                                             {"-nostdin", "-v", "error", "-i", path, "-f", "s16le", "-ac", "1", "-"});
    return result.exitCode == 0 ? toSamples(result.out) : std::vector<std::int16_t>{};
}

// Any source, as the writer hands it over: 8000 Hz mono 16-bit.
std::vector<std::int16_t> resampledWithFfmpeg(const QString& path) {
    const auto result = testsupport::runTool(QStringLiteral("ffmpeg"), {"-nostdin", "-v", "error", "-i", path, "-ar",
                                                                        "8000", "-ac", "1", "-f", "s16le", "-"});
    return result.exitCode == 0 ? toSamples(result.out) : std::vector<std::int16_t>{};
}

// Writes the samples through the file writer in uneven pieces.
QString encodeToFile(const std::vector<std::int16_t>& samples, const QString& path) {
    TrueSpeechWavFile file;
    file.create(path);
    for (std::size_t at = 0; at < samples.size(); at += 1001) {
        const std::size_t count = std::min<std::size_t>(1001, samples.size() - at);
        file.write(std::span<const std::int16_t>(samples.data() + at, count));
    }
    file.close();
    return path;
}

// What our own decoder model, the one the encoder runs in lock-step, makes of a file we wrote.
std::vector<std::int16_t> decodeWithModel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll().mid(90);
    Synthesizer synthesizer;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(data.size() / kFrameBytes) * kBlock);
    for (qsizetype at = 0; at + kFrameBytes <= data.size(); at += kFrameBytes) {
        std::array<std::uint8_t, kFrameBytes> block{};
        std::memcpy(block.data(), data.constData() + at, block.size());
        const auto out = std::span<std::int16_t>(samples).subspan(static_cast<std::size_t>(at / kFrameBytes * kBlock));
        synthesizer.decodeFrame(unpackFrame(block), out.first(kBlock));
    }
    return samples;
}

std::vector<std::int16_t> tone(int count, double frequency, double amplitude) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::lround(amplitude * std::sin(2 * std::numbers::pi * frequency * i / 8000)));
    }
    return samples;
}

double rms(const std::vector<std::int16_t>& samples) {
    double sum = 0;
    for (const auto s : samples) {
        sum += static_cast<double>(s) * s;
    }
    return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

quint32 le32(const QByteArray& bytes, int at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    }
    return value;
}

int le16(const QByteArray& bytes, int at) {
    return static_cast<quint8>(bytes[at]) | (static_cast<quint8>(bytes[at + 1]) << 8);
}

} // namespace

TEST(TrueSpeechBitstream, PositionRanksCoverEveryPlacementOnce) {
    for (const int count : {kFirstHalfPulses, kSecondHalfPulses}) {
        std::set<int> ranks;
        std::array<int, 4> positions{};
        std::array<int, 4> back{};
        // Every sorted choice of `count` positions out of 30, in lexicographic order.
        for (int i = 0; i < count; ++i) {
            positions[static_cast<std::size_t>(i)] = i;
        }
        while (true) {
            const int rank = rankPositions(positions.data(), count);
            ASSERT_GE(rank, 0);
            ASSERT_LT(rank, binomial(kHalfSamples, count));
            unrankPositions(rank, count, back.data());
            ASSERT_TRUE(std::equal(positions.begin(), positions.begin() + count, back.begin()));
            ranks.insert(rank);
            int i = count - 1;
            while (i >= 0 && positions[static_cast<std::size_t>(i)] == kHalfSamples - count + i) {
                --i;
            }
            if (i < 0) {
                break;
            }
            ++positions[static_cast<std::size_t>(i)];
            for (int j = i + 1; j < count; ++j) {
                positions[static_cast<std::size_t>(j)] = positions[static_cast<std::size_t>(j - 1)] + 1;
            }
        }
        EXPECT_EQ(static_cast<int>(ranks.size()), binomial(kHalfSamples, count));
    }
}

TEST(TrueSpeechBitstream, EveryFieldSurvivesPacking) {
    std::mt19937 random(7);
    const auto field = [&](int bits) { return static_cast<int>(random() % (1U << bits)); };
    for (int n = 0; n < 200; ++n) {
        FrameParameters frame;
        for (std::size_t order = 0; order < kOrder; ++order) {
            frame.reflectionIndices[order] = field(kReflectionBits[order]);
        }
        frame.interpolate = field(1) != 0;
        frame.baseLag = {field(8), field(8)};
        for (auto& sub : frame.subframes) {
            sub.pitchIndex = field(7);
            sub.gainIndex = field(4);
            for (auto& code : sub.pulseCodes) {
                code = field(2);
            }
            sub.firstHalfPositions = field(12);
            sub.secondHalfPositions = field(15);
        }
        ASSERT_EQ(unpackFrame(packFrame(frame)), frame);
    }
}

TEST(TrueSpeechWavFile, HeaderDescribesTheStreamAndItsTrueLength) {
    QTemporaryDir dir;
    for (const int count : {0, 1000}) {
        const QString path = dir.filePath(QStringLiteral("h%1.wav").arg(count));
        encodeToFile(tone(count, 300, 8000), path);
        const QByteArray bytes = readFile(path);
        const int blocks = (count + kBlock - 1) / kBlock;
        ASSERT_EQ(bytes.size(), 90 + blocks * 32);
        EXPECT_EQ(bytes.left(4), "RIFF");
        EXPECT_EQ(le32(bytes, 4), static_cast<quint32>(bytes.size() - 8));
        EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(le32(bytes, 16), 50U);
        EXPECT_EQ(le16(bytes, 20), 0x22);   // format tag
        EXPECT_EQ(le16(bytes, 22), 1);      // channels
        EXPECT_EQ(le32(bytes, 24), 8000U);  // sample rate
        EXPECT_EQ(le32(bytes, 28), 1067U);  // bytes per second
        EXPECT_EQ(le16(bytes, 32), 32);     // block align
        EXPECT_EQ(le16(bytes, 34), 1);      // bits per sample
        EXPECT_EQ(le16(bytes, 36), 32);     // extra format bytes
        EXPECT_EQ(le16(bytes, 38), 1);      // revision
        EXPECT_EQ(le16(bytes, 40), kBlock); // samples per block
        EXPECT_EQ(bytes.mid(42, 28), QByteArray(28, '\0'));
        EXPECT_EQ(bytes.mid(70, 4), "fact");
        EXPECT_EQ(le32(bytes, 78), static_cast<quint32>(count));
        EXPECT_EQ(bytes.mid(82, 4), "data");
        EXPECT_EQ(le32(bytes, 86), static_cast<quint32>(blocks * 32));
    }
}

TEST(TrueSpeechWavFile, FailuresAreReportedNotIgnored) {
    QTemporaryDir dir;
    TrueSpeechWavFile file;
    try {
        file.create(dir.filePath(QStringLiteral("missing/folder/out.wav")));
        FAIL() << "created a file in a folder that does not exist";
    } catch (const ComponentError& error) {
        EXPECT_EQ(error.code(), LastError::CannotCreate);
        EXPECT_TRUE(error.message().contains(QStringLiteral("out.wav")));
    }
    EXPECT_FALSE(file.isOpen());
    const std::array<std::int16_t, 4> samples{};
    EXPECT_THROW(file.write(samples), ComponentError);
    EXPECT_NO_THROW(file.close());
}

TEST(TrueSpeechWavFile, FileLeftOpenOrReplacedIsStillFinished) {
    QTemporaryDir dir;
    const auto samples = tone(500, 300, 8000);
    const QString first = dir.filePath(QStringLiteral("first.wav"));
    const QString second = dir.filePath(QStringLiteral("second.wav"));
    {
        TrueSpeechWavFile file;
        file.create(first);
        file.write(samples);
        file.create(second); // finishes the first file
        file.write(samples);
        file.write(samples);
    } // the destructor finishes the second
    for (const auto& [path, count] : {std::pair{first, 500}, std::pair{second, 1000}}) {
        const QByteArray bytes = readFile(path);
        const int blocks = (count + kBlock - 1) / kBlock;
        ASSERT_EQ(bytes.size(), 90 + blocks * 32) << path.toStdString();
        EXPECT_EQ(le32(bytes, 4), static_cast<quint32>(bytes.size() - 8));
        EXPECT_EQ(le32(bytes, 78), static_cast<quint32>(count));
        EXPECT_EQ(le32(bytes, 86), static_cast<quint32>(blocks * 32));
    }
}

// An excitation the codec can carry exactly (seven pulses on the grid of one gain), heard through a real filter:
// the search must find it, or something as good, and hand back positions the bitstream can express.
TEST(TrueSpeechPulseSearch, RecoversAnExcitationTheCodecCanCarry) {
    std::mt19937 random(5);
    int exact = 0;
    constexpr int kCases = 40;
    for (int c = 0; c < kCases; ++c) {
        std::array<std::int16_t, kOrder> reflections{};
        for (int order = 0; order < kOrder; ++order) {
            const int size = 1 << kReflectionBits[static_cast<std::size_t>(order)];
            reflections[static_cast<std::size_t>(order)] =
                reflectionValue(order, std::uniform_int_distribution<int>(0, size - 1)(random));
        }
        bool overflowed = false;
        const Predictor predictor = predictorFromReflections(reflections, &overflowed);
        if (overflowed) {
            --c;
            continue;
        }
        const Signal h = impulseResponse(predictor, reflections[0]);

        std::vector<int> first(kHalfSamples);
        std::vector<int> second(kHalfSamples);
        std::iota(first.begin(), first.end(), 0);
        std::iota(second.begin(), second.end(), 0);
        std::shuffle(first.begin(), first.end(), random);
        std::shuffle(second.begin(), second.end(), random);
        std::sort(first.begin(), first.begin() + kFirstHalfPulses);
        std::sort(second.begin(), second.begin() + kSecondHalfPulses);
        SubframeParameters truth;
        truth.gainIndex = std::uniform_int_distribution<int>(6, 13)(random);
        for (int& code : truth.pulseCodes) {
            code = std::uniform_int_distribution<int>(0, 3)(random);
        }
        truth.firstHalfPositions = rankPositions(first.data(), kFirstHalfPulses);
        truth.secondHalfPositions = rankPositions(second.data(), kSecondHalfPulses);
        const auto toSignal = [](const Subframe& pulses) {
            Signal out{};
            std::copy(pulses.begin(), pulses.end(), out.begin());
            return out;
        };
        const Signal target = filtered(h, toSignal(placePulses(truth)));

        PulseSearch search;
        search.prepare(h);
        const PulseChoice choice = search.search(target);
        SubframeParameters found;
        found.gainIndex = choice.gainIndex;
        found.pulseCodes = choice.codes;
        found.firstHalfPositions = choice.firstHalfRank;
        found.secondHalfPositions = choice.secondHalfRank;
        const Subframe pulses = placePulses(found);
        EXPECT_EQ(std::count_if(pulses.begin(), pulses.end(), [](std::int16_t v) { return v != 0; }), kPulses)
            << "case " << c << ": every pulse must land on a position of its own";

        const Signal heard = filtered(h, toSignal(pulses));
        double signal = 0;
        double noise = 0;
        for (std::size_t i = 0; i < target.size(); ++i) {
            signal += static_cast<double>(target[i]) * target[i];
            noise += static_cast<double>(target[i] - heard[i]) * (target[i] - heard[i]);
        }
        const double snr = 10 * std::log10(signal / std::max(noise, 1e-9));
        EXPECT_GT(snr, 6.0) << "case " << c;
        exact += snr > 40.0 ? 1 : 0;
    }
    EXPECT_GE(exact, kCases / 2) << "exactly representable excitations recovered";
}

// Round trips through FFmpeg's decoder; each test makes its own few seconds of signal.
class TrueSpeechInterop : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        const QString spoken = dir_->filePath(QStringLiteral("speech.wav"));
        const auto made = testsupport::runTool(QStringLiteral("espeak-ng"),
                                               {"-w", spoken, "The quick brown fox jumps over the lazy dog."});
        if (made.exitCode == 0) {
            speech_ = resampledWithFfmpeg(spoken);
        }
    }
    static void TearDownTestSuite() { dir_.reset(); }
    void SetUp() override { ASSERT_GT(speech_.size(), 8000U) << "espeak-ng and ffmpeg must make test speech"; }

    static QString path(const QString& name) { return dir_->filePath(name); }
    static const std::vector<std::int16_t>& speech() { return speech_; }

private:
    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline std::vector<std::int16_t> speech_;
};

TEST_F(TrueSpeechInterop, FfmpegDecodesOurBitstreamExactlyAsOurModelPredicts) {
    const QString encoded = encodeToFile(speech(), path(QStringLiteral("speech_DSP.wav")));
    const auto decoded = decodeWithFfmpeg(encoded);

    // The encoder's own view of the far end, frame by frame, must be what FFmpeg produces.
    TrueSpeechEncoder encoder;
    std::vector<std::int16_t> padded = speech();
    padded.resize((padded.size() + kBlock - 1) / kBlock * kBlock);
    std::vector<std::int16_t> lockStep;
    for (std::size_t at = 0; at < padded.size(); at += kBlock) {
        encoder.encode(std::span<const std::int16_t, kBlock>(padded.data() + at, kBlock));
        lockStep.insert(lockStep.end(), encoder.decoded().begin(), encoder.decoded().end());
    }
    ASSERT_EQ(decoded.size(), lockStep.size());
    EXPECT_TRUE(decoded == lockStep);
    EXPECT_TRUE(decodeWithModel(encoded) == lockStep);
}

TEST_F(TrueSpeechInterop, FfmpegSeesTheRightDurationForAnyLength) {
    for (const int count : {0, 1, 239, 240, 241, 2000}) {
        const QString encoded = encodeToFile(tone(count, 440, 10000), path(QStringLiteral("len%1_DSP.wav").arg(count)));
        const auto probe = testsupport::runTool(
            QStringLiteral("ffprobe"),
            {"-v", "error", "-show_entries", "stream=codec_name,sample_rate,channels", "-of", "csv=p=0", encoded});
        EXPECT_EQ(probe.out.trimmed(), "truespeech,8000,1") << count;
        const auto decoded = decodeWithFfmpeg(encoded);
        EXPECT_LE(std::abs(static_cast<int>(decoded.size()) - count), kBlock) << count;
    }
}

TEST_F(TrueSpeechInterop, SpeechQualityIsCloseToGsm) {
    TONALITH_GTEST_NEEDS_FIXTURES();
    std::vector<std::vector<std::int16_t>> inputs{speech()};
    const auto voice = resampledWithFfmpeg(testsupport::fixture(QStringLiteral("fixtures/audio-scan/wma92-voice.wma")));
    if (!voice.empty()) {
        inputs.push_back(voice);
    }
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const auto& input = inputs[i];
        const auto decoded = decodeWithFfmpeg(encodeToFile(input, path(QStringLiteral("q%1_DSP.wav").arg(i))));
        const auto gsm = speechquality::gsmRoundTrip(input, path(QStringLiteral("q%1_GSM.wav").arg(i)));
        ASSERT_FALSE(gsm.empty());
        const double ours = speechquality::segmentalSnr(input, decoded);
        const double reference = speechquality::segmentalSnr(input, gsm);
        EXPECT_GE(ours, reference - 2.0) << "input " << i << ": TrueSpeech " << ours << " dB, GSM " << reference;
        EXPECT_GT(ours, 8.0) << "input " << i;
    }
}

TEST_F(TrueSpeechInterop, SilenceStaysSilentAndFullScaleStaysBounded) {
    const auto quiet =
        decodeWithFfmpeg(encodeToFile(std::vector<std::int16_t>(4000, 0), path(QStringLiteral("silence_DSP.wav"))));
    ASSERT_EQ(quiet.size(), 17U * kBlock);
    EXPECT_LE(rms(quiet), 4.0);

    std::mt19937 random(11);
    std::uniform_int_distribution<int> fullScale(-32768, 32767);
    std::vector<std::int16_t> noise(4000);
    std::generate(noise.begin(), noise.end(), [&] { return static_cast<std::int16_t>(fullScale(random)); });
    const auto loudTone = tone(4000, 1000, 32767);
    const std::array<const std::vector<std::int16_t>*, 2> loud{&loudTone, &noise};
    for (const auto* input : loud) {
        const QString encoded = encodeToFile(*input, path(QStringLiteral("loud_DSP.wav")));
        const auto decoded = decodeWithFfmpeg(encoded);
        ASSERT_FALSE(decoded.empty());
        EXPECT_TRUE(decoded == decodeWithModel(encoded));
        // Wrapped-around sums would show as output far louder than the input or as a waveform unlike it.
        EXPECT_LE(rms(decoded), 1.2 * rms(*input));
        EXPECT_GT(speechquality::segmentalSnr(*input, decoded), input == &loudTone ? 10.0 : 0.0);
    }
}
