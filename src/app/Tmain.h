#pragma once

#include "Settings.h"
#include "components/ComponentSet.h"
#include "platform/ProgramFolder.h"

#include <QMainWindow>
#include <QPixmap>
#include <memory>
#include <stdexcept>

class IRegistrationTool;
class IShell;
class Prompts;
class QButtonGroup;
class QFileIconProvider;
class QFileSystemModel;
class QMenu;
class TPosition;
class Tabout;
class Toptions;

namespace Ui {
class Tmain;
}

// What the main window needs from outside: the component factory, the system services and where its files are.
struct MainWindowServices {
    IComponentSetFactory& components;
    IRegistrationTool& registration;
    IShell& shell;
    Prompts& prompts;
    ProgramLocations locations;
};

// Raised by the main window's start-up when the components cannot be made even after the repair; the user has
// been told, and the program ends.
class StartupAborted : public std::runtime_error {
public:
    StartupAborted() : std::runtime_error("components could not be created") {}
};

// The dialogs made after the main window that its commands show.
struct MainWindowDialogs {
    Toptions* options = nullptr;
    Tabout* about = nullptr;
};

// The main window: owns the component set, the settings and the last state, and hosts the browser, the conversion
// list, the output format panel, the player and the convert controls.
class Tmain : public QMainWindow {
    Q_OBJECT
public:
    static const QString SupportAddress;

    // Builds the window and runs its start-up. Throws StartupAborted when the components cannot be made.
    explicit Tmain(const MainWindowServices& services, QWidget* parent = nullptr);
    ~Tmain() override;

    void setDialogs(const MainWindowDialogs& dialogs) { dialogs_ = dialogs; }

    [[nodiscard]] Ui::Tmain& form() { return *ui; }
    [[nodiscard]] ComponentSet& components() { return *components_; }
    [[nodiscard]] SettingsStore& settings() { return settings_; }
    [[nodiscard]] const ProgramLocations& locations() const { return locations_; }
    [[nodiscard]] const QPixmap& dragPicture() const { return dragPicture_; }

    // The source browser's folder, and whether it shows the desktop (the combo's first entry).
    [[nodiscard]] QString browserFolder() const;
    [[nodiscard]] bool browserShowsDesktop() const;
    void setBrowserFolder(const QString& folder);
    [[nodiscard]] QString browserFilter() const { return browserFilter_; }

    // Output format panel values.
    [[nodiscard]] int sampleRate() const { return sampleRate_; }
    [[nodiscard]] int channelCount() const { return channelCount_; }
    [[nodiscard]] int g723Bits() const { return g723Bits_; }
    [[nodiscard]] int g726Bits() const { return g726Bits_; }

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
    void spSkinButton8Click();
    // Output format panel
    void SetOthersFormats();
    void ch_formatpanelClick();
    // Player
    void button_playClick();
    void button_stopClick();
    void spSkinButton1Click();
    void spSkinButton5Click();
    void track_volumeChange();
    void AudioPlayer1EndBlockPlay();
    void AudioPlayer1EndPlay();
    void AudioPlayer1Timer(qint64 currentSamples, int levelLeft, int levelRight);
    void AudioPlayer1RequestOnLoadArray();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    // Saves the last state; always lets the window close.
    bool FormCloseQuery();

    void createComponents();
    void bindPlayerEvents();
    void setUpFormatPanel();
    void setUpPlayer();
    void loadSettings();
    void restoreLastState();
    void finishStartup();
    void setUpBrowser();
    void setUpMenus();
    void connectControls();
    void showOptionsPane(bool show);
    [[nodiscard]] ClosingState closingState() const;

    std::unique_ptr<Ui::Tmain> ui;
    IComponentSetFactory& componentFactory_;
    IRegistrationTool& registration_;
    IShell& shell_;
    Prompts& prompts_;
    ProgramLocations locations_;
    SettingsStore settings_;
    MainWindowDialogs dialogs_;
    std::unique_ptr<ComponentSet> components_;
    TPosition* Position1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QButtonGroup* viewButtons_ = nullptr;
    std::unique_ptr<QFileIconProvider> iconProvider_;
    std::unique_ptr<QFileSystemModel> browserModel_; // after its icon provider, which must outlive it
    QString browserFilter_;
    QPixmap dragPicture_;

    int sampleRate_ = 44100;
    int channelCount_ = 2;
    int g723Bits_ = 5;
    int g726Bits_ = 4;

    bool playing_ = false;
    bool dragging_ = false;
    int seekOffset_ = 0;
    int blockLength_ = 0;
};
