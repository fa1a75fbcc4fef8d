#pragma once

#include <QString>
#include <QStringList>

// How a batch ended, as the desktop is told of it.
struct BatchEnd {
    int made = 0;
    int notMade = 0;
    qint64 elapsedMs = 0;
    QString outputFolder; // empty when no output was written anywhere
};

// The desktop notification at the end of a batch: whether one is due, and its texts and action.
class BatchEndNotice {
public:
    // A batch shorter than this ends while the user still watches the window, and its completion box says the
    // same; a notice is for the user who went to another window during a longer one.
    static constexpr qint64 MinimumRunMs = 5000;
    // The key the desktop hands back when the user picks the action.
    static inline const QString OpenFolderAction = QStringLiteral("open-output-folder");

    [[nodiscard]] static bool isDue(const BatchEnd& end, bool enabled);
    [[nodiscard]] static QString summary(const BatchEnd& end);
    // "3 outputs made, 1 not made."
    [[nodiscard]] static QString body(const BatchEnd& end);
    // Key and label pairs, as the notification service takes them; none when there is no folder to open.
    [[nodiscard]] static QStringList actions(const BatchEnd& end);
};
