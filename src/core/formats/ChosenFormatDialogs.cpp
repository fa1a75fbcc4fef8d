#include "ChosenFormatDialogs.h"

#include "Mp3Controls.h"
#include "core/components/ComponentSet.h"

void ChosenFormatDialogs::applyPcmWav() {
    applyPcmWavChoice(*components_.AudioFile2, choices_.pcmWav);
}

void ChosenFormatDialogs::applyMp3() {
    auto& encoder = *components_.LameEnc1;
    if (choices_.mp3)
        choices_.mp3(encoder);
    handMp3SettingsToWriter(encoder, *components_.AudioFile2);
}

void ChosenFormatDialogs::applyOggVorbis() {
    applyOggVorbisSetting(*components_.AudioFile2, choices_.oggVorbis);
}
