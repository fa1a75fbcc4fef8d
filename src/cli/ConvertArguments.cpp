#include "ConvertArguments.h"

#include "core/batch/BatchEngine.h"
#include "core/batch/TrackSources.h"
#include "core/library/CueSheetReader.h"
#include "core/platform/HomeFolder.h"
#include "core/sources/SourceKind.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <map>

namespace {

using enum ConvertOptionId;

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

const ConvertOption* optionNamed(const QString& name) {
    const auto& table = convertOptions();
    const auto found = std::find_if(table.begin(), table.end(), [&name](const ConvertOption& option) {
        return name == QLatin1String(option.name);
    });
    return found == table.end() ? nullptr : &*found;
}

// The arguments as written: the formats and files in order, and each option's last value.
struct WrittenLine {
    std::set<OutputFormat> formats;
    QStringList files;
    std::map<ConvertOptionId, QString> values;
    std::vector<ConvertOptionId> given;
    QStringList sides; // --side may be given again and again
};

WrittenLine readArguments(const QStringList& arguments) {
    WrittenLine line;
    bool optionsEnded = false;
    for (int index = 0; index < arguments.size(); ++index) {
        QString argument = arguments.at(index);
        if (optionsEnded || (!splitShortJobs(argument) && !argument.startsWith(QLatin1String("--")))) {
            line.files.append(argument);
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
        const ConvertOption* option = optionNamed(argument);
        if (option == nullptr)
            throw UsageError(QStringLiteral("unknown option %1").arg(argument));
        if (option->takes == OptionValue::None && attached)
            throw UsageError(QStringLiteral("%1 takes no value").arg(argument));
        if (option->takes == OptionValue::Required && !attached) {
            if (index + 1 >= arguments.size())
                throw UsageError(QStringLiteral("%1 needs a value").arg(argument));
            value = arguments.at(++index);
        }
        if (option->id == Format) {
            const std::optional<OutputFormat> format = outputFormatNamed(value);
            if (!format)
                throw UsageError(QStringLiteral("unknown format \"%1\"").arg(value));
            line.formats.insert(*format);
        }
        if (option->id == Side)
            line.sides.append(value);
        if (line.values.count(option->id) == 0)
            line.given.push_back(option->id);
        line.values[option->id] = value;
    }
    return line;
}

// An option that makes a format choice must be taken by at least one of the formats.
void refuseUntakenOptions(const WrittenLine& line, const std::set<OutputFormat>& formats) {
    for (const ConvertOptionId id : line.given) {
        const ConvertOption& option = convertOption(id);
        if (!option.choice)
            continue;
        if (std::none_of(formats.begin(), formats.end(),
                         [&option](OutputFormat format) { return option.takenBy(format); })) {
            QStringList names;
            for (const OutputFormat format : formats)
                names.append(outputFormatName(format));
            throw UsageError(
                QStringLiteral("the format %1 does not take %2").arg(names.join(' '), QLatin1String(option.name)));
        }
    }
}

QString conflictText(OrderConflict conflict) {
    switch (conflict) {
    case OrderConflict::NoSources:
        return QStringLiteral("no FILE to convert");
    case OrderConflict::NoFormats:
        return QStringLiteral("--format is missing");
    case OrderConflict::NormalizeWithVolume:
        return QStringLiteral("--normalize and --volume exclude each other");
    case OrderConflict::ReplayGainWithVolume:
        return QStringLiteral("--replaygain and --volume exclude each other");
    case OrderConflict::ReplayGainWithNormalize:
        return QStringLiteral("--replaygain and --normalize exclude each other");
    case OrderConflict::TreeWithoutFolder:
        return QStringLiteral("--keep-tree needs --out, the folder the tree is mirrored in");
    }
    return {};
}

// A profile has no sources, and a sync finds its own; their other conflicts are those of a batch of one source.
void refuseConflicts(const BatchOrder& order, LineKind kind) {
    std::optional<OrderConflict> conflict;
    if (kind == LineKind::Batch) {
        // A line without --format has always been told so first, whether or not it names a FILE.
        conflict = order.formats.empty() ? OrderConflict::NoFormats : order.conflicts();
    } else {
        BatchOrder withSource = order;
        withSource.sources.push_back(BatchSource{QStringLiteral("/"), SourceKind::Audio, std::nullopt});
        conflict = withSource.conflicts();
    }
    if (conflict)
        throw UsageError(conflictText(*conflict));
}

// The ranges that apply to the chosen formats.
std::vector<const OptionRange*> rangesFor(const ConvertOption& option, const std::set<OutputFormat>& formats) {
    std::vector<const OptionRange*> ranges;
    for (const OptionRange& range : option.ranges) {
        if (!range.format || formats.count(*range.format) != 0)
            ranges.push_back(&range);
    }
    return ranges;
}

[[noreturn]] void refuseValue(const ConvertOption& option, const QString& value) {
    QString text = QStringLiteral("%1 cannot be \"%2\"").arg(QLatin1String(option.name), value);
    if (option.refusalHint)
        text += QLatin1Char(' ') + option.filledIn(QLatin1String(option.refusalHint));
    throw UsageError(text);
}

// A checked value: the integer, number or word the option's ranges accept, or its text.
struct CheckedValue {
    QString text;
    int integer = 0;
    double number = 0.0;
};

CheckedValue checkedValue(const ConvertOption& option, const QString& text, const std::set<OutputFormat>& formats) {
    CheckedValue value{text};
    const std::vector<const OptionRange*> ranges = rangesFor(option, formats);
    bool ok = true;
    switch (option.type) {
    case ValueType::Switch:
    case ValueType::Text:
        return value;
    case ValueType::Integer:
        value.integer = text.toInt(&ok);
        value.number = value.integer;
        break;
    case ValueType::Number:
        // --normalize alone takes the default target.
        value.number = text.isEmpty() && option.defaultText ? option.defaultText().toDouble() : text.toDouble(&ok);
        break;
    case ValueType::Word:
        if (!std::all_of(ranges.begin(), ranges.end(),
                         [&text](const OptionRange* range) { return range->accepts(text); }))
            refuseValue(option, text);
        return value;
    }
    ok = ok && std::all_of(ranges.begin(), ranges.end(),
                           [&value](const OptionRange* range) { return range->accepts(value.number); });
    if (!ok)
        refuseValue(option, text);
    return value;
}

// A compact disc holds at most 99 tracks, and so does a sheet.
constexpr int kMaxCueTrack = 99;

// "2,5-7" as {2, 5, 6, 7}.
std::set<int> trackNumbers(const QString& text) {
    const auto refuse = [&text] {
        return UsageError(
            QStringLiteral("--tracks: \"%1\" is no list of track numbers and ranges such as 2,5-7").arg(text));
    };
    std::set<int> numbers;
    for (const QString& item : text.split(QLatin1Char(','))) {
        const QStringList bounds = item.trimmed().split(QLatin1Char('-'));
        bool firstOk = false;
        bool lastOk = false;
        const int first = bounds.front().toInt(&firstOk);
        const int last = bounds.back().toInt(&lastOk);
        if (bounds.size() > 2 || !firstOk || !lastOk || first < 0 || last < first || last > kMaxCueTrack)
            throw refuse();
        for (int number = first; number <= last; ++number)
            numbers.insert(number);
    }
    return numbers;
}

bool isCueSheet(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive);
}

// Every cue sheet among the sources becomes its tracks (those picked, when some are); the sheets are read only
// once every value of the line has been checked. A sheet that cannot be used raises ComponentError naming its line.
std::vector<BatchSource> withSheetTracks(const std::vector<BatchSource>& sources,
                                         const std::optional<std::set<int>>& picked) {
    std::vector<BatchSource> expanded;
    std::set<int> found;
    bool anySheet = false;
    for (const BatchSource& source : sources) {
        if (!isCueSheet(source.fullName)) {
            expanded.push_back(source);
            continue;
        }
        anySheet = true;
        for (BatchSource& track : trackSourcesOf(CueSheetReader::readFile(source.fullName))) {
            found.insert(track.track->number);
            if (!picked || picked->count(track.track->number) != 0)
                expanded.push_back(std::move(track));
        }
    }
    if (picked && !anySheet)
        throw UsageError(QStringLiteral("--tracks picks tracks of a cue sheet FILE (.cue), and none is given"));
    if (picked) {
        for (const int number : *picked) {
            if (number > 0 && found.count(number) == 0)
                throw UsageError(QStringLiteral("--tracks: no cue sheet FILE has a track %1").arg(number));
        }
    }
    return expanded;
}

void apply(ConvertArguments& line, ConvertOptionId id, const CheckedValue& value) {
    BatchOrder& order = line.order;
    FormatSettings& settings = order.formatSettings;
    PanelValues& panel = settings.panel;
    switch (id) {
    case Format:
    case UseProfile:
        break;
    case Rate:
        // The panel's rate also goes to the PCM and Ogg Vorbis outputs, and after the MP3 preset and switches.
        panel.sampleRate = settings.pcmWav.sampleRate = settings.oggVorbis.sampleRate = value.integer;
        settings.mp3.panelRate = true;
        break;
    case Channels: {
        // keep reaches the formats that can carry surround sound; the others keep the panel's stereo.
        const ChannelChoice choice = *channelChoiceNamed(value.text);
        const bool keep = choice == ChannelChoice::Keep;
        if (!keep) {
            panel.channels = settings.pcmWav.channels = settings.oggVorbis.channels = writerChannelsOf(choice);
            settings.mp3.panelChannels = true;
        }
        settings.pcmWav.keepChannels = settings.oggVorbis.keepChannels = keep;
        panel.flacChannels = panel.alacChannels = choice;
        panel.aacChannels = panel.opusChannels = keep ? std::optional(choice) : std::nullopt;
        break;
    }
    case Bits:
        settings.pcmWav.bits = value.integer;
        break;
    case Profile:
        panel.wmaProfile = value.integer;
        break;
    case CodeSize:
        if (order.formats.count(OutputFormat::G723) != 0)
            panel.g723Bits = value.integer;
        if (order.formats.count(OutputFormat::G726) != 0)
            panel.g726Bits = value.integer;
        break;
    case Preset:
        settings.mp3.preset = value.integer;
        break;
    case AltPreset:
        settings.mp3.altPreset = value.integer;
        break;
    case Lame:
        settings.mp3.lameSwitches = value.text;
        break;
    case Compression:
        panel.flacLevel = value.integer;
        break;
    case Bitrate:
        if (order.formats.count(OutputFormat::Aac) != 0)
            panel.aacKbps = value.integer;
        if (order.formats.count(OutputFormat::Opus) != 0)
            panel.opusKbps = value.integer;
        break;
    case Speech:
        panel.opusSpeech = true;
        break;
    case Volume:
        order.volumePercent = value.integer;
        break;
    case Normalize:
        order.loudnessTarget = value.number;
        break;
    case ReplayGain:
        order.replayGain = true;
        break;
    case Out:
        // "--out=~/x" reaches us with the "~" untouched, since the shell expands it only at the start of a word.
        order.folderText = withHomeFolder(value.text);
        break;
    case KeepTree:
        order.treeRoot = value.text;
        break;
    case Name: {
        QString whyNot;
        order.baseNames = NameTemplate::parse(value.text, whyNot);
        if (!order.baseNames)
            throw UsageError(QStringLiteral("--name: %1").arg(whyNot));
        break;
    }
    case Exists:
        order.existing = *existingOutputPolicyNamed(value.text);
        break;
    case Verify:
        order.verifyOutputs = true;
        break;
    case Jobs:
        order.jobs = value.integer;
        break;
    case Summary:
        line.summary = value.text == QLatin1String("json") ? SummaryKind::Json : SummaryKind::Text;
        break;
    case NoTags:
        order.copyTags = false;
        break;
    case Lossy:
        line.copyLossy = value.text == QLatin1String("copy");
        break;
    case Side:
    case FilesFrom:
    case NullSeparated:
        break;
    case Names:
        line.pathRules = value.text;
        break;
    case Prune:
        line.prune = true;
        break;
    case KeepTime:
        line.keepTime = true;
        break;
    case ShardOf: {
        const std::optional<Shard> shard = shardNamed(value.text);
        if (!shard)
            throw UsageError(QStringLiteral("--shard cannot be \"%1\" (K/N with 1 <= K <= N)").arg(value.text));
        line.shard = *shard;
        break;
    }
    case Stream: {
        QString whyNot;
        const std::optional<SoundTrackRule> rule = SoundTrackRule::parse(value.text, whyNot);
        if (!rule)
            throw UsageError(QStringLiteral("--stream: %1").arg(whyNot));
        order.soundTracks = *rule;
        break;
    }
    case Tracks:
        line.tracks = trackNumbers(value.text);
        break;
    case HiddenTrack:
        order.hiddenTrack = true;
        break;
    }
}

// The names a --files-from list holds: one a line, or each ended by NUL; empty ones are skipped.
QStringList listedFiles(const QString& listName, bool nullSeparated) {
    QFile list(listName == QLatin1String("-") ? QString() : listName);
    const bool opened =
        listName == QLatin1String("-") ? list.open(stdin, QIODevice::ReadOnly) : list.open(QIODevice::ReadOnly);
    if (!opened)
        throw UsageError(QStringLiteral("--files-from: %1 cannot be read (%2)").arg(listName, list.errorString()));
    const QByteArray bytes = list.readAll();
    QStringList names;
    for (const QByteArray& name : bytes.split(nullSeparated ? '\0' : '\n')) {
        const QByteArray kept = !nullSeparated && name.endsWith('\r') ? name.chopped(1) : name;
        if (!kept.isEmpty())
            names.append(QFile::decodeName(kept));
    }
    return names;
}

// Options of one command alone: the folders of convert mean nothing to sync, and the mirror's choices nothing to
// convert.
void refuseForeignOptions(const ConvertArguments& line, LineKind kind) {
    const auto refuse = [&line](std::initializer_list<ConvertOptionId> ids, const char* command) {
        for (const ConvertOptionId id : ids) {
            if (line.has(id))
                throw UsageError(
                    QStringLiteral("%1 is not an option of %2").arg(QLatin1String(convertOption(id).name), command));
        }
    };
    if (kind == LineKind::Sync)
        refuse({Out, KeepTree, Exists}, "sync");
    else
        refuse({Lossy, Side, Names, Prune}, "convert");
    if (kind == LineKind::Profile)
        refuse({KeepTime, FilesFrom, NullSeparated, ShardOf}, "a profile");
    if (line.has(NullSeparated) && !line.has(FilesFrom))
        throw UsageError(QStringLiteral("--null needs --files-from"));
}

// Of options that exclude each other, one given on the line replaces what the profile chose among them.
void forgetReplacedChoices(ConvertArguments& line) {
    BatchOrder& order = line.order;
    if (line.has(Volume) || line.has(Normalize) || line.has(ReplayGain)) {
        order.volumePercent.reset();
        order.loudnessTarget.reset();
        order.replayGain = false;
    }
    if (line.has(Preset) || line.has(AltPreset)) {
        order.formatSettings.mp3.preset.reset();
        order.formatSettings.mp3.altPreset.reset();
    }
}

} // namespace

bool ConvertArguments::has(ConvertOptionId id) const {
    return std::find(given.begin(), given.end(), id) != given.end();
}

BatchOrder commandLineStartOrder() {
    BatchOrder order;
    // Scripts that give a rate and channels alone did not choose the Ogg Vorbis bit rate: the writer takes the
    // nearest it can make.
    order.formatSettings.oggVorbis.refuseUnaccepted = false;
    order.jobs = std::min(defaultBatchJobs(), BatchOrder::MaxJobs);
    return order;
}

ConvertArguments parseConvertArguments(const QStringList& arguments, LineKind kind,
                                       const ProfileOrderLoader& loadProfile) {
    const WrittenLine written = readArguments(arguments);
    ConvertArguments line;
    line.given = written.given;
    if (line.has(UseProfile)) {
        line.profileName = written.values.at(UseProfile);
        line.order = loadProfile(*line.profileName);
        line.order.sources.clear();
    } else {
        line.order = commandLineStartOrder();
    }
    if (!written.formats.empty())
        line.order.formats = written.formats;
    refuseForeignOptions(line, kind);
    if (kind == LineKind::Sync) {
        if (written.files.size() != 2)
            throw UsageError(QStringLiteral("sync takes two folders: SOURCE_FOLDER DESTINATION_FOLDER"));
        for (const QString& folder : written.files)
            line.folders.append(QFileInfo(withHomeFolder(folder)).absoluteFilePath());
        if (line.order.formats.size() != 1)
            throw UsageError(line.order.formats.empty() ? conflictText(OrderConflict::NoFormats)
                                                        : QStringLiteral("sync makes one format: give --format once"));
    }
    if (line.has(Side)) {
        line.sideGlobs = written.sides;
        line.sideGlobs->removeAll(QStringLiteral("none"));
    }
    if (line.has(FilesFrom))
        line.listedFiles = listedFiles(written.values.at(FilesFrom), line.has(NullSeparated));
    if (kind == LineKind::Profile) {
        if (!written.files.isEmpty())
            throw UsageError(QStringLiteral("a profile keeps no FILE (%1)").arg(written.files.first()));
        if (line.has(Summary))
            throw UsageError(QStringLiteral("--summary is not kept in a profile"));
        if (line.has(Tracks))
            throw UsageError(QStringLiteral("--tracks is not kept in a profile"));
        if (line.order.formats.empty())
            throw UsageError(conflictText(OrderConflict::NoFormats));
    }
    const QStringList sourceFiles = kind == LineKind::Sync ? QStringList() : written.files + line.listedFiles;
    for (const QString& file : sourceFiles) {
        const QString fullName = QFileInfo(file).absoluteFilePath();
        line.order.sources.push_back(BatchSource{fullName, sourceKindOfFile(fullName), std::nullopt});
        line.givenNames.append(file);
    }
    if (kind == LineKind::Batch && (line.order.sources.empty() || line.order.formats.empty()))
        refuseConflicts(line.order, kind);
    refuseUntakenOptions(written, line.order.formats);
    if (line.has(Preset) && line.has(AltPreset))
        throw UsageError(QStringLiteral("--preset and --alt-preset exclude each other"));
    std::map<ConvertOptionId, CheckedValue> checked;
    for (const ConvertOptionId id : written.given)
        checked[id] = checkedValue(convertOption(id), written.values.at(id), line.order.formats);
    forgetReplacedChoices(line);
    for (const ConvertOption& option : convertOptions()) {
        if (checked.count(option.id) != 0)
            apply(line, option.id, checked.at(option.id));
    }
    refuseConflicts(line.order, kind);
    line.order.sources = withSheetTracks(line.order.sources, line.tracks);
    return line;
}
