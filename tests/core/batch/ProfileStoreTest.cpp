#include "core/batch/ProfileStore.h"
#include "core/components/ComponentError.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// An order with every stored value away from its default, so that a value lost on the way shows.
BatchOrder everythingChanged() {
    BatchOrder order;
    order.sources.push_back({QStringLiteral("/music/a.flac"), SourceKind::Audio, std::nullopt});
    order.formats = {OutputFormat::Mp3, OutputFormat::Flac, OutputFormat::Opus};
    FormatSettings& settings = order.formatSettings;
    settings.panel = {22050, 1, 3, 2, 7, 8, 256, 64, true};
    settings.panel.flacChannels = ChannelChoice::Stereo;
    settings.panel.alacChannels = ChannelChoice::Mono;
    settings.panel.aacChannels = ChannelChoice::Keep;
    settings.panel.opusChannels = ChannelChoice::Stereo;
    settings.pcmWav = {48000, 1, 24, true};
    Mp3Controls controls;
    controls.page = Mp3Page::CommandLine;
    controls.channelItem = 0;
    controls.quality = 2;
    controls.highpassOn = true;
    controls.lowpassFrequency = 17000;
    controls.vbrModeItem = 4;
    controls.bitReservoir = true;
    controls.altPresetOn = true;
    controls.altPresetItem = 3;
    controls.commandLine = QStringLiteral("-V 2 --vbr-new -q 0 --tt \"a = b\"");
    settings.mp3.dialog = controls;
    settings.mp3.preset = 9;
    settings.mp3.lameSwitches = QStringLiteral("-b 192");
    settings.mp3.panelRate = true;
    settings.oggVorbis = {32000, 1, 96, 64, 160, -1, false, true};
    order.folderText = QStringLiteral("~/Music/phone copy");
    order.treeRoot = QStringLiteral("/music");
    QString whyNot;
    order.baseNames = NameTemplate::parse(QStringLiteral("{artist} - {title}"), whyNot);
    order.existing = ExistingOutputPolicy::Skip;
    order.volumePercent = 150;
    order.loudnessTarget = -16.5;
    order.replayGain = true;
    order.copyTags = false;
    order.verifyOutputs = true;
    order.jobs = 6;
    order.openFolder = true;
    return order;
}

void expectSameProfile(const BatchOrder& loaded, const BatchOrder& saved) {
    EXPECT_TRUE(loaded.sources.empty()) << "a profile keeps no sources";
    EXPECT_EQ(loaded.formats, saved.formats);
    EXPECT_EQ(loaded.formatSettings.panel, saved.formatSettings.panel);
    EXPECT_EQ(loaded.formatSettings.pcmWav, saved.formatSettings.pcmWav);
    EXPECT_EQ(loaded.formatSettings.mp3, saved.formatSettings.mp3);
    EXPECT_EQ(loaded.formatSettings.oggVorbis, saved.formatSettings.oggVorbis);
    EXPECT_EQ(loaded.folderText, saved.folderText);
    EXPECT_EQ(loaded.treeRoot, saved.treeRoot);
    EXPECT_EQ(loaded.baseNames, saved.baseNames);
    EXPECT_EQ(loaded.existing, saved.existing);
    EXPECT_EQ(loaded.volumePercent, saved.volumePercent);
    EXPECT_EQ(loaded.loudnessTarget, saved.loudnessTarget);
    EXPECT_EQ(loaded.replayGain, saved.replayGain);
    EXPECT_EQ(loaded.copyTags, saved.copyTags);
    EXPECT_EQ(loaded.verifyOutputs, saved.verifyOutputs);
    EXPECT_EQ(loaded.jobs, saved.jobs);
    EXPECT_EQ(loaded.openFolder, saved.openFolder);
}

class ProfileStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ProfileStore store{QDir(dir.path()).filePath(QStringLiteral("profiles"))};
};

TEST_F(ProfileStoreTest, KeepsEveryValueOfAnOrderButItsSources) {
    const BatchOrder saved = everythingChanged();
    store.save(QStringLiteral("Phone"), saved);
    const LoadedProfile loaded = store.load(QStringLiteral("Phone"));
    EXPECT_EQ(loaded.name, QStringLiteral("Phone"));
    EXPECT_TRUE(loaded.unknownKeys.isEmpty()) << loaded.unknownKeys.join(' ').toStdString();
    expectSameProfile(loaded.order, saved);

    // The defaults come back as defaults, and an order without the MP3 dialog's controls gets none.
    store.save(QStringLiteral("Plain"), BatchOrder{});
    const BatchOrder plain = store.load(QStringLiteral("Plain")).order;
    expectSameProfile(plain, BatchOrder{});
    EXPECT_FALSE(plain.formatSettings.mp3.dialog);
    EXPECT_FALSE(bytesOf(QDir(store.folder()).filePath(QStringLiteral("Plain.ini"))).contains("[mp3dialog]"));
}

TEST_F(ProfileStoreTest, ListsReplacesAndDeletesByName) {
    EXPECT_TRUE(store.names().isEmpty()) << "no folder yet: no profiles";
    store.save(QStringLiteral("phone"), BatchOrder{});
    store.save(QStringLiteral("Archive"), BatchOrder{});
    store.save(QStringLiteral("IVR prompts"), BatchOrder{});
    EXPECT_EQ(store.names(),
              (QStringList{QStringLiteral("Archive"), QStringLiteral("IVR prompts"), QStringLiteral("phone")}));

    BatchOrder changed;
    changed.jobs = 3;
    store.save(QStringLiteral("phone"), changed);
    EXPECT_EQ(store.load(QStringLiteral("phone")).order.jobs, 3);
    EXPECT_EQ(store.names().size(), 3);

    store.remove(QStringLiteral("Archive"));
    EXPECT_FALSE(store.contains(QStringLiteral("Archive")));
    EXPECT_THROW(store.remove(QStringLiteral("Archive")), ComponentError);
    EXPECT_THROW((void)store.load(QStringLiteral("Archive")), ComponentError);
}

TEST_F(ProfileStoreTest, RefusesNamesThatWouldLeaveTheFolderOrHideTheFile) {
    for (const QString& name : {QString(), QStringLiteral(" "), QStringLiteral("../escape"), QStringLiteral("a/b"),
                                QStringLiteral("a\\b"), QStringLiteral(".hidden"), QStringLiteral("two\nlines"),
                                QStringLiteral(" padded"), QString(101, QLatin1Char('x'))}) {
        EXPECT_TRUE(ProfileStore::whyNotAName(name)) << name.toStdString();
        EXPECT_THROW(store.save(name, BatchOrder{}), ComponentError) << name.toStdString();
    }
    EXPECT_TRUE(ProfileStore::whyNotAName(QStringLiteral("Hörbuch – 64 kbit/s")))
        << "a slash is a separator even inside a bit rate";
    EXPECT_FALSE(ProfileStore::whyNotAName(QStringLiteral("Hörbuch – 64 kbps")));
    EXPECT_FALSE(QDir(dir.path()).exists(QStringLiteral("escape.ini")));
}

TEST_F(ProfileStoreTest, AFileOfANewerVersionLoadsAndNamesTheKeysItDoesNotKnow) {
    store.save(QStringLiteral("Phone"), everythingChanged());
    const QString path = QDir(store.folder()).filePath(QStringLiteral("Phone.ini"));
    QByteArray bytes = bytesOf(path);
    bytes.replace("version=1", "version=7");
    bytes.replace("[panel]\n", "[panel]\nchannelmap=5.1\n");
    bytes.append("\n[sync]\nprune=1\n");
    writeBytes(path, bytes);

    const LoadedProfile loaded = store.load(QStringLiteral("Phone"));
    EXPECT_EQ(loaded.unknownKeys, (QStringList{QStringLiteral("panel/channelmap"), QStringLiteral("sync/prune")}));
    expectSameProfile(loaded.order, everythingChanged());
}

TEST_F(ProfileStoreTest, ADamagedFileIsRefusedWholeAndLeftAsItIs) {
    store.save(QStringLiteral("Phone"), everythingChanged());
    const QString path = QDir(store.folder()).filePath(QStringLiteral("Phone.ini"));
    const QByteArray good = bytesOf(path);
    const std::vector<std::pair<const char*, QByteArray>> damages{
        {"no header", QByteArray(good).replace("version=1\n", "")},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"out of range", QByteArray(good).replace("jobs=6", "jobs=640")},
        {"not a number", QByteArray(good).replace("flaclevel=8", "flaclevel=high")},
        {"unknown format", QByteArray(good).replace("formats=mp3", "formats=mp4")},
        {"bad template", QByteArray(good).replace("name={artist} - {title}", "name={artist")},
        {"given twice", QByteArray(good).replace("[batch]\n", "[batch]\njobs=2\n")},
        {"huge", good + QByteArray(100 * 1024, ';')},
        {"empty", QByteArray()},
    };
    for (const auto& [what, bytes] : damages) {
        writeBytes(path, bytes);
        try {
            (void)store.load(QStringLiteral("Phone"));
            ADD_FAILURE() << what << ": loaded";
        } catch (const ComponentError& error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("Phone.ini")))
                << what << ": " << error.message().toStdString();
        }
        EXPECT_EQ(bytesOf(path), bytes) << what << ": reading changed the file";
    }
}

TEST_F(ProfileStoreTest, AValueThatCannotBeKeptLeavesTheEarlierProfile) {
    store.save(QStringLiteral("Phone"), everythingChanged());
    const QString path = QDir(store.folder()).filePath(QStringLiteral("Phone.ini"));
    const QByteArray before = bytesOf(path);
    BatchOrder order;
    order.folderText = QStringLiteral("/music\n[batch]\njobs=64");
    EXPECT_THROW(store.save(QStringLiteral("Phone"), order), ComponentError);
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_EQ(testsupport::filesIn(store.folder()).size(), 1) << "no temporary file left behind";
}

} // namespace
