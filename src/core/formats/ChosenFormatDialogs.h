#pragma once

#include "FormatSettings.h"
#include "WriterPreparation.h"

// The apply operations over settings chosen beforehand, for one component set.
class ChosenFormatDialogs : public FormatDialogs {
public:
    ChosenFormatDialogs(ComponentSet& components, FormatSettings settings)
        : components_(components), settings_(std::move(settings)) {}

    void applyPcmWav() override;
    // Writes the MP3 choice into this set's encoder, then hands the encoder's settings to the writer.
    void applyMp3() override;
    // A bit-rate setting the component refuses raises ComponentError("Incorrect format") unless the settings say
    // nobody chose the bit rates.
    void applyOggVorbis() override;

private:
    ComponentSet& components_;
    FormatSettings settings_;
};

// Writes an MP3 choice into an encoder, each part that is given in the choice's order; the panel gives the rate and
// channels when the choice takes them from it. Raises the encoder's ComponentError.
void writeMp3Choice(IAudioFile2LameEnc& encoder, const Mp3Choice& choice, const PanelValues& panel);

// Apply operations over the given settings for any component set.
[[nodiscard]] FormatDialogsMaker chosenDialogsMaker(FormatSettings settings);
