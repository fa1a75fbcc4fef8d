#include "OptionDialogs.h"

#include "Mp3OptionsDialog.h"
#include "OggVorbisOptionsDialog.h"
#include "WavOptionsDialog.h"
#include "core/components/ComponentSet.h"
#include "core/components/lame/LameMapping.h"
#include "core/formats/ChosenFormatDialogs.h"
#include "core/formats/Mp3Controls.h"

void OptionDialogs::applyPcmWav() {
    wav_.applyFormat();
}

void OptionDialogs::applyMp3() {
    mp3_.applySettings();
}

void OptionDialogs::applyOggVorbis() {
    ogg_.applySettings();
}

FormatDialogsMaker OptionDialogs::forOtherComponents() const {
    FormatSettings settings;
    settings.pcmWav = wav_.choice();
    // The MP3 dialog writes its controls into the encoder before every MP3 output and, after a preset or a command
    // line, takes back what the encoder made of them; each copy does the same with controls of its own.
    settings.mp3.dialog = mp3_.controls();
    settings.oggVorbis = oggVorbisSettingOf(ogg_.controls());
    // A command line changes only the settings it names, so every encoder starts from the main encoder's settings.
    return
        [makeDialogs = chosenDialogsMaker(std::move(settings)), start = snapshotMp3Settings(*components_.mp3Encoder)](
            ComponentSet& components) -> std::unique_ptr<FormatDialogs> {
            restoreMp3Settings(*components.mp3Encoder, start);
            return makeDialogs(components);
        };
}
