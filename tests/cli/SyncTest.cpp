// tonalith-cli sync over a library made here: what the first run makes, that a second run opens no source, that a
// changed source alone is made again, what --prune may remove, names that FAT cards accept, and shards run by GNU
// parallel that make what one process makes.
#include "support/TestSupport.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

using testsupport::md5Of;
using testsupport::runTool;

const QString kLongName = QString(245, 'n') + ".flac"; // 250 bytes

// A small library: lossless and lossy sources in nested folders, side files, names FAT refuses.
class Library {
public:
    Library() {
        tone("Artist/Album/one.flac", {"-metadata", "title=One", "-c:a", "flac"});
        tone("Artist/Album/two: why?.wav", {});
        tone("Artist/Live./three.mp3", {"-c:a", "libmp3lame"});
        tone("Other/four.ogg", {"-c:a", "libvorbis"});
        tone("Other/" + kLongName, {"-c:a", "flac"});
        testsupport::writeFile(source("Artist/Album/cover.jpg"), "not really a picture");
        testsupport::writeFile(source("Artist/Album/one.lrc"), "[00:00.00]la\n");
        testsupport::writeFile(source("Other/notes.txt"), "left alone\n");
    }

    [[nodiscard]] QString source(const QString& relative = {}) const { return folder_.filePath("src/" + relative); }
    [[nodiscard]] QString path(const QString& relative) const { return folder_.filePath(relative); }

private:
    void tone(const QString& relative, const QStringList& encoding) {
        QDir().mkpath(QFileInfo(source(relative)).absolutePath());
        const auto made =
            runTool("ffmpeg", QStringList{"-loglevel", "error", "-f", "lavfi", "-i", "sine=f=440:d=0.3:r=8000"} +
                                  encoding + QStringList{source(relative)});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    }

    QTemporaryDir folder_;
};

struct SyncRun {
    int exitCode = -1;
    QByteArray out;
    QJsonObject summary;
};

SyncRun sync(const QString& source, const QString& destination, const QStringList& options = {}) {
    const auto run = runTool(testsupport::cliPath(),
                             QStringList{"sync", "--format", "mp3", "--names", "fat", "-j", "1", "--summary", "json"} +
                                 options + QStringList{source, destination});
    SyncRun result{run.exitCode, run.out, {}};
    const qsizetype start = run.out.indexOf("\n{");
    result.summary = QJsonDocument::fromJson(start >= 0                ? run.out.mid(start + 1)
                                             : run.out.startsWith('{') ? run.out
                                                                       : "")
                         .object();
    EXPECT_FALSE(result.summary.isEmpty()) << run.out.toStdString() << run.err.toStdString();
    return result;
}

std::map<QString, int> countsOf(const QJsonObject& summary) {
    std::map<QString, int> counts;
    for (const char* key : {"converted", "copied", "unchanged", "pruned", "failed"})
        counts[key] = summary.value(key).toInt(-1);
    return counts;
}

std::map<QString, int> counts(int converted, int copied, int unchanged, int pruned, int failed) {
    return {
        {"converted", converted}, {"copied", copied}, {"unchanged", unchanged}, {"pruned", pruned}, {"failed", failed}};
}

// Every file below the folder but the manifests, with its digest.
std::map<QString, QByteArray> treeOf(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator entries(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        if (!entries.fileName().startsWith(".tonalith-sync"))
            files[QDir(folder).relativeFilePath(path)] = md5Of(path);
    }
    return files;
}

// Watches files for being opened (inotify), to show that a run did not open them.
class OpenWatch {
public:
    explicit OpenWatch(const QStringList& files) : descriptor_(inotify_init1(IN_NONBLOCK)) {
        for (const QString& file : files)
            inotify_add_watch(descriptor_, QFile::encodeName(file).constData(), IN_OPEN | IN_ACCESS);
    }
    ~OpenWatch() { close(descriptor_); }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    [[nodiscard]] int events() const {
        alignas(inotify_event) char buffer[4096];
        int count = 0;
        for (ssize_t length = read(descriptor_, buffer, sizeof buffer); length > 0;
             length = read(descriptor_, buffer, sizeof buffer)) {
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                ++count;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return count;
    }

private:
    int descriptor_;
};

QStringList sourcesOf(const Library& library) {
    QStringList files;
    QDirIterator entries(library.source(), QDir::Files, QDirIterator::Subdirectories);
    while (entries.hasNext())
        files.append(entries.next());
    return files;
}

bool validOnFat(const QString& name) {
    static const QString forbidden = QStringLiteral("\\:*?\"<>|");
    for (const QChar character : name) {
        if (character.unicode() < 0x20 || forbidden.contains(character))
            return false;
    }
    static const QStringList devices{"CON", "PRN", "AUX", "NUL"};
    return !name.endsWith('.') && !name.endsWith(' ') && name.size() <= 255 &&
           !devices.contains(name.section('.', 0, 0).toUpper());
}

TEST(Sync, FirstRunMirrorsTheLibraryAndASecondRunOpensNothing) {
    const Library library;
    const QString destination = library.path("card");
    const SyncRun first = sync(library.source(), destination);
    ASSERT_EQ(first.exitCode, 0) << first.out.toStdString();
    EXPECT_EQ(countsOf(first.summary), counts(3, 4, 0, 0, 0));

    const std::map<QString, QByteArray> made = treeOf(destination);
    QStringList names;
    for (const auto& [name, digest] : made)
        names.append(name);
    const QStringList expected{"Artist/Album/cover.jpg",
                               "Artist/Album/one.lrc",
                               "Artist/Album/one.mp3",
                               "Artist/Album/two_ why_.mp3",
                               "Artist/Live/three.mp3",
                               "Other/four.ogg",
                               "Other/" + QString(245, 'n') + ".mp3"};
    EXPECT_EQ(names, expected);
    for (const char* copied : {"Artist/Album/cover.jpg", "Artist/Album/one.lrc", "Other/four.ogg"})
        EXPECT_EQ(made.at(copied), md5Of(library.source(copied))) << copied;
    EXPECT_EQ(made.at("Artist/Live/three.mp3"), md5Of(library.source("Artist/Live./three.mp3")));
    EXPECT_EQ(testsupport::probedTags(QDir(destination).filePath("Artist/Album/one.mp3")).value("title"), "One");
    QDirIterator entries(destination, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        EXPECT_TRUE(validOnFat(entries.fileName())) << entries.fileName().toStdString();
    }

    // Nothing changed: no source is opened, no file is written, the manifest stays as it was.
    const QByteArray manifest = md5Of(QDir(destination).filePath(".tonalith-sync"));
    const QDateTime manifestTime = QFileInfo(QDir(destination).filePath(".tonalith-sync")).lastModified();
    const OpenWatch watch(sourcesOf(library));
    const SyncRun second = sync(library.source(), destination);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(countsOf(second.summary), counts(0, 0, 7, 0, 0));
    EXPECT_EQ(watch.events(), 0);
    EXPECT_EQ(treeOf(destination), made);
    EXPECT_EQ(md5Of(QDir(destination).filePath(".tonalith-sync")), manifest);
    EXPECT_EQ(QFileInfo(QDir(destination).filePath(".tonalith-sync")).lastModified(), manifestTime);
}

TEST(Sync, ChangedTagsRedoOnlyTheirSourceAndPruneRemovesOnlyWhatIsListed) {
    const Library library;
    const QString destination = library.path("card");
    ASSERT_EQ(sync(library.source(), destination).exitCode, 0);
    const std::map<QString, QByteArray> made = treeOf(destination);

    const auto tagged =
        runTool("metaflac", {"--remove-tag=TITLE", "--set-tag=TITLE=Uno", library.source("Artist/Album/one.flac")});
    ASSERT_EQ(tagged.exitCode, 0) << tagged.err.toStdString();
    const SyncRun retagged = sync(library.source(), destination, {"--keep-time"});
    EXPECT_EQ(countsOf(retagged.summary), counts(1, 0, 6, 0, 0));
    EXPECT_EQ(testsupport::linesStarting(retagged.out, "output="),
              QStringList{QDir(destination).filePath("Artist/Album/one.mp3")});
    EXPECT_EQ(testsupport::probedTags(QDir(destination).filePath("Artist/Album/one.mp3")).value("title"), "Uno");
    EXPECT_EQ(QFileInfo(QDir(destination).filePath("Artist/Album/one.mp3")).lastModified(),
              QFileInfo(library.source("Artist/Album/one.flac")).lastModified());

    // A file the manifest does not list stays, whatever --prune says; so does everything in a destination that
    // holds no manifest.
    testsupport::writeFile(QDir(destination).filePath("Other/mine.mp3"), "the user's own");
    const QString unlisted = library.path("unlisted");
    QDir().mkpath(unlisted);
    testsupport::writeFile(QDir(unlisted).filePath("Other/four.ogg"), "not from a sync");
    ASSERT_TRUE(QFile::remove(library.source("Other/four.ogg")));
    ASSERT_TRUE(QFile::remove(library.source("Artist/Album/cover.jpg")));

    const SyncRun kept = sync(library.source(), destination);
    EXPECT_EQ(countsOf(kept.summary), counts(0, 0, 5, 0, 0)) << "without --prune nothing goes";
    EXPECT_TRUE(QFileInfo::exists(QDir(destination).filePath("Other/four.ogg")));
    const SyncRun pruned = sync(library.source(), destination, {"--prune"});
    EXPECT_EQ(countsOf(pruned.summary), counts(0, 0, 5, 2, 0));
    std::map<QString, QByteArray> left = treeOf(destination);
    EXPECT_EQ(left.erase("Other/mine.mp3"), 1U);
    std::map<QString, QByteArray> expected = made;
    expected.erase("Other/four.ogg");
    expected.erase("Artist/Album/cover.jpg");
    expected.erase("Artist/Album/one.mp3"); // made again with the new title
    left.erase("Artist/Album/one.mp3");
    EXPECT_EQ(left, expected);

    const SyncRun fresh = sync(library.source(), unlisted, {"--prune"});
    EXPECT_EQ(countsOf(fresh.summary), counts(3, 2, 0, 0, 0));
    EXPECT_EQ(testsupport::readFile(QDir(unlisted).filePath("Other/four.ogg")), "not from a sync");
}

TEST(Sync, ASyncKilledOutrightKeepsItsManifestAndTheNextRunFinishesTheWork) {
    const Library library;
    const QString destination = library.path("card");
    ASSERT_EQ(sync(library.source(), destination).exitCode, 0);
    const QByteArray manifest = testsupport::readFile(QDir(destination).filePath(".tonalith-sync"));
    for (const char* lossless : {"Artist/Album/one.flac", "Artist/Album/two: why?.wav"}) {
        QFile file(library.source(lossless));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(QByteArray(1, '\0'));
    }

    QProcess killed;
    killed.start(testsupport::cliPath(),
                 {"sync", "--format", "mp3", "--names", "fat", "-j", "1", library.source(), destination});
    ASSERT_TRUE(killed.waitForStarted());
    QByteArray printed;
    while (!printed.contains("output=") && killed.waitForReadyRead(30000))
        printed += killed.readAllStandardOutput();
    killed.kill();
    killed.waitForFinished();
    const QByteArray kept = testsupport::readFile(QDir(destination).filePath(".tonalith-sync"));
    EXPECT_TRUE(kept == manifest || kept.startsWith("tonalith-sync 1\n")) << "a whole manifest, old or new";

    const SyncRun finished = sync(library.source(), destination);
    EXPECT_EQ(finished.exitCode, 0);
    EXPECT_EQ(countsOf(finished.summary).at("failed"), 0);
    EXPECT_EQ(countsOf(sync(library.source(), destination).summary), counts(0, 0, 7, 0, 0));
}

TEST(Sync, ThreeShardsThroughGnuParallelMakeWhatOneProcessMakes) {
    if (runTool("parallel", {"--version"}).exitCode != 0)
        GTEST_SKIP() << "GNU parallel is not installed (scripts/setup-deps installs it)";
    const Library library;
    // More sources, so that every shard has some.
    ASSERT_TRUE(QDir().mkpath(library.source("More")));
    for (int index = 0; index < 6; ++index)
        ASSERT_TRUE(QFile::copy(library.source("Artist/Album/one.flac"),
                                library.source(QStringLiteral("More/%1.flac").arg(index))));
    const QString one = library.path("one");
    const SyncRun single = sync(library.source(), one);
    ASSERT_EQ(single.exitCode, 0);

    const QString shared = library.path("shared");
    const QString summaries = library.path("summaries");
    QDir().mkpath(summaries);
    const auto shards = runTool("parallel", {"--will-cite",
                                             "-j",
                                             "3",
                                             testsupport::cliPath(),
                                             "sync",
                                             "--format",
                                             "mp3",
                                             "--names",
                                             "fat",
                                             "-j",
                                             "1",
                                             "--summary",
                                             "json",
                                             "--shard",
                                             "{}/3",
                                             library.source(),
                                             shared,
                                             ">",
                                             summaries + "/{}.json",
                                             ":::",
                                             "1",
                                             "2",
                                             "3"});
    ASSERT_EQ(shards.exitCode, 0) << shards.out.toStdString() << shards.err.toStdString();
    EXPECT_EQ(treeOf(shared), treeOf(one));

    const auto merged = runTool(testsupport::cliPath(), {"summary", "merge", summaries + "/1.json",
                                                         summaries + "/2.json", summaries + "/3.json"});
    ASSERT_EQ(merged.exitCode, 0) << merged.err.toStdString();
    const QJsonObject total = QJsonDocument::fromJson(merged.out).object();
    EXPECT_EQ(countsOf(total), countsOf(single.summary));
    EXPECT_EQ(total.value("files").toArray().size(), single.summary.value("files").toArray().size());

    // The shards' manifests together say what one manifest says: a whole run afterwards has nothing to do.
    const SyncRun after = sync(library.source(), shared);
    EXPECT_EQ(countsOf(after.summary), counts(0, 0, 13, 0, 0));
    EXPECT_EQ(QDir(shared).entryList({".tonalith-sync*"}, QDir::Files | QDir::Hidden), QStringList{".tonalith-sync"});
    EXPECT_EQ(countsOf(sync(library.source(), shared).summary), counts(0, 0, 13, 0, 0));
}

} // namespace

namespace {

TEST(FanOut, ConvertTakesListsAndShardsMakeWhatOneProcessMakes) {
    const QTemporaryDir folder;
    QStringList sources;
    for (int index = 0; index < 7; ++index) {
        const QString name = folder.filePath(QStringLiteral("in/sub %1/tone %1.wav").arg(index));
        QDir().mkpath(QFileInfo(name).path());
        const auto made = runTool("sox", {"-n", "-r", "8000", "-c", "1", "-b", "16", name, "synth", "0.1", "sine",
                                          QString::number(300 + 50 * index)});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
        sources.append(name);
    }
    const QString list = testsupport::writeFile(folder, "list", sources.join('\n').toUtf8() + "\n\n");
    const QString nulList = testsupport::writeFile(folder, "nul", sources.join(QChar(0)).toUtf8());
    const QStringList common{"convert", "--format", "pcm", "-j", "1", "--keep-tree", folder.filePath("in")};

    const auto whole =
        runTool(testsupport::cliPath(), common + QStringList{"--out", folder.filePath("one"), "--files-from", list});
    ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
    EXPECT_EQ(testsupport::linesStarting(whole.out, "output=").size(), sources.size());

    // The same list NUL-separated on standard input, spread over three processes.
    for (int shard = 1; shard <= 3; ++shard) {
        QProcess process;
        process.start(testsupport::cliPath(),
                      common + QStringList{"--out", folder.filePath("shards"), "--files-from", "-", "--null", "--shard",
                                           QStringLiteral("%1/3").arg(shard)});
        ASSERT_TRUE(process.waitForStarted());
        process.write(testsupport::readFile(nulList));
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        EXPECT_LT(testsupport::linesStarting(process.readAllStandardOutput(), "output=").size(), sources.size());
    }
    EXPECT_EQ(treeOf(folder.filePath("shards")), treeOf(folder.filePath("one")));
    EXPECT_EQ(treeOf(folder.filePath("one")).size(), static_cast<std::size_t>(sources.size()));
}

TEST(FanOut, OptionsOfTheOtherCommandAndBadShardsAreRefusedBeforeAnythingIsMade) {
    const QTemporaryDir folder;
    const QString source = folder.filePath("a.wav");
    const auto refused = [&](const QStringList& arguments) {
        const auto run = runTool(testsupport::cliPath(), arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString() << "\n" << run.out.toStdString();
        return QString::fromUtf8(run.err);
    };
    EXPECT_TRUE(refused({"convert", "--format", "mp3", "--prune", source}).contains("--prune is not an option of"));
    EXPECT_TRUE(refused({"sync", "--format", "mp3", "--out", "x", folder.path(), folder.filePath("d")})
                    .contains("--out is not an option of sync"));
    EXPECT_TRUE(refused({"sync", "--format", "mp3", "--format", "ogg", folder.path(), folder.filePath("d")})
                    .contains("give --format once"));
    EXPECT_TRUE(refused({"sync", "--format", "mp3", folder.path()}).contains("two folders"));
    EXPECT_TRUE(refused({"sync", "--format", "mp3", folder.path(), folder.path()}).contains("must not hold"));
    EXPECT_TRUE(refused({"sync", "--format", "mp3", "--names", "dos", folder.path(), folder.filePath("d")})
                    .contains("posix, fat or ascii"));
    EXPECT_TRUE(refused({"convert", "--format", "mp3", "--shard", "4/3", source}).contains("--shard"));
    EXPECT_TRUE(refused({"convert", "--format", "mp3", "--null", source}).contains("--null needs --files-from"));
    EXPECT_TRUE(
        refused({"convert", "--format", "mp3", "--files-from", folder.filePath("none")}).contains("cannot be read"));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("d")));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("x")));
}

} // namespace
