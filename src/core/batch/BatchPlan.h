#pragma once

#include "ExistingOutputPolicy.h"
#include "NameTemplate.h"
#include "core/components/ProbedSource.h"
#include "core/formats/OutputFormat.h"
#include "core/list/SourceKind.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <set>
#include <vector>

// What the user asks of a batch: which sources into which formats, and where and under which names.
struct PlanRequest {
    QStringList sourceNames; // absolute names, in the order the outputs are made
    std::set<OutputFormat> formats;
    QString folderText;                    // output folder; empty puts every output beside its own source
    std::optional<QString> treeRoot;       // with an output folder: mirror the sources' folders below this root
    std::optional<NameTemplate> baseNames; // instead of the sources' own base names
    ExistingOutputPolicy existing = ExistingOutputPolicy::Replace;
};

// What the plan learns about a source before any work starts.
struct SourceFacts {
    qint64 durationMs = 0; // 0 when unknown: the source then weighs as much as the average known source
    NameFields tags;       // title, artist, album, track, year and genre; only read when the names need them
    std::optional<ProbedSource> probed; // what opening the source found out, so that its conversion need not probe
};
using SourceProbe = std::function<SourceFacts(const QString& sourceName, SourceKind kind, bool readTags)>;

enum class PlannedAction {
    Convert,
    SkipExisting,  // the policy keeps the file that has the output's name
    SourceMissing, // no file of the source's name existed while the batch was planned
    OutsideTree,   // the source does not lie below the root whose folders are mirrored
    NoFreeName,    // every "_NEW" name was taken
};

struct BatchOutput {
    QString sourceName;
    OutputFormat format;
    QString destinationName; // claimed for this output alone
    SourceKind kind;
    qint64 weight; // the source's duration in milliseconds, or the average for sources of unknown length
    PlannedAction action;
    std::optional<ProbedSource> probed; // see SourceFacts
};

// Whether the plan asks its probe for the sources' tags: only when the output names are made from them.
[[nodiscard]] bool planReadsTags(const PlanRequest& request);

// Every output of the batch in the order a single worker makes them (sources as given, formats in their fixed
// order), each with its name claimed: no two outputs share a name, and no output replaces a source of the batch.
[[nodiscard]] std::vector<BatchOutput> planBatch(const PlanRequest& request, const SourceProbe& probe);
