#include "Placement.h"

#include "core/platform/IniFile.h"

namespace {
QString sectionOf(const QString& windowName) {
    return windowName + QStringLiteral(" Position");
}
} // namespace

PlacementFile::PlacementFile(QString path) : path_(std::move(path)) {}

WindowPlacement PlacementFile::read(const QString& windowName, const QRect& current) const {
    const IniFile file(path_);
    const QString section = sectionOf(windowName);
    WindowPlacement placement;
    placement.designed =
        file.readString(section, QStringLiteral("isdesigned"), QStringLiteral("n")) == QLatin1String("y");
    placement.rect = current;
    if (file.readInteger(section, QStringLiteral("WindowState"), 0) == static_cast<int>(StoredWindowState::Maximised)) {
        placement.state = StoredWindowState::Maximised;
        return placement;
    }
    // A stored minimised state is not restored: the window opens normally at its rectangle.
    placement.rect = QRect(file.readInteger(section, QStringLiteral("Left"), current.left()),
                           file.readInteger(section, QStringLiteral("Top"), current.top()),
                           file.readInteger(section, QStringLiteral("Width"), current.width()),
                           file.readInteger(section, QStringLiteral("Height"), current.height()));
    return placement;
}

void PlacementFile::write(const QString& windowName, StoredWindowState state, const QRect& rect) const {
    IniFile file(path_);
    const QString section = sectionOf(windowName);
    file.writeInteger(section, QStringLiteral("WindowState"), static_cast<int>(state));
    file.writeString(section, QStringLiteral("isdesigned"), QStringLiteral("y"));
    if (state == StoredWindowState::Maximised)
        return;
    file.writeInteger(section, QStringLiteral("Left"), rect.left());
    file.writeInteger(section, QStringLiteral("Top"), rect.top());
    file.writeInteger(section, QStringLiteral("Width"), rect.width());
    file.writeInteger(section, QStringLiteral("Height"), rect.height());
}
