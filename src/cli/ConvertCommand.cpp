#include "CliCommands.h"

#include "components/ComponentError.h"
#include "components/ComponentSet.h"
#include "convert/ConversionObserver.h"
#include "convert/OutputPlan.h"
#include "formats/Mp3Controls.h"
#include "formats/OggVorbisChoice.h"
#include "formats/PcmWavChoice.h"

#include <QDir>
#include <QFileInfo>

#include <map>
#include <optional>
#include <set>

namespace {

const char* const kHelp =
    "usage: tonalith-cli convert --format NAME [OPTIONS] FILE...\n"
    "Converts every FILE into the format NAME, one output per file, named like the program names them\n"
    "(song.wav -> song_ADPCM.wav, song.mp3, ...; an output that would replace its source gets \"_NEW\").\n"
    "NAME: pcm adpcm mp3 mp2 ogg wma dsp gsm vox raw g721 g723 g726\n"
    "options (a format refuses the options it does not take):\n"
    "  --rate R           sample rate: 8000 11025 16000 22050 24000 32000 44100 48000 (default 44100;\n"
    "                     mp3: default from the encoder settings)   [pcm adpcm mp3 mp2 ogg gsm vox raw g72x]\n"
    "  --channels C       1 or 2 (default 2)                          [pcm adpcm mp3 mp2 ogg raw]\n"
    "  --bits B           8, 16 or 24 (default 16)                    [pcm]\n"
    "  --profile N        WMA profile, 1 to the number of profiles (default 28)   [wma]\n"
    "  --code-size N      bits per sample: g723 3 or 5 (default 5), g726 2 to 5 (default 4)   [g723 g726]\n"
    "  --preset N         MP3 preset 1-11: Phone SW AM FM Voice Radio Tape HiFi CD Studio R3Mix   [mp3]\n"
    "  --alt-preset N     MP3 alternative preset 1-5: Fast Standard, Standard, Fast Extreme, Extreme, Insane [mp3]\n"
    "  --lame TEXT        LAME switches applied after the preset, e.g. \"-V 2 --vbr-new -q 0\"   [mp3]\n"
    "  --volume PCT       change the volume to PCT percent, 0-200 (100 = unchanged)\n"
    "  --out DIR          output folder, made when missing (default: beside each source)\n"
    "  --no-tags          do not copy the tags of audio sources\n"
    "  --                 the options end here: every argument after it is a FILE\n"
    "Files ending in .avi .mpg .mpeg .wmv .asf .mov .qt .mkv .webm .mp4 .m4v .flv .3gp are video sources;\n"
    "their sound track is extracted.\n"
    "output, one line each, per output in order:\n"
    "  progress=NN        percentage of the current output, printed whenever it changes\n"
    "  output=PATH        the output was written\n"
    "  error=TEXT         the output failed; TEXT starts with the source name\n"
    "exit status: 0 all outputs written, 1 any output failed, 2 bad usage\n";

enum class Option { Rate, Channels, Bits, Profile, CodeSize, Preset, AltPreset, Lame, Volume, Out, NoTags };

const std::map<QString, Option>& optionNames() {
    static const std::map<QString, Option> names{
        {QStringLiteral("--rate"), Option::Rate},
        {QStringLiteral("--channels"), Option::Channels},
        {QStringLiteral("--bits"), Option::Bits},
        {QStringLiteral("--profile"), Option::Profile},
        {QStringLiteral("--code-size"), Option::CodeSize},
        {QStringLiteral("--preset"), Option::Preset},
        {QStringLiteral("--alt-preset"), Option::AltPreset},
        {QStringLiteral("--lame"), Option::Lame},
        {QStringLiteral("--volume"), Option::Volume},
        {QStringLiteral("--out"), Option::Out},
        {QStringLiteral("--no-tags"), Option::NoTags},
    };
    return names;
}

// The format options each format takes; --volume, --out and --no-tags go with every format.
const std::set<Option>& optionsOf(OutputFormat format) {
    using enum Option;
    static const std::map<OutputFormat, std::set<Option>> table{
        {OutputFormat::Pcm, {Rate, Channels, Bits}},
        {OutputFormat::Adpcm, {Rate, Channels}},
        {OutputFormat::Mp3, {Rate, Channels, Preset, AltPreset, Lame}},
        {OutputFormat::Mp2, {Rate, Channels}},
        {OutputFormat::Ogg, {Rate, Channels}},
        {OutputFormat::Wma, {Profile}},
        {OutputFormat::Dsp, {}},
        {OutputFormat::Gsm, {Rate}},
        {OutputFormat::Vox, {Rate}},
        {OutputFormat::Raw, {Rate, Channels}},
        {OutputFormat::G721, {Rate}},
        {OutputFormat::G723, {Rate, CodeSize}},
        {OutputFormat::G726, {Rate, CodeSize}},
    };
    return table.at(format);
}

class UsageError {
public:
    explicit UsageError(QString text) : text_(std::move(text)) {}
    [[nodiscard]] const QString& text() const { return text_; }

private:
    QString text_;
};

struct ConvertRequest {
    OutputFormat format = OutputFormat::Pcm;
    std::map<Option, QString> options;
    QStringList files;

    [[nodiscard]] bool has(Option option) const { return options.count(option) != 0; }
};

int integerOption(const ConvertRequest& request, Option option, const QString& name, const std::set<int>& allowed) {
    bool ok = false;
    const QString& text = request.options.at(option);
    const int value = text.toInt(&ok);
    if (!ok || allowed.count(value) == 0)
        throw UsageError(QStringLiteral("%1 cannot be \"%2\"").arg(name, text));
    return value;
}

std::set<int> rangeOf(int lowest, int highest) {
    std::set<int> values;
    for (int value = lowest; value <= highest; ++value)
        values.insert(value);
    return values;
}

std::set<int> setOf(const auto& values) {
    return {values.begin(), values.end()};
}

ConvertRequest parseArguments(const QStringList& arguments) {
    ConvertRequest request;
    std::optional<OutputFormat> format;
    bool optionsEnded = false;
    for (int index = 0; index < arguments.size(); ++index) {
        QString argument = arguments.at(index);
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            request.files.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString value;
        const auto equals = argument.indexOf(QLatin1Char('='));
        const bool attached = equals > 0;
        if (attached) {
            value = argument.mid(equals + 1);
            argument.truncate(equals);
        }
        const bool isFlag = argument == QLatin1String("--no-tags");
        if (!isFlag && !attached) {
            if (index + 1 >= arguments.size())
                throw UsageError(QStringLiteral("%1 needs a value").arg(argument));
            value = arguments.at(++index);
        }
        if (argument == QLatin1String("--format")) {
            format = outputFormatNamed(value);
            if (!format)
                throw UsageError(QStringLiteral("unknown format \"%1\"").arg(value));
            continue;
        }
        const auto option = optionNames().find(argument);
        if (option == optionNames().end())
            throw UsageError(QStringLiteral("unknown option %1").arg(argument));
        request.options[option->second] = value;
    }
    if (!format)
        throw UsageError(QStringLiteral("--format is missing"));
    request.format = *format;
    if (request.files.isEmpty())
        throw UsageError(QStringLiteral("no FILE to convert"));
    const std::set<Option> common{Option::Volume, Option::Out, Option::NoTags};
    for (const auto& [option, value] : request.options) {
        if (common.count(option) == 0 && optionsOf(request.format).count(option) == 0) {
            const auto name = std::find_if(optionNames().begin(), optionNames().end(),
                                           [option = option](const auto& entry) { return entry.second == option; });
            throw UsageError(
                QStringLiteral("the format %1 does not take %2").arg(outputFormatName(request.format), name->first));
        }
    }
    if (request.has(Option::Preset) && request.has(Option::AltPreset))
        throw UsageError(QStringLiteral("--preset and --alt-preset exclude each other"));
    return request;
}

PanelValues panelValuesOf(const ConvertRequest& request) {
    PanelValues panel;
    if (request.has(Option::Rate))
        panel.sampleRate = integerOption(request, Option::Rate, QStringLiteral("--rate"), setOf(kSampleRates));
    if (request.has(Option::Channels))
        panel.channels = integerOption(request, Option::Channels, QStringLiteral("--channels"), {1, 2});
    if (request.has(Option::CodeSize)) {
        if (request.format == OutputFormat::G723)
            panel.g723Bits = integerOption(request, Option::CodeSize, QStringLiteral("--code-size"), {3, 5});
        else
            panel.g726Bits = integerOption(request, Option::CodeSize, QStringLiteral("--code-size"), rangeOf(2, 5));
    }
    if (request.has(Option::Profile))
        panel.wmaProfile = integerOption(request, Option::Profile, QStringLiteral("--profile"), rangeOf(1, 999));
    return panel;
}

ConversionSettings conversionSettingsOf(const ConvertRequest& request) {
    ConversionSettings settings;
    settings.copyTags = !request.has(Option::NoTags);
    if (request.has(Option::Volume))
        settings.volumePercent = integerOption(request, Option::Volume, QStringLiteral("--volume"), rangeOf(0, 200));
    return settings;
}

// The option dialogs of the program, answered from the command line through the same apply operations the
// dialogs use.
class CommandLineDialogs : public FormatDialogs {
public:
    CommandLineDialogs(ComponentSet& components, const ConvertRequest& request, const PanelValues& panel)
        : components_(components), request_(request), panel_(panel) {
        if (request.has(Option::Bits))
            bits_ = integerOption(request, Option::Bits, QStringLiteral("--bits"), setOf(kPcmBitsChoices));
        if (request.has(Option::Preset))
            preset_ = integerOption(request, Option::Preset, QStringLiteral("--preset"), rangeOf(1, 11));
        if (request.has(Option::AltPreset))
            altPreset_ = integerOption(request, Option::AltPreset, QStringLiteral("--alt-preset"), rangeOf(1, 5));
    }

    void applyPcmWav() override {
        applyPcmWavChoice(*components_.AudioFile2, {panel_.sampleRate, panel_.channels, bits_});
    }

    // A preset first, then the LAME switches on top of it, then the rate and channels given as options.
    void applyMp3() override {
        auto& encoder = *components_.LameEnc1;
        Mp3Controls controls;
        if (preset_) {
            controls.presetOn = true;
            controls.presetItem = *preset_ - 1;
            (void)writeMp3Controls(encoder, controls);
        }
        if (altPreset_) {
            controls.altPresetOn = true;
            controls.altPresetItem = *altPreset_ - 1;
            (void)writeMp3Controls(encoder, controls);
        }
        if (request_.has(Option::Lame)) {
            controls.page = Mp3Page::CommandLine;
            controls.commandLine = request_.options.at(Option::Lame);
            (void)writeMp3Controls(encoder, controls);
        }
        if (request_.has(Option::Rate))
            encoder.setSetting(Mp3Setting::OutputSampleRate, panel_.sampleRate);
        if (request_.has(Option::Channels)) {
            // Stereo keeps a stereo channel mode the encoder already has, else joint stereo.
            constexpr int kJointStereoItem = 2;
            const int mode = encoder.setting(Mp3Setting::ChannelMode);
            writeMp3ChannelItem(encoder, panel_.channels == 1 ? 0 : (mode != 0 ? mode : kJointStereoItem));
        }
        handMp3SettingsToWriter(encoder, *components_.AudioFile2);
    }

    void applyOggVorbis() override {
        OggVorbisSetting setting;
        setting.sampleRate = panel_.sampleRate;
        setting.channels = panel_.channels;
        setting.refuseUnaccepted = false; // the bit rate is the default, not the user's choice
        applyOggVorbisSetting(*components_.AudioFile2, setting);
    }

private:
    ComponentSet& components_;
    const ConvertRequest& request_;
    const PanelValues& panel_;
    int bits_ = PcmWavChoice{}.bits;
    std::optional<int> preset_;
    std::optional<int> altPreset_;
};

class ProgressPrinter : public ConversionObserver {
public:
    explicit ProgressPrinter(QTextStream& out) : out_(out) {}

    void startOutput() { lastPercent_ = -1; }
    [[nodiscard]] const QString& failure() const { return failure_; }

    void conversionStarted(const QString&, const QString&) override { failure_.clear(); }
    void progressChanged(int percent) override {
        if (percent == lastPercent_)
            return;
        lastPercent_ = percent;
        out_ << "progress=" << percent << '\n';
        out_.flush();
    }
    void progressReset() override {}
    bool mayContinue() override { return true; }
    void conversionFailed(const QString& message, const QString&) override { failure_ = message; }
    void conversionCancelled() override {}

private:
    QTextStream& out_;
    int lastPercent_ = -1;
    QString failure_;
};

QString failureText(const PlannedOutput& output, const ConversionResult& result, const QString& userMessage) {
    QString text = output.sourceName + QStringLiteral(": ");
    switch (result.outcome) {
    case ConversionOutcome::NotPrepared:
        text += QStringLiteral("the writer cannot be prepared for %1").arg(outputFormatName(output.format));
        break;
    case ConversionOutcome::OutputNotCreated:
        text += QStringLiteral("cannot create %1").arg(result.destination);
        break;
    case ConversionOutcome::SourceNotOpened:
        text += QStringLiteral("cannot open the source");
        break;
    default:
        text += userMessage.isEmpty() ? QStringLiteral("conversion failed") : userMessage;
        break;
    }
    if (!result.detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(result.detail);
    return text;
}

int convertAll(const ConvertRequest& request, QTextStream& out) {
    const PanelValues panel = panelValuesOf(request);
    ConversionSettings settings = conversionSettingsOf(request);
    const QString folder = request.options.count(Option::Out) != 0 ? request.options.at(Option::Out) : QString();
    if (!folder.isEmpty() && !QDir().mkpath(folder))
        throw UsageError(QStringLiteral("Invalid Output Folder Name! (%1)").arg(folder));

    const std::unique_ptr<ComponentSet> components = ComponentSetFactory().create();
    if (request.format == OutputFormat::Wma && panel.wmaProfile > components->AudioFile2->wmaProfileCount())
        throw UsageError(QStringLiteral("--profile %1 does not exist (1 to %2)")
                             .arg(panel.wmaProfile)
                             .arg(components->AudioFile2->wmaProfileCount()));
    CommandLineDialogs dialogs(*components, request, panel);
    WriterPreparation preparation(*components, dialogs);
    ProgressPrinter printer(out);
    SingleConversion conversion(*components, printer);

    QStringList sources;
    for (const QString& file : request.files)
        sources.append(QFileInfo(file).absoluteFilePath());
    bool anyFailed = false;
    for (const PlannedOutput& output : planOutputs(sources, {request.format}, folder)) {
        if (!QFileInfo::exists(output.sourceName)) {
            out << "error=Can not find out the source file:" << output.sourceName << '\n';
            anyFailed = true;
            continue;
        }
        settings.kind = sourceKindOfFile(output.sourceName);
        printer.startOutput();
        const ConversionResult result = prepareAndConvert(preparation, conversion, output, panel, settings);
        if (result.succeeded())
            out << "output=" << result.destination << '\n';
        else
            out << "error=" << failureText(output, result, printer.failure()) << '\n';
        out.flush();
        anyFailed = anyFailed || !result.succeeded();
    }
    return anyFailed ? 1 : 0;
}

} // namespace

int runConvertCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QStringList options = arguments.mid(0, arguments.indexOf(QLatin1String("--")));
    if (options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"))) {
        out << kHelp;
        return 0;
    }
    try {
        return convertAll(parseArguments(arguments), out);
    } catch (const UsageError& error) {
        err << "tonalith-cli convert: " << error.text() << "\n(tonalith-cli convert --help shows the usage)\n";
        return 2;
    } catch (const ComponentError& error) {
        out << "error=" << error.message() << '\n';
        return 1;
    }
}
