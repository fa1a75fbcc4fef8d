#include "LameCommandLine.h"

#include "LamePresets.h"
#include "core/components/ComponentError.h"

#include <QCoreApplication>
#include <QProcess>

#include <array>
#include <cmath>
#include <functional>

namespace {

constexpr int kOn = -1;
constexpr int kOff = 0;

using Apply = std::function<void(Mp3SettingValues&, const QString& value)>;

struct Switch {
    const char* name;
    bool takesValue;
    Apply apply;
};

[[noreturn]] void badValue(const QString& name, const QString& value) {
    throw ComponentError(
        QCoreApplication::translate("Components", "The MP3 command line gives the switch %1 a bad value: \"%2\".")
            .arg(name, value));
}

int integerIn(const QString& name, const QString& value, int lowest, int highest) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < lowest || number > highest)
        badValue(name, value);
    return number;
}

double numberOf(const QString& name, const QString& value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number) || number < 0)
        badValue(name, value);
    return number;
}

// LAME takes frequencies in kHz; a value above 100 can only mean Hz, so both spellings work.
int frequencyHz(const QString& name, const QString& value) {
    const double number = numberOf(name, value);
    const double hz = number > 100 ? number : number * 1000;
    if (hz > 48000)
        badValue(name, value);
    return static_cast<int>(std::lround(hz));
}

int mpegRate(const QString& name, const QString& value) {
    static constexpr std::array<int, 9> kRates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    const int hz = frequencyHz(name, value);
    for (const int rate : kRates) {
        if (std::abs(rate - hz) <= 25)
            return rate;
    }
    badValue(name, value);
}

Apply set(Mp3Setting which, int value) {
    return [which, value](Mp3SettingValues& values, const QString&) { valueOf(values, which) = value; };
}

Apply setBitrate(Mp3Setting which, const char* name) {
    return [which, name](Mp3SettingValues& values, const QString& value) {
        valueOf(values, which) = integerIn(QLatin1String(name), value, 8, 320);
    };
}

Apply setFrequency(Mp3Setting which, const char* name) {
    return [which, name](Mp3SettingValues& values, const QString& value) {
        valueOf(values, which) = frequencyHz(QLatin1String(name), value);
    };
}

Apply setQuality(int quality) {
    return set(Mp3Setting::Quality, quality);
}

void setChannelMode(Mp3SettingValues& values, const QString& value) {
    static const QString kModes = QStringLiteral("msjfd");
    const int mode = value.size() == 1 ? static_cast<int>(kModes.indexOf(value.at(0).toLower())) : -1;
    if (value.compare(QLatin1String("a"), Qt::CaseInsensitive) == 0) {
        valueOf(values, Mp3Setting::Channels) = 2;
        valueOf(values, Mp3Setting::ChannelMode) = 2;
        return;
    }
    if (mode < 0)
        badValue(QStringLiteral("-m"), value);
    if (mode == 0) {
        valueOf(values, Mp3Setting::Channels) = 1;
        return;
    }
    valueOf(values, Mp3Setting::Channels) = 2;
    valueOf(values, Mp3Setting::ChannelMode) = mode;
}

void setVbrQuality(Mp3SettingValues& values, const QString& value) {
    const double quality = numberOf(QStringLiteral("-V"), value);
    if (quality >= 10)
        badValue(QStringLiteral("-V"), value);
    valueOf(values, Mp3Setting::VbrQuality) = static_cast<int>(quality);
    if (valueOf(values, Mp3Setting::VbrMode) < 0)
        valueOf(values, Mp3Setting::VbrMode) = 0;
}

void setDeEmphasis(Mp3SettingValues& values, const QString& value) {
    static const QStringList kCodes{QStringLiteral("n"), QStringLiteral("5"), QStringLiteral("c")};
    const int index = static_cast<int>(kCodes.indexOf(value.toLower()));
    if (index < 0)
        badValue(QStringLiteral("-e"), value);
    valueOf(values, Mp3Setting::DeEmphasis) = index;
}

void setAbr(Mp3SettingValues& values, const QString& value) {
    valueOf(values, Mp3Setting::AbrBitrate) = integerIn(QStringLiteral("--abr"), value, 8, 320);
    valueOf(values, Mp3Setting::VbrMode) = 4;
}

void ignore(Mp3SettingValues&, const QString&) {}

const std::vector<Switch>& switches() {
    static const std::vector<Switch> table{
        {"-b", true, setBitrate(Mp3Setting::Bitrate, "-b")},
        {"-B", true, setBitrate(Mp3Setting::MaxVbrBitrate, "-B")},
        {"-V", true, setVbrQuality},
        {"-v", false, set(Mp3Setting::VbrMode, 0)},
        {"--vbr-old", false, set(Mp3Setting::VbrMode, 1)},
        {"--vbr-new", false, set(Mp3Setting::VbrMode, 2)},
        {"--cbr", false, set(Mp3Setting::VbrMode, -1)},
        {"--abr", true, setAbr},
        {"-q", true,
         [](Mp3SettingValues& values, const QString& value) {
             valueOf(values, Mp3Setting::Quality) = integerIn(QStringLiteral("-q"), value, 0, 9);
         }},
        {"-h", false, setQuality(2)},
        {"-f", false, setQuality(7)},
        {"-m", true, setChannelMode},
        {"-a", false, set(Mp3Setting::Channels, 1)},
        {"--resample", true,
         [](Mp3SettingValues& values, const QString& value) {
             valueOf(values, Mp3Setting::OutputSampleRate) = mpegRate(QStringLiteral("--resample"), value);
         }},
        {"--lowpass", true, setFrequency(Mp3Setting::LowpassFrequency, "--lowpass")},
        {"--highpass", true, setFrequency(Mp3Setting::HighpassFrequency, "--highpass")},
        {"--lowpass-width", true, setFrequency(Mp3Setting::LowpassWidth, "--lowpass-width")},
        {"--highpass-width", true, setFrequency(Mp3Setting::HighpassWidth, "--highpass-width")},
        {"-p", false, set(Mp3Setting::Crc, kOn)},
        {"-t", false, set(Mp3Setting::VbrHeader, kOff)},
        {"-F", false, set(Mp3Setting::EnforceMinBitrate, kOn)},
        {"-d", false, set(Mp3Setting::DifferentBlockTypes, kOn)},
        {"--allow-diff-short", false, set(Mp3Setting::DifferentBlockTypes, kOn)},
        {"--strictly-enforce-ISO", false, set(Mp3Setting::StrictIso, kOn)},
        {"--nores", false, set(Mp3Setting::BitReservoir, kOff)},
        {"--noshort", false, set(Mp3Setting::ShortBlocks, kOff)},
        {"--short", false, set(Mp3Setting::ShortBlocks, kOn)},
        {"--athonly", false, set(Mp3Setting::AthMode, 1)},
        {"--noath", false, set(Mp3Setting::AthMode, 2)},
        {"--athshort", false, set(Mp3Setting::AthMode, 3)},
        {"-e", true, setDeEmphasis},
        {"-S", false, ignore},
        {"--silent", false, ignore},
        {"--quiet", false, ignore},
        {"--nohist", false, ignore},
    };
    return table;
}

const Switch* findSwitch(const QString& word, QString& attachedValue) {
    for (const Switch& candidate : switches()) {
        const QLatin1String name(candidate.name);
        if (word == name)
            return &candidate;
        // Only single-letter switches take their value glued on, as in "-V2".
        if (candidate.takesValue && name.size() == 2 && word.size() > 2 && word.startsWith(name)) {
            attachedValue = word.mid(2);
            return &candidate;
        }
    }
    return nullptr;
}

void applyPreset(QStringList& words, Mp3SettingValues& values) {
    const QString named = words.join(QLatin1Char(' '));
    if (auto preset = namedPresetMp3Settings(words)) {
        values = *preset;
        return;
    }
    throw ComponentError(
        QCoreApplication::translate("Components", "The MP3 command line names a preset LAME does not know: \"%1\".")
            .arg(named.section(' ', 0, 0)));
}

} // namespace

void applyLameCommandLine(const QString& commandLine, Mp3SettingValues& values) {
    QStringList words = QProcess::splitCommand(commandLine);
    Mp3SettingValues result = values;
    while (!words.isEmpty()) {
        const QString word = words.takeFirst();
        if (word == QLatin1String("--preset")) {
            applyPreset(words, result);
            continue;
        }
        QString value;
        const Switch* found = findSwitch(word, value);
        if (!found)
            throw ComponentError(
                QCoreApplication::translate("Components", "The MP3 command line has a switch LAME does not know: %1")
                    .arg(word));
        if (found->takesValue && value.isEmpty()) {
            if (words.isEmpty())
                throw ComponentError(
                    QCoreApplication::translate("Components", "The MP3 command line gives the switch %1 no value.")
                        .arg(word));
            value = words.takeFirst();
        }
        found->apply(result, value);
    }
    values = result;
}
