#include "OutputFormat.h"

namespace {

struct FormatNames {
    const char* name;
    const char* suffix;
};

constexpr std::array<FormatNames, kOutputFormatsInOrder.size()> kNames{{
    {"pcm", ".wav"},
    {"adpcm", "_ADPCM.wav"},
    {"mp3", ".mp3"},
    {"mp2", ".mp2"},
    {"ogg", ".ogg"},
    {"wma", ".wma"},
    {"dsp", "_DSP.wav"},
    {"gsm", "_GSM.wav"},
    {"vox", ".vox"},
    {"raw", ".raw"},
    {"g721", ".g721"},
    {"g723", ".g723"},
    {"g726", ".g726"},
}};

const FormatNames& namesOf(OutputFormat format) {
    return kNames[static_cast<std::size_t>(format)];
}

} // namespace

QString outputSuffix(OutputFormat format) {
    return QLatin1String(namesOf(format).suffix);
}

QString outputFormatName(OutputFormat format) {
    return QLatin1String(namesOf(format).name);
}

std::optional<OutputFormat> outputFormatNamed(const QString& name) {
    for (const OutputFormat format : kOutputFormatsInOrder) {
        if (name == QLatin1String(namesOf(format).name))
            return format;
    }
    return std::nullopt;
}
