#include "core/profiles/ProfileChooser.h"
#include "fakes/FakePrompts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kWmaProfiles = 30;

BatchOrder orderWithJobs(int jobs) {
    BatchOrder order;
    order.formats = {OutputFormat::Flac};
    order.jobs = jobs;
    return order;
}

class ProfileChooserTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("profiles"));
    FakePrompts prompts;
    ProfileStore store{folder};

    ProfileChooser chooser() { return ProfileChooser(folder, prompts, kWmaProfiles); }
    void appendToFile(const QString& name, const QByteArray& text) {
        QFile file(QDir(folder).filePath(name + QStringLiteral(".ini")));
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_EQ(file.write(text), text.size());
    }
};

TEST_F(ProfileChooserTest, ListsCurrentSettingsFirstThenTheProfilesAndChoosesThem) {
    EXPECT_EQ(chooser().items(), QStringList{ProfileChooser::currentSettingsItem()}) << "no folder yet";
    store.save(QStringLiteral("phone"), orderWithJobs(2));
    store.save(QStringLiteral("Archive"), orderWithJobs(3));
    ProfileChooser profiles = chooser();
    EXPECT_EQ(profiles.items(),
              (QStringList{ProfileChooser::currentSettingsItem(), QStringLiteral("Archive"), QStringLiteral("phone")}));
    EXPECT_EQ(profiles.chosenItem(), 0);
    EXPECT_FALSE(profiles.canDelete());

    const std::optional<BatchOrder> chosen = profiles.choose(2);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->jobs, 2);
    EXPECT_EQ(profiles.chosenItem(), 2);
    EXPECT_TRUE(profiles.canDelete());
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join('\n').toStdString();

    EXPECT_FALSE(profiles.choose(0)) << "the current settings leave the controls as they are";
    EXPECT_EQ(profiles.chosenItem(), 0);
    EXPECT_FALSE(profiles.canDelete());
}

TEST_F(ProfileChooserTest, SaveAsAsksAgainForARefusedNameAndReplacesOnlyWhenTheUserAgrees) {
    store.save(QStringLiteral("Phone"), orderWithJobs(1));
    ProfileChooser profiles = chooser();
    ASSERT_TRUE(profiles.choose(1));
    prompts.textAnswers = {QStringLiteral("a/b"), QStringLiteral("  Phone "), QStringLiteral("Phone")};
    prompts.confirmAnswers = {false, true};
    EXPECT_TRUE(profiles.saveAs(orderWithJobs(5)));
    ASSERT_EQ(prompts.count(QStringLiteral("text|Save Profile|Profile name:|")), 3);
    EXPECT_TRUE(prompts.shown.first().endsWith(QStringLiteral("|Phone"))) << "the chosen profile's name is offered";
    EXPECT_EQ(prompts.icons.count(Prompts::Icon::Error), 1) << "a name with a separator is explained";
    EXPECT_EQ(prompts.count(QStringLiteral("already exists. Replace it?")), 2);
    EXPECT_EQ(store.load(QStringLiteral("Phone")).order.jobs, 5);
    EXPECT_EQ(profiles.chosenItem(), 1);

    prompts.textAnswers = {QStringLiteral("Archive")};
    EXPECT_TRUE(profiles.saveAs(orderWithJobs(7)));
    EXPECT_EQ(profiles.items().at(profiles.chosenItem()), QStringLiteral("Archive"));
    EXPECT_EQ(store.load(QStringLiteral("Archive")).order.jobs, 7);

    prompts.textAnswers.clear();
    EXPECT_FALSE(profiles.saveAs(orderWithJobs(9))) << "cancelled";
    EXPECT_EQ(store.names(), (QStringList{QStringLiteral("Archive"), QStringLiteral("Phone")}));
}

TEST_F(ProfileChooserTest, DeleteAsksFirstAndThenChoosesTheCurrentSettings) {
    store.save(QStringLiteral("Phone"), orderWithJobs(1));
    ProfileChooser profiles = chooser();
    EXPECT_FALSE(profiles.deleteChosen()) << "nothing to delete on the current settings";
    EXPECT_TRUE(prompts.shown.isEmpty());
    ASSERT_TRUE(profiles.choose(1));
    prompts.confirmAnswers = {false, true};
    EXPECT_FALSE(profiles.deleteChosen());
    EXPECT_TRUE(store.contains(QStringLiteral("Phone")));
    EXPECT_TRUE(profiles.deleteChosen());
    EXPECT_EQ(prompts.count(QStringLiteral("Delete Profile|Delete the profile \"Phone\"?")), 2);
    EXPECT_FALSE(store.contains(QStringLiteral("Phone")));
    EXPECT_EQ(profiles.items(), QStringList{ProfileChooser::currentSettingsItem()});
    EXPECT_EQ(profiles.chosenItem(), 0);
}

TEST_F(ProfileChooserTest, ADamagedOrVanishedProfileIsRefusedAndTheChosenItemStays) {
    store.save(QStringLiteral("Good"), orderWithJobs(2));
    store.save(QStringLiteral("Bad"), orderWithJobs(3));
    store.save(QStringLiteral("Gone"), orderWithJobs(4));
    appendToFile(QStringLiteral("Bad"), "\n[batch]\njobs=many\n");
    ProfileChooser profiles = chooser();
    ASSERT_TRUE(profiles.choose(3));  // Good
    EXPECT_FALSE(profiles.choose(1)); // Bad
    ASSERT_EQ(prompts.icons, QList<Prompts::Icon>{Prompts::Icon::Error});
    EXPECT_EQ(profiles.items().at(profiles.chosenItem()), QStringLiteral("Good"));

    store.remove(QStringLiteral("Gone"));
    EXPECT_FALSE(profiles.choose(2)); // Gone
    EXPECT_EQ(prompts.icons.size(), 2);
    EXPECT_FALSE(profiles.items().contains(QStringLiteral("Gone"))) << "the list is read again";
    EXPECT_EQ(profiles.items().at(profiles.chosenItem()), QStringLiteral("Good"));
}

TEST_F(ProfileChooserTest, UnknownKeysAndSettingsWithoutControlsAreNamedInOneWarning) {
    BatchOrder order = orderWithJobs(6);
    order.formatSettings.mp3.preset = 3;
    store.save(QStringLiteral("Newer"), order);
    appendToFile(QStringLiteral("Newer"), "\n[future]\nsparkle=1\n");
    ProfileChooser profiles = chooser();
    const std::optional<BatchOrder> chosen = profiles.choose(1);
    ASSERT_TRUE(chosen) << prompts.shown.join('\n').toStdString();
    EXPECT_EQ(chosen->jobs, 6);
    ASSERT_EQ(prompts.icons, QList<Prompts::Icon>{Prompts::Icon::Warning});
    EXPECT_TRUE(prompts.shown.first().contains(QStringLiteral("future/sparkle")))
        << prompts.shown.first().toStdString();
    EXPECT_TRUE(prompts.shown.first().contains(QStringLiteral("the MP3 preset 3")));
}

} // namespace
