#include "OutputFormat.h"

#include <algorithm>

namespace {

constexpr std::array<OutputFormatFacts, kOutputFormatCount> kTable{{
    {OutputFormat::Pcm, "pcm", ".wav", "ch_pcm", "chpcm", "PCM (Standard WAV)", 0},
    {OutputFormat::Adpcm, "adpcm", "_ADPCM.wav", "ch_adpcm", "chADPCM", "ADPCM (Compressed WAV )", 4},
    {OutputFormat::Mp3, "mp3", ".mp3", "ch_mp3", "chMP3", "MP3", 1},
    {OutputFormat::Mp2, "mp2", ".mp2", "ch_mp2", "chMP2", "MP2 ", 9},
    {OutputFormat::Ogg, "ogg", ".ogg", "ch_ogg", "chOGG", "OGG ", 2},
    {OutputFormat::Wma, "wma", ".wma", "ch_wma", "chWMA", "WMA", 3},
    {OutputFormat::Dsp, "dsp", "_DSP.wav", "ch_dsp", "chDSP", "DSP (WAV) ", 6},
    {OutputFormat::Gsm, "gsm", "_GSM.wav", "ch_gsm", "chGSM", "GSM (WAV) ", 5},
    {OutputFormat::Vox, "vox", ".vox", "ch_vox", "chVOX", "VOX ", 7},
    {OutputFormat::Raw, "raw", ".raw", "ch_raw", "chraw", "RAW ", 8},
    {OutputFormat::G721, "g721", ".g721", "ch_g721", "chG721", "G.721", 10},
    {OutputFormat::G723, "g723", ".g723", "ch_g723", "chG723", "G.723 ", 11},
    {OutputFormat::G726, "g726", ".g726", "ch_g726", "chG726", "G.726 ", 12},
}};

static_assert([] {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (kTable[i].format != kOutputFormatsInOrder[i])
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
