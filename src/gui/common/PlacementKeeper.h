#pragma once

#include "core/settings/Placement.h"

#include <QObject>

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

private:
    QWidget& window_;
    PlacementFile file_;
    Prompts& prompts_;
};
