#include "FfmpegBackend.h"

#include "Mp4GaplessTag.h"
#include "OutputFileError.h"
#include "SampleQuantizer.h"
#include "core/components/common/FfmpegHandles.h"
#include "core/ports/Messages.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cerrno>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace {

// What differs between the FFmpeg outputs.
struct FfmpegRecipe {
    std::initializer_list<const char*> encoders; // first one present wins
    const char* muxer;
    int bitRate;       // bit/s
    int codeSize;      // bits per G.726 code, 0 when not G.726
    bool leadingFrame; // one frame of silence first: FFmpeg's WMA round trip loses the first frame
    int leastFrames;   // a bare stream needs a few frames before readers recognise it: silence makes them up
    bool mp4 = false;  // MP4 audio: the index goes first so players start at once, and gapless facts are tagged
    // The layouts the encoder takes for three to eight channels, by count; the samples keep their places, so each
    // is the layout of that count whose channels stand in the writer's order. Zero where there is none.
    std::array<quint64, 6> surroundMasks{};
};

// MP4's channel configurations, and ALAC's own layouts, which end 7.1 with centre-left and -right.
constexpr std::array<quint64, 6> kAacMasks{0x7, 0x107, 0x37, 0x3F, 0, 0x63F};
constexpr std::array<quint64, 6> kAlacMasks{0x7, 0x107, 0x37, 0x3F, 0x13F, 0xFF};

class FfmpegBackend final : public WriterBackend {
public:
    FfmpegBackend(const WriterFormat& format, const QString& fileName, const FfmpegRecipe& recipe)
        : fileName_(fileName), channels_(format.channels), bits_(format.bits), leastFrames_(recipe.leastFrames),
          mp4_(recipe.mp4) {
        const AVCodec* codec = nullptr;
        for (const char* name : recipe.encoders)
            if (!codec)
                codec = avcodec_find_encoder_by_name(name);
        if (!codec)
            outputerror::encoderFailure(QStringLiteral("FFmpeg"), QStringLiteral("no encoder for this format"));

        codec_.reset(avcodec_alloc_context3(codec));
        if (!codec_)
            outputerror::encoderFailure(QStringLiteral("FFmpeg"), Messages::OutOfMemory());
        codec_->sample_rate = format.sampleRate;
        const quint64 surround = format.channels > 2 && format.channels <= 8
                                     ? recipe.surroundMasks[static_cast<std::size_t>(format.channels - 3)]
                                     : 0;
        if (surround != 0)
            check(av_channel_layout_from_mask(&codec_->ch_layout, surround), "channel layout");
        else
            av_channel_layout_default(&codec_->ch_layout, format.channels);
        codec_->sample_fmt = chooseSampleFormat(codec, format.bits);
        if (codec_->sample_fmt == AV_SAMPLE_FMT_S32P)
            codec_->bits_per_raw_sample = format.bits;
        codec_->bit_rate = recipe.bitRate;
        codec_->time_base = AVRational{1, format.sampleRate};
        if (recipe.codeSize > 0)
            av_opt_set_int(codec_->priv_data, "code_size", recipe.codeSize, 0);

        AVFormatContext* container = nullptr;
        const QByteArray path = QFile::encodeName(fileName);
        check(avformat_alloc_output_context2(&container, nullptr, recipe.muxer, path.constData()), "muxer");
        container_.reset(container);
        if (container_->oformat->flags & AVFMT_GLOBALHEADER)
            codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        check(avcodec_open2(codec_.get(), codec, nullptr), "encoder");

        AVStream* stream = avformat_new_stream(container_.get(), nullptr);
        if (!stream)
            outputerror::encoderFailure(QStringLiteral("FFmpeg"), QStringLiteral("cannot add a stream"));
        check(avcodec_parameters_from_context(stream->codecpar, codec_.get()), "stream parameters");
        stream->time_base = codec_->time_base;
        stream_ = stream;

        if (const int result = avio_open(&container_->pb, path.constData(), AVIO_FLAG_WRITE); result < 0)
            outputerror::cannotCreate(fileName, ffmpegErrorText(result));
        // avformat_write_header replaces the dictionary by the options it did not use.
        AVDictionary* options = nullptr;
        if (std::string_view(recipe.muxer) == "asf")
            av_dict_set_int(&options, "packet_size", asfPacketSizeFor(codec_->block_align), 0);
        if (mp4_) {
            av_dict_set(&options, "movflags", "+faststart", 0);
            // The edit list that trims the encoder's delay states the length in the movie's time scale, by default
            // milliseconds: a source of a few samples would be cut to nothing, any other to the millisecond.
            av_dict_set_int(&options, "movie_timescale", format.sampleRate, 0);
        }
        const int written = avformat_write_header(container_.get(), &options);
        av_dict_free(&options);
        checkOutput(written, "container header");

        frameSize_ = codec_->frame_size > 0 ? codec_->frame_size : 1024;
        smallLastFrame_ = (codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME) != 0;
        frame_.reset(av_frame_alloc());
        packet_.reset(av_packet_alloc());
        if (!frame_ || !packet_)
            outputerror::encoderFailure(QStringLiteral("FFmpeg"), Messages::OutOfMemory());
        frame_->nb_samples = frameSize_;
        frame_->format = codec_->sample_fmt;
        frame_->sample_rate = codec_->sample_rate;
        check(av_channel_layout_copy(&frame_->ch_layout, &codec_->ch_layout), "frame layout");
        check(av_frame_get_buffer(frame_.get(), 0), "frame buffer");
        if (recipe.leadingFrame)
            pending_.assign(static_cast<std::size_t>(frameSize_ * channels_), 0.0f);
    }

    void write(std::span<const float> samples) override {
        pending_.insert(pending_.end(), samples.begin(), samples.end());
        const std::size_t frameValues = static_cast<std::size_t>(frameSize_ * channels_);
        std::size_t offset = 0;
        while (pending_.size() - offset >= frameValues) {
            encodeFrame(std::span(pending_).subspan(offset, frameValues));
            offset += frameValues;
        }
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(offset));
    }

    void finish() override {
        // Encoders that take only whole frames get the tail padded with silence.
        if (!pending_.empty()) {
            if (!smallLastFrame_)
                pending_.resize(static_cast<std::size_t>(frameSize_ * channels_), 0.0f);
            encodeFrame(pending_);
            pending_.clear();
        }
        // However little sound there was, the stream gets the frames its readers need to recognise it.
        const std::vector<float> silence(static_cast<std::size_t>(frameSize_ * channels_), 0.0f);
        while (framesEncoded_ < leastFrames_)
            encodeFrame(silence);
        sendAndDrain(nullptr);
        checkOutput(av_write_trailer(container_.get()), "container trailer");
        // A muxer may end without a word after a write its file refused (the MP4 muxer moving its index to the
        // front), and closing forgets the error of the last bytes: both show only in the file's error mark.
        avio_flush(container_->pb);
        if (container_->pb->error < 0)
            outputerror::writeFailure(fileName_, ffmpegErrorText(container_->pb->error));
        if (const int result = avio_closep(&container_->pb); result < 0)
            outputerror::writeFailure(fileName_, ffmpegErrorText(result));
        if (mp4_ && codec_->initial_padding > 0)
            recordGaplessFacts(fileName_, {codec_->initial_padding, samplesGiven_, packetsWritten_ * frameSize_});
    }

private:
    // Float when the encoder takes it; lossless encoders get integers of the output's size.
    static AVSampleFormat chooseSampleFormat(const AVCodec* codec, int bits) {
        constexpr std::array preferred{AV_SAMPLE_FMT_FLT, AV_SAMPLE_FMT_FLTP, AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_S16P};
        constexpr std::array preferredWide{AV_SAMPLE_FMT_FLT, AV_SAMPLE_FMT_FLTP, AV_SAMPLE_FMT_S32P};
        for (const AVSampleFormat wanted :
             bits > 16 ? std::span<const AVSampleFormat>(preferredWide) : std::span<const AVSampleFormat>(preferred))
            for (const AVSampleFormat* offered = codec->sample_fmts; offered && *offered != AV_SAMPLE_FMT_NONE;
                 ++offered)
                if (*offered == wanted)
                    return wanted;
        outputerror::encoderFailure(QStringLiteral("FFmpeg"), QStringLiteral("no usable sample format"));
    }

    void check(int result, const char* step) const {
        if (result < 0)
            outputerror::encoderFailure(QStringLiteral("FFmpeg (%1)").arg(QLatin1String(step)),
                                        ffmpegErrorText(result));
    }

    // A step that writes to the file: when the file refused bytes (a full disk) that is the reason to name, not the
    // muxer step that noticed it.
    void checkOutput(int result, const char* step) const {
        if (result >= 0)
            return;
        if (container_->pb && container_->pb->error < 0)
            outputerror::writeFailure(fileName_, ffmpegErrorText(container_->pb->error));
        if (result == AVERROR(ENOSPC) || result == AVERROR(EIO) || result == AVERROR(EFBIG) ||
            result == AVERROR(EDQUOT))
            outputerror::writeFailure(fileName_, ffmpegErrorText(result));
        check(result, step);
    }

    void encodeFrame(std::span<const float> samples) {
        check(av_frame_make_writable(frame_.get()), "frame buffer");
        frame_->nb_samples = static_cast<int>(samples.size() / static_cast<std::size_t>(channels_));
        fillFrame(samples);
        frame_->pts = nextPts_;
        nextPts_ += frame_->nb_samples;
        samplesGiven_ += frame_->nb_samples;
        ++framesEncoded_;
        sendAndDrain(frame_.get());
    }

    void fillFrame(std::span<const float> samples) {
        const auto channels = static_cast<std::size_t>(channels_);
        const auto frames = samples.size() / channels;
        const auto toS16 = [](float value) {
            return static_cast<int16_t>(std::clamp(std::lrint(value * 32768.0f), -32768L, 32767L));
        };
        switch (codec_->sample_fmt) {
        case AV_SAMPLE_FMT_FLT:
            std::copy(samples.begin(), samples.end(), reinterpret_cast<float*>(frame_->data[0]));
            break;
        case AV_SAMPLE_FMT_FLTP:
            for (std::size_t channel = 0; channel < channels; ++channel)
                for (std::size_t index = 0; index < frames; ++index)
                    reinterpret_cast<float*>(frame_->extended_data[channel])[index] =
                        samples[index * channels + channel];
            break;
        case AV_SAMPLE_FMT_S16:
            std::transform(samples.begin(), samples.end(), reinterpret_cast<int16_t*>(frame_->data[0]), toS16);
            break;
        case AV_SAMPLE_FMT_S32P: {
            // Left-aligned: the encoder takes the top bits_per_raw_sample bits.
            const int shift = 32 - bits_;
            for (std::size_t channel = 0; channel < channels; ++channel)
                for (std::size_t index = 0; index < frames; ++index)
                    reinterpret_cast<int32_t*>(frame_->extended_data[channel])[index] = static_cast<int32_t>(
                        static_cast<uint32_t>(samplequant::toInteger(samples[index * channels + channel], bits_))
                        << shift);
            break;
        }
        default:
            for (std::size_t channel = 0; channel < channels; ++channel)
                for (std::size_t index = 0; index < frames; ++index)
                    reinterpret_cast<int16_t*>(frame_->extended_data[channel])[index] =
                        toS16(samples[index * channels + channel]);
            break;
        }
    }

    void sendAndDrain(const AVFrame* frame) {
        check(avcodec_send_frame(codec_.get(), frame), "encoding");
        while (true) {
            const int result = avcodec_receive_packet(codec_.get(), packet_.get());
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
                return;
            check(result, "encoding");
            ++packetsWritten_;
            av_packet_rescale_ts(packet_.get(), codec_->time_base, stream_->time_base);
            packet_->stream_index = stream_->index;
            checkOutput(av_interleaved_write_frame(container_.get(), packet_.get()), "packet");
        }
    }

    QString fileName_;
    int channels_;
    int bits_;
    int leastFrames_;
    bool mp4_;
    int64_t samplesGiven_ = 0;
    int64_t packetsWritten_ = 0;
    CodecContextPtr codec_;
    OutputFormatPtr container_;
    AVStream* stream_ = nullptr; // owned by container_
    FramePtr frame_;
    PacketPtr packet_;
    int frameSize_ = 0;
    bool smallLastFrame_ = false;
    int64_t nextPts_ = 0;
    int framesEncoded_ = 0;
    std::vector<float> pending_;
};

} // namespace

int asfPacketSizeFor(int blockAlign) {
    constexpr int kPacketHeader = 12;
    constexpr int kPayloadHeader = 17;
    constexpr int kDefaultPayload = 3188;
    const int framesPerPacket = std::max(1, kDefaultPayload / (blockAlign + kPayloadHeader));
    return kPacketHeader + framesPerPacket * (blockAlign + kPayloadHeader);
}

std::unique_ptr<WriterBackend> openMp2Backend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<FfmpegBackend>(format, fileName,
                                           FfmpegRecipe{{"libtwolame", "mp2"}, "mp2", format.kbps * 1000, 0, false, 2});
}

std::unique_ptr<WriterBackend> openWmaBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<FfmpegBackend>(format, fileName,
                                           FfmpegRecipe{{"wmav2"}, "asf", format.kbps * 1000, 0, true, 0});
}

std::unique_ptr<WriterBackend> openAlacBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<FfmpegBackend>(format, fileName,
                                           FfmpegRecipe{{"alac"}, "ipod", 0, 0, false, 0, true, kAlacMasks});
}

std::unique_ptr<WriterBackend> openAacBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<FfmpegBackend>(
        format, fileName, FfmpegRecipe{{"aac"}, "ipod", format.kbps * 1000, 0, false, 0, true, kAacMasks});
}

std::unique_ptr<WriterBackend> openG726WavBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<FfmpegBackend>(
        format, fileName, FfmpegRecipe{{"g726"}, "wav", format.sampleRate * format.bits, format.bits, false, 0});
}
