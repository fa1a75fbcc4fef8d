#include "DefaultFormatDialogs.h"

#include "core/components/ComponentSet.h"

void DefaultFormatDialogs::applyPcmWav() {
    components_.writer->setPcmWav(44100, 2, 16);
}

void DefaultFormatDialogs::applyMp3() {
    components_.writer->useMp3EncoderSettings(*components_.mp3Encoder);
}

void DefaultFormatDialogs::applyOggVorbis() {
    components_.writer->setOggVorbis(44100, 2, 128, 0, 0, -1);
}
