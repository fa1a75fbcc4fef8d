#pragma once

#include "FormatScales.h"

#include <QString>
#include <QStringList>

class IAudioFile2;
class IAudioFile2LameEnc;

// The pages of the MP3 dialog; the page the dialog was last left on decides how its settings are applied.
enum class Mp3Page { General, Filtering, Vbr, Expert, Presets, CommandLine };

// The values of the MP3 dialog's controls. List choices are item indexes, track bars positions on their scale.
// The defaults are the form's; loading from the encoder replaces all but the memo and the preset choices.
struct Mp3Controls {
    Mp3Page page = Mp3Page::General;
    // General
    int channelItem = 2; // "Mono", "Stereo", "Joint Stereo", "Forced Joint Stereo", "Dual Channels"
    int quality = 5;     // 0 better .. 9 faster
    int sampleRateIndex = sampleRateIndexOf(kDefaultSampleRate);
    int bitratePosition = kMp3MiddlePosition;
    // Filtering
    bool highpassOn = false;
    int highpassFrequency = 30;
    int highpassWidth = 5;
    bool lowpassOn = false;
    int lowpassFrequency = 15160;
    int lowpassWidth = 760;
    // VBR
    int vbrModeItem = 0; // "None", "Default", "Old", "New", "MTRH", "ABR": the encoder's VBR mode + 1
    int maxVbrPosition = kMp3MiddlePosition;
    bool vbrHeader = false;
    bool enforceMinBitrate = false;
    int vbrQuality = 0;
    int abrBitrate = 123;
    // Expert
    bool crc = false;
    bool strictIso = false;
    bool differentBlockTypes = false;
    bool shortBlocks = false;
    bool bitReservoir = false;
    int athItem = 0;
    int deEmphasisItem = 0;
    // Presets
    bool presetOn = false;
    int presetItem = 0; // preset number - 1
    bool altPresetOn = false;
    int altPresetItem = 0; // alternative preset number - 1
    // Command Line
    QString commandLine;

    bool operator==(const Mp3Controls&) const = default;
};

[[nodiscard]] QStringList mp3ChannelItems();
[[nodiscard]] QStringList mp3VbrModeItems();
[[nodiscard]] QStringList mp3AthItems();
[[nodiscard]] QStringList mp3DeEmphasisItems();
[[nodiscard]] QStringList mp3PresetItems();
[[nodiscard]] QStringList mp3AltPresetItems();

// The caption of the maximum VBR bit rate: "Current bitrate: 128 kbit".
[[nodiscard]] QString mp3MaxBitrateLabel(int kbps);

// Reads the encoder into the controls; the memo and the preset choices are left alone.
void loadMp3Controls(const IAudioFile2LameEnc& encoder, Mp3Controls& controls);

// Writes the controls into the encoder, the one way anything reaches it: on the "Command Line" page the memo's text
// as the command line; else with "Preset" on the preset, else with "Alt-Preset" on the alternative preset; else
// every single setting. After a command line or a preset the controls are loaded again from the encoder, so they
// show what the encoder made of it; the result says whether that happened. Raises the encoder's ComponentError
// unchanged.
bool writeMp3Controls(IAudioFile2LameEnc& encoder, Mp3Controls& controls);

// The channel choice alone, as the "Channels" list writes it: "Mono" writes one channel and leaves the channel mode
// as it was; any other item writes two channels with that item as the channel mode.
void writeMp3ChannelItem(IAudioFile2LameEnc& encoder, int channelItem);

// Hands the encoder settings to the writer, which makes every following MP3 output with them.
void handMp3SettingsToWriter(IAudioFile2LameEnc& encoder, IAudioFile2& writer);

// Which controls of the MP3 dialog are enabled. Only one preset box can be on at a time.
struct Mp3Enabling {
    bool highpass = false; // frequency, width and its label
    bool lowpass = false;
    bool vbrQuality = false; // spin edit and its label
    bool abrBitrate = false;
    bool vbrGroups = false; // "Maximum VBR Bitrate", "Advanced", the label above the track bar and its contents
    bool presetBox = true;
    bool presetList = false;
    bool altPresetBox = true;
    bool altPresetList = false;

    bool operator==(const Mp3Enabling&) const = default;
};

[[nodiscard]] Mp3Enabling mp3EnablingOf(const Mp3Controls& controls);
