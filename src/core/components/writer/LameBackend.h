#pragma once

#include "WriterBackend.h"

// MP3 through the LAME library. The plan functions configure a throw-away encoder and read back what LAME will
// really use (it clamps bit rates and picks sample rates itself), so the format string is exact.
[[nodiscard]] WriterFormat planMp3(int sampleRate, int kbps, int channels);
[[nodiscard]] WriterFormat planMp3(const Mp3SettingValues& settings);

[[nodiscard]] std::unique_ptr<WriterBackend> openMp3Backend(const WriterFormat& format, const QString& fileName);
