#pragma once

#include "core/components/lame/LameMapping.h"

#include <QString>
#include <optional>

// The kinds of file the writer makes; each has one backend (see WriterBackend.h).
enum class OutputCodec {
    PcmWav,
    Raw,
    AdpcmWav,
    GsmWav,
    Vox,
    DspWav,
    Mp2,
    Mp3,
    OggVorbis,
    Wma,
    G72xAu,
    G726Wav,
    Flac,
    Alac,
    Aac,
    Opus
};

// How an Ogg Vorbis output is sized. Bit rates in kbit/s, 0 = not set. quality -1 means the bit rates rule
// (libvorbis managed mode); otherwise quality 0..1000 is the VBR quality q = quality / 1000.
struct VorbisSizing {
    int nominalKbps = 128;
    int minimumKbps = 0;
    int maximumKbps = 0;
    int quality = -1;

    [[nodiscard]] bool managed() const { return quality < 0; }
};

// What LAME will really produce, read back from an initialised encoder.
struct Mp3Plan {
    int vbrMode = 0;                          // LAME's vbr_mode
    int kbps = 128;                           // CBR bit rate, ABR mean bit rate, or the VBR maximum
    int vbrQuality = 4;                       // 0 (best) .. 9, for VBR
    int lameMode = 1;                         // LAME's MPEG_mode
    std::optional<Mp3SettingValues> settings; // the snapshot of a settings object, when one was handed over
};

// The writer's current output format, with every value already moved to one the codec accepts, so that the
// format string describes exactly what create() will write.
struct WriterFormat {
    OutputCodec codec = OutputCodec::PcmWav;
    int sampleRate = 44100;
    int channels = 2;
    int bits = 16; // PCM sample size, or G.72x code size
    int kbps = 0;  // MP2, WMA, AAC and Opus bit rate
    int wmaProfile = 0;
    int g72xStandard = 726;     // 721, 723 or 726: the name the user chose for the same ADPCM family
    int flacLevel = 5;          // FLAC compression level 0..8
    bool speech = false;        // Opus tuned for speech rather than music
    bool followsSource = false; // lossless: rate, channels and sample size are the source's, fixed when writing starts
    qint64 sourceFrames = 0;    // the source's length when known, for the FLAC seek table
    // Set by a channel choice (keep, stereo or mono) of the formats that can carry surround sound. Kept channels
    // are the input's, up to eight, fixed when writing starts; a lossy bit rate then counts per stereo pair. A
    // chosen stereo or mono output mixes more channels with the ITU coefficients.
    bool channelsChosen = false;
    bool keepsChannels = false;
    quint64 channelMask = 0; // the layout written (see ChannelLayouts.h); 0 for the usual one of the count
    VorbisSizing vorbis;
    Mp3Plan mp3;
};

// The channels the writer was told it will receive; none (0) before the first description.
struct DescribedInput {
    int channels = 0;
    quint64 mask = 0;
};

// One line naming codec, bit rate or mode, sample rate and channels; codecOnly gives the codec name alone. A format
// with chosen channels also says what becomes of the described input's: "6 channels kept", "5.1 mixed to stereo".
[[nodiscard]] QString describeFormat(const WriterFormat& format, bool codecOnly, DescribedInput input = {});
