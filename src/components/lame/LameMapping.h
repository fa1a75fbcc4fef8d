#pragma once

#include "components/Mp3Setting.h"

#include <array>

class IAudioFile2LameEnc;
struct lame_global_struct;

// All settings of an MP3 encoder settings object at one moment. The writer takes such a snapshot when the
// settings object is handed to it, so later changes to the object affect only later hand-overs.
using Mp3SettingValues = std::array<int, kMp3SettingCount>;

[[nodiscard]] Mp3SettingValues snapshotMp3Settings(const IAudioFile2LameEnc& settings);
// Applies the values to a LAME encoder before lame_init_params(); the sample rate and channel count of the input
// are the caller's.
void applyMp3Settings(const Mp3SettingValues& values, lame_global_struct* encoder);
