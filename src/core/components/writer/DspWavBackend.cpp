#include "DspWavBackend.h"

#include "SampleQuantizer.h"
#include "core/components/truespeech/TrueSpeechWavFile.h"

#include <array>

namespace {

class DspWavBackend final : public WriterBackend {
public:
    explicit DspWavBackend(const QString& fileName) { file_.create(fileName); }

    void write(std::span<const float> samples) override {
        samplequant::toInt16(samples, linear_);
        file_.write(linear_);
        wroteSound_ = wroteSound_ || !linear_.empty();
    }

    // A file without one TrueSpeech frame is one no reader accepts, so a source too short to give a single sample
    // at 8 kHz still gets one frame of silence.
    void finish() override {
        if (!wroteSound_)
            file_.write(std::array<std::int16_t, 1>{});
        file_.close();
    }

private:
    bool wroteSound_ = false;
    TrueSpeechWavFile file_;
    std::vector<std::int16_t> linear_;
};

} // namespace

std::unique_ptr<WriterBackend> openDspWavBackend(const WriterFormat&, const QString& fileName) {
    return std::make_unique<DspWavBackend>(fileName);
}
