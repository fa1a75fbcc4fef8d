#include "Placement.h"

#include "SettingsKeys.h"
#include "core/platform/IniFile.h"

#include <algorithm>

namespace {
using namespace PlacementKeys;

QString sectionOf(const QString& windowName) {
    return windowName + SectionSuffix;
}
} // namespace

QRect keptWithin(const QRect& frame, const QRect& area) {
    QRect kept = frame;
    if (kept.right() > area.right())
        kept.moveLeft(std::max(area.left(), kept.left() - (kept.right() - area.right())));
    if (kept.bottom() > area.bottom())
        kept.moveTop(std::max(area.top(), kept.top() - (kept.bottom() - area.bottom())));
    return kept;
}

PlacementFile::PlacementFile(QString path) : path_(std::move(path)) {}

WindowPlacement PlacementFile::read(const QString& windowName, const QRect& current) const {
    const IniFile file(path_);
    const QString section = sectionOf(windowName);
    WindowPlacement placement;
    placement.designed = file.readString(section, IsDesigned, No) == Yes;
    placement.rect = current;
    if (file.readInteger(section, WindowState, 0) == static_cast<int>(StoredWindowState::Maximised)) {
        placement.state = StoredWindowState::Maximised;
        return placement;
    }
    // A stored minimised state is not restored: the window opens normally at its rectangle.
    placement.rect =
        QRect(file.readInteger(section, Left, current.left()), file.readInteger(section, Top, current.top()),
              file.readInteger(section, Width, current.width()), file.readInteger(section, Height, current.height()));
    return placement;
}

void PlacementFile::write(const QString& windowName, StoredWindowState state, const QRect& rect) const {
    IniFile file(path_);
    const QString section = sectionOf(windowName);
    file.writeInteger(section, WindowState, static_cast<int>(state));
    file.writeString(section, IsDesigned, Yes);
    if (state == StoredWindowState::Maximised)
        return;
    file.writeInteger(section, Left, rect.left());
    file.writeInteger(section, Top, rect.top());
    file.writeInteger(section, Width, rect.width());
    file.writeInteger(section, Height, rect.height());
}
