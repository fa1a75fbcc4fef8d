#include "ConvertOptions.h"

#include "core/batch/LoudnessNormalization.h"
#include "core/components/writer/FormatRules.h"
#include "core/formats/FormatScales.h"
#include "core/sources/SourceTypes.h"

#include <algorithm>
#include <map>

namespace {

using enum ConvertOptionId;

constexpr qsizetype kHelpWidth = 118;
constexpr qsizetype kHelpIndent = 21;
constexpr int kLowestJobs = 1;

const char* const kHelpUsage =
    "usage: tonalith-cli convert --format NAME [--format NAME...] [OPTIONS] FILE...\n"
    "Converts every FILE into every format NAME, one output per file and format, named like the program names them\n"
    "(song.wav -> song_ADPCM.wav, song.mp3, ...; an output that would replace its source gets \"_NEW\").\n";

const char* const kHelpOrder =
    "Outputs are made per file in the order given, per file in the order of the list above.\n"
    "format options (refused unless one of the chosen formats takes them):\n";

const char* const kHelpCommonOptions = "options for every format (an option without a value is off unless given):\n";

const char* const kHelpRest =
    "  --                 the options end here: every argument after it is a FILE\n"
    "No two outputs of one call share a name, and no output replaces a source of the same call: a taken name\n"
    "gets \"_NEW\", then \"_NEW2\", \"_NEW3\", ... before its extension.\n"
    "Every value is checked before any FILE is opened or the output folder is made.\n"
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

QString number(double value) {
    return QString::number(value);
}

QString alternatives(const QStringList& items) {
    if (items.size() < 2)
        return items.join(QString());
    return QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")) + QStringLiteral(" or ") +
           items.last();
}

OptionRange listed(std::vector<int> values, std::optional<OutputFormat> format = std::nullopt) {
    OptionRange range;
    range.format = format;
    range.listed = std::move(values);
    return range;
}

OptionRange bounded(double lowest, double highest, std::optional<OutputFormat> format = std::nullopt) {
    OptionRange range;
    range.format = format;
    range.bounds = std::make_pair(lowest, highest);
    return range;
}

OptionRange bounded(ValueRange range, std::optional<OutputFormat> format = std::nullopt) {
    return bounded(range.lowest, range.highest, format);
}

// Every value of a short range, so that the help says "1 or 2".
[[maybe_unused]] OptionRange listed(ValueRange range) {
    std::vector<int> values;
    for (int value = range.lowest; value <= range.highest; ++value)
        values.push_back(value);
    return listed(std::move(values));
}

OptionRange wordsOf(QStringList words) {
    OptionRange range;
    range.words = std::move(words);
    return range;
}

QStringList formatNames() {
    QStringList names;
    for (const OutputFormatFacts& format : outputFormatTable())
        names.append(QLatin1String(format.name));
    return names;
}

QStringList existingPolicyNames() {
    QStringList names;
    for (const ExistingOutputPolicy policy :
         {ExistingOutputPolicy::Replace, ExistingOutputPolicy::New, ExistingOutputPolicy::Skip})
        names.append(existingOutputPolicyName(policy));
    return names;
}

// The profiles the writer knows, fewer than a stored profile number may name; known without making a component.
int wmaProfileCount() {
    return static_cast<int>(formatrules::wmaProfiles().size());
}

std::vector<ConvertOption> makeTable() {
    const PanelValues panel{};
    const PcmWavChoice pcm{};
    const BatchOrder order{};
    const auto fixed = [](QString text) { return [text = std::move(text)] { return text; }; };
    const auto integer = [](int value) { return [value] { return QString::number(value); }; };
    std::vector<int> rates(kSampleRates.begin(), kSampleRates.end());
    std::vector<int> bits(kPcmBitsChoices.begin(), kPcmBitsChoices.end());
    return {
        {Format,
         "--format",
         nullptr,
         OptionValue::Required,
         ValueType::Word,
         "NAME",
         std::nullopt,
         nullptr,
         {wordsOf(formatNames())},
         nullptr,
         "an output format, required (no default), repeated for more than one (--format mp3 --format ogg): {range}",
         "The outputs of each file are made in the order of the list above, whatever the order of the --format "
         "options; with --use-profile, the formats given here replace the profile's."},
        {Rate,
         "--rate",
         nullptr,
         OptionValue::Required,
         ValueType::Integer,
         "R",
         FormatChoice::SampleRate,
         integer(panel.sampleRate),
         {listed(rates)},
         nullptr,
         "sample rate: {range} (default {default}; mp3: default from the encoder settings)",
         nullptr},
        {Channels,
         "--channels",
         nullptr,
         OptionValue::Required,
         ValueType::Word,
         "C",
         FormatChoice::Channels,
         integer(panel.channels),
         {wordsOf({QStringLiteral("keep"), QStringLiteral("2"), QStringLiteral("1")})},
         "({range})",
         "{range} (default {default}; flac and alac: default keep); keep gives pcm, ogg, flac, alac, aac and opus the "
         "source's channels up to 7.1, the others stay stereo",
         "Kept layouts are written as each format orders them (WAV with its speaker mask); the aac, opus and ogg bit "
         "rates count per stereo pair, so a 5.1 source at 128 kbit/s gets 384. Stereo and mono mix more channels "
         "with the centre and surrounds at -3 dB and the LFE left out, lowering the level where the mix would clip."},
        {Bits,
         "--bits",
         nullptr,
         OptionValue::Required,
         ValueType::Integer,
         "B",
         FormatChoice::PcmBits,
         integer(pcm.bits),
         {listed(bits)},
         nullptr,
         "bits per sample: {range} (default {default})",
         nullptr},
        {Profile,
         "--profile",
         nullptr,
         OptionValue::Required,
         ValueType::Integer,
         "N",
         FormatChoice::WmaProfile,
         integer(panel.wmaProfile),
         {bounded(kWmaProfileRange.lowest, wmaProfileCount())},
         "(WMA profiles {range})",
         "WMA profile, 1 to the number of profiles: {range} (default {default})",
         "Profiles are ordered by quality; the last is 128 kbit/s, 44.1 kHz, stereo."},
        {CodeSize,
         "--code-size",
         nullptr,
         OptionValue::Required,
         ValueType::Integer,
         "N",
         FormatChoice::CodeSize,
         [panel] { return QStringLiteral("g723 %1, g726 %2").arg(panel.g723Bits).arg(panel.g726Bits); },
         {listed({3, 5}, OutputFormat::G723), bounded(kG726BitsRange, OutputFormat::G726)},
         nullptr,
         "bits per sample: {range} (default {default})",
         nullptr},
        {Preset,
         "--preset",
         nullptr,
         OptionValue::Required,
         ValueType::Integer,
         "N",
         FormatChoice::Mp3Preset,
         fixed("none, the encoder settings"),
         {bounded(1, 11)},
         nullptr,
         "MP3 preset {range}: Phone SW AM FM Voice Radio Tape HiFi CD Studio R3Mix (default {default})",
         nullptr},
        {AltPreset,
         "--alt-preset",
         nullptr,
         OptionValue::Required,
         ValueType::Integer,
         "N",
         FormatChoice::Mp3AltPreset,
         fixed("none"),
         {bounded(1, 5)},
         nullptr,
         "MP3 alternative preset {range}: Fast Standard, Standard, Fast Extreme, Extreme, Insane "
         "(default {default}); not together with --preset",
         nullptr},
        {Lame,
         "--lame",
         nullptr,
         OptionValue::Required,
         ValueType::Text,
         "TEXT",
         FormatChoice::LameSwitches,
         fixed("none"),
         {},
         nullptr,
         "LAME switches applied after the preset, e.g. \"-V 2 --vbr-new -q 0\" (default {default})",
         nullptr},
        {Compression,
         "--compression",
         nullptr,
         OptionValue::Required,
         ValueType::Integer,
         "N",
         FormatChoice::CompressionLevel,
         integer(panel.flacLevel),
         {bounded(kFlacLevelRange)},
         nullptr,
         "FLAC compression level {range}, 0 the fastest, 8 the smallest (default {default})",
         nullptr},
        {Bitrate,
         "--bitrate",
         nullptr,
         OptionValue::Required,
         ValueType::Integer,
         "N",
         FormatChoice::Bitrate,
         [panel] { return QStringLiteral("aac %1, opus %2").arg(panel.aacKbps).arg(panel.opusKbps); },
         {bounded(kAacKbpsRange, OutputFormat::Aac), bounded(kOpusKbpsRange, OutputFormat::Opus)},
         nullptr,
         "kbit/s, opus variable: {range} (default {default})",
         nullptr},
        {Speech,
         "--speech",
         nullptr,
         OptionValue::None,
         ValueType::Switch,
         "",
         FormatChoice::SpeechOrMusic,
         nullptr,
         {},
         nullptr,
         "tune Opus for speech rather than music",
         nullptr},
        {Volume,
         "--volume",
         nullptr,
         OptionValue::Required,
         ValueType::Integer,
         "PCT",
         std::nullopt,
         fixed("100, unchanged"),
         {bounded(BatchOrder::VolumePercentRange)},
         nullptr,
         "change the volume to PCT percent, {range} (default {default})",
         nullptr},
        {Normalize,
         "--normalize",
         nullptr,
         OptionValue::Optional,
         ValueType::Number,
         "LUFS",
         std::nullopt,
         [] { return number(kDefaultLoudnessTarget); },
         {bounded(BatchOrder::QuietestLoudnessTarget, BatchOrder::LoudestLoudnessTarget)},
         "(LUFS from {range})",
         "even out loudness (EBU R128): measure each source, then scale it to LUFS, {range} (default {default}), "
         "never above -1 dBTP true peak; not together with --volume",
         nullptr},
        {ReplayGain,
         "--replaygain",
         nullptr,
         OptionValue::None,
         ValueType::Switch,
         "",
         std::nullopt,
         nullptr,
         {},
         nullptr,
         "measure each source (EBU R128) and tag its outputs with ReplayGain 2.0 track and album gains and peaks "
         "(Opus: R128 gains), leaving the samples as they are; an album is the sources of the batch sharing album "
         "artist and album; not together with --volume or --normalize",
         "Track gains refer to -18 LUFS; Opus gains (R128_TRACK_GAIN, R128_ALBUM_GAIN) to -23 LUFS. Album values "
         "are written into the finished outputs once an album's last output is done."},
        {Out,
         "--out",
         nullptr,
         OptionValue::Required,
         ValueType::Text,
         "DIR",
         std::nullopt,
         fixed("beside each source"),
         {},
         nullptr,
         "output folder, made when missing (default: {default})",
         "A leading ~ stands for the home folder, also in --out=~/DIR."},
        {KeepTree,
         "--keep-tree",
         nullptr,
         OptionValue::Required,
         ValueType::Text,
         "ROOT",
         std::nullopt,
         fixed("every output directly in DIR"),
         {},
         nullptr,
         "with --out: outputs mirror the folders of the sources below ROOT (default: {default})",
         nullptr},
        {Name,
         "--name",
         nullptr,
         OptionValue::Required,
         ValueType::Text,
         "TEMPLATE",
         std::nullopt,
         fixed("{name}, the source's own base name"),
         {},
         nullptr,
         "output base name from fields of the source: {name} {title} {artist} {album} {track} {year} {genre} "
         "{format} {albumartist} {disc} {tracktotal} {composer} {stream} {lang}, e.g. \"{artist} - {title}\"; the "
         "format's suffix follows (default {default}). Field values lose / \\ : * ? \" < > | (each becomes _), "
         "control characters and leading or trailing dots and blanks; an empty result falls back to {name}",
         "{stream} is the number of the sound track converted (1 for a file of one), {lang} its language as the file "
         "states it (empty when it states none)."},
        {Stream,
         "--stream",
         nullptr,
         OptionValue::Required,
         ValueType::Text,
         "RULE",
         std::nullopt,
         fixed("default"),
         {},
         nullptr,
         "which sound track of a file with several (a film with its dubs) is converted: default, the track the file "
         "flags as its default, else its first (default: {default}); lang:deu,eng the first track in the first of "
         "these languages the file has, else its default; N the N-th track, counted from 1; all one output per "
         "track, named NAME-N-LANG unless --name uses {stream} and {lang}. A file of one sound track is converted as "
         "it is",
         "A number beyond the sound tracks of a file that has several stops the call with status 2 before anything "
         "is written. Evening out loudness (--normalize, --replaygain) measures the default track; an output of "
         "another track then fails. tonalith-cli info lists the sound tracks of a file."},
        {Exists,
         "--exists",
         nullptr,
         OptionValue::Required,
         ValueType::Word,
         "POLICY",
         std::nullopt,
         [order] { return existingOutputPolicyName(order.existing); },
         {wordsOf(existingPolicyNames())},
         "({range})",
         "an output file that exists already: {range} (default {default}); replace replaces it, new takes a free "
         "\"_NEW\" name, skip keeps the file and makes nothing when it decodes to its end and its length matches the "
         "source's (otherwise it is made again). Skip also sees damage that keeps the length where the format carries "
         "checksums (FLAC, Ogg Vorbis, Opus, MP3 with a LAME header) or its decoder refuses the frames (AAC, ALAC); "
         "flipped sample bytes in plain WAV, raw, ADPCM, GSM, VOX, G.72x, MP2 or WMA decode as sound and go unseen",
         "A stopped batch is finished by running it again with --exists skip."},
        {Verify,
         "--verify",
         nullptr,
         OptionValue::None,
         ValueType::Switch,
         "",
         std::nullopt,
         nullptr,
         {},
         nullptr,
         "read every output back in full before it takes its name; one that does not decode, fails a checksum it "
         "carries or whose length is off by more than a codec frame fails and is dropped",
         "An earlier file of its name then stays."},
        {Jobs,
         "--jobs",
         "-j",
         OptionValue::Required,
         ValueType::Integer,
         "N",
         std::nullopt,
         fixed("the number of processor cores"),
         {bounded(kLowestJobs, BatchOrder::MaxJobs)},
         nullptr,
         "convert up to N outputs at once, {range} (default: {default})",
         nullptr},
        {Summary,
         "--summary",
         nullptr,
         OptionValue::Required,
         ValueType::Word,
         "KIND",
         std::nullopt,
         fixed("none"),
         {wordsOf({QStringLiteral("text"), QStringLiteral("json")})},
         "({range})",
         "print a summary of every output at the end: {range} (default {default})",
         "text gives one line per output, json one JSON object. Not kept in a profile."},
        {NoTags,
         "--no-tags",
         nullptr,
         OptionValue::None,
         ValueType::Switch,
         "",
         std::nullopt,
         nullptr,
         {},
         nullptr,
         "do not copy the tags of audio sources",
         "Copied tags carry album artist, disc and track numbers with their totals, composer, the full date, lyrics "
         "and ISRC in each format's own fields; a source's ReplayGain and R128 gains are copied only when the "
         "samples stay unchanged (no --volume, --normalize or --replaygain)."},
        {Tracks,
         "--tracks",
         nullptr,
         OptionValue::Required,
         ValueType::Text,
         "LIST",
         std::nullopt,
         fixed("every track"),
         {},
         nullptr,
         "convert only these tracks of the cue sheet FILEs: numbers and ranges such as 2,5-7 (default: {default})",
         "A cue sheet FILE (.cue) is converted as one output per track, named \"03 Title\" unless --name says "
         "otherwise, tagged from the sheet and cut from its image to the sample; a number no sheet of the line has "
         "is refused with status 2. Not kept in a profile."},
        {HiddenTrack,
         "--hidden-track",
         nullptr,
         OptionValue::None,
         ValueType::Switch,
         "",
         std::nullopt,
         nullptr,
         {},
         nullptr,
         "also convert the sound a cue sheet's image holds before its first track, as track 00",
         "With --tracks, the list must name 0 as well."},
        {UseProfile,
         "--use-profile",
         nullptr,
         OptionValue::Required,
         ValueType::Text,
         "NAME",
         std::nullopt,
         fixed("none"),
         {},
         nullptr,
         "start from the saved profile NAME (tonalith-cli profiles --help; default {default}): the options given "
         "here win over the profile's, and --format here replaces its formats",
         "One of --volume, --normalize and --replaygain given here replaces the profile's choice among the three, "
         "and so does one of --preset and --alt-preset. A profile that cannot be read is refused with status 2."},
        {Lossy,
         "--lossy",
         nullptr,
         OptionValue::Required,
         ValueType::Word,
         "MODE",
         std::nullopt,
         fixed("copy"),
         {wordsOf({QStringLiteral("copy"), QStringLiteral("convert")})},
         "({range})",
         "sync only: {range} (default {default}): sources already in a lossy format (MP3, Ogg, Opus, AAC, WMA, ...) "
         "are copied byte for byte keeping their extension, or converted like lossless ones",
         nullptr},
        {Side,
         "--side",
         nullptr,
         OptionValue::Required,
         ValueType::Text,
         "GLOB",
         std::nullopt,
         fixed("cover.jpg folder.jpg *.png *.lrc *.cue *.pdf"),
         {},
         nullptr,
         "sync only, may be repeated: other files whose name matches GLOB (letter case aside) are copied beside the "
         "outputs; --side none copies none (default: {default})",
         nullptr},
        {Names,
         "--names",
         nullptr,
         OptionValue::Required,
         ValueType::Word,
         "RULES",
         std::nullopt,
         fixed("posix"),
         {wordsOf({QStringLiteral("posix"), QStringLiteral("fat"), QStringLiteral("ascii")})},
         "({range})",
         "sync only: names of the mirrored files and folders: {range} (default {default}); fat suits FAT32, exFAT "
         "and phone cards (\\ : * ? \" < > | become _, no trailing dot or blank, DOS device names get a leading _, "
         "at most 255 UTF-16 units, cut before the extension); ascii also spells every letter in ASCII (ICU "
         "transliteration)",
         "Two sources whose names become one (also in letter case under fat and ascii) get \"_NEW\" in the later "
         "one's name, in the order of their paths, so shards name alike."},
        {Prune,
         "--prune",
         nullptr,
         OptionValue::None,
         ValueType::Switch,
         "",
         std::nullopt,
         nullptr,
         {},
         nullptr,
         "sync only: remove the outputs and side files whose source is gone; only in a destination that holds the "
         "sync's manifest, and only files it lists",
         "The manifest is the hidden file .tonalith-sync in the destination: one line per output with its source "
         "path, size, modification time, a hash of its tags and the options that made it. A source whose size or "
         "time or the options changed is made again; an unchanged one is not opened."},
        {KeepTime,
         "--keep-time",
         nullptr,
         OptionValue::None,
         ValueType::Switch,
         "",
         std::nullopt,
         nullptr,
         {},
         nullptr,
         "every output takes its source's modification time",
         nullptr},
        {FilesFrom,
         "--files-from",
         nullptr,
         OptionValue::Required,
         ValueType::Text,
         "LIST",
         std::nullopt,
         fixed("none"),
         {},
         nullptr,
         "also take the sources named in the file LIST, one a line (- reads standard input; default {default}); with "
         "sync, only these sources (paths in SOURCE_FOLDER) are looked at",
         "Empty lines are skipped; a line is a name as it is, blanks and all."},
        {NullSeparated,
         "--null",
         nullptr,
         OptionValue::None,
         ValueType::Switch,
         "",
         std::nullopt,
         nullptr,
         {},
         nullptr,
         "the names in --files-from end in NUL characters instead of line ends (find -print0)",
         nullptr},
        {ShardOf,
         "--shard",
         nullptr,
         OptionValue::Required,
         ValueType::Text,
         "K/N",
         std::nullopt,
         fixed("1/1, every source"),
         {},
         nullptr,
         "make only the outputs of the sources whose path (below --keep-tree ROOT or SOURCE_FOLDER, else as given) "
         "falls to shard K of N by a stable hash, 1 <= K <= N; N processes with K = 1..N make what one makes "
         "(default {default})",
         "GNU parallel (also with --sshlogin) or a Slurm job array (K = $SLURM_ARRAY_TASK_ID) run the shards on "
         "machines that share the folders; tonalith-cli summary merge joins their --summary json files."},
    };
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

QString rangesText(const std::vector<OptionRange>& ranges) {
    QStringList texts;
    for (const OptionRange& range : ranges)
        texts.append(range.text());
    return texts.join(QStringLiteral(", "));
}

QString helpBody(const ConvertOption& option) {
    return option.filledIn(QLatin1String(option.help));
}

QString label(const ConvertOption& option) {
    const QString value = QLatin1String(option.valueName);
    QString text;
    if (option.shortName)
        text = QLatin1String(option.shortName) + QLatin1Char(' ') + value + QStringLiteral(", ");
    text += QLatin1String(option.name);
    if (option.takes == OptionValue::Required)
        text += QLatin1Char(' ') + value;
    else if (option.takes == OptionValue::Optional)
        text += QStringLiteral("[=") + value + QLatin1Char(']');
    return text;
}

// Breaks text into lines of at most `width` characters at blanks; a word longer than a line keeps its own line.
QStringList wrapped(const QString& text, qsizetype width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines.append(line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QString helpEntry(const ConvertOption& option) {
    const qsizetype width = kHelpWidth - kHelpIndent;
    QStringList lines = wrapped(helpBody(option), width);
    // The formats that take the option close its entry, set apart so that a script finds them at a line's end.
    if (option.choice) {
        const QString formats = QStringLiteral("   [%1]").arg(formatsMaking(*option.choice));
        if (lines.last().size() + formats.size() <= width)
            lines.last() += formats;
        else
            lines.append(formats.trimmed());
    }
    const QString indent(kHelpIndent, QLatin1Char(' '));
    QString head = QStringLiteral("  ") + label(option).leftJustified(kHelpIndent - 3) + QLatin1Char(' ');
    if (head.size() > kHelpIndent)
        head += QLatin1Char('\n') + indent;
    return head + lines.join(QLatin1Char('\n') + indent) + QLatin1Char('\n');
}

QString roffEscaped(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\e"));
    text.replace(QLatin1Char('-'), QLatin1String("\\-"));
    return text;
}

QString manualHead(const ConvertOption& option) {
    const QString name = roffEscaped(QLatin1String(option.name));
    const QString value = QLatin1String(option.valueName);
    if (option.shortName)
        return QStringLiteral(".BI \"%1 \" %2 \"\\fR, \\fP%3 \" %2")
            .arg(roffEscaped(QLatin1String(option.shortName)), value, name);
    switch (option.takes) {
    case OptionValue::None:
        return QStringLiteral(".B %1").arg(name);
    case OptionValue::Optional:
        return QStringLiteral(".BR %1 [\\fB=\\fP\\fI%2\\fP]").arg(name, value);
    case OptionValue::Required:
        break;
    }
    return QStringLiteral(".BI %1 \" %2\"").arg(name, value);
}

QString manualEntry(const ConvertOption& option) {
    QString body = helpBody(option);
    if (option.choice)
        body += QStringLiteral(" [%1]").arg(formatsMaking(*option.choice));
    body += QLatin1Char('.');
    if (option.manualMore)
        body += QLatin1Char(' ') + option.filledIn(QLatin1String(option.manualMore));
    QStringList lines = wrapped(roffEscaped(body), kHelpWidth);
    // A line of text must not start like a request.
    for (QString& line : lines) {
        if (line.startsWith(QLatin1Char('.')) || line.startsWith(QLatin1Char('\'')))
            line.prepend(QLatin1String("\\&"));
    }
    return QStringLiteral(".TP\n") + manualHead(option) + QLatin1Char('\n') + lines.join(QLatin1Char('\n')) +
           QLatin1Char('\n');
}

} // namespace

bool OptionRange::accepts(double value) const {
    if (!listed.empty())
        return std::find(listed.begin(), listed.end(), value) != listed.end();
    return bounds && value >= bounds->first && value <= bounds->second;
}

QString OptionRange::text() const {
    QString text = format ? outputFormatName(*format) + QLatin1Char(' ') : QString();
    if (!words.isEmpty())
        return text + alternatives(words);
    if (bounds)
        return text + QStringLiteral("%1 to %2").arg(number(bounds->first), number(bounds->second));
    QStringList values;
    for (const int value : listed)
        values.append(QString::number(value));
    // A long list reads best as a row of values.
    return text + (values.size() > 3 ? values.join(QLatin1Char(' ')) : alternatives(values));
}

const std::vector<ConvertOption>& convertOptions() {
    static const std::vector<ConvertOption> table = makeTable();
    return table;
}

QString ConvertOption::filledIn(const QString& text) const {
    QString filled = text;
    filled.replace(QLatin1String("{range}"), rangesText(ranges));
    if (defaultText)
        filled.replace(QLatin1String("{default}"), defaultText());
    return filled;
}

bool ConvertOption::takenBy(OutputFormat format) const {
    return choice && factsOf(format).choices.contains(*choice);
}

const ConvertOption& convertOption(ConvertOptionId id) {
    const auto& table = convertOptions();
    return *std::find_if(table.begin(), table.end(), [id](const ConvertOption& option) { return option.id == id; });
}

QString convertHelpText() {
    QString help = QLatin1String(kHelpUsage);
    help += QStringLiteral("NAME: %1\n").arg(formatNames().join(QLatin1Char(' ')));
    help += QLatin1String(kHelpOrder);
    for (const ConvertOption& option : convertOptions()) {
        if (option.choice)
            help += helpEntry(option);
    }
    help += QLatin1String(kHelpCommonOptions);
    for (const ConvertOption& option : convertOptions()) {
        if (!option.choice)
            help += helpEntry(option);
    }
    return help + QLatin1String(kHelpRest) + SourceTypes::videoExtensionsText() + QLatin1String(kHelpAfterVideo);
}

QString syncHelpText() {
    QString help = QStringLiteral(
        "usage: tonalith-cli sync --format NAME [OPTIONS] SOURCE_FOLDER DESTINATION_FOLDER\n"
        "Mirrors SOURCE_FOLDER below DESTINATION_FOLDER: every audio file converted into the format NAME (lossy ones\n"
        "copied as they are unless --lossy convert), side files (covers, lyrics, cue sheets) copied beside them, the\n"
        "folders and names as in the source, fitted to --names. The hidden manifest .tonalith-sync in the destination\n"
        "remembers what was made from what: a second sync opens no unchanged source and makes only what is new or\n"
        "changed (size, time, options), and --prune removes what the manifest lists whose source is gone.\n");
    help += QStringLiteral("NAME: %1\n").arg(formatNames().join(QLatin1Char(' ')));
    help += QLatin1String("format options (refused unless the format takes them):\n");
    for (const ConvertOption& option : convertOptions()) {
        if (option.choice)
            help += helpEntry(option);
    }
    help += QLatin1String("options of every format:\n");
    for (const ConvertOption& option : convertOptions()) {
        if (!option.choice && option.id != Out && option.id != KeepTree && option.id != Exists)
            help += helpEntry(option);
    }
    return help + QStringLiteral(
                      "output lines: progress=, output=, error= as convert prints them for the converted files;\n"
                      "  copied=PATH        a lossy source or side file was copied to PATH\n"
                      "  pruned=PATH        --prune removed PATH, or PATH stood for a source now made under\n"
                      "                     another name\n"
                      "--summary counts converted, copied, unchanged, pruned and failed files.\n"
                      "exit status: 0 all done, 1 any file failed or the manifest could not be written, 2 bad usage,\n"
                      "130 stopped by SIGINT or SIGHUP, 143 stopped by SIGTERM\n");
}

QString convertManualOptions() {
    QString text;
    for (const ConvertOption& option : convertOptions()) {
        if (option.choice)
            text += manualEntry(option);
    }
    for (const ConvertOption& option : convertOptions()) {
        if (!option.choice)
            text += manualEntry(option);
    }
    return text;
}
