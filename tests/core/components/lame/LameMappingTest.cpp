#include "core/components/lame/LameMapping.h"
#include "core/components/lame/LameEncComponent.h"

#include <gtest/gtest.h>
#include <lame.h>

namespace {

constexpr int kOn = -1;

// An encoder for CD audio with the values applied, initialised as the writer does it.
LameEncoderHandle initialisedEncoder(const Mp3SettingValues& values) {
    LameEncoderHandle encoder = makeLameEncoder();
    lame_set_in_samplerate(encoder.get(), 44100);
    lame_set_num_channels(encoder.get(), 2);
    applyMp3Settings(values, encoder.get());
    EXPECT_GE(lame_init_params(encoder.get()), 0);
    return encoder;
}

Mp3SettingValues customValues() {
    LameEncComponent encoder;
    encoder.applyCommandLine(QStringLiteral("-b 96 -B 224 --vbr-old -V 5 -q 2 -m s --lowpass 14 --highpass 0.2 "
                                            "-p --strictly-enforce-ISO --nores --noshort -e 5 --athonly -F -t "
                                            "--resample 32"));
    return snapshotMp3Settings(encoder);
}

TEST(LameMapping, EverySettingReachesTheEncoder) {
    const Mp3SettingValues values = customValues();
    const LameEncoderHandle encoder = initialisedEncoder(values);
    const lame_global_flags* lame = encoder.get();
    EXPECT_EQ(lame_get_VBR(lame), vbr_rh);
    EXPECT_EQ(lame_get_VBR_q(lame), 5);
    EXPECT_EQ(lame_get_VBR_min_bitrate_kbps(lame), 96);
    EXPECT_EQ(lame_get_VBR_max_bitrate_kbps(lame), 224);
    EXPECT_EQ(lame_get_VBR_hard_min(lame), 1);
    EXPECT_EQ(lame_get_mode(lame), STEREO);
    EXPECT_EQ(lame_get_lowpassfreq(lame), 14000);
    EXPECT_EQ(lame_get_highpassfreq(lame), 200);
    EXPECT_EQ(lame_get_error_protection(lame), 1);
    EXPECT_EQ(lame_get_strict_ISO(lame), 1);
    EXPECT_EQ(lame_get_disable_reservoir(lame), 1);
    EXPECT_EQ(lame_get_no_short_blocks(lame), 1);
    EXPECT_EQ(lame_get_emphasis(lame), 1);
    EXPECT_EQ(lame_get_ATHonly(lame), 1);
    EXPECT_EQ(lame_get_bWriteVbrTag(lame), 0);
    EXPECT_EQ(lame_get_out_samplerate(lame), 32000);

    // What LAME reports back is what was applied.
    const Mp3SettingValues readBack = readMp3Settings(lame);
    for (const Mp3Setting which :
         {Mp3Setting::VbrMode, Mp3Setting::VbrQuality, Mp3Setting::MaxVbrBitrate, Mp3Setting::Bitrate,
          Mp3Setting::ChannelMode, Mp3Setting::Channels, Mp3Setting::Crc, Mp3Setting::StrictIso,
          Mp3Setting::BitReservoir, Mp3Setting::ShortBlocks, Mp3Setting::DeEmphasis, Mp3Setting::AthMode,
          Mp3Setting::EnforceMinBitrate, Mp3Setting::VbrHeader, Mp3Setting::OutputSampleRate,
          Mp3Setting::LowpassFrequency, Mp3Setting::HighpassFrequency})
        EXPECT_EQ(valueOf(readBack, which), valueOf(values, which)) << static_cast<int>(which);
}

TEST(LameMapping, VbrModesMapOntoLamesModes) {
    const struct {
        int mode;
        vbr_mode lame;
    } modes[] = {{-1, vbr_off}, {0, vbr_default}, {1, vbr_rh}, {2, vbr_mtrh}, {3, vbr_mtrh}, {4, vbr_abr}};
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.mode);
        Mp3SettingValues values = snapshotMp3Settings(LameEncComponent());
        valueOf(values, Mp3Setting::VbrMode) = mode.mode;
        valueOf(values, Mp3Setting::AbrBitrate) = 192;
        valueOf(values, Mp3Setting::Bitrate) = 112;
        const LameEncoderHandle encoder = initialisedEncoder(values);
        EXPECT_EQ(lame_get_VBR(encoder.get()), mode.lame);
        if (mode.lame == vbr_off) {
            EXPECT_EQ(lame_get_brate(encoder.get()), 112);
        } else {
            EXPECT_EQ(lame_get_VBR_min_bitrate_kbps(encoder.get()), 112);
        }
        if (mode.lame == vbr_abr) {
            EXPECT_EQ(lame_get_VBR_mean_bitrate_kbps(encoder.get()), 192);
        }
    }
}

TEST(LameMapping, ChannelSettingsAndDeEmphasis) {
    const struct {
        int channels;
        int channelMode;
        MPEG_mode lame;
        int forcedMs;
    } cases[] = {{1, 2, MONO, 0},         {2, 0, MONO, 0},         {2, 1, STEREO, 0},
                 {2, 2, JOINT_STEREO, 0}, {2, 3, JOINT_STEREO, 1}, {2, 4, DUAL_CHANNEL, 0}};
    for (const auto& channels : cases) {
        SCOPED_TRACE(channels.channelMode);
        Mp3SettingValues values = snapshotMp3Settings(LameEncComponent());
        valueOf(values, Mp3Setting::Channels) = channels.channels;
        valueOf(values, Mp3Setting::ChannelMode) = channels.channelMode;
        const LameEncoderHandle encoder = initialisedEncoder(values);
        EXPECT_EQ(lame_get_mode(encoder.get()), channels.lame);
        EXPECT_EQ(lame_get_force_ms(encoder.get()), channels.forcedMs);
    }
    // LAME honours different block types in mono only, and never without short blocks.
    Mp3SettingValues blocks = snapshotMp3Settings(LameEncComponent());
    valueOf(blocks, Mp3Setting::Channels) = 1;
    valueOf(blocks, Mp3Setting::DifferentBlockTypes) = kOn;
    EXPECT_EQ(lame_get_allow_diff_short(initialisedEncoder(blocks).get()), 1);
    valueOf(blocks, Mp3Setting::ShortBlocks) = 0;
    EXPECT_EQ(lame_get_no_short_blocks(initialisedEncoder(blocks).get()), 1);

    const int emphasisCodes[] = {0, 1, 3};
    for (int deEmphasis = 0; deEmphasis < 3; ++deEmphasis) {
        Mp3SettingValues values = snapshotMp3Settings(LameEncComponent());
        valueOf(values, Mp3Setting::DeEmphasis) = deEmphasis;
        EXPECT_EQ(lame_get_emphasis(initialisedEncoder(values).get()), emphasisCodes[deEmphasis]);
    }
}

TEST(LameMapping, FiltersSwitchedOffLeaveTheChoiceToLame) {
    Mp3SettingValues values = snapshotMp3Settings(LameEncComponent());
    valueOf(values, Mp3Setting::LowpassFrequency) = -1;
    valueOf(values, Mp3Setting::HighpassFrequency) = -1;
    valueOf(values, Mp3Setting::LowpassWidth) = 760;
    valueOf(values, Mp3Setting::Bitrate) = 320;
    const LameEncoderHandle encoder = initialisedEncoder(values);
    // LAME's own low-pass for 320 kbit/s, not a disabled filter and not the one of 128 kbit/s.
    EXPECT_GT(lame_get_lowpassfreq(encoder.get()), 17000);
    EXPECT_EQ(lame_get_highpassfreq(encoder.get()), 0);
}

// Whatever the settings object accepts, LAME must accept too: the writer initialises the encoder with it.
TEST(LameMapping, EveryAcceptedCombinationInitialises) {
    LameEncComponent encoder;
    for (int vbrMode = -1; vbrMode <= 4; ++vbrMode) {
        for (const int rate : {0, 8000, 22050, 44100, 47000}) {
            for (const int kbps : {0, 40, 320}) {
                for (int channelMode = 0; channelMode <= 4; ++channelMode) {
                    encoder.setSetting(Mp3Setting::VbrMode, vbrMode);
                    encoder.setSetting(Mp3Setting::OutputSampleRate, rate);
                    encoder.setSetting(Mp3Setting::Bitrate, kbps);
                    encoder.setSetting(Mp3Setting::MaxVbrBitrate, 320 - kbps);
                    encoder.setSetting(Mp3Setting::AbrBitrate, kbps);
                    encoder.setSetting(Mp3Setting::ChannelMode, channelMode);
                    encoder.setSetting(Mp3Setting::LowpassFrequency, 48000);
                    encoder.setSetting(Mp3Setting::HighpassFrequency, kbps * 100);
                    for (const int inputChannels : {1, 2}) {
                        const LameEncoderHandle lame = makeLameEncoder();
                        lame_set_in_samplerate(lame.get(), 44100);
                        lame_set_num_channels(lame.get(), inputChannels);
                        applyMp3Settings(snapshotMp3Settings(encoder), lame.get());
                        ASSERT_GE(lame_init_params(lame.get()), 0)
                            << vbrMode << ' ' << rate << ' ' << kbps << ' ' << channelMode << ' ' << inputChannels;
                    }
                }
            }
        }
    }
}

TEST(LameMapping, PresetsSurviveTheTripThroughTheWriter) {
    for (int preset = 1; preset <= 16; ++preset) {
        SCOPED_TRACE(preset);
        LameEncComponent encoder;
        if (preset <= 11)
            encoder.applyPreset(preset);
        else
            encoder.applyAlternativePreset(preset - 11);
        const Mp3SettingValues values = snapshotMp3Settings(encoder);
        const LameEncoderHandle lame = initialisedEncoder(values);
        EXPECT_EQ(lame_get_out_samplerate(lame.get()), valueOf(values, Mp3Setting::OutputSampleRate));
        EXPECT_EQ(readMp3Settings(lame.get())[static_cast<std::size_t>(Mp3Setting::VbrMode)],
                  valueOf(values, Mp3Setting::VbrMode));
        EXPECT_EQ(lame_get_VBR_q(lame.get()), valueOf(values, Mp3Setting::VbrQuality));
    }
}

} // namespace
