#pragma once

#include <QString>
#include <array>
#include <optional>

// The thirteen output formats, in the fixed order in which a batch makes the outputs of one source.
enum class OutputFormat { Pcm, Adpcm, Mp3, Mp2, Ogg, Wma, Dsp, Gsm, Vox, Raw, G721, G723, G726 };

inline constexpr std::array<OutputFormat, 13> kOutputFormatsInOrder{
    OutputFormat::Pcm,  OutputFormat::Adpcm, OutputFormat::Mp3, OutputFormat::Mp2, OutputFormat::Ogg,
    OutputFormat::Wma,  OutputFormat::Dsp,   OutputFormat::Gsm, OutputFormat::Vox, OutputFormat::Raw,
    OutputFormat::G721, OutputFormat::G723,  OutputFormat::G726};

// What follows the base name in an output's file name: ".wav", "_ADPCM.wav", ".mp3", ...
[[nodiscard]] QString outputSuffix(OutputFormat format);
// The short name scripts use: pcm adpcm mp3 mp2 ogg wma dsp gsm vox raw g721 g723 g726.
[[nodiscard]] QString outputFormatName(OutputFormat format);
[[nodiscard]] std::optional<OutputFormat> outputFormatNamed(const QString& name);
