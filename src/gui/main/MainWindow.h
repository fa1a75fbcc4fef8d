#pragma once

#include "core/settings/AppContext.h"

#include <QMainWindow>
#include <memory>

class ConversionListPanel;
class ConvertGroup;
class FormatDialogs;
class ListPreviewRows;
class FormatBoxes;
class FormatOptionsPane;
class PlayerBar;
class QMenu;
class ShellBrowser;
class PlacementKeeper;
class AboutBox;
class ProgressWindow;
class TagEditorWindow;
class OptionsDialog;
struct ClosingState;

namespace Ui {
class MainWindow;
}

// The dialogs made after the main window that its commands show.
struct MainWindowDialogs {
    OptionsDialog* options = nullptr;
    AboutBox* about = nullptr;
    ProgressWindow* convert = nullptr;
    TagEditorWindow* id3editor = nullptr;
};

// The main window: assembles the source browser, the conversion list, the output formats, the player and the
// convert group, and runs the start-up and the close of the program's state.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static const QString SupportAddress;

    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setDialogs(const MainWindowDialogs& dialogs);

    [[nodiscard]] ShellBrowser& browser() { return *browser_; }
    [[nodiscard]] ConversionListPanel& conversionList() { return *list_; }
    [[nodiscard]] FormatBoxes& formatBoxes() { return *formatBoxes_; }
    [[nodiscard]] FormatOptionsPane& formatOptions() { return *formatOptions_; }
    [[nodiscard]] PlayerBar& playerBar() { return *player_; }
    [[nodiscard]] ConvertGroup& convertGroup() { return *convert_; }

public slots:
    // Main menu
    void Add2Click();
    void Remove2Click();
    void RemoveAll1Click();
    void Exit2Click();
    void Exit1Click();
    void FormatOptionsPanel1Click();
    void button_id3editorClick();
    void cmd_begin_writeClick();
    void HelpContents1Click();
    void EmailSupport1Click();
    void About1Click();
    // Conversion list pop-up
    void MP3ID3Tag1Click();
    void ListView1DblClick();
    // Source browser
    void combo_filterChange();
    void UpOneLevelBtnClick();
    void DeleteBtnClick();
    void ViewBtnClick(int viewCode);
    void Paste1Click();
    void NewFolder2MitmClick();
    void Properties1MitmClick();
    void spSkinButton8Click();
    // Output format panel
    void SetOthersFormats();
    void ch_formatpanelClick();
    // Player
    void button_playClick();
    void button_stopClick();
    void spSkinButton1Click();
    void spSkinButton5Click();
    void track_playMouseDown();
    void track_playMouseUp();
    void track_volumeChange();
    void AudioPlayer1EndBlockPlay();
    void AudioPlayer1EndPlay();
    void AudioPlayer1Timer(qint64 currentSamples, int levelLeft, int levelRight);
    void AudioPlayer1RequestOnLoadArray();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void assemblePanels();
    void setUpMenus();
    void addPopupCommand(const QString& name, const QString& text, void (MainWindow::*slot)());
    void FormCreate();
    void loadSettings();
    void restoreLastState();
    // Saves the last state; always lets the window close.
    bool FormCloseQuery();
    void showOptionsPane(bool show);
    [[nodiscard]] ClosingState closingState() const;
    template <typename Action> void run(Action&& action);
    void wireBatch();

    std::unique_ptr<Ui::MainWindow> ui;
    AppContext& context_;
    MainWindowDialogs dialogs_;
    ShellBrowser* browser_ = nullptr;
    ConversionListPanel* list_ = nullptr;
    FormatBoxes* formatBoxes_ = nullptr;
    FormatOptionsPane* formatOptions_ = nullptr;
    PlayerBar* player_ = nullptr;
    ConvertGroup* convert_ = nullptr;
    QMenu* PopupMenu1 = nullptr;
    PlacementKeeper* Position1 = nullptr;
    std::unique_ptr<ListPreviewRows> previewRows_;
};
