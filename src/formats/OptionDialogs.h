#pragma once

#include "convert/WriterPreparation.h"

class TfrmMP3Adv;
class TfrmOGGAdv;
class TfrmWAVAdv;

// The program's answer to the conversion's question "which PCM, MP3 and Ogg Vorbis format?": the apply operations
// of the three option dialogs as they stand at the time of each output.
class OptionDialogs : public FormatDialogs {
public:
    OptionDialogs(TfrmWAVAdv& wav, TfrmMP3Adv& mp3, TfrmOGGAdv& ogg) : wav_(wav), mp3_(mp3), ogg_(ogg) {}

    void applyPcmWav() override;
    void applyMp3() override;
    // A setting the component refuses raises ComponentError("Incorrect format"), so that output is skipped.
    void applyOggVorbis() override;

private:
    TfrmWAVAdv& wav_;
    TfrmMP3Adv& mp3_;
    TfrmOGGAdv& ogg_;
};
