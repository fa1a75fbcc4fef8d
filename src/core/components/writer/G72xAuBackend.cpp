#include "G72xAuBackend.h"

#include "OutputFileError.h"
#include "SampleQuantizer.h"
#include "StdioFile.h"
#include "core/components/common/G726Handles.h"
#include "core/ports/Messages.h"

#include <QtEndian>
#include <array>

extern "C" {
#include <spandsp.h>
}

namespace {

constexpr std::uint32_t kAuMagic = 0x2e736e64; // ".snd"
constexpr std::uint32_t kHeaderSize = 24;
constexpr std::uint32_t kUnknownSize = 0xffffffff;
// Codes fill whole bytes after eight samples at any code size.
constexpr std::size_t kSamplesPerWholeBytes = 8;

std::uint32_t auEncoding(int bits) {
    switch (bits) {
    case 3:
        return 25;
    case 5:
        return 26;
    default:
        return 23;
    }
}

class G72xAuBackend final : public WriterBackend {
public:
    G72xAuBackend(const WriterFormat& format, const QString& fileName)
        : file_(fileName), sampleRate_(static_cast<std::uint32_t>(format.sampleRate)),
          encoding_(auEncoding(format.bits)) {
        // spandsp names the code size by its bit rate at 8 kHz; the file's own rate is free.
        state_.reset(g726_init(nullptr, format.bits * 8000, G726_ENCODING_LINEAR, G726_PACKING_RIGHT));
        if (!state_)
            outputerror::encoderFailure(QStringLiteral("G.726"), Messages::CannotMakeEncoder());
        file_.write(header(kUnknownSize));
    }

    void write(std::span<const float> samples) override {
        samplequant::toInt16(samples, linear_);
        encode(linear_);
    }

    void finish() override {
        // Silence up to the next byte boundary, so the encoder's last bits reach the file.
        const std::size_t remainder = samplesWritten_ % kSamplesPerWholeBytes;
        if (remainder != 0) {
            linear_.assign(kSamplesPerWholeBytes - remainder, 0);
            encode(linear_);
        }
        file_.writeAt(0, header(static_cast<std::uint32_t>(dataBytes_)));
        file_.close();
    }

private:
    std::array<unsigned char, kHeaderSize> header(std::uint32_t dataSize) const {
        std::array<unsigned char, kHeaderSize> bytes{};
        const std::array<std::uint32_t, 6> fields{kAuMagic, kHeaderSize, dataSize, encoding_, sampleRate_, 1};
        for (std::size_t index = 0; index < fields.size(); ++index)
            qToBigEndian(fields[index], bytes.data() + index * 4);
        return bytes;
    }

    void encode(const std::vector<std::int16_t>& linear) {
        codes_.resize(linear.size()); // at most one byte per sample
        const int bytes = g726_encode(state_.get(), codes_.data(), linear.data(), static_cast<int>(linear.size()));
        if (bytes < 0)
            outputerror::encoderFailure(QStringLiteral("G.726"), QStringLiteral("encoding error"));
        file_.write(std::span(codes_.data(), static_cast<std::size_t>(bytes)));
        dataBytes_ += static_cast<std::uint64_t>(bytes);
        samplesWritten_ += linear.size();
    }

    StdioFile file_;
    std::uint32_t sampleRate_;
    std::uint32_t encoding_;
    G726StatePtr state_;
    std::vector<std::int16_t> linear_;
    std::vector<std::uint8_t> codes_;
    std::uint64_t dataBytes_ = 0;
    std::size_t samplesWritten_ = 0;
};

} // namespace

std::unique_ptr<WriterBackend> openG72xAuBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<G72xAuBackend>(format, fileName);
}
