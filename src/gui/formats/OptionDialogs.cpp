#include "OptionDialogs.h"

#include "Mp3OptionsDialog.h"
#include "OggVorbisOptionsDialog.h"
#include "WavOptionsDialog.h"

void OptionDialogs::applyPcmWav() {
    wav_.applyFormat();
}

void OptionDialogs::applyMp3() {
    mp3_.applySettings();
}

void OptionDialogs::applyOggVorbis() {
    ogg_.applySettings();
}
