#include "FormatRules.h"

#include "ChannelLayouts.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace formatrules {

namespace {

constexpr std::array kMp2Rates{16000, 22050, 24000, 32000, 44100, 48000};
constexpr int kLowestMpeg1Rate = 32000;
// Layer II bit rates of MPEG-1; some are legal only in mono, some only with two channels.
constexpr std::array kMp2Mpeg1MonoKbps{32, 48, 56, 64, 80, 96, 112, 128, 160, 192};
constexpr std::array kMp2Mpeg1StereoKbps{64, 96, 112, 128, 160, 192, 224, 256, 320, 384};
// MPEG-2 half-rate (LSF) Layer II bit rates, any channel mode.
constexpr std::array kMp2LsfKbps{8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

// The old ACM GSM rates; the codec's frames are defined for 8 kHz, the others are what players accept.
constexpr std::array kGsmRates{8000, 11025, 22050, 44100};
constexpr int kTelephoneRate = 8000;

constexpr std::array kPcmBits{8, 16, 24};
// The sampling frequencies an MPEG-4 AAC stream can signal by index, which every player understands.
constexpr std::array kAacRates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000, 64000, 88200, 96000};
constexpr std::array kG723Bits{3, 5};

constexpr std::array<WmaProfile, 28> kWmaProfiles{{
    {24, 8000, 1},  {24, 11025, 1}, {24, 16000, 1}, {24, 22050, 1}, {32, 16000, 1},  {32, 22050, 1},  {32, 22050, 2},
    {32, 32000, 1}, {40, 22050, 2}, {40, 32000, 1}, {48, 22050, 2}, {48, 32000, 1},  {48, 32000, 2},  {48, 44100, 1},
    {48, 44100, 2}, {64, 22050, 2}, {64, 32000, 2}, {64, 44100, 1}, {64, 44100, 2},  {64, 48000, 2},  {80, 44100, 2},
    {96, 32000, 2}, {96, 44100, 1}, {96, 44100, 2}, {96, 48000, 2}, {128, 32000, 2}, {128, 44100, 1}, {128, 44100, 2},
}};

WriterFormat make(OutputCodec codec, int sampleRate, int channels, int bits = 16, int kbps = 0) {
    WriterFormat format;
    format.codec = codec;
    format.sampleRate = sampleRate;
    format.channels = channels;
    format.bits = bits;
    format.kbps = kbps;
    return format;
}

} // namespace

int nearestOf(int value, std::span<const int> legal) {
    // Ties go to the larger value, which keeps more of the signal.
    return *std::min_element(legal.begin(), legal.end(), [value](int a, int b) {
        const int da = std::abs(a - value);
        const int db = std::abs(b - value);
        return da != db ? da < db : a > b;
    });
}

int clampChannels(int channels, int most) {
    return std::clamp(channels, 1, most);
}

int clampPcmRate(int sampleRate) {
    return std::clamp(sampleRate, 1000, 384000);
}

WriterFormat pcmWav(int sampleRate, int channels, int bits) {
    return make(OutputCodec::PcmWav, clampPcmRate(sampleRate), clampChannels(channels, 8), nearestOf(bits, kPcmBits));
}

WriterFormat raw(int sampleRate, int channels) {
    return make(OutputCodec::Raw, clampPcmRate(sampleRate), clampChannels(channels, 8));
}

WriterFormat adpcmWav(int sampleRate, int channels) {
    return make(OutputCodec::AdpcmWav, std::clamp(sampleRate, 1000, 96000), clampChannels(channels, 2), 4);
}

WriterFormat gsmWav(int sampleRate) {
    const bool known = std::find(kGsmRates.begin(), kGsmRates.end(), sampleRate) != kGsmRates.end();
    return make(OutputCodec::GsmWav, known ? sampleRate : kTelephoneRate, 1);
}

WriterFormat vox(int sampleRate) {
    return make(OutputCodec::Vox, std::clamp(sampleRate, 1000, 48000), 1, 4);
}

WriterFormat dspWav() {
    return make(OutputCodec::DspWav, kTelephoneRate, 1);
}

WriterFormat mp2(int sampleRate, int kbps, int channels) {
    channels = clampChannels(channels, 2);
    int rate = nearestOf(sampleRate, kMp2Rates);
    // The half-rate variant stops at 160 kbit/s; a higher request keeps its bit rate by moving to MPEG-1.
    if (rate < kLowestMpeg1Rate && kbps > kMp2LsfKbps.back())
        rate = kLowestMpeg1Rate;
    int legalKbps = 0;
    if (rate < kLowestMpeg1Rate)
        legalKbps = nearestOf(kbps, kMp2LsfKbps);
    else
        legalKbps = nearestOf(kbps, channels == 1 ? std::span<const int>(kMp2Mpeg1MonoKbps)
                                                  : std::span<const int>(kMp2Mpeg1StereoKbps));
    return make(OutputCodec::Mp2, rate, channels, 16, legalKbps);
}

namespace {

WriterFormat g72xAu(int standard, int sampleRate, int bits) {
    WriterFormat format = make(OutputCodec::G72xAu, std::clamp(sampleRate, 1000, 48000), 1, bits);
    format.g72xStandard = standard;
    return format;
}

} // namespace

WriterFormat g721(int sampleRate) {
    return g72xAu(721, sampleRate, 4);
}

WriterFormat g723(int sampleRate, int bits) {
    return g72xAu(723, sampleRate, nearestOf(bits, kG723Bits));
}

WriterFormat g726(int sampleRate, int bits) {
    bits = std::clamp(bits, 2, 5);
    // Two-bit G.726 has no Sun AU encoding; it goes into WAV, whose readers need 8 kHz to derive the code size.
    if (bits == 2)
        return make(OutputCodec::G726Wav, kTelephoneRate, 1, 2);
    return g72xAu(726, sampleRate, bits);
}

WriterFormat flac(int level) {
    WriterFormat format = make(OutputCodec::Flac, 44100, 2);
    format.flacLevel = std::clamp(level, 0, 8);
    format.followsSource = true;
    return format;
}

WriterFormat alac() {
    WriterFormat format = make(OutputCodec::Alac, 44100, 2);
    format.followsSource = true;
    return format;
}

WriterFormat aac(int sampleRate, int channels, int kbps) {
    return make(OutputCodec::Aac, nearestOf(sampleRate, kAacRates), clampChannels(channels, 2), 16,
                std::clamp(kbps, 96, 320));
}

WriterFormat opus(int channels, int kbps, bool speech) {
    WriterFormat format = make(OutputCodec::Opus, kOpusRate, clampChannels(channels, 2), 16, std::clamp(kbps, 32, 256));
    format.speech = speech;
    return format;
}

WriterFormat shapedLikeSource(WriterFormat format, int sampleRate, int channels, int bits) {
    constexpr int kHighestFlacRate = 655350;
    format.sampleRate = std::clamp(sampleRate, 1, kHighestFlacRate);
    if (!format.channelsChosen)
        format.channels = clampChannels(channels, 2);
    format.bits = bits > 16 ? 24 : 16;
    return format;
}

bool takesChannelChoice(OutputCodec codec) {
    switch (codec) {
    case OutputCodec::PcmWav:
    case OutputCodec::Flac:
    case OutputCodec::Alac:
    case OutputCodec::Aac:
    case OutputCodec::Opus:
    case OutputCodec::OggVorbis:
        return true;
    default:
        return false;
    }
}

WriterFormat withChannelChoice(WriterFormat format, int channels) {
    if (!takesChannelChoice(format.codec))
        return format;
    format.channelsChosen = true;
    format.keepsChannels = channels <= 0;
    format.channelMask = 0;
    if (channels > 0)
        format.channels = clampChannels(channels, 2);
    return format;
}

WriterFormat withKeptChannels(WriterFormat format, int channels, quint64 mask) {
    channels = clampChannels(channels, channellayout::kMostChannels);
    // MP4's AAC has no channel configuration for seven channels; such a source is mixed to stereo instead.
    if (format.codec == OutputCodec::Aac && channels == 7) {
        format.keepsChannels = false;
        format.channels = 2;
        return format;
    }
    format.channels = channels;
    format.channelMask = channellayout::maskFor(channels, mask);
    const int pairs = channellayout::pairsOf(channels);
    format.kbps *= pairs;
    format.vorbis.nominalKbps *= pairs;
    format.vorbis.minimumKbps *= pairs;
    format.vorbis.maximumKbps *= pairs;
    return format;
}

std::span<const WmaProfile> wmaProfiles() {
    return kWmaProfiles;
}

WriterFormat wma(int profile) {
    const int index = std::clamp(profile, 1, static_cast<int>(kWmaProfiles.size())) - 1;
    const WmaProfile& chosen = kWmaProfiles[static_cast<std::size_t>(index)];
    WriterFormat format = make(OutputCodec::Wma, chosen.sampleRate, chosen.channels, 16, chosen.kbps);
    format.wmaProfile = index + 1;
    return format;
}

QString wmaProfileDescription(const WmaProfile& profile) {
    return QStringLiteral("%1 kbps, %2 kHz, %3 CBR")
        .arg(profile.kbps)
        .arg(profile.sampleRate / 1000)
        .arg(profile.channels == 1 ? QStringLiteral("mono") : QStringLiteral("stereo"));
}

} // namespace formatrules
