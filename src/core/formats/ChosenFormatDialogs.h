#pragma once

#include "OggVorbisChoice.h"
#include "PcmWavChoice.h"
#include "WriterPreparation.h"

#include <functional>

class IAudioFile2LameEnc;

// What the option dialogs chose, held without a widget, so that any component set can apply it on any thread.
struct FormatDialogChoices {
    PcmWavChoice pcmWav;
    // Sets the encoder up before each MP3 output; the writer then takes the encoder's settings. Nothing leaves the
    // encoder as it is.
    std::function<void(IAudioFile2LameEnc&)> mp3;
    OggVorbisSetting oggVorbis;
};

// The apply operations over choices made beforehand, for one component set.
class ChosenFormatDialogs : public FormatDialogs {
public:
    ChosenFormatDialogs(ComponentSet& components, FormatDialogChoices choices)
        : components_(components), choices_(std::move(choices)) {}

    void applyPcmWav() override;
    void applyMp3() override;
    // A bit-rate setting the component refuses raises ComponentError("Incorrect format") unless the choices say
    // nobody chose the bit rates.
    void applyOggVorbis() override;

private:
    ComponentSet& components_;
    FormatDialogChoices choices_;
};
