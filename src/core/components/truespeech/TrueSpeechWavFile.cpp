#include "TrueSpeechWavFile.h"

#include "TrueSpeechEncoder.h"
#include "core/components/ComponentError.h"
#include "core/components/writer/StdioFile.h"

#include <QCoreApplication>
#include <array>
#include <limits>

namespace {

constexpr int kFormatTag = 0x0022;
constexpr int kSampleRate = 8000;
constexpr int kBytesPerSecond = 1067;
constexpr int kFormatExtraSize = 32;
constexpr int kFormatChunkSize = 18 + kFormatExtraSize;
// RIFF header, fmt chunk, fact chunk and the data chunk's header.
constexpr qint64 kHeaderSize = 12 + (8 + kFormatChunkSize) + (8 + 4) + 8;
constexpr qint64 kRiffSizeOffset = 4;
constexpr qint64 kFactOffset = 12 + 8 + kFormatChunkSize + 8;
constexpr qint64 kDataSizeOffset = kFactOffset + 4 + 4;

class HeaderBuilder {
public:
    void tag(const char* fourCc) { bytes_.append(fourCc, 4); }
    void u16(int value) {
        bytes_.append(static_cast<char>(value & 0xFF));
        bytes_.append(static_cast<char>((value >> 8) & 0xFF));
    }
    void u32(quint32 value) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes_.append(static_cast<char>((value >> shift) & 0xFF));
        }
    }
    void zeros(int count) { bytes_.append(count, '\0'); }
    [[nodiscard]] const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

QByteArray header(quint32 sampleCount, quint32 dataSize) {
    HeaderBuilder h;
    h.tag("RIFF");
    h.u32(static_cast<quint32>(kHeaderSize - 8) + dataSize);
    h.tag("WAVE");
    h.tag("fmt ");
    h.u32(kFormatChunkSize);
    h.u16(kFormatTag);
    h.u16(1); // mono
    h.u32(kSampleRate);
    h.u32(kBytesPerSecond);
    h.u16(TrueSpeechEncoder::kFrameBytes);
    h.u16(1); // bits per sample, as the codec's own files say
    h.u16(kFormatExtraSize);
    h.u16(1); // revision
    h.u16(TrueSpeechEncoder::kFrameSamples);
    h.zeros(kFormatExtraSize - 4);
    h.tag("fact");
    h.u32(4);
    h.u32(sampleCount);
    h.tag("data");
    h.u32(dataSize);
    return h.bytes();
}

QByteArray littleEndian32(quint32 value) {
    HeaderBuilder h;
    h.u32(value);
    return h.bytes();
}

} // namespace

// Written through stdio, which keeps on writing after a short write and so names the real reason of a failure
// (a full disk).
struct TrueSpeechWavFile::Impl {
    explicit Impl(const QString& fileName) : file(fileName) {}

    StdioFile file;
    TrueSpeechEncoder encoder;
    std::array<std::int16_t, TrueSpeechEncoder::kFrameSamples> pending{};
    int pendingCount = 0;
    quint64 sampleCount = 0;
    quint64 blockCount = 0;

    void write(const QByteArray& bytes) {
        file.write({reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
    }

    void writeAt(qint64 offset, const QByteArray& bytes) {
        file.writeAt(static_cast<long>(offset), {reinterpret_cast<const unsigned char*>(bytes.constData()),
                                                 static_cast<std::size_t>(bytes.size())});
    }

    void encodePending() {
        const auto block = encoder.encode(pending);
        file.write({reinterpret_cast<const unsigned char*>(block.data()), block.size()});
        pending.fill(0);
        pendingCount = 0;
        ++blockCount;
    }

    // The last block is padded with silence; the fact chunk keeps the true length.
    void finish() {
        if (pendingCount > 0) {
            encodePending();
        }
        const auto dataSize = static_cast<quint32>(blockCount * TrueSpeechEncoder::kFrameBytes);
        writeAt(kRiffSizeOffset, littleEndian32(static_cast<quint32>(kHeaderSize - 8) + dataSize));
        writeAt(kFactOffset, littleEndian32(static_cast<quint32>(sampleCount)));
        writeAt(kDataSizeOffset, littleEndian32(dataSize));
        file.close();
    }
};

TrueSpeechWavFile::TrueSpeechWavFile() = default;

// A file left open (the caller gave up half-way) still gets a consistent header for what was written; there is
// no one left to report a failure to at this point.
TrueSpeechWavFile::~TrueSpeechWavFile() {
    try {
        close();
    } catch (const ComponentError&) {
    }
}

void TrueSpeechWavFile::create(const QString& fileName) {
    close();
    auto impl = std::make_unique<Impl>(fileName);
    impl->write(header(0, 0));
    impl_ = std::move(impl);
}

void TrueSpeechWavFile::write(std::span<const std::int16_t> samples) {
    if (!isOpen()) {
        throw ComponentError(QCoreApplication::translate("Components", "No DSP WAV file is open for writing."),
                             LastError::CannotCreate);
    }
    // The fact chunk counts samples in 32 bits: about 149 hours at 8000 Hz.
    if (impl_->sampleCount + samples.size() > std::numeric_limits<quint32>::max()) {
        throw ComponentError(
            QCoreApplication::translate("Components", "The DSP WAV file \"%1\" would exceed the format's length limit.")
                .arg(impl_->file.name()),
            LastError::EncoderFailure);
    }
    for (const std::int16_t sample : samples) {
        impl_->pending[static_cast<std::size_t>(impl_->pendingCount++)] = sample;
        ++impl_->sampleCount;
        if (impl_->pendingCount == TrueSpeechEncoder::kFrameSamples) {
            impl_->encodePending();
        }
    }
}

void TrueSpeechWavFile::close() {
    if (!isOpen()) {
        return;
    }
    // Whatever happens, the file is no longer ours to write once close() has been called.
    const auto impl = std::move(impl_);
    impl->finish();
}

bool TrueSpeechWavFile::isOpen() const {
    return impl_ != nullptr;
}
