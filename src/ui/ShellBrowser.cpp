#include "ShellBrowser.h"

#include "BrowserFilter.h"
#include "BrowserFolders.h"
#include "ErrorReport.h"
#include "ui_ShellBrowser.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QStyle>

ShellBrowser::ShellBrowser(Prompts& prompts, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ShellBrowser>()), prompts_(prompts) {
    ui->setupUi(this);
    setUpModel();
    setUpButtons();
    connectControls();
    setFolder(desktopFolder());
}

ShellBrowser::~ShellBrowser() = default;

void ShellBrowser::setUpModel() {
    iconProvider_ = std::make_unique<QFileIconProvider>();
    model_ = std::make_unique<QFileSystemModel>();
    model_->setIconProvider(iconProvider_.get());
    model_->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
    model_->setNameFilterDisables(false);
    ui->PTShellList1->setModel(model_.get());
    connect(ui->PTShellList1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ShellBrowser::selectionChanged);
    ui->combo_filter->addItems(BrowserFilter::entries());
    ui->combo_filter->setCurrentIndex(-1);
}

void ShellBrowser::setUpButtons() {
    viewButtons_ = new QButtonGroup(this);
    viewButtons_->addButton(ui->LargeIconsBtn, 0);
    viewButtons_->addButton(ui->SmallIconsBtn, 1);
    viewButtons_->addButton(ui->ListBtn, 2);
    viewButtons_->addButton(ui->DetailsBtn, 3);

    const QStyle* look = style();
    ui->UpOneLevelBtn->setIcon(look->standardIcon(QStyle::SP_FileDialogToParent));
    ui->DeleteBtn->setIcon(look->standardIcon(QStyle::SP_TrashIcon));
    ui->LargeIconsBtn->setIcon(look->standardIcon(QStyle::SP_FileDialogContentsView));
    ui->SmallIconsBtn->setIcon(look->standardIcon(QStyle::SP_FileDialogInfoView));
    ui->ListBtn->setIcon(look->standardIcon(QStyle::SP_FileDialogListView));
    ui->DetailsBtn->setIcon(look->standardIcon(QStyle::SP_FileDialogDetailedView));
}

void ShellBrowser::connectControls() {
    connectGuarded(prompts_, ui->combo_filter, &QComboBox::activated, this, [this](int) { combo_filterChange(); });
    connectGuarded(prompts_, ui->PTShellCombo1, &QComboBox::activated, this,
                   [this](int index) { setFolder(ui->PTShellCombo1->itemData(index).toString()); });
    connectGuarded(prompts_, ui->PTShellList1, &QAbstractItemView::doubleClicked, this,
                   [this](const QModelIndex& index) {
                       if (model_->isDir(index))
                           setFolder(model_->filePath(index));
                   });
    connectGuarded(prompts_, ui->UpOneLevelBtn, &QToolButton::clicked, this, [this](bool) { UpOneLevelBtnClick(); });
    connectGuarded(prompts_, ui->DeleteBtn, &QToolButton::clicked, this, [this](bool) { DeleteBtnClick(); });
    connectGuarded(prompts_, viewButtons_, &QButtonGroup::idClicked, this, [this](int code) { ViewBtnClick(code); });
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
    ui->PTShellList1->setRootIndex(model_->setRootPath(target));
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

void ShellBrowser::DeleteBtnClick() {}

void ShellBrowser::ViewBtnClick(int viewCode) {
    for (QAbstractButton* button : viewButtons_->buttons())
        button->setChecked(viewButtons_->id(button) == viewCode);
    const bool icons = viewCode == 0 || viewCode == 1;
    ui->PTShellList1->setViewMode(icons ? QListView::IconMode : QListView::ListMode);
    ui->PTShellList1->setIconSize(viewCode == 0 ? QSize(32, 32) : QSize(16, 16));
    ui->PTShellList1->setWrapping(viewCode != 3);
}
