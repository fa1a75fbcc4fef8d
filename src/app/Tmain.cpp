#include "Tmain.h"

#include "ConversionListPanel.h"
#include "ListPreviewRows.h"
#include "Settings.h"
#include "TPosition.h"
#include "Toptions.h"
#include "convert/ConvertGroup.h"
#include "convert/Tconvert.h"
#include "formats/FormatBoxes.h"
#include "formats/FormatOptionsPane.h"
#include "platform/IniFile.h"
#include "platform/Shell.h"
#include "player/PlayerBar.h"
#include "tags/Tid3editor.h"
#include "ui/Accessibility.h"
#include "ui/BrowserFolders.h"
#include "ui/ErrorReport.h"
#include "ui/ShellBrowser.h"
#include "ui/Tabout.h"
#include "ui_Tmain.h"

#include <QCloseEvent>
#include <QDir>
#include <QMenu>

const QString Tmain::SupportAddress = QStringLiteral("support@tonalith.example");

Tmain::Tmain(AppContext& context, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Tmain>()), context_(context) {
    ui->setupUi(this);
    assemblePanels();
    setUpMenus();
    ui->PTSplitter2->setSizes({170, height() - 170});
    showOptionsPane(false);
    nameControlsForAccessibility(*this);

    Position1 = new TPosition(*this, context_.locations.placementPath, context_.prompts);
    Position1->restore();
    FormCreate();
}

Tmain::~Tmain() {
    Position1->save();
}

template <typename Action> void Tmain::run(Action&& action) {
    guarded(context_.prompts, std::forward<Action>(action));
}

void Tmain::assemblePanels() {
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
    connect(list_, &ConversionListPanel::rowDoubleClicked, this, &Tmain::ListView1DblClick);
    connectGuarded(prompts, ui->button_id3editor, &QPushButton::clicked, this,
                   [this](bool) { button_id3editorClick(); });
    connectGuarded(prompts, ui->ch_formatpanel, &QCheckBox::clicked, this, [this](bool) { ch_formatpanelClick(); });
}

void Tmain::setUpMenus() {
    const std::pair<QAction*, void (Tmain::*)()> commands[] = {
        {ui->Add2, &Tmain::Add2Click},
        {ui->Remove2, &Tmain::Remove2Click},
        {ui->RemoveAll1, &Tmain::RemoveAll1Click},
        {ui->Exit2, &Tmain::Exit2Click},
        {ui->Exit1, &Tmain::Exit1Click},
        {ui->FormatOptionsPanel1, &Tmain::FormatOptionsPanel1Click},
        {ui->AudioFileInfoEditor1, &Tmain::button_id3editorClick},
        {ui->Convert1, &Tmain::cmd_begin_writeClick},
        {ui->HelpContents1, &Tmain::HelpContents1Click},
        {ui->EmailSupport1, &Tmain::EmailSupport1Click},
        {ui->About1, &Tmain::About1Click}};
    for (const auto& [action, slot] : commands)
        connectGuarded(context_.prompts, action, &QAction::triggered, this, [this, slot](bool) { (this->*slot)(); });

    // The list's pop-up shares Add, Remove and Clear with the main menu, shortcuts included.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(ui->Add2);
    PopupMenu1->addAction(ui->Remove2);
    PopupMenu1->addAction(ui->RemoveAll1);
    PopupMenu1->addSeparator();
    addPopupCommand(QStringLiteral("Play1"), QStringLiteral("Play"), &Tmain::button_playClick);
    addPopupCommand(QStringLiteral("Stop1"), QStringLiteral("Stop"), &Tmain::button_stopClick);
    PopupMenu1->addSeparator();
    addPopupCommand(QStringLiteral("MP3ID3Tag1"), QStringLiteral("Audio File Info"), &Tmain::MP3ID3Tag1Click);
    list_->setPopupMenu(PopupMenu1);
}

void Tmain::addPopupCommand(const QString& name, const QString& text, void (Tmain::*slot)()) {
    QAction* action = PopupMenu1->addAction(text);
    action->setObjectName(name);
    connectGuarded(context_.prompts, action, &QAction::triggered, this, [this, slot](bool) { (this->*slot)(); });
}

// --- start-up ---------------------------------------------------------------------------------------------------

// Each step runs on its own: one the components refuse is reported, and the window is still useful without it.
void Tmain::FormCreate() {
    player_->bindPlayerEvents();
    formatOptions_->fillFromWriter();
    player_->setUpPlayer();
    loadSettings();
    restoreLastState();
    list_->loadDragPicture();
}

void Tmain::loadSettings() {
    context_.settings.load();
    convert_->setOutputFolder(context_.settings.values().defaultFolder);
}

void Tmain::restoreLastState() {
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

void Tmain::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

ClosingState Tmain::closingState() const {
    ClosingState state;
    for (const OutputFormatFacts& facts : outputFormatTable())
        state.formats[static_cast<size_t>(facts.format)] = formatBoxes_->isChecked(facts.format);
    state.currentFolder = browser_->showsDesktop() ? DesktopFolderMarker : browser_->folder();
    state.currentFilter = browser_->filterIndex();
    return state;
}

bool Tmain::FormCloseQuery() {
    try {
        context_.settings.storeClosingState(closingState());
    } catch (const IniWriteError& error) {
        // The user hears why the state is lost, but is never kept from closing the program.
        context_.prompts.reportError(error.message());
    }
    return true;
}

// --- commands ---------------------------------------------------------------------------------------------------

void Tmain::Exit2Click() {
    if (dialogs_.options)
        dialogs_.options->exec();
}

void Tmain::Exit1Click() {
    close();
}

void Tmain::HelpContents1Click() {
    context_.shell.open(context_.locations.programFolder + QStringLiteral("Tonalith.html"));
}

void Tmain::EmailSupport1Click() {
    context_.shell.open(QStringLiteral("mailto:") + SupportAddress);
}

void Tmain::About1Click() {
    if (dialogs_.about)
        dialogs_.about->exec();
}

void Tmain::showOptionsPane(bool show) {
    const int outerWidth = frameGeometry().width();
    const int total = ui->PTSplitter1->width();
    ui->PTSplitter1->setSizes(show ? QList<int>{outerWidth - 360, total - (outerWidth - 360)} : QList<int>{total, 0});
}

void Tmain::ch_formatpanelClick() {
    showOptionsPane(ui->ch_formatpanel->isChecked());
    // The pane sets formats on the writer instance the preview reads through: the preview stops, selected row or not.
    if (ui->ch_formatpanel->isChecked())
        run([this] { player_->stopPreview(); });
}

void Tmain::FormatOptionsPanel1Click() {
    const bool show = !ui->ch_formatpanel->isChecked();
    ui->FormatOptionsPanel1->setChecked(show);
    ui->ch_formatpanel->setChecked(show);
    ch_formatpanelClick();
}

void Tmain::setDialogs(const MainWindowDialogs& dialogs) {
    dialogs_ = dialogs;
    wireBatch();
}

// A batch takes the checked rows, the chosen formats, the panel's values and the batch preferences as they are when
// it starts; a batch that runs on workers also takes a copy of the option dialogs' choices.
void Tmain::wireBatch() {
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

void Tmain::Add2Click() {
    run([this] { list_->Add2Click(); });
}
void Tmain::Remove2Click() {
    run([this] { list_->Remove2Click(); });
}
void Tmain::RemoveAll1Click() {
    run([this] { list_->RemoveAll1Click(); });
}
void Tmain::cmd_begin_writeClick() {
    run([this] { convert_->cmd_begin_writeClick(); });
}
void Tmain::combo_filterChange() {
    run([this] { browser_->combo_filterChange(); });
}
void Tmain::UpOneLevelBtnClick() {
    run([this] { browser_->UpOneLevelBtnClick(); });
}
void Tmain::DeleteBtnClick() {
    run([this] { browser_->DeleteBtnClick(); });
}
void Tmain::ViewBtnClick(int viewCode) {
    run([this, viewCode] { browser_->ViewBtnClick(viewCode); });
}
void Tmain::Paste1Click() {
    run([this] { browser_->Paste1Click(); });
}
void Tmain::NewFolder2MitmClick() {
    run([this] { browser_->NewFolder2MitmClick(); });
}
void Tmain::Properties1MitmClick() {
    run([this] { browser_->Properties1MitmClick(); });
}
void Tmain::spSkinButton8Click() {
    run([this] { convert_->spSkinButton8Click(); });
}
void Tmain::SetOthersFormats() {
    run([this] { formatOptions_->SetOthersFormats(); });
}
void Tmain::button_playClick() {
    run([this] { player_->button_playClick(); });
}
void Tmain::button_stopClick() {
    run([this] { player_->button_stopClick(); });
}
void Tmain::spSkinButton1Click() {
    run([this] { player_->spSkinButton1Click(); });
}
void Tmain::spSkinButton5Click() {
    run([this] { player_->spSkinButton5Click(); });
}
void Tmain::track_playMouseDown() {
    run([this] { player_->track_playMouseDown(); });
}
void Tmain::track_playMouseUp() {
    run([this] { player_->track_playMouseUp(); });
}
void Tmain::track_volumeChange() {
    run([this] { player_->track_volumeChange(); });
}
void Tmain::AudioPlayer1EndBlockPlay() {
    run([this] { player_->AudioPlayer1EndBlockPlay(); });
}
void Tmain::AudioPlayer1EndPlay() {
    run([this] { player_->AudioPlayer1EndPlay(); });
}
void Tmain::AudioPlayer1Timer(qint64 samples, int left, int right) {
    run([&] { player_->AudioPlayer1Timer(samples, left, right); });
}
void Tmain::AudioPlayer1RequestOnLoadArray() {
    run([this] { player_->AudioPlayer1RequestOnLoadArray(); });
}

void Tmain::button_id3editorClick() {
    run([this] { dialogs_.id3editor->showFor(list_->selectedFullName()); });
}
void Tmain::MP3ID3Tag1Click() {
    run([this] {
        if (const std::optional<QString> file = list_->selectedFullName())
            dialogs_.id3editor->showFor(file);
    });
}
void Tmain::ListView1DblClick() {
    run([this] { player_->button_playClick(); });
}
