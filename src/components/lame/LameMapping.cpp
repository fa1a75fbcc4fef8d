#include "LameMapping.h"

#include "components/IAudioFile2LameEnc.h"

#include <lame.h>

Mp3SettingValues snapshotMp3Settings(const IAudioFile2LameEnc& settings) {
    Mp3SettingValues values{};
    for (int index = 0; index < kMp3SettingCount; ++index)
        values[static_cast<std::size_t>(index)] = settings.setting(static_cast<Mp3Setting>(index));
    return values;
}

void applyMp3Settings(const Mp3SettingValues& values, lame_global_struct* encoder) {
    lame_set_brate(encoder, values[static_cast<std::size_t>(Mp3Setting::Bitrate)]);
}
