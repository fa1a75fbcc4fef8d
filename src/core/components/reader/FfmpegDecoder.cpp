#include "FfmpegDecoder.h"

#include "FfmpegNames.h"
#include "Mp3GaplessLength.h"
#include "core/components/ComponentError.h"
#include "core/components/ProbedSource.h"
#include "core/components/common/FfmpegHandles.h"
#include "core/components/common/ResamplerQuality.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/intreadwrite.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace {

// Rates and channel counts beyond these come from broken headers, not from real sound.
constexpr int kMaxSampleRate = 768000;
constexpr int kMaxChannels = 64;
// Below this the header claims far more playing time than the file's bytes can hold.
constexpr qint64 kLowestPlausibleBitRate = 2000;
// Sources up to this size are decoded once at open when their length must be measured; larger ones are counted
// from their packets so that opening stays quick.
constexpr qint64 kDecodeToCountLimit = 16 * 1024 * 1024;
// Compressed sources up to this size are always decoded once at open: small files are where headers are most often
// wrong (a length worked out from the first frame's bit rate, an ASF duration that still counts the preroll) and
// where a wrong length is off by the largest share. Decoding them costs little.
constexpr qint64 kAlwaysDecodeToCountLimit = 256 * 1024;
// How far the packets of a larger compressed source may disagree with its header before the header is doubted:
// a few MP3 frames of encoder delay and padding.
constexpr qint64 kPacketCountSlack = 4 * 1152;
// FFmpeg's WAV reader does not trust a PCM format tag: it runs every demuxer's probe over the first packets, up to
// 32 of them, to catch MP3 or DTS stored under a PCM header. Those probes cost more than converting a short file.
// This many bytes still hold a few dozen frames of any MP3 or DTS stream, enough for that probe to recognise them.
constexpr int kWaveCodecProbeBytes = 32 * 1024;
// FFmpeg's smallest probe size: one packet is probed. For a second pass over a file whose codec the first pass
// has settled.
constexpr int kSettledCodecProbeBytes = 32;

[[noreturn]] void raiseOpenError(const QString& fileName, int error) {
    const QString name = QFileInfo(fileName).fileName();
    if (error == AVERROR(ENOENT))
        throw ComponentError(Messages::FileDoesNotExist().arg(name), LastError::FileNotFound);
    if (error == AVERROR(EACCES) || error == AVERROR(EPERM))
        throw ComponentError(Messages::FileAccessDenied().arg(name), LastError::AccessDenied);
    throw ComponentError(
        QCoreApplication::translate("Components", "The file \"%1\" is not in a known sound format (%2).")
            .arg(name, ffmpegErrorText(error)),
        LastError::UnknownFormat);
}

bool isMusepack(AVCodecID id) {
    return id == AV_CODEC_ID_MUSEPACK7 || id == AV_CODEC_ID_MUSEPACK8;
}

bool isDsd(AVCodecID id) {
    return id == AV_CODEC_ID_DSD_LSBF || id == AV_CODEC_ID_DSD_MSBF || id == AV_CODEC_ID_DSD_LSBF_PLANAR ||
           id == AV_CODEC_ID_DSD_MSBF_PLANAR;
}

// FFmpeg's DSD decoders give float at an eighth of the 1-bit rate (352.8 kHz from DSD64), where almost everything
// above 50 kHz is the modulator's shaped noise. DSD is read instead at 88.2 kHz (DSD64) or 176.4 kHz (DSD128 and
// above), through the same resampler as every rate change, with the decoder's level kept: a 1-bit stream at full
// modulation is full scale, so the 50 % reference level of SACD masters comes out at -6 dBFS.
constexpr int kDsd64DecodedRate = 352800;
constexpr int kDsd64ReadingRate = 88200;
constexpr int kFasterDsdReadingRate = 176400;
// DSD carries no sample size; its resampled sound is as fine as 24-bit PCM and is stored as such where kept.
constexpr int kDsdReadingBits = 24;

// A DSF file pads the last block of each channel; FFmpeg states the padded length but decodes only the 1-bit
// samples the header counts. That count sits at a fixed place of the header; -1 when the file is no DSF.
qint64 dsfSampleCount(const QString& fileName) {
    constexpr qsizetype kHeaderBytes = 72;
    constexpr qsizetype kFormatChunk = 28;
    constexpr qsizetype kSampleCount = 64;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(kHeaderBytes);
    if (head.size() < kHeaderBytes || !head.startsWith("DSD ") || head.mid(kFormatChunk, 4) != "fmt ")
        return -1;
    return qFromLittleEndian<qint64>(head.constData() + kSampleCount);
}

// The rate sound decoded at `decodedRate` is read at.
int readingRate(AVCodecID id, int decodedRate) {
    if (!isDsd(id) || decodedRate <= 0)
        return decodedRate;
    return decodedRate < 2 * kDsd64DecodedRate ? kDsd64ReadingRate : kFasterDsdReadingRate;
}

} // namespace

// One pass over the file: demuxer, decoder and converter, plus the decoded frames not yet handed out.
class FfmpegDecoder::Pass {
public:
    enum class Start { DecodeFirstFrame, DemuxOnly };
    // Settled: an earlier pass over the same file found plain samples, so FFmpeg need not look for another codec
    // behind the container's format tag again.
    enum class CodecProbe { Full, Settled };

    explicit Pass(const FfmpegInput& input, Start start = Start::DecodeFirstFrame,
                  CodecProbe codecProbe = CodecProbe::Full)
        : input_(input) {
        openContainer(codecProbe);
        openDecoder();
        frame_.reset(av_frame_alloc());
        packet_.reset(av_packet_alloc());
        if (!frame_ || !packet_)
            throw ComponentError(QCoreApplication::translate("Components", "Out of memory while opening the file."),
                                 LastError::CorruptData);
        rate_ = readingRate(codec_->codec_id, codec_->sample_rate);
        if (isDsd(codec_->codec_id))
            dsfSamples_ = dsfSampleCount(input_.fileName);
        layout_.reset(new AVChannelLayout{});
        if (av_channel_layout_copy(layout_.get(), &codec_->ch_layout) < 0)
            throw corrupt(QCoreApplication::translate("Components", "its channel layout is unreadable"));
        if (start == Start::DecodeFirstFrame)
            primeFirstFrame();
        checkFormat();
        limitToStereo();
    }

    [[nodiscard]] int rate() const { return rate_; }
    [[nodiscard]] int channels() const { return layout_->nb_channels; }
    [[nodiscard]] quint64 mask() const { return layout_->order == AV_CHANNEL_ORDER_NATIVE ? layout_->u.mask : 0; }
    [[nodiscard]] bool mixedDown() const { return stream_->codecpar->ch_layout.nb_channels > channels(); }
    [[nodiscard]] qint64 position() const { return position_; }
    [[nodiscard]] bool atEnd() const { return finished_ && pendingFrames() == 0; }
    [[nodiscard]] const AVCodecParameters& parameters() const { return *stream_->codecpar; }
    [[nodiscard]] int decodeErrors() const { return decodeErrors_; }
    [[nodiscard]] const SoundTracks& soundTracks() const { return soundTracks_; }
    // Whether the stream read is the one an opening without a choice reads, so that what such an opening found
    // (its length) holds for it.
    [[nodiscard]] bool readsDefaultTrack() const { return stream_ == defaultStream_; }

    // The length the container states, in frames; -1 when it states none. Plain sample data cannot be longer
    // than the bytes from its first packet to the end of the file (a cut file keeps its original header).
    [[nodiscard]] qint64 statedLength() const {
        if (dsfSamples_ > 0)
            return av_rescale(dsfSamples_, rate_, static_cast<qint64>(stream_->codecpar->sample_rate) * 8);
        const qint64 fileSize = avio_size(format_->pb);
        if (stream_->duration != AV_NOPTS_VALUE && stream_->duration >= 0) {
            const qint64 stated = av_rescale_q(stream_->duration, stream_->time_base, AVRational{1, rate_});
            if (hasPlainFrames() && firstPacketPosition_ >= 0 && fileSize > 0)
                return std::min(stated, (fileSize - firstPacketPosition_) / stream_->codecpar->block_align);
            return stated;
        }
        if (format_->duration != AV_NOPTS_VALUE && format_->duration > 0)
            return av_rescale_q(format_->duration, AVRational{1, AV_TIME_BASE}, AVRational{1, rate_});
        return -1;
    }

    // Uncompressed frames of a fixed size, so that packets tell the exact length.
    [[nodiscard]] bool hasPlainFrames() const {
        const AVCodecParameters& parameters = *stream_->codecpar;
        const int bits = av_get_exact_bits_per_sample(parameters.codec_id);
        return bits > 0 && parameters.block_align > 0 &&
               parameters.block_align * 8 == bits * parameters.ch_layout.nb_channels;
    }

    qint64 take(float* out, qint64 maxFrames) {
        qint64 written = 0;
        while (written < maxFrames) {
            if (pendingFrames() == 0 && !decodeNextFrame())
                break;
            const qint64 count = std::min(maxFrames - written, pendingFrames());
            const auto values = static_cast<std::size_t>(count * channels());
            if (out)
                std::memcpy(out + written * channels(), pending_.data() + pendingOffset_, values * sizeof(float));
            pendingOffset_ += values;
            written += count;
        }
        position_ += written;
        return written;
    }

    // Counts the frames from here to the end by demuxing alone, as the packets state them; -1 when they don't.
    qint64 countPacketFrames() {
        qint64 total = 0;
        while (av_read_frame(format_.get(), packet_.get()) >= 0) {
            const bool ours = packet_->stream_index == stream_->index;
            const qint64 duration = packet_->duration;
            std::size_t sideSize = 0;
            const uint8_t* side = av_packet_get_side_data(packet_.get(), AV_PKT_DATA_SKIP_SAMPLES, &sideSize);
            if (ours && duration <= 0) {
                av_packet_unref(packet_.get());
                return -1;
            }
            if (ours) {
                total += av_rescale_q(duration, stream_->time_base, AVRational{1, rate_});
                if (side && sideSize >= 8)
                    total -= static_cast<qint64>(AV_RL32(side)) + static_cast<qint64>(AV_RL32(side + 4));
            }
            av_packet_unref(packet_.get());
        }
        return std::max<qint64>(total, 0);
    }

    // Moves the demuxer to just before the frame and decodes up to it. False when the container cannot place
    // the frame exactly; the pass is then in an undefined place and must be replaced.
    bool seekTo(qint64 target) {
        if (originPts_ == AV_NOPTS_VALUE)
            return false;
        qint64 preroll = std::max<qint64>(4096, rate_ / 10);
        for (int attempt = 0; attempt < 3; ++attempt, preroll *= 8) {
            const qint64 start = std::max<qint64>(0, target - preroll);
            const qint64 timestamp = originPts_ + av_rescale_q(start, AVRational{1, rate_}, stream_->time_base);
            if (av_seek_frame(format_.get(), stream_->index, timestamp, AVSEEK_FLAG_BACKWARD) < 0)
                return false;
            avcodec_flush_buffers(codec_.get());
            clearPending();
            // The resampler still holds sound from before the seek; a new one starts clean at the new place.
            resampler_.reset();
            finished_ = false;
            draining_ = false;
            if (!decodeNextFrame() || lastFrameStart_ < 0)
                return false;
            if (lastFrameStart_ <= target) {
                position_ = lastFrameStart_;
                take(nullptr, target - position_);
                return true;
            }
        }
        return false;
    }

private:
    void openContainer(CodecProbe codecProbe) {
        const QByteArray path = input_.fileName.toUtf8();
        const AVInputFormat* demuxer = nullptr;
        if (!input_.demuxer.isEmpty()) {
            demuxer = av_find_input_format(input_.demuxer.constData());
            if (!demuxer)
                throw ComponentError(QCoreApplication::translate("Components", "This FFmpeg has no \"%1\" demuxer.")
                                         .arg(QString::fromLatin1(input_.demuxer)),
                                     LastError::UnsupportedFormat);
        }
        AVDictionary* rawOptions = nullptr;
        for (const auto& [key, value] : input_.options)
            av_dict_set(&rawOptions, key.constData(), value.constData(), 0);
        if (codecProbe == CodecProbe::Settled)
            av_dict_set_int(&rawOptions, "probesize", kSettledCodecProbeBytes, AV_DICT_DONT_OVERWRITE);
        else if (input_.demuxer == "wav")
            av_dict_set_int(&rawOptions, "probesize", kWaveCodecProbeBytes, AV_DICT_DONT_OVERWRITE);
        DictionaryPtr options(rawOptions);
        AVFormatContext* raw = nullptr;
        AVDictionary* optionsInOut = options.release();
        const int opened = avformat_open_input(&raw, path.constData(), demuxer, &optionsInOut);
        options.reset(optionsInOut);
        if (opened < 0)
            raiseOpenError(input_.fileName, opened);
        format_.reset(raw);
        if (avformat_find_stream_info(format_.get(), nullptr) < 0)
            throw ComponentError(
                QCoreApplication::translate("Components", "The file \"%1\" is damaged: its streams cannot be read.")
                    .arg(QFileInfo(input_.fileName).fileName()),
                LastError::CorruptData);
        std::vector<AVStream*> soundStreams;
        for (unsigned i = 0; i < format_->nb_streams; ++i) {
            AVStream* candidate = format_->streams[i];
            if (candidate->codecpar->codec_type == AVMEDIA_TYPE_AUDIO &&
                candidate->codecpar->codec_id != AV_CODEC_ID_NONE)
                soundStreams.push_back(candidate);
        }
        if (soundStreams.empty())
            throw ComponentError(QCoreApplication::translate("Components", "The file \"%1\" has no sound track.")
                                     .arg(QFileInfo(input_.fileName).fileName()),
                                 LastError::NoAudioStream);
        const auto flagged = std::find_if(soundStreams.begin(), soundStreams.end(), [](const AVStream* candidate) {
            return (candidate->disposition & AV_DISPOSITION_DEFAULT) != 0;
        });
        defaultStream_ = flagged != soundStreams.end() ? *flagged : soundStreams.front();
        stream_ = defaultStream_;
        if (input_.soundTrack) {
            const int chosen = *input_.soundTrack;
            if (chosen < 0 || chosen >= static_cast<int>(soundStreams.size()))
                throw ComponentError(Messages::NoSuchSoundTrack()
                                         .arg(QFileInfo(input_.fileName).fileName())
                                         .arg(soundStreams.size())
                                         .arg(chosen + 1),
                                     LastError::NoAudioStream);
            stream_ = soundStreams[static_cast<std::size_t>(chosen)];
        }
        if (soundStreams.size() > 1)
            describeSoundTracks(soundStreams);
        for (unsigned i = 0; i < format_->nb_streams; ++i)
            format_->streams[i]->discard = format_->streams[i] == stream_ ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }

    void describeSoundTracks(const std::vector<AVStream*>& soundStreams) {
        int number = 0;
        for (const AVStream* candidate : soundStreams) {
            SoundTrack track;
            track.number = ++number;
            if (const AVDictionaryEntry* language = av_dict_get(candidate->metadata, "language", nullptr, 0))
                track.language = QString::fromUtf8(language->value).trimmed();
            if (const AVDictionaryEntry* title = av_dict_get(candidate->metadata, "title", nullptr, 0))
                track.title = QString::fromUtf8(title->value).trimmed();
            track.codec = ffmpegnames::codecName(*candidate->codecpar);
            track.channels = candidate->codecpar->ch_layout.nb_channels;
            track.flaggedDefault = (candidate->disposition & AV_DISPOSITION_DEFAULT) != 0;
            track.inUse = candidate == stream_;
            soundTracks_.push_back(std::move(track));
        }
    }

    void openDecoder() {
        const AVCodec* decoder = avcodec_find_decoder(stream_->codecpar->codec_id);
        if (!decoder)
            throw ComponentError(QCoreApplication::translate(
                                     "Components", "The sound of \"%1\" is in a format that cannot be decoded (%2).")
                                     .arg(QFileInfo(input_.fileName).fileName(),
                                          QString::fromLatin1(avcodec_get_name(stream_->codecpar->codec_id))),
                                 LastError::UnsupportedFormat);
        codec_.reset(avcodec_alloc_context3(decoder));
        if (!codec_ || avcodec_parameters_to_context(codec_.get(), stream_->codecpar) < 0)
            throw ComponentError(QCoreApplication::translate("Components", "Out of memory while opening the file."),
                                 LastError::CorruptData);
        codec_->thread_count = std::max(0, input_.decoderThreads);
        codec_->pkt_timebase = stream_->time_base;
        if (avcodec_open2(codec_.get(), decoder, nullptr) < 0)
            throw corrupt(QCoreApplication::translate("Components", "its sound cannot be decoded"));
    }

    // Decodes the first frame now so that a file whose sound cannot be decoded fails at open, and so that the
    // output format is that of the decoded sound rather than of a header that may be wrong.
    void primeFirstFrame() {
        if (!decodeNextFrame() && decodeErrors_ > 0)
            throw corrupt(QCoreApplication::translate("Components", "no sound in it can be decoded"));
    }

    // Most output formats and the volume change take mono or stereo, so a source with more channels than the
    // input allows is mixed down to stereo here, once, with libswresample's standard matrix; its description still
    // names its own channels. Channels that are kept come in the usual order of their layout.
    void limitToStereo() {
        if (layout_->nb_channels > input_.channelLimit) {
            av_channel_layout_uninit(layout_.get());
            av_channel_layout_default(layout_.get(), 2);
        } else if (layout_->nb_channels > 2 && layout_->order != AV_CHANNEL_ORDER_NATIVE) {
            const int channels = layout_->nb_channels;
            av_channel_layout_uninit(layout_.get());
            av_channel_layout_default(layout_.get(), channels);
        }
    }

    void checkFormat() const {
        if (rate_ <= 0 || rate_ > kMaxSampleRate || layout_->nb_channels <= 0 || layout_->nb_channels > kMaxChannels)
            throw ComponentError(QCoreApplication::translate(
                                     "Components", "The file \"%1\" states an impossible format (%2 Hz, %3 channels).")
                                     .arg(QFileInfo(input_.fileName).fileName())
                                     .arg(rate_)
                                     .arg(layout_->nb_channels),
                                 LastError::CorruptData);
    }

    [[nodiscard]] ComponentError corrupt(const QString& why) const {
        return ComponentError(QCoreApplication::translate("Components", "The file \"%1\" is damaged: %2.")
                                  .arg(QFileInfo(input_.fileName).fileName(), why),
                              LastError::CorruptData);
    }

    [[nodiscard]] qint64 pendingFrames() const {
        return static_cast<qint64>((pending_.size() - pendingOffset_) / static_cast<std::size_t>(channels()));
    }

    void clearPending() {
        pending_.clear();
        pendingOffset_ = 0;
    }

    // Decodes the next frame into the pending values. False at the end of the data.
    bool decodeNextFrame() {
        while (!finished_) {
            const int received = avcodec_receive_frame(codec_.get(), frame_.get());
            if (received == 0) {
                const bool converted = convertFrame();
                av_frame_unref(frame_.get());
                if (converted)
                    return true;
                continue;
            }
            if (received != AVERROR(EAGAIN)) {
                if (received != AVERROR_EOF)
                    ++decodeErrors_;
                finished_ = true;
                break;
            }
            if (draining_) {
                finished_ = true;
                break;
            }
            feedPacket();
        }
        return drainResampler();
    }

    // A resampler holds back the end of its input until told that no more comes; without this a resampled source
    // would lose its last milliseconds. Only what belongs to the input's length at the new rate is kept.
    bool drainResampler() {
        if (resamplerDrained_ || !resampler_ || resamplerRate_ == rate_)
            return false;
        resamplerDrained_ = true;
        const qint64 expected = av_rescale_rnd(resampledIn_, rate_, resamplerRate_, AV_ROUND_NEAR_INF);
        const qint64 missing = expected - resampledOut_;
        const int capacity = swr_get_out_samples(resampler_.get(), 0);
        if (missing <= 0 || capacity <= 0)
            return false;
        if (pendingOffset_ == pending_.size())
            clearPending();
        const std::size_t start = pending_.size();
        pending_.resize(start + static_cast<std::size_t>(capacity) * static_cast<std::size_t>(channels()));
        auto* target = reinterpret_cast<uint8_t*>(pending_.data() + start);
        const int flushed = swr_convert(resampler_.get(), &target, capacity, nullptr, 0);
        const qint64 kept = std::clamp<qint64>(flushed, 0, missing);
        pending_.resize(start + static_cast<std::size_t>(kept) * static_cast<std::size_t>(channels()));
        resampledOut_ += kept;
        return kept > 0;
    }

    void feedPacket() {
        while (true) {
            const int read = av_read_frame(format_.get(), packet_.get());
            if (read < 0) {
                draining_ = true;
                avcodec_send_packet(codec_.get(), nullptr);
                return;
            }
            if (packet_->stream_index != stream_->index) {
                av_packet_unref(packet_.get());
                continue;
            }
            if (firstPacketPosition_ < 0)
                firstPacketPosition_ = packet_->pos;
            const int sent = avcodec_send_packet(codec_.get(), packet_.get());
            av_packet_unref(packet_.get());
            if (sent < 0 && sent != AVERROR(EAGAIN)) {
                // A damaged packet is skipped; decoding goes on with the next one.
                ++decodeErrors_;
                continue;
            }
            return;
        }
    }

    // Converts the decoded frame to interleaved float in the opened format. False when it holds nothing usable.
    bool convertFrame() {
        AVFrame& frame = *frame_;
        if (frame.nb_samples <= 0 || frame.sample_rate <= 0 || frame.ch_layout.nb_channels <= 0)
            return false;
        if (!firstFrameSeen_) {
            firstFrameSeen_ = true;
            rate_ = readingRate(codec_->codec_id, frame.sample_rate);
            av_channel_layout_uninit(layout_.get());
            if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
                av_channel_layout_default(layout_.get(), frame.ch_layout.nb_channels);
            else if (av_channel_layout_copy(layout_.get(), &frame.ch_layout) < 0)
                return false;
            if (rate_ > kMaxSampleRate || layout_->nb_channels > kMaxChannels)
                return false;
            limitToStereo();
            originPts_ = framePts(frame);
        }
        if (!ensureResampler(frame))
            return false;
        const qint64 pts = framePts(frame);
        lastFrameStart_ = (pts == AV_NOPTS_VALUE || originPts_ == AV_NOPTS_VALUE)
                              ? -1
                              : av_rescale_q(pts - originPts_, stream_->time_base, AVRational{1, rate_});
        // A resampler gives its first frames back only with later input, so what comes out now starts where the
        // output so far ends, counted from the first frame it was given.
        if (resamplerRate_ != rate_) {
            if (resampledIn_ == 0)
                resampledOrigin_ = lastFrameStart_;
            lastFrameStart_ = resampledOrigin_ < 0 ? -1 : resampledOrigin_ + resampledOut_;
        }
        const int capacity = swr_get_out_samples(resampler_.get(), frame.nb_samples);
        if (capacity <= 0)
            return false;
        if (pendingOffset_ == pending_.size())
            clearPending();
        const std::size_t start = pending_.size();
        pending_.resize(start + static_cast<std::size_t>(capacity) * static_cast<std::size_t>(channels()));
        auto* target = reinterpret_cast<uint8_t*>(pending_.data() + start);
        const int converted = swr_convert(resampler_.get(), &target, capacity,
                                          const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples);
        resampledIn_ += frame.nb_samples;
        resampledOut_ += std::max(converted, 0);
        pending_.resize(start +
                        static_cast<std::size_t>(std::max(converted, 0)) * static_cast<std::size_t>(channels()));
        return converted > 0;
    }

    [[nodiscard]] static qint64 framePts(const AVFrame& frame) {
        return frame.pts != AV_NOPTS_VALUE ? frame.pts : frame.best_effort_timestamp;
    }

    // The converter follows the decoder: a stream may change its format midway (a mono stretch in a stereo
    // MP3); everything is converted to the format the file opened with.
    bool ensureResampler(const AVFrame& frame) {
        AVChannelLayout inLayout{};
        if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&inLayout, frame.ch_layout.nb_channels);
        else if (av_channel_layout_copy(&inLayout, &frame.ch_layout) < 0)
            return false;
        const bool same = resampler_ && resamplerRate_ == frame.sample_rate && resamplerFormat_ == frame.format &&
                          av_channel_layout_compare(&resamplerLayout_, &inLayout) == 0;
        if (same) {
            av_channel_layout_uninit(&inLayout);
            return true;
        }
        SwrContext* raw = nullptr;
        const int made = swr_alloc_set_opts2(&raw, layout_.get(), AV_SAMPLE_FMT_FLT, rate_, &inLayout,
                                             static_cast<AVSampleFormat>(frame.format), frame.sample_rate, 0, nullptr);
        ResamplerPtr resampler(raw);
        if (made < 0 || (rate_ != frame.sample_rate && chooseHighQualityResampler(resampler.get()) < 0) ||
            swr_init(resampler.get()) < 0) {
            av_channel_layout_uninit(&inLayout);
            return false;
        }
        resampler_ = std::move(resampler);
        resampledIn_ = 0;
        resampledOut_ = 0;
        resamplerDrained_ = false;
        resamplerRate_ = frame.sample_rate;
        resamplerFormat_ = frame.format;
        av_channel_layout_uninit(&resamplerLayout_);
        resamplerLayout_ = inLayout;
        return true;
    }

public:
    ~Pass() { av_channel_layout_uninit(&resamplerLayout_); }
    Pass(const Pass&) = delete;
    Pass& operator=(const Pass&) = delete;

private:
    FfmpegInput input_;
    InputFormatPtr format_;
    AVStream* stream_ = nullptr;
    AVStream* defaultStream_ = nullptr;
    SoundTracks soundTracks_; // empty for a file of one sound track
    CodecContextPtr codec_;
    ResamplerPtr resampler_;
    AVChannelLayout resamplerLayout_{};
    int resamplerRate_ = 0;
    int resamplerFormat_ = -1;
    qint64 resampledIn_ = 0;      // frames given to the current resampler
    qint64 resampledOut_ = 0;     // and frames it gave back
    qint64 resampledOrigin_ = -1; // where the first frame given to it starts, at the reading rate
    bool resamplerDrained_ = false;
    qint64 dsfSamples_ = -1; // 1-bit samples per channel, as a DSF header counts them
    FramePtr frame_;
    PacketPtr packet_;
    ChannelLayoutPtr layout_;
    int rate_ = 0;
    bool firstFrameSeen_ = false;
    qint64 originPts_ = AV_NOPTS_VALUE;
    qint64 lastFrameStart_ = -1;
    std::vector<float> pending_;
    std::size_t pendingOffset_ = 0;
    qint64 position_ = 0;
    bool draining_ = false;
    bool finished_ = false;
    int decodeErrors_ = 0;
    qint64 firstPacketPosition_ = -1;
};

FfmpegDecoder::FfmpegDecoder(FfmpegInput input) : input_(std::move(input)) {
    // Failures reach the user as ComponentError; FFmpeg's own remarks on damaged input are not for them.
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_FATAL);
        return true;
    }();
    (void)quiet;
    // The earlier probe looked at the default sound track; another one is probed in full.
    const bool plain = input_.probed && input_.probed->plainSamples && !input_.soundTrack;
    pass_ = std::make_unique<Pass>(input_, Pass::Start::DecodeFirstFrame,
                                   plain ? Pass::CodecProbe::Settled : Pass::CodecProbe::Full);
    if (input_.probed && input_.probed->lengthFrames > 0 && !pass_->atEnd() && pass_->readsDefaultTrack()) {
        length_ = input_.probed->lengthFrames;
        lengthExact_ = input_.probed->lengthExact;
    } else {
        length_ = measuredOrEstimatedLength();
    }
}

FfmpegDecoder::~FfmpegDecoder() = default;

int FfmpegDecoder::sampleRate() const {
    return pass_->rate();
}
int FfmpegDecoder::channelCount() const {
    return pass_->channels();
}
qint64 FfmpegDecoder::lengthInFrames() const {
    return length_;
}
qint64 FfmpegDecoder::position() const {
    return pass_->position();
}

int FfmpegDecoder::bitsPerSample() const {
    const AVCodecParameters& parameters = pass_->parameters();
    if (isDsd(parameters.codec_id))
        return kDsdReadingBits;
    if (parameters.bits_per_raw_sample > 0)
        return parameters.bits_per_raw_sample;
    // Lossy codecs have no size of their own; PCM codecs state theirs through the codec.
    return av_get_bits_per_sample(parameters.codec_id);
}

QString FfmpegDecoder::description() const {
    const AVCodecParameters& parameters = pass_->parameters();
    // Headers may state nonsense (a negative rate read as unsigned); a compressed rate above that of plain float
    // samples is not shown, and a missing one is worked out from the file size.
    const int sourceChannels = parameters.ch_layout.nb_channels > 0 ? parameters.ch_layout.nb_channels : channelCount();
    const qint64 ceiling = static_cast<qint64>(sampleRate()) * sourceChannels * 32;
    const auto plausible = [ceiling](qint64 bitRate) { return bitRate > 0 && bitRate <= ceiling; };
    qint64 bitRate = parameters.bit_rate;
    if (!plausible(bitRate) && length_ > 0)
        bitRate = QFileInfo(input_.fileName).size() * 8 * sampleRate() / length_;
    if (!plausible(bitRate) || !ffmpegnames::hasUsefulBitRate(parameters.codec_id))
        bitRate = 0;
    return sounddescription::describe(ffmpegnames::codecName(parameters), bitRate, sampleRate(), sourceChannels);
}

void FfmpegDecoder::recordProbe(ProbedSource& probed) const {
    // Headerless sound needs its demuxer options, which a later opening would not have; an opening without a
    // choice of sound track reads another track than a chosen one, of another length.
    if (!input_.options.empty() || !pass_->readsDefaultTrack())
        return;
    probed.ffmpegDemuxer = input_.demuxer;
    probed.plainSamples = pass_->hasPlainFrames();
    probed.lengthFrames = length_;
    probed.lengthExact = lengthExact_;
}

qint64 FfmpegDecoder::readFrames(float* out, qint64 maxFrames) {
    const qint64 written = pass_->take(out, maxFrames);
    if (pass_->atEnd() && !lengthExact_) {
        length_ = pass_->position();
        lengthExact_ = true;
    }
    return written;
}

SoundTracks FfmpegDecoder::soundTracks() const {
    return pass_->soundTracks();
}

int FfmpegDecoder::damagedStretches() const {
    return earlierDamage_ + (pass_ ? pass_->decodeErrors() : 0);
}

qint64 FfmpegDecoder::seekFrame(qint64 frame) {
    qint64 target = std::max<qint64>(frame, 0);
    if (lengthExact_)
        target = std::min(target, length_);
    const qint64 here = pass_->position();
    const qint64 nearby = std::max<qint64>(sampleRate() * 2, 1);
    if (target == here)
        return here;
    if (target > here && target - here <= nearby)
        return skipForward(target - here);
    if (target <= nearby) {
        restart();
        return skipForward(target);
    }
    return seekWithDemuxer(target);
}

qint64 FfmpegDecoder::seekWithDemuxer(qint64 frame) {
    if (pass_->seekTo(frame))
        return pass_->position();
    restart();
    return skipForward(frame);
}

qint64 FfmpegDecoder::skipForward(qint64 frames) {
    readFrames(nullptr, frames);
    return pass_->position();
}

void FfmpegDecoder::allowChannels(int most) {
    if (most == input_.channelLimit)
        return;
    input_.channelLimit = most;
    // Only a source that was mixed down (or would now be) needs a new pass; the others deliver the same either way.
    if (pass_->mixedDown() || pass_->channels() > most)
        restart();
}

quint64 FfmpegDecoder::channelMask() const {
    return pass_->mask();
}

void FfmpegDecoder::restart() {
    earlierDamage_ = damagedStretches();
    pass_.reset();
    pass_ = std::make_unique<Pass>(input_);
}

// The container's length is taken when it is believable. Musepack headers are known to state wrong lengths, and
// a header that claims far more time than the file's bytes can carry (a cut file keeping its original header)
// is not believed either; such files are measured instead.
qint64 FfmpegDecoder::measuredOrEstimatedLength() {
    if (pass_->atEnd()) {
        // Nothing decodes. A file that says so holds no sound; one that claims sound is damaged.
        const QString name = QFileInfo(input_.fileName).fileName();
        if (pass_->statedLength() == 0)
            throw ComponentError(Messages::FileHoldsNoSound().arg(name), LastError::CorruptData);
        throw ComponentError(QCoreApplication::translate(
                                 "Components", "The file \"%1\" is damaged: it holds no sound that can be decoded.")
                                 .arg(name),
                             LastError::CorruptData);
    }
    const qint64 stated = pass_->statedLength();
    const qint64 fileSize = QFileInfo(input_.fileName).size();
    if (pass_->hasPlainFrames() && fileSize <= kDecodeToCountLimit) {
        // Headers of plain sample files may disagree with their data; counting the packets is cheap and exact.
        Pass counter(input_, Pass::Start::DemuxOnly, Pass::CodecProbe::Settled);
        const qint64 counted = counter.countPacketFrames();
        if (counted >= 0) {
            lengthExact_ = true;
            return counted;
        }
    }
    const AVCodecParameters& parameters = pass_->parameters();
    const int rate = sampleRate();
    const bool pcmLike = av_get_exact_bits_per_sample(parameters.codec_id) > 0;
    // Sound has decoded, so a header stating none is wrong.
    bool believable = stated > 0 && !isMusepack(parameters.codec_id);
    if (believable && stated > 0 && !pcmLike && fileSize > 0) {
        const double seconds = static_cast<double>(stated) / rate;
        const double impliedBitRate = static_cast<double>(fileSize) * 8.0 / seconds;
        const qint64 nominal = parameters.bit_rate;
        const double nominalSeconds = nominal > 0 ? static_cast<double>(fileSize) * 8.0 / nominal : 0.0;
        if (impliedBitRate < kLowestPlausibleBitRate || (nominal > 0 && seconds > 2.0 * nominalSeconds + 1.0))
            believable = false;
    }
    if (believable && !pcmLike && fileSize <= kDecodeToCountLimit) {
        if (fileSize <= kAlwaysDecodeToCountLimit) {
            believable = false;
        } else {
            // A cut file keeps the header of the whole one (an MP3's Xing frame counts every frame it had); its
            // packets tell how much is really there.
            Pass counter(input_, Pass::Start::DemuxOnly);
            const qint64 counted = counter.countPacketFrames();
            if (counted > 0 && std::llabs(counted - stated) > std::max(kPacketCountSlack, stated / 50))
                believable = false;
        }
    }
    if (believable && parameters.codec_id == AV_CODEC_ID_MP3) {
        // The container counts whole frames; the decoder drops the encoder's delay and padding, so the exact
        // length comes from the encoder's own record when it agrees with the header to within two frames.
        const std::optional<qint64> gapless = mp3GaplessLength(input_.fileName);
        if (gapless && *gapless <= stated && stated - *gapless <= 2 * 1152)
            return *gapless;
    }
    if (believable)
        return stated;
    if (fileSize <= kDecodeToCountLimit) {
        Pass counter(input_);
        while (counter.take(nullptr, 1 << 20) > 0) {
        }
        lengthExact_ = true;
        return counter.position();
    }
    Pass counter(input_, Pass::Start::DemuxOnly);
    const qint64 counted = counter.countPacketFrames();
    if (counted > 0)
        return counted;
    // Sound has decoded, so there is at least one frame; the exact count comes with the end of the data.
    return std::max<qint64>(stated, 1);
}
