#include "LameEncComponent.h"

#include "LameCommandLine.h"
#include "LamePresets.h"
#include "core/components/ComponentError.h"

#include <QCoreApplication>
#include <array>
#include <limits>

namespace {

struct Range {
    int lowest;
    int highest;
};

constexpr int kMaxFrequency = 48000;
constexpr int kMaxKbps = 320;
constexpr Range kAnyFlag{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};

Range rangeOf(Mp3Setting which) {
    switch (which) {
    case Mp3Setting::MaxVbrBitrate:
    case Mp3Setting::AbrBitrate:
    case Mp3Setting::Bitrate:
        return {0, kMaxKbps}; // 0 leaves the choice to LAME
    case Mp3Setting::VbrQuality:
    case Mp3Setting::Quality:
        return {0, 9};
    case Mp3Setting::VbrMode:
        return {-1, 4};
    case Mp3Setting::ChannelMode:
        return {0, 4};
    case Mp3Setting::DeEmphasis:
        return {0, 2};
    case Mp3Setting::AthMode:
        return {0, 3};
    case Mp3Setting::LowpassFrequency:
    case Mp3Setting::HighpassFrequency:
    case Mp3Setting::LowpassWidth:
    case Mp3Setting::HighpassWidth:
        return {-1, kMaxFrequency};
    case Mp3Setting::OutputSampleRate:
        return {0, kMaxFrequency}; // LAME takes the nearest MPEG rate; 0 lets it choose
    case Mp3Setting::Channels:
        return {1, 2};
    default:
        return kAnyFlag;
    }
}

constexpr std::array<const char*, kMp3SettingCount> kSettingNames{"maximum VBR bit rate",
                                                                  "VBR quality",
                                                                  "VBR mode",
                                                                  "ABR bit rate",
                                                                  "channel mode",
                                                                  "quality",
                                                                  "VBR header",
                                                                  "bit reservoir",
                                                                  "different block types",
                                                                  "short blocks",
                                                                  "de-emphasis",
                                                                  "strict ISO",
                                                                  "enforced minimum bit rate",
                                                                  "ATH mode",
                                                                  "low-pass frequency",
                                                                  "high-pass frequency",
                                                                  "low-pass width",
                                                                  "high-pass width",
                                                                  "CRC",
                                                                  "output sample rate",
                                                                  "channel count",
                                                                  "bit rate"};

std::size_t indexOf(Mp3Setting which) {
    const int index = static_cast<int>(which);
    if (index < 0 || index >= kMp3SettingCount)
        throw ComponentError(
            QCoreApplication::translate("Components", "The MP3 encoder has no setting %1.").arg(index));
    return static_cast<std::size_t>(index);
}

} // namespace

LameEncComponent::LameEncComponent() : values_(defaultMp3Settings()) {}

void LameEncComponent::applyCommandLine(const QString& commandLine) {
    applyLameCommandLine(commandLine, values_);
}

void LameEncComponent::applyPreset(int preset) {
    values_ = presetMp3Settings(preset);
}

void LameEncComponent::applyAlternativePreset(int preset) {
    values_ = alternativePresetMp3Settings(preset);
}

int LameEncComponent::setting(Mp3Setting which) const {
    return values_[indexOf(which)];
}

void LameEncComponent::setSetting(Mp3Setting which, int value) {
    const std::size_t index = indexOf(which);
    const Range range = rangeOf(which);
    if (value < range.lowest || value > range.highest)
        throw ComponentError(QCoreApplication::translate("Components", "The MP3 %1 cannot be %2 (allowed: %3 to %4).")
                                 .arg(QLatin1String(kSettingNames[index]))
                                 .arg(value)
                                 .arg(range.lowest)
                                 .arg(range.highest));
    values_[index] = value;
}
