#include "RawBackend.h"

#include "SampleQuantizer.h"
#include "StdioFile.h"
#include "core/components/common/HeaderlessInfo.h"

#include <QtEndian>

namespace {

// Headerless signed 16-bit little-endian samples; the parameters go to the file's attributes at the end.
class RawBackend final : public WriterBackend {
public:
    RawBackend(const WriterFormat& format, const QString& fileName)
        : file_(fileName), info_{format.sampleRate, format.channels, QStringLiteral("s16le")} {}

    void write(std::span<const float> samples) override {
        samplequant::toInt16(samples, samples_);
        for (auto& sample : samples_)
            sample = qToLittleEndian(sample);
        file_.write({reinterpret_cast<const unsigned char*>(samples_.data()), samples_.size() * sizeof(std::int16_t)});
    }

    void finish() override {
        file_.close();
        writeHeaderlessInfo(file_.name(), info_);
    }

private:
    StdioFile file_;
    HeaderlessInfo info_;
    std::vector<std::int16_t> samples_;
};

} // namespace

std::unique_ptr<WriterBackend> openRawBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<RawBackend>(format, fileName);
}
