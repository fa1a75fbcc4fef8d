#pragma once

// The RAW output always writes signed 16-bit little-endian samples, and MP2 outputs are made at 128 kbit/s.
inline constexpr int kRawSampleType = 3;
inline constexpr int kRawBits = 16;
inline constexpr int kMp2Kbps = 128;

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

    bool operator==(const PanelValues&) const = default;
};
