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
    ui->playButton->setIcon(look->standardIcon(QStyle::SP_MediaPlay));
    ui->stopButton->setIcon(look->standardIcon(QStyle::SP_MediaStop));
    ui->previousButton->setIcon(look->standardIcon(QStyle::SP_MediaSkipBackward));
    ui->nextButton->setIcon(look->standardIcon(QStyle::SP_MediaSkipForward));
    Skin::standard().colourSlider(*ui->positionSlider);
    connectControls();
}

PlayerBar::~PlayerBar() = default;

void PlayerBar::attachRows(PreviewRows& rows) {
    rows_.target = &rows;
}

void PlayerBar::connectControls() {
    connectGuarded(prompts_, ui->playButton, &QToolButton::clicked, this, [this](bool) { play(); });
    connectGuarded(prompts_, ui->stopButton, &QToolButton::clicked, this, [this](bool) { stop(); });
    connectGuarded(prompts_, ui->previousButton, &QToolButton::clicked, this, [this](bool) { playPrevious(); });
    connectGuarded(prompts_, ui->nextButton, &QToolButton::clicked, this, [this](bool) { playNext(); });
    connectGuarded(prompts_, ui->volumeSlider, &QSlider::valueChanged, this, [this](int) { applyVolume(); });
    // Any mouse button on the position slider starts and ends a drag, not only the left one on the handle.
    ui->positionSlider->installEventFilter(this);
}

bool PlayerBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->positionSlider && event->type() == QEvent::MouseButtonPress)
        guarded(prompts_, [this] { beginSeek(); });
    // The slider takes its value from the release first; the seek then goes where the user let go.
    if (watched == ui->positionSlider && event->type() == QEvent::MouseButtonRelease)
        QMetaObject::invokeMethod(
            this, [this] { guarded(prompts_, [this] { endSeek(); }); }, Qt::QueuedConnection);
    return QGroupBox::eventFilter(watched, event);
}

void PlayerBar::bindPlayerEvents() {
    guarded(prompts_, [this] {
        player_->bindEvents([this](const std::function<void()>& handler) { guarded(prompts_, handler); });
    });
}

void PlayerBar::setUpPlayer() {
    guarded(prompts_, [&] { ui->volumeSlider->setValue(player_->volume()); });
    guarded(prompts_, [&] { components_.reader->setDecoderThreads(2); });
}

int PlayerBar::position() const {
    return ui->positionSlider->value();
}

void PlayerBar::setPosition(int percent) {
    ui->positionSlider->setValue(percent);
}

void PlayerBar::stopPreview() {
    player_->stopPreview();
}

void PlayerBar::play() {
    player_->play();
}

void PlayerBar::stop() {
    player_->stop();
}

void PlayerBar::playPrevious() {
    player_->previous();
}

void PlayerBar::playNext() {
    player_->next();
}

void PlayerBar::beginSeek() {
    player_->sliderPressed();
}

void PlayerBar::endSeek() {
    player_->sliderReleased();
}

void PlayerBar::applyVolume() {
    player_->setVolume(ui->volumeSlider->value());
}

void PlayerBar::showPlayedSamples(qint64 currentSamples) {
    player_->onTimer(currentSamples);
}
