#pragma once

#include "core/settings/Placement.h"

#include <QObject>
#include <QRect>
#include <functional>

class Prompts;
class QWidget;

// Keeps one window's position, size and state in the placement file: restores them when the window has been
// built, and stores them when the window goes away.
class PlacementKeeper : public QObject {
    Q_OBJECT
public:
    PlacementKeeper(QWidget& window, QString placementPath, Prompts& prompts);

    // Centres the window, or moves it to its stored rectangle; a stored maximised state maximises it.
    void restore();
    // Stores the window's state and, unless it is maximised, its rectangle. A refused write is reported.
    void save();
    // The rectangle stored for a window that is not maximised; without one, the window's own. A window that grows
    // for something it shows only for a while stores the rectangle it has without it.
    void setRestingRect(std::function<QRect()> restingRect) { restingRect_ = std::move(restingRect); }

private:
    QWidget& window_;
    std::function<QRect()> restingRect_;
    PlacementFile file_;
    Prompts& prompts_;
};
