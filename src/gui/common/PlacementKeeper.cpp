#include "PlacementKeeper.h"

#include "WindowPlacementHelpers.h"
#include "core/platform/IniFile.h"
#include "core/ports/Prompts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
// A stored rectangle that lies on no screen any more (a monitor was removed, the resolution shrank) would put the
// window out of reach.
bool visibleOnSomeScreen(const QRect& rect) {
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.cbegin(), screens.cend(), [&](const QScreen* screen) {
        const QRect overlap = screen->availableGeometry().intersected(rect);
        return overlap.width() >= 40 && overlap.height() >= 20;
    });
}
} // namespace

PlacementKeeper::PlacementKeeper(QWidget& window, QString placementPath, Prompts& prompts)
    : QObject(&window), window_(window), file_(std::move(placementPath)), prompts_(prompts) {
    setObjectName(QStringLiteral("windowPlacement"));
}

void PlacementKeeper::restore() {
    const WindowPlacement placement = file_.read(window_.objectName(), QRect(window_.pos(), window_.size()));
    if (placement.state == StoredWindowState::Maximised) {
        centreOnScreen(window_);
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
        return;
    }
    window_.resize(placement.rect.size());
    if (placement.designed && visibleOnSomeScreen(placement.rect))
        window_.move(placement.rect.topLeft());
    else
        centreOnScreen(window_);
}

void PlacementKeeper::save() {
    StoredWindowState state = StoredWindowState::Normal;
    if (window_.isMinimized())
        state = StoredWindowState::Minimised;
    else if (window_.isMaximized())
        state = StoredWindowState::Maximised;
    try {
        file_.write(window_.objectName(), state, restingRect_ ? restingRect_() : QRect(window_.pos(), window_.size()));
    } catch (const IniWriteError& error) {
        prompts_.reportError(error.message());
    }
}
