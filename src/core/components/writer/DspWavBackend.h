#pragma once

#include "WriterBackend.h"

// DSP Group TrueSpeech in WAV: 8000 Hz mono 16-bit samples handed to the TrueSpeech file writer.
[[nodiscard]] std::unique_ptr<WriterBackend> openDspWavBackend(const WriterFormat& format, const QString& fileName);
