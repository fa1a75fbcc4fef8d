#pragma once

#include "LameMapping.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct lame_global_struct;

// Runs a configuration on a scratch encoder that takes CD audio (44100 Hz, stereo), lets LAME complete it
// (lame_init_params) and reads the settings back, so they state what LAME will really do. The filter
// frequencies are the ones the configuration set, not the ones LAME derives from the bit rate: a derived low-pass
// written back as the user's own would stay fixed when the user later raises the bit rate.
// Raises ComponentError when LAME refuses the configuration.
[[nodiscard]] Mp3SettingValues describeLameConfiguration(const std::function<void(lame_global_struct*)>& configure);

// The settings LAME starts with: 128 kbit/s CBR, joint stereo, 44100 Hz out.
[[nodiscard]] Mp3SettingValues defaultMp3Settings();
// Presets 1..11: Phone, SW, AM, FM, Voice, Radio, Tape, HiFi, CD, Studio, R3Mix. Raises ComponentError outside.
[[nodiscard]] Mp3SettingValues presetMp3Settings(int preset);
// Alternative presets 1..5: Fast Standard, Standard, Fast Extreme, Extreme, Insane. Raises ComponentError outside.
[[nodiscard]] Mp3SettingValues alternativePresetMp3Settings(int preset);
// The preset a LAME command line names after --preset ("standard", "fast extreme", "cd", "cbr 192", "160").
// Takes the words it uses from the front of words; nullopt when they name no preset.
[[nodiscard]] std::optional<Mp3SettingValues> namedPresetMp3Settings(QStringList& words);
