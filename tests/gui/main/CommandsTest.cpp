#include "ShellTestFixture.h"
#include "gui/about/AboutBox.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/tags/TagEditorWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

using CommandsTest = ShellTest;

TEST_F(CommandsTest, HelpAndSupportGoThroughTheShell) {
    auto windows = start();
    MainControls(*windows->main).helpContentsAction->trigger();
    MainControls(*windows->main).emailSupportAction->trigger();
    EXPECT_EQ(shell.opened, (QStringList{locations.programFolder + QStringLiteral("Tonalith.html"),
                                         QStringLiteral("mailto:support@tonalith.example")}));
}

TEST_F(CommandsTest, AboutBoxShowsNameVersionAndOpensTheProductPage) {
    auto windows = start();
    AboutBox& about = *windows->about;
    EXPECT_EQ(about.size(), QSize(343, 177));
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        texts.append(label->text());
    EXPECT_TRUE(texts.contains(QStringLiteral("Tonalith  V2.23")));
    about.open();
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("okButton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    about.openProductPage();
    EXPECT_EQ(shell.opened, QStringList{AboutBox::ProductPage});
    ok->click();
    EXPECT_FALSE(about.isVisible());
}

TEST_F(CommandsTest, ExitClosesTheMainWindowAndTheOptionsPaneFollowsItsSwitches) {
    auto windows = start();
    MainWindow& main = *windows->main;
    MainControls form(main);
    main.show();
    QWidget& pane = main.formatOptions();
    EXPECT_FALSE(pane.isVisible()) << "the options pane is hidden at start";
    form.formatOptionsPaneAction->trigger();
    EXPECT_TRUE(form.formatOptionsPaneCheck->isChecked());
    EXPECT_TRUE(form.formatOptionsPaneAction->isChecked());
    EXPECT_TRUE(pane.isVisible());
    EXPECT_GT(form.optionsPaneSplitter->sizes().at(1), 0);
    form.formatOptionsPaneCheck->click();
    EXPECT_FALSE(pane.isVisible());
    EXPECT_TRUE(form.formatOptionsPaneAction->isChecked()) << "the box alone leaves the menu mark";

    form.exitAction->trigger();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(QFileInfo::exists(locations.settingsPath));
}

TEST_F(CommandsTest, OutputFolderButtonUsesTheFolderPicker) {
    auto windows = start();
    MainControls form(*windows->main);
    form.outputFolderEdit->setText(QStringLiteral("/kept"));
    form.chooseFolderButton->click();
    EXPECT_EQ(form.outputFolderEdit->text(), QStringLiteral("/kept")) << "cancelling changes nothing";
    prompts.folderAnswers.push_back(QStringLiteral("/chosen"));
    form.chooseFolderButton->click();
    EXPECT_EQ(form.outputFolderEdit->text(), QStringLiteral("/chosen"));
    EXPECT_EQ(prompts.count(QStringLiteral("folder|Select an output folder")), 2);
}

} // namespace

namespace {

// The editor is modal: a quick timer closes it whenever it shows and counts how often it did.
struct ModalCounter {
    explicit ModalCounter(QDialog& dialog) {
        QObject::connect(&timer, &QTimer::timeout, &dialog, [this, &dialog] {
            if (dialog.isVisible()) {
                ++shown;
                dialog.reject();
            }
        });
        timer.start(5);
    }
    QTimer timer;
    int shown = 0;
};

TEST_F(CommandsTest, TagEditorOpensFromItsButtonAndMenuItemAndFromThePopupOnlyWithARow) {
    auto windows = start();
    MainWindow& main = *windows->main;
    ModalCounter editor(*windows->tagEditor);
    main.findChild<QPushButton*>(QStringLiteral("tagEditorButton"))->click();
    EXPECT_EQ(editor.shown, 1);
    auto* menuItem = main.findChild<QAction*>(QStringLiteral("tagEditorAction"));
    ASSERT_NE(menuItem, nullptr);
    EXPECT_EQ(menuItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    menuItem->trigger();
    EXPECT_EQ(editor.shown, 2);
    ASSERT_EQ(main.conversionList().selectedRow(), -1);
    main.findChild<QAction*>(QStringLiteral("rowTagEditorAction"))->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.shown, 2);
    EXPECT_TRUE(prompts.shown.isEmpty());
}

} // namespace
