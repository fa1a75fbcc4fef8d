#include "core/formats/FormatScales.h"
#include "core/formats/FormatStrings.h"
#include "core/formats/OggVorbisChoice.h"
#include "fakes/FakeAudioFile2.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatScales, PositionsAndRatesFallBackToTheMiddleOfTheirScale) {
    struct Case {
        int position;
        int mp3;
        int ogg;
    };
    for (const Case& c : {Case{-1, 128, 128}, Case{0, 8, 128}, Case{1, 16, 48}, Case{6, 64, 128}, Case{9, 128, 224},
                          Case{11, 192, 320}, Case{12, 224, 128}, Case{14, 320, 128}, Case{15, 128, 128}}) {
        EXPECT_EQ(mp3BitrateAt(c.position), c.mp3) << c.position;
        EXPECT_EQ(oggBitrateAt(c.position), c.ogg) << c.position;
    }
    for (const int offScale : {0, 40, 80, 129, 1000})
        EXPECT_EQ(mp3PositionOf(offScale), 9) << offScale;
    for (std::size_t position = 0; position < kMp3BitrateScale.size(); ++position)
        EXPECT_EQ(mp3PositionOf(kMp3BitrateScale[position]), static_cast<int>(position));
    EXPECT_EQ(sampleRateAt(1), 11025);
    EXPECT_EQ(sampleRateAt(8), 44100);
    EXPECT_EQ(sampleRateAt(-1), 44100);
    EXPECT_EQ(sampleRateIndexOf(48000), 7);
    EXPECT_EQ(sampleRateIndexOf(12345), 6);
}

TEST(OggVorbisSettings, EachModeGivesItsArgumentsAndOnlyBitRatesAreTested) {
    OggVorbisControls controls;
    EXPECT_EQ(oggVorbisSettingOf(controls), (OggVorbisSetting{44100, 2, 128, 0, 0, -1}));
    controls.vbrEnabled = true;
    controls.minimumPosition = 1;
    controls.maximumPosition = 11;
    controls.sampleRateIndex = 0;
    controls.channelIndex = 0;
    EXPECT_EQ(oggVorbisSettingOf(controls), (OggVorbisSetting{8000, 1, 128, 48, 320, -1}));
    controls.qualityEnabled = true;
    controls.quality = 0;
    EXPECT_EQ(oggVorbisSettingOf(controls), (OggVorbisSetting{8000, 1, 0, 0, 0, 0}));

    FakeAudioFile2 writer(QStringLiteral("writer"));
    applyOggVorbisSetting(writer, OggVorbisSetting{8000, 1, 0, 0, 0, 0});
    EXPECT_EQ(writer.calls(), QStringList{QStringLiteral("writer.setOggVorbis(8000,1,0,0,0,0)")});
    writer.clearCalls();
    writer.setResult(QStringLiteral("testOggSetting"), 0);
    EXPECT_THROW(applyOggVorbisSetting(writer, OggVorbisSetting{}), ComponentError);
    EXPECT_EQ(writer.calls(), QStringList{QStringLiteral("writer.testOggSetting(44100,2,128,0,0)")});
}

// The state after a click depends on which box was clicked: switching VBR off again leaves the quality group
// enabled while its end labels follow the quality box.
TEST(OggVorbisSettings, EnablingFollowsTheLastClickedBox) {
    OggVorbisEnabling state;
    state = enablingAfterVbrToggled(state, true, false);
    EXPECT_TRUE(state.vbrGroup);
    EXPECT_FALSE(state.qualityBox);
    EXPECT_FALSE(state.qualityGroup);
    EXPECT_TRUE(state.nominalBitrate);
    state = enablingAfterVbrToggled(state, false, false);
    EXPECT_FALSE(state.vbrGroup);
    EXPECT_TRUE(state.qualityBox);
    EXPECT_TRUE(state.qualityGroup);
    EXPECT_FALSE(state.qualityEndLabels);
    state = enablingAfterQualityToggled(state, false, true);
    EXPECT_FALSE(state.vbrBox);
    EXPECT_TRUE(state.qualityEndLabels);
    EXPECT_FALSE(state.nominalBitrate);
    EXPECT_FALSE(state.minMaxBitrates);
    state = enablingAfterQualityToggled(state, false, false);
    EXPECT_EQ(state, (OggVorbisEnabling{false, false, false, true, true, false, true}));
}

TEST(FormatStrings, OtherFormatsAreDescribedInOrderWithThePanelValues) {
    FakeAudioFile2 writer(QStringLiteral("writer"));
    writer.setResult(QStringLiteral("formatString"), QStringLiteral("described"));
    PanelValues panel;
    panel.sampleRate = 11025;
    panel.channels = 1;
    panel.g723Bits = 3;
    panel.g726Bits = 2;
    std::vector<OutputFormat> shown;
    describeOtherFormats(writer, panel, [&](OutputFormat format, const QString& text) {
        shown.push_back(format);
        EXPECT_EQ(text, QStringLiteral("described"));
    });
    EXPECT_EQ(shown, (std::vector<OutputFormat>{OutputFormat::Adpcm, OutputFormat::Gsm, OutputFormat::Dsp,
                                                OutputFormat::Vox, OutputFormat::Raw, OutputFormat::Mp2,
                                                OutputFormat::G723, OutputFormat::G726, OutputFormat::Flac,
                                                OutputFormat::Alac, OutputFormat::Aac, OutputFormat::Opus}));
    QStringList formats;
    for (const QString& call : writer.calls())
        if (!call.endsWith(QLatin1String("formatString()")))
            formats.append(call);
    EXPECT_EQ(formats, QStringList({"writer.setAdpcmWav(11025,1)", "writer.setGsmWav(11025)", "writer.setDspWav()",
                                    "writer.setVox(11025)", "writer.setRaw(3,11025,1,16)", "writer.setMp2(11025,128,1)",
                                    "writer.setG723(11025,3)", "writer.setG726(11025,2)", "writer.setFlac(5)",
                                    "writer.setAlac()", "writer.setAac(11025,1,160)", "writer.setOpus(1,128,music)"}));
    EXPECT_EQ(writer.calls().count(QStringLiteral("writer.formatString()")), 12);
}

TEST(FormatStrings, WmaProfilesAreDescribedOneByOneFromOne) {
    FakeAudioFile2 writer(QStringLiteral("writer"));
    writer.setResult(QStringLiteral("wmaProfileCount"), 2);
    EXPECT_EQ(describeWmaProfiles(writer).size(), 2);
    EXPECT_EQ(writer.calls(),
              QStringList({"writer.setDescriptionDetail(-1)", "writer.wmaProfileCount()",
                           "writer.setDescriptionDetail(-1)", "writer.setWmaProfile(1)", "writer.formatString()",
                           "writer.setDescriptionDetail(-1)", "writer.setWmaProfile(2)", "writer.formatString()"}));
    EXPECT_EQ(g723BitsAt(-1, 5), 5);
    EXPECT_EQ(g723BitsAt(0, 5), 3);
    EXPECT_EQ(g726BitsAt(0), 2);
}

} // namespace
