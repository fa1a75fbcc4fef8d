#pragma once

#include "WriterBackend.h"

// Outputs encoded by FFmpeg: MP2 (libtwolame, else FFmpeg's own mp2), WMA (wmav2 in ASF) and 2-bit G.726 in WAV.
[[nodiscard]] std::unique_ptr<WriterBackend> openMp2Backend(const WriterFormat& format, const QString& fileName);
[[nodiscard]] std::unique_ptr<WriterBackend> openWmaBackend(const WriterFormat& format, const QString& fileName);
[[nodiscard]] std::unique_ptr<WriterBackend> openG726WavBackend(const WriterFormat& format, const QString& fileName);

// The ASF packet size that holds whole WMA frames of this size with little padding. The ASF muxer never
// splits a frame across packets, so its default size wastes most of a packet at some bit rates.
[[nodiscard]] int asfPacketSizeFor(int blockAlign);
