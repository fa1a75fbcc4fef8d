#include "OpusBackend.h"

#include "ChannelLayouts.h"

#include "OutputFileError.h"
#include "StdioFile.h"
#include "core/ports/Messages.h"

#include <array>
#include <opusenc.h>

namespace {

struct OpusCommentsDeleter {
    void operator()(OggOpusComments* comments) const { ope_comments_destroy(comments); }
};
struct OpusEncoderDeleter {
    void operator()(OggOpusEnc* encoder) const { ope_encoder_destroy(encoder); }
};

// Single-stream Opus, the mapping every player knows for one or two channels; surround layouts up to 7.1 take the
// Vorbis channel order of mapping family 1.
constexpr int kMonoOrStereoMapping = 0;
// opusenc's default effort; libopus on its own uses 9.
constexpr int kOpusencComplexity = 10;
constexpr int kSurroundMapping = 1;

QString opusText(int error) {
    return QString::fromUtf8(ope_strerror(error));
}

// libopusenc writes its pages through these into our own file, so that a failed write keeps the system's reason
// (a full disk) where libopusenc would only state that a write failed. Non-zero tells it the write failed.
int writePage(void* user, const unsigned char* bytes, opus_int32 size) {
    const auto wanted = static_cast<std::size_t>(size);
    return static_cast<StdioFile*>(user)->writeSome(bytes, wanted) == wanted ? 0 : 1;
}

// The file is closed by the backend, which can report a failure of the last bytes.
int keepOpen(void*) {
    return 0;
}

class OpusBackend final : public WriterBackend {
public:
    OpusBackend(const WriterFormat& format, const QString& fileName)
        : fileName_(fileName), channels_(format.channels), order_(channellayout::vorbisOrder(format.channels)),
          file_(fileName) {
        comments_.reset(ope_comments_create());
        if (!comments_)
            outputerror::encoderFailure(QStringLiteral("libopusenc"), Messages::OutOfMemory());
        int error = OPE_OK;
        const OpusEncCallbacks callbacks{writePage, keepOpen};
        encoder_.reset(
            ope_encoder_create_callbacks(&callbacks, &file_, comments_.get(), format.sampleRate, format.channels,
                                         format.channels > 2 ? kSurroundMapping : kMonoOrStereoMapping, &error));
        if (!encoder_)
            outputerror::cannotCreate(fileName, opusText(error));
        check(ope_encoder_ctl(encoder_.get(), OPUS_SET_BITRATE(format.kbps * 1000)));
        check(ope_encoder_ctl(encoder_.get(), OPUS_SET_VBR(1)));
        // Unconstrained VBR, as opusenc uses: libopus's default constrained VBR holds every packet near the nominal
        // rate, and so made files about 16 % larger than opusenc's at the same rate on music that needs less.
        check(ope_encoder_ctl(encoder_.get(), OPUS_SET_VBR_CONSTRAINT(0)));
        check(ope_encoder_ctl(encoder_.get(), OPUS_SET_COMPLEXITY(kOpusencComplexity)));
        check(ope_encoder_ctl(encoder_.get(), OPUS_SET_SIGNAL(format.speech ? OPUS_SIGNAL_VOICE : OPUS_SIGNAL_MUSIC)));
    }

    void write(std::span<const float> samples) override {
        const auto frames = static_cast<int>(samples.size() / static_cast<std::size_t>(channels_));
        if (channels_ > 2) {
            reordered_.resize(samples.size());
            channellayout::reorder(samples, channels_, order_, reordered_);
            samples = reordered_;
        }
        if (const int result = ope_encoder_write_float(encoder_.get(), samples.data(), frames); result != OPE_OK)
            outputerror::writeFailure(fileName_, failureReason(result));
        wroteSamples_ = wroteSamples_ || frames > 0;
    }

    // libopusenc cannot drain an encoder that never got a sample (it aborts the program), and a stream without
    // one audio packet is no Opus file readers accept: one silent sample makes one, and the stream's end position
    // tells decoders that it holds just that sample.
    void finish() override {
        if (!wroteSamples_) {
            const std::array<float, channellayout::kMostChannels> silence{};
            write(std::span(silence.data(), static_cast<std::size_t>(channels_)));
        }
        if (const int result = ope_encoder_drain(encoder_.get()); result != OPE_OK)
            outputerror::writeFailure(fileName_, failureReason(result));
        encoder_.reset();
        file_.close();
    }

private:
    // The system's reason when the file refused bytes, else libopusenc's own words.
    [[nodiscard]] QString failureReason(int result) const {
        return file_.failure().isEmpty() ? opusText(result) : file_.failure();
    }

    void check(int result) const {
        if (result != OPE_OK)
            outputerror::encoderFailure(QStringLiteral("libopusenc"), opusText(result));
    }

    QString fileName_;
    int channels_;
    std::array<int, channellayout::kMostChannels> order_;
    std::vector<float> reordered_;
    bool wroteSamples_ = false;
    StdioFile file_; // declared before the encoder, which writes into it until it is destroyed
    std::unique_ptr<OggOpusComments, OpusCommentsDeleter> comments_;
    std::unique_ptr<OggOpusEnc, OpusEncoderDeleter> encoder_;
};

} // namespace

std::unique_ptr<WriterBackend> openOpusBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<OpusBackend>(format, fileName);
}
