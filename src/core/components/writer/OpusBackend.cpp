#include "OpusBackend.h"

#include "OutputFileError.h"

#include <QFile>
#include <opusenc.h>

namespace {

struct OpusCommentsDeleter {
    void operator()(OggOpusComments* comments) const { ope_comments_destroy(comments); }
};
struct OpusEncoderDeleter {
    void operator()(OggOpusEnc* encoder) const { ope_encoder_destroy(encoder); }
};

// Single-stream Opus, the mapping every player knows for one or two channels.
constexpr int kMonoOrStereoMapping = 0;

QString opusText(int error) {
    return QString::fromUtf8(ope_strerror(error));
}

class OpusBackend final : public WriterBackend {
public:
    OpusBackend(const WriterFormat& format, const QString& fileName) : fileName_(fileName), channels_(format.channels) {
        comments_.reset(ope_comments_create());
        if (!comments_)
            outputerror::encoderFailure(QStringLiteral("libopusenc"), QStringLiteral("out of memory"));
        int error = OPE_OK;
        const QByteArray path = QFile::encodeName(fileName);
        encoder_.reset(ope_encoder_create_file(path.constData(), comments_.get(), format.sampleRate, format.channels,
                                               kMonoOrStereoMapping, &error));
        if (!encoder_)
            outputerror::cannotCreate(fileName, opusText(error));
        check(ope_encoder_ctl(encoder_.get(), OPUS_SET_BITRATE(format.kbps * 1000)));
        check(ope_encoder_ctl(encoder_.get(), OPUS_SET_VBR(1)));
        check(ope_encoder_ctl(encoder_.get(), OPUS_SET_SIGNAL(format.speech ? OPUS_SIGNAL_VOICE : OPUS_SIGNAL_MUSIC)));
    }

    void write(std::span<const float> samples) override {
        const auto frames = static_cast<int>(samples.size() / static_cast<std::size_t>(channels_));
        if (const int result = ope_encoder_write_float(encoder_.get(), samples.data(), frames); result != OPE_OK)
            outputerror::writeFailure(fileName_, opusText(result));
    }

    void finish() override {
        if (const int result = ope_encoder_drain(encoder_.get()); result != OPE_OK)
            outputerror::writeFailure(fileName_, opusText(result));
        // Destroying the encoder closes the file.
        encoder_.reset();
    }

private:
    void check(int result) const {
        if (result != OPE_OK)
            outputerror::encoderFailure(QStringLiteral("libopusenc"), opusText(result));
    }

    QString fileName_;
    int channels_;
    std::unique_ptr<OggOpusComments, OpusCommentsDeleter> comments_;
    std::unique_ptr<OggOpusEnc, OpusEncoderDeleter> encoder_;
};

} // namespace

std::unique_ptr<WriterBackend> openOpusBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<OpusBackend>(format, fileName);
}
