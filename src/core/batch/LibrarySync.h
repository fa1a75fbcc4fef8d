#pragma once

#include "BatchOrder.h"
#include "OutputMaker.h"
#include "core/library/PathFitter.h"
#include "core/library/SyncManifest.h"
#include "core/library/SyncPlan.h"

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <vector>

// Where and how one library is mirrored.
struct SyncSetup {
    QString sourceFolder; // absolute
    QString destination;  // absolute
    SyncChoices choices;
    PathRules rules = PathRules::Posix;
    bool prune = false;
    bool keepTime = false;
};

enum class SyncStatus { Converted, Copied, Unchanged, Pruned, Failed, Cancelled };

// What became of one file of the library.
struct SyncFileReport {
    SyncStatus status = SyncStatus::Unchanged;
    QString source; // relative to the source folder
    QString output; // absolute
    QString reason; // for a failure
};

struct SyncCounts {
    int converted = 0;
    int copied = 0;
    int unchanged = 0;
    int pruned = 0;
    int failed = 0;
};

struct SyncResult {
    std::vector<SyncFileReport> files; // made, failed and pruned ones in the order they were done; unchanged last
    SyncCounts counts;
    bool manifestSaved = true;
};

// The conversion road of a sync: the same plan and engine every batch takes. The caller owns the components and
// hears the outputs' progress.
class SyncConversion {
public:
    virtual ~SyncConversion() = default;
    [[nodiscard]] virtual std::vector<BatchOutput> plan(const BatchOrder& order) = 0;
    // `finished` hears each output's report as soon as it is known, on the calling thread.
    [[nodiscard]] virtual std::vector<OutputReport>
    run(const std::vector<BatchOutput>& plan, const BatchOrder& order,
        const std::function<void(std::size_t, const OutputReport&)>& finished) = 0;
    // Whether the user stopped the sync; nothing more is copied or removed after that.
    [[nodiscard]] virtual bool stopped() const = 0;
};

// Hears the files a sync copies, removes or fails to make, as it does them.
class SyncObserver {
public:
    virtual ~SyncObserver() = default;
    virtual void fileDone(const SyncFileReport& report) = 0;
};

// A text that changes whenever the order would make different sound or tags: its formats and settings, names,
// volume, loudness and tag choices. How many jobs run, verification and the folders do not count.
[[nodiscard]] QString conversionFingerprint(const BatchOrder& order);

// Mirrors a source folder into a destination: converts lossless sources (and lossy ones unless they are copied),
// copies lossy sources and side files as they are, leaves what the manifest shows unchanged unopened, removes what
// --prune asks for, and keeps the manifest. `order` holds the one format and its settings; its sources and folders
// are set here.
class LibrarySync {
public:
    LibrarySync(SyncSetup setup, BatchOrder order);

    [[nodiscard]] SyncResult run(SyncConversion& conversion, SyncObserver& observer);

private:
    void copyFiles(const std::vector<SyncTask>& tasks, SyncConversion& conversion, SyncObserver& observer);
    void convertFiles(const std::vector<SyncTask>& tasks, SyncConversion& conversion, SyncObserver& observer);
    // A name from the order's template, fitted to the rules and claimed among the sync's outputs.
    [[nodiscard]] QString namedOutput(const SyncTask& task, const BatchOutput& planned);
    // What a finished conversion means for its source; the manifest is saved now and then on the way, so that a
    // sync killed in a long run keeps what it made.
    void settle(const SyncTask& task, const BatchOutput& planned, const OutputReport& report, SyncObserver& observer);
    void record(const SyncTask& task, SyncStatus status, const QString& reason, SyncObserver& observer);
    // False when the output is still there.
    bool removeOutput(const ManifestEntry& entry, SyncObserver& observer);
    [[nodiscard]] QString absoluteOutput(const QString& relative) const;
    [[nodiscard]] QString absoluteSource(const QString& relative) const;

    SyncSetup setup_;
    BatchOrder order_;
    PathFitter fitter_;
    SyncManifest manifest_;
    std::set<QString> claimedOutputs_; // relative outputs of every present source
    SyncResult result_;
    QElapsedTimer sinceSaved_;
};
