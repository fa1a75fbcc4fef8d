#pragma once

#include "core/settings/AppContext.h"

#include <QMainWindow>
#include <QRect>
#include <functional>
#include <memory>
#include <optional>

class ConversionListPanel;
class ConvertGroup;
class FormatDialogs;
class ListPreviewRows;
class MirrorDialog;
class FormatBoxes;
class FormatOptionsPane;
class PlayerBar;
class ProfileBox;
class QMenu;
class ShellBrowser;
class PlacementKeeper;
class AboutBox;
class ProgressWindow;
class TagEditorWindow;
class OptionsDialog;
class WavOptionsDialog;
class Mp3OptionsDialog;
class OggVorbisOptionsDialog;
struct BatchOrder;
struct ClosingState;

namespace Ui {
class MainWindow;
}

// The dialogs the main window's commands show, made before it; the main window owns them once it exists.
struct MainWindowDialogs {
    OptionsDialog& options;
    AboutBox& about;
    ProgressWindow& progress;
    TagEditorWindow& tagEditor;
    WavOptionsDialog& wavOptions;
    Mp3OptionsDialog& mp3Options;
    OggVorbisOptionsDialog& oggVorbisOptions;
};

// The main window: assembles the source browser, the conversion list, the output formats, the player and the
// convert group, and runs the start-up and the close of the program's state. Each panel connects its own controls;
// the main window carries the menus and the commands that reach across panels.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static const QString SupportAddress;

    MainWindow(AppContext& context, const MainWindowDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] ShellBrowser& browser() { return *browser_; }
    [[nodiscard]] ConversionListPanel& conversionList() { return *list_; }
    [[nodiscard]] FormatBoxes& formatBoxes() { return *formatBoxes_; }
    [[nodiscard]] FormatOptionsPane& formatOptions() { return *formatOptions_; }
    [[nodiscard]] PlayerBar& playerBar() { return *player_; }
    [[nodiscard]] ConvertGroup& convertGroup() { return *convert_; }
    [[nodiscard]] ProfileBox& profileBox() { return *profiles_; }
    [[nodiscard]] MirrorDialog& mirrorDialog() { return *mirror_; }

    // The batch order the controls stand for now, without sources (see OrderFromControls.h).
    [[nodiscard]] BatchOrder orderFromControls() const;

public slots:
    void showOptions();
    void toggleFormatOptionsPane();
    void showTagEditorForSelection();
    void startConversion();
    // Action ▸ "Mirror a Folder…": asks how, then mirrors the folder through the progress window and tells the count.
    void mirrorFolder();
    void openHelp();
    void emailSupport();
    void showAbout();
    // The list pop-up's "Audio File Info": opens the editor only when a row is selected.
    void showTagEditorForSelectedRow();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void assemblePanels();
    void setUpMenus();
    void addPopupCommand(const QString& name, const QString& text, const std::function<void()>& command);
    void startUp();
    void loadSettings();
    void restoreLastState();
    void saveClosingState();
    void formatOptionsPaneToggled();
    void showOptionsPane(bool show);
    [[nodiscard]] ClosingState closingState() const;
    template <typename Action> void run(Action&& action);
    void wireBatch();
    void withdrawRowsFromBatch(int first, int last, bool uncheckedOnly);
    // False, after telling the user, when a running batch reads or writes the file.
    [[nodiscard]] bool tagsEditable(const QString& file);
    void wireProfiles();

    std::unique_ptr<Ui::MainWindow> ui;
    AppContext& context_;
    MainWindowDialogs dialogs_;
    ShellBrowser* browser_ = nullptr;
    ConversionListPanel* list_ = nullptr;
    FormatBoxes* formatBoxes_ = nullptr;
    FormatOptionsPane* formatOptions_ = nullptr;
    PlayerBar* player_ = nullptr;
    ConvertGroup* convert_ = nullptr;
    ProfileBox* profiles_ = nullptr;
    MirrorDialog* mirror_ = nullptr;
    QMenu* listPopupMenu_ = nullptr;
    PlacementKeeper* placement_ = nullptr;
    std::unique_ptr<ListPreviewRows> previewRows_;
    [[nodiscard]] QRect restingRect() const;

    // What opening the options pane did to the window, undone when it closes.
    struct PaneGrowth {
        QSize added;      // to the window's size
        QPoint startedAt; // the window's position before it opened
        QPoint placedAt;  // where it moved the window to keep it on its screen
    };
    std::optional<PaneGrowth> paneGrowth_;
    // The rectangle a closing pane gives back, until the window has taken it.
    std::optional<QRect> closingTo_;
    bool shownOnce_ = false;
    // The user chose to exit while a batch ran: the window closes once the cancelled batch is over.
    bool closeAfterBatch_ = false;
};
