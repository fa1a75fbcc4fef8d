#include "MainWindow.h"

#include "core/platform/IniFile.h"
#include "core/platform/Shell.h"
#include "core/settings/Settings.h"
#include "gui/about/AboutBox.h"
#include "gui/batch/ConvertGroup.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/browser/BrowserFolders.h"
#include "gui/browser/ShellBrowser.h"
#include "gui/common/Accessibility.h"
#include "gui/common/ErrorReport.h"
#include "gui/common/PlacementKeeper.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/list/ConversionListPanel.h"
#include "gui/list/ListPreviewRows.h"
#include "gui/options/OptionsDialog.h"
#include "gui/player/PlayerBar.h"
#include "gui/tags/TagEditorWindow.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QMenu>

const QString MainWindow::SupportAddress = QStringLiteral("support@tonalith.example");

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), context_(context) {
    ui->setupUi(this);
    assemblePanels();
    setUpMenus();
    ui->PTSplitter2->setSizes({170, height() - 170});
    showOptionsPane(false);
    nameControlsForAccessibility(*this);

    Position1 = new PlacementKeeper(*this, context_.locations.placementPath, context_.prompts);
    Position1->restore();
    FormCreate();
}

MainWindow::~MainWindow() {
    Position1->save();
}

template <typename Action> void MainWindow::run(Action&& action) {
    guarded(context_.prompts, std::forward<Action>(action));
}

void MainWindow::assemblePanels() {
    Prompts& prompts = context_.prompts;
    browser_ = new ShellBrowser(prompts);
    ui->PTSplitter2->insertWidget(0, browser_);
    list_ = new ConversionListPanel(context_);
    ui->ListRowLayout->addWidget(list_);
    formatBoxes_ = new FormatBoxes;
    ui->ListRowLayout->addWidget(formatBoxes_);
    player_ = new PlayerBar(context_.components, prompts);
    ui->ControlStripLayout->insertWidget(0, player_);
    previewRows_ = std::make_unique<ListPreviewRows>(*list_);
    player_->attachRows(*previewRows_);
    convert_ = new ConvertGroup(prompts);
    ui->ControlStripLayout->insertWidget(1, convert_);
    formatOptions_ = new FormatOptionsPane(context_.components, prompts);
    ui->PTSplitter1->addWidget(formatOptions_);
    connect(list_, &ConversionListPanel::rowDoubleClicked, this, &MainWindow::ListView1DblClick);
    connectGuarded(prompts, ui->button_id3editor, &QPushButton::clicked, this,
                   [this](bool) { button_id3editorClick(); });
    connectGuarded(prompts, ui->ch_formatpanel, &QCheckBox::clicked, this, [this](bool) { ch_formatpanelClick(); });
}

void MainWindow::setUpMenus() {
    const std::pair<QAction*, void (MainWindow::*)()> commands[] = {
        {ui->Add2, &MainWindow::Add2Click},
        {ui->Remove2, &MainWindow::Remove2Click},
        {ui->RemoveAll1, &MainWindow::RemoveAll1Click},
        {ui->Exit2, &MainWindow::Exit2Click},
        {ui->Exit1, &MainWindow::Exit1Click},
        {ui->FormatOptionsPanel1, &MainWindow::FormatOptionsPanel1Click},
        {ui->AudioFileInfoEditor1, &MainWindow::button_id3editorClick},
        {ui->Convert1, &MainWindow::cmd_begin_writeClick},
        {ui->HelpContents1, &MainWindow::HelpContents1Click},
        {ui->EmailSupport1, &MainWindow::EmailSupport1Click},
        {ui->About1, &MainWindow::About1Click}};
    for (const auto& [action, slot] : commands)
        connectGuarded(context_.prompts, action, &QAction::triggered, this, [this, slot](bool) { (this->*slot)(); });

    // The list's pop-up shares Add, Remove and Clear with the main menu, shortcuts included.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(ui->Add2);
    PopupMenu1->addAction(ui->Remove2);
    PopupMenu1->addAction(ui->RemoveAll1);
    PopupMenu1->addSeparator();
    addPopupCommand(QStringLiteral("Play1"), QStringLiteral("Play"), &MainWindow::button_playClick);
    addPopupCommand(QStringLiteral("Stop1"), QStringLiteral("Stop"), &MainWindow::button_stopClick);
    PopupMenu1->addSeparator();
    addPopupCommand(QStringLiteral("MP3ID3Tag1"), QStringLiteral("Audio File Info"), &MainWindow::MP3ID3Tag1Click);
    list_->setPopupMenu(PopupMenu1);
}

void MainWindow::addPopupCommand(const QString& name, const QString& text, void (MainWindow::*slot)()) {
    QAction* action = PopupMenu1->addAction(text);
    action->setObjectName(name);
    connectGuarded(context_.prompts, action, &QAction::triggered, this, [this, slot](bool) { (this->*slot)(); });
}

// --- start-up ---------------------------------------------------------------------------------------------------

// Each step runs on its own: one the components refuse is reported, and the window is still useful without it.
void MainWindow::FormCreate() {
    player_->bindPlayerEvents();
    formatOptions_->fillFromWriter();
    player_->setUpPlayer();
    loadSettings();
    restoreLastState();
    list_->loadDragPicture();
}

void MainWindow::loadSettings() {
    context_.settings.load();
    convert_->setOutputFolder(context_.settings.values().defaultFolder);
}

void MainWindow::restoreLastState() {
    const Settings& values = context_.settings.values();
    if (!values.saveState)
        return;
    for (const OutputFormatFacts& facts : outputFormatTable()) {
        if (values.format(facts.format))
            formatBoxes_->setChecked(facts.format, true);
    }
    const bool desktop = values.currentFolder.isEmpty() || values.currentFolder == DesktopFolderMarker ||
                         !QDir(values.currentFolder).exists();
    browser_->setFolder(desktop ? desktopFolder() : values.currentFolder);
    browser_->setFilterIndex(values.currentFilter);
}

// --- shutdown ---------------------------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

ClosingState MainWindow::closingState() const {
    ClosingState state;
    for (const OutputFormatFacts& facts : outputFormatTable())
        state.formats[static_cast<size_t>(facts.format)] = formatBoxes_->isChecked(facts.format);
    state.currentFolder = browser_->showsDesktop() ? DesktopFolderMarker : browser_->folder();
    state.currentFilter = browser_->filterIndex();
    return state;
}

bool MainWindow::FormCloseQuery() {
    try {
        context_.settings.storeClosingState(closingState());
    } catch (const IniWriteError& error) {
        // The user hears why the state is lost, but is never kept from closing the program.
        context_.prompts.reportError(error.message());
    }
    return true;
}

// --- commands ---------------------------------------------------------------------------------------------------

void MainWindow::Exit2Click() {
    if (dialogs_.options)
        dialogs_.options->exec();
}

void MainWindow::Exit1Click() {
    close();
}

void MainWindow::HelpContents1Click() {
    context_.shell.open(context_.locations.programFolder + QStringLiteral("Tonalith.html"));
}

void MainWindow::EmailSupport1Click() {
    context_.shell.open(QStringLiteral("mailto:") + SupportAddress);
}

void MainWindow::About1Click() {
    if (dialogs_.about)
        dialogs_.about->exec();
}

void MainWindow::showOptionsPane(bool show) {
    const int outerWidth = frameGeometry().width();
    const int total = ui->PTSplitter1->width();
    ui->PTSplitter1->setSizes(show ? QList<int>{outerWidth - 360, total - (outerWidth - 360)} : QList<int>{total, 0});
}

void MainWindow::ch_formatpanelClick() {
    showOptionsPane(ui->ch_formatpanel->isChecked());
    // The pane sets formats on the writer instance the preview reads through: the preview stops, selected row or not.
    if (ui->ch_formatpanel->isChecked())
        run([this] { player_->stopPreview(); });
}

void MainWindow::FormatOptionsPanel1Click() {
    const bool show = !ui->ch_formatpanel->isChecked();
    ui->FormatOptionsPanel1->setChecked(show);
    ui->ch_formatpanel->setChecked(show);
    ch_formatpanelClick();
}

void MainWindow::setDialogs(const MainWindowDialogs& dialogs) {
    dialogs_ = dialogs;
    wireBatch();
}

// A batch takes the checked rows, the chosen formats, the panel's values and the batch preferences as they are when
// it starts; a batch that runs on workers also takes a copy of the option dialogs' choices.
void MainWindow::wireBatch() {
    BatchWiring wiring;
    wiring.request = [this] {
        BatchRequest request;
        for (const int row : list_->checkedRows()) {
            const ConversionRow& entry = list_->row(row);
            request.sources.push_back({entry.fullName, entry.isAudio() ? SourceKind::Audio : SourceKind::Video});
        }
        request.formats = formatBoxes_->checkedFormats();
        request.panel = formatOptions_->panelValues();
        request.volumePercent = formatOptions_->volumeChange();
        request.copyTags = context_.settings.values().copyTag;
        request.openFolder = context_.settings.values().isOpenFolder;
        request.preferences = context_.settings.values().batch;
        if (!request.preferences.plain())
            request.workerDialogs = formatOptions_->formatDialogs().forOtherComponents();
        return request;
    };
    wiring.stopPreview = [this] { player_->stopPreview(); };
    wiring.window = dialogs_.convert;
    wiring.dialogs = &formatOptions_->formatDialogs();
    convert_->setBatchWiring(std::move(wiring));
}

// --- slots handed on to the panels --------------------------------------------------------------------------------

void MainWindow::Add2Click() {
    run([this] { list_->Add2Click(); });
}
void MainWindow::Remove2Click() {
    run([this] { list_->Remove2Click(); });
}
void MainWindow::RemoveAll1Click() {
    run([this] { list_->RemoveAll1Click(); });
}
void MainWindow::cmd_begin_writeClick() {
    run([this] { convert_->cmd_begin_writeClick(); });
}
void MainWindow::combo_filterChange() {
    run([this] { browser_->combo_filterChange(); });
}
void MainWindow::UpOneLevelBtnClick() {
    run([this] { browser_->UpOneLevelBtnClick(); });
}
void MainWindow::DeleteBtnClick() {
    run([this] { browser_->DeleteBtnClick(); });
}
void MainWindow::ViewBtnClick(int viewCode) {
    run([this, viewCode] { browser_->ViewBtnClick(viewCode); });
}
void MainWindow::Paste1Click() {
    run([this] { browser_->Paste1Click(); });
}
void MainWindow::NewFolder2MitmClick() {
    run([this] { browser_->NewFolder2MitmClick(); });
}
void MainWindow::Properties1MitmClick() {
    run([this] { browser_->Properties1MitmClick(); });
}
void MainWindow::spSkinButton8Click() {
    run([this] { convert_->spSkinButton8Click(); });
}
void MainWindow::SetOthersFormats() {
    run([this] { formatOptions_->showOtherFormatStrings(); });
}
void MainWindow::button_playClick() {
    run([this] { player_->button_playClick(); });
}
void MainWindow::button_stopClick() {
    run([this] { player_->button_stopClick(); });
}
void MainWindow::spSkinButton1Click() {
    run([this] { player_->spSkinButton1Click(); });
}
void MainWindow::spSkinButton5Click() {
    run([this] { player_->spSkinButton5Click(); });
}
void MainWindow::track_playMouseDown() {
    run([this] { player_->track_playMouseDown(); });
}
void MainWindow::track_playMouseUp() {
    run([this] { player_->track_playMouseUp(); });
}
void MainWindow::track_volumeChange() {
    run([this] { player_->track_volumeChange(); });
}
void MainWindow::AudioPlayer1EndBlockPlay() {
    run([this] { player_->AudioPlayer1EndBlockPlay(); });
}
void MainWindow::AudioPlayer1EndPlay() {
    run([this] { player_->AudioPlayer1EndPlay(); });
}
void MainWindow::AudioPlayer1Timer(qint64 samples, int left, int right) {
    run([&] { player_->AudioPlayer1Timer(samples, left, right); });
}
void MainWindow::AudioPlayer1RequestOnLoadArray() {
    run([this] { player_->AudioPlayer1RequestOnLoadArray(); });
}

void MainWindow::button_id3editorClick() {
    run([this] { dialogs_.id3editor->showFor(list_->selectedFullName()); });
}
void MainWindow::MP3ID3Tag1Click() {
    run([this] {
        if (const std::optional<QString> file = list_->selectedFullName())
            dialogs_.id3editor->showFor(file);
    });
}
void MainWindow::ListView1DblClick() {
    run([this] { player_->button_playClick(); });
}
