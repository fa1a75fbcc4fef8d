#pragma once

#include "core/batch/BatchOrder.h"

class ConvertGroup;
class FormatBoxes;
class FormatOptionsPane;
class Mp3OptionsDialog;
class OggVorbisOptionsDialog;
class Prompts;
class SettingsStore;
class WavOptionsDialog;

// The main window's controls a profile covers: the format boxes, the options pane and its three dialogs, the output
// folder, and the Options dialog's choices kept in settings.ini.
struct ProfileControls {
    FormatBoxes& formats;
    FormatOptionsPane& pane;
    WavOptionsDialog& wav;
    Mp3OptionsDialog& mp3;
    OggVorbisOptionsDialog& ogg;
    ConvertGroup& convert;
    SettingsStore& settings;
    Prompts& prompts;
};

// Sets every control the order covers, then applies the three dialogs as their "Apply" buttons do, so the pane's
// strings describe the chosen formats. The Options dialog's choices go to settings.ini at once, as the dialog stores
// them; a file that cannot be written is reported, the choices hold for this run all the same.
void showProfileInControls(const ProfileControls& controls, const BatchOrder& order);
