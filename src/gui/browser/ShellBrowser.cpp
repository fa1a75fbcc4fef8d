#include "ShellBrowser.h"

#include "BrowserFolders.h"
#include "FolderProperties.h"
#include "core/list/BrowserFilter.h"
#include "core/platform/FolderBrowsing.h"
#include "core/platform/FolderPaste.h"
#include "core/ports/Messages.h"
#include "gui/common/Accessibility.h"
#include "gui/common/ErrorReport.h"
#include "ui_ShellBrowser.h"

#include <QFile>

#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QTreeView>
#include <QUrl>

ShellBrowser::ShellBrowser(Prompts& prompts, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ShellBrowser>()), prompts_(prompts) {
    ui->setupUi(this);
    setUpModel();
    setUpDetailsView();
    setUpButtons();
    setUpPopup();
    connectControls();
    ui->folderCombo->setAccessibleName(tr("Folder"));
    ui->combo_filter->setAccessibleName(tr("File type"));
    ui->fileList->setAccessibleName(tr("Files"));
    detailsView_->setAccessibleName(tr("Files"));
    nameControlsForAccessibility(*this);
    setFolder(desktopFolder());
    showView(List);
}

ShellBrowser::~ShellBrowser() = default;

void ShellBrowser::setUpModel() {
    iconProvider_ = std::make_unique<QFileIconProvider>();
    model_ = std::make_unique<QFileSystemModel>();
    model_->setIconProvider(iconProvider_.get());
    model_->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
    model_->setNameFilterDisables(false);
    // Writable, so a new folder can be named in place; the views take no drops, so nothing is moved by accident.
    model_->setReadOnly(false);
    QListView& list = *ui->fileList;
    list.setModel(model_.get());
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.setDragEnabled(true);
    list.setDragDropMode(QAbstractItemView::DragOnly);
    list.setDefaultDropAction(Qt::CopyAction);
    list.setEditTriggers(QAbstractItemView::EditKeyPressed);
    list.setResizeMode(QListView::Adjust);
    connect(ui->fileList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ShellBrowser::selectionChanged);
    ui->combo_filter->addItems(BrowserFilter::entries());
    ui->combo_filter->setCurrentIndex(-1);
}

// The details view is a second view of the same model and selection, shown in place of the list for view code 3.
void ShellBrowser::setUpDetailsView() {
    detailsView_ = new QTreeView(this);
    detailsView_->setObjectName(QStringLiteral("fileDetails"));
    detailsView_->setModel(model_.get());
    detailsView_->setSelectionModel(ui->fileList->selectionModel());
    detailsView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    detailsView_->setRootIsDecorated(false);
    detailsView_->setItemsExpandable(false);
    detailsView_->setSortingEnabled(true);
    detailsView_->sortByColumn(0, Qt::AscendingOrder);
    detailsView_->setDragEnabled(true);
    detailsView_->setDragDropMode(QAbstractItemView::DragOnly);
    detailsView_->setDefaultDropAction(Qt::CopyAction);
    detailsView_->setEditTriggers(QAbstractItemView::EditKeyPressed);
    detailsView_->setContextMenuPolicy(Qt::CustomContextMenu);
    detailsView_->header()->resizeSection(0, 200);
    detailsView_->hide();
    ui->BrowserPaneLayout->addWidget(detailsView_);
}

void ShellBrowser::setUpButtons() {
    viewButtons_ = new QButtonGroup(this);
    viewButtons_->addButton(ui->LargeIconsBtn, LargeIcons);
    viewButtons_->addButton(ui->SmallIconsBtn, SmallIcons);
    viewButtons_->addButton(ui->ListBtn, List);
    viewButtons_->addButton(ui->DetailsBtn, Details);

    const QStyle* look = style();
    ui->UpOneLevelBtn->setIcon(look->standardIcon(QStyle::SP_FileDialogToParent));
    ui->DeleteBtn->setIcon(look->standardIcon(QStyle::SP_TrashIcon));
    ui->LargeIconsBtn->setIcon(look->standardIcon(QStyle::SP_FileDialogContentsView));
    ui->SmallIconsBtn->setIcon(look->standardIcon(QStyle::SP_FileDialogInfoView));
    ui->ListBtn->setIcon(look->standardIcon(QStyle::SP_FileDialogListView));
    ui->DetailsBtn->setIcon(look->standardIcon(QStyle::SP_FileDialogDetailedView));
}

void ShellBrowser::setUpPopup() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("filePopupMenu"));
    QMenu* viewMenu = popupMenu_->addMenu(tr("&View"));
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    auto* viewGroup = new QActionGroup(this);
    const std::array<std::pair<const char*, const char*>, 4> views{{{"largeIconsAction", QT_TR_NOOP("Lar&ge icons")},
                                                                    {"smallIconsAction", QT_TR_NOOP("S&mall icons")},
                                                                    {"listAction", QT_TR_NOOP("&List")},
                                                                    {"detailsAction", QT_TR_NOOP("&Details")}}};
    for (int code = 0; code < 4; ++code) {
        QAction* item = viewMenu->addAction(tr(views[code].second));
        item->setObjectName(QLatin1String(views[code].first));
        item->setCheckable(true);
        viewGroup->addAction(item);
        viewItems_[code] = item;
        connectGuarded(prompts_, item, &QAction::triggered, this, [this, code](bool) { showView(code); });
    }
    popupMenu_->addSeparator();
    QAction* paste = popupMenu_->addAction(tr("P&aste"));
    paste->setObjectName(QStringLiteral("pasteAction"));
    connectGuarded(prompts_, paste, &QAction::triggered, this, [this](bool) { pasteFromClipboard(); });
    popupMenu_->addSeparator();
    QMenu* newMenu = popupMenu_->addMenu(tr("Ne&w"));
    newMenu->setObjectName(QStringLiteral("newMenu"));
    QAction* newFolder = newMenu->addAction(tr("&Folder"));
    newFolder->setObjectName(QStringLiteral("newFolderAction"));
    connectGuarded(prompts_, newFolder, &QAction::triggered, this, [this](bool) { createNewFolder(); });
    popupMenu_->addSeparator();
    QAction* properties = popupMenu_->addAction(tr("&Properties"));
    properties->setObjectName(QStringLiteral("propertiesAction"));
    connectGuarded(prompts_, properties, &QAction::triggered, this, [this](bool) { showFolderProperties(); });
}

void ShellBrowser::connectView(QAbstractItemView& view) {
    connectGuarded(prompts_, &view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (model_->isDir(index))
            setFolder(model_->filePath(index));
    });
    connect(&view, &QWidget::customContextMenuRequested, this,
            [this, &view](const QPoint& at) { popupMenu_->popup(view.viewport()->mapToGlobal(at)); });
}

void ShellBrowser::connectControls() {
    connectGuarded(prompts_, ui->combo_filter, &QComboBox::activated, this, [this](int) { applyChosenFilter(); });
    connectGuarded(prompts_, ui->folderCombo, &QComboBox::activated, this,
                   [this](int index) { setFolder(ui->folderCombo->itemData(index).toString()); });
    connectView(*ui->fileList);
    connectView(*detailsView_);
    connectGuarded(prompts_, ui->UpOneLevelBtn, &QToolButton::clicked, this, [this](bool) { goUpOneLevel(); });
    connectGuarded(prompts_, ui->DeleteBtn, &QToolButton::clicked, this, [this](bool) { moveSelectionToTrash(); });
    connectGuarded(prompts_, viewButtons_, &QButtonGroup::idClicked, this, [this](int code) { showView(code); });
}

QAbstractItemView& ShellBrowser::currentView() const {
    if (viewCode_ == Details)
        return *detailsView_;
    return *ui->fileList;
}

QString ShellBrowser::folder() const {
    return model_->rootPath();
}

bool ShellBrowser::showsDesktop() const {
    return ui->folderCombo->currentIndex() == 0;
}

void ShellBrowser::setFolder(const QString& folder) {
    const QString target = QDir(folder).exists() ? QDir(folder).absolutePath() : desktopFolder();
    // A selection left behind in the previous folder would be acted on although nobody can see it.
    ui->fileList->clearSelection();
    const QModelIndex root = model_->setRootPath(target);
    ui->fileList->setRootIndex(root);
    detailsView_->setRootIndex(root);
    const FolderBrowsing::FolderChoices choices = FolderBrowsing::folderChoices(target, FolderBrowsing::systemPlaces());
    QComboBox& combo = *ui->folderCombo;
    combo.clear();
    for (const FolderBrowsing::FolderChoice& choice : choices.entries) {
        const bool desktop = combo.count() == 0;
        combo.addItem(iconProvider_->icon(desktop ? QFileIconProvider::Computer : QFileIconProvider::Folder),
                      choice.text, choice.path);
    }
    combo.setCurrentIndex(choices.current);
}

int ShellBrowser::filterIndex() const {
    return ui->combo_filter->currentIndex();
}

void ShellBrowser::setFilterIndex(int index) {
    const bool known = index >= 0 && index < ui->combo_filter->count();
    ui->combo_filter->setCurrentIndex(known ? index : -1);
    applyChosenFilter();
}

QStringList ShellBrowser::selectedPaths() const {
    QStringList paths;
    for (const QModelIndex& index : ui->fileList->selectionModel()->selectedIndexes()) {
        if (index.column() == 0)
            paths.append(model_->filePath(index));
    }
    return paths;
}

QStringList ShellBrowser::shownNames() const {
    QStringList names;
    const QModelIndex root = ui->fileList->rootIndex();
    for (int row = 0; row < model_->rowCount(root); ++row)
        names.append(model_->fileName(model_->index(row, 0, root)));
    return names;
}

void ShellBrowser::applyChosenFilter() {
    filter_ = BrowserFilter::filterFor(ui->combo_filter->currentText());
    model_->setNameFilters(BrowserFilter::patterns(filter_));
}

void ShellBrowser::useFixedFilter(const QString& filter) {
    ui->combo_filter->hide();
    filter_ = filter;
    model_->setNameFilters(BrowserFilter::patterns(filter_));
}

void ShellBrowser::showHiddenFiles() {
    model_->setFilter(model_->filter() | QDir::Hidden);
}

void ShellBrowser::setToolStripHeight(int pixels) {
    ui->BrowserToolBar->setMinimumHeight(pixels);
    ui->BrowserToolBar->setMaximumHeight(pixels);
}

std::optional<QString> ShellBrowser::selectedPath() const {
    const QItemSelectionModel& selection = *ui->fileList->selectionModel();
    QModelIndex chosen = selection.currentIndex();
    if (!chosen.isValid() || !selection.isSelected(chosen)) {
        const QModelIndexList rows = selection.selectedIndexes();
        if (rows.isEmpty())
            return std::nullopt;
        chosen = rows.front();
    }
    return model_->filePath(chosen);
}

bool ShellBrowser::selectFileNamed(const QString& fileName) {
    // Asking the model for the path itself finds the item before the folder's listing has come in.
    const QModelIndex item = model_->index(QDir(folder()).filePath(fileName));
    if (!item.isValid() || item.parent() != ui->fileList->rootIndex() || model_->fileName(item) != fileName)
        return false;
    ui->fileList->selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
    ui->fileList->scrollTo(item);
    return true;
}

// Up climbs from any folder, the desktop included, to its parent and on to the top of the file system.
void ShellBrowser::goUpOneLevel() {
    if (const std::optional<QString> above = FolderBrowsing::folderAbove(folder()))
        setFolder(*above);
}

// Deleting moves to the trash, after the user said yes: a slip of the finger is never final.
void ShellBrowser::moveSelectionToTrash() {
    const QStringList paths = selectedPaths();
    if (paths.isEmpty())
        return;
    const QString question =
        paths.size() == 1
            ? tr("Are you sure you want to move \"%1\" to the trash?").arg(QFileInfo(paths.front()).fileName())
            : tr("Are you sure you want to move these %n items to the trash?", nullptr, int(paths.size()));
    if (!prompts_.confirm(tr("Confirm Delete"), question))
        return;
    QStringList failed;
    for (const QString& path : paths) {
        if (!QFile::moveToTrash(path))
            failed.append(QDir::toNativeSeparators(path));
    }
    if (!failed.isEmpty())
        prompts_.message(tr("Delete"), tr("Could not move to the trash:\n%1").arg(failed.join(QLatin1Char('\n'))),
                         Prompts::Icon::Warning);
}

void ShellBrowser::showView(int viewCode) {
    const std::optional<FolderBrowsing::ViewLayout> layout = FolderBrowsing::viewLayout(viewCode);
    if (!layout)
        return;
    viewCode_ = viewCode;
    for (QAbstractButton* button : viewButtons_->buttons())
        button->setChecked(viewButtons_->id(button) == viewCode);
    for (int code = 0; code < 4; ++code)
        viewItems_[code]->setChecked(code == viewCode);
    QListView& list = *ui->fileList;
    list.setViewMode(layout->icons ? QListView::IconMode : QListView::ListMode);
    list.setFlow(layout->icons ? QListView::LeftToRight : QListView::TopToBottom);
    list.setWrapping(true);
    list.setIconSize(QSize(layout->iconSize, layout->iconSize));
    list.setMovement(QListView::Static);
    list.setVisible(!layout->details);
    detailsView_->setVisible(layout->details);
}

// The clipboard's files go into the shown folder; a name that is there already is replaced only on a yes.
void ShellBrowser::pasteFromClipboard() {
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    QStringList sources;
    if (clipboard && clipboard->hasUrls()) {
        for (const QUrl& url : clipboard->urls()) {
            if (url.isLocalFile())
                sources.append(url.toLocalFile());
        }
    }
    if (sources.isEmpty())
        return;
    FolderPaste paste(folder(), [this](const QString& existing) {
        return prompts_.confirm(tr("Confirm File Replace"),
                                tr("This folder already contains \"%1\".\nDo you want to replace it?").arg(existing));
    });
    const QStringList failed = paste.paste(sources);
    if (!failed.isEmpty())
        prompts_.message(tr("Paste"), tr("Could not paste:\n%1").arg(failed.join(QLatin1Char('\n'))),
                         Prompts::Icon::Warning);
}

void ShellBrowser::createNewFolder() {
    const QDir shown(folder());
    const QString name = FolderBrowsing::newFolderName([&shown](const QString& taken) { return shown.exists(taken); });
    const QModelIndex created = model_->mkdir(model_->index(folder()), name);
    if (!created.isValid()) {
        prompts_.message(Messages::NewFolder(),
                         tr("Could not create a folder in %1.").arg(QDir::toNativeSeparators(folder())),
                         Prompts::Icon::Warning);
        return;
    }
    QAbstractItemView& view = currentView();
    view.setCurrentIndex(created);
    view.edit(created);
}

void ShellBrowser::showFolderProperties() {
    FolderProperties properties(folder(), this);
    properties.exec();
}
