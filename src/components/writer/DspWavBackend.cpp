#include "DspWavBackend.h"

#include "SampleQuantizer.h"
#include "components/truespeech/TrueSpeechWavFile.h"

namespace {

class DspWavBackend final : public WriterBackend {
public:
    explicit DspWavBackend(const QString& fileName) { file_.create(fileName); }

    void write(std::span<const float> samples) override {
        samplequant::toInt16(samples, linear_);
        file_.write(linear_);
    }

    void finish() override { file_.close(); }

private:
    TrueSpeechWavFile file_;
    std::vector<std::int16_t> linear_;
};

} // namespace

std::unique_ptr<WriterBackend> openDspWavBackend(const WriterFormat&, const QString& fileName) {
    return std::make_unique<DspWavBackend>(fileName);
}
