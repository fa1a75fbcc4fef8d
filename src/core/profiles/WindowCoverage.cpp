#include "WindowCoverage.h"

#include "core/batch/BatchOrder.h"
#include "core/batch/LoudnessNormalization.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

int oggPositionOf(int kbps) {
    int nearest = kOggMiddlePosition;
    for (int index = 0; index < static_cast<int>(kOggBitrateScale.size()); ++index) {
        const int position = index + kOggFirstPosition;
        if (std::abs(kOggBitrateScale[static_cast<std::size_t>(index)] - kbps) < std::abs(oggBitrateAt(nearest) - kbps))
            nearest = position;
    }
    return nearest;
}

OggVorbisControls oggVorbisControlsOf(const OggVorbisSetting& setting, OggVorbisControls unread) {
    OggVorbisControls controls = unread;
    controls.sampleRateIndex = sampleRateIndexOf(setting.sampleRate);
    controls.channelIndex = setting.keepChannels ? 2 : setting.channels <= 1 ? 0 : 1;
    controls.qualityEnabled = !setting.usesBitrates();
    controls.vbrEnabled = setting.usesBitrates() && (setting.minimum > 0 || setting.maximum > 0);
    if (controls.qualityEnabled) {
        controls.quality = setting.quality;
        return controls;
    }
    controls.nominalPosition = oggPositionOf(setting.nominal);
    if (controls.vbrEnabled) {
        controls.minimumPosition = oggPositionOf(setting.minimum);
        controls.maximumPosition = oggPositionOf(setting.maximum);
    }
    return controls;
}

namespace {

constexpr int kOggQualityTop = 1000; // the quality track bar's end

// Whether the dialog's controls make exactly this setting. Whether an unmakeable bit rate is refused is no control
// of the dialog's: the dialog always refuses one.
bool dialogMakes(const OggVorbisSetting& setting) {
    if (!setting.usesBitrates() && setting.quality > kOggQualityTop)
        return false;
    OggVorbisSetting made = oggVorbisSettingOf(oggVorbisControlsOf(setting, {}));
    made.refuseUnaccepted = setting.refuseUnaccepted;
    return made == setting;
}

bool onRateList(int sampleRate) {
    return sampleRateAt(sampleRateIndexOf(sampleRate)) == sampleRate;
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QStringList partsWithoutWindowControls(const BatchOrder& order, int wmaProfileCount) {
    QStringList parts;
    if (order.treeRoot)
        parts += QCoreApplication::translate("Profiles", "the tree root %1").arg(quoted(*order.treeRoot));
    if (order.baseNames)
        parts += QCoreApplication::translate("Profiles", "the name template");
    if (order.loudnessTarget && *order.loudnessTarget != kDefaultLoudnessTarget)
        parts += QCoreApplication::translate("Profiles", "the loudness target %1 LUFS").arg(*order.loudnessTarget);
    const Mp3Choice& mp3 = order.formatSettings.mp3;
    if (mp3.preset)
        parts += QCoreApplication::translate("Profiles", "the MP3 preset %1").arg(*mp3.preset);
    if (mp3.altPreset)
        parts += QCoreApplication::translate("Profiles", "the MP3 alternative preset %1").arg(*mp3.altPreset);
    if (mp3.lameSwitches)
        parts += QCoreApplication::translate("Profiles", "the LAME switches %1").arg(quoted(*mp3.lameSwitches));
    if (mp3.panelRate || mp3.panelChannels)
        parts += QCoreApplication::translate("Profiles", "the MP3 rate and channels taken from the panel");
    if (!dialogMakes(order.formatSettings.oggVorbis))
        parts += QCoreApplication::translate(
            "Profiles", "the Ogg Vorbis setting (a bit rate or quality the dialog does not offer)");
    const PanelValues& panel = order.formatSettings.panel;
    if (!onRateList(panel.sampleRate) || panel.channels < 1 || panel.channels > 2)
        parts += QCoreApplication::translate("Profiles", "the panel's %1 Hz, %2 channels")
                     .arg(panel.sampleRate)
                     .arg(panel.channels);
    const PcmWavChoice& pcm = order.formatSettings.pcmWav;
    if (!onRateList(pcm.sampleRate) || pcm.channels < 1 || pcm.channels > 2 ||
        std::find(kPcmBitsChoices.begin(), kPcmBitsChoices.end(), pcm.bits) == kPcmBitsChoices.end())
        parts += QCoreApplication::translate("Profiles", "the PCM WAV format %1 Hz, %2 channels, %3 bits")
                     .arg(pcm.sampleRate)
                     .arg(pcm.channels)
                     .arg(pcm.bits);
    const int wma = panel.wmaProfile;
    if (wma < 1 || wma > wmaProfileCount)
        parts += QCoreApplication::translate("Profiles", "the WMA profile %1").arg(wma);
    return parts;
}
