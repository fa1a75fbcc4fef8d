#include "cli/ConvertArguments.h"
#include "cli/OrderOptions.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

// The option table of tonalith-cli convert as the user meets it: in --help and the manual page, in the values it
// refuses before anything is opened, and in the way a profile and the command line make one order.
namespace {

using testsupport::runTool;

testsupport::ToolResult cli(const QStringList& arguments) {
    return runTool(testsupport::cliPath(), arguments, 20000);
}

// The help's entry of one option: its first line up to the next option's.
QString helpEntryOf(const QString& help, const ConvertOption& option) {
    const QRegularExpression start(
        QStringLiteral("\n  (-j N, )?%1[ \\[]").arg(QRegularExpression::escape(option.name)));
    const QRegularExpressionMatch match = start.match(help);
    if (!match.hasMatch())
        return {};
    const qsizetype end = help.indexOf(QRegularExpression(QStringLiteral("\n  [-a-z]")), match.capturedEnd());
    return help.mid(match.capturedStart(), end - match.capturedStart()).simplified();
}

ConvertArguments parsed(const QStringList& arguments, const ProfileOrderLoader& loader = {}) {
    return parseConvertArguments(arguments, LineKind::Batch, loader);
}

TEST(ConvertOptions, HelpGivesEveryOptionWithItsDefaultAndRangeAsTheProgramPrintsIt) {
    const auto printed = cli({"convert", "--help"});
    ASSERT_EQ(printed.exitCode, 0);
    const QString help = convertHelpText();
    EXPECT_EQ(QString::fromUtf8(printed.out), help);
    for (const ConvertOption& option : convertOptions()) {
        SCOPED_TRACE(option.name);
        const QString entry = helpEntryOf(help, option);
        ASSERT_FALSE(entry.isEmpty());
        if (option.defaultText) {
            EXPECT_TRUE(entry.contains(QStringLiteral("default ") + option.defaultText()) ||
                        entry.contains(QStringLiteral("default: ") + option.defaultText()))
                << entry.toStdString();
        }
        for (const OptionRange& range : option.ranges)
            EXPECT_TRUE(entry.contains(range.text())) << entry.toStdString();
        // Every value but the formats, which have none, has a default.
        if (option.takes != OptionValue::None && option.id != ConvertOptionId::Format) {
            EXPECT_TRUE(option.defaultText != nullptr);
        }
    }
    // The defaults are the panel's start-up values, not numbers typed again.
    EXPECT_TRUE(help.contains(QStringLiteral("(default %1;").arg(PanelValues{}.sampleRate)));
    EXPECT_TRUE(help.contains(
        QStringLiteral("(default aac %1, opus %2)").arg(PanelValues{}.aacKbps).arg(PanelValues{}.opusKbps)));
    EXPECT_TRUE(help.contains(QStringLiteral("(default %1)").arg(PcmWavChoice{}.bits)));
}

TEST(ConvertOptions, TheManualPageListsTheOptionsOfTheTable) {
    QFile page(QStringLiteral(TONALITH_MANUAL_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    const qsizetype begin =
        text.indexOf(QLatin1String("\n"), text.indexOf(QLatin1String(".\\\" convert options: begin")));
    const qsizetype end = text.indexOf(QLatin1String(".\\\" convert options: end"));
    ASSERT_GT(begin, 0);
    ASSERT_GT(end, begin);
    const QString listed = text.mid(begin + 1, end - begin - 1);
    EXPECT_EQ(listed, convertManualOptions()) << "run scripts/manual-options to rewrite the page's option list";
    const auto printed = cli({"convert", "--help-man"});
    EXPECT_EQ(QString::fromUtf8(printed.out), convertManualOptions());
    for (const ConvertOption& option : convertOptions())
        EXPECT_TRUE(listed.contains(QString::fromLatin1(option.name).replace('-', QLatin1String("\\-"))))
            << option.name;
}

// A FIFO with no writer blocks whoever opens it, and an unreadable file cannot be opened: a refused value must end
// the run with status 2 before either is touched, and without making the output folder.
TEST(ConvertOptions, ValuesOutOfRangeAreRefusedBeforeAnySourceIsOpened) {
    QTemporaryDir folder;
    const QString fifo = folder.filePath("pipe.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString locked = folder.filePath("locked.wav");
    QFile lockedFile(locked);
    ASSERT_TRUE(lockedFile.open(QIODevice::WriteOnly));
    lockedFile.close();
    ASSERT_TRUE(lockedFile.setPermissions(QFileDevice::Permissions()));
    const QString wmaProfiles = QString::number(convertOption(ConvertOptionId::Profile).ranges.front().bounds->second);
    const QStringList refusals[] = {
        {"--format", "aac", "--bitrate", "999"},
        {"--format", "opus", "--bitrate", "31"},
        {"--format", "wma", "--profile", QString::number(wmaProfiles.toInt() + 1)},
        {"--format", "pcm", "--volume", "201"},
        {"--format", "pcm", "--normalize=-4"},
        {"--format", "pcm", "-j", "65"},
        {"--format", "pcm", "--summary", "xml"},
        {"--format", "pcm", "--exists", "ask"},
        {"--format", "pcm", "--use-profile", "no such profile"},
        {"--format", "pcm", "--volume", "50", "--normalize"},
    };
    for (const QStringList& options : refusals) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const auto result =
            cli(QStringList{"convert"} + options + QStringList{"--out", folder.filePath("o"), fifo, locked});
        EXPECT_EQ(result.exitCode, 2) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
        EXPECT_TRUE(result.err.startsWith("tonalith-cli convert: ")) << result.err.toStdString();
    }
    EXPECT_FALSE(QDir(folder.filePath("o")).exists());
    const auto profile = cli({"convert", "--format", "wma", "--profile", "0", fifo});
    EXPECT_TRUE(QString::fromUtf8(profile.err)
                    .contains(QStringLiteral("--profile cannot be \"0\" (WMA profiles 1 to %1)").arg(wmaProfiles)))
        << profile.err.toStdString();
}

TEST(ConvertOptions, TheLineWinsOverTheProfileItStartsFrom) {
    BatchOrder profile = commandLineStartOrder();
    profile.formats = {OutputFormat::Mp3, OutputFormat::Flac};
    profile.volumePercent = 50;
    profile.formatSettings.panel.sampleRate = 22050;
    profile.formatSettings.panel.flacLevel = 8;
    profile.formatSettings.mp3.preset = 3;
    profile.copyTags = false;
    profile.folderText = QStringLiteral("/profile/folder");
    const ProfileOrderLoader loader = [&profile](const QString& name) {
        if (name != QLatin1String("Phone"))
            throw UsageError(QStringLiteral("no profile %1").arg(name));
        return profile;
    };

    const ConvertArguments kept = parsed({"--use-profile", "Phone", "a.wav"}, loader);
    EXPECT_EQ(kept.profileName, QStringLiteral("Phone"));
    EXPECT_EQ(kept.order.formats, profile.formats);
    EXPECT_EQ(kept.order.formatSettings, profile.formatSettings);
    EXPECT_EQ(kept.order.volumePercent, 50);
    EXPECT_FALSE(kept.order.copyTags);
    ASSERT_EQ(kept.order.sources.size(), 1U);

    const ConvertArguments changed = parsed(
        {"--use-profile=Phone", "--format", "flac", "--compression", "2", "--normalize", "--out", "/line", "a.wav"},
        loader);
    EXPECT_EQ(changed.order.formats, std::set<OutputFormat>{OutputFormat::Flac});
    EXPECT_EQ(changed.order.formatSettings.panel.flacLevel, 2);
    EXPECT_EQ(changed.order.formatSettings.panel.sampleRate, 22050);
    // --normalize on the line replaces the profile's volume change instead of clashing with it.
    EXPECT_FALSE(changed.order.volumePercent);
    EXPECT_EQ(changed.order.loudnessTarget, -23.0);
    EXPECT_EQ(changed.order.folderText, QStringLiteral("/line"));

    const ConvertArguments alternative = parsed({"--use-profile", "Phone", "--alt-preset", "2", "a.wav"}, loader);
    EXPECT_FALSE(alternative.order.formatSettings.mp3.preset);
    EXPECT_EQ(alternative.order.formatSettings.mp3.altPreset, 2);

    // An option the profile's formats do not take is refused as for formats on the line.
    EXPECT_THROW((void)parsed({"--use-profile", "Phone", "--bitrate", "128", "a.wav"}, loader), UsageError);
    EXPECT_THROW((void)parsed({"--use-profile", "Other", "a.wav"}, loader), UsageError);
}

// What `profiles show` prints makes the same order again, for orders made on the command line.
TEST(ConvertOptions, TheOptionsShownForAnOrderMakeItAgain) {
    const QStringList lines[] = {
        {"--format", "pcm"},
        {"--format", "pcm", "--format", "ogg", "--rate", "22050", "--channels", "1", "--bits", "24"},
        {"--format", "mp3", "--preset", "9", "--lame", "-V 2 --vbr-new", "--volume", "80", "-j", "3"},
        {"--format", "g726", "--code-size", "2", "--normalize=-16", "--out", "/out dir", "--keep-tree", "/music"},
        {"--format", "opus", "--bitrate", "64", "--speech", "--replaygain", "--verify", "--no-tags", "--exists", "skip",
         "--name", "{artist} - {title}"},
        {"--format", "wma", "--format", "flac", "--format", "aac", "--profile", "3", "--compression", "0", "--bitrate",
         "320"},
        {"--format", "pcm", "--format", "flac", "--format", "opus", "--format", "mp3", "--channels", "keep"},
        {"--format", "alac", "--format", "aac", "--channels", "2"},
    };
    for (const QStringList& line : lines) {
        SCOPED_TRACE(line.join(' ').toStdString());
        const BatchOrder order = parseConvertArguments(line, LineKind::Profile, {}).order;
        QStringList withoutOption;
        const QStringList shown = optionsMaking(order, withoutOption);
        EXPECT_TRUE(withoutOption.isEmpty()) << withoutOption.join(';').toStdString();
        const BatchOrder again = parseConvertArguments(shown, LineKind::Profile, {}).order;
        EXPECT_EQ(again.formats, order.formats);
        EXPECT_EQ(again.formatSettings, order.formatSettings);
        EXPECT_EQ(again.volumePercent, order.volumePercent);
        EXPECT_EQ(again.loudnessTarget, order.loudnessTarget);
        EXPECT_EQ(again.replayGain, order.replayGain);
        EXPECT_EQ(again.folderText, order.folderText);
        EXPECT_EQ(again.treeRoot, order.treeRoot);
        EXPECT_EQ(again.baseNames, order.baseNames);
        EXPECT_EQ(again.existing, order.existing);
        EXPECT_EQ(again.copyTags, order.copyTags);
        EXPECT_EQ(again.verifyOutputs, order.verifyOutputs);
        EXPECT_EQ(again.jobs, order.jobs);
    }
    // A setting of the window's dialogs has no option; it is named instead of being lost in silence.
    BatchOrder fromWindow = parseConvertArguments({"--format", "ogg"}, LineKind::Profile, {}).order;
    fromWindow.formatSettings.oggVorbis.quality = 700;
    QStringList withoutOption;
    EXPECT_EQ(optionsMaking(fromWindow, withoutOption), QStringList{"--format=ogg"});
    EXPECT_EQ(withoutOption, QStringList{"the Ogg Vorbis dialog's settings"});
}

} // namespace

// --channels keep gives the formats that can carry surround sound their source's channels and leaves the others
// at stereo; a number makes every format that many, FLAC and ALAC included.
TEST(ConvertOptions, ChannelsKeepReachesTheSurroundFormatsOnly) {
    const BatchOrder kept =
        parseConvertArguments({"--format", "ogg", "--format", "mp3", "--format", "aac", "--channels", "keep", "a.wav"},
                              LineKind::Batch, {})
            .order;
    const FormatSettings& settings = kept.formatSettings;
    EXPECT_TRUE(settings.oggVorbis.keepChannels);
    EXPECT_TRUE(settings.pcmWav.keepChannels);
    EXPECT_EQ(settings.panel.aacChannelChoice(), ChannelChoice::Keep);
    EXPECT_EQ(settings.panel.channels, 2);
    EXPECT_FALSE(settings.mp3.panelChannels);

    const BatchOrder mono =
        parseConvertArguments({"--format", "flac", "--format", "opus", "--channels", "1", "a.wav"}, LineKind::Batch, {})
            .order;
    EXPECT_EQ(mono.formatSettings.panel.flacChannels, ChannelChoice::Mono);
    EXPECT_EQ(mono.formatSettings.panel.opusChannelChoice(), ChannelChoice::Mono);
    EXPECT_EQ(parseConvertArguments({"--format", "flac", "a.wav"}, LineKind::Batch, {})
                  .order.formatSettings.panel.flacChannels,
              ChannelChoice::Keep);
    EXPECT_THROW((void)parseConvertArguments({"--format", "flac", "--channels", "6", "a.wav"}, LineKind::Batch, {}),
                 UsageError);
    EXPECT_THROW((void)parseConvertArguments({"--format", "wma", "--channels", "keep", "a.wav"}, LineKind::Batch, {}),
                 UsageError);
}
