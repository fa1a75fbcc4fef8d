#include "MainWindow.h"
#include "OrderFromControls.h"

#include "core/batch/MirrorChoices.h"
#include "core/batch/StartRefusal.h"
#include "core/batch/WindowSources.h"
#include "core/platform/IniFile.h"
#include "core/platform/Shell.h"
#include "core/ports/Messages.h"
#include "core/ports/Prompts.h"
#include "core/settings/MirrorSettings.h"
#include "core/settings/Placement.h"
#include "core/settings/Settings.h"
#include "gui/about/AboutBox.h"
#include "gui/batch/ConvertGroup.h"
#include "gui/batch/MirrorDialog.h"
#include "gui/batch/MirrorRun.h"
#include "gui/batch/ProgressWindow.h"
#include "gui/browser/BrowserFolders.h"
#include "gui/browser/ShellBrowser.h"
#include "gui/common/Accessibility.h"
#include "gui/common/ErrorReport.h"
#include "gui/common/PlacementKeeper.h"
#include "gui/common/WindowPlacementHelpers.h"
#include "gui/formats/FormatBoxes.h"
#include "gui/formats/FormatOptionsPane.h"
#include "gui/list/ConversionListPanel.h"
#include "gui/list/ListPreviewRows.h"
#include "gui/options/OptionsDialog.h"
#include "gui/player/PlayerBar.h"
#include "gui/profiles/ProfileBox.h"
#include "gui/profiles/WindowProfiles.h"
#include "gui/tags/TagEditorWindow.h"
#include "ui_MainWindow.h"

#include <QAbstractItemModel>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

const QString MainWindow::SupportAddress = QStringLiteral("support@tonalith.example");

MainWindow::MainWindow(AppContext& context, const MainWindowDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), context_(context), dialogs_(dialogs) {
    ui->setupUi(this);
    assemblePanels();
    setUpMenus();
    wireBatch();
    wireProfiles();
    ui->browserListSplitter->setSizes({170, height() - 170});
    showOptionsPane(false);
    nameControlsForAccessibility(*this);

    placement_ = new PlacementKeeper(*this, context_.locations.placementPath, context_.prompts);
    placement_->setRestingRect([this] { return restingRect(); });
    placement_->restore();
    startUp();
}

MainWindow::~MainWindow() {
    placement_->save();
}

template <typename Action> void MainWindow::run(Action&& action) {
    guarded(context_.prompts, std::forward<Action>(action));
}

void MainWindow::assemblePanels() {
    Prompts& prompts = context_.prompts;
    browser_ = new ShellBrowser(prompts);
    ui->browserListSplitter->insertWidget(0, browser_);
    list_ = new ConversionListPanel(context_);
    ui->ListRowLayout->addWidget(list_);
    // The profile box sits above the format boxes it sets, in the same column, and comes before them in the tab
    // order.
    profiles_ = new ProfileBox(ProfileStore::folderBeside(context_.settings.path()), prompts);
    formatBoxes_ = new FormatBoxes;
    auto* formatColumn = new QVBoxLayout;
    formatColumn->setSpacing(4);
    formatColumn->addWidget(profiles_);
    formatColumn->addWidget(formatBoxes_, 1);
    ui->ListRowLayout->addLayout(formatColumn);
    player_ = new PlayerBar(context_.components, prompts);
    ui->ControlStripLayout->insertWidget(0, player_);
    previewRows_ = std::make_unique<ListPreviewRows>(*list_);
    player_->attachRows(*previewRows_);
    convert_ = new ConvertGroup(prompts);
    // The strip's spare width goes to the convert group, where the output folder's field can show more of a path;
    // the player and the control panel keep what their controls need.
    ui->ControlStripLayout->insertWidget(1, convert_, 1);
    formatOptions_ = new FormatOptionsPane(context_.components, prompts);
    formatOptions_->attachDialogs(dialogs_.wavOptions, dialogs_.mp3Options, dialogs_.oggVorbisOptions);
    ui->optionsPaneSplitter->addWidget(formatOptions_);
    // A double click on a row plays it.
    connect(list_, &ConversionListPanel::rowDoubleClicked, this, [this](int) { run([this] { player_->play(); }); });
    mirror_ = new MirrorDialog(prompts, this);
    mirror_->setProfileFormat([this](const QString& profile) -> std::optional<OutputFormat> {
        const BatchOrder order = ProfileStore(ProfileStore::folderBeside(context_.settings.path())).load(profile).order;
        if (order.formats.empty())
            return std::nullopt;
        return *order.formats.begin();
    });
    connectGuarded(prompts, ui->tagEditorButton, &QPushButton::clicked, this,
                   [this](bool) { showTagEditorForSelection(); });
    // Toggled rather than clicked: a click, the keyboard, the menu and a screen reader's toggle all open the pane.
    connectGuarded(prompts, ui->formatOptionsPaneCheck, &QCheckBox::toggled, this,
                   [this](bool) { formatOptionsPaneToggled(); });
}

void MainWindow::setUpMenus() {
    const std::pair<QAction*, std::function<void()>> commands[] = {
        {ui->addFilesAction, [this] { list_->chooseAndAddFiles(); }},
        {ui->removeFileAction, [this] { list_->removeSelectedRow(); }},
        {ui->clearListAction, [this] { list_->removeAllRows(); }},
        {ui->optionsAction, [this] { showOptions(); }},
        {ui->exitAction, [this] { close(); }},
        {ui->formatOptionsPaneAction, [this] { toggleFormatOptionsPane(); }},
        {ui->tagEditorAction, [this] { showTagEditorForSelection(); }},
        {ui->convertAction, [this] { startConversion(); }},
        {ui->mirrorFolderAction, [this] { mirrorFolder(); }},
        {ui->helpContentsAction, [this] { openHelp(); }},
        {ui->emailSupportAction, [this] { emailSupport(); }},
        {ui->aboutAction, [this] { showAbout(); }}};
    for (const auto& [action, command] : commands)
        connectGuarded(context_.prompts, action, &QAction::triggered, this, [command](bool) { command(); });

    // The list's pop-up shares Add, Remove and Clear with the main menu, shortcuts included.
    listPopupMenu_ = new QMenu(this);
    listPopupMenu_->setObjectName(QStringLiteral("listPopupMenu"));
    listPopupMenu_->addAction(ui->addFilesAction);
    listPopupMenu_->addAction(ui->removeFileAction);
    listPopupMenu_->addAction(ui->clearListAction);
    listPopupMenu_->addSeparator();
    addPopupCommand(QStringLiteral("playRowAction"), tr("Play"), [this] { player_->play(); });
    addPopupCommand(QStringLiteral("stopPlayingAction"), tr("Stop"), [this] { player_->stop(); });
    listPopupMenu_->addSeparator();
    addPopupCommand(QStringLiteral("rowTagEditorAction"), tr("Audio File Info"),
                    [this] { showTagEditorForSelectedRow(); });
    list_->setPopupMenu(listPopupMenu_);
}

void MainWindow::addPopupCommand(const QString& name, const QString& text, const std::function<void()>& command) {
    QAction* action = listPopupMenu_->addAction(text);
    action->setObjectName(name);
    connectGuarded(context_.prompts, action, &QAction::triggered, this, [command](bool) { command(); });
}

// --- start-up ---------------------------------------------------------------------------------------------------

// Each step runs on its own: one the components refuse is reported, and the window is still useful without it.
void MainWindow::startUp() {
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

// Measured again when first shown, when every panel is polished and filled: the sizes the designs give are the
// smallest, never less than what the desktop's font needs.
void MainWindow::showEvent(QShowEvent* event) {
    if (!std::exchange(shownOnce_, true)) {
        raiseSizeLimitsToContent(*this);
        layout()->invalidate();
        resize(size().expandedTo(minimumSizeHint()));
    }
    QMainWindow::showEvent(event);
}

// Closing under a running batch asks first; the batch is then cancelled, and the window closes once it is over, so
// that no output is left half-written by a program that went away.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (dialogs_.progress.batchRunning()) {
        event->ignore();
        if (!closeAfterBatch_ && context_.prompts.confirm(QString(), Messages::CloseDuringBatch())) {
            closeAfterBatch_ = true;
            dialogs_.progress.cancelBatch();
        }
        return;
    }
    closeAfterBatch_ = false;
    saveClosingState();
    event->accept();
}

ClosingState MainWindow::closingState() const {
    ClosingState state;
    for (const OutputFormatFacts& facts : outputFormatTable())
        state.formats[static_cast<size_t>(facts.format)] = formatBoxes_->isChecked(facts.format);
    state.currentFolder = browser_->showsDesktop() ? DesktopFolderMarker : browser_->folder();
    state.currentFilter = browser_->filterIndex();
    return state;
}

// The user hears why the state is lost, but is never kept from closing the program.
void MainWindow::saveClosingState() {
    try {
        context_.settings.storeClosingState(closingState());
    } catch (const IniWriteError& error) {
        context_.prompts.reportError(error.message());
    }
}

// --- commands ---------------------------------------------------------------------------------------------------

void MainWindow::showOptions() {
    dialogs_.options.exec();
}

void MainWindow::openHelp() {
    context_.shell.open(context_.locations.programFolder + QStringLiteral("Tonalith.html"));
}

void MainWindow::emailSupport() {
    context_.shell.open(QStringLiteral("mailto:") + SupportAddress);
}

void MainWindow::showAbout() {
    dialogs_.about.exec();
}

// The pane opens beside the main pane rather than over it: the window grows by the pane's width as far as the screen
// allows, and never so little that the main pane falls below its smallest width. A window that would then reach past
// its screen's edge moves left and up as far as needed. Closing it gives back what opening took, and moves the window
// back where it was unless the user moved it meanwhile. A closed pane is hidden, so neither the keyboard nor a screen
// reader reaches its controls.
void MainWindow::showOptionsPane(bool show) {
    if (show == formatOptions_->isVisibleTo(this) && (show || !paneGrowth_))
        return;
    QSplitter& splitter = *ui->optionsPaneSplitter;
    const QSize startSize = size();
    const int mainPaneWidth = ui->MainPane->width();
    formatOptions_->setVisible(show);
    if (show)
        raiseSizeLimitsToContent(*formatOptions_);
    if (isMaximized() || isFullScreen()) {
        paneGrowth_.reset();
        return;
    }
    if (!show) {
        if (!paneGrowth_)
            return;
        // The window's smallest size counts the pane until its layouts have seen it go, which happens in posted
        // events: the size is given back after them.
        const QRect resting = restingRect();
        paneGrowth_.reset();
        closingTo_ = resting;
        QTimer::singleShot(0, this, [this, resting] {
            closingTo_.reset();
            if (formatOptions_->isVisibleTo(this))
                return;
            layout()->invalidate();
            layout()->activate();
            resize(resting.size().expandedTo(minimumSizeHint()));
            move(resting.topLeft());
        });
        return;
    }
    const int paneWidth = formatOptions_->sizeHint().expandedTo(formatOptions_->minimumSizeHint()).width();
    const int added = paneWidth + splitter.handleWidth();
    const int smallest = ui->MainPane->minimumSizeHint().expandedTo(ui->MainPane->minimumSize()).width();
    const QSize frameExtra = frameGeometry().size() - startSize;
    const QRect screenArea = screen() ? screen()->availableGeometry() : frameGeometry();
    const int wanted = startSize.width() + added;
    const int screenAllows = screen() ? screenArea.width() - frameExtra.width() : wanted;
    const int newWidth = std::max(std::min(wanted, screenAllows), startSize.width() - mainPaneWidth + smallest + added);
    // A pane taller than the window would lay its groups over each other.
    const int paneHeight = formatOptions_->minimumSizeHint().height() + startSize.height() - splitter.height();
    const QSize grown(newWidth, std::max(startSize.height(), paneHeight));
    const QPoint startPosition = pos();
    const QRect kept = keptWithin(QRect(frameGeometry().topLeft(), grown + frameExtra), screenArea);
    paneGrowth_ = PaneGrowth{grown - startSize, startPosition, kept.topLeft()};
    move(kept.topLeft());
    resize(grown);
    splitter.setSizes({splitter.width() - splitter.handleWidth() - paneWidth, paneWidth});
}

// The rectangle the window has without the options pane: what the pane added taken off, and where it stood before the
// pane moved it, as long as nobody moved it since.
QRect MainWindow::restingRect() const {
    if (closingTo_)
        return *closingTo_;
    if (!paneGrowth_)
        return {pos(), size()};
    const QPoint at = pos() == paneGrowth_->placedAt ? paneGrowth_->startedAt : pos();
    return {at, (size() - paneGrowth_->added).expandedTo(QSize(1, 1))};
}

void MainWindow::formatOptionsPaneToggled() {
    showOptionsPane(ui->formatOptionsPaneCheck->isChecked());
    // The pane sets formats on the writer instance the preview reads through: the preview stops, selected row or not.
    if (ui->formatOptionsPaneCheck->isChecked())
        run([this] { player_->stopPreview(); });
}

// The menu sets its own mark and the box; the box alone leaves the menu's mark as it is.
void MainWindow::toggleFormatOptionsPane() {
    const bool show = !ui->formatOptionsPaneCheck->isChecked();
    ui->formatOptionsPaneAction->setChecked(show);
    ui->formatOptionsPaneCheck->setChecked(show);
}

BatchOrder MainWindow::orderFromControls() const {
    return ::orderFromControls({*formatBoxes_, *formatOptions_, dialogs_.wavOptions, dialogs_.mp3Options,
                                dialogs_.oggVorbisOptions, *convert_, context_.settings.values()});
}

// A batch takes the checked rows and the order the controls stand for as they are when it starts.
void MainWindow::wireBatch() {
    BatchWiring wiring;
    wiring.order = [this] {
        BatchOrder order = orderFromControls();
        order.sources = checkedSources(*list_);
        return order;
    };
    wiring.stopPreview = [this] { player_->stopPreview(); };
    wiring.window = &dialogs_.progress;
    wiring.dialogs = &formatOptions_->formatDialogs();
    convert_->setBatchWiring(std::move(wiring));

    // Rows that leave the list, or are unchecked, while a batch runs leave it too, unless their outputs started.
    const QAbstractItemModel& rows = list_->rowModel();
    connect(&rows, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { withdrawRowsFromBatch(first, last, false); });
    connect(&rows, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { withdrawRowsFromBatch(0, list_->rowCount() - 1, false); });
    connect(&rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                withdrawRowsFromBatch(topLeft.row(), bottomRight.row(), true);
            });
    // The editor's own browser reaches files the list does not show: they are checked against the batch too.
    dialogs_.tagEditor.setWriteCheck([this](const QString& file) { return tagsEditable(file); });
    // Files added while a batch runs come in between its blocks, not in one long stretch the batch waits behind.
    connect(&dialogs_.progress, &ProgressWindow::batchStarted, this,
            [this] { list_->addBesideBatch([this] { return !dialogs_.progress.batchPaused(); }); });
    connect(&dialogs_.progress, &ProgressWindow::batchClosed, this, [this] {
        list_->addBesideBatch({});
        if (closeAfterBatch_)
            QTimer::singleShot(0, this, &QWidget::close);
    });
}

void MainWindow::withdrawRowsFromBatch(int first, int last, bool uncheckedOnly) {
    if (!dialogs_.progress.batchRunning())
        return;
    std::vector<BatchSource> leaving;
    for (int row = std::max(first, 0); row <= last && row < list_->rowCount(); ++row) {
        const ConversionRow& listed = list_->row(row);
        if (uncheckedOnly && listed.checked)
            continue;
        for (BatchSource& source : batchSourcesOfRow(listed))
            leaving.push_back(std::move(source));
    }
    if (!leaving.empty())
        dialogs_.progress.withdrawSources(leaving);
}

bool MainWindow::tagsEditable(const QString& file) {
    if (!dialogs_.progress.busyWith(file))
        return true;
    context_.prompts.message(QString(), Messages::TagEditWhileConverting().arg(file), Prompts::Icon::Warning);
    return false;
}

void MainWindow::wireProfiles() {
    const ProfileControls controls{*formatBoxes_,       *formatOptions_,           dialogs_.wavOptions,
                                   dialogs_.mp3Options, dialogs_.oggVorbisOptions, *convert_,
                                   context_.settings,   context_.prompts};
    ProfileWindowSide window;
    window.currentOrder = [this] { return orderFromControls(); };
    // The dialogs' formats go to the writer the preview reads through: the preview stops first.
    window.show = [this, controls](const BatchOrder& order) {
        player_->stopPreview();
        showProfileInControls(controls, order);
    };
    window.wmaProfileCount = [this] { return formatOptions_->wmaProfileCount(); };
    profiles_->connectWindow(std::move(window));
}

// --- commands that reach across panels -----------------------------------------------------------------------

void MainWindow::startConversion() {
    run([this] { convert_->startBatch(); });
}

void MainWindow::showTagEditorForSelection() {
    run([this] {
        const std::optional<QString> file = list_->selectedFullName();
        if (file && !tagsEditable(*file))
            return;
        dialogs_.tagEditor.showFor(file);
    });
}

void MainWindow::showTagEditorForSelectedRow() {
    run([this] {
        if (const std::optional<QString> file = list_->selectedFullName(); file && tagsEditable(*file))
            dialogs_.tagEditor.showFor(file);
    });
}

// The choices are kept once the dialog is confirmed, whether or not the mirror then runs to its end. A saved profile
// gives the settings for the chosen format, else the window's controls give them as a batch would take them.
void MainWindow::mirrorFolder() {
    if (dialogs_.progress.batchRunning()) {
        context_.prompts.message(QString(), Messages::MirrorWhileConverting(), Prompts::Icon::Information);
        return;
    }
    IniFile settingsFile(context_.settings.path());
    const ProfileStore profiles(ProfileStore::folderBeside(context_.settings.path()));
    mirror_->showChoices(readMirrorChoices(settingsFile, context_.settings.values().batch.jobs), profiles.names());
    if (mirror_->exec() != QDialog::Accepted)
        return;
    const MirrorChoices choices = mirror_->choices();
    try {
        writeMirrorChoices(settingsFile, choices);
    } catch (const IniWriteError& error) {
        context_.prompts.reportError(error.message());
    }
    const BatchOrder order =
        choices.order(choices.profile.isEmpty() ? orderFromControls() : profiles.load(choices.profile).order);
    // A mirror finds its sources itself; the settings must suit a batch of any one of them.
    BatchOrder withSource = order;
    withSource.sources.push_back(BatchSource{choices.sourceFolder, SourceKind::Audio, std::nullopt});
    if (const auto conflict = withSource.conflicts()) {
        context_.prompts.message(Messages::ErrorCaption(), windowTextOf(*conflict), Prompts::Icon::Warning);
        return;
    }
    player_->stopPreview();
    const SyncSetup setup = choices.setup(order);
    const MirrorRun run = runMirror(setup, order, context_.components, dialogs_.progress);
    const MirrorOutcome outcome = MirrorOutcome::of(run.result, setup.destination, run.stopped);
    context_.prompts.message(QString(), outcome.text,
                             outcome.troubled ? Prompts::Icon::Warning : Prompts::Icon::Information);
}
