#pragma once

#include "BatchOrder.h"
#include "LibrarySync.h"
#include "core/formats/OutputFormat.h"
#include "core/library/PathFitter.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the "Mirror a Folder" dialog asks: which folder is mirrored where, into which format with which settings, and
// how the mirror treats lossy sources, side files, names, vanished sources and modification times.
struct MirrorChoices {
    QString sourceFolder;
    QString destination;
    OutputFormat format = OutputFormat::Mp3;
    QString profile; // a saved profile's name; empty: the main window's current settings
    bool copyLossy = true;
    QString sideFiles = SyncChoices::defaultSideGlobs().join(QLatin1Char(' ')); // patterns as typed; "none" or empty
    PathRules names = PathRules::Posix;
    bool prune = false;
    bool keepTime = false;
    int jobs = 1; // 1..BatchOrder::MaxJobs

    // How the side-file patterns say that no side file is copied.
    inline static const QString NoSideFiles = QStringLiteral("none");

    // The side-file patterns: separated by blanks, none for an empty text or "none".
    [[nodiscard]] QStringList sideGlobs() const;
    // Why the mirror cannot start, as the text of the user's box: a folder missing, a source that is no folder, a
    // destination that is a file, or two folders where one holds the other. Nothing when it can start.
    [[nodiscard]] std::optional<QString> refusal() const;
    // The order of the mirror: the settings of `settings` (the window's or a profile's) for the one chosen format.
    [[nodiscard]] BatchOrder order(const BatchOrder& settings) const;
    // The sync of the two folders for an order made by order().
    [[nodiscard]] SyncSetup setup(const BatchOrder& order) const;

    friend bool operator==(const MirrorChoices&, const MirrorChoices&) = default;
};

// The box at the end of a mirror: how it ended, the count of converted, copied, unchanged, pruned and failed files,
// the first reasons for failures, and a manifest that could not be kept.
struct MirrorOutcome {
    QString text;
    bool troubled = false; // stopped, or something failed: a warning rather than a plain notice

    [[nodiscard]] static MirrorOutcome of(const SyncResult& result, const QString& destination, bool stopped);
};
