#pragma once

#include <QRect>
#include <QString>

// The window states the placement file knows.
enum class StoredWindowState { Normal = 0, Minimised = 1, Maximised = 2 };

// A window's placement as the file describes it.
struct WindowPlacement {
    bool designed = false; // a placement was stored: use its coordinates instead of centring the window
    StoredWindowState state = StoredWindowState::Normal;
    QRect rect; // left, top, width, height; not read for a maximised window
};

// Where a window's frame stands once it is moved left and up as far as needed to end inside the area (the screen's
// available part): it is never moved right or down, and its top-left corner never leaves the area.
[[nodiscard]] QRect keptWithin(const QRect& frame, const QRect& area);

// The placement file: one section per window, "<window name> Position", opened afresh for every read and write.
class PlacementFile {
public:
    explicit PlacementFile(QString path);

    [[nodiscard]] const QString& path() const { return path_; }

    // What to restore; every missing value is taken from the window's current rectangle.
    [[nodiscard]] WindowPlacement read(const QString& windowName, const QRect& current) const;
    // Stores the state and marks the placement as designed. The rectangle is written only when the window is not
    // maximised, so a maximised close keeps the last normal rectangle. Throws IniWriteError.
    void write(const QString& windowName, StoredWindowState state, const QRect& rect) const;

private:
    QString path_;
};
