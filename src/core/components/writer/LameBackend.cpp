#include "LameBackend.h"

#include "FormatRules.h"
#include "OutputFileError.h"
#include "StdioFile.h"
#include "core/components/common/LameHandles.h"
#include "core/ports/Messages.h"

#include <array>
#include <lame.h>

namespace {

constexpr std::array kMp3Rates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
constexpr int kDefaultRate = 44100;

// Sets up an encoder whose input is already at the output rate, so LAME never resamples (libswresample does).
LameEncoderHandle initialisedEncoder(const WriterFormat& format) {
    LameEncoderHandle encoder(lame_init());
    if (!encoder)
        outputerror::encoderFailure(QStringLiteral("LAME"), Messages::CannotMakeEncoder());
    lame_global_flags* flags = encoder.get();
    if (format.mp3.settings) {
        applyMp3Settings(*format.mp3.settings, flags);
    } else {
        lame_set_brate(flags, format.kbps);
        lame_set_VBR(flags, vbr_off);
        if (format.channels == 1)
            lame_set_mode(flags, MONO);
    }
    lame_set_num_channels(flags, format.channels);
    lame_set_in_samplerate(flags, format.sampleRate);
    lame_set_out_samplerate(flags, format.sampleRate);
    lame_set_write_id3tag_automatic(flags, 0);
    if (lame_init_params(flags) < 0)
        outputerror::encoderFailure(
            QStringLiteral("LAME"),
            QStringLiteral("settings refused at %1 Hz, %2 channels").arg(format.sampleRate).arg(format.channels));
    return encoder;
}

WriterFormat planned(WriterFormat format) {
    const LameEncoderHandle encoder = initialisedEncoder(format);
    lame_global_flags* flags = encoder.get();
    format.sampleRate = lame_get_out_samplerate(flags);
    format.mp3.vbrMode = lame_get_VBR(flags);
    format.mp3.lameMode = lame_get_mode(flags);
    format.mp3.vbrQuality = lame_get_VBR_q(flags);
    switch (format.mp3.vbrMode) {
    case vbr_off:
        format.mp3.kbps = lame_get_brate(flags);
        break;
    case vbr_abr:
        format.mp3.kbps = lame_get_VBR_mean_bitrate_kbps(flags);
        break;
    default:
        format.mp3.kbps = lame_get_VBR_max_bitrate_kbps(flags);
        break;
    }
    format.kbps = format.mp3.kbps;
    return format;
}

WriterFormat mp3Base(int sampleRate, int channels) {
    WriterFormat format;
    format.codec = OutputCodec::Mp3;
    format.sampleRate = formatrules::nearestOf(sampleRate, kMp3Rates);
    format.channels = formatrules::clampChannels(channels, 2);
    return format;
}

class LameBackend final : public WriterBackend {
public:
    LameBackend(const WriterFormat& format, const QString& fileName)
        : file_(fileName), encoder_(initialisedEncoder(format)), channels_(format.channels) {}

    void write(std::span<const float> samples) override {
        const auto frames = static_cast<int>(samples.size() / static_cast<std::size_t>(channels_));
        // LAME's own worst case for one call: 1.25 × samples + 7200 bytes.
        output_.resize(static_cast<std::size_t>(frames) * 5 / 4 + 7200);
        const int bytes =
            channels_ == 2 ? lame_encode_buffer_interleaved_ieee_float(encoder_.get(), samples.data(), frames,
                                                                       output_.data(), static_cast<int>(output_.size()))
                           : lame_encode_buffer_ieee_float(encoder_.get(), samples.data(), samples.data(), frames,
                                                           output_.data(), static_cast<int>(output_.size()));
        store(bytes);
        wroteSamples_ = wroteSamples_ || frames > 0;
    }

    void finish() override {
        // A stream without a single audio frame is no MP3 that readers accept; one silent sample makes one,
        // and the LAME tag tells gapless decoders that it holds just that sample.
        if (!wroteSamples_) {
            const std::array<float, 2> silence{};
            write(std::span(silence.data(), static_cast<std::size_t>(channels_)));
        }
        output_.resize(7200);
        store(lame_encode_flush(encoder_.get(), output_.data(), static_cast<int>(output_.size())));
        // The first frame was written as a placeholder; now that the stream is complete it gets the real
        // LAME/Xing tag (length, seek table, encoder delay and padding for gapless players).
        if (lame_get_bWriteVbrTag(encoder_.get()) != 0) {
            std::array<unsigned char, 2880> tag{};
            const std::size_t size = lame_get_lametag_frame(encoder_.get(), tag.data(), tag.size());
            if (size > 0 && size <= tag.size())
                file_.writeAt(0, std::span(tag.data(), size));
        }
        file_.close();
    }

private:
    void store(int bytes) {
        if (bytes < 0)
            outputerror::encoderFailure(QStringLiteral("LAME"), QStringLiteral("encoding error %1").arg(bytes));
        file_.write(std::span(output_.data(), static_cast<std::size_t>(bytes)));
    }

    StdioFile file_;
    LameEncoderHandle encoder_;
    int channels_;
    bool wroteSamples_ = false;
    std::vector<unsigned char> output_;
};

} // namespace

WriterFormat planMp3(int sampleRate, int kbps, int channels) {
    WriterFormat format = mp3Base(sampleRate, channels);
    format.kbps = kbps;
    return planned(format);
}

WriterFormat planMp3(const Mp3SettingValues& settings) {
    const int requestedRate = settings[static_cast<std::size_t>(Mp3Setting::OutputSampleRate)];
    const int channels = settings[static_cast<std::size_t>(Mp3Setting::Channels)];
    WriterFormat format = mp3Base(requestedRate > 0 ? requestedRate : kDefaultRate, channels);
    format.mp3.settings = settings;
    return planned(format);
}

std::unique_ptr<WriterBackend> openMp3Backend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<LameBackend>(format, fileName);
}
