#include "core/platform/FolderBrowsing.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using FolderBrowsing::folderChoices;
using FolderBrowsing::SystemPlaces;

SystemPlaces samplePlaces() {
    SystemPlaces places;
    places.desktop = QStringLiteral("/home/ann/Desktop");
    places.home = QStringLiteral("/home/ann");
    places.userFolders = {QStringLiteral("/home/ann/Music"), QStringLiteral("/home/ann/Videos")};
    places.root = QStringLiteral("/");
    places.mounts = {QStringLiteral("/media/ann/STICK")};
    return places;
}

QStringList pathsOf(const FolderBrowsing::FolderChoices& choices) {
    QStringList paths;
    for (const auto& entry : choices.entries)
        paths.append(entry.path);
    return paths;
}

TEST(FolderChoicesTest, TheDesktopIsTheFirstEntryAndAPlaceShownIsItsOwnEntry) {
    const SystemPlaces places = samplePlaces();
    const auto atDesktop = folderChoices(places.desktop, places);
    EXPECT_EQ(pathsOf(atDesktop), (QStringList{"/home/ann/Desktop", "/home/ann", "/home/ann/Music", "/home/ann/Videos",
                                               "/", "/media/ann/STICK"}));
    EXPECT_EQ(atDesktop.current, 0);
    EXPECT_EQ(atDesktop.entries[0].text, QStringLiteral("Desktop"));
    EXPECT_EQ(atDesktop.entries[1].text, QDir::toNativeSeparators(QStringLiteral("/home/ann")));

    const auto atMusic = folderChoices(QStringLiteral("/home/ann/Music/"), places);
    EXPECT_EQ(atMusic.entries.size(), atDesktop.entries.size()) << "a place shown adds no entry";
    EXPECT_EQ(atMusic.entries[static_cast<size_t>(atMusic.current)].path, QStringLiteral("/home/ann/Music"));
}

TEST(FolderChoicesTest, TheShownFolderAndItsParentsFollowTheNearestPlaceAboveIt) {
    const SystemPlaces places = samplePlaces();
    const auto deep = folderChoices(QStringLiteral("/home/ann/Music/Bach/Cantatas"), places);
    EXPECT_EQ(pathsOf(deep),
              (QStringList{"/home/ann/Desktop", "/home/ann", "/home/ann/Music", "/home/ann/Music/Bach",
                           "/home/ann/Music/Bach/Cantatas", "/home/ann/Videos", "/", "/media/ann/STICK"}));
    EXPECT_EQ(deep.current, 4);
    EXPECT_EQ(deep.entries[4].text, QDir::toNativeSeparators(QStringLiteral("/home/ann/Music/Bach/Cantatas")))
        << "the shown folder reads as its full path";

    // Outside every place but the root, the chain hangs below the root; a folder on a stick below the stick.
    const auto system = folderChoices(QStringLiteral("/srv/audio"), places);
    EXPECT_EQ(pathsOf(system).mid(4, 3), (QStringList{"/", "/srv", "/srv/audio"}));
    EXPECT_EQ(system.current, 6);
    const auto stick = folderChoices(QStringLiteral("/media/ann/STICK/rec"), places);
    EXPECT_EQ(pathsOf(stick).last(), QStringLiteral("/media/ann/STICK/rec"));
    EXPECT_EQ(stick.current, static_cast<int>(stick.entries.size()) - 1);

    // A folder inside the desktop is not the desktop: the combo must not claim it is.
    const auto onDesktop = folderChoices(QStringLiteral("/home/ann/Desktop/mix"), places);
    EXPECT_EQ(onDesktop.current, 1);
    EXPECT_EQ(pathsOf(onDesktop).at(1), QStringLiteral("/home/ann/Desktop/mix"));
}

TEST(FolderChoicesTest, EachPathOnceAndMissingPlacesLeftOut) {
    SystemPlaces places;
    places.desktop = QStringLiteral("/home/bob");
    places.home = QStringLiteral("/home/bob/");
    places.userFolders = {QStringLiteral("/home/bob/Music"), QStringLiteral("/home/bob/Music"), QString()};
    places.root = QStringLiteral("/");
    const auto home = folderChoices(QStringLiteral("/home/bob"), places);
    EXPECT_EQ(pathsOf(home), (QStringList{"/home/bob", "/home/bob/Music", "/"}));
    EXPECT_EQ(home.current, 0) << "with no desktop folder the home folder is the desktop";

    // A name sharing a place's beginning is not inside it.
    const auto sibling = folderChoices(QStringLiteral("/home/bobby"), places);
    EXPECT_EQ(pathsOf(sibling), (QStringList{"/home/bob", "/home/bob/Music", "/", "/home", "/home/bobby"}));
    EXPECT_EQ(sibling.current, 4);

    EXPECT_EQ(folderChoices(QString(), places).current, 0);
}

TEST(FolderChoicesTest, OnlyMountsAUserKeepsFilesOnAreOffered) {
    using FolderBrowsing::isUserMount;
    for (const char* user : {"/media/ann/STICK", "/mnt/backup", "/run/media/ann/CARD", "/data", "/home"})
        EXPECT_TRUE(isUserMount(QLatin1String(user))) << user;
    for (const char* system : {"/", "/boot", "/boot/efi", "/proc", "/sys/fs/cgroup", "/run", "/run/user/1000",
                               "/dev/shm", "/snap/core/1", "/media", "/mnt", "", "/tmp"})
        EXPECT_FALSE(isUserMount(QLatin1String(system))) << system;
}

TEST(FolderChoicesTest, ThePlacesOfThisComputerExistAndStartAtTheDesktop) {
    const SystemPlaces places = FolderBrowsing::systemPlaces();
    EXPECT_EQ(places.desktop, FolderBrowsing::desktopFolder());
    EXPECT_TRUE(QDir(places.desktop).exists());
    EXPECT_EQ(places.root, QDir::rootPath());
    for (const QString& folder : places.userFolders)
        EXPECT_TRUE(QDir(folder).exists()) << folder.toStdString();
    const auto choices = folderChoices(QDir::tempPath(), places);
    EXPECT_EQ(QDir(choices.entries[static_cast<size_t>(choices.current)].path), QDir(QDir::tempPath()));
}

TEST(BrowserViewTest, EachViewCodeHasItsLayoutAndOthersNone) {
    const auto large = FolderBrowsing::viewLayout(0);
    const auto small = FolderBrowsing::viewLayout(1);
    const auto list = FolderBrowsing::viewLayout(2);
    const auto details = FolderBrowsing::viewLayout(3);
    ASSERT_TRUE(large && small && list && details);
    EXPECT_TRUE(large->icons && large->iconSize == 32 && !large->details);
    EXPECT_TRUE(small->icons && small->iconSize == 16 && !small->details);
    EXPECT_TRUE(!list->icons && list->iconSize == 16 && !list->details);
    EXPECT_TRUE(!details->icons && details->details);
    EXPECT_FALSE(FolderBrowsing::viewLayout(-1));
    EXPECT_FALSE(FolderBrowsing::viewLayout(4));
}

TEST(BrowserNavigationTest, UpOneLevelStopsAtTheTop) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("a/b"));
    EXPECT_EQ(FolderBrowsing::folderAbove(dir.filePath(QStringLiteral("a/b"))), QDir(dir.filePath("a")).absolutePath());
    EXPECT_FALSE(FolderBrowsing::folderAbove(QDir::rootPath()));
    EXPECT_FALSE(FolderBrowsing::folderAbove(QString()));
}

TEST(BrowserNavigationTest, ANewFolderTakesTheFirstFreeName) {
    QSet<QString> taken;
    const auto isTaken = [&taken](const QString& name) { return taken.contains(name); };
    EXPECT_EQ(FolderBrowsing::newFolderName(isTaken), QStringLiteral("New Folder"));
    taken = {QStringLiteral("New Folder"), QStringLiteral("New Folder (2)"), QStringLiteral("New Folder (4)")};
    EXPECT_EQ(FolderBrowsing::newFolderName(isTaken), QStringLiteral("New Folder (3)"));
}

} // namespace
