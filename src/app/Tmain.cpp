#include "Tmain.h"

#include "BrowserFilter.h"
#include "BrowserFolders.h"
#include "ComponentStartup.h"
#include "TPosition.h"
#include "Toptions.h"
#include "platform/IniFile.h"
#include "platform/Shell.h"
#include "ui/Prompts.h"
#include "ui/Skin.h"
#include "ui/Tabout.h"
#include "ui_Tmain.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMenu>
#include <QStyle>

const QString Tmain::SupportAddress = QStringLiteral("support@tonalith.example");

namespace {

// Start-up goes on when one component step fails: the window is still useful, and the failure is in the log.
template <typename Step> void tolerant(const char* what, Step&& step) {
    try {
        step();
    } catch (const ComponentError& error) {
        qWarning().noquote() << "Start-up:" << what << "failed:" << error.message();
    }
}

} // namespace

Tmain::Tmain(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Tmain>()), componentFactory_(services.components),
      registration_(services.registration), shell_(services.shell), prompts_(services.prompts),
      locations_(services.locations), settings_(services.locations.settingsPath) {
    ui->setupUi(this);
    setUpMenus();
    setUpBrowser();
    connectControls();
    ui->ListView1->header()->resizeSection(0, 40);
    ui->ListView1->header()->resizeSection(1, 150);
    ui->ListView1->header()->resizeSection(2, 60);
    ui->ListView1->header()->resizeSection(3, 40);
    ui->ListView1->header()->resizeSection(4, 255);
    ui->ListView1->header()->resizeSection(5, 800);
    ui->PTSplitter2->setSizes({170, height() - 170});
    showOptionsPane(false);

    Position1 = new TPosition(*this, locations_.placementPath, prompts_);
    Position1->restore();
    FormCreate();
}

Tmain::~Tmain() {
    Position1->save();
}

void Tmain::setUpMenus() {
    connect(ui->Add2, &QAction::triggered, this, &Tmain::Add2Click);
    connect(ui->Remove2, &QAction::triggered, this, &Tmain::Remove2Click);
    connect(ui->RemoveAll1, &QAction::triggered, this, &Tmain::RemoveAll1Click);
    connect(ui->Exit2, &QAction::triggered, this, &Tmain::Exit2Click);
    connect(ui->Exit1, &QAction::triggered, this, &Tmain::Exit1Click);
    connect(ui->FormatOptionsPanel1, &QAction::triggered, this, &Tmain::FormatOptionsPanel1Click);
    connect(ui->AudioFileInfoEditor1, &QAction::triggered, this, &Tmain::button_id3editorClick);
    connect(ui->Convert1, &QAction::triggered, this, &Tmain::cmd_begin_writeClick);
    connect(ui->HelpContents1, &QAction::triggered, this, &Tmain::HelpContents1Click);
    connect(ui->EmailSupport1, &QAction::triggered, this, &Tmain::EmailSupport1Click);
    connect(ui->About1, &QAction::triggered, this, &Tmain::About1Click);

    // The list's pop-up shares Add, Remove and Clear with the main menu, shortcuts included.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(ui->Add2);
    PopupMenu1->addAction(ui->Remove2);
    PopupMenu1->addAction(ui->RemoveAll1);
    PopupMenu1->addSeparator();
    QAction* play = PopupMenu1->addAction(QStringLiteral("Play"), this, &Tmain::button_playClick);
    play->setObjectName(QStringLiteral("Play1"));
    QAction* stop = PopupMenu1->addAction(QStringLiteral("Stop"), this, &Tmain::button_stopClick);
    stop->setObjectName(QStringLiteral("Stop1"));
    PopupMenu1->addSeparator();
    QAction* tags = PopupMenu1->addAction(QStringLiteral("Audio File Info"), this, &Tmain::MP3ID3Tag1Click);
    tags->setObjectName(QStringLiteral("MP3ID3Tag1"));
    connect(ui->ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(ui->ListView1->viewport()->mapToGlobal(at)); });
}

void Tmain::setUpBrowser() {
    iconProvider_ = std::make_unique<QFileIconProvider>();
    browserModel_ = std::make_unique<QFileSystemModel>();
    browserModel_->setIconProvider(iconProvider_.get());
    browserModel_->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
    browserModel_->setNameFilterDisables(false);
    ui->PTShellList1->setModel(browserModel_.get());
    ui->combo_filter->addItems(BrowserFilter::entries());
    ui->combo_filter->setCurrentIndex(-1);

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
    ui->BitBtn1->setIcon(look->standardIcon(QStyle::SP_MediaPlay));
    ui->BitBtn2->setIcon(look->standardIcon(QStyle::SP_MediaStop));
    ui->spSkinButton1->setIcon(look->standardIcon(QStyle::SP_MediaSkipBackward));
    ui->spSkinButton5->setIcon(look->standardIcon(QStyle::SP_MediaSkipForward));
    ui->spSkinButton8->setIcon(look->standardIcon(QStyle::SP_DirOpenIcon));
    setBrowserFolder(desktopFolder());
}

void Tmain::connectControls() {
    connect(ui->combo_filter, &QComboBox::activated, this, &Tmain::combo_filterChange);
    connect(ui->PTShellCombo1, &QComboBox::activated, this,
            [this](int index) { setBrowserFolder(ui->PTShellCombo1->itemData(index).toString()); });
    connect(ui->PTShellList1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (browserModel_->isDir(index))
            setBrowserFolder(browserModel_->filePath(index));
    });
    connect(ui->UpOneLevelBtn, &QToolButton::clicked, this, &Tmain::UpOneLevelBtnClick);
    connect(ui->DeleteBtn, &QToolButton::clicked, this, &Tmain::DeleteBtnClick);
    connect(viewButtons_, &QButtonGroup::idClicked, this, &Tmain::ViewBtnClick);
    connect(ui->spSkinButton8, &QToolButton::clicked, this, &Tmain::spSkinButton8Click);
    connect(ui->cmd_begin_write, &QPushButton::clicked, this, &Tmain::cmd_begin_writeClick);
    connect(ui->button_id3editor, &QPushButton::clicked, this, &Tmain::button_id3editorClick);
    connect(ui->ch_formatpanel, &QCheckBox::clicked, this, &Tmain::ch_formatpanelClick);
    connect(ui->ListView1, &QTreeWidget::itemDoubleClicked, this, &Tmain::ListView1DblClick);
    connect(ui->BitBtn1, &QToolButton::clicked, this, &Tmain::button_playClick);
    connect(ui->BitBtn2, &QToolButton::clicked, this, &Tmain::button_stopClick);
    connect(ui->spSkinButton1, &QToolButton::clicked, this, &Tmain::spSkinButton1Click);
    connect(ui->spSkinButton5, &QToolButton::clicked, this, &Tmain::spSkinButton5Click);
    connect(ui->track_volume, &QSlider::valueChanged, this, &Tmain::track_volumeChange);
}

// --- start-up ---------------------------------------------------------------------------------------------------

void Tmain::FormCreate() {
    createComponents();
    setUpFormatPanel();
    setUpPlayer();
    loadSettings();
    restoreLastState();
    finishStartup();
}

void Tmain::createComponents() {
    components_ = createComponentsWithRepair(componentFactory_, registration_, locations_.programFolder);
    if (!components_) {
        prompts_.message(QString(), QStringLiteral("Initialize Error! Please reinstall Tonalith!"),
                         Prompts::Icon::None);
        throw StartupAborted();
    }
    bindPlayerEvents();
}

void Tmain::bindPlayerEvents() {
    AudioPlayerEvents events;
    events.onEndArrayPlay = [this] { AudioPlayer1EndBlockPlay(); };
    events.onEndPlay = [this] { AudioPlayer1EndPlay(); };
    events.onTimer = [this](qint64 samples, int left, int right) { AudioPlayer1Timer(samples, left, right); };
    events.onRequestOnLoadArray = [this] { AudioPlayer1RequestOnLoadArray(); };
    tolerant("binding the player's events", [&] { components_->AudioPlayer1->setEvents(std::move(events)); });
}

void Tmain::setUpFormatPanel() {
    TAudioFile2& writer = components_->AudioFile2;
    tolerant("the WMA profile list", [&] {
        writer->setDescriptionDetail(-1);
        const int profiles = writer->wmaProfileCount();
        for (int profile = 1; profile <= profiles; ++profile) {
            writer->setDescriptionDetail(-1);
            writer->setWmaProfile(profile);
            ui->cmbWMAProfile->addItem(writer->formatString());
        }
        ui->cmbWMAProfile->setCurrentIndex(ui->cmbWMAProfile->count() - 1);
    });
    ui->cmbG723Bits->addItems({QStringLiteral("3 bit"), QStringLiteral("5 bit")});
    ui->cmbG726Bits->addItems(
        {QStringLiteral("2 bit"), QStringLiteral("3 bit"), QStringLiteral("4 bit"), QStringLiteral("5 bit")});
    ui->cmbG723Bits->setCurrentIndex(1);
    ui->cmbG726Bits->setCurrentIndex(2);
    sampleRate_ = 44100;
    channelCount_ = 2;
    g726Bits_ = 4;
    g723Bits_ = 5;
    tolerant("the reader's description setting", [&] { components_->AudioFile1->setDescriptionDetail(-1); });
    tolerant("the PCM format string", [&] {
        writer->setPcmWav(44100, 2, 16);
        ui->txtWAVFormatString->setText(writer->formatString());
    });
    tolerant("the Ogg Vorbis format string", [&] {
        writer->setOggVorbis(44100, 2, 128, 0, 0, -1);
        ui->txtOGGFormatString->setText(writer->formatString());
    });
    tolerant("the MP3 format string", [&] {
        writer->setMp3(44100, 128, 2);
        ui->txtMP3FormatString->setText(writer->formatString());
    });
    tolerant("the WMA profile", [&] { writer->setWmaProfile(28); });
    tolerant("the other format strings", [&] { SetOthersFormats(); });
}

void Tmain::setUpPlayer() {
    playing_ = false;
    dragging_ = false;
    seekOffset_ = 0;
    blockLength_ = 0;
    tolerant("the player's volume", [&] { ui->track_volume->setValue(components_->AudioPlayer1->volume()); });
    tolerant("the reader's decoder setting", [&] { components_->AudioFile1->setDecoderThreads(2); });
}

void Tmain::loadSettings() {
    settings_.load();
    ui->Edit_folder->setText(settings_.values().defaultFolder);
}

void Tmain::restoreLastState() {
    const Settings& values = settings_.values();
    if (!values.saveState)
        return;
    for (const OutputFormatFacts& facts : outputFormatTable()) {
        if (values.format(facts.format))
            findChild<QCheckBox*>(QLatin1String(facts.checkBox))->setChecked(true);
    }
    const bool desktop = values.currentFolder.isEmpty() || values.currentFolder == DesktopFolderMarker ||
                         !QDir(values.currentFolder).exists();
    setBrowserFolder(desktop ? desktopFolder() : values.currentFolder);
    const bool known = values.currentFilter >= 0 && values.currentFilter < ui->combo_filter->count();
    ui->combo_filter->setCurrentIndex(known ? values.currentFilter : -1);
    combo_filterChange();
}

void Tmain::finishStartup() {
    Skin::standard().colourSlider(*ui->track_play);
    const QString picturePath = locations_.programFolder + QStringLiteral("drag.bmp");
    if (!dragPicture_.load(picturePath))
        prompts_.reportError(QStringLiteral("Cannot open file \"%1\".").arg(QDir::toNativeSeparators(picturePath)));
    ui->ListView1->setDragPicture(dragPicture_);
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
        state.formats[static_cast<size_t>(facts.format)] =
            findChild<QCheckBox*>(QLatin1String(facts.checkBox))->isChecked();
    state.currentFolder = browserShowsDesktop() ? DesktopFolderMarker : browserFolder();
    state.currentFilter = ui->combo_filter->currentIndex();
    return state;
}

bool Tmain::FormCloseQuery() {
    try {
        settings_.storeClosingState(closingState());
    } catch (const IniWriteError& error) {
        // The user hears why the state is lost, but is never kept from closing the program.
        prompts_.reportError(error.message());
    }
    return true;
}

// --- source browser ---------------------------------------------------------------------------------------------

QString Tmain::browserFolder() const {
    return browserModel_->rootPath();
}

bool Tmain::browserShowsDesktop() const {
    return ui->PTShellCombo1->currentIndex() == 0;
}

void Tmain::setBrowserFolder(const QString& folder) {
    const QString desktop = desktopFolder();
    const QString target = QDir(folder).exists() ? QDir(folder).absolutePath() : desktop;
    ui->PTShellList1->setRootIndex(browserModel_->setRootPath(target));
    QComboBox& combo = *ui->PTShellCombo1;
    combo.clear();
    combo.addItem(iconProvider_->icon(QFileIconProvider::Computer), QStringLiteral("Desktop"), desktop);
    if (target != desktop)
        combo.addItem(iconProvider_->icon(QFileIconProvider::Folder), QDir::toNativeSeparators(target), target);
    combo.setCurrentIndex(combo.count() - 1);
}

void Tmain::combo_filterChange() {
    browserFilter_ = BrowserFilter::filterFor(ui->combo_filter->currentText());
    browserModel_->setNameFilters(BrowserFilter::patterns(browserFilter_));
}

void Tmain::UpOneLevelBtnClick() {
    QDir folder(browserFolder());
    if (!browserShowsDesktop() && folder.cdUp())
        setBrowserFolder(folder.absolutePath());
}

void Tmain::DeleteBtnClick() {}

void Tmain::ViewBtnClick(int viewCode) {
    for (QAbstractButton* button : viewButtons_->buttons())
        button->setChecked(viewButtons_->id(button) == viewCode);
    const bool icons = viewCode == 0 || viewCode == 1;
    ui->PTShellList1->setViewMode(icons ? QListView::IconMode : QListView::ListMode);
    ui->PTShellList1->setIconSize(viewCode == 0 ? QSize(32, 32) : QSize(16, 16));
    ui->PTShellList1->setWrapping(viewCode != 3);
}

void Tmain::spSkinButton8Click() {
    if (const auto folder = prompts_.pickFolder(QStringLiteral("Select an output folder"), desktopFolder()))
        ui->Edit_folder->setText(*folder);
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
    shell_.open(locations_.programFolder + QStringLiteral("Tonalith.html"));
}

void Tmain::EmailSupport1Click() {
    shell_.open(QStringLiteral("mailto:") + SupportAddress);
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
    if (ui->ch_formatpanel->isChecked())
        button_stopClick();
}

void Tmain::FormatOptionsPanel1Click() {
    const bool show = !ui->ch_formatpanel->isChecked();
    ui->FormatOptionsPanel1->setChecked(show);
    ui->ch_formatpanel->setChecked(show);
    ch_formatpanelClick();
}

void Tmain::SetOthersFormats() {
    TAudioFile2& writer = components_->AudioFile2;
    writer->setAdpcmWav(sampleRate_, channelCount_);
    ui->txtADPCMFormatString->setText(writer->formatString());
    writer->setGsmWav(sampleRate_);
    ui->txtGSMFormatString->setText(writer->formatString());
    writer->setDspWav();
    ui->txtDSPFormatString->setText(writer->formatString());
    writer->setVox(sampleRate_);
    ui->txtVOXFormatString->setText(writer->formatString());
    writer->setRaw(3, sampleRate_, channelCount_, 16);
    ui->txtULAWFormatString->setText(writer->formatString());
    writer->setMp2(sampleRate_, 192, channelCount_);
    ui->txtMP2FormatString->setText(writer->formatString());
    writer->setG723(sampleRate_, g723Bits_);
    ui->txtG723FormatString->setText(writer->formatString());
    writer->setG726(sampleRate_, g726Bits_);
    ui->txtG726FormatString->setText(writer->formatString());
}

// The conversion list, the batch, the tag editor and the player fill these in.
void Tmain::Add2Click() {}
void Tmain::Remove2Click() {}
void Tmain::RemoveAll1Click() {}
void Tmain::button_id3editorClick() {}
void Tmain::cmd_begin_writeClick() {}
void Tmain::MP3ID3Tag1Click() {}
void Tmain::ListView1DblClick() {}
void Tmain::button_playClick() {}
void Tmain::button_stopClick() {}
void Tmain::spSkinButton1Click() {}
void Tmain::spSkinButton5Click() {}
void Tmain::track_volumeChange() {}
void Tmain::AudioPlayer1EndBlockPlay() {}
void Tmain::AudioPlayer1EndPlay() {}
void Tmain::AudioPlayer1Timer(qint64, int, int) {}
void Tmain::AudioPlayer1RequestOnLoadArray() {}
