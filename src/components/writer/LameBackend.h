#pragma once

#include "WriterBackend.h"

// MP3 through the LAME library. The plan functions configure a throw-away encoder and read back what LAME will
// really use (it clamps bit rates and picks sample rates itself), so the format string is exact.
[[nodiscard]] OutputFormat planMp3(int sampleRate, int kbps, int channels);
[[nodiscard]] OutputFormat planMp3(const Mp3SettingValues& settings);

[[nodiscard]] std::unique_ptr<WriterBackend> openMp3Backend(const OutputFormat& format, const QString& fileName);
