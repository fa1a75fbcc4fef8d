#include "core/formats/Mp3Controls.h"
#include "fakes/FakeAudioFile2LameEnc.h"

#include <gtest/gtest.h>

namespace {

// Controls that differ from the form's defaults in every single setting.
Mp3Controls everySettingChanged() {
    Mp3Controls controls;
    controls.channelItem = 3;
    controls.quality = 2;
    controls.sampleRateIndex = 0;  // 8000 Hz
    controls.bitratePosition = 12; // 224 kbit/s
    controls.highpassOn = true;
    controls.highpassFrequency = 100;
    controls.highpassWidth = 20;
    controls.lowpassOn = true;
    controls.lowpassFrequency = 12000;
    controls.lowpassWidth = 500;
    controls.vbrModeItem = 3;     // "New"
    controls.maxVbrPosition = 14; // 320 kbit/s
    controls.vbrHeader = true;
    controls.enforceMinBitrate = true;
    controls.vbrQuality = 4;
    controls.abrBitrate = 160;
    controls.crc = true;
    controls.strictIso = true;
    controls.differentBlockTypes = true;
    controls.shortBlocks = true;
    controls.bitReservoir = true;
    controls.athItem = 2;
    controls.deEmphasisItem = 1;
    return controls;
}

class Mp3ControlsTest : public ::testing::Test {
protected:
    FakeAudioFile2LameEnc encoder{QStringLiteral("mp3Encoder")};
};

TEST_F(Mp3ControlsTest, SingleSettingsWrittenAreReadBackUnchanged) {
    Mp3Controls written = everySettingChanged();
    EXPECT_FALSE(writeMp3Controls(encoder, written));
    EXPECT_EQ(written, everySettingChanged()) << "writing single settings must not reload the controls";

    EXPECT_EQ(encoder.setting(Mp3Setting::Bitrate), 224);
    EXPECT_EQ(encoder.setting(Mp3Setting::MaxVbrBitrate), 320);
    EXPECT_EQ(encoder.setting(Mp3Setting::OutputSampleRate), 8000);
    EXPECT_EQ(encoder.setting(Mp3Setting::VbrMode), 2);
    EXPECT_EQ(encoder.setting(Mp3Setting::Channels), 2);
    EXPECT_EQ(encoder.setting(Mp3Setting::ChannelMode), 3);
    for (const Mp3Setting flag :
         {Mp3Setting::VbrHeader, Mp3Setting::EnforceMinBitrate, Mp3Setting::Crc, Mp3Setting::StrictIso,
          Mp3Setting::DifferentBlockTypes, Mp3Setting::ShortBlocks, Mp3Setting::BitReservoir})
        EXPECT_EQ(encoder.setting(flag), -1) << static_cast<int>(flag);

    Mp3Controls readBack;
    loadMp3Controls(encoder, readBack);
    EXPECT_EQ(readBack, everySettingChanged());
}

TEST_F(Mp3ControlsTest, SwitchedOffFiltersWriteMinusOneAndKeepTheirValuesOnTheForm) {
    Mp3Controls controls = everySettingChanged();
    controls.highpassOn = false;
    controls.lowpassOn = false;
    writeMp3Controls(encoder, controls);
    EXPECT_EQ(encoder.setting(Mp3Setting::HighpassFrequency), -1);
    EXPECT_EQ(encoder.setting(Mp3Setting::LowpassFrequency), -1);

    // A width of 0 from the encoder means "not set": the form keeps its own.
    encoder.setSetting(Mp3Setting::HighpassWidth, 0);
    encoder.setSetting(Mp3Setting::LowpassWidth, 0);
    Mp3Controls readBack = everySettingChanged();
    loadMp3Controls(encoder, readBack);
    EXPECT_FALSE(readBack.highpassOn);
    EXPECT_FALSE(readBack.lowpassOn);
    EXPECT_EQ(readBack.highpassFrequency, 100);
    EXPECT_EQ(readBack.lowpassFrequency, 12000);
    EXPECT_EQ(readBack.highpassWidth, 20);
    EXPECT_EQ(readBack.lowpassWidth, 500);
}

TEST_F(Mp3ControlsTest, AnyNonZeroFlagReadsAsOn) {
    encoder.setSetting(Mp3Setting::Crc, 1);
    encoder.setSetting(Mp3Setting::VbrHeader, 0);
    Mp3Controls controls;
    loadMp3Controls(encoder, controls);
    EXPECT_TRUE(controls.crc);
    EXPECT_FALSE(controls.vbrHeader);
}

// "Mono" is one channel with the channel mode left alone; every other item is two channels in that mode.
TEST_F(Mp3ControlsTest, MonoKeepsTheChannelModeAndReadsBackAsMono) {
    encoder.setSetting(Mp3Setting::ChannelMode, 4);
    writeMp3ChannelItem(encoder, 0);
    EXPECT_EQ(encoder.setting(Mp3Setting::Channels), 1);
    EXPECT_EQ(encoder.setting(Mp3Setting::ChannelMode), 4);
    Mp3Controls controls;
    loadMp3Controls(encoder, controls);
    EXPECT_EQ(controls.channelItem, 0);

    writeMp3ChannelItem(encoder, 1);
    EXPECT_EQ(encoder.setting(Mp3Setting::Channels), 2);
    EXPECT_EQ(encoder.setting(Mp3Setting::ChannelMode), 1);
    loadMp3Controls(encoder, controls);
    EXPECT_EQ(controls.channelItem, 1);
}

// The track bars and the rate list can only stand on their scales, whatever the encoder or the form holds.
TEST_F(Mp3ControlsTest, ValuesOffTheScalesStandAtTheirMiddle) {
    encoder.setSetting(Mp3Setting::Bitrate, 40);
    encoder.setSetting(Mp3Setting::MaxVbrBitrate, 0);
    encoder.setSetting(Mp3Setting::OutputSampleRate, 12345);
    Mp3Controls controls;
    controls.bitratePosition = 0;
    controls.maxVbrPosition = 0;
    controls.sampleRateIndex = 0;
    loadMp3Controls(encoder, controls);
    EXPECT_EQ(controls.bitratePosition, kMp3MiddlePosition);
    EXPECT_EQ(controls.maxVbrPosition, kMp3MiddlePosition);
    EXPECT_EQ(controls.sampleRateIndex, sampleRateIndexOf(44100));

    controls.bitratePosition = 15;
    controls.maxVbrPosition = -1;
    controls.sampleRateIndex = 8;
    writeMp3Controls(encoder, controls);
    EXPECT_EQ(encoder.setting(Mp3Setting::Bitrate), 128);
    EXPECT_EQ(encoder.setting(Mp3Setting::MaxVbrBitrate), 128);
    EXPECT_EQ(encoder.setting(Mp3Setting::OutputSampleRate), 44100);
    EXPECT_EQ(mp3MaxBitrateLabel(320), QStringLiteral("Current bitrate: 320 kbit"));
}

// The command line page wins over the presets, "Preset" over "Alt-Preset"; afterwards the form shows what the
// encoder made of it while the memo and the preset choices stay as the user left them.
TEST_F(Mp3ControlsTest, CommandLineThenPresetThenAltPresetAndTheFormIsReloaded) {
    encoder.setSetting(Mp3Setting::Bitrate, 192);
    encoder.setSetting(Mp3Setting::VbrMode, 4);
    Mp3Controls controls;
    controls.page = Mp3Page::CommandLine;
    controls.commandLine = QStringLiteral("-b 192 --abr 192");
    controls.presetOn = true;
    controls.presetItem = 8;
    controls.altPresetOn = true;
    controls.altPresetItem = 2;
    encoder.clearCalls();
    EXPECT_TRUE(writeMp3Controls(encoder, controls));
    EXPECT_EQ(encoder.calls().first(), QStringLiteral("mp3Encoder.applyCommandLine(-b 192 --abr 192)"));
    EXPECT_FALSE(encoder.calls().join(' ').contains(QLatin1String("setSetting")));
    EXPECT_EQ(controls.bitratePosition, mp3PositionOf(192));
    EXPECT_EQ(controls.vbrModeItem, 5);
    EXPECT_EQ(controls.commandLine, QStringLiteral("-b 192 --abr 192"));
    EXPECT_TRUE(controls.presetOn);
    EXPECT_EQ(controls.presetItem, 8);

    controls.page = Mp3Page::Presets;
    encoder.clearCalls();
    EXPECT_TRUE(writeMp3Controls(encoder, controls));
    EXPECT_EQ(encoder.calls().first(), QStringLiteral("mp3Encoder.applyPreset(9)"));

    controls.presetOn = false;
    encoder.clearCalls();
    EXPECT_TRUE(writeMp3Controls(encoder, controls));
    EXPECT_EQ(encoder.calls().first(), QStringLiteral("mp3Encoder.applyAlternativePreset(3)"));
}

TEST_F(Mp3ControlsTest, ARefusedCommandLineLeavesTheFormAsItWas) {
    encoder.setFailure(QStringLiteral("applyCommandLine"), QStringLiteral("unknown switch --nonsense"));
    Mp3Controls controls = everySettingChanged();
    controls.page = Mp3Page::CommandLine;
    controls.commandLine = QStringLiteral("--nonsense");
    const Mp3Controls before = controls;
    EXPECT_THROW(writeMp3Controls(encoder, controls), ComponentError);
    EXPECT_EQ(controls, before);
}

TEST(Mp3Enabling, VbrModeDecidesWhichVbrControlsAreEnabled) {
    Mp3Controls controls;
    EXPECT_EQ(mp3EnablingOf(controls), Mp3Enabling{});

    controls.vbrModeItem = 1; // "Default"
    Mp3Enabling enabling = mp3EnablingOf(controls);
    EXPECT_TRUE(enabling.vbrGroups);
    EXPECT_TRUE(enabling.vbrQuality);
    EXPECT_FALSE(enabling.abrBitrate);

    controls.vbrModeItem = 5; // "ABR"
    enabling = mp3EnablingOf(controls);
    EXPECT_TRUE(enabling.vbrGroups);
    EXPECT_FALSE(enabling.vbrQuality);
    EXPECT_TRUE(enabling.abrBitrate);

    controls.highpassOn = true;
    enabling = mp3EnablingOf(controls);
    EXPECT_TRUE(enabling.highpass);
    EXPECT_FALSE(enabling.lowpass);
}

TEST(Mp3Enabling, OnePresetBoxOnDisablesTheOther) {
    Mp3Controls controls;
    controls.presetOn = true;
    Mp3Enabling enabling = mp3EnablingOf(controls);
    EXPECT_TRUE(enabling.presetList);
    EXPECT_FALSE(enabling.altPresetBox);
    EXPECT_TRUE(enabling.presetBox);

    controls.presetOn = false;
    controls.altPresetOn = true;
    enabling = mp3EnablingOf(controls);
    EXPECT_TRUE(enabling.altPresetList);
    EXPECT_FALSE(enabling.presetBox);
    EXPECT_FALSE(enabling.presetList);

    // Both on (a stored state the form never makes): neither list may be used.
    controls.presetOn = true;
    enabling = mp3EnablingOf(controls);
    EXPECT_FALSE(enabling.presetList);
    EXPECT_FALSE(enabling.altPresetList);
}

} // namespace
