// Every output format over source lengths around the block and frame boundaries of the codecs, in mono and stereo,
// from five source rates: each output is made, reads back through our reader with the length of its source (within
// one codec frame and the resampler's rounding), and decodes in ffprobe where ffprobe knows the format. Outputs are
// made in this process the way the batch makes them, with the panel's defaults (44100 Hz, stereo).
#include "core/batch/BatchEngine.h"
#include "core/batch/ConversionObserver.h"
#include "core/batch/SingleConversion.h"
#include "core/components/AudioFile2Component.h"
#include "core/components/ComponentSet.h"
#include "core/components/writer/AudioWriter.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

class NullObserver : public ConversionObserver {
public:
    void conversionStarted(const QString&, const QString&) override {}
    void progressChanged(int) override {}
    void progressReset() override {}
    bool mayContinue() override { return true; }
    void conversionFailed(const QString&, const QString&) override {}
    void conversionCancelled() override {}
};

// The option dialogs at their defaults.
class DefaultDialogs : public FormatDialogs {
public:
    DefaultDialogs(ComponentSet& components, const PanelValues& panel) : components_(components), panel_(panel) {}
    void applyPcmWav() override { components_.writer->setPcmWav(panel_.sampleRate, panel_.channels, 16); }
    void applyMp3() override { components_.writer->useMp3EncoderSettings(*components_.mp3Encoder); }
    void applyOggVorbis() override {
        components_.writer->setOggVorbis(panel_.sampleRate, panel_.channels, 128, 0, 0, -1);
    }

private:
    ComponentSet& components_;
    const PanelValues& panel_;
};

struct SweepCase {
    OutputFormat format;
    // How far the length read back may lie from the source's length at the output rate, in output frames: the
    // codec's frame (outputs are padded to whole frames) and the least number of frames some streams need.
    qint64 tolerance;
    QStringList ffprobeOptions; // for headerless outputs
    bool ffprobeReads = true;
};

void PrintTo(const SweepCase& sweep, std::ostream* out) {
    *out << outputFormatName(sweep.format).toStdString();
}

constexpr int kSourceRates[] = {8000, 11025, 22050, 44100, 48000};

std::vector<qint64> sourceLengths(int rate) {
    return {1, 2, 159, 160, 161, 479, 480, 481, 1151, 1152, 1153, rate - 1, rate, rate + 1, 2 * rate + 7};
}

// A 440 Hz tone at half scale, as a 16-bit PCM WAV file made by our own writer.
QString makeSource(const QString& folder, int rate, int channels, qint64 frames) {
    const QString name = QStringLiteral("%1/src_%2_%3_%4.wav").arg(folder).arg(rate).arg(channels).arg(frames);
    std::vector<float> values(static_cast<std::size_t>(frames * channels));
    for (std::size_t index = 0; index < values.size(); ++index) {
        const auto frame = static_cast<double>(index / static_cast<std::size_t>(channels));
        values[index] = static_cast<float>(0.5 * std::sin(2.0 * std::numbers::pi * 440.0 * frame / rate));
    }
    AudioWriter writer;
    writer.setPcmWav(rate, channels, 16);
    writer.create(name);
    writer.write(SampleBlock(std::move(values)));
    writer.close();
    return name;
}

struct ReadBack {
    int rate = 0;
    qint64 frames = -1;
    QString error;
};

ReadBack readBack(const QString& file) {
    AudioFile2Component reader;
    ReadBack result;
    try {
        reader.openForReading(file, 0, 1);
        result.rate = reader.sampleRate();
        result.frames = 0;
        const int blockValues = reader.sampleRate() * reader.channelCount();
        for (SampleBlock block = reader.readBlock(blockValues); !block.empty(); block = reader.readBlock(blockValues))
            result.frames += static_cast<qint64>(block.size()) / reader.channelCount();
    } catch (const ComponentError& error) {
        result.error = error.message();
    }
    return result;
}

// ffprobe decodes every frame of the file; an error of any kind, or nothing decoded, is a failure.
QString ffprobeComplaint(const QString& file, const QStringList& options) {
    const auto result =
        testsupport::runTool("ffprobe", QStringList{"-v", "error"} + options +
                                            QStringList{"-count_frames", "-select_streams", "a:0", "-show_entries",
                                                        "stream=nb_read_frames", "-of", "csv=p=0", file});
    if (result.exitCode != 0 || !result.err.isEmpty())
        return QStringLiteral("ffprobe failed (%1): %2").arg(result.exitCode).arg(QString::fromUtf8(result.err));
    if (result.out.trimmed().toLongLong() <= 0)
        return QStringLiteral("ffprobe decoded no frame");
    return {};
}

class LengthSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(LengthSweep, EveryLengthReadsBack) {
    const SweepCase& sweep = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::unique_ptr<ComponentSet> components = ComponentSetFactory().create();
    const PanelValues panel;
    DefaultDialogs dialogs(*components, panel);
    WriterPreparation preparation(*components, dialogs);
    NullObserver observer;
    SingleConversion conversion(*components, observer);
    const ConversionSettings settings{SourceKind::Audio, {}, false};

    for (const int rate : kSourceRates) {
        for (const int channels : {1, 2}) {
            for (const qint64 frames : sourceLengths(rate)) {
                SCOPED_TRACE(testing::Message() << frames << " frames, " << channels << " channels, " << rate << " Hz");
                const QString source = makeSource(folder.path(), rate, channels, frames);
                const QString destination = QStringLiteral("%1/out_%2_%3_%4%5")
                                                .arg(folder.path())
                                                .arg(rate)
                                                .arg(channels)
                                                .arg(frames)
                                                .arg(outputSuffix(sweep.format));
                const ConversionResult result =
                    prepareAndConvert(preparation, conversion, source, sweep.format, destination, panel, settings);
                ASSERT_EQ(result.outcome, ConversionOutcome::Completed) << result.detail.toStdString();

                const ReadBack ours = readBack(destination);
                ASSERT_TRUE(ours.error.isEmpty()) << ours.error.toStdString();
                const qint64 expected = std::llround(static_cast<double>(frames) * ours.rate / rate);
                EXPECT_NEAR(ours.frames, expected, sweep.tolerance + 2);
                if (sweep.ffprobeReads) {
                    const QString complaint = ffprobeComplaint(destination, sweep.ffprobeOptions);
                    EXPECT_TRUE(complaint.isEmpty()) << complaint.toStdString();
                }
                QFile::remove(source);
                QFile::remove(destination);
            }
        }
    }
}

// Tolerances: MPEG audio pads to 1152-sample frames and a stream has at least two; WMA pads to 2048-sample frames;
// MS ADPCM fills its last block (2036 frames at 44.1 kHz stereo); GSM 6.10 WAV holds 320 samples a block;
// TrueSpeech 240 a frame; VOX two samples a byte; G.72x eight samples to whole bytes.
INSTANTIATE_TEST_SUITE_P(Formats, LengthSweep,
                         ::testing::Values(SweepCase{OutputFormat::Pcm, 0}, SweepCase{OutputFormat::Adpcm, 2048},
                                           SweepCase{OutputFormat::Mp3, 1152}, SweepCase{OutputFormat::Mp2, 2 * 1152},
                                           SweepCase{OutputFormat::Ogg, 0}, SweepCase{OutputFormat::Wma, 2 * 2048},
                                           SweepCase{OutputFormat::Dsp, 240}, SweepCase{OutputFormat::Gsm, 320},
                                           SweepCase{OutputFormat::Vox, 1, {}, false},
                                           SweepCase{OutputFormat::Raw, 0, {"-f", "s16le", "-ar", "44100", "-ac", "2"}},
                                           SweepCase{OutputFormat::G721, 8}, SweepCase{OutputFormat::G723, 8},
                                           SweepCase{OutputFormat::G726, 8}),
                         [](const ::testing::TestParamInfo<SweepCase>& testInfo) {
                             return outputFormatName(testInfo.param.format).toStdString();
                         });

} // namespace
