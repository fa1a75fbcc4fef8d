#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

// The running batch's total percentage where the desktop shows it: the launcher icon and the main window's title.
// Percentages run 0..100 while a batch runs; a negative one means no batch runs.

// The properties of the launcher entry's "Update" signal. A batch reports its total many times a second, mostly
// unchanged; only a change is sent, so the bus carries one signal per percent at most.
class LauncherProgress {
public:
    // The desktop file the launcher matches the signal to.
    static inline const QString ApplicationUri = QStringLiteral("application://example.tonalith.Tonalith.desktop");

    // The properties to send for this total, or nothing when the launcher shows it already.
    [[nodiscard]] std::optional<QVariantMap> update(int percent);

private:
    std::optional<int> sent_; // -1 once hidden
};

// The main window's title with the total in front while a batch runs ("37% — Tonalith"), and the title as it was
// once the batch is over.
class TitleProgress {
public:
    // The title to show for this total, given the window's title now.
    [[nodiscard]] QString titleFor(int percent, const QString& currentTitle);

private:
    std::optional<QString> plainTitle_; // the title before the batch, while one runs
};
