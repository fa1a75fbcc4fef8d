#include "OrderOptions.h"

#include "ConvertArguments.h"

#include <algorithm>
#include <map>

namespace {

using enum ConvertOptionId;

QString number(double value) {
    return QString::number(value);
}

// The arguments, "--option=VALUE" or a switch alone, in the order of the table.
class OptionList {
public:
    explicit OptionList(const BatchOrder& order) : order_(order) {}

    void add(ConvertOptionId id, const QString& value) { options_[id].append(value); }
    void add(ConvertOptionId id, int value) { add(id, QString::number(value)); }
    void addSwitch(ConvertOptionId id) { options_[id].append(QString()); }
    // A format option only where a chosen format takes it: elsewhere its value makes no output.
    void addForFormats(ConvertOptionId id, int value) {
        const ConvertOption& option = convertOption(id);
        if (std::any_of(order_.formats.begin(), order_.formats.end(),
                        [&option](OutputFormat format) { return option.takenBy(format); }))
            add(id, value);
    }

    [[nodiscard]] QStringList arguments() const {
        QStringList arguments;
        for (const ConvertOption& option : convertOptions()) {
            const auto values = options_.find(option.id);
            if (values == options_.end())
                continue;
            for (const QString& value : values->second) {
                arguments.append(option.takes == OptionValue::None
                                     ? QLatin1String(option.name)
                                     : QLatin1String(option.name) + QLatin1Char('=') + value);
            }
        }
        return arguments;
    }

private:
    const BatchOrder& order_;
    std::map<ConvertOptionId, QStringList> options_;
};

bool converts(const BatchOrder& order, OutputFormat format) {
    return order.formats.count(format) != 0;
}

void addFormatOptions(const BatchOrder& order, const BatchOrder& start, OptionList& options) {
    const PanelValues& panel = order.formatSettings.panel;
    const PanelValues& startPanel = start.formatSettings.panel;
    const Mp3Choice& mp3 = order.formatSettings.mp3;
    if (panel.sampleRate != startPanel.sampleRate || mp3.panelRate)
        options.addForFormats(Rate, panel.sampleRate);
    if (panel.channels != startPanel.channels || mp3.panelChannels)
        options.addForFormats(Channels, panel.channels);
    if (order.formatSettings.pcmWav.bits != start.formatSettings.pcmWav.bits)
        options.addForFormats(Bits, order.formatSettings.pcmWav.bits);
    if (panel.wmaProfile != startPanel.wmaProfile)
        options.addForFormats(Profile, panel.wmaProfile);
    if (converts(order, OutputFormat::G723) && panel.g723Bits != startPanel.g723Bits)
        options.add(CodeSize, panel.g723Bits);
    else if (converts(order, OutputFormat::G726) && panel.g726Bits != startPanel.g726Bits)
        options.add(CodeSize, panel.g726Bits);
    if (converts(order, OutputFormat::Mp3)) {
        if (mp3.preset)
            options.add(Preset, *mp3.preset);
        if (mp3.altPreset)
            options.add(AltPreset, *mp3.altPreset);
        if (mp3.lameSwitches)
            options.add(Lame, *mp3.lameSwitches);
    }
    if (panel.flacLevel != startPanel.flacLevel)
        options.addForFormats(Compression, panel.flacLevel);
    if (converts(order, OutputFormat::Aac) && panel.aacKbps != startPanel.aacKbps)
        options.add(Bitrate, panel.aacKbps);
    else if (converts(order, OutputFormat::Opus) && panel.opusKbps != startPanel.opusKbps)
        options.add(Bitrate, panel.opusKbps);
    if (panel.opusSpeech && converts(order, OutputFormat::Opus))
        options.addSwitch(Speech);
}

void addBatchOptions(const BatchOrder& order, const BatchOrder& start, OptionList& options) {
    for (const OutputFormat format : order.formats)
        options.add(Format, outputFormatName(format));
    if (order.volumePercent)
        options.add(Volume, *order.volumePercent);
    if (order.loudnessTarget)
        options.add(Normalize, number(*order.loudnessTarget));
    if (order.replayGain)
        options.addSwitch(ReplayGain);
    if (!order.folderText.isEmpty())
        options.add(Out, order.folderText);
    if (order.treeRoot)
        options.add(KeepTree, *order.treeRoot);
    if (order.baseNames)
        options.add(Name, order.baseNames->text());
    if (order.existing != start.existing)
        options.add(Exists, existingOutputPolicyName(order.existing));
    if (order.verifyOutputs)
        options.addSwitch(Verify);
    if (order.jobs != start.jobs)
        options.add(Jobs, order.jobs);
    if (!order.copyTags)
        options.addSwitch(NoTags);
    if (order.hiddenTrack)
        options.addSwitch(HiddenTrack);
}

// The panel values the formats of the order read; the others as at start-up.
PanelValues panelValuesUsed(const BatchOrder& order) {
    const PanelValues& panel = order.formatSettings.panel;
    PanelValues used;
    const auto uses = [&order](FormatChoice choice) {
        return std::any_of(order.formats.begin(), order.formats.end(),
                           [choice](OutputFormat format) { return factsOf(format).choices.contains(choice); });
    };
    if (uses(FormatChoice::SampleRate))
        used.sampleRate = panel.sampleRate;
    if (uses(FormatChoice::Channels))
        used.channels = panel.channels;
    if (converts(order, OutputFormat::G723))
        used.g723Bits = panel.g723Bits;
    if (converts(order, OutputFormat::G726))
        used.g726Bits = panel.g726Bits;
    if (converts(order, OutputFormat::Wma))
        used.wmaProfile = panel.wmaProfile;
    if (converts(order, OutputFormat::Flac))
        used.flacLevel = panel.flacLevel;
    if (converts(order, OutputFormat::Aac))
        used.aacKbps = panel.aacKbps;
    if (converts(order, OutputFormat::Opus)) {
        used.opusKbps = panel.opusKbps;
        used.opusSpeech = panel.opusSpeech;
    }
    return used;
}

// What the options could not make: the parts of the order that differ from what they make.
QStringList notMade(const BatchOrder& order, const BatchOrder& made) {
    const FormatSettings& wanted = order.formatSettings;
    const FormatSettings& got = made.formatSettings;
    QStringList parts;
    if (panelValuesUsed(order) != panelValuesUsed(made))
        parts.append(QStringLiteral("format panel values that differ between formats taking one option"));
    if (converts(order, OutputFormat::Pcm) && wanted.pcmWav != got.pcmWav)
        parts.append(QStringLiteral("the PCM WAV dialog's %1 Hz, %2 channels")
                         .arg(wanted.pcmWav.sampleRate)
                         .arg(wanted.pcmWav.channels));
    if (converts(order, OutputFormat::Mp3) && wanted.mp3.dialog)
        parts.append(QStringLiteral("the MP3 dialog's settings"));
    if (converts(order, OutputFormat::Ogg) && wanted.oggVorbis != got.oggVorbis)
        parts.append(QStringLiteral("the Ogg Vorbis dialog's settings"));
    if (order.openFolder)
        parts.append(QStringLiteral("opening the output folder at the end"));
    return parts;
}

} // namespace

QStringList optionsMaking(const BatchOrder& order, QStringList& withoutOption) {
    const BatchOrder start = commandLineStartOrder();
    OptionList options(order);
    addBatchOptions(order, start, options);
    addFormatOptions(order, start, options);
    const QStringList arguments = options.arguments();
    withoutOption.clear();
    try {
        const ConvertArguments made = parseConvertArguments(arguments, LineKind::Profile, {});
        withoutOption = notMade(order, made.order);
    } catch (const UsageError& error) {
        withoutOption.append(error.text());
    }
    return arguments;
}
