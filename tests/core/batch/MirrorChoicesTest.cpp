// The window's mirror choices: what may start, what settings.ini keeps of them, and the sync and order they make.
#include "core/batch/MirrorChoices.h"
#include "core/platform/IniFile.h"
#include "core/settings/MirrorSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MirrorChoicesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString folder(const QString& relative) {
        const QString path = dir.filePath(relative);
        EXPECT_TRUE(QDir().mkpath(path));
        return path;
    }
    MirrorChoices between(const QString& source, const QString& destination) {
        MirrorChoices choices;
        choices.sourceFolder = source;
        choices.destination = destination;
        return choices;
    }
    QByteArray fileText(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(MirrorChoicesTest, StartsOnlyWithTwoSeparateFolders) {
    const QString music = folder("music");
    const QString card = dir.filePath("card"); // made by the mirror
    EXPECT_EQ(between(music, card).refusal(), std::nullopt);
    EXPECT_EQ(between(music + "/", card + "/./").refusal(), std::nullopt);

    EXPECT_EQ(between("", card).refusal(), "Please choose the folder to mirror.");
    EXPECT_EQ(between(music, "  ").refusal(), "Please choose the folder to mirror it into.");
    EXPECT_EQ(between("music", card).refusal(), "\"music\" is not a full folder path.");
    EXPECT_EQ(between(dir.filePath("gone"), card).refusal(),
              QStringLiteral("The folder \"%1\" does not exist.").arg(dir.filePath("gone")));

    QFile file(dir.filePath("plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(between(file.fileName(), card).refusal(),
              QStringLiteral("The folder \"%1\" does not exist.").arg(file.fileName()));
    EXPECT_EQ(between(music, file.fileName()).refusal(),
              QStringLiteral("\"%1\" is a file, not a folder.").arg(file.fileName()));

    EXPECT_EQ(between(music, music + "/../music").refusal(), "The folder cannot be mirrored into itself.");
    EXPECT_EQ(between(music, music + "/copy/new").refusal(),
              QStringLiteral("The destination \"%1\" lies inside the folder it mirrors.").arg(music + "/copy/new"));
    const QString inner = folder("card/music");
    EXPECT_EQ(between(inner, dir.filePath("card")).refusal(),
              QStringLiteral("The folder \"%1\" lies inside its destination.").arg(inner));
    // A name that merely starts like the other folder's is no folder inside it.
    EXPECT_EQ(between(music, dir.filePath("music2")).refusal(), std::nullopt);
}

TEST_F(MirrorChoicesTest, FolderLinksAreSeenThrough) {
    const QString music = folder("music");
    const QString link = dir.filePath("link");
    ASSERT_TRUE(QFile::link(music, link));
    EXPECT_EQ(between(link, music).refusal(), "The folder cannot be mirrored into itself.");
    EXPECT_EQ(between(music, link + "/phone").refusal(),
              QStringLiteral("The destination \"%1\" lies inside the folder it mirrors.").arg(link + "/phone"));
}

TEST_F(MirrorChoicesTest, SettingsKeepEveryChoiceOnceWritten) {
    IniFile file(dir.filePath("settings.ini"));
    file.writeString("general", "savestate", "1");
    const QByteArray before = fileText(file.path());

    // Nothing stored: the defaults, with the jobs of the window.
    const MirrorChoices defaults = readMirrorChoices(file, 3);
    EXPECT_EQ(defaults.jobs, 3);
    EXPECT_EQ(defaults.format, OutputFormat::Mp3);
    EXPECT_TRUE(defaults.copyLossy);
    EXPECT_EQ(defaults.sideGlobs(), SyncChoices::defaultSideGlobs());
    EXPECT_EQ(defaults.names, PathRules::Posix);
    EXPECT_EQ(fileText(file.path()), before);

    MirrorChoices choices = between("/music/Flac Collection", "/media/card/Music");
    choices.format = OutputFormat::Opus;
    choices.profile = "Phone";
    choices.copyLossy = false;
    choices.sideFiles = "cover.jpg *.lrc";
    choices.names = PathRules::Ascii;
    choices.prune = true;
    choices.keepTime = true;
    choices.jobs = 4;
    writeMirrorChoices(file, choices);
    EXPECT_EQ(readMirrorChoices(file, 1), choices);
    EXPECT_TRUE(fileText(file.path()).startsWith(before));

    // No side files at all stays none, rather than falling back to the default patterns.
    choices.sideFiles.clear();
    writeMirrorChoices(file, choices);
    EXPECT_TRUE(readMirrorChoices(file, 1).sideGlobs().isEmpty());
}

TEST_F(MirrorChoicesTest, DamagedValuesFallBackToDefaults) {
    const QString path = dir.filePath("settings.ini");
    QFile text(path);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("[mirror]\nformat=mp7\nnames=ntfs\nlossy=maybe\njobs=999\nprune=x\n");
    text.close();
    const MirrorChoices read = readMirrorChoices(IniFile(path), 2);
    EXPECT_EQ(read.format, OutputFormat::Mp3);
    EXPECT_EQ(read.names, PathRules::Posix);
    EXPECT_TRUE(read.copyLossy);
    EXPECT_EQ(read.jobs, BatchOrder::MaxJobs);
    EXPECT_FALSE(read.prune);
}

TEST_F(MirrorChoicesTest, SideFilePatterns) {
    MirrorChoices choices;
    choices.sideFiles = "  cover.jpg\t*.lrc   folder.jpg ";
    EXPECT_EQ(choices.sideGlobs(), QStringList({"cover.jpg", "*.lrc", "folder.jpg"}));
    choices.sideFiles = "None";
    EXPECT_TRUE(choices.sideGlobs().isEmpty());
    choices.sideFiles = "";
    EXPECT_TRUE(choices.sideGlobs().isEmpty());
}

TEST_F(MirrorChoicesTest, MakesTheSyncOfOneFormatWithTheGivenSettings) {
    MirrorChoices choices = between(" ~/Music/ ", "/media/card/./Music");
    choices.format = OutputFormat::Aac;
    choices.copyLossy = false;
    choices.sideFiles = "cover.jpg";
    choices.names = PathRules::Fat;
    choices.prune = true;
    choices.keepTime = true;
    choices.jobs = 2;

    BatchOrder window;
    window.formats = {OutputFormat::Mp3, OutputFormat::Flac};
    window.sources.push_back(BatchSource{"/x.wav", SourceKind::Audio, std::nullopt});
    window.volumePercent = 80;
    window.openFolder = true;
    window.jobs = 7;
    const BatchOrder order = choices.order(window);
    EXPECT_EQ(order.formats, std::set<OutputFormat>{OutputFormat::Aac});
    EXPECT_TRUE(order.sources.empty());
    EXPECT_EQ(order.volumePercent, 80);
    EXPECT_EQ(order.jobs, 2);
    EXPECT_FALSE(order.openFolder);

    const SyncSetup setup = choices.setup(order);
    EXPECT_EQ(setup.sourceFolder, QDir::homePath() + "/Music");
    EXPECT_EQ(setup.destination, "/media/card/Music");
    EXPECT_EQ(setup.rules, PathRules::Fat);
    EXPECT_TRUE(setup.prune);
    EXPECT_TRUE(setup.keepTime);
    EXPECT_FALSE(setup.choices.copyLossy);
    EXPECT_EQ(setup.choices.sideGlobs, QStringList{"cover.jpg"});
    EXPECT_EQ(setup.choices.outputSuffix, ".m4a");
    EXPECT_EQ(setup.choices.convertOptions, conversionFingerprint(order));
    EXPECT_FALSE(setup.choices.namesFromTemplate);
    // Another volume makes other sound: the manifest must see other options.
    BatchOrder louder = window;
    louder.volumePercent = 120;
    EXPECT_NE(choices.setup(choices.order(louder)).choices.convertOptions, setup.choices.convertOptions);
}

TEST(MirrorOutcomeTest, CountsAndReasons) {
    SyncResult result;
    result.counts = {2, 3, 4, 1, 0};
    MirrorOutcome outcome = MirrorOutcome::of(result, "/card", false);
    EXPECT_EQ(outcome.text, "Mirroring is finished.\nConverted: 2, copied: 3, unchanged: 4, pruned: 1, failed: 0.");
    EXPECT_FALSE(outcome.troubled);

    result.counts.failed = 12;
    for (int index = 0; index < 12; ++index)
        result.files.push_back(
            {SyncStatus::Failed, QString("s%1.flac").arg(index), {}, QString("reason %1").arg(index)});
    result.manifestSaved = false;
    outcome = MirrorOutcome::of(result, "/card", true);
    const QStringList lines = outcome.text.split('\n');
    EXPECT_TRUE(outcome.troubled);
    EXPECT_EQ(lines.at(0), "Mirroring was stopped.");
    EXPECT_EQ(lines.at(2), "reason 0");
    EXPECT_EQ(lines.at(11), "reason 9");
    EXPECT_EQ(lines.at(12), "…");
    EXPECT_TRUE(lines.at(13).contains("\"/card\" cannot be written"));
}

} // namespace
