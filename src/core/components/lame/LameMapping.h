#pragma once

#include "core/components/Mp3Setting.h"
#include "core/components/common/LameHandles.h"

#include <array>
#include <memory>

class IAudioFile2LameEnc;

// All settings of an MP3 encoder settings object at one moment. The writer takes such a snapshot when the
// settings object is handed to it, so later changes to the object affect only later hand-overs.
using Mp3SettingValues = std::array<int, kMp3SettingCount>;

[[nodiscard]] inline int& valueOf(Mp3SettingValues& values, Mp3Setting which) {
    return values[static_cast<std::size_t>(which)];
}
[[nodiscard]] inline int valueOf(const Mp3SettingValues& values, Mp3Setting which) {
    return values[static_cast<std::size_t>(which)];
}

[[nodiscard]] Mp3SettingValues snapshotMp3Settings(const IAudioFile2LameEnc& settings);
// Gives a settings object the values of a snapshot, so that it describes the same MP3 output as the object the
// snapshot was taken from. Raises the object's ComponentError for a value it does not take.
void restoreMp3Settings(IAudioFile2LameEnc& settings, const Mp3SettingValues& values);
// Applies the values to a LAME encoder before lame_init_params(); the sample rate and channel count of the input
// are the caller's. Bit rates and output rates that MPEG does not allow are left to LAME, which takes the nearest
// legal ones, so lame_init_params() accepts every combination the settings object can hold.
void applyMp3Settings(const Mp3SettingValues& values, lame_global_struct* encoder);
// Reads an encoder's configuration back into settings, best after lame_init_params() so that the values LAME
// derives itself (low-pass, output rate, quality) are the ones it will really use.
[[nodiscard]] Mp3SettingValues readMp3Settings(const lame_global_struct* encoder);

// A fresh encoder that prints nothing to the console; raises ComponentError when LAME cannot make one.
[[nodiscard]] LameEncoderHandle makeLameEncoder();
