#include "core/formats/WriterPreparation.h"
#include "RecordingObserver.h"
#include "core/batch/BatchEngine.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/RecordingDialogs.h"

#include <gtest/gtest.h>

namespace {

class WriterPreparationTest : public ::testing::Test {
protected:
    WriterPreparationTest() { factory.log->clear(); }

    QStringList prepared(OutputFormat format, SourceKind kind) {
        factory.log->clear();
        preparation.prepare(format, panel, kind, "/in/song.wav");
        return *factory.log;
    }

    FakeComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components = factory.create();
    RecordingDialogs dialogs{factory.log};
    WriterPreparation preparation{*components, dialogs};
    const PanelValues panel{22050, 1, 3, 2, 5};
};

TEST_F(WriterPreparationTest, EachFormatIsSetFromThePanelOrItsDialog) {
    const std::pair<OutputFormat, const char*> expected[] = {
        {OutputFormat::Pcm, "Dialogs.applyPcmWav()"},
        {OutputFormat::Adpcm, "writer.setAdpcmWav(22050,1)"},
        {OutputFormat::Mp3, "Dialogs.applyMp3()"},
        {OutputFormat::Mp2, "writer.setMp2(22050,128,1)"},
        {OutputFormat::Ogg, "Dialogs.applyOggVorbis()"},
        {OutputFormat::Wma, "writer.setWmaProfile(5)"},
        {OutputFormat::Dsp, "writer.setDspWav()"},
        {OutputFormat::Gsm, "writer.setGsmWav(22050)"},
        {OutputFormat::Vox, "writer.setVox(22050)"},
        {OutputFormat::Raw, "writer.setRaw(3,22050,1,16)"},
        {OutputFormat::G721, "writer.setG721(22050)"},
        {OutputFormat::G723, "writer.setG723(22050,3)"},
        {OutputFormat::G726, "writer.setG726(22050,2)"},
        {OutputFormat::Flac, "writer.setFlac(5)"},
        {OutputFormat::Alac, "writer.setAlac()"},
        {OutputFormat::Aac, "writer.setAac(22050,1,160)"},
        {OutputFormat::Opus, "writer.setOpus(1,128,music)"},
    };
    // A video source: the WMA output then asks the source nothing.
    for (const auto& [format, call] : expected)
        EXPECT_EQ(prepared(format, SourceKind::Video), QStringList{QLatin1String(call)});
}

TEST_F(WriterPreparationTest, WmaForAnAudioSourceTellsTheWriterTheSourcesRateAndChannels) {
    factory.reader->setResult("sampleRate", 48000);
    factory.reader->setResult("channelCount", 2);
    EXPECT_EQ(prepared(OutputFormat::Wma, SourceKind::Audio),
              QStringList({"writer.setWmaProfile(5)", "reader.openForReading(/in/song.wav,0,1)", "reader.lastError()",
                           "reader.sampleRate()", "reader.channelCount()", "writer.describeInput(48000,2)",
                           "reader.close()"}));
}

// A lossless output keeps the source's shape: the writer learns its rate, channels, sample size and length.
TEST_F(WriterPreparationTest, LosslessOutputsLearnTheSourcesShapeSampleSizeAndLength) {
    factory.reader->setResult("sampleRate", 96000);
    factory.reader->setResult("channelCount", 2);
    factory.reader->setResult("bitsPerSample", 24);
    factory.reader->setResult("lengthInSamples", 960000);
    for (const auto& [format, call] :
         {std::pair{OutputFormat::Flac, "writer.setFlac(5)"}, std::pair{OutputFormat::Alac, "writer.setAlac()"}})
        EXPECT_EQ(
            prepared(format, SourceKind::Audio),
            QStringList({call, "reader.openForReading(/in/song.wav,0,1)", "reader.lastError()", "reader.sampleRate()",
                         "reader.channelCount()", "writer.describeInput(96000,2)", "reader.bitsPerSample()",
                         "reader.lengthInSamples()", "writer.describeSource(24,960000)", "reader.close()"}));
}

TEST_F(WriterPreparationTest, OutputIsSkippedWhenTheWmaQueryCannotOpenTheSource) {
    factory.reader->setResult("lastError", LastError::FileNotFound);
    RecordingObserver observer{factory.log};
    SingleConversion conversion{*components, observer};
    const ConversionResult result =
        prepareAndConvert(preparation, conversion, "/in/song.wav", OutputFormat::Wma, "/out/song.wma", panel, {});
    EXPECT_EQ(result.outcome, ConversionOutcome::NotPrepared);
    EXPECT_EQ(factory.log->last(), "reader.close()");
    EXPECT_FALSE(factory.log->join(' ').contains("createOutput"));

    factory.writer->setFailure("setG726", "bad code size");
    EXPECT_EQ(
        prepareAndConvert(preparation, conversion, "/in/song.wav", OutputFormat::G726, "/out/song.g726", panel, {})
            .outcome,
        ConversionOutcome::NotPrepared);
}

} // namespace
