#include "PlayerBar.h"

#include "components/ComponentSet.h"
#include "ui/ErrorReport.h"
#include "ui/Skin.h"
#include "ui_PlayerBar.h"

#include <QStyle>

PlayerBar::PlayerBar(ComponentSet& components, Prompts& prompts, QWidget* parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::PlayerBar>()), components_(components), prompts_(prompts) {
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

void PlayerBar::connectControls() {
    connectGuarded(prompts_, ui->BitBtn1, &QToolButton::clicked, this, [this](bool) { button_playClick(); });
    connectGuarded(prompts_, ui->BitBtn2, &QToolButton::clicked, this, [this](bool) { button_stopClick(); });
    connectGuarded(prompts_, ui->spSkinButton1, &QToolButton::clicked, this, [this](bool) { spSkinButton1Click(); });
    connectGuarded(prompts_, ui->spSkinButton5, &QToolButton::clicked, this, [this](bool) { spSkinButton5Click(); });
    connectGuarded(prompts_, ui->track_volume, &QSlider::valueChanged, this, [this](int) { track_volumeChange(); });
}

void PlayerBar::bindPlayerEvents() {
    AudioPlayerEvents events;
    events.onEndArrayPlay = [this] { guarded(prompts_, [this] { AudioPlayer1EndBlockPlay(); }); };
    events.onEndPlay = [this] { guarded(prompts_, [this] { AudioPlayer1EndPlay(); }); };
    events.onTimer = [this](qint64 samples, int left, int right) {
        guarded(prompts_, [&] { AudioPlayer1Timer(samples, left, right); });
    };
    events.onRequestOnLoadArray = [this] { guarded(prompts_, [this] { AudioPlayer1RequestOnLoadArray(); }); };
    guarded(prompts_, [&] { components_.AudioPlayer1->setEvents(std::move(events)); });
}

void PlayerBar::setUpPlayer() {
    playing_ = false;
    dragging_ = false;
    seekOffset_ = 0;
    blockLength_ = 0;
    guarded(prompts_, [&] { ui->track_volume->setValue(components_.AudioPlayer1->volume()); });
    guarded(prompts_, [&] { components_.AudioFile1->setDecoderThreads(2); });
}

// The preview player fills these in.
void PlayerBar::button_playClick() {}
void PlayerBar::button_stopClick() {}
void PlayerBar::spSkinButton1Click() {}
void PlayerBar::spSkinButton5Click() {}
void PlayerBar::track_volumeChange() {}
void PlayerBar::AudioPlayer1EndBlockPlay() {}
void PlayerBar::AudioPlayer1EndPlay() {}
void PlayerBar::AudioPlayer1Timer(qint64, int, int) {}
void PlayerBar::AudioPlayer1RequestOnLoadArray() {}
