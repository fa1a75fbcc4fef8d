#include "CliCommands.h"

#include "ConvertLines.h"
#include "ConvertSummary.h"
#include "LineText.h"
#include "StopSignals.h"
#include "core/batch/BatchEngine.h"
#include "core/batch/ConversionObserver.h"
#include "core/batch/LoudnessNormalization.h"
#include "core/batch/SourceFactsReader.h"
#include "core/components/ComponentError.h"
#include "core/components/ComponentSet.h"
#include "core/formats/ChosenFormatDialogs.h"
#include "core/formats/Mp3Controls.h"
#include "core/list/SourceTypes.h"
#include "core/platform/HomeFolder.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <map>
#include <optional>
#include <set>

namespace {

const char* const kHelpUsage =
    "usage: tonalith-cli convert --format NAME [--format NAME...] [OPTIONS] FILE...\n"
    "Converts every FILE into every format NAME, one output per file and format, named like the program names them\n"
    "(song.wav -> song_ADPCM.wav, song.mp3, ...; an output that would replace its source gets \"_NEW\").\n";

const char* const kHelpOrder =
    "Outputs are made per file in the order given, per file in the order of the list above.\n"
    "format options (refused unless one of the chosen formats takes them):\n";

const char* const kHelpCommonOptions = "options for every format:\n";

const char* const kHelpRest =
    "  --                 the options end here: every argument after it is a FILE\n"
    "No two outputs of one call share a name, and no output replaces a source of the same call: a taken name\n"
    "gets \"_NEW\", then \"_NEW2\", \"_NEW3\", ... before its extension.\n"
    "Files ending in ";
// The list of video extensions comes from the source types, so the help cannot fall behind what is probed.
const char* const kHelpAfterVideo =
    " are video sources;\n"
    "their sound track is extracted.\n"
    "output lines, when one output is made at a time (-j 1, or a single output), in order:\n"
    "  progress=NN        percentage of the current output, printed whenever it changes\n"
    "  output=PATH        the output was written\n"
    "  error=TEXT         the output failed; TEXT starts with the source name\n"
    "  skipped=PATH       --exists skip kept the existing file PATH\n"
    "  cancelled=PATH     a stop signal ended the output PATH early\n"
    "when outputs are made side by side, as they happen:\n"
    "  progress=NN PATH   percentage of the output PATH, printed whenever it changes\n"
    "  total=NN           percentage of the whole batch, weighted by the length of the sources\n"
    "  time_left=S        after a total line, once it can be estimated: seconds still to go\n"
    "  output=PATH, error=TEXT, skipped=PATH, cancelled=PATH as above, in the order the outputs finish\n"
    "--summary follows the last line: text (one line per output) or one JSON object. Its counts keep the outputs a\n"
    "stop signal ended early (cancelled) apart from those the batch never began (not started: \"N not started\"\n"
    "closes the text summary's first line when there are any; JSON has \"not_started\").\n"
    "A control character in a name or reason (a newline, a tab, ...) is printed as \\xNN, each byte of its UTF-8\n"
    "encoding in upper-case hex (a newline is \\x0A), so every result stays on its line; all else is printed as is.\n"
    "SIGTERM, SIGINT (Ctrl+C) or SIGHUP stop the batch after the current block of each running output; the lines\n"
    "and the summary still come out. A stopped output keeps its partial sound under its name, unless a file had\n"
    "that name: the earlier file then stays. A second signal ends the program at once.\n"
    "exit status: 0 all outputs written or skipped, 1 any output failed, 2 bad usage, 130 stopped by SIGINT or\n"
    "SIGHUP, 143 stopped by SIGTERM\n";

enum class Option {
    Rate,
    Channels,
    Bits,
    Profile,
    CodeSize,
    Preset,
    AltPreset,
    Lame,
    Compression,
    Bitrate,
    Speech,
    Volume,
    Out,
    NoTags,
    Jobs,
    Name,
    KeepTree,
    Exists,
    Normalize,
    ReplayGain,
    Summary,
    Verify
};

// One row per option, in the order the help lists them. A format option makes one of the format choices; the
// formats that take it come from the format table and close its help line.
struct OptionFacts {
    const char* name;
    Option option;
    std::optional<FormatChoice> choice; // none for the options that go with every format
    const char* help;
};

const std::array<OptionFacts, 22>& optionTable() {
    using enum Option;
    static const std::array<OptionFacts, 22> table{{
        {"--rate", Rate, FormatChoice::SampleRate,
         "  --rate R           sample rate: 8000 11025 16000 22050 24000 32000 44100 48000 (default 44100;\n"
         "                     mp3: default from the encoder settings)   "},
        {"--channels", Channels, FormatChoice::Channels,
         "  --channels C       1 or 2 (default 2)                          "},
        {"--bits", Bits, FormatChoice::PcmBits, "  --bits B           8, 16 or 24 (default 16)                    "},
        {"--profile", Profile, FormatChoice::WmaProfile,
         "  --profile N        WMA profile, 1 to the number of profiles (default 28)   "},
        {"--code-size", CodeSize, FormatChoice::CodeSize,
         "  --code-size N      bits per sample: g723 3 or 5 (default 5), g726 2 to 5 (default 4)   "},
        {"--preset", Preset, FormatChoice::Mp3Preset,
         "  --preset N         MP3 preset 1-11: Phone SW AM FM Voice Radio Tape HiFi CD Studio R3Mix   "},
        {"--alt-preset", AltPreset, FormatChoice::Mp3AltPreset,
         "  --alt-preset N     MP3 alternative preset 1-5: Fast Standard, Standard, Fast Extreme, Extreme, Insane "},
        {"--lame", Lame, FormatChoice::LameSwitches,
         "  --lame TEXT        LAME switches applied after the preset, e.g. \"-V 2 --vbr-new -q 0\"   "},
        {"--compression", Compression, FormatChoice::CompressionLevel,
         "  --compression N    FLAC compression level 0 (fastest) to 8 (smallest), default 5   "},
        {"--bitrate", Bitrate, FormatChoice::Bitrate,
         "  --bitrate N        kbit/s: aac 96-320 (default 160), opus 32-256 VBR (default 128)   "},
        {"--speech", Speech, FormatChoice::SpeechOrMusic,
         "  --speech           tune Opus for speech rather than music   "},
        {"--volume", Volume, std::nullopt,
         "  --volume PCT       change the volume to PCT percent, 0-200 (100 = unchanged)\n"},
        {"--normalize", Normalize, std::nullopt,
         "  --normalize[=LUFS] even out loudness (EBU R128): measure each source, then scale it to LUFS, -70 to -5\n"
         "                     (default -23), never above -1 dBTP true peak; not together with --volume\n"},
        {"--replaygain", ReplayGain, std::nullopt,
         "  --replaygain       measure each source (EBU R128) and tag its outputs with ReplayGain 2.0 track and\n"
         "                     album gains and peaks (Opus: R128 gains), leaving the samples as they are; an album\n"
         "                     is the sources of the batch sharing album artist and album; not together with\n"
         "                     --volume or --normalize\n"},
        {"--out", Out, std::nullopt,
         "  --out DIR          output folder, made when missing (default: beside each source)\n"},
        {"--keep-tree", KeepTree, std::nullopt,
         "  --keep-tree ROOT   with --out: outputs mirror the folders of the sources below ROOT\n"},
        {"--name", Name, std::nullopt,
         "  --name TEMPLATE    output base name from fields of the source: {name} {title} {artist} {album} {track}\n"
         "                     {year} {genre} {format} {albumartist} {disc} {tracktotal} {composer},\n"
         "                     e.g. \"{artist} - {title}\"; the format's suffix follows.\n"
         "                     Field values lose / \\ : * ? \" < > | (each becomes _), control characters and\n"
         "                     leading or trailing dots and blanks; an empty result falls back to {name}\n"},
        {"--exists", Exists, std::nullopt,
         "  --exists POLICY    an output file that exists already: replace (default), new (take a free \"_NEW\"\n"
         "                     name), skip (keep the file, make nothing, when it decodes to its end and its length\n"
         "                     matches the source's; otherwise it is made again). Skip also sees damage that keeps\n"
         "                     the length where the format carries checksums (FLAC, Ogg Vorbis, Opus, MP3 with a\n"
         "                     LAME header) or its decoder refuses the frames (AAC, ALAC); flipped sample bytes in\n"
         "                     plain WAV, raw, ADPCM, GSM, VOX, G.72x, MP2 or WMA decode as sound and go unseen\n"},
        {"--verify", Verify, std::nullopt,
         "  --verify           read every output back in full before it takes its name; one that does not decode,\n"
         "                     fails a checksum it carries or whose length is off by more than a codec frame\n"
         "                     fails and is dropped\n"},
        {"--jobs", Jobs, std::nullopt,
         "  -j N, --jobs N     convert up to N outputs at once, 1-64 (default: the number of processor cores)\n"},
        {"--summary", Summary, std::nullopt,
         "  --summary KIND     print a summary of every output at the end: text or json\n"},
        {"--no-tags", NoTags, std::nullopt, "  --no-tags          do not copy the tags of audio sources\n"},
    }};
    return table;
}

const std::map<QString, Option>& optionNames() {
    static const std::map<QString, Option> names = [] {
        std::map<QString, Option> result;
        for (const OptionFacts& facts : optionTable())
            result.emplace(QLatin1String(facts.name), facts.option);
        return result;
    }();
    return names;
}

// Options that stand alone; --normalize may also carry a value after "=".
bool isFlag(Option option) {
    return option == Option::NoTags || option == Option::Normalize || option == Option::Verify ||
           option == Option::Speech || option == Option::ReplayGain;
}

// The format options each format takes; every other option goes with every format.
const std::set<Option>& optionsOf(OutputFormat format) {
    static const std::map<OutputFormat, std::set<Option>> table = [] {
        std::map<OutputFormat, std::set<Option>> result;
        for (const OutputFormatFacts& facts : outputFormatTable()) {
            std::set<Option>& taken = result[facts.format];
            for (const OptionFacts& option : optionTable()) {
                if (option.choice && facts.choices.contains(*option.choice))
                    taken.insert(option.option);
            }
        }
        return result;
    }();
    return table.at(format);
}

// The names of the formats that make a choice, in conversion order. The three G.72x codecs are one word when they
// all make it, which keeps the help lines short.
QString formatsMaking(FormatChoice choice) {
    QStringList names;
    for (const OutputFormatFacts& format : outputFormatTable()) {
        if (format.choices.contains(choice))
            names.append(QLatin1String(format.name));
    }
    return names.join(QLatin1Char(' ')).replace(QLatin1String("g721 g723 g726"), QLatin1String("g72x"));
}

QString helpText() {
    QStringList formatNames;
    for (const OutputFormatFacts& format : outputFormatTable())
        formatNames.append(QLatin1String(format.name));
    QString help = QLatin1String(kHelpUsage);
    help += QStringLiteral("NAME: %1\n").arg(formatNames.join(QLatin1Char(' ')));
    help += QLatin1String(kHelpOrder);
    for (const OptionFacts& option : optionTable()) {
        if (option.choice)
            help += QLatin1String(option.help) + QStringLiteral("[%1]\n").arg(formatsMaking(*option.choice));
    }
    help += QLatin1String(kHelpCommonOptions);
    for (const OptionFacts& option : optionTable()) {
        if (!option.choice)
            help += QLatin1String(option.help);
    }
    return help + QLatin1String(kHelpRest) + SourceTypes::videoExtensionsText() + QLatin1String(kHelpAfterVideo);
}

bool isFormatOption(Option option) {
    return std::any_of(kOutputFormatsInOrder.begin(), kOutputFormatsInOrder.end(),
                       [option](OutputFormat format) { return optionsOf(format).count(option) != 0; });
}

class UsageError {
public:
    explicit UsageError(QString text) : text_(std::move(text)) {}
    [[nodiscard]] const QString& text() const { return text_; }

private:
    QString text_;
};

struct ConvertRequest {
    std::set<OutputFormat> formats;
    std::map<Option, QString> options;
    QStringList files;

    [[nodiscard]] bool has(Option option) const { return options.count(option) != 0; }
    [[nodiscard]] bool converts(OutputFormat format) const { return formats.count(format) != 0; }
};

QString nameOf(Option option) {
    const auto name = std::find_if(optionNames().begin(), optionNames().end(),
                                   [option](const auto& entry) { return entry.second == option; });
    return name->first;
}

int integerOption(const ConvertRequest& request, Option option, const std::set<int>& allowed) {
    bool ok = false;
    const QString& text = request.options.at(option);
    const int value = text.toInt(&ok);
    if (!ok || allowed.count(value) == 0)
        throw UsageError(QStringLiteral("%1 cannot be \"%2\"").arg(nameOf(option), text));
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

// "-j N" and "-jN" are the short spellings of --jobs.
bool splitShortJobs(QString& argument) {
    if (argument == QLatin1String("-j")) {
        argument = QStringLiteral("--jobs");
        return true;
    }
    if (argument.startsWith(QLatin1String("-j")) && !argument.startsWith(QLatin1String("--"))) {
        argument = QStringLiteral("--jobs=") + argument.mid(2);
        return true;
    }
    return false;
}

void checkCombinations(const ConvertRequest& request) {
    for (const auto& [option, value] : request.options) {
        if (!isFormatOption(option))
            continue;
        const bool taken =
            std::any_of(request.formats.begin(), request.formats.end(),
                        [option = option](OutputFormat format) { return optionsOf(format).count(option) != 0; });
        if (!taken) {
            QStringList names;
            for (const OutputFormat format : request.formats)
                names.append(outputFormatName(format));
            throw UsageError(QStringLiteral("the format %1 does not take %2").arg(names.join(' '), nameOf(option)));
        }
    }
    if (request.has(Option::Preset) && request.has(Option::AltPreset))
        throw UsageError(QStringLiteral("--preset and --alt-preset exclude each other"));
    if (request.has(Option::Normalize) && request.has(Option::Volume))
        throw UsageError(QStringLiteral("--normalize and --volume exclude each other"));
    if (request.has(Option::ReplayGain) && request.has(Option::Volume))
        throw UsageError(QStringLiteral("--replaygain and --volume exclude each other"));
    if (request.has(Option::ReplayGain) && request.has(Option::Normalize))
        throw UsageError(QStringLiteral("--replaygain and --normalize exclude each other"));
    if (request.has(Option::KeepTree) && !request.has(Option::Out))
        throw UsageError(QStringLiteral("--keep-tree needs --out, the folder the tree is mirrored in"));
}

ConvertRequest parseArguments(const QStringList& arguments) {
    ConvertRequest request;
    bool optionsEnded = false;
    for (int index = 0; index < arguments.size(); ++index) {
        QString argument = arguments.at(index);
        if (optionsEnded || (!splitShortJobs(argument) && !argument.startsWith(QLatin1String("--")))) {
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
        if (argument == QLatin1String("--format")) {
            if (!attached) {
                if (index + 1 >= arguments.size())
                    throw UsageError(QStringLiteral("--format needs a value"));
                value = arguments.at(++index);
            }
            const std::optional<OutputFormat> format = outputFormatNamed(value);
            if (!format)
                throw UsageError(QStringLiteral("unknown format \"%1\"").arg(value));
            request.formats.insert(*format);
            continue;
        }
        const auto option = optionNames().find(argument);
        if (option == optionNames().end())
            throw UsageError(QStringLiteral("unknown option %1").arg(argument));
        if (!isFlag(option->second) && !attached) {
            if (index + 1 >= arguments.size())
                throw UsageError(QStringLiteral("%1 needs a value").arg(argument));
            value = arguments.at(++index);
        }
        if ((option->second == Option::NoTags || option->second == Option::Verify || option->second == Option::Speech ||
             option->second == Option::ReplayGain) &&
            attached)
            throw UsageError(QStringLiteral("%1 takes no value").arg(argument));
        request.options[option->second] = value;
    }
    if (request.formats.empty())
        throw UsageError(QStringLiteral("--format is missing"));
    if (request.files.isEmpty())
        throw UsageError(QStringLiteral("no FILE to convert"));
    checkCombinations(request);
    return request;
}

PanelValues panelValuesOf(const ConvertRequest& request) {
    PanelValues panel;
    if (request.has(Option::Rate))
        panel.sampleRate = integerOption(request, Option::Rate, setOf(kSampleRates));
    if (request.has(Option::Channels))
        panel.channels = integerOption(request, Option::Channels, {1, 2});
    if (request.has(Option::CodeSize)) {
        if (request.converts(OutputFormat::G723))
            panel.g723Bits = integerOption(request, Option::CodeSize, {3, 5});
        if (request.converts(OutputFormat::G726))
            panel.g726Bits = integerOption(request, Option::CodeSize, rangeOf(2, 5));
    }
    if (request.has(Option::Profile))
        panel.wmaProfile = integerOption(request, Option::Profile, rangeOf(1, 999));
    if (request.has(Option::Compression))
        panel.flacLevel = integerOption(request, Option::Compression, rangeOf(0, 8));
    if (request.has(Option::Bitrate)) {
        if (request.converts(OutputFormat::Aac))
            panel.aacKbps = integerOption(request, Option::Bitrate, rangeOf(96, 320));
        if (request.converts(OutputFormat::Opus))
            panel.opusKbps = integerOption(request, Option::Bitrate, rangeOf(32, 256));
    }
    panel.opusSpeech = request.has(Option::Speech);
    return panel;
}

std::optional<double> loudnessTargetOf(const ConvertRequest& request) {
    if (!request.has(Option::Normalize))
        return std::nullopt;
    const QString& text = request.options.at(Option::Normalize);
    if (text.isEmpty())
        return kDefaultLoudnessTarget;
    bool ok = false;
    const double target = text.toDouble(&ok);
    if (!ok || target < -70.0 || target > -5.0)
        throw UsageError(QStringLiteral("--normalize cannot be \"%1\" (LUFS from -70 to -5)").arg(text));
    return target;
}

BatchSettings batchSettingsOf(const ConvertRequest& request) {
    BatchSettings settings;
    settings.panel = panelValuesOf(request);
    settings.copyTags = !request.has(Option::NoTags);
    if (request.has(Option::Volume))
        settings.volumePercent = integerOption(request, Option::Volume, rangeOf(0, 200));
    settings.loudnessTarget = loudnessTargetOf(request);
    settings.verifyOutputs = request.has(Option::Verify);
    settings.replayGain = request.has(Option::ReplayGain);
    return settings;
}

PlanRequest batchRequestOf(const ConvertRequest& request) {
    PlanRequest batch;
    for (const QString& file : request.files)
        batch.sourceNames.append(QFileInfo(file).absoluteFilePath());
    batch.formats = request.formats;
    // "--out=~/x" reaches us with the "~" untouched, since the shell expands it only at the start of a word.
    batch.folderText =
        request.options.count(Option::Out) != 0 ? withHomeFolder(request.options.at(Option::Out)) : QString();
    if (request.has(Option::KeepTree))
        batch.treeRoot = request.options.at(Option::KeepTree);
    if (request.has(Option::Name)) {
        QString whyNot;
        batch.baseNames = NameTemplate::parse(request.options.at(Option::Name), whyNot);
        if (!batch.baseNames)
            throw UsageError(QStringLiteral("--name: %1").arg(whyNot));
    }
    if (request.has(Option::Exists)) {
        const auto policy = existingOutputPolicyNamed(request.options.at(Option::Exists));
        if (!policy)
            throw UsageError(QStringLiteral("--exists cannot be \"%1\" (new, skip or replace)")
                                 .arg(request.options.at(Option::Exists)));
        batch.existing = *policy;
    }
    return batch;
}

std::optional<SummaryKind> summaryKindOf(const ConvertRequest& request) {
    if (!request.has(Option::Summary))
        return std::nullopt;
    const QString& kind = request.options.at(Option::Summary);
    if (kind == QLatin1String("text"))
        return SummaryKind::Text;
    if (kind == QLatin1String("json"))
        return SummaryKind::Json;
    throw UsageError(QStringLiteral("--summary cannot be \"%1\" (text or json)").arg(kind));
}

// The option dialogs of the program, answered from the command line.
FormatSettings formatSettingsOf(const ConvertRequest& request, const PanelValues& panel) {
    FormatSettings settings;
    settings.panel = panel;
    settings.pcmWav = {panel.sampleRate, panel.channels, PcmWavChoice{}.bits};
    if (request.has(Option::Bits))
        settings.pcmWav.bits = integerOption(request, Option::Bits, setOf(kPcmBitsChoices));
    // A preset first, then the LAME switches on top of it, then the rate and channels given as options.
    if (request.has(Option::Preset))
        settings.mp3.preset = integerOption(request, Option::Preset, rangeOf(1, 11));
    if (request.has(Option::AltPreset))
        settings.mp3.altPreset = integerOption(request, Option::AltPreset, rangeOf(1, 5));
    if (request.has(Option::Lame))
        settings.mp3.lameSwitches = request.options.at(Option::Lame);
    settings.mp3.panelRate = request.has(Option::Rate);
    settings.mp3.panelChannels = request.has(Option::Channels);
    settings.oggVorbis.sampleRate = panel.sampleRate;
    settings.oggVorbis.channels = panel.channels;
    settings.oggVorbis.refuseUnaccepted = false; // the bit rate is the default, not the user's choice
    return settings;
}

// The reports of a batch a stop signal ended before it began: no output started.
std::vector<OutputReport> notStarted(const std::vector<BatchOutput>& plan) {
    std::vector<OutputReport> reports(plan.size());
    for (std::size_t index = 0; index < plan.size(); ++index)
        reports[index].destination = plan[index].destinationName;
    return reports;
}

int convertAll(const ConvertRequest& request, QTextStream& out) {
    const StopSignals stopSignals;
    const BatchSettings settings = batchSettingsOf(request);
    const PlanRequest batch = batchRequestOf(request);
    const std::optional<SummaryKind> summary = summaryKindOf(request);
    const int jobs = request.has(Option::Jobs) ? integerOption(request, Option::Jobs, rangeOf(1, 64))
                                               : std::min(defaultBatchJobs(), 64);
    if (!batch.folderText.isEmpty() && !QDir().mkpath(batch.folderText))
        throw UsageError(QStringLiteral("Invalid Output Folder Name! (%1)").arg(batch.folderText));

    ComponentSetFactory factory;
    std::vector<BatchOutput> plan;
    {
        // Sources are measured and named with components of their own; the workers get fresh ones.
        const std::unique_ptr<ComponentSet> planning = factory.create();
        const int profiles = planning->writer->wmaProfileCount();
        if (request.converts(OutputFormat::Wma) && settings.panel.wmaProfile > profiles)
            throw UsageError(
                QStringLiteral("--profile %1 does not exist (1 to %2)").arg(settings.panel.wmaProfile).arg(profiles));
        plan = planBatch(batch, readSourceFactsAhead(*planning, factory, batch, jobs));
    }
    const FormatDialogsMaker makeDialogs = chosenDialogsMaker(formatSettingsOf(request, settings.panel));
    BatchEngine* running = nullptr;
    ConvertLines lines(out, BatchEngine::workersFor(plan, jobs) > 1, [&running] {
        if (running != nullptr && StopSignals::stopRequested())
            running->cancel();
    });
    BatchEngine engine(kitsFrom(factory, makeDialogs), lines);
    running = &engine;
    const std::vector<OutputReport> reports =
        StopSignals::stopRequested() ? notStarted(plan) : engine.run(plan, settings, jobs);
    if (summary)
        printSummary(out, *summary, plan, reports);
    if (StopSignals::stopRequested())
        return StopSignals::exitStatusAfter(StopSignals::receivedSignal());
    const bool anyFailed = std::any_of(reports.begin(), reports.end(), [](const OutputReport& report) {
        return report.status == OutputStatus::Failed;
    });
    return anyFailed ? 1 : 0;
}

} // namespace

int runConvertCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QStringList options = arguments.mid(0, arguments.indexOf(QLatin1String("--")));
    if (options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"))) {
        out << helpText();
        return 0;
    }
    try {
        return convertAll(parseArguments(arguments), out);
    } catch (const UsageError& error) {
        err << "tonalith-cli convert: " << error.text() << "\n(tonalith-cli convert --help shows the usage)\n";
        return 2;
    } catch (const ComponentError& error) {
        out << "error=" << oneLine(error.message()) << '\n';
        return 1;
    }
}
