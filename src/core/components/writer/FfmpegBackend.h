#pragma once

#include "WriterBackend.h"

// Outputs encoded by FFmpeg: MP2 (libtwolame, else FFmpeg's own mp2), WMA (wmav2 in ASF), 2-bit G.726 in WAV, and
// ALAC and AAC in MP4 (.m4a) with the index first; AAC's encoder delay and padding are recorded twice, as the
// muxer's edit list and as an iTunSMPB tag, so players of either kind play the source's length.
[[nodiscard]] std::unique_ptr<WriterBackend> openMp2Backend(const WriterFormat& format, const QString& fileName);
[[nodiscard]] std::unique_ptr<WriterBackend> openWmaBackend(const WriterFormat& format, const QString& fileName);
[[nodiscard]] std::unique_ptr<WriterBackend> openAlacBackend(const WriterFormat& format, const QString& fileName);
[[nodiscard]] std::unique_ptr<WriterBackend> openAacBackend(const WriterFormat& format, const QString& fileName);
[[nodiscard]] std::unique_ptr<WriterBackend> openG726WavBackend(const WriterFormat& format, const QString& fileName);

// The ASF packet size that holds whole WMA frames of this size with little padding. The ASF muxer never
// splits a frame across packets, so its default size wastes most of a packet at some bit rates.
[[nodiscard]] int asfPacketSizeFor(int blockAlign);
