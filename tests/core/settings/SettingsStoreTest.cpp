#include "core/batch/BatchOrder.h"
#include "core/batch/LoudnessNormalization.h"
#include "core/settings/Placement.h"
#include "core/settings/Settings.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::readFile;

// Files written by earlier versions must keep reading the same, so the stored names are spelled out here rather
// than taken from the constants the store uses.
TEST(SettingsStore, WritesUnderTheNamesEarlierFilesUseAndReadsThemBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    SettingsStore store(path);
    store.storeOptions(QStringLiteral("/out"), false, true, false, true);
    store.storeBatchOptions({3, true, ExistingOutputPolicy::New, true, false, {}, true});
    ClosingState closing;
    closing.formats[static_cast<size_t>(OutputFormat::Ogg)] = true;
    closing.currentFolder = QStringLiteral("/music");
    closing.currentFilter = 4;
    store.storeClosingState(closing);

    const QByteArray text = readFile(path);
    for (const char* line :
         {"[defaultfolder]", "defaultfolder=/out", "[conversion]", "checkitem=0", "isopenfolder=1", "copytag=0",
          "[general]", "savestate=1", "ch_ogg=1", "ch_mp3=0", "currentfolder=/music", "currentfilter=4", "[batch]",
          "jobs=3", "evenloudness=1", "exists=new", "verify=1", "hiddentrack=1"})
        EXPECT_TRUE(text.contains(line)) << line << " missing from\n" << text.toStdString();

    SettingsStore reread(path);
    reread.load();
    EXPECT_EQ(reread.values().defaultFolder, QStringLiteral("/out"));
    EXPECT_FALSE(reread.values().checkItem);
    EXPECT_TRUE(reread.values().isOpenFolder);
    EXPECT_FALSE(reread.values().copyTag);
    EXPECT_TRUE(reread.values().format(OutputFormat::Ogg));
    EXPECT_FALSE(reread.values().format(OutputFormat::Mp3));
    EXPECT_EQ(reread.values().currentFolder, QStringLiteral("/music"));
    EXPECT_EQ(reread.values().currentFilter, 4);
    EXPECT_EQ(reread.values().batch.jobs, 3);
    EXPECT_EQ(reread.values().batch.existing, ExistingOutputPolicy::New);
    EXPECT_TRUE(reread.values().batch.verifyOutputs);
    EXPECT_TRUE(reread.values().batch.hiddenTrack);

    // A file of an earlier version has no verify key: outputs are not checked.
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("[batch]\njobs=2\n");
    earlier.close();
    SettingsStore older(path);
    older.load();
    EXPECT_FALSE(older.values().batch.verifyOutputs);
    EXPECT_FALSE(older.values().batch.hiddenTrack) << "images are cut without their hidden track unless asked";
}

TEST(SettingsStore, EveryExistingOutputPolicyKeepsItsNameAndUnknownNamesAreRefused) {
    const struct {
        ExistingOutputPolicy policy;
        const char* name;
    } known[] = {{ExistingOutputPolicy::Replace, "replace"},
                 {ExistingOutputPolicy::New, "new"},
                 {ExistingOutputPolicy::Skip, "skip"}};
    for (const auto& entry : known) {
        EXPECT_EQ(existingOutputPolicyName(entry.policy), QLatin1String(entry.name));
        EXPECT_EQ(existingOutputPolicyNamed(QLatin1String(entry.name)), entry.policy) << entry.name;
    }
    for (const char* unknown : {"", "Replace", "overwrite", " new", "skip "})
        EXPECT_FALSE(existingOutputPolicyNamed(QLatin1String(unknown))) << '"' << unknown << '"';

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    for (const auto& entry : known) {
        SettingsStore store(path);
        store.storeBatchOptions({1, false, entry.policy});
        SettingsStore reread(path);
        reread.load();
        EXPECT_EQ(reread.values().batch.existing, entry.policy) << entry.name;
    }
}

// The Options dialog's batch choices go into each batch's order, and a profile's order shows in the dialog as far as
// the dialog can show it: a loudness target other than the default still reads as evening out.
TEST(BatchOptions, GoIntoAnOrderAndComeBackFromOne) {
    const BatchOptions chosen{4, true, ExistingOutputPolicy::Skip, true, false, {}, true};
    BatchOrder order;
    order.replayGain = true;
    chosen.applyTo(order);
    EXPECT_EQ(order.jobs, 4);
    EXPECT_EQ(order.loudnessTarget, kDefaultLoudnessTarget);
    EXPECT_EQ(order.existing, ExistingOutputPolicy::Skip);
    EXPECT_TRUE(order.verifyOutputs);
    EXPECT_FALSE(order.replayGain);
    EXPECT_TRUE(order.hiddenTrack);
    EXPECT_EQ(BatchOptions::of(order), chosen);

    BatchOptions{}.applyTo(order);
    EXPECT_FALSE(order.loudnessTarget);
    EXPECT_TRUE(order.runsOneAtATime()) << "the defaults give the plain run";
    order.loudnessTarget = -16.0;
    EXPECT_TRUE(BatchOptions::of(order).evenLoudness);
}

TEST(PlacementFile, KeepsTheSectionAndKeyNamesOfEarlierFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("placement.ini"));
    const PlacementFile file(path);
    file.write(QStringLiteral("convert"), StoredWindowState::Normal, QRect(10, 20, 300, 200));
    const QByteArray text = readFile(path);
    for (const char* line :
         {"[convert Position]", "WindowState=0", "isdesigned=y", "Left=10", "Top=20", "Width=300", "Height=200"})
        EXPECT_TRUE(text.contains(line)) << line << " missing from\n" << text.toStdString();

    const WindowPlacement placement = file.read(QStringLiteral("convert"), QRect(0, 0, 1, 1));
    EXPECT_TRUE(placement.designed);
    EXPECT_EQ(placement.rect, QRect(10, 20, 300, 200));
    EXPECT_FALSE(file.read(QStringLiteral("main"), QRect(0, 0, 1, 1)).designed);
}

// A window that grows past the screen's right or bottom edge moves back onto it, never past its left or top edge.
TEST(KeptWithin, MovesAFrameLeftAndUpOnlyAsFarAsItMust) {
    const QRect screen(0, 0, 1280, 800);
    EXPECT_EQ(keptWithin(QRect(316, 138, 1008, 560), screen), QRect(272, 138, 1008, 560));
    EXPECT_EQ(keptWithin(QRect(316, 500, 600, 400), screen), QRect(316, 400, 600, 400));
    EXPECT_EQ(keptWithin(QRect(100, 100, 600, 400), screen), QRect(100, 100, 600, 400));
    EXPECT_EQ(keptWithin(QRect(-50, -20, 600, 400), screen), QRect(-50, -20, 600, 400));
    EXPECT_EQ(keptWithin(QRect(900, 700, 1400, 900), screen), QRect(0, 0, 1400, 900));
    const QRect second(1280, 0, 1024, 768);
    EXPECT_EQ(keptWithin(QRect(1900, 10, 700, 500), second), QRect(1604, 10, 700, 500));
}

} // namespace

namespace {

// The notification switch is on unless a user turned it off: a file that never had the line does not get one until
// the switch leaves its default, and once written the line follows every later choice.
TEST(SettingsStore, NotifyAtEndIsWrittenOnlyOnceTurnedOffAndThenKept) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    SettingsStore store(path);
    store.storeOptions(QStringLiteral("/out"), true, false, true, true);
    store.storeNotifyAtEnd(true);
    EXPECT_FALSE(readFile(path).contains("notifyatend")) << readFile(path).toStdString();

    store.storeNotifyAtEnd(false);
    EXPECT_TRUE(readFile(path).contains("notifyatend=0")) << readFile(path).toStdString();
    SettingsStore off(path);
    off.load();
    EXPECT_FALSE(off.values().notifyAtEnd);

    store.storeNotifyAtEnd(true);
    EXPECT_TRUE(readFile(path).contains("notifyatend=1")) << "a line once written follows the choice";
    SettingsStore on(path);
    on.load();
    EXPECT_TRUE(on.values().notifyAtEnd);

    SettingsStore fresh(dir.filePath(QStringLiteral("none.ini")));
    fresh.load();
    EXPECT_TRUE(fresh.values().notifyAtEnd);
}

} // namespace
