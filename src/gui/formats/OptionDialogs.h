#pragma once

#include "core/formats/WriterPreparation.h"

class Mp3OptionsDialog;
class OggVorbisOptionsDialog;
class WavOptionsDialog;

// The program's answer to the conversion's question "which PCM, MP3 and Ogg Vorbis format?": the apply operations
// of the three option dialogs as they stand at the time of each output.
class OptionDialogs : public FormatDialogs {
public:
    OptionDialogs(WavOptionsDialog& wav, Mp3OptionsDialog& mp3, OggVorbisOptionsDialog& ogg)
        : wav_(wav), mp3_(mp3), ogg_(ogg) {}

    void applyPcmWav() override;
    void applyMp3() override;
    // A setting the component refuses raises ComponentError("Incorrect format"), so that output is skipped.
    void applyOggVorbis() override;

private:
    WavOptionsDialog& wav_;
    Mp3OptionsDialog& mp3_;
    OggVorbisOptionsDialog& ogg_;
};
