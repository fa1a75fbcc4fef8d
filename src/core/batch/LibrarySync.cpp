#include "LibrarySync.h"

#include "ProfileStore.h"
#include "core/library/SyncFiles.h"
#include "core/sources/SourceTypes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

SourceKind kindOf(const QString& fileName) {
    return sourceKindOfFile(fileName);
}

} // namespace

QString conversionFingerprint(const BatchOrder& order) {
    BatchOrder settings = order;
    settings.sources.clear();
    settings.folderText.clear();
    settings.treeRoot.reset();
    settings.existing = ExistingOutputPolicy::Replace;
    settings.verifyOutputs = false;
    settings.jobs = 1;
    settings.openFolder = false;
    QStringList formats;
    for (const OutputFormat format : order.formats)
        formats.append(outputFormatName(format));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("order.ini"));
    ProfileStore::writeFile(path, QStringLiteral("sync"), settings);
    QFile file(path);
    QByteArray text;
    if (file.open(QIODevice::ReadOnly))
        text = file.readAll();
    return formats.join(QLatin1Char('+')) + QLatin1Char(':') +
           QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex().left(16));
}

LibrarySync::LibrarySync(SyncSetup setup, BatchOrder order)
    : setup_(std::move(setup)), order_(std::move(order)), fitter_(setup_.rules) {}

QString LibrarySync::absoluteOutput(const QString& relative) const {
    return setup_.destination + QLatin1Char('/') + relative;
}

QString LibrarySync::absoluteSource(const QString& relative) const {
    return setup_.sourceFolder + QLatin1Char('/') + relative;
}

SyncResult LibrarySync::run(SyncConversion& conversion, SyncObserver& observer) {
    result_ = SyncResult{};
    const std::optional<SyncManifest> loaded = SyncManifest::load(setup_.destination);
    manifest_ = loaded.value_or(SyncManifest{});
    const QString skipped =
        setup_.destination.startsWith(setup_.sourceFolder + QLatin1Char('/')) ? setup_.destination : QString();
    // One listing of the destination answers whether each listed output is still there.
    std::optional<QSet<QString>> existing;
    const auto exists = [&](const QString& output) {
        if (!existing)
            existing = filesBelow(setup_.destination);
        return existing->contains(output);
    };
    const SyncWork work = planSync(scanTree(setup_.sourceFolder, skipped), loaded, setup_.choices, fitter_, exists);
    for (const ManifestEntry& entry : work.unchanged)
        claimedOutputs_.insert(entry.output);
    for (const SyncTask& task : work.tasks)
        claimedOutputs_.insert(task.output);

    std::vector<SyncTask> copies;
    std::vector<SyncTask> conversions;
    for (const SyncTask& task : work.tasks)
        (task.action == SyncAction::Convert ? conversions : copies).push_back(task);
    // A whole run also folds the files of earlier shards into one manifest.
    const bool changes = !work.tasks.empty() || (setup_.prune && !work.gone.empty()) ||
                         (setup_.choices.shard.count == 1 && SyncManifest::hasShardFiles(setup_.destination));
    copyFiles(copies, conversion, observer);
    if (!copies.empty())
        result_.manifestSaved =
            manifest_.save(setup_.destination, setup_.choices.shard.index, setup_.choices.shard.count);
    convertFiles(conversions, conversion, observer);
    if (setup_.prune && !conversion.stopped()) {
        for (const ManifestEntry& entry : work.gone) {
            if (removeOutput(entry, observer))
                manifest_.remove(entry.source);
        }
    }
    for (const ManifestEntry& entry : work.unchanged) {
        ++result_.counts.unchanged;
        result_.files.push_back(SyncFileReport{SyncStatus::Unchanged, entry.source, absoluteOutput(entry.output), {}});
    }
    // A sync that changed nothing leaves the manifest as it is: a second run over an unchanged library writes nothing.
    if (changes) {
        result_.manifestSaved =
            QDir().mkpath(setup_.destination) &&
            manifest_.save(setup_.destination, setup_.choices.shard.index, setup_.choices.shard.count) &&
            result_.manifestSaved;
        if (result_.manifestSaved && setup_.choices.shard.count == 1)
            SyncManifest::removeShardFiles(setup_.destination);
    }
    return result_;
}

void LibrarySync::copyFiles(const std::vector<SyncTask>& tasks, SyncConversion& conversion, SyncObserver& observer) {
    for (const SyncTask& task : tasks) {
        if (conversion.stopped())
            return;
        const QString source = absoluteSource(task.source.relative);
        const QString output = absoluteOutput(task.output);
        QString reason = syncfiles::copyWhole(source, output);
        if (reason.isEmpty() && setup_.keepTime && !syncfiles::copyModificationTime(source, output))
            reason = QStringLiteral("%1: its modification time cannot be set").arg(output);
        record(task, reason.isEmpty() ? SyncStatus::Copied : SyncStatus::Failed, reason, observer);
    }
}

void LibrarySync::convertFiles(const std::vector<SyncTask>& tasks, SyncConversion& conversion, SyncObserver& observer) {
    if (tasks.empty() || conversion.stopped())
        return;
    BatchOrder order = order_;
    order.sources.clear();
    for (const SyncTask& task : tasks) {
        const QString source = absoluteSource(task.source.relative);
        order.sources.push_back(BatchSource{source, kindOf(source), std::nullopt});
    }
    order.folderText = setup_.destination;
    order.treeRoot = setup_.sourceFolder;
    order.existing = ExistingOutputPolicy::Replace;
    std::vector<BatchOutput> plan = conversion.plan(order);
    // One format: the plan holds one output per source, in the order of the sources.
    for (std::size_t index = 0; index < plan.size() && index < tasks.size(); ++index)
        plan[index].destinationName =
            absoluteOutput(order.baseNames ? namedOutput(tasks[index], plan[index]) : tasks[index].output);
    std::vector<bool> settled(plan.size(), false);
    sinceSaved_.start();
    const std::vector<OutputReport> reports =
        conversion.run(plan, order, [&](std::size_t index, const OutputReport& report) {
            if (index >= tasks.size() || settled[index])
                return;
            settled[index] = true;
            settle(tasks[index], plan[index], report, observer);
        });
    for (std::size_t index = 0; index < reports.size() && index < tasks.size(); ++index) {
        if (!settled[index])
            settle(tasks[index], plan[index], reports[index], observer);
    }
}

void LibrarySync::settle(const SyncTask& planned, const BatchOutput& output, const OutputReport& report,
                         SyncObserver& observer) {
    SyncTask task = planned;
    task.output = QDir(setup_.destination).relativeFilePath(output.destinationName);
    switch (report.status) {
    case OutputStatus::Made: {
        QString reason;
        if (setup_.keepTime &&
            !syncfiles::copyModificationTime(absoluteSource(task.source.relative), report.destination))
            reason = QStringLiteral("%1: its modification time cannot be set").arg(report.destination);
        record(task, reason.isEmpty() ? SyncStatus::Converted : SyncStatus::Failed, reason, observer);
        break;
    }
    case OutputStatus::Failed:
    case OutputStatus::Skipped:
        record(task, SyncStatus::Failed, report.reason, observer);
        break;
    case OutputStatus::Cancelled:
    case OutputStatus::NotStarted:
        // A stopped output is a cut-off copy of its source that no manifest line stands for, so no later prune would
        // ever remove it: it goes now, unless it is the complete file an earlier sync made under that name.
        if (report.status == OutputStatus::Cancelled && !report.conversion.keptEarlier && !report.destination.isEmpty())
            QFile::remove(report.destination);
        result_.files.push_back(
            SyncFileReport{SyncStatus::Cancelled, task.source.relative, absoluteOutput(task.output), {}});
        return;
    }
    constexpr qint64 kSaveEveryMs = 5000;
    if (sinceSaved_.hasExpired(kSaveEveryMs)) {
        result_.manifestSaved =
            manifest_.save(setup_.destination, setup_.choices.shard.index, setup_.choices.shard.count) &&
            result_.manifestSaved;
        sinceSaved_.restart();
    }
}

QString LibrarySync::namedOutput(const SyncTask& task, const BatchOutput& planned) {
    // The name the source would have had without a template stands for nothing now.
    claimedOutputs_.erase(task.output);
    const QString fitted = fitter_.path(QDir(setup_.destination).relativeFilePath(planned.destinationName));
    const qsizetype slash = fitted.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QString() : fitted.left(slash + 1);
    QString name = fitted;
    for (int number = 1; claimedOutputs_.count(name) != 0; ++number)
        name = folder + fitter_.withMarker(fitted.mid(slash + 1), number);
    claimedOutputs_.insert(name);
    return name;
}

void LibrarySync::record(const SyncTask& task, SyncStatus status, const QString& reason, SyncObserver& observer) {
    const QString source = absoluteSource(task.source.relative);
    if (status == SyncStatus::Failed) {
        ++result_.counts.failed;
        // A listed output whose source failed stays listed, so that the next sync tries again and --prune still
        // knows it; an impossible size makes sure it is not taken for unchanged.
        if (task.earlier) {
            ManifestEntry entry = *task.earlier;
            entry.size = -1;
            manifest_.put(entry);
        }
    } else {
        (status == SyncStatus::Converted ? result_.counts.converted : result_.counts.copied) += 1;
        ManifestEntry entry;
        entry.kind = task.action == SyncAction::Convert ? ManifestEntry::Kind::Converted
                     : task.action == SyncAction::Copy  ? ManifestEntry::Kind::Copied
                                                        : ManifestEntry::Kind::Side;
        entry.source = task.source.relative;
        entry.size = task.source.size;
        entry.modifiedMs = task.source.modifiedMs;
        entry.tagHash = task.action == SyncAction::Side ? QString() : syncfiles::tagHash(source);
        entry.options = optionsTextOf(task.action, setup_.choices, setup_.rules);
        entry.output = task.output;
        manifest_.put(entry);
        claimedOutputs_.insert(task.output);
    }
    const SyncFileReport report{status, task.source.relative, absoluteOutput(task.output), reason};
    result_.files.push_back(report);
    observer.fileDone(report);
    // The output the source had before under another name is ours and now stands for nothing.
    if (status != SyncStatus::Failed && task.earlier && task.earlier->output != task.output)
        removeOutput(*task.earlier, observer);
}

bool LibrarySync::removeOutput(const ManifestEntry& entry, SyncObserver& observer) {
    // Another present source may have been given that name since: its file stays.
    if (claimedOutputs_.count(entry.output) != 0)
        return true;
    const QString output = absoluteOutput(entry.output);
    const QFileInfo info(output);
    if (!info.isFile() && !info.isSymLink())
        return true;
    SyncFileReport report{SyncStatus::Pruned, entry.source, output, {}};
    if (syncfiles::removeWithEmptyFolders(output, setup_.destination)) {
        ++result_.counts.pruned;
    } else {
        report.status = SyncStatus::Failed;
        report.reason = QStringLiteral("%1: it cannot be removed").arg(output);
        ++result_.counts.failed;
    }
    result_.files.push_back(report);
    observer.fileDone(report);
    return report.status == SyncStatus::Pruned;
}
