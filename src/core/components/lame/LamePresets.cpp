#include "LamePresets.h"

#include "core/components/ComponentError.h"

#include <QCoreApplication>
#include <lame.h>

#include <array>

namespace {

constexpr int kReferenceRate = 44100;
constexpr int kKeepRate = kReferenceRate;
constexpr int kNoFilter = 0;
constexpr int kMaxKbps = 320;

// The classic named presets of the LAME front end: a lower output rate for the speech and broadcast presets, CD
// rate for the others (LAME would otherwise lower it to suit the low-pass), band limits, the channel mode and a
// constant bit rate.
struct ClassicPreset {
    const char* name;
    int outputRate;
    int highpass;
    int lowpass;
    MPEG_mode mode;
    int bitrate;
    int maxVbrBitrate;
};

constexpr std::array<ClassicPreset, 10> kClassicPresets{{
    {"phone", 8000, 125, 3400, MONO, 16, 24},
    {"sw", 11025, kNoFilter, 4000, MONO, 24, 48},
    {"am", 16000, kNoFilter, 7500, MONO, 24, 56},
    {"fm", 32000, kNoFilter, 15000, JOINT_STEREO, 112, 128},
    {"voice", 24000, kNoFilter, 12000, MONO, 56, 96},
    {"radio", kKeepRate, kNoFilter, 15000, JOINT_STEREO, 128, 160},
    {"tape", kKeepRate, kNoFilter, 18000, JOINT_STEREO, 128, 160},
    {"hifi", kKeepRate, kNoFilter, 18000, JOINT_STEREO, 160, 192},
    {"cd", kKeepRate, kNoFilter, kNoFilter, STEREO, 192, 256},
    {"studio", kKeepRate, kNoFilter, kNoFilter, STEREO, 256, kMaxKbps},
}};

struct LamePresetName {
    const char* name;
    int id;
};

constexpr std::array<LamePresetName, 8> kLamePresets{{
    {"r3mix", R3MIX},
    {"standard", STANDARD},
    {"extreme", EXTREME},
    {"insane", INSANE},
    {"medium", MEDIUM},
    {"fast standard", STANDARD_FAST},
    {"fast extreme", EXTREME_FAST},
    {"fast medium", MEDIUM_FAST},
}};

constexpr std::array<int, 5> kAlternativePresets{STANDARD_FAST, STANDARD, EXTREME_FAST, EXTREME, INSANE};

Mp3SettingValues classicPreset(const ClassicPreset& preset) {
    return describeLameConfiguration([&preset](lame_global_flags* encoder) {
        lame_set_out_samplerate(encoder, preset.outputRate);
        lame_set_highpassfreq(encoder, preset.highpass);
        lame_set_lowpassfreq(encoder, preset.lowpass);
        lame_set_mode(encoder, preset.mode);
        lame_set_brate(encoder, preset.bitrate);
        lame_set_VBR_max_bitrate_kbps(encoder, preset.maxVbrBitrate);
    });
}

Mp3SettingValues lamePreset(int id) {
    return describeLameConfiguration([id](lame_global_flags* encoder) { lame_set_preset(encoder, id); });
}

Mp3SettingValues constantBitratePreset(int kbps) {
    return describeLameConfiguration([kbps](lame_global_flags* encoder) {
        lame_set_VBR(encoder, vbr_off);
        lame_set_brate(encoder, kbps);
    });
}

std::optional<int> bitrateWord(const QString& word) {
    bool ok = false;
    const int kbps = word.toInt(&ok);
    if (!ok || kbps < 8 || kbps > kMaxKbps)
        return std::nullopt;
    return kbps;
}

} // namespace

Mp3SettingValues describeLameConfiguration(const std::function<void(lame_global_struct*)>& configure) {
    LameEncoderHandle encoder = makeLameEncoder();
    lame_set_in_samplerate(encoder.get(), kReferenceRate);
    lame_set_num_channels(encoder.get(), 2);
    configure(encoder.get());
    const Mp3SettingValues asConfigured = readMp3Settings(encoder.get());
    if (lame_init_params(encoder.get()) < 0)
        throw ComponentError(QCoreApplication::translate("Components", "The MP3 encoder refused these settings."),
                             LastError::EncoderFailure);
    Mp3SettingValues values = readMp3Settings(encoder.get());
    for (const Mp3Setting filter : {Mp3Setting::LowpassFrequency, Mp3Setting::HighpassFrequency,
                                    Mp3Setting::LowpassWidth, Mp3Setting::HighpassWidth})
        valueOf(values, filter) = valueOf(asConfigured, filter);
    // A constant bit rate leaves LAME's VBR ceiling unset; 320 is the ceiling it would use (lowered by LAME itself for
    // the MPEG-2 rates), and a real number is what the options show.
    if (valueOf(values, Mp3Setting::MaxVbrBitrate) <= 0)
        valueOf(values, Mp3Setting::MaxVbrBitrate) = kMaxKbps;
    return values;
}

Mp3SettingValues defaultMp3Settings() {
    return describeLameConfiguration([](lame_global_flags* encoder) {
        lame_set_out_samplerate(encoder, kReferenceRate);
        lame_set_brate(encoder, 128);
    });
}

Mp3SettingValues presetMp3Settings(int preset) {
    if (preset >= 1 && preset <= static_cast<int>(kClassicPresets.size()))
        return classicPreset(kClassicPresets[static_cast<std::size_t>(preset - 1)]);
    if (preset == static_cast<int>(kClassicPresets.size()) + 1)
        return lamePreset(R3MIX);
    throw ComponentError(QCoreApplication::translate("Components", "There is no MP3 preset %1 (1 to 11).").arg(preset));
}

Mp3SettingValues alternativePresetMp3Settings(int preset) {
    if (preset < 1 || preset > static_cast<int>(kAlternativePresets.size()))
        throw ComponentError(
            QCoreApplication::translate("Components", "There is no alternative MP3 preset %1 (1 to 5).").arg(preset));
    return lamePreset(kAlternativePresets[static_cast<std::size_t>(preset - 1)]);
}

std::optional<Mp3SettingValues> namedPresetMp3Settings(QStringList& words) {
    if (words.isEmpty())
        return std::nullopt;
    const QString first = words.first().toLower();
    if (first == QLatin1String("cbr") && words.size() > 1) {
        if (const auto kbps = bitrateWord(words.at(1))) {
            words.remove(0, 2);
            return constantBitratePreset(*kbps);
        }
        return std::nullopt;
    }
    if (const auto kbps = bitrateWord(first)) {
        // A bare number is LAME's average-bit-rate preset of that many kbit/s.
        words.removeFirst();
        return lamePreset(*kbps);
    }
    const QString two = words.size() > 1 ? first + QLatin1Char(' ') + words.at(1).toLower() : QString();
    for (const LamePresetName& preset : kLamePresets) {
        const QString name = QLatin1String(preset.name);
        if (name == first || name == two) {
            words.remove(0, static_cast<int>(name.count(QLatin1Char(' ')) + 1));
            return lamePreset(preset.id);
        }
    }
    for (const ClassicPreset& preset : kClassicPresets) {
        if (first == QLatin1String(preset.name)) {
            words.removeFirst();
            return classicPreset(preset);
        }
    }
    return std::nullopt;
}
