#include "VorbisBackend.h"

#include "ChannelLayouts.h"

#include "FormatRules.h"
#include "OutputFileError.h"
#include "StdioFile.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <vorbis/vorbisenc.h>

namespace {

constexpr int kLowestManagedRate = 8000;
constexpr int kHighestManagedRate = 50000;
constexpr int kNearestHighManagedRate = 48000;
constexpr int kDefaultNominal = 128;
constexpr int kLongestSearch = 600; // kbit/s either way; the widest window libvorbis has is 45..500

int limit(int kbps) {
    return kbps > 0 ? kbps * 1000 : -1;
}

// vorbis_info with its cleanup; the encoder setup calls fill it.
class VorbisInfo {
public:
    VorbisInfo() { vorbis_info_init(&info_); }
    ~VorbisInfo() { vorbis_info_clear(&info_); }
    VorbisInfo(const VorbisInfo&) = delete;
    VorbisInfo& operator=(const VorbisInfo&) = delete;
    vorbis_info* get() { return &info_; }

private:
    vorbis_info info_{};
};

int setUp(vorbis_info* info, const WriterFormat& format) {
    const VorbisSizing& sizing = format.vorbis;
    if (!sizing.managed())
        return vorbis_encode_init_vbr(info, format.channels, format.sampleRate,
                                      static_cast<float>(sizing.quality) / 1000.0f);
    int result = vorbis_encode_setup_managed(info, format.channels, format.sampleRate, limit(sizing.maximumKbps),
                                             limit(sizing.nominalKbps), limit(sizing.minimumKbps));
    // A nominal rate without limits is VBR at the quality libvorbis expects to average that rate, as oggenc -b and
    // FFmpeg make it: the bit-rate manager would only force the average, re-encoding blocks at four times the cost.
    if (result == 0 && sizing.minimumKbps <= 0 && sizing.maximumKbps <= 0)
        result = vorbis_encode_ctl(info, OV_ECTL_RATEMANAGE2_SET, nullptr);
    return result != 0 ? result : vorbis_encode_setup_init(info);
}

bool libvorbisAccepts(int sampleRate, int channels, int nominal, int minimum, int maximum) {
    if (sampleRate <= 0 || channels <= 0)
        return false;
    WriterFormat format;
    format.sampleRate = sampleRate;
    format.channels = channels;
    format.vorbis = {nominal, minimum, maximum, -1};
    VorbisInfo info;
    return setUp(info.get(), format) == 0;
}

bool ordered(int nominal, int minimum, int maximum) {
    const bool minimumOk = minimum <= 0 || nominal <= 0 || minimum <= nominal;
    const bool maximumOk = maximum <= 0 || nominal <= 0 || nominal <= maximum;
    const bool limitsOk = minimum <= 0 || maximum <= 0 || minimum <= maximum;
    return minimumOk && maximumOk && limitsOk;
}

// The accepted nominal bit rate nearest to the request, trying the lower one first on a tie; 0 when none.
int nearestAcceptedNominal(const WriterFormat& format, int minimum, int maximum) {
    const int requested = format.vorbis.nominalKbps;
    for (int distance = 0; distance <= kLongestSearch; ++distance) {
        for (const int candidate : {requested - distance, requested + distance}) {
            if (candidate <= 0 || (minimum > 0 && candidate < minimum) || (maximum > 0 && candidate > maximum))
                continue;
            if (libvorbisAccepts(format.sampleRate, format.channels, candidate, minimum, maximum))
                return candidate;
        }
    }
    return 0;
}

class OggStream {
public:
    explicit OggStream(int serial) { ogg_stream_init(&stream_, serial); }
    ~OggStream() { ogg_stream_clear(&stream_); }
    OggStream(const OggStream&) = delete;
    OggStream& operator=(const OggStream&) = delete;
    ogg_stream_state* get() { return &stream_; }

private:
    ogg_stream_state stream_{};
};

class VorbisBackend final : public WriterBackend {
public:
    // The stream serial comes from the name, so encoding the same input twice gives the same bytes.
    VorbisBackend(const WriterFormat& format, const QString& fileName)
        : file_(fileName), stream_(static_cast<int>(qHash(fileName))), channels_(format.channels),
          order_(channellayout::vorbisOrder(format.channels)) {
        if (const int result = setUp(info_.get(), format); result != 0)
            outputerror::encoderFailure(QStringLiteral("Ogg Vorbis"),
                                        QCoreApplication::translate("Components", "setting refused (%1)").arg(result));
        vorbis_comment_init(&comment_);
        vorbis_analysis_init(&dsp_, info_.get());
        vorbis_block_init(&dsp_, &block_);
        dspReady_ = true;

        ogg_packet header{};
        ogg_packet commentHeader{};
        ogg_packet codebooks{};
        vorbis_analysis_headerout(&dsp_, &comment_, &header, &commentHeader, &codebooks);
        ogg_stream_packetin(stream_.get(), &header);
        ogg_stream_packetin(stream_.get(), &commentHeader);
        ogg_stream_packetin(stream_.get(), &codebooks);
        // The headers end a page of their own, so audio starts on a fresh page as players expect.
        ogg_page page{};
        while (ogg_stream_flush(stream_.get(), &page) != 0)
            writePage(page);
    }

    ~VorbisBackend() override {
        if (dspReady_) {
            vorbis_block_clear(&block_);
            vorbis_dsp_clear(&dsp_);
        }
        vorbis_comment_clear(&comment_);
    }

    VorbisBackend(const VorbisBackend&) = delete;
    VorbisBackend& operator=(const VorbisBackend&) = delete;

    void write(std::span<const float> samples) override {
        const auto channels = static_cast<std::size_t>(channels_);
        const std::size_t frames = samples.size() / channels;
        if (frames == 0)
            return;
        float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(frames));
        for (std::size_t frame = 0; frame < frames; ++frame)
            for (std::size_t channel = 0; channel < channels; ++channel)
                buffer[channel][frame] = samples[frame * channels + static_cast<std::size_t>(order_[channel])];
        vorbis_analysis_wrote(&dsp_, static_cast<int>(frames));
        drain();
    }

    void finish() override {
        vorbis_analysis_wrote(&dsp_, 0);
        drain();
        file_.close();
    }

private:
    void drain() {
        ogg_packet packet{};
        ogg_page page{};
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
                ogg_stream_packetin(stream_.get(), &packet);
                while (ogg_stream_pageout(stream_.get(), &page) != 0)
                    writePage(page);
            }
        }
        // The end-of-stream packet only leaves through pageout once it is in; flush what remains after it.
        if (ogg_stream_eos(stream_.get()) != 0)
            while (ogg_stream_flush(stream_.get(), &page) != 0)
                writePage(page);
    }

    void writePage(const ogg_page& page) {
        file_.write(std::span(page.header, static_cast<std::size_t>(page.header_len)));
        file_.write(std::span(page.body, static_cast<std::size_t>(page.body_len)));
    }

    StdioFile file_;
    VorbisInfo info_;
    OggStream stream_;
    vorbis_comment comment_{};
    vorbis_dsp_state dsp_{};
    vorbis_block block_{};
    bool dspReady_ = false;
    int channels_;
    std::array<int, channellayout::kMostChannels> order_; // Vorbis's channel order
};

} // namespace

bool acceptsVorbisBitrates(int sampleRate, int channels, int nominal, int minimum, int maximum) {
    return ordered(nominal, minimum, maximum) && libvorbisAccepts(sampleRate, channels, nominal, minimum, maximum);
}

WriterFormat planOggVorbis(int sampleRate, int channels, int nominal, int minimum, int maximum, int quality) {
    WriterFormat format;
    format.codec = OutputCodec::OggVorbis;
    format.channels = formatrules::clampChannels(channels, 2);
    if (quality >= 0) {
        format.sampleRate = std::clamp(sampleRate, 4000, 192000);
        format.vorbis = {0, 0, 0, std::min(quality, 1000)};
        return format;
    }
    format.sampleRate = sampleRate < kLowestManagedRate    ? kLowestManagedRate
                        : sampleRate > kHighestManagedRate ? kNearestHighManagedRate
                                                           : sampleRate;
    minimum = std::max(minimum, 0);
    maximum = std::max(maximum, 0);
    if (minimum > 0 && maximum > 0 && minimum > maximum)
        std::swap(minimum, maximum);
    if (nominal <= 0)
        nominal = minimum > 0 && maximum > 0 ? (minimum + maximum) / 2 : kDefaultNominal;
    format.vorbis = {nominal, minimum, maximum, -1};
    // With the limits kept if libvorbis takes any nominal rate between them, else as a plain nominal rate.
    if (const int accepted = nearestAcceptedNominal(format, minimum, maximum); accepted > 0) {
        format.vorbis.nominalKbps = accepted;
        return format;
    }
    format.vorbis = {nearestAcceptedNominal(format, 0, 0), 0, 0, -1};
    if (format.vorbis.nominalKbps == 0)
        format.vorbis = {0, 0, 0, 400}; // no bit rate fits at all: a middle quality is still a valid file
    return format;
}

std::unique_ptr<WriterBackend> openOggVorbisBackend(const WriterFormat& format, const QString& fileName) {
    return std::make_unique<VorbisBackend>(format, fileName);
}
