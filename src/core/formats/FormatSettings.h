#pragma once

#include "Mp3Controls.h"
#include "OggVorbisChoice.h"
#include "PanelValues.h"
#include "PcmWavChoice.h"

#include <QString>
#include <optional>

// How the MP3 encoder is set before each MP3 output, as values, so that any component set can apply it on any
// thread and a profile can store it. Each part that is given is written in this order: the MP3 dialog's controls
// (as the dialog writes them), the preset, the alternative preset, the LAME switches, and last the panel's sample
// rate and channels. Nothing given leaves the encoder as it is.
struct Mp3Choice {
    std::optional<Mp3Controls> dialog;
    std::optional<int> preset;    // 1..11
    std::optional<int> altPreset; // 1..5
    std::optional<QString> lameSwitches;
    bool panelRate = false;     // the panel's sample rate becomes the encoder's output rate
    bool panelChannels = false; // the panel's channels become the encoder's channel mode

    bool operator==(const Mp3Choice&) const = default;
};

// Every format's settings in one batch: the output format panel's values and the option dialogs' choices.
struct FormatSettings {
    PanelValues panel;
    PcmWavChoice pcmWav;
    Mp3Choice mp3;
    OggVorbisSetting oggVorbis;

    bool operator==(const FormatSettings&) const = default;
};
