#include "TagEditorWindow.h"

#include "TagEditorHelpWindow.h"
#include "core/components/ComponentSet.h"
#include "core/settings/AppContext.h"
#include "core/settings/Settings.h"
#include "core/sources/SourceTypes.h"
#include "core/tags/TagEditorRules.h"
#include "gui/browser/BrowserFolders.h"
#include "gui/browser/ShellBrowser.h"
#include "gui/common/ErrorReport.h"
#include "gui/common/WindowPlacementHelpers.h"
#include "ui_TagEditorWindow.h"

#include <QFileInfo>
#include <QSignalBlocker>

using tageditor::ApplyResult;
using tageditor::kTagVersionId3v1;
using tageditor::kTagVersionId3v2;

const QString TagEditorWindow::FileMask = SourceTypes::tagEditorMask();

TagEditorWindow::TagEditorWindow(AppContext& context, TagEditorHelpWindow* help, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TagEditorWindow>()), prompts_(context.prompts),
      settings_(context.settings), session_(context.components.information, context.prompts), help_(help) {
    ui->setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    browser_ = new ShellBrowser(context.prompts, ui->browserHost);
    browser_->useFixedFilter(FileMask);
    browser_->showHiddenFiles();
    browser_->setToolStripHeight(29);
    ui->browserHostLayout->addWidget(browser_);
    centreOnScreen(*this);
    connectControls();
    guarded(prompts_, [this] { prepareFields(); });
}

TagEditorWindow::~TagEditorWindow() = default;

void TagEditorWindow::connectControls() {
    const auto click = [this](QAbstractButton* button, void (TagEditorWindow::*handler)()) {
        connectGuarded(prompts_, button, &QAbstractButton::clicked, this,
                       [this, handler](bool) { (this->*handler)(); });
    };
    click(ui->ResetButton, &TagEditorWindow::reloadSelectedFile);
    click(ui->ApplyButton, &TagEditorWindow::applyFields);
    click(ui->CloseButton, &TagEditorWindow::reject);
    // A choice counts however it is made: a click, the arrow keys, or a screen reader's toggle action, which checks a
    // radio button without clicking it.
    for (QRadioButton* choice : {ui->id3v1Choice, ui->id3v2Choice}) {
        connectGuarded(prompts_, choice, &QAbstractButton::toggled, this, [this](bool checked) {
            if (checked)
                chooseTagVersion();
        });
    }
    connectGuarded(prompts_, ui->helpLink, &QLabel::linkActivated, this, [this](const QString&) { showHelp(); });
    connectGuarded(prompts_, browser_, &ShellBrowser::selectionChanged, this, [this] { reloadSelectedFile(); });
}

void TagEditorWindow::prepareFields() {
    ui->GenreComboBox->addItems(session_.genreEntries());
    clearFields();
}

void TagEditorWindow::clearFields() {
    ui->TitleEdit->clear();
    ui->ArtistEdit->clear();
    ui->AlbumEdit->clear();
    ui->GenreComboBox->setCurrentIndex(0);
    ui->GenreComboBox->hide();
    ui->genreEdit->clear();
    ui->genreEdit->show();
    ui->TrackEdit->clear();
    ui->YearEdit->clear();
    ui->CommentEdit->clear();
    ui->tagVersionGroup->setEnabled(false);
}

void TagEditorWindow::showFor(const std::optional<QString>& listFile) {
    setListFile(listFile);
    exec();
}

void TagEditorWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    guarded(prompts_, [this] { openAtStartFolder(); });
}

// Showing the editor leaves the fields as they were: the change of folder clears the list's selection without
// clearing them, and they change with the next selection (the list file's, when it is found).
void TagEditorWindow::openAtStartFolder() {
    if (listFile_ && QFileInfo::exists(*listFile_)) {
        const QFileInfo file(*listFile_);
        {
            const QSignalBlocker keepFields(browser_);
            browser_->setFolder(file.absolutePath());
        }
        browser_->selectFileNamed(file.fileName());
        return;
    }
    const QString stored = settings_.values().currentFolder;
    const QSignalBlocker keepFields(browser_);
    browser_->setFolder(stored.isEmpty() || stored == DesktopFolderMarker ? desktopFolder() : stored);
}

std::optional<QString> TagEditorWindow::selectedFile() const {
    const std::optional<QString> selected = browser_->selectedPath();
    // A folder holds no tags; loading one would only raise an error each time the user passes over it.
    if (!selected || !QFileInfo(*selected).isFile())
        return std::nullopt;
    return selected;
}

void TagEditorWindow::showVersion(int version) {
    const bool id3v1 = version == kTagVersionId3v1;
    QAbstractButton* choice = id3v1 ? ui->id3v1Choice : ui->id3v2Choice;
    const QSignalBlocker shownOnly(choice); // showing the version is no choice of the user's
    choice->setChecked(true);
    ui->GenreComboBox->setVisible(id3v1);
    ui->genreEdit->setVisible(!id3v1);
    ui->tagVersionGroup->setEnabled(true);
}

void TagEditorWindow::limitTexts(bool storedAsId3v1) {
    for (QLineEdit* edit : {ui->TitleEdit, ui->ArtistEdit, ui->AlbumEdit, ui->CommentEdit}) {
        edit->setMaxLength(storedAsId3v1 ? tageditor::limitKeeping(tageditor::kId3v1TextLimit, edit->text())
                                         : tageditor::kUnlimitedText);
    }
}

void TagEditorWindow::showLoaded(const tageditor::LoadedTags& loaded) {
    const tageditor::TagFields& values = loaded.fields;
    ui->formatLabel->setText(loaded.formatText);
    // Limits are lifted before the texts arrive, so that nothing loaded is cut on the way into an edit.
    limitTexts(false);
    ui->TitleEdit->setText(values.title);
    ui->ArtistEdit->setText(values.artist);
    ui->AlbumEdit->setText(values.album);
    if (loaded.genreAsList)
        ui->GenreComboBox->setCurrentIndex(values.genreEntry);
    else
        ui->genreEdit->setText(values.genreText);
    ui->TrackEdit->setMaxLength(tageditor::limitKeeping(tageditor::kTrackLimit, values.track));
    ui->TrackEdit->setText(values.track);
    ui->YearEdit->setMaxLength(tageditor::limitKeeping(tageditor::kYearLimit, values.year));
    ui->YearEdit->setText(values.year);
    ui->CommentEdit->setText(values.comment);
}

void TagEditorWindow::reloadSelectedFile() {
    clearFields();
    const std::optional<QString> file = selectedFile();
    if (!file)
        return;
    if (const std::optional<int> version = session_.detectVersion(*file))
        showVersion(*version);
    showLoaded(session_.load(*file));
    limitTexts(session_.storesAsId3v1(*file));
}

tageditor::TagFields TagEditorWindow::fields() const {
    tageditor::TagFields values;
    values.title = ui->TitleEdit->text();
    values.artist = ui->ArtistEdit->text();
    values.album = ui->AlbumEdit->text();
    values.genreEntry = ui->GenreComboBox->currentIndex();
    values.genreText = ui->genreEdit->text();
    values.track = ui->TrackEdit->text();
    values.year = ui->YearEdit->text();
    values.comment = ui->CommentEdit->text();
    return values;
}

void TagEditorWindow::applyFields() {
    const std::optional<QString> file = selectedFile();
    if (!file || (mayWrite_ && !mayWrite_(*file)))
        return;
    switch (session_.apply(*file, fields())) {
    case ApplyResult::InvalidTrack:
        ui->TrackEdit->setFocus();
        break;
    case ApplyResult::InvalidYear:
        ui->YearEdit->setFocus();
        break;
    case ApplyResult::Stored:
    case ApplyResult::Declined:
        break;
    }
}

void TagEditorWindow::chooseTagVersion() {
    const int version = ui->id3v1Choice->isChecked() ? kTagVersionId3v1 : kTagVersionId3v2;
    session_.chooseVersion(version);
    const std::optional<QString> file = selectedFile();
    if (!file)
        return;
    // The fields show the chosen tag, so that a file with both tags is never stored with the other tag's values
    // (an ID3v2 title cut to ID3v1's 30 characters); what the user has typed stays.
    const tageditor::LoadedTags reloaded = session_.reloadKeepingEdits(*file, fields());
    showVersion(version);
    showLoaded(reloaded);
    limitTexts(session_.storesAsId3v1(*file));
}

void TagEditorWindow::showHelp() {
    if (help_ != nullptr)
        help_->exec();
}
