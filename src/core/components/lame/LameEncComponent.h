#pragma once

#include "LameMapping.h"
#include "core/components/IAudioFile2LameEnc.h"

// The MP3 encoder settings object over LAME. It starts with LAME's own defaults (128 kbit/s CBR, joint stereo,
// 44100 Hz out). Presets are LAME's: after a preset, or a command line, the settings read back are the values LAME
// itself reports for that configuration, so they describe what the next MP3 output will do.
class LameEncComponent : public IAudioFile2LameEnc {
public:
    LameEncComponent();

    void applyCommandLine(const QString& commandLine) override;
    void applyPreset(int preset) override;
    void applyAlternativePreset(int preset) override;
    int setting(Mp3Setting which) const override;
    // Raises ComponentError for a value out of the setting's range; see Mp3Setting for the ranges.
    void setSetting(Mp3Setting which, int value) override;

private:
    Mp3SettingValues values_;
};
