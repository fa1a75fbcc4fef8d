#include "PlayerBar.h"

#include "core/components/ComponentSet.h"
#include "gui/common/ErrorReport.h"
#include "gui/common/Skin.h"
#include "ui_PlayerBar.h"

#include <QEvent>
#include <QStyle>

PlayerBar::PlayerBar(ComponentSet& components, Prompts& prompts, QWidget* parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::PlayerBar>()), components_(components), prompts_(prompts),
      player_(std::make_unique<PreviewPlayer>(components, rows_, static_cast<PreviewPosition&>(*this), prompts)) {
    ui->setupUi(this);
    const QStyle* look = style();
    ui->BitBtn1->setIcon(look->standardIcon(QStyle::SP_MediaPlay));
    ui->BitBtn2->setIcon(look->standardIcon(QStyle::SP_MediaStop));
    ui->spSkinButton1->setIcon(look->standardIcon(QStyle::SP_MediaSkipBackward));
    ui->spSkinButton5->setIcon(look->standardIcon(QStyle::SP_MediaSkipForward));
    Skin::standard().colourSlider(*ui->track_play);
    connectControls();
}

PlayerBar::~PlayerBar() = default;

void PlayerBar::attachRows(PreviewRows& rows) {
    rows_.target = &rows;
}

void PlayerBar::connectControls() {
    connectGuarded(prompts_, ui->BitBtn1, &QToolButton::clicked, this, [this](bool) { button_playClick(); });
    connectGuarded(prompts_, ui->BitBtn2, &QToolButton::clicked, this, [this](bool) { button_stopClick(); });
    connectGuarded(prompts_, ui->spSkinButton1, &QToolButton::clicked, this, [this](bool) { spSkinButton1Click(); });
    connectGuarded(prompts_, ui->spSkinButton5, &QToolButton::clicked, this, [this](bool) { spSkinButton5Click(); });
    connectGuarded(prompts_, ui->track_volume, &QSlider::valueChanged, this, [this](int) { track_volumeChange(); });
    // Any mouse button on the position slider starts and ends a drag, not only the left one on the handle.
    ui->track_play->installEventFilter(this);
}

bool PlayerBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->track_play && event->type() == QEvent::MouseButtonPress)
        guarded(prompts_, [this] { track_playMouseDown(); });
    // The slider takes its value from the release first; the seek then goes where the user let go.
    if (watched == ui->track_play && event->type() == QEvent::MouseButtonRelease)
        QMetaObject::invokeMethod(
            this, [this] { guarded(prompts_, [this] { track_playMouseUp(); }); }, Qt::QueuedConnection);
    return QGroupBox::eventFilter(watched, event);
}

void PlayerBar::bindPlayerEvents() {
    guarded(prompts_, [this] {
        player_->bindEvents([this](const std::function<void()>& handler) { guarded(prompts_, handler); });
    });
}

void PlayerBar::setUpPlayer() {
    guarded(prompts_, [&] { ui->track_volume->setValue(player_->volume()); });
    guarded(prompts_, [&] { components_.reader->setDecoderThreads(2); });
}

int PlayerBar::position() const {
    return ui->track_play->value();
}

void PlayerBar::setPosition(int percent) {
    ui->track_play->setValue(percent);
}

void PlayerBar::stopPreview() {
    player_->stopPreview();
}

void PlayerBar::button_playClick() {
    player_->play();
}

void PlayerBar::button_stopClick() {
    player_->stop();
}

void PlayerBar::spSkinButton1Click() {
    player_->previous();
}

void PlayerBar::spSkinButton5Click() {
    player_->next();
}

void PlayerBar::track_playMouseDown() {
    player_->sliderPressed();
}

void PlayerBar::track_playMouseUp() {
    player_->sliderReleased();
}

void PlayerBar::track_volumeChange() {
    player_->setVolume(ui->track_volume->value());
}

void PlayerBar::AudioPlayer1EndBlockPlay() {
    player_->onBlockPlayed();
}

void PlayerBar::AudioPlayer1EndPlay() {
    player_->onPlayEnded();
}

void PlayerBar::AudioPlayer1Timer(qint64 currentSamples, int, int) {
    player_->onTimer(currentSamples);
}

void PlayerBar::AudioPlayer1RequestOnLoadArray() {
    player_->onMoreDataWanted();
}
