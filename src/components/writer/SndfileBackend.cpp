#include "SndfileBackend.h"

#include "OutputFileError.h"
#include "SampleQuantizer.h"
#include "components/common/HeaderlessInfo.h"

#include <QFile>
#include <sndfile.h>

namespace {

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfilePtr = std::unique_ptr<SNDFILE, SndfileCloser>;

class SndfileBackend final : public WriterBackend {
public:
    SndfileBackend(const WriterFormat& format, const QString& fileName, int sndfileFormat, int bits,
                   std::optional<HeaderlessInfo> headerless)
        : fileName_(fileName), bits_(bits), headerless_(std::move(headerless)) {
        SF_INFO info{};
        info.samplerate = format.sampleRate;
        info.channels = format.channels;
        info.format = sndfileFormat;
        if (!sf_format_check(&info))
            outputerror::encoderFailure(QStringLiteral("libsndfile"),
                                        QStringLiteral("format not accepted at %1 Hz, %2 channels")
                                            .arg(format.sampleRate)
                                            .arg(format.channels));
        file_.reset(sf_open(QFile::encodeName(fileName).constData(), SFM_WRITE, &info));
        if (!file_)
            outputerror::cannotCreate(fileName, QString::fromUtf8(sf_strerror(nullptr)));
    }

    void write(std::span<const float> samples) override {
        samplequant::toLeftAligned(samples, bits_, buffer_);
        const auto count = static_cast<sf_count_t>(buffer_.size());
        if (sf_write_int(file_.get(), buffer_.data(), count) != count)
            outputerror::writeFailure(fileName_, QString::fromUtf8(sf_strerror(file_.get())));
    }

    void finish() override {
        // sf_close writes the final chunk sizes and flushes the codec's last partial block.
        const int result = sf_close(file_.release());
        if (result != 0)
            outputerror::writeFailure(fileName_, QString::fromUtf8(sf_error_number(result)));
        // Headerless files carry their parameters as file attributes; a file system without them keeps defaults.
        if (headerless_)
            writeHeaderlessInfo(fileName_, *headerless_);
    }

private:
    QString fileName_;
    int bits_;
    std::optional<HeaderlessInfo> headerless_;
    SndfilePtr file_;
    std::vector<std::int32_t> buffer_;
};

int pcmSubtype(int bits) {
    switch (bits) {
    case 8:
        return SF_FORMAT_PCM_U8;
    case 24:
        return SF_FORMAT_PCM_24;
    default:
        return SF_FORMAT_PCM_16;
    }
}

} // namespace

std::unique_ptr<WriterBackend> openPcmWavBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<SndfileBackend>(format, fileName, SF_FORMAT_WAV | pcmSubtype(format.bits), format.bits,
                                            std::nullopt);
}

std::unique_ptr<WriterBackend> openAdpcmWavBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<SndfileBackend>(format, fileName, SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 16, std::nullopt);
}

std::unique_ptr<WriterBackend> openGsmWavBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<SndfileBackend>(format, fileName, SF_FORMAT_WAV | SF_FORMAT_GSM610, 16, std::nullopt);
}

std::unique_ptr<WriterBackend> openVoxBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<SndfileBackend>(format, fileName, SF_FORMAT_RAW | SF_FORMAT_VOX_ADPCM, 16,
                                            HeaderlessInfo{format.sampleRate, 1, QStringLiteral("vox")});
}
