#pragma once

// The single settings of the MP3 encoder settings object, each an integer. Flags are -1 (on) or 0 (off) when
// written; any non-zero value read back counts as on.
enum class Mp3Setting {
    MaxVbrBitrate,       // kbit/s
    VbrQuality,          // 0 (best) .. 9
    VbrMode,             // -1 none, 0 default, 1 old, 2 new, 3 mtrh, 4 abr
    AbrBitrate,          // kbit/s
    ChannelMode,         // 0 mono, 1 stereo, 2 joint stereo, 3 forced joint stereo, 4 dual channels
    Quality,             // 0 (best) .. 9 (fastest)
    VbrHeader,           // flag
    BitReservoir,        // flag
    DifferentBlockTypes, // flag
    ShortBlocks,         // flag
    DeEmphasis,          // 0 none, 1 50/15 microseconds, 2 CCITT J.17
    StrictIso,           // flag
    EnforceMinBitrate,   // flag
    AthMode,             // 0 default, 1 only, 2 disabled, 3 only for short blocks
    LowpassFrequency,    // Hz, -1 off
    HighpassFrequency,   // Hz, -1 off
    LowpassWidth,        // Hz
    HighpassWidth,       // Hz
    Crc,                 // flag
    OutputSampleRate,    // Hz
    Channels,            // 1 or 2
    Bitrate,             // kbit/s
};

inline constexpr int kMp3SettingCount = static_cast<int>(Mp3Setting::Bitrate) + 1;
