#include "OggVorbisChoice.h"
#include "PanelValues.h"
#include "PcmWavChoice.h"

#include "core/components/ComponentError.h"
#include "core/components/IAudioFile2.h"

#include <QCoreApplication>

void applyPcmWavChoice(IAudioFile2& writer, const PcmWavChoice& choice) {
    writer.setPcmWav(choice.sampleRate, choice.channels, choice.bits);
    writer.setOutputChannels(choice.keepChannels ? 0 : choice.channels);
}

QString channelChoiceWord(ChannelChoice choice) {
    return choice == ChannelChoice::Keep ? QStringLiteral("keep") : QString::number(writerChannelsOf(choice));
}

std::optional<ChannelChoice> channelChoiceNamed(const QString& word) {
    for (const ChannelChoice choice : {ChannelChoice::Keep, ChannelChoice::Stereo, ChannelChoice::Mono})
        if (word.trimmed() == channelChoiceWord(choice))
            return choice;
    return std::nullopt;
}

QString channelChoiceCaption(ChannelChoice choice) {
    switch (choice) {
    case ChannelChoice::Keep:
        return QCoreApplication::translate("Formats", "Keep");
    case ChannelChoice::Stereo:
        return QCoreApplication::translate("Formats", "Stereo");
    case ChannelChoice::Mono:
        return QCoreApplication::translate("Formats", "Mono");
    }
    return {};
}

OggVorbisMode oggVorbisModeOf(const OggVorbisControls& controls) {
    if (controls.qualityEnabled)
        return OggVorbisMode::Quality;
    if (controls.vbrEnabled)
        return OggVorbisMode::VariableBitrate;
    return OggVorbisMode::Nominal;
}

OggVorbisSetting oggVorbisSettingOf(const OggVorbisControls& controls) {
    OggVorbisSetting setting;
    setting.sampleRate = sampleRateAt(controls.sampleRateIndex);
    setting.keepChannels = controls.channelIndex == 2;
    setting.channels = setting.keepChannels ? 2 : controls.channelIndex + 1;
    switch (oggVorbisModeOf(controls)) {
    case OggVorbisMode::Quality:
        setting.nominal = 0;
        setting.quality = controls.quality;
        break;
    case OggVorbisMode::VariableBitrate:
        setting.nominal = oggBitrateAt(controls.nominalPosition);
        setting.minimum = oggBitrateAt(controls.minimumPosition);
        setting.maximum = oggBitrateAt(controls.maximumPosition);
        break;
    case OggVorbisMode::Nominal:
        setting.nominal = oggBitrateAt(controls.nominalPosition);
        break;
    }
    return setting;
}

void applyOggVorbisSetting(IAudioFile2& writer, const OggVorbisSetting& setting) {
    if (setting.usesBitrates() && setting.refuseUnaccepted &&
        writer.testOggSetting(setting.sampleRate, setting.channels, setting.nominal, setting.minimum,
                              setting.maximum) == 0)
        throw ComponentError(incorrectOggFormatText());
    writer.setOggVorbis(setting.sampleRate, setting.channels, setting.nominal, setting.minimum, setting.maximum,
                        setting.quality);
    writer.setOutputChannels(setting.keepChannels ? 0 : setting.channels);
}

QString oggNominalLabel(int kbps) {
    return QCoreApplication::translate("Formats", "Current nominal bitrate: %1 kbit").arg(kbps);
}

QString oggMinimumLabel(int kbps) {
    return QCoreApplication::translate("Formats", "Current min bitrate: %1 kbit").arg(kbps);
}

QString oggMaximumLabel(int kbps) {
    return QCoreApplication::translate("Formats", "Current max bitrate: %1 kbit").arg(kbps);
}

OggVorbisEnabling enablingAfterVbrToggled(OggVorbisEnabling state, bool vbr, bool quality) {
    state.vbrGroup = vbr;
    state.qualityGroup = !vbr;
    state.qualityEndLabels = quality && !vbr;
    state.qualityBox = !vbr;
    state.minMaxBitrates = vbr;
    return state;
}

OggVorbisEnabling enablingAfterQualityToggled(OggVorbisEnabling state, bool vbr, bool quality) {
    state.vbrGroup = vbr && !quality;
    state.qualityGroup = quality;
    state.qualityEndLabels = quality;
    state.vbrBox = !quality;
    state.minMaxBitrates = vbr && !quality;
    state.nominalBitrate = !quality;
    return state;
}
