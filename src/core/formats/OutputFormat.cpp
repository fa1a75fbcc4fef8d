#include "OutputFormat.h"

#include "PanelValues.h"
#include "core/components/IAudioFile2.h"

#include <algorithm>

namespace {

using enum FormatChoice;
constexpr WriterCall kSetByDialog = nullptr;
constexpr int kNoPaneString = -1;

// The writer operations of the formats the panel values set.
void setAdpcm(IAudioFile2& writer, const PanelValues& panel) {
    writer.setAdpcmWav(panel.sampleRate, panel.channels);
}

// Always made, and described, with the bit rate the MP2 output really has, so its string tells what the file will be.
void setMp2(IAudioFile2& writer, const PanelValues& panel) {
    writer.setMp2(panel.sampleRate, kMp2Kbps, panel.channels);
}

void setWma(IAudioFile2& writer, const PanelValues& panel) {
    writer.setWmaProfile(panel.wmaProfile);
}

void setDsp(IAudioFile2& writer, const PanelValues&) {
    writer.setDspWav();
}

void setGsm(IAudioFile2& writer, const PanelValues& panel) {
    writer.setGsmWav(panel.sampleRate);
}

void setVox(IAudioFile2& writer, const PanelValues& panel) {
    writer.setVox(panel.sampleRate);
}

void setRaw(IAudioFile2& writer, const PanelValues& panel) {
    writer.setRaw(kRawSampleType, panel.sampleRate, panel.channels, kRawBits);
}

void setG721(IAudioFile2& writer, const PanelValues& panel) {
    writer.setG721(panel.sampleRate);
}

void setG723(IAudioFile2& writer, const PanelValues& panel) {
    writer.setG723(panel.sampleRate, panel.g723Bits);
}

void setG726(IAudioFile2& writer, const PanelValues& panel) {
    writer.setG726(panel.sampleRate, panel.g726Bits);
}

void setFlac(IAudioFile2& writer, const PanelValues& panel) {
    writer.setFlac(panel.flacLevel);
    writer.setOutputChannels(writerChannelsOf(panel.flacChannels));
}

void setAlac(IAudioFile2& writer, const PanelValues& panel) {
    writer.setAlac();
    writer.setOutputChannels(writerChannelsOf(panel.alacChannels));
}

// A kept layout's bit rate counts per stereo pair, so the stereo rate is the one set first.
void setAac(IAudioFile2& writer, const PanelValues& panel) {
    const int channels = writerChannelsOf(panel.aacChannelChoice());
    writer.setAac(panel.sampleRate, channels == 0 ? 2 : channels, panel.aacKbps);
    writer.setOutputChannels(channels);
}

void setOpus(IAudioFile2& writer, const PanelValues& panel) {
    const int channels = writerChannelsOf(panel.opusChannelChoice());
    writer.setOpus(channels == 0 ? 2 : channels, panel.opusKbps, panel.opusSpeech);
    writer.setOutputChannels(channels);
}

constexpr std::array<OutputFormatFacts, kOutputFormatCount> kTable{{
    {.format = OutputFormat::Pcm,
     .name = "pcm",
     .suffix = ".wav",
     .iniKey = "ch_pcm",
     .checkBox = "chpcm",
     .caption = "PCM (Standard WAV)",
     .saveIndex = 0,
     .dialog = SettingDialog::PcmWav,
     .setOnWriter = kSetByDialog,
     .choices = {SampleRate, Channels, PcmBits},
     .paneStringOrder = kNoPaneString,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::Adpcm,
     .name = "adpcm",
     .suffix = "_ADPCM.wav",
     .iniKey = "ch_adpcm",
     .checkBox = "chADPCM",
     .caption = "ADPCM (Compressed WAV )",
     .saveIndex = 4,
     .dialog = SettingDialog::None,
     .setOnWriter = setAdpcm,
     .choices = {SampleRate, Channels},
     .paneStringOrder = 0,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::Mp3,
     .name = "mp3",
     .suffix = ".mp3",
     .iniKey = "ch_mp3",
     .checkBox = "chMP3",
     .caption = "MP3",
     .saveIndex = 1,
     .dialog = SettingDialog::Mp3,
     .setOnWriter = kSetByDialog,
     .choices = {SampleRate, Channels, Mp3Preset, Mp3AltPreset, LameSwitches},
     .paneStringOrder = kNoPaneString,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::Mp2,
     .name = "mp2",
     .suffix = ".mp2",
     .iniKey = "ch_mp2",
     .checkBox = "chMP2",
     .caption = "MP2 ",
     .saveIndex = 9,
     .dialog = SettingDialog::None,
     .setOnWriter = setMp2,
     .choices = {SampleRate, Channels},
     .paneStringOrder = 5,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::Ogg,
     .name = "ogg",
     .suffix = ".ogg",
     .iniKey = "ch_ogg",
     .checkBox = "chOGG",
     .caption = "OGG ",
     .saveIndex = 2,
     .dialog = SettingDialog::OggVorbis,
     .setOnWriter = kSetByDialog,
     .choices = {SampleRate, Channels},
     .paneStringOrder = kNoPaneString,
     .writerNeedsSourceShape = false},
    // The WMA writer chooses its stream layout when the file is created, so it must know its input before that.
    {.format = OutputFormat::Wma,
     .name = "wma",
     .suffix = ".wma",
     .iniKey = "ch_wma",
     .checkBox = "chWMA",
     .caption = "WMA",
     .saveIndex = 3,
     .dialog = SettingDialog::None,
     .setOnWriter = setWma,
     .choices = {WmaProfile},
     .paneStringOrder = kNoPaneString,
     .writerNeedsSourceShape = true},
    {.format = OutputFormat::Dsp,
     .name = "dsp",
     .suffix = "_DSP.wav",
     .iniKey = "ch_dsp",
     .checkBox = "chDSP",
     .caption = "DSP (WAV) ",
     .saveIndex = 6,
     .dialog = SettingDialog::None,
     .setOnWriter = setDsp,
     .choices = {},
     .paneStringOrder = 2,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::Gsm,
     .name = "gsm",
     .suffix = "_GSM.wav",
     .iniKey = "ch_gsm",
     .checkBox = "chGSM",
     .caption = "GSM (WAV) ",
     .saveIndex = 5,
     .dialog = SettingDialog::None,
     .setOnWriter = setGsm,
     .choices = {SampleRate},
     .paneStringOrder = 1,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::Vox,
     .name = "vox",
     .suffix = ".vox",
     .iniKey = "ch_vox",
     .checkBox = "chVOX",
     .caption = "VOX ",
     .saveIndex = 7,
     .dialog = SettingDialog::None,
     .setOnWriter = setVox,
     .choices = {SampleRate},
     .paneStringOrder = 3,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::Raw,
     .name = "raw",
     .suffix = ".raw",
     .iniKey = "ch_raw",
     .checkBox = "chraw",
     .caption = "RAW ",
     .saveIndex = 8,
     .dialog = SettingDialog::None,
     .setOnWriter = setRaw,
     .choices = {SampleRate, Channels},
     .paneStringOrder = 4,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::G721,
     .name = "g721",
     .suffix = ".g721",
     .iniKey = "ch_g721",
     .checkBox = "chG721",
     .caption = "G.721",
     .saveIndex = 10,
     .dialog = SettingDialog::None,
     .setOnWriter = setG721,
     .choices = {SampleRate},
     .paneStringOrder = kNoPaneString,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::G723,
     .name = "g723",
     .suffix = ".g723",
     .iniKey = "ch_g723",
     .checkBox = "chG723",
     .caption = "G.723 ",
     .saveIndex = 11,
     .dialog = SettingDialog::None,
     .setOnWriter = setG723,
     .choices = {SampleRate, CodeSize},
     .paneStringOrder = 6,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::G726,
     .name = "g726",
     .suffix = ".g726",
     .iniKey = "ch_g726",
     .checkBox = "chG726",
     .caption = "G.726 ",
     .saveIndex = 12,
     .dialog = SettingDialog::None,
     .setOnWriter = setG726,
     .choices = {SampleRate, CodeSize},
     .paneStringOrder = 7,
     .writerNeedsSourceShape = false},
    // The lossless outputs keep their source's rate, channels (up to 7.1 unless stereo or mono is chosen) and
    // sample size, so the writer learns them from the source before it starts.
    {.format = OutputFormat::Flac,
     .name = "flac",
     .suffix = ".flac",
     .iniKey = "ch_flac",
     .checkBox = "chFLAC",
     .caption = "FLAC",
     .saveIndex = 13,
     .dialog = SettingDialog::None,
     .setOnWriter = setFlac,
     .choices = {CompressionLevel, Channels},
     .paneStringOrder = 8,
     .writerNeedsSourceShape = true,
     .keepsSourceSamples = true},
    {.format = OutputFormat::Alac,
     .name = "alac",
     .suffix = "_ALAC.m4a",
     .iniKey = "ch_alac",
     .checkBox = "chALAC",
     .caption = "ALAC",
     .saveIndex = 14,
     .dialog = SettingDialog::None,
     .setOnWriter = setAlac,
     .choices = {Channels},
     .paneStringOrder = 9,
     .writerNeedsSourceShape = true,
     .keepsSourceSamples = true},
    {.format = OutputFormat::Aac,
     .name = "aac",
     .suffix = ".m4a",
     .iniKey = "ch_aac",
     .checkBox = "chAAC",
     .caption = "AAC (M4A)",
     .saveIndex = 15,
     .dialog = SettingDialog::None,
     .setOnWriter = setAac,
     .choices = {SampleRate, Channels, Bitrate},
     .paneStringOrder = 10,
     .writerNeedsSourceShape = false},
    {.format = OutputFormat::Opus,
     .name = "opus",
     .suffix = ".opus",
     .iniKey = "ch_opus",
     .checkBox = "chOpus",
     .caption = "Opus",
     .saveIndex = 16,
     .dialog = SettingDialog::None,
     .setOnWriter = setOpus,
     .choices = {Channels, Bitrate, SpeechOrMusic},
     .paneStringOrder = 11,
     .writerNeedsSourceShape = false},
}};

static_assert([] {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (kTable[i].format != kOutputFormatsInOrder[i])
            return false;
    }
    return true;
}());

// Every format is set either by its dialog or from the panel values, never both and never neither; the pane
// describes only formats the panel values set.
static_assert([] {
    for (const OutputFormatFacts& facts : kTable) {
        if ((facts.dialog == SettingDialog::None) == (facts.setOnWriter == nullptr))
            return false;
        if (facts.paneStringOrder >= 0 && facts.setOnWriter == nullptr)
            return false;
    }
    return true;
}());

} // namespace

const std::array<OutputFormatFacts, kOutputFormatCount>& outputFormatTable() {
    return kTable;
}

const OutputFormatFacts& factsOf(OutputFormat format) {
    return kTable[static_cast<std::size_t>(format)];
}

const std::array<OutputFormat, kOutputFormatCount>& outputFormatsInSaveOrder() {
    static const std::array<OutputFormat, kOutputFormatCount> order = [] {
        std::array<OutputFormat, kOutputFormatCount> result{};
        for (const OutputFormatFacts& facts : kTable)
            result[static_cast<std::size_t>(facts.saveIndex)] = facts.format;
        return result;
    }();
    return order;
}

QString outputSuffix(OutputFormat format) {
    return QLatin1String(factsOf(format).suffix);
}

QString outputFormatName(OutputFormat format) {
    return QLatin1String(factsOf(format).name);
}

std::optional<OutputFormat> outputFormatNamed(const QString& name) {
    const auto found = std::find_if(kTable.begin(), kTable.end(),
                                    [&](const OutputFormatFacts& facts) { return name == QLatin1String(facts.name); });
    if (found == kTable.end())
        return std::nullopt;
    return found->format;
}
