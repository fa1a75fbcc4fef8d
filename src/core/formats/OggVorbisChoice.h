#pragma once

#include "FormatScales.h"

#include <QCoreApplication>
#include <QString>

class IAudioFile2;

// The three ways of sizing an Ogg Vorbis output.
enum class OggVorbisMode { Nominal, VariableBitrate, Quality };

// The positions of the Ogg Vorbis dialog's controls; the defaults are the start-up format (44100 Hz, stereo,
// nominal 128 kbit/s).
struct OggVorbisControls {
    int sampleRateIndex = sampleRateIndexOf(kDefaultSampleRate);
    int channelIndex = 1; // 0 mono, 1 stereo, 2 the source's channels kept
    int nominalPosition = kOggMiddlePosition;
    int minimumPosition = kOggMiddlePosition;
    int maximumPosition = kOggMiddlePosition;
    bool vbrEnabled = false;
    bool qualityEnabled = false;
    int quality = 500; // 0..1000
};

// The arguments of the writer's Ogg Vorbis operation: bit rates in kbit/s (0 where they do not apply) and a
// quality of 0..1000, or -1 when the bit rates rule.
struct OggVorbisSetting {
    int sampleRate = kDefaultSampleRate;
    int channels = 2;
    int nominal = kOggBitrateScale[kOggMiddlePosition - kOggFirstPosition];
    int minimum = 0;
    int maximum = 0;
    int quality = -1;
    // Whether bit rates the component cannot make are refused. Off only where nobody chose the bit rates (scripts
    // that give a rate and channels alone): the writer then takes the nearest bit rate it can make.
    bool refuseUnaccepted = true;
    bool keepChannels = false; // the source's channels, up to 7.1, with the bit rates per stereo pair

    [[nodiscard]] bool usesBitrates() const { return quality < 0; }
    bool operator==(const OggVorbisSetting&) const = default;
};

[[nodiscard]] OggVorbisMode oggVorbisModeOf(const OggVorbisControls& controls);
[[nodiscard]] OggVorbisSetting oggVorbisSettingOf(const OggVorbisControls& controls);

// The text the component gives when it refuses a bit-rate setting.
inline QString incorrectOggFormatText() {
    return QCoreApplication::translate("Formats", "Incorrect format");
}

// Sets Ogg Vorbis output on the writer. A chosen bit-rate setting is first tested; when the component refuses it the
// writer's format is left as it was and ComponentError("Incorrect format") is raised, so nothing is ever written
// under the ".ogg" name in some other format. A quality setting is not tested.
void applyOggVorbisSetting(IAudioFile2& writer, const OggVorbisSetting& setting);

// The texts of the three bit-rate labels.
[[nodiscard]] QString oggNominalLabel(int kbps);
[[nodiscard]] QString oggMinimumLabel(int kbps);
[[nodiscard]] QString oggMaximumLabel(int kbps);

// Which controls of the Ogg Vorbis dialog are enabled. The two mode boxes exclude each other: switching one on
// disables the other's box. The state after a click depends on which box was clicked, so each click updates the
// previous state.
struct OggVorbisEnabling {
    bool vbrGroup = false;
    bool qualityGroup = false;
    bool qualityEndLabels = true; // "better", "faster"
    bool qualityBox = true;
    bool vbrBox = true;
    bool minMaxBitrates = false; // the two track bars and their labels inside the VBR group
    bool nominalBitrate = true;

    bool operator==(const OggVorbisEnabling&) const = default;
};

[[nodiscard]] OggVorbisEnabling enablingAfterVbrToggled(OggVorbisEnabling state, bool vbr, bool quality);
[[nodiscard]] OggVorbisEnabling enablingAfterQualityToggled(OggVorbisEnabling state, bool vbr, bool quality);
