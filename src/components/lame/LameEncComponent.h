#pragma once

#include "components/IAudioFile2LameEnc.h"

// The MP3 encoder settings object over LAME.
class LameEncComponent : public IAudioFile2LameEnc {
public:
    void applyCommandLine(const QString& commandLine) override;
    void applyPreset(int preset) override;
    void applyAlternativePreset(int preset) override;
    int setting(Mp3Setting which) const override;
    void setSetting(Mp3Setting which, int value) override;
};
