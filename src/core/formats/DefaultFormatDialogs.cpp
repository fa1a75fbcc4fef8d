#include "DefaultFormatDialogs.h"

#include "core/components/ComponentSet.h"

void DefaultFormatDialogs::applyPcmWav() {
    components_.AudioFile2->setPcmWav(44100, 2, 16);
}

void DefaultFormatDialogs::applyMp3() {
    components_.AudioFile2->useMp3EncoderSettings(*components_.LameEnc1);
}

void DefaultFormatDialogs::applyOggVorbis() {
    components_.AudioFile2->setOggVorbis(44100, 2, 128, 0, 0, -1);
}
