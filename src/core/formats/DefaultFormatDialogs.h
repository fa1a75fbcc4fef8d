#pragma once

#include "WriterPreparation.h"

struct ComponentSet;

// The option dialogs' apply operations with the formats they show when the program starts: PCM WAV at 44100 Hz,
// stereo, 16 bits; MP3 from the encoder settings as they stand; Ogg Vorbis at 44100 Hz, stereo, 128 kbit/s.
class DefaultFormatDialogs : public FormatDialogs {
public:
    explicit DefaultFormatDialogs(ComponentSet& components) : components_(components) {}

    void applyPcmWav() override;
    void applyMp3() override;
    void applyOggVorbis() override;

private:
    ComponentSet& components_;
};
