#include "core/components/lame/LameEncComponent.h"
#include "core/components/ComponentError.h"
#include "core/components/lame/LameMapping.h"

#include <gtest/gtest.h>

namespace {

constexpr int kOn = -1;

int get(const LameEncComponent& encoder, Mp3Setting which) {
    return encoder.setting(which);
}

TEST(LameEncComponent, StartsWithLamesConstantBitRateDefaults) {
    const LameEncComponent encoder;
    EXPECT_EQ(get(encoder, Mp3Setting::VbrMode), -1);
    EXPECT_EQ(get(encoder, Mp3Setting::Bitrate), 128);
    EXPECT_EQ(get(encoder, Mp3Setting::MaxVbrBitrate), 320);
    EXPECT_EQ(get(encoder, Mp3Setting::OutputSampleRate), 44100);
    EXPECT_EQ(get(encoder, Mp3Setting::Channels), 2);
    EXPECT_EQ(get(encoder, Mp3Setting::ChannelMode), 2); // joint stereo
    EXPECT_EQ(get(encoder, Mp3Setting::VbrHeader), kOn);
    EXPECT_EQ(get(encoder, Mp3Setting::BitReservoir), kOn);
    EXPECT_EQ(get(encoder, Mp3Setting::ShortBlocks), kOn);
    EXPECT_EQ(get(encoder, Mp3Setting::Crc), 0);
    EXPECT_EQ(get(encoder, Mp3Setting::StrictIso), 0);
    // No filter of the user's: LAME picks the low-pass from the bit rate when it encodes.
    EXPECT_EQ(get(encoder, Mp3Setting::LowpassFrequency), -1);
    EXPECT_EQ(get(encoder, Mp3Setting::HighpassFrequency), -1);
    EXPECT_GE(get(encoder, Mp3Setting::Quality), 0);
    EXPECT_LE(get(encoder, Mp3Setting::Quality), 9);
}

struct PresetExpectation {
    int preset;
    int outputRate;
    int channels;
    int vbrMode;
    int bitrate;
    int lowpass;
};

TEST(LameEncComponent, PresetsReadBackTheirConfiguration) {
    const PresetExpectation expectations[] = {
        {1, 8000, 1, -1, 16, 3400},    {2, 11025, 1, -1, 24, 4000},   {3, 16000, 1, -1, 24, 7500},
        {4, 32000, 2, -1, 112, 15000}, {5, 24000, 1, -1, 56, 12000},  {6, 44100, 2, -1, 128, 15000},
        {7, 44100, 2, -1, 128, 18000}, {8, 44100, 2, -1, 160, 18000}, {9, 44100, 2, -1, 192, -1},
        {10, 44100, 2, -1, 256, -1},
    };
    for (const PresetExpectation& expected : expectations) {
        SCOPED_TRACE(expected.preset);
        LameEncComponent encoder;
        encoder.setSetting(Mp3Setting::Crc, kOn); // a preset replaces every earlier setting
        encoder.applyPreset(expected.preset);
        EXPECT_EQ(get(encoder, Mp3Setting::OutputSampleRate), expected.outputRate);
        EXPECT_EQ(get(encoder, Mp3Setting::Channels), expected.channels);
        EXPECT_EQ(get(encoder, Mp3Setting::VbrMode), expected.vbrMode);
        EXPECT_EQ(get(encoder, Mp3Setting::Bitrate), expected.bitrate);
        EXPECT_EQ(get(encoder, Mp3Setting::LowpassFrequency), expected.lowpass);
        EXPECT_EQ(get(encoder, Mp3Setting::Crc), 0);
    }
    LameEncComponent r3mix;
    r3mix.applyPreset(11);
    EXPECT_EQ(get(r3mix, Mp3Setting::VbrMode), 2);
    EXPECT_EQ(get(r3mix, Mp3Setting::VbrQuality), 3);
    EXPECT_EQ(get(r3mix, Mp3Setting::ChannelMode), 2);
}

TEST(LameEncComponent, AlternativePresetsAreLamesStandardExtremeAndInsane) {
    const int vbrQualities[] = {2, 2, 0, 0};
    for (int preset = 1; preset <= 4; ++preset) {
        SCOPED_TRACE(preset);
        LameEncComponent encoder;
        encoder.applyAlternativePreset(preset);
        EXPECT_EQ(get(encoder, Mp3Setting::VbrMode), 2);
        EXPECT_EQ(get(encoder, Mp3Setting::VbrQuality), vbrQualities[preset - 1]);
        EXPECT_EQ(get(encoder, Mp3Setting::MaxVbrBitrate), 320);
        EXPECT_EQ(get(encoder, Mp3Setting::OutputSampleRate), 44100);
    }
    LameEncComponent insane;
    insane.applyAlternativePreset(5);
    EXPECT_EQ(get(insane, Mp3Setting::VbrMode), -1);
    EXPECT_EQ(get(insane, Mp3Setting::Bitrate), 320);
}

TEST(LameEncComponent, RefusesValuesOutOfRange) {
    LameEncComponent encoder;
    EXPECT_THROW(encoder.applyPreset(0), ComponentError);
    EXPECT_THROW(encoder.applyPreset(12), ComponentError);
    EXPECT_THROW(encoder.applyAlternativePreset(0), ComponentError);
    EXPECT_THROW(encoder.applyAlternativePreset(6), ComponentError);
    EXPECT_THROW(encoder.setSetting(Mp3Setting::Quality, 10), ComponentError);
    EXPECT_THROW(encoder.setSetting(Mp3Setting::VbrMode, -2), ComponentError);
    EXPECT_THROW(encoder.setSetting(Mp3Setting::VbrMode, 5), ComponentError);
    EXPECT_THROW(encoder.setSetting(Mp3Setting::Channels, 0), ComponentError);
    EXPECT_THROW(encoder.setSetting(Mp3Setting::Bitrate, 321), ComponentError);
    EXPECT_THROW(encoder.setSetting(Mp3Setting::LowpassFrequency, -2), ComponentError);
    EXPECT_THROW(encoder.setSetting(Mp3Setting::OutputSampleRate, 96000), ComponentError);
    EXPECT_THROW(encoder.setSetting(static_cast<Mp3Setting>(kMp3SettingCount), 0), ComponentError);
    EXPECT_EQ(get(encoder, Mp3Setting::Quality), LameEncComponent().setting(Mp3Setting::Quality));
    // Flags take any value; a bit rate off MPEG's table is LAME's to round.
    encoder.setSetting(Mp3Setting::Crc, 1);
    encoder.setSetting(Mp3Setting::Bitrate, 40);
    EXPECT_EQ(get(encoder, Mp3Setting::Crc), 1);
    EXPECT_EQ(get(encoder, Mp3Setting::Bitrate), 40);
}

TEST(LameEncComponent, CommandLineSetsEverySwitch) {
    LameEncComponent encoder;
    encoder.applyCommandLine(QStringLiteral("-b 64 -B 256 -m s --vbr-old -V 3 -q 1 --lowpass 15 --highpass 0.1 "
                                            "--lowpass-width 760 --highpass-width 0.005 -p -t --nores --noshort "
                                            "--strictly-enforce-ISO -e c --athshort -F -d --resample 22.05 -S"));
    EXPECT_EQ(get(encoder, Mp3Setting::Bitrate), 64);
    EXPECT_EQ(get(encoder, Mp3Setting::MaxVbrBitrate), 256);
    EXPECT_EQ(get(encoder, Mp3Setting::ChannelMode), 1);
    EXPECT_EQ(get(encoder, Mp3Setting::VbrMode), 1);
    EXPECT_EQ(get(encoder, Mp3Setting::VbrQuality), 3);
    EXPECT_EQ(get(encoder, Mp3Setting::Quality), 1);
    EXPECT_EQ(get(encoder, Mp3Setting::LowpassFrequency), 15000);
    EXPECT_EQ(get(encoder, Mp3Setting::HighpassFrequency), 100);
    EXPECT_EQ(get(encoder, Mp3Setting::LowpassWidth), 760);
    EXPECT_EQ(get(encoder, Mp3Setting::HighpassWidth), 5);
    EXPECT_EQ(get(encoder, Mp3Setting::Crc), kOn);
    EXPECT_EQ(get(encoder, Mp3Setting::VbrHeader), 0);
    EXPECT_EQ(get(encoder, Mp3Setting::BitReservoir), 0);
    EXPECT_EQ(get(encoder, Mp3Setting::ShortBlocks), 0);
    EXPECT_EQ(get(encoder, Mp3Setting::StrictIso), kOn);
    EXPECT_EQ(get(encoder, Mp3Setting::DeEmphasis), 2);
    EXPECT_EQ(get(encoder, Mp3Setting::AthMode), 3);
    EXPECT_EQ(get(encoder, Mp3Setting::EnforceMinBitrate), kOn);
    EXPECT_EQ(get(encoder, Mp3Setting::DifferentBlockTypes), kOn);
    EXPECT_EQ(get(encoder, Mp3Setting::OutputSampleRate), 22050);

    encoder.applyCommandLine(QStringLiteral("-b192 -mm -V2 -h --abr 160"));
    EXPECT_EQ(get(encoder, Mp3Setting::Bitrate), 192);
    EXPECT_EQ(get(encoder, Mp3Setting::Channels), 1);
    EXPECT_EQ(get(encoder, Mp3Setting::VbrQuality), 2);
    EXPECT_EQ(get(encoder, Mp3Setting::Quality), 2);
    EXPECT_EQ(get(encoder, Mp3Setting::VbrMode), 4);
    EXPECT_EQ(get(encoder, Mp3Setting::AbrBitrate), 160);

    // -V turns VBR on when it was off; -mj brings back two channels.
    encoder.applyCommandLine(QStringLiteral("--cbr -mj"));
    encoder.applyCommandLine(QStringLiteral("-V 4"));
    EXPECT_EQ(get(encoder, Mp3Setting::VbrMode), 0);
    EXPECT_EQ(get(encoder, Mp3Setting::Channels), 2);
    EXPECT_EQ(get(encoder, Mp3Setting::ChannelMode), 2);
}

TEST(LameEncComponent, CommandLinePresetReplacesEarlierSwitchesAndLaterOnesApply) {
    LameEncComponent encoder;
    encoder.applyCommandLine(QStringLiteral("-p --preset fast extreme -b 64"));
    EXPECT_EQ(get(encoder, Mp3Setting::Crc), 0);
    EXPECT_EQ(get(encoder, Mp3Setting::VbrMode), 2);
    EXPECT_EQ(get(encoder, Mp3Setting::VbrQuality), 0);
    EXPECT_EQ(get(encoder, Mp3Setting::Bitrate), 64);

    encoder.applyCommandLine(QStringLiteral("--preset cd"));
    EXPECT_EQ(get(encoder, Mp3Setting::Bitrate), 192);
    encoder.applyCommandLine(QStringLiteral("--preset cbr 320"));
    EXPECT_EQ(get(encoder, Mp3Setting::VbrMode), -1);
    EXPECT_EQ(get(encoder, Mp3Setting::Bitrate), 320);
    encoder.applyCommandLine(QStringLiteral("--preset 160"));
    EXPECT_EQ(get(encoder, Mp3Setting::VbrMode), 4);
    EXPECT_EQ(get(encoder, Mp3Setting::AbrBitrate), 160);
    encoder.applyCommandLine(QStringLiteral("--preset standard"));
    EXPECT_EQ(get(encoder, Mp3Setting::VbrQuality), 2);
}

TEST(LameEncComponent, CommandLineErrorsNameTheSwitchAndChangeNothing) {
    LameEncComponent encoder;
    encoder.applyCommandLine(QStringLiteral("-b 96"));
    const auto messageOf = [&encoder](const char* commandLine) {
        try {
            encoder.applyCommandLine(QLatin1String(commandLine));
        } catch (const ComponentError& error) {
            return error.message();
        }
        return QStringLiteral("no error");
    };
    EXPECT_TRUE(messageOf("-b 320 --bogus").contains(QLatin1String("--bogus")));
    EXPECT_TRUE(messageOf("-b 320 song.wav").contains(QLatin1String("song.wav")));
    EXPECT_TRUE(messageOf("-k").contains(QLatin1String("-k")));
    EXPECT_TRUE(messageOf("-b abc").contains(QLatin1String("-b")));
    EXPECT_TRUE(messageOf("-q 10").contains(QLatin1String("-q")));
    EXPECT_TRUE(messageOf("-V 10").contains(QLatin1String("-V")));
    EXPECT_TRUE(messageOf("-m x").contains(QLatin1String("-m")));
    EXPECT_TRUE(messageOf("-e 7").contains(QLatin1String("-e")));
    EXPECT_TRUE(messageOf("--resample 13").contains(QLatin1String("--resample")));
    EXPECT_TRUE(messageOf("--lowpass 60000").contains(QLatin1String("--lowpass")));
    EXPECT_TRUE(messageOf("-b").contains(QLatin1String("-b")));
    EXPECT_TRUE(messageOf("--preset loud").contains(QLatin1String("loud")));
    EXPECT_EQ(get(encoder, Mp3Setting::Bitrate), 96);

    encoder.applyCommandLine(QString());
    encoder.applyCommandLine(QStringLiteral("   "));
    EXPECT_EQ(get(encoder, Mp3Setting::Bitrate), 96);
}

} // namespace

// A batch's workers start their encoders from the main encoder's settings: whatever a preset or a command line left
// there must go over to a fresh encoder unchanged, or the batch could not start.
TEST(LameEncComponent, EverySnapshotRestoresIntoAFreshEncoder) {
    std::vector<LameEncComponent> sources(18);
    for (int preset = 1; preset <= 11; ++preset)
        sources[preset - 1].applyPreset(preset);
    for (int preset = 1; preset <= 5; ++preset)
        sources[10 + preset].applyAlternativePreset(preset);
    sources[16].applyCommandLine(QStringLiteral("--abr 200 -m m --lowpass 12 --highpass 0.2 -e c -p --athonly"));
    for (std::size_t index = 0; index < sources.size(); ++index) {
        SCOPED_TRACE(index);
        const Mp3SettingValues values = snapshotMp3Settings(sources[index]);
        LameEncComponent copy;
        ASSERT_NO_THROW(restoreMp3Settings(copy, values));
        EXPECT_EQ(snapshotMp3Settings(copy), values);
    }
}
