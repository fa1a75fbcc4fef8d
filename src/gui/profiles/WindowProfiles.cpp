#include "WindowProfiles.h"

#include "core/platform/IniFile.h"
#include "core/profiles/WindowCoverage.h"
#include "core/settings/Settings.h"
#include "gui/batch/ConvertGroup.h"
#include "gui/common/ErrorReport.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/formats/Mp3OptionsDialog.h"
#include "gui/formats/OggVorbisOptionsDialog.h"
#include "gui/formats/WavOptionsDialog.h"

namespace {

void storeBatchChoices(const ProfileControls& controls, const BatchOrder& order) {
    SettingsStore& settings = controls.settings;
    const Settings& values = settings.values();
    // Both stores take their values into memory before writing: the user hears once that they will not last.
    std::optional<QString> failure;
    try {
        settings.storeOptions(values.defaultFolder, values.checkItem, order.openFolder, order.copyTags,
                              values.saveState);
    } catch (const IniWriteError& error) {
        failure = error.message();
    }
    try {
        settings.storeBatchOptions(BatchOptions::of(order));
    } catch (const IniWriteError& error) {
        failure = failure.value_or(error.message());
    }
    if (failure)
        controls.prompts.reportError(*failure);
}

} // namespace

void showProfileInControls(const ProfileControls& controls, const BatchOrder& order) {
    for (const OutputFormatFacts& facts : outputFormatTable())
        controls.formats.setChecked(facts.format, order.formats.count(facts.format) > 0);
    const FormatSettings& formats = order.formatSettings;
    controls.pane.setPanelValues(formats.panel);
    controls.pane.setVolumeChange(order.volumePercent);
    controls.wav.setChoice(formats.pcmWav);
    // A profile saved without the MP3 dialog's controls leaves the dialog as it is.
    if (formats.mp3.dialog)
        controls.mp3.setControls(*formats.mp3.dialog);
    controls.ogg.setControls(oggVorbisControlsOf(formats.oggVorbis, controls.ogg.controls()));
    controls.convert.setOutputFolder(order.folderText);
    storeBatchChoices(controls, order);

    Prompts& prompts = controls.prompts;
    guarded(prompts, [&] { controls.wav.applyClicked(); });
    guarded(prompts, [&] { controls.mp3.applyClicked(); });
    guarded(prompts, [&] { controls.ogg.applyClicked(); });
}
