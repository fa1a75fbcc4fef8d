#include "ChosenFormatDialogs.h"

#include "Mp3Controls.h"
#include "core/components/ComponentSet.h"

void ChosenFormatDialogs::applyPcmWav() {
    applyPcmWavChoice(*components_.writer, choices_.pcmWav);
}

void ChosenFormatDialogs::applyMp3() {
    auto& encoder = *components_.mp3Encoder;
    if (choices_.mp3)
        choices_.mp3(encoder);
    handMp3SettingsToWriter(encoder, *components_.writer);
}

void ChosenFormatDialogs::applyOggVorbis() {
    applyOggVorbisSetting(*components_.writer, choices_.oggVorbis);
}
