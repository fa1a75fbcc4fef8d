#include "MirrorChoices.h"

#include <QCoreApplication>

#include "OutputNaming.h"
#include "core/platform/HomeFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The folder as typed, "~" meaning the home folder, without "." and ".." steps.
QString folderOf(const QString& typed) {
    return QDir::cleanPath(withHomeFolder(typed.trimmed()));
}

// The path with every symbolic link of its existing part resolved, so that two names of one folder compare equal
// even when the destination is yet to be made.
QString resolved(const QString& path) {
    QString existing = path;
    QStringList missing;
    while (!QFileInfo::exists(existing)) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            return path;
        missing.prepend(QFileInfo(existing).fileName());
        existing = parent;
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    if (canonical.isEmpty())
        return path;
    return missing.isEmpty() ? canonical : QDir::cleanPath(canonical + QLatin1Char('/') + missing.join('/'));
}

bool holds(const QString& folder, const QString& path) {
    return path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

} // namespace

QStringList MirrorChoices::sideGlobs() const {
    QStringList globs = sideFiles.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    globs.removeIf(
        [](const QString& glob) { return glob.compare(MirrorChoices::NoSideFiles, Qt::CaseInsensitive) == 0; });
    return globs;
}

std::optional<QString> MirrorChoices::refusal() const {
    if (sourceFolder.trimmed().isEmpty())
        return QCoreApplication::translate("Batch", "Please choose the folder to mirror.");
    if (destination.trimmed().isEmpty())
        return QCoreApplication::translate("Batch", "Please choose the folder to mirror it into.");
    const QString source = folderOf(sourceFolder);
    const QString target = folderOf(destination);
    for (const QString& folder : {source, target}) {
        if (!QFileInfo(folder).isAbsolute())
            return QCoreApplication::translate("Batch", "\"%1\" is not a full folder path.").arg(folder);
    }
    if (!QFileInfo(source).isDir())
        return QCoreApplication::translate("Batch", "The folder \"%1\" does not exist.").arg(source);
    if (QFileInfo::exists(target) && !QFileInfo(target).isDir())
        return QCoreApplication::translate("Batch", "\"%1\" is a file, not a folder.").arg(target);
    const QString realSource = resolved(source);
    const QString realTarget = resolved(target);
    if (realSource == realTarget)
        return QCoreApplication::translate("Batch", "The folder cannot be mirrored into itself.");
    if (holds(realSource, realTarget))
        return QCoreApplication::translate("Batch", "The destination \"%1\" lies inside the folder it mirrors.")
            .arg(target);
    if (holds(realTarget, realSource))
        return QCoreApplication::translate("Batch", "The folder \"%1\" lies inside its destination.").arg(source);
    return std::nullopt;
}

BatchOrder MirrorChoices::order(const BatchOrder& settings) const {
    BatchOrder order = settings;
    order.sources.clear();
    order.formats = {format};
    order.jobs = std::clamp(jobs, 1, BatchOrder::MaxJobs);
    // A mirror's outputs are spread over a whole tree: there is no one folder to open at its end.
    order.openFolder = false;
    return order;
}

SyncSetup MirrorChoices::setup(const BatchOrder& order) const {
    SyncSetup setup;
    setup.sourceFolder = folderOf(sourceFolder);
    setup.destination = folderOf(destination);
    setup.rules = names;
    setup.prune = prune;
    setup.keepTime = keepTime;
    SyncChoices& sync = setup.choices;
    sync.copyLossy = copyLossy;
    sync.sideGlobs = sideGlobs();
    sync.outputSuffix = destinationName(QString(), QString(), format);
    sync.convertOptions = conversionFingerprint(order);
    sync.namesFromTemplate = order.baseNames.has_value();
    return setup;
}

MirrorOutcome MirrorOutcome::of(const SyncResult& result, const QString& destination, bool stopped) {
    constexpr int kReasonsShown = 10;
    const SyncCounts& counts = result.counts;
    MirrorOutcome outcome;
    outcome.troubled = stopped || counts.failed > 0 || !result.manifestSaved;
    QStringList lines;
    lines.append(stopped ? QCoreApplication::translate("Batch", "Mirroring was stopped.")
                         : QCoreApplication::translate("Batch", "Mirroring is finished."));
    lines.append(
        QCoreApplication::translate("Batch", "Converted: %1, copied: %2, unchanged: %3, pruned: %4, failed: %5.")
            .arg(counts.converted)
            .arg(counts.copied)
            .arg(counts.unchanged)
            .arg(counts.pruned)
            .arg(counts.failed));
    int shown = 0;
    for (const SyncFileReport& file : result.files) {
        if (file.status != SyncStatus::Failed)
            continue;
        if (shown++ == kReasonsShown) {
            lines.append(QStringLiteral("…"));
            break;
        }
        lines.append(file.reason.isEmpty() ? file.source : file.reason);
    }
    if (!result.manifestSaved)
        lines.append(QCoreApplication::translate("Batch", "The list of mirrored files in \"%1\" cannot be written: the "
                                                          "next mirror makes every file again.")
                         .arg(destination));
    outcome.text = lines.join(QLatin1Char('\n'));
    return outcome;
}
