#pragma once

#include <QString>
#include <array>
#include <optional>

// The thirteen output formats, in the fixed order in which a batch makes the outputs of one source.
enum class OutputFormat { Pcm, Adpcm, Mp3, Mp2, Ogg, Wma, Dsp, Gsm, Vox, Raw, G721, G723, G726 };

inline constexpr std::size_t kOutputFormatCount = 13;

// Everything the program knows about one output format apart from its codec settings. One row per format; the
// settings store, the plan, the panel, the dialogs and tonalith-cli all read this table.
struct OutputFormatFacts {
    OutputFormat format;
    const char* name;     // the short name scripts use: "pcm", "adpcm", "mp3", ...
    const char* suffix;   // what follows the base name in an output's file name: ".wav", "_ADPCM.wav", ...
    const char* iniKey;   // the key of its check box in settings.ini: "ch_pcm", ...
    const char* checkBox; // the object name of its check box on the format panel: "chpcm", ...
    const char* caption;  // the check box's text
    int saveIndex;        // position among the check boxes when the last state is written
};

// The table in conversion order.
[[nodiscard]] const std::array<OutputFormatFacts, kOutputFormatCount>& outputFormatTable();
[[nodiscard]] const OutputFormatFacts& factsOf(OutputFormat format);

// The formats in conversion order, and in the order settings.ini stores their check boxes.
inline constexpr std::array<OutputFormat, kOutputFormatCount> kOutputFormatsInOrder{
    OutputFormat::Pcm,  OutputFormat::Adpcm, OutputFormat::Mp3, OutputFormat::Mp2, OutputFormat::Ogg,
    OutputFormat::Wma,  OutputFormat::Dsp,   OutputFormat::Gsm, OutputFormat::Vox, OutputFormat::Raw,
    OutputFormat::G721, OutputFormat::G723,  OutputFormat::G726};
[[nodiscard]] const std::array<OutputFormat, kOutputFormatCount>& outputFormatsInSaveOrder();

[[nodiscard]] QString outputSuffix(OutputFormat format);
[[nodiscard]] QString outputFormatName(OutputFormat format);
[[nodiscard]] std::optional<OutputFormat> outputFormatNamed(const QString& name);
