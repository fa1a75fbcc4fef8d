#pragma once

#include <QString>
#include <array>
#include <initializer_list>
#include <optional>

class IAudioFile2;
struct PanelValues;

// The output formats, in the fixed order in which a batch makes the outputs of one source.
enum class OutputFormat { Pcm, Adpcm, Mp3, Mp2, Ogg, Wma, Dsp, Gsm, Vox, Raw, G721, G723, G726, Flac, Alac, Aac, Opus };

inline constexpr std::size_t kOutputFormatCount = 17;

// The option dialog that sets a format on the writer; formats without one are set from the panel values alone.
enum class SettingDialog { None, PcmWav, Mp3, OggVorbis };

// What the user can choose for a format's outputs beyond the format itself. Each is a panel value or a dialog
// choice in the program and an option of tonalith-cli, which refuses an option none of the chosen formats takes.
enum class FormatChoice : unsigned {
    SampleRate = 1U << 0U,
    Channels = 1U << 1U,
    PcmBits = 1U << 2U,
    WmaProfile = 1U << 3U,
    CodeSize = 1U << 4U,
    Mp3Preset = 1U << 5U,
    Mp3AltPreset = 1U << 6U,
    LameSwitches = 1U << 7U,
    CompressionLevel = 1U << 8U,
    Bitrate = 1U << 9U,
    SpeechOrMusic = 1U << 10U,
};

// A set of FormatChoice values.
class FormatChoiceSet {
public:
    constexpr FormatChoiceSet() = default;
    constexpr FormatChoiceSet(std::initializer_list<FormatChoice> choices) {
        for (const FormatChoice choice : choices)
            bits_ |= static_cast<unsigned>(choice);
    }
    [[nodiscard]] constexpr bool contains(FormatChoice choice) const {
        return (bits_ & static_cast<unsigned>(choice)) != 0;
    }

private:
    unsigned bits_ = 0;
};

// Sets a format on the writer from the panel values.
using WriterCall = void (*)(IAudioFile2& writer, const PanelValues& panel);

// Everything the program knows about one output format apart from its codec settings. One row per format; the
// settings store, the plan, the panel, the dialogs, the preparation of the writer and tonalith-cli all read this
// table, so a new format is one row here plus its writer operation.
struct OutputFormatFacts {
    OutputFormat format;
    const char* name;                // the short name scripts use: "pcm", "adpcm", "mp3", ...
    const char* suffix;              // what follows the base name in an output's file name: ".wav", "_ADPCM.wav", ...
    const char* iniKey;              // the key of its check box in settings.ini: "ch_pcm", ...
    const char* checkBox;            // the object name of its check box on the format panel: "chpcm", ...
    const char* caption;             // the check box's text
    int saveIndex;                   // position among the check boxes when the last state is written
    SettingDialog dialog;            // the dialog that sets the format, or None when setOnWriter does
    WriterCall setOnWriter;          // sets the format from the panel values; null when a dialog sets it
    FormatChoiceSet choices;         // what the user can choose for it
    int paneStringOrder;             // position among the panel's "Other Format" strings; -1 when it shows none
    bool writerNeedsSourceShape;     // the writer must learn the source's rate and channels before it creates the file
    bool keepsSourceSamples = false; // lossless: the writer also learns the source's sample size and length
};

// The table in conversion order.
[[nodiscard]] const std::array<OutputFormatFacts, kOutputFormatCount>& outputFormatTable();
[[nodiscard]] const OutputFormatFacts& factsOf(OutputFormat format);

// The formats in conversion order, and in the order settings.ini stores their check boxes.
inline constexpr std::array<OutputFormat, kOutputFormatCount> kOutputFormatsInOrder{
    OutputFormat::Pcm,  OutputFormat::Adpcm, OutputFormat::Mp3,  OutputFormat::Mp2,  OutputFormat::Ogg,
    OutputFormat::Wma,  OutputFormat::Dsp,   OutputFormat::Gsm,  OutputFormat::Vox,  OutputFormat::Raw,
    OutputFormat::G721, OutputFormat::G723,  OutputFormat::G726, OutputFormat::Flac, OutputFormat::Alac,
    OutputFormat::Aac,  OutputFormat::Opus};
[[nodiscard]] const std::array<OutputFormat, kOutputFormatCount>& outputFormatsInSaveOrder();

[[nodiscard]] QString outputSuffix(OutputFormat format);
[[nodiscard]] QString outputFormatName(OutputFormat format);
[[nodiscard]] std::optional<OutputFormat> outputFormatNamed(const QString& name);
