// The rules a library sync decides by without opening a file: names that suit the destination's file system, the
// manifest that survives every name, and what is made again, left alone or handed back for pruning.
#include "core/library/PathFitter.h"
#include "core/library/SyncManifest.h"
#include "core/library/SyncPlan.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

namespace {

// Whether a name breaks what FAT32 and exFAT allow.
bool validOnFat(const QString& name) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar character : name) {
        if (character.unicode() < 0x20 || forbidden.contains(character))
            return false;
    }
    const QString stem = name.section('.', 0, 0).toUpper();
    static const QStringList devices{"CON", "PRN", "AUX", "NUL", "COM1", "COM9", "LPT1", "LPT9"};
    return !name.isEmpty() && !name.endsWith('.') && !name.endsWith(' ') && name.size() <= 255 &&
           !devices.contains(stem);
}

TEST(PathFitter, FatNamesLoseForbiddenCharactersTrailingDotsAndDeviceNames) {
    const PathFitter fat(PathRules::Fat);
    EXPECT_EQ(fat.component("two: why?.wav"), "two_ why_.wav");
    EXPECT_EQ(fat.component("a\\b*c\"d<e>f|g\x01.mp3"), "a_b_c_d_e_f_g_.mp3");
    EXPECT_EQ(fat.component("Live. "), "Live");
    EXPECT_EQ(fat.component("..."), "_");
    EXPECT_EQ(fat.component("con.mp3"), "_con.mp3");
    EXPECT_EQ(fat.component("LPT9"), "_LPT9");
    EXPECT_EQ(fat.component("COM0.mp3"), "COM0.mp3");
    EXPECT_EQ(fat.component("console.mp3"), "console.mp3");
    EXPECT_EQ(fat.path("Live./why?/x:y.mp3"), "Live/why_/x_y.mp3");
    // POSIX names keep everything but the separator.
    EXPECT_EQ(PathFitter(PathRules::Posix).component("two: why?."), "two: why?.");
}

TEST(PathFitter, LongNamesAreCutAtCharacterBoundariesKeepingTheExtension) {
    // 200 clefs are 400 UTF-16 units and 800 bytes of UTF-8.
    QString clefs;
    for (int count = 0; count < 200; ++count)
        clefs += QString::fromUtf8("\xF0\x9D\x84\x9E");
    const QString fat = PathFitter(PathRules::Fat).component(clefs + ".mp3");
    EXPECT_TRUE(fat.endsWith(".mp3"));
    EXPECT_LE(fat.size(), 255);
    EXPECT_GE(fat.size(), 253);
    EXPECT_FALSE(fat.at(fat.size() - 5).isHighSurrogate()) << "a surrogate pair was split";
    EXPECT_TRUE(validOnFat(fat));

    const QString posix = PathFitter(PathRules::Posix).component(clefs + ".mp3");
    EXPECT_TRUE(posix.endsWith(".mp3"));
    EXPECT_LE(posix.toUtf8().size(), 255);
    EXPECT_GE(posix.toUtf8().size(), 252);
    EXPECT_EQ(posix.toUtf8().size() % 4, 0) << "four bytes a clef, then \".mp3\": no clef was cut in two";

    // A name that fits stays as it is; a marked one is cut to make room for its marker.
    const QString fits = QString(250, 'x') + ".mp3";
    EXPECT_EQ(PathFitter(PathRules::Posix).component(fits).size(), 254);
    EXPECT_EQ(PathFitter(PathRules::Posix).withMarker(fits, 2), QString(246, 'x') + "_NEW2.mp3");
}

TEST(PathFitter, AsciiSpellsLettersInAscii) {
    const PathFitter ascii(PathRules::Ascii);
    EXPECT_EQ(ascii.component(QString::fromUtf8("Ärger – Straße: Œuvre?.flac")), "Arger - Strasse_ OEuvre_.flac");
    const QString other = ascii.component(QString::fromUtf8("東京 Москва.mp3"));
    for (const QChar character : other)
        EXPECT_LT(character.unicode(), 0x7f) << other.toStdString();
    EXPECT_TRUE(other.contains("Moskva")) << other.toStdString();
}

ManifestEntry entry(const QString& source, const QString& output, qint64 size = 10, qint64 time = 1000) {
    return ManifestEntry{ManifestEntry::Kind::Converted, source, size, time, "abc", "mp3:1 names=posix", output};
}

TEST(SyncManifest, KeepsEveryNameAndDropsLinesItCannotTrust) {
    SyncManifest manifest;
    manifest.put(entry("a\tb/c\\d\ne.flac", "a\tb/c\\d\ne.mp3"));
    manifest.put(ManifestEntry{ManifestEntry::Kind::Side, "x/cover.jpg", 4, 5, "", "side names=fat", "x/cover.jpg"});
    const SyncManifest read = SyncManifest::fromText(manifest.text());
    ASSERT_EQ(read.entries().size(), 2U);
    ASSERT_NE(read.find("a\tb/c\\d\ne.flac"), nullptr);
    EXPECT_EQ(read.find("a\tb/c\\d\ne.flac")->output, "a\tb/c\\d\ne.mp3");
    EXPECT_EQ(read.find("x/cover.jpg")->kind, ManifestEntry::Kind::Side);
    EXPECT_EQ(read.text(), manifest.text());

    // Lines that leave the folders, miss fields or hold bad escapes would make prune reach files it never made.
    const QByteArray damaged = manifest.text() + "converted\t1\t2\t\to\t../outside.flac\tx.mp3\n" +
                               "converted\t1\t2\t\to\tin.flac\t/etc/passwd\n" + "converted\t1\t2\t\to\tin.flac\n" +
                               "copied\tx\t2\t\to\tin.mp3\tin.mp3\n" + "copied\t1\t2\t\\q\to\tq.mp3\tq.mp3\n";
    EXPECT_EQ(SyncManifest::fromText(damaged).entries().size(), 2U);
}

TEST(SyncManifest, ShardFilesReplaceTheirShareOfTheWholeManifest) {
    const QTemporaryDir folder;
    SyncManifest whole;
    std::vector<QString> sources;
    for (int index = 0; index < 12; ++index) {
        sources.push_back(QStringLiteral("s%1.flac").arg(index));
        whole.put(entry(sources.back(), QStringLiteral("s%1.mp3").arg(index)));
    }
    ASSERT_TRUE(whole.save(folder.path()));
    EXPECT_FALSE(SyncManifest::load(QTemporaryDir().path()).has_value());

    // Shard 2 of 3 pruned one of its sources and made another again.
    const Shard shard{2, 3};
    SyncManifest share;
    QString pruned;
    for (const QString& source : sources) {
        if (!shard.takes(source))
            continue;
        if (pruned.isEmpty())
            pruned = source;
        else
            share.put(entry(source, whole.find(source)->output, 99));
    }
    ASSERT_FALSE(pruned.isEmpty());
    ASSERT_TRUE(share.save(folder.path(), 2, 3));
    const auto loaded = SyncManifest::load(folder.path());
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->entries().size(), sources.size() - 1);
    EXPECT_EQ(loaded->find(pruned), nullptr);
    for (const QString& source : sources) {
        if (source != pruned) {
            EXPECT_EQ(loaded->find(source)->size, shard.takes(source) ? 99 : 10) << source.toStdString();
        }
    }
    SyncManifest::removeShardFiles(folder.path());
    EXPECT_EQ(SyncManifest::load(folder.path())->entries().size(), sources.size());
}

SyncChoices mp3Choices() {
    SyncChoices choices;
    choices.sideGlobs = SyncChoices::defaultSideGlobs();
    choices.outputSuffix = ".mp3";
    choices.convertOptions = "mp3:1";
    return choices;
}

TEST(SyncPlan, TheManifestDecidesWhatIsMadeAgain) {
    const SyncChoices choices = mp3Choices();
    const PathFitter posix(PathRules::Posix);
    const std::vector<ScannedFile> scanned{
        {"a/same.flac", 10, 1000}, {"a/bigger.flac", 11, 1000}, {"a/newer.wav", 10, 2000},
        {"a/new.wav", 10, 1000},   {"a/lossy.mp3", 10, 1000},   {"a/cover.jpg", 10, 1000},
        {"a/notes.txt", 10, 1000}, {"a/lost.flac", 10, 1000},   {"b/Cover.JPG", 1, 1},
    };
    SyncManifest manifest;
    manifest.put(entry("a/same.flac", "a/same.mp3"));
    manifest.put(entry("a/bigger.flac", "a/bigger.mp3"));
    manifest.put(entry("a/newer.wav", "a/newer.mp3"));
    manifest.put(entry("a/lost.flac", "a/lost.mp3"));
    manifest.put(entry("a/gone.flac", "a/gone.mp3"));
    const auto exists = [](const QString& output) { return output != "a/lost.mp3"; };

    const SyncWork work = planSync(scanned, manifest, choices, posix, exists);
    ASSERT_EQ(work.unchanged.size(), 1U);
    EXPECT_EQ(work.unchanged[0].source, "a/same.flac");
    ASSERT_EQ(work.gone.size(), 1U);
    EXPECT_EQ(work.gone[0].output, "a/gone.mp3");
    std::map<QString, std::pair<SyncAction, QString>> tasks;
    for (const SyncTask& task : work.tasks)
        tasks[task.source.relative] = {task.action, task.output};
    const std::map<QString, std::pair<SyncAction, QString>> expected{
        {"a/bigger.flac", {SyncAction::Convert, "a/bigger.mp3"}}, {"a/newer.wav", {SyncAction::Convert, "a/newer.mp3"}},
        {"a/new.wav", {SyncAction::Convert, "a/new.mp3"}},        {"a/lossy.mp3", {SyncAction::Copy, "a/lossy.mp3"}},
        {"a/cover.jpg", {SyncAction::Side, "a/cover.jpg"}},       {"a/lost.flac", {SyncAction::Convert, "a/lost.mp3"}},
        {"b/Cover.JPG", {SyncAction::Side, "b/Cover.JPG"}},
    };
    EXPECT_EQ(tasks, expected);

    // Other settings make everything again; --side none and --lossy convert change what is done.
    SyncChoices other = choices;
    other.convertOptions = "mp3:2";
    other.copyLossy = false;
    other.sideGlobs.clear();
    const SyncWork again = planSync(scanned, manifest, other, posix, exists);
    EXPECT_TRUE(again.unchanged.empty());
    EXPECT_EQ(again.tasks.size(), 6U);
    for (const SyncTask& task : again.tasks)
        EXPECT_EQ(task.action, SyncAction::Convert) << task.source.relative.toStdString();
}

TEST(SyncPlan, SharedNamesGoToTheFirstPathAndShardsNameAsOneProcess) {
    const SyncChoices choices = mp3Choices();
    const PathFitter fat(PathRules::Fat);
    std::vector<ScannedFile> scanned{
        {"x/song.flac", 1, 1}, {"x/song.mp3", 1, 1}, {"x/Song.wav", 1, 1}, {"x/a?.flac", 1, 1}, {"x/a_.flac", 1, 1}};
    for (int index = 0; index < 40; ++index)
        scanned.push_back({QStringLiteral("y/%1.flac").arg(index), 1, 1});
    std::sort(scanned.begin(), scanned.end(), [](const auto& a, const auto& b) { return a.relative < b.relative; });
    const auto none = [](const QString&) { return false; };
    const SyncWork whole = planSync(scanned, std::nullopt, choices, fat, none);
    std::map<QString, QString> names;
    std::set<QString> folded;
    for (const SyncTask& task : whole.tasks) {
        names[task.source.relative] = task.output;
        EXPECT_TRUE(folded.insert(task.output.toCaseFolded()).second) << task.output.toStdString();
    }
    EXPECT_EQ(names["x/Song.wav"], "x/Song.mp3");
    EXPECT_EQ(names["x/song.flac"], "x/song_NEW.mp3");
    EXPECT_EQ(names["x/song.mp3"], "x/song_NEW2.mp3");
    EXPECT_EQ(names["x/a?.flac"], "x/a_.mp3");
    EXPECT_EQ(names["x/a_.flac"], "x/a__NEW.mp3");

    std::map<QString, QString> fromShards;
    for (int index = 1; index <= 3; ++index) {
        SyncChoices shard = choices;
        shard.shard = Shard{index, 3};
        const SyncWork share = planSync(scanned, std::nullopt, shard, fat, none);
        EXPECT_LT(share.tasks.size(), whole.tasks.size());
        for (const SyncTask& task : share.tasks)
            EXPECT_TRUE(fromShards.emplace(task.source.relative, task.output).second);
    }
    EXPECT_EQ(fromShards, names);

    EXPECT_FALSE(shardNamed("0/3").has_value());
    EXPECT_FALSE(shardNamed("4/3").has_value());
    EXPECT_FALSE(shardNamed("1/x").has_value());
    EXPECT_EQ(shardNamed("3/3")->index, 3);
}

TEST(SyncPlan, ScanSkipsADestinationInsideTheSource) {
    const QTemporaryDir folder;
    QDir(folder.path()).mkpath("music/a");
    QDir(folder.path()).mkpath("music/mirror/a");
    for (const char* name : {"music/a/one.flac", "music/mirror/a/one.mp3", "music/top.wav"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("abc");
    }
    const auto scanned = scanTree(folder.filePath("music"), folder.filePath("music/mirror"));
    ASSERT_EQ(scanned.size(), 2U);
    EXPECT_EQ(scanned[0].relative, "a/one.flac");
    EXPECT_EQ(scanned[0].size, 3);
    EXPECT_EQ(scanned[1].relative, "top.wav");
}

} // namespace
