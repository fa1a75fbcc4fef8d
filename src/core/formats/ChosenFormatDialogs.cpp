#include "ChosenFormatDialogs.h"

#include "Mp3Controls.h"
#include "core/components/ComponentSet.h"
#include "core/components/IAudioFile2LameEnc.h"

void ChosenFormatDialogs::applyPcmWav() {
    applyPcmWavChoice(*components_.writer, settings_.pcmWav);
}

void ChosenFormatDialogs::applyMp3() {
    auto& encoder = *components_.mp3Encoder;
    writeMp3Choice(encoder, settings_.mp3, settings_.panel);
    handMp3SettingsToWriter(encoder, *components_.writer);
}

void ChosenFormatDialogs::applyOggVorbis() {
    applyOggVorbisSetting(*components_.writer, settings_.oggVorbis);
}

void writeMp3Choice(IAudioFile2LameEnc& encoder, const Mp3Choice& choice, const PanelValues& panel) {
    // Each part is written with controls of its own: after a preset or a command line the controls take back what
    // the encoder made of them, which must not leak into the next output's choice.
    if (choice.dialog) {
        Mp3Controls controls = *choice.dialog;
        (void)writeMp3Controls(encoder, controls);
    }
    Mp3Controls controls;
    if (choice.preset) {
        controls.presetOn = true;
        controls.presetItem = *choice.preset - 1;
        (void)writeMp3Controls(encoder, controls);
    }
    if (choice.altPreset) {
        controls.altPresetOn = true;
        controls.altPresetItem = *choice.altPreset - 1;
        (void)writeMp3Controls(encoder, controls);
    }
    if (choice.lameSwitches) {
        controls.page = Mp3Page::CommandLine;
        controls.commandLine = *choice.lameSwitches;
        (void)writeMp3Controls(encoder, controls);
    }
    if (choice.panelRate)
        encoder.setSetting(Mp3Setting::OutputSampleRate, panel.sampleRate);
    if (choice.panelChannels) {
        // Stereo keeps a stereo channel mode the encoder already has, else joint stereo.
        constexpr int kJointStereoItem = 2;
        const int mode = encoder.setting(Mp3Setting::ChannelMode);
        writeMp3ChannelItem(encoder, panel.channels == 1 ? 0 : (mode != 0 ? mode : kJointStereoItem));
    }
}

FormatDialogsMaker chosenDialogsMaker(FormatSettings settings) {
    return [settings = std::move(settings)](ComponentSet& components) -> std::unique_ptr<FormatDialogs> {
        return std::make_unique<ChosenFormatDialogs>(components, settings);
    };
}
