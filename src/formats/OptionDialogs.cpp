#include "OptionDialogs.h"

#include "TfrmMP3Adv.h"
#include "TfrmOGGAdv.h"
#include "TfrmWAVAdv.h"

void OptionDialogs::applyPcmWav() {
    wav_.ApplyFormat();
}

void OptionDialogs::applyMp3() {
    mp3_.ApplySettings();
}

void OptionDialogs::applyOggVorbis() {
    ogg_.ApplySettings();
}
