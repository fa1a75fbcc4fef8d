#pragma once

#include <QString>
#include <optional>

// The RAW output always writes signed 16-bit little-endian samples, and MP2 outputs are made at 128 kbit/s.
inline constexpr int kRawSampleType = 3;
inline constexpr int kRawBits = 16;
inline constexpr int kMp2Kbps = 128;

// The values a setting takes, both ends included.
struct ValueRange {
    int lowest;
    int highest;

    [[nodiscard]] constexpr bool contains(int value) const { return value >= lowest && value <= highest; }
};

// What the panel's settings take; the command line and saved profiles check their values against the same.
inline constexpr ValueRange kChannelsRange{1, 2};
inline constexpr ValueRange kG726BitsRange{2, 5};
inline constexpr ValueRange kWmaProfileRange{1, 999}; // the writer may know fewer
inline constexpr ValueRange kFlacLevelRange{0, 8};
inline constexpr ValueRange kAacKbpsRange{96, 320};
inline constexpr ValueRange kOpusKbpsRange{32, 256};

// What an output that can carry surround sound (PCM WAV, FLAC, ALAC, AAC, Opus, Ogg Vorbis) does with its source's
// channels: keep them (up to 7.1), or make stereo or mono, mixing more channels down.
enum class ChannelChoice { Keep, Stereo, Mono };

// The writer's argument for a choice: 0 keeps, 1 and 2 are the channels made.
[[nodiscard]] constexpr int writerChannelsOf(ChannelChoice choice) {
    return choice == ChannelChoice::Keep ? 0 : choice == ChannelChoice::Mono ? 1 : 2;
}
[[nodiscard]] constexpr ChannelChoice channelChoiceOfCount(int channels) {
    return channels == 1 ? ChannelChoice::Mono : ChannelChoice::Stereo;
}
// "keep", "2", "1": how the command line and the stored settings spell a choice, and back.
[[nodiscard]] QString channelChoiceWord(ChannelChoice choice);
[[nodiscard]] std::optional<ChannelChoice> channelChoiceNamed(const QString& word);
// "Keep", "Stereo", "Mono": the items of the Channels lists, in the order of the enumeration.
[[nodiscard]] QString channelChoiceCaption(ChannelChoice choice);

// The values of the output format panel that the preparation of an output reads; the defaults are the panel's
// values at start-up, and the only place they are written down.
struct PanelValues {
    int sampleRate = 44100;
    int channels = 2;
    int g723Bits = 5;
    int g726Bits = 4;
    int wmaProfile = 28; // counted from 1
    int flacLevel = 5;   // 0..8
    int aacKbps = 160;   // 96..320
    int opusKbps = 128;  // 32..256
    bool opusSpeech = false;
    ChannelChoice flacChannels = ChannelChoice::Keep;
    ChannelChoice alacChannels = ChannelChoice::Keep;
    // Nothing: as the panel's channels, which the AAC and Opus outputs followed before they had a choice of their own.
    std::optional<ChannelChoice> aacChannels;
    std::optional<ChannelChoice> opusChannels;

    [[nodiscard]] ChannelChoice aacChannelChoice() const {
        return aacChannels.value_or(channelChoiceOfCount(channels));
    }
    [[nodiscard]] ChannelChoice opusChannelChoice() const {
        return opusChannels.value_or(channelChoiceOfCount(channels));
    }
    bool operator==(const PanelValues&) const = default;
};
