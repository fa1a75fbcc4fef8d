#pragma once

#include "Mp3Setting.h"

#include <QString>

// The MP3 encoder settings object. It only holds settings; the writer reads them when it creates an MP3 file.
class IAudioFile2LameEnc {
public:
    virtual ~IAudioFile2LameEnc() = default;

    // Parses a LAME-style command line ("-b 192 -q 2 --vbr-new ...") into the settings.
    // Raises ComponentError naming the first switch it does not know.
    virtual void applyCommandLine(const QString& commandLine) = 0;
    // Presets 1..11: Phone, SW, AM, FM, Voice, Radio, Type, HiFi, CD, Studio, R3Mix.
    virtual void applyPreset(int preset) = 0;
    // Alternative presets 1..5: Fast Standard, Standard, Fast Extreme, Extreme, Insane.
    virtual void applyAlternativePreset(int preset) = 0;

    [[nodiscard]] virtual int setting(Mp3Setting which) const = 0;
    virtual void setSetting(Mp3Setting which, int value) = 0;
};
