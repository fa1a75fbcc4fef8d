#include "Mp3Controls.h"

#include "core/components/IAudioFile2.h"
#include "core/components/IAudioFile2LameEnc.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>

namespace {

constexpr int kFlagOn = -1;
constexpr int kFilterOff = -1;
constexpr int kVbrModeItemNone = 0;
constexpr int kVbrModeItemAbr = 5;

int flag(bool on) {
    return on ? kFlagOn : 0;
}

int filterFrequency(bool on, int frequency) {
    return on ? frequency : kFilterOff;
}

} // namespace

QStringList mp3ChannelItems() {
    return {Messages::Mono(), Messages::Stereo(), QCoreApplication::translate("Formats", "Joint Stereo"),
            QCoreApplication::translate("Formats", "Forced Joint Stereo"),
            QCoreApplication::translate("Formats", "Dual Channels")};
}

QStringList mp3VbrModeItems() {
    return {QCoreApplication::translate("Formats", "None"),
            QCoreApplication::translate("Formats", "Default"),
            QCoreApplication::translate("Formats", "Old"),
            QCoreApplication::translate("Formats", "New"),
            QStringLiteral("MTRH"),
            QStringLiteral("ABR")};
}

QStringList mp3AthItems() {
    return {QCoreApplication::translate("Formats", "default"), QCoreApplication::translate("Formats", "only"),
            QCoreApplication::translate("Formats", "disabled"),
            QCoreApplication::translate("Formats", "only for short blocks")};
}

QStringList mp3DeEmphasisItems() {
    return {QCoreApplication::translate("Formats", "default"),
            QCoreApplication::translate("Formats", "0/15 microseconds"), QStringLiteral("citt j.17")};
}

QStringList mp3PresetItems() {
    return {QStringLiteral("Phone"), QStringLiteral("SW"),     QStringLiteral("AM"),   QStringLiteral("FM"),
            QStringLiteral("Voice"), QStringLiteral("Radio"),  QStringLiteral("Type"), QStringLiteral("HiFi"),
            QStringLiteral("CD"),    QStringLiteral("Studio"), QStringLiteral("R3Mix")};
}

QStringList mp3AltPresetItems() {
    return {QStringLiteral("Fast Standard"), QStringLiteral("Standard"), QStringLiteral("Fast Extreme"),
            QStringLiteral("Extrene"), QStringLiteral("Insane")};
}

QString mp3MaxBitrateLabel(int kbps) {
    return QCoreApplication::translate("Formats", "Current bitrate: %1 kbit").arg(kbps);
}

void loadMp3Controls(const IAudioFile2LameEnc& encoder, Mp3Controls& controls) {
    const auto get = [&](Mp3Setting which) { return encoder.setting(which); };
    controls.quality = get(Mp3Setting::Quality);
    controls.maxVbrPosition = mp3PositionOf(get(Mp3Setting::MaxVbrBitrate));
    controls.vbrQuality = get(Mp3Setting::VbrQuality);
    controls.vbrModeItem = get(Mp3Setting::VbrMode) + 1;
    controls.abrBitrate = get(Mp3Setting::AbrBitrate);
    controls.channelItem = get(Mp3Setting::Channels) == 1 ? 0 : get(Mp3Setting::ChannelMode);
    controls.vbrHeader = get(Mp3Setting::VbrHeader) != 0;
    controls.enforceMinBitrate = get(Mp3Setting::EnforceMinBitrate) != 0;

    const int highpass = get(Mp3Setting::HighpassFrequency);
    controls.highpassOn = highpass >= 0;
    if (controls.highpassOn)
        controls.highpassFrequency = highpass;
    if (get(Mp3Setting::HighpassWidth) > 0)
        controls.highpassWidth = get(Mp3Setting::HighpassWidth);
    const int lowpass = get(Mp3Setting::LowpassFrequency);
    controls.lowpassOn = lowpass >= 0;
    if (controls.lowpassOn)
        controls.lowpassFrequency = lowpass;
    if (get(Mp3Setting::LowpassWidth) > 0)
        controls.lowpassWidth = get(Mp3Setting::LowpassWidth);

    controls.athItem = get(Mp3Setting::AthMode);
    controls.deEmphasisItem = get(Mp3Setting::DeEmphasis);
    controls.crc = get(Mp3Setting::Crc) != 0;
    controls.differentBlockTypes = get(Mp3Setting::DifferentBlockTypes) != 0;
    controls.bitReservoir = get(Mp3Setting::BitReservoir) != 0;
    controls.shortBlocks = get(Mp3Setting::ShortBlocks) != 0;
    controls.strictIso = get(Mp3Setting::StrictIso) != 0;
    controls.sampleRateIndex = sampleRateIndexOf(get(Mp3Setting::OutputSampleRate));
    controls.bitratePosition = mp3PositionOf(get(Mp3Setting::Bitrate));
}

void writeMp3ChannelItem(IAudioFile2LameEnc& encoder, int channelItem) {
    if (channelItem == 0) {
        encoder.setSetting(Mp3Setting::Channels, 1);
        return;
    }
    encoder.setSetting(Mp3Setting::Channels, 2);
    encoder.setSetting(Mp3Setting::ChannelMode, channelItem);
}

namespace {

// The single settings in the order the encoder has always received them; the filter frequencies go twice, before
// and after the values that may move them.
void writeSingleSettings(IAudioFile2LameEnc& encoder, const Mp3Controls& controls) {
    const auto set = [&](Mp3Setting which, int value) { encoder.setSetting(which, value); };
    const int highpass = filterFrequency(controls.highpassOn, controls.highpassFrequency);
    const int lowpass = filterFrequency(controls.lowpassOn, controls.lowpassFrequency);
    set(Mp3Setting::VbrHeader, flag(controls.vbrHeader));
    set(Mp3Setting::EnforceMinBitrate, flag(controls.enforceMinBitrate));
    set(Mp3Setting::Crc, flag(controls.crc));
    set(Mp3Setting::DifferentBlockTypes, flag(controls.differentBlockTypes));
    set(Mp3Setting::BitReservoir, flag(controls.bitReservoir));
    set(Mp3Setting::ShortBlocks, flag(controls.shortBlocks));
    set(Mp3Setting::StrictIso, flag(controls.strictIso));
    set(Mp3Setting::HighpassFrequency, highpass);
    set(Mp3Setting::LowpassFrequency, lowpass);
    set(Mp3Setting::VbrMode, controls.vbrModeItem - 1);
    set(Mp3Setting::AthMode, controls.athItem);
    writeMp3ChannelItem(encoder, controls.channelItem);
    set(Mp3Setting::DeEmphasis, controls.deEmphasisItem);
    set(Mp3Setting::Quality, controls.quality);
    set(Mp3Setting::Bitrate, mp3BitrateAt(controls.bitratePosition));
    set(Mp3Setting::MaxVbrBitrate, mp3BitrateAt(controls.maxVbrPosition));
    set(Mp3Setting::AbrBitrate, controls.abrBitrate);
    set(Mp3Setting::HighpassFrequency, highpass);
    set(Mp3Setting::HighpassWidth, controls.highpassWidth);
    set(Mp3Setting::LowpassFrequency, lowpass);
    set(Mp3Setting::LowpassWidth, controls.lowpassWidth);
    set(Mp3Setting::VbrQuality, controls.vbrQuality);
    set(Mp3Setting::OutputSampleRate, sampleRateAt(controls.sampleRateIndex));
}

} // namespace

bool writeMp3Controls(IAudioFile2LameEnc& encoder, Mp3Controls& controls) {
    if (controls.page == Mp3Page::CommandLine)
        encoder.applyCommandLine(controls.commandLine);
    else if (controls.presetOn)
        encoder.applyPreset(controls.presetItem + 1);
    else if (controls.altPresetOn)
        encoder.applyAlternativePreset(controls.altPresetItem + 1);
    else {
        writeSingleSettings(encoder, controls);
        return false;
    }
    loadMp3Controls(encoder, controls);
    return true;
}

void handMp3SettingsToWriter(IAudioFile2LameEnc& encoder, IAudioFile2& writer) {
    writer.useMp3EncoderSettings(encoder);
}

Mp3Enabling mp3EnablingOf(const Mp3Controls& controls) {
    Mp3Enabling enabling;
    enabling.highpass = controls.highpassOn;
    enabling.lowpass = controls.lowpassOn;
    const bool vbr = controls.vbrModeItem != kVbrModeItemNone;
    enabling.vbrGroups = vbr;
    enabling.abrBitrate = controls.vbrModeItem == kVbrModeItemAbr;
    enabling.vbrQuality = vbr && controls.vbrModeItem != kVbrModeItemAbr;
    enabling.presetList = controls.presetOn && !controls.altPresetOn;
    enabling.altPresetList = controls.altPresetOn && !controls.presetOn;
    enabling.presetBox = !controls.altPresetOn;
    enabling.altPresetBox = !controls.presetOn;
    return enabling;
}
