#pragma once

#include <QGroupBox>
#include <memory>

struct ComponentSet;
class Prompts;

namespace Ui {
class PlayerBar;
}

// The "Play" group: play, stop, back, forward, the position and the volume of the preview player.
class PlayerBar : public QGroupBox {
    Q_OBJECT
public:
    PlayerBar(ComponentSet& components, Prompts& prompts, QWidget* parent = nullptr);
    ~PlayerBar() override;

    // Routes the player's events to this group's handlers.
    void bindPlayerEvents();
    // Takes the player's volume and sets the reader's decoding up; a step refused is reported, the others go on.
    void setUpPlayer();

public slots:
    void button_playClick();
    void button_stopClick();
    void spSkinButton1Click();
    void spSkinButton5Click();
    void track_volumeChange();
    void AudioPlayer1EndBlockPlay();
    void AudioPlayer1EndPlay();
    void AudioPlayer1Timer(qint64 currentSamples, int levelLeft, int levelRight);
    void AudioPlayer1RequestOnLoadArray();

private:
    void connectControls();

    std::unique_ptr<Ui::PlayerBar> ui;
    ComponentSet& components_;
    Prompts& prompts_;
    bool playing_ = false;
    bool dragging_ = false;
    int seekOffset_ = 0;
    int blockLength_ = 0;
};
