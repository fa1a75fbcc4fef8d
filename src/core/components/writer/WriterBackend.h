#pragma once

#include "WriterFormat.h"

#include <QString>
#include <memory>
#include <span>

// One codec and container. A backend is made when the output file is created; it receives interleaved float
// samples already at the format's sample rate and channel count and clipped to [-1, 1] (unless it clips them itself,
// see clipsOnItsOwn), and converts them to its codec's sample format. finish() flushes the encoder and completes the
// file (trailers, final sizes); it is called once, also when no sample was written. A backend whose write or finish
// raised is only destroyed.
class WriterBackend {
public:
    virtual ~WriterBackend() = default;
    virtual void write(std::span<const float> samples) = 0;
    virtual void finish() = 0;
    // True when the backend takes samples as they come (beyond full scale, NaN) and clips them itself.
    [[nodiscard]] virtual bool clipsOnItsOwn() const { return false; }
};

// Makes the backend of the format's codec (a table, one entry per codec). Raises ComponentError.
[[nodiscard]] std::unique_ptr<WriterBackend> openWriterBackend(const WriterFormat& format, const QString& fileName);
