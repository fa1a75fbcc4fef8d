#include "ShellBrowser.h"

#include "BrowserFolders.h"
#include "FolderProperties.h"
#include "core/list/BrowserFilter.h"
#include "core/platform/FolderPaste.h"
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
    ui->PTShellCombo1->setAccessibleName(QStringLiteral("Folder"));
    ui->combo_filter->setAccessibleName(QStringLiteral("File type"));
    ui->PTShellList1->setAccessibleName(QStringLiteral("Files"));
    PTShellDetails->setAccessibleName(QStringLiteral("Files"));
    nameControlsForAccessibility(*this);
    setFolder(desktopFolder());
    ViewBtnClick(List);
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
    QListView& list = *ui->PTShellList1;
    list.setModel(model_.get());
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.setDragEnabled(true);
    list.setDragDropMode(QAbstractItemView::DragOnly);
    list.setDefaultDropAction(Qt::CopyAction);
    list.setEditTriggers(QAbstractItemView::EditKeyPressed);
    list.setResizeMode(QListView::Adjust);
    connect(ui->PTShellList1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ShellBrowser::selectionChanged);
    ui->combo_filter->addItems(BrowserFilter::entries());
    ui->combo_filter->setCurrentIndex(-1);
}

// The details view is a second view of the same model and selection, shown in place of the list for view code 3.
void ShellBrowser::setUpDetailsView() {
    PTShellDetails = new QTreeView(this);
    PTShellDetails->setObjectName(QStringLiteral("PTShellDetails"));
    PTShellDetails->setModel(model_.get());
    PTShellDetails->setSelectionModel(ui->PTShellList1->selectionModel());
    PTShellDetails->setSelectionMode(QAbstractItemView::ExtendedSelection);
    PTShellDetails->setRootIsDecorated(false);
    PTShellDetails->setItemsExpandable(false);
    PTShellDetails->setSortingEnabled(true);
    PTShellDetails->sortByColumn(0, Qt::AscendingOrder);
    PTShellDetails->setDragEnabled(true);
    PTShellDetails->setDragDropMode(QAbstractItemView::DragOnly);
    PTShellDetails->setDefaultDropAction(Qt::CopyAction);
    PTShellDetails->setEditTriggers(QAbstractItemView::EditKeyPressed);
    PTShellDetails->setContextMenuPolicy(Qt::CustomContextMenu);
    PTShellDetails->header()->resizeSection(0, 200);
    PTShellDetails->hide();
    ui->BrowserPaneLayout->addWidget(PTShellDetails);
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
    ListPopup = new QMenu(this);
    ListPopup->setObjectName(QStringLiteral("ListPopup"));
    QMenu* viewMenu = ListPopup->addMenu(QStringLiteral("&View"));
    viewMenu->setObjectName(QStringLiteral("View1"));
    auto* viewGroup = new QActionGroup(this);
    const std::array<std::pair<const char*, const char*>, 4> views{{{"LargeIcons1", "Lar&ge icons"},
                                                                    {"SmallIcons1", "S&mall icons"},
                                                                    {"List1", "&List"},
                                                                    {"Details1", "&Details"}}};
    for (int code = 0; code < 4; ++code) {
        QAction* item = viewMenu->addAction(QLatin1String(views[code].second));
        item->setObjectName(QLatin1String(views[code].first));
        item->setCheckable(true);
        viewGroup->addAction(item);
        viewItems_[code] = item;
        connectGuarded(prompts_, item, &QAction::triggered, this, [this, code](bool) { ViewBtnClick(code); });
    }
    ListPopup->addSeparator();
    QAction* paste = ListPopup->addAction(QStringLiteral("P&aste"));
    paste->setObjectName(QStringLiteral("Paste1"));
    connectGuarded(prompts_, paste, &QAction::triggered, this, [this](bool) { Paste1Click(); });
    ListPopup->addSeparator();
    QMenu* newMenu = ListPopup->addMenu(QStringLiteral("Ne&w"));
    newMenu->setObjectName(QStringLiteral("New1"));
    QAction* newFolder = newMenu->addAction(QStringLiteral("&Folder"));
    newFolder->setObjectName(QStringLiteral("NewFolder2"));
    connectGuarded(prompts_, newFolder, &QAction::triggered, this, [this](bool) { NewFolder2MitmClick(); });
    ListPopup->addSeparator();
    QAction* properties = ListPopup->addAction(QStringLiteral("&Properties"));
    properties->setObjectName(QStringLiteral("Properties1"));
    connectGuarded(prompts_, properties, &QAction::triggered, this, [this](bool) { Properties1MitmClick(); });
}

void ShellBrowser::connectView(QAbstractItemView& view) {
    connectGuarded(prompts_, &view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (model_->isDir(index))
            setFolder(model_->filePath(index));
    });
    connect(&view, &QWidget::customContextMenuRequested, this,
            [this, &view](const QPoint& at) { ListPopup->popup(view.viewport()->mapToGlobal(at)); });
}

void ShellBrowser::connectControls() {
    connectGuarded(prompts_, ui->combo_filter, &QComboBox::activated, this, [this](int) { combo_filterChange(); });
    connectGuarded(prompts_, ui->PTShellCombo1, &QComboBox::activated, this,
                   [this](int index) { setFolder(ui->PTShellCombo1->itemData(index).toString()); });
    connectView(*ui->PTShellList1);
    connectView(*PTShellDetails);
    connectGuarded(prompts_, ui->UpOneLevelBtn, &QToolButton::clicked, this, [this](bool) { UpOneLevelBtnClick(); });
    connectGuarded(prompts_, ui->DeleteBtn, &QToolButton::clicked, this, [this](bool) { DeleteBtnClick(); });
    connectGuarded(prompts_, viewButtons_, &QButtonGroup::idClicked, this, [this](int code) { ViewBtnClick(code); });
}

QAbstractItemView& ShellBrowser::currentView() const {
    if (viewCode_ == Details)
        return *PTShellDetails;
    return *ui->PTShellList1;
}

QString ShellBrowser::folder() const {
    return model_->rootPath();
}

bool ShellBrowser::showsDesktop() const {
    return ui->PTShellCombo1->currentIndex() == 0;
}

void ShellBrowser::setFolder(const QString& folder) {
    const QString desktop = desktopFolder();
    const QString target = QDir(folder).exists() ? QDir(folder).absolutePath() : desktop;
    // A selection left behind in the previous folder would be acted on although nobody can see it.
    ui->PTShellList1->clearSelection();
    const QModelIndex root = model_->setRootPath(target);
    ui->PTShellList1->setRootIndex(root);
    PTShellDetails->setRootIndex(root);
    QComboBox& combo = *ui->PTShellCombo1;
    combo.clear();
    combo.addItem(iconProvider_->icon(QFileIconProvider::Computer), QStringLiteral("Desktop"), desktop);
    if (target != desktop)
        combo.addItem(iconProvider_->icon(QFileIconProvider::Folder), QDir::toNativeSeparators(target), target);
    combo.setCurrentIndex(combo.count() - 1);
}

int ShellBrowser::filterIndex() const {
    return ui->combo_filter->currentIndex();
}

void ShellBrowser::setFilterIndex(int index) {
    const bool known = index >= 0 && index < ui->combo_filter->count();
    ui->combo_filter->setCurrentIndex(known ? index : -1);
    combo_filterChange();
}

QStringList ShellBrowser::selectedPaths() const {
    QStringList paths;
    for (const QModelIndex& index : ui->PTShellList1->selectionModel()->selectedIndexes()) {
        if (index.column() == 0)
            paths.append(model_->filePath(index));
    }
    return paths;
}

QStringList ShellBrowser::shownNames() const {
    QStringList names;
    const QModelIndex root = ui->PTShellList1->rootIndex();
    for (int row = 0; row < model_->rowCount(root); ++row)
        names.append(model_->fileName(model_->index(row, 0, root)));
    return names;
}

void ShellBrowser::combo_filterChange() {
    filter_ = BrowserFilter::filterFor(ui->combo_filter->currentText());
    model_->setNameFilters(BrowserFilter::patterns(filter_));
}

void ShellBrowser::useFixedFilter(const QString& filter) {
    ui->combo_filter->hide();
    filter_ = filter;
    model_->setNameFilters(BrowserFilter::patterns(filter_));
}

std::optional<QString> ShellBrowser::selectedPath() const {
    const QItemSelectionModel& selection = *ui->PTShellList1->selectionModel();
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
    if (!item.isValid() || item.parent() != ui->PTShellList1->rootIndex() || model_->fileName(item) != fileName)
        return false;
    ui->PTShellList1->selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
    ui->PTShellList1->scrollTo(item);
    return true;
}

void ShellBrowser::UpOneLevelBtnClick() {
    QDir shown(folder());
    if (!showsDesktop() && shown.cdUp())
        setFolder(shown.absolutePath());
}

// Deleting moves to the trash, after the user said yes: a slip of the finger is never final.
void ShellBrowser::DeleteBtnClick() {
    const QStringList paths = selectedPaths();
    if (paths.isEmpty())
        return;
    const QString question =
        paths.size() == 1
            ? QStringLiteral("Are you sure you want to move \"%1\" to the trash?")
                  .arg(QFileInfo(paths.front()).fileName())
            : QStringLiteral("Are you sure you want to move these %1 items to the trash?").arg(paths.size());
    if (!prompts_.confirm(QStringLiteral("Confirm Delete"), question))
        return;
    QStringList failed;
    for (const QString& path : paths) {
        if (!QFile::moveToTrash(path))
            failed.append(QDir::toNativeSeparators(path));
    }
    if (!failed.isEmpty())
        prompts_.message(QStringLiteral("Delete"),
                         QStringLiteral("Could not move to the trash:\n%1").arg(failed.join(QLatin1Char('\n'))),
                         Prompts::Icon::Warning);
}

void ShellBrowser::ViewBtnClick(int viewCode) {
    if (viewCode < LargeIcons || viewCode > Details)
        return;
    viewCode_ = viewCode;
    for (QAbstractButton* button : viewButtons_->buttons())
        button->setChecked(viewButtons_->id(button) == viewCode);
    for (int code = 0; code < 4; ++code)
        viewItems_[code]->setChecked(code == viewCode);
    QListView& list = *ui->PTShellList1;
    const bool icons = viewCode == LargeIcons || viewCode == SmallIcons;
    list.setViewMode(icons ? QListView::IconMode : QListView::ListMode);
    list.setFlow(icons ? QListView::LeftToRight : QListView::TopToBottom);
    list.setWrapping(true);
    list.setIconSize(viewCode == LargeIcons ? QSize(32, 32) : QSize(16, 16));
    list.setMovement(QListView::Static);
    list.setVisible(viewCode != Details);
    PTShellDetails->setVisible(viewCode == Details);
}

// The clipboard's files go into the shown folder; a name that is there already is replaced only on a yes.
void ShellBrowser::Paste1Click() {
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
        return prompts_.confirm(
            QStringLiteral("Confirm File Replace"),
            QStringLiteral("This folder already contains \"%1\".\nDo you want to replace it?").arg(existing));
    });
    const QStringList failed = paste.paste(sources);
    if (!failed.isEmpty())
        prompts_.message(QStringLiteral("Paste"),
                         QStringLiteral("Could not paste:\n%1").arg(failed.join(QLatin1Char('\n'))),
                         Prompts::Icon::Warning);
}

void ShellBrowser::NewFolder2MitmClick() {
    const QDir shown(folder());
    QString name = QStringLiteral("New Folder");
    for (int number = 2; shown.exists(name); ++number)
        name = QStringLiteral("New Folder (%1)").arg(number);
    const QModelIndex created = model_->mkdir(model_->index(folder()), name);
    if (!created.isValid()) {
        prompts_.message(QStringLiteral("New Folder"),
                         QStringLiteral("Could not create a folder in %1.").arg(QDir::toNativeSeparators(folder())),
                         Prompts::Icon::Warning);
        return;
    }
    QAbstractItemView& view = currentView();
    view.setCurrentIndex(created);
    view.edit(created);
}

void ShellBrowser::Properties1MitmClick() {
    FolderProperties properties(folder(), this);
    properties.exec();
}
