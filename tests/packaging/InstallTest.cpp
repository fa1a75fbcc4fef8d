// The installed program: cmake --install into a staging folder, the layout the desktop expects, the checkers of the
// desktop entry and AppStream file, the manual page, and the installed program started from the staging folder.
#include "DriveProgram.h"
#include "core/formats/OutputFormat.h"
#include "core/sources/SourceTypes.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMimeDatabase>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSize>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

using testsupport::runTool;

const QString AppId = QStringLiteral("example.tonalith.Tonalith");

// Runs a program with extra environment variables and collects what it printed.
testsupport::ToolResult runWithEnvironment(const QString& program, const QStringList& arguments,
                                           const QProcessEnvironment& extra) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(extra);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    testsupport::ToolResult result;
    if (process.waitForStarted() && process.waitForFinished(120000)) {
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
    }
    return result;
}

class InstalledCopy : public testing::Test {
protected:
    // One staging install for every case of the suite.
    static void SetUpTestSuite() { staging_ = std::make_unique<journeys::StagedInstall>(); }
    static void TearDownTestSuite() { staging_.reset(); }

    void SetUp() override { ASSERT_TRUE(staging_->installed()) << staging_->log().toStdString(); }

    static QString installed(const QString& relative) { return staging_->path(relative); }

    static QStringList installedFiles() {
        QStringList files;
        QDirIterator it(staging_->root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(QDir(staging_->root()).relativeFilePath(it.next()));
        files.sort();
        return files;
    }

    static QString readText(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static inline std::unique_ptr<journeys::StagedInstall> staging_;
};

// Width and height from a PNG's header chunk.
QSize pngSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(24);
    if (head.size() < 24 || !head.startsWith("\x89PNG\r\n\x1a\n"))
        return {};
    const auto bigEndian = [&head](int at) {
        return (static_cast<unsigned char>(head[at]) << 24) | (static_cast<unsigned char>(head[at + 1]) << 16) |
               (static_cast<unsigned char>(head[at + 2]) << 8) | static_cast<unsigned char>(head[at + 3]);
    };
    return {bigEndian(16), bigEndian(20)};
}

TEST_F(InstalledCopy, EveryFileLiesWhereTheDesktopAndTheProgramLookForIt) {
    QStringList expected{
        "usr/bin/tonalith",
        "usr/bin/tonalith-cli",
        "usr/share/applications/" + AppId + ".desktop",
        "usr/share/icons/hicolor/scalable/apps/" + AppId + ".svg",
        "usr/share/man/man1/tonalith-cli.1.gz",
        "usr/share/metainfo/" + AppId + ".metainfo.xml",
        "usr/share/tonalith/Tonalith.html",
        "usr/share/tonalith/drag.bmp",
    };
    // The windows' catalogues, where the program looks for them (the test language is not shipped).
    for (const char* language : {"de", "es", "fr", "ru", "zh_CN"})
        expected.append(QStringLiteral("usr/share/tonalith/translations/tonalith_%1.qm").arg(QLatin1String(language)));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString icon = QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId);
        expected.append(icon);
        EXPECT_EQ(pngSize(QDir(staging_->root()).filePath(icon)), QSize(size, size)) << icon.toStdString();
    }
    expected.sort();
    EXPECT_EQ(installedFiles(), expected);

    for (const QString& program : {QStringLiteral("bin/tonalith"), QStringLiteral("bin/tonalith-cli")})
        EXPECT_TRUE(QFileInfo(installed(program)).isExecutable()) << program.toStdString();

    // The installed command-line tool runs from its installed place and reads a file.
    QTemporaryDir work;
    const QString tone = work.filePath(QStringLiteral("tone.wav"));
    ASSERT_EQ(
        runTool(QStringLiteral("sox"), {"-n", "-r", "8000", "-c", "1", tone, "synth", "0.25", "sine", "440"}).exitCode,
        0);
    const auto info = runTool(installed(QStringLiteral("bin/tonalith-cli")), {QStringLiteral("info"), tone});
    EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("rate=8000\nchannels=1\nlength=2000\n")) << info.out.toStdString();
}

TEST_F(InstalledCopy, DesktopEntryAndMetainfoPassTheirCheckersAndAgree) {
    const QString entry = installed("share/applications/" + AppId + ".desktop");
    const auto desktop = runTool(QStringLiteral("desktop-file-validate"), {entry});
    EXPECT_EQ(desktop.exitCode, 0) << desktop.out.toStdString() << desktop.err.toStdString();
    EXPECT_TRUE(desktop.out.isEmpty()) << desktop.out.toStdString();

    const auto metainfo = runTool(QStringLiteral("appstreamcli"),
                                  {"validate", "--no-net", installed("share/metainfo/" + AppId + ".metainfo.xml")});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.out.toStdString() << metainfo.err.toStdString();

    const QString text = readText(entry);
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=tonalith %F\n")));
    // Menus and software centres show the entry in the languages the windows are translated into.
    const QString metainfoText = readText(installed("share/metainfo/" + AppId + ".metainfo.xml"));
    for (const char* language : {"de", "fr", "es", "ru", "zh_CN"}) {
        const QString code = QLatin1String(language);
        for (const QString& key : {QStringLiteral("Name"), QStringLiteral("GenericName"), QStringLiteral("Comment")})
            EXPECT_TRUE(text.contains(QStringLiteral("\n%1[%2]=").arg(key, code))) << key.toStdString() << language;
        const QString tag = QString(code).replace(QLatin1Char('_'), QLatin1Char('-'));
        for (const char* element : {"name", "summary", "p", "li"})
            EXPECT_TRUE(metainfoText.contains(QStringLiteral("<%1 xml:lang=\"%2\">").arg(QLatin1String(element), tag)))
                << element << " " << language;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("\nIcon=") + AppId + QLatin1Char('\n')));
    EXPECT_TRUE(readText(installed("share/metainfo/" + AppId + ".metainfo.xml"))
                    .contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(AppId)));

    // "Open with Tonalith" is offered for every source type, as far as the system's MIME database knows an audio or
    // video type for it.
    const QRegularExpression mimeLine(QStringLiteral("\nMimeType=([^\n]*)\n"));
    const QStringList offered = mimeLine.match(text).captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QMimeDatabase mimes;
    const QStringList patterns = SourceTypes::allPatterns();
    ASSERT_FALSE(patterns.isEmpty());
    for (const QString& pattern : patterns) {
        QStringList known;
        for (const QMimeType& type : mimes.mimeTypesForFileName(QStringLiteral("x") + pattern.mid(1)))
            if (type.name().startsWith(QLatin1String("audio/")) || type.name().startsWith(QLatin1String("video/")))
                known.append(type.name());
        if (known.isEmpty())
            continue;
        const bool covered = std::any_of(known.begin(), known.end(), [&](const QString& name) {
            return offered.contains(name) || std::any_of(offered.begin(), offered.end(), [&](const QString& offer) {
                       return mimes.mimeTypeForName(offer) == mimes.mimeTypeForName(name);
                   });
        });
        EXPECT_TRUE(covered) << pattern.toStdString() << " is " << known.join(' ').toStdString();
    }
}

TEST_F(InstalledCopy, ManualPageRendersCleanlyAndDescribesEveryConvertOption) {
    QProcessEnvironment plain;
    plain.insert(QStringLiteral("MANWIDTH"), QStringLiteral("100"));
    plain.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    const QString pageFile = installed(QStringLiteral("share/man/man1/tonalith-cli.1.gz"));
    // Compressed without the source's name or time, so every build of the same page gives the same bytes.
    QFile compressed(pageFile);
    ASSERT_TRUE(compressed.open(QIODevice::ReadOnly));
    const QByteArray gzipHeader = compressed.read(10);
    ASSERT_EQ(gzipHeader.size(), 10);
    EXPECT_TRUE(gzipHeader.startsWith("\x1f\x8b\x08")) << "not gzip";
    EXPECT_EQ(gzipHeader[3] & 0x08, 0) << "the original file name is stored";
    EXPECT_EQ(gzipHeader.mid(4, 4), QByteArray(4, '\0')) << "a time is stored";
    EXPECT_EQ(static_cast<unsigned char>(gzipHeader[8]), 2) << "not compressed with -9";

    const auto page = runWithEnvironment(QStringLiteral("man"), {"--warnings", "-l", pageFile}, plain);
    ASSERT_EQ(page.exitCode, 0) << page.err.toStdString();
    EXPECT_TRUE(page.err.isEmpty()) << page.err.toStdString();

    const auto help = runTool(testsupport::cliPath(), {QStringLiteral("convert"), QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0);
    const QString rendered = QString::fromUtf8(page.out);
    // The renderer may hyphenate or join words with other dashes; compare with plain hyphens.
    QString flat = rendered;
    flat.replace(QChar(0x2010), QLatin1Char('-')).replace(QChar(0x2212), QLatin1Char('-'));
    const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
    int options = 0;
    for (const auto& match : option.globalMatch(QString::fromUtf8(help.out))) {
        ++options;
        EXPECT_TRUE(flat.contains(match.captured(0))) << match.captured(0).toStdString() << " is not in the manual";
    }
    EXPECT_GE(options, 10);
    for (const char* command : {"info", "convert", "id3"})
        EXPECT_TRUE(rendered.contains(QStringLiteral("\n   %1\n").arg(QLatin1String(command)))) << command;

    // The synopsis shows what the usage line shows: --format is given once per output format.
    const QRegularExpression usage(QStringLiteral("usage: (tonalith-cli convert .*) \\[OPTIONS\\]"));
    const QString usageStart = usage.match(QString::fromUtf8(help.out)).captured(1);
    ASSERT_TRUE(usageStart.contains(QStringLiteral("[--format NAME...]"))) << help.out.toStdString();
    EXPECT_TRUE(flat.contains(usageStart)) << usageStart.toStdString() << " is not in the synopsis";
}

// The number as a word, as the descriptions spell it.
QString numberWord(std::size_t number) {
    static const std::array<const char*, 21> words{
        "zero",     "one",     "two",     "three",     "four",     "five",     "six",
        "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",   "thirteen",
        "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};
    return number < words.size() ? QString::fromLatin1(words[number]) : QString::number(number);
}

TEST_F(InstalledCopy, DescriptionsCountAndNameEveryOutputFormat) {
    // What a user reads before or after installing: the launcher's comment, the software centre's page, the help
    // page and the package's description.
    QFile cpackConfig(QStringLiteral(TONALITH_BUILD_DIR "/CPackConfig.cmake"));
    ASSERT_TRUE(cpackConfig.open(QIODevice::ReadOnly | QIODevice::Text));
    const QRegularExpression descriptionLine(QStringLiteral("\nset\\(CPACK_PACKAGE_DESCRIPTION \"([^\n]*)\"\\)\n"));
    const QString package = descriptionLine.match(QString::fromUtf8(cpackConfig.readAll())).captured(1);
    ASSERT_FALSE(package.isEmpty());
    const QString entry = readText(installed("share/applications/" + AppId + ".desktop"));
    const QString comment = QRegularExpression(QStringLiteral("\nComment=([^\n]*)\n")).match(entry).captured(1);
    ASSERT_FALSE(comment.isEmpty());
    struct Description {
        const char* what;
        QString text;
        bool namesEach; // a one-line comment has no room for the names
    };
    const std::vector<Description> texts{
        {"desktop comment", comment, false},
        {"metainfo", readText(installed("share/metainfo/" + AppId + ".metainfo.xml")), true},
        {"help page", readText(installed(QStringLiteral("share/tonalith/Tonalith.html"))), true},
        {"package description", package, true}};

    const QString count = numberWord(kOutputFormatCount);
    for (const auto& [what, text, namesEach] : texts) {
        EXPECT_TRUE(text.contains(count + QStringLiteral(" formats")) ||
                    text.contains(count + QStringLiteral(" output formats")) || text.contains(count + QLatin1Char(':')))
            << what << " does not speak of " << count.toStdString() << " formats";
        if (!namesEach)
            continue;
        for (const OutputFormatFacts& facts : outputFormatTable()) {
            // The caption without its note: "AAC (M4A)" is AAC, "OGG " is Ogg.
            const QString name = QString::fromLatin1(facts.caption).section(QStringLiteral(" ("), 0, 0).trimmed();
            EXPECT_TRUE(text.contains(name, Qt::CaseInsensitive)) << what << " does not name " << name.toStdString();
        }
    }
}

TEST_F(InstalledCopy, StartsFromTheStagingFolderFindsItsHelpAndKeepsSettingsInTheConfigurationFolder) {
    const QStringList before = installedFiles();
    QTemporaryDir config;
    const auto run = journeys::driveProgram(installed(QStringLiteral("bin/tonalith")), {},
                                            {QStringLiteral("wait main"), QStringLiteral("trigger helpContentsAction"),
                                             QStringLiteral("opened"), QStringLiteral("close main")},
                                            config.path());
    ASSERT_TRUE(run.ended) << journeys::describe(run);
    EXPECT_EQ(run.exitCode, 0) << journeys::describe(run);
    EXPECT_TRUE(run.completed()) << journeys::describe(run);
    EXPECT_TRUE(run.messages().isEmpty()) << journeys::describe(run); // drag.bmp was found too
    ASSERT_EQ(run.opened().size(), 1) << journeys::describe(run);
    const QString help = QUrl(run.opened().constFirst()).toLocalFile();
    EXPECT_EQ(QFileInfo(help).canonicalFilePath(),
              QFileInfo(installed(QStringLiteral("share/tonalith/Tonalith.html"))).canonicalFilePath());

    EXPECT_TRUE(QFileInfo::exists(config.filePath(QStringLiteral("Tonalith/settings.ini"))));
    EXPECT_TRUE(QFileInfo::exists(config.filePath(QStringLiteral("Tonalith/tonalith.ini"))));
    EXPECT_EQ(installedFiles(), before) << "the program wrote into its installation";
}

} // namespace
