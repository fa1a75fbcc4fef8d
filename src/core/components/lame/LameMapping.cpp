#include "LameMapping.h"

#include "core/components/ComponentError.h"
#include "core/components/IAudioFile2LameEnc.h"

#include <QCoreApplication>
#include <lame.h>

#include <algorithm>

namespace {

constexpr int kFlagOn = -1;

int flag(bool on) {
    return on ? kFlagOn : 0;
}

// LAME's numbers for de-emphasis: none, 50/15 microseconds, CCITT J.17 (2 is reserved by MPEG).
constexpr int kEmphasisCodes[] = {0, 1, 3};

vbr_mode vbrModeFor(int mode) {
    switch (mode) {
    case 0:
        return vbr_default;
    case 1:
        return vbr_rh;
    case 2:
    case 3:
        return vbr_mtrh;
    case 4:
        return vbr_abr;
    default:
        return vbr_off;
    }
}

int vbrSettingFor(vbr_mode mode) {
    switch (mode) {
    case vbr_off:
        return -1;
    case vbr_rh:
        return 1;
    case vbr_abr:
        return 4;
    default:
        // vbr_mt is an obsolete name of vbr_mtrh; both read back as the "new" VBR of LAME's own presets.
        return 2;
    }
}

void applyChannels(const Mp3SettingValues& values, lame_global_flags* encoder) {
    const int mode = valueOf(values, Mp3Setting::ChannelMode);
    if (valueOf(values, Mp3Setting::Channels) == 1 || mode == 0) {
        lame_set_mode(encoder, MONO);
        return;
    }
    switch (mode) {
    case 1:
        lame_set_mode(encoder, STEREO);
        break;
    case 3:
        lame_set_mode(encoder, JOINT_STEREO);
        lame_set_force_ms(encoder, 1);
        break;
    case 4:
        lame_set_mode(encoder, DUAL_CHANNEL);
        break;
    default:
        lame_set_mode(encoder, JOINT_STEREO);
        break;
    }
}

void applyVbr(const Mp3SettingValues& values, lame_global_flags* encoder) {
    const vbr_mode mode = vbrModeFor(valueOf(values, Mp3Setting::VbrMode));
    const int bitrate = valueOf(values, Mp3Setting::Bitrate);
    lame_set_VBR(encoder, mode);
    lame_set_VBR_q(encoder, valueOf(values, Mp3Setting::VbrQuality));
    if (mode == vbr_off) {
        lame_set_brate(encoder, bitrate);
        return;
    }
    // In the variable modes the bit rate of the general settings is the floor the encoder may not go below.
    lame_set_VBR_min_bitrate_kbps(encoder, bitrate);
    lame_set_VBR_max_bitrate_kbps(encoder, valueOf(values, Mp3Setting::MaxVbrBitrate));
    lame_set_VBR_hard_min(encoder, valueOf(values, Mp3Setting::EnforceMinBitrate) != 0 ? 1 : 0);
    if (mode == vbr_abr && valueOf(values, Mp3Setting::AbrBitrate) > 0)
        lame_set_VBR_mean_bitrate_kbps(encoder, valueOf(values, Mp3Setting::AbrBitrate));
}

// A frequency of -1 means "no filter of the user's": LAME then chooses its own (0), which is what an encoder
// without a filter setting does. Widths of 0 or less keep LAME's default width.
void applyFilters(const Mp3SettingValues& values, lame_global_flags* encoder) {
    lame_set_lowpassfreq(encoder, std::max(0, valueOf(values, Mp3Setting::LowpassFrequency)));
    lame_set_highpassfreq(encoder, std::max(0, valueOf(values, Mp3Setting::HighpassFrequency)));
    if (valueOf(values, Mp3Setting::LowpassWidth) > 0)
        lame_set_lowpasswidth(encoder, valueOf(values, Mp3Setting::LowpassWidth));
    if (valueOf(values, Mp3Setting::HighpassWidth) > 0)
        lame_set_highpasswidth(encoder, valueOf(values, Mp3Setting::HighpassWidth));
}

void applyAth(int athMode, lame_global_flags* encoder) {
    lame_set_ATHonly(encoder, athMode == 1 ? 1 : 0);
    lame_set_noATH(encoder, athMode == 2 ? 1 : 0);
    lame_set_ATHshort(encoder, athMode == 3 ? 1 : 0);
}

int athModeOf(const lame_global_flags* encoder) {
    if (lame_get_ATHonly(encoder) != 0)
        return 1;
    if (lame_get_noATH(encoder) != 0)
        return 2;
    return lame_get_ATHshort(encoder) != 0 ? 3 : 0;
}

int deEmphasisOf(const lame_global_flags* encoder) {
    const int code = lame_get_emphasis(encoder);
    for (int index = 0; index < 3; ++index) {
        if (kEmphasisCodes[index] == code)
            return index;
    }
    return 0;
}

int frequencyOrOff(int frequency) {
    return frequency > 0 ? frequency : -1;
}

} // namespace

Mp3SettingValues snapshotMp3Settings(const IAudioFile2LameEnc& settings) {
    Mp3SettingValues values{};
    for (int index = 0; index < kMp3SettingCount; ++index)
        values[static_cast<std::size_t>(index)] = settings.setting(static_cast<Mp3Setting>(index));
    return values;
}

void restoreMp3Settings(IAudioFile2LameEnc& settings, const Mp3SettingValues& values) {
    for (int index = 0; index < kMp3SettingCount; ++index)
        settings.setSetting(static_cast<Mp3Setting>(index), values[static_cast<std::size_t>(index)]);
}

void applyMp3Settings(const Mp3SettingValues& values, lame_global_struct* encoder) {
    applyChannels(values, encoder);
    applyVbr(values, encoder);
    applyFilters(values, encoder);
    applyAth(valueOf(values, Mp3Setting::AthMode), encoder);
    lame_set_quality(encoder, valueOf(values, Mp3Setting::Quality));
    lame_set_bWriteVbrTag(encoder, valueOf(values, Mp3Setting::VbrHeader) != 0 ? 1 : 0);
    lame_set_disable_reservoir(encoder, valueOf(values, Mp3Setting::BitReservoir) != 0 ? 0 : 1);
    // LAME keeps both block settings in one field: without short blocks there are no block types to differ.
    const bool shortBlocks = valueOf(values, Mp3Setting::ShortBlocks) != 0;
    lame_set_no_short_blocks(encoder, shortBlocks ? 0 : 1);
    if (shortBlocks)
        lame_set_allow_diff_short(encoder, valueOf(values, Mp3Setting::DifferentBlockTypes) != 0 ? 1 : 0);
    const int deEmphasis = valueOf(values, Mp3Setting::DeEmphasis);
    lame_set_emphasis(encoder, deEmphasis >= 0 && deEmphasis < 3 ? kEmphasisCodes[deEmphasis] : 0);
    // LAME's default (2) already keeps every frame legal; 1 also refuses the few liberties ISO leaves open.
    lame_set_strict_ISO(encoder, valueOf(values, Mp3Setting::StrictIso) != 0 ? 1 : 2);
    lame_set_error_protection(encoder, valueOf(values, Mp3Setting::Crc) != 0 ? 1 : 0);
    lame_set_out_samplerate(encoder, valueOf(values, Mp3Setting::OutputSampleRate));
}

Mp3SettingValues readMp3Settings(const lame_global_struct* encoder) {
    Mp3SettingValues values{};
    const vbr_mode mode = lame_get_VBR(encoder);
    const MPEG_mode channelMode = lame_get_mode(encoder);
    valueOf(values, Mp3Setting::VbrMode) = vbrSettingFor(mode);
    valueOf(values, Mp3Setting::VbrQuality) = lame_get_VBR_q(encoder);
    valueOf(values, Mp3Setting::AbrBitrate) = lame_get_VBR_mean_bitrate_kbps(encoder);
    valueOf(values, Mp3Setting::MaxVbrBitrate) = lame_get_VBR_max_bitrate_kbps(encoder);
    valueOf(values, Mp3Setting::Bitrate) =
        mode == vbr_off ? lame_get_brate(encoder) : lame_get_VBR_min_bitrate_kbps(encoder);
    valueOf(values, Mp3Setting::EnforceMinBitrate) = flag(lame_get_VBR_hard_min(encoder) != 0);
    valueOf(values, Mp3Setting::Channels) = channelMode == MONO ? 1 : 2;
    switch (channelMode) {
    case STEREO:
        valueOf(values, Mp3Setting::ChannelMode) = 1;
        break;
    case DUAL_CHANNEL:
        valueOf(values, Mp3Setting::ChannelMode) = 4;
        break;
    case MONO:
        valueOf(values, Mp3Setting::ChannelMode) = 0;
        break;
    default:
        valueOf(values, Mp3Setting::ChannelMode) = lame_get_force_ms(encoder) != 0 ? 3 : 2;
        break;
    }
    valueOf(values, Mp3Setting::Quality) = std::max(0, lame_get_quality(encoder));
    valueOf(values, Mp3Setting::VbrHeader) = flag(lame_get_bWriteVbrTag(encoder) != 0);
    valueOf(values, Mp3Setting::BitReservoir) = flag(lame_get_disable_reservoir(encoder) == 0);
    valueOf(values, Mp3Setting::DifferentBlockTypes) = flag(lame_get_allow_diff_short(encoder) > 0);
    valueOf(values, Mp3Setting::ShortBlocks) = flag(lame_get_no_short_blocks(encoder) <= 0);
    valueOf(values, Mp3Setting::DeEmphasis) = deEmphasisOf(encoder);
    valueOf(values, Mp3Setting::StrictIso) = flag(lame_get_strict_ISO(encoder) == 1);
    valueOf(values, Mp3Setting::AthMode) = athModeOf(encoder);
    valueOf(values, Mp3Setting::LowpassFrequency) = frequencyOrOff(lame_get_lowpassfreq(encoder));
    valueOf(values, Mp3Setting::HighpassFrequency) = frequencyOrOff(lame_get_highpassfreq(encoder));
    valueOf(values, Mp3Setting::LowpassWidth) = lame_get_lowpasswidth(encoder);
    valueOf(values, Mp3Setting::HighpassWidth) = lame_get_highpasswidth(encoder);
    valueOf(values, Mp3Setting::Crc) = flag(lame_get_error_protection(encoder) != 0);
    valueOf(values, Mp3Setting::OutputSampleRate) = lame_get_out_samplerate(encoder);
    return values;
}

LameEncoderHandle makeLameEncoder() {
    LameEncoderHandle encoder(lame_init());
    if (!encoder)
        throw ComponentError(QCoreApplication::translate("Components", "The MP3 encoder could not be started."),
                             LastError::EncoderFailure);
    // LAME's reports go to the console by default; ours go through errors and results instead.
    lame_set_errorf(encoder.get(), nullptr);
    lame_set_msgf(encoder.get(), nullptr);
    lame_set_debugf(encoder.get(), nullptr);
    return encoder;
}
