#include "BatchPlan.h"

#include "OutputNaming.h"
#include "TreeMapping.h"

#include <QFileInfo>

#include <map>

namespace {

constexpr qint64 kWeightWithoutKnownLengths = 1000;

struct SourcePlan {
    bool exists = false;
    SourceKind kind = SourceKind::Audio;
    std::optional<QString> folder;
    SourceFacts facts;
};

std::map<QString, SourcePlan> learnSources(const PlanRequest& request, const SourceProbe& probe) {
    const bool readTags = planReadsTags(request);
    std::optional<TreeMapping> tree;
    if (request.treeRoot && !request.folderText.isEmpty())
        tree.emplace(*request.treeRoot, request.folderText);
    std::map<QString, SourcePlan> sources;
    for (const QString& source : request.sourceNames) {
        if (sources.count(source) != 0)
            continue;
        SourcePlan plan;
        plan.exists = QFileInfo(source).isFile();
        plan.kind = sourceKindOfFile(source);
        plan.folder = tree ? tree->outputFolderOf(source) : outputFolderFor(request.folderText, source);
        if (plan.exists)
            plan.facts = probe(source, plan.kind, readTags);
        sources.emplace(source, std::move(plan));
    }
    return sources;
}

qint64 averageKnownDuration(const std::map<QString, SourcePlan>& sources) {
    qint64 total = 0;
    qint64 known = 0;
    for (const auto& [name, plan] : sources) {
        if (plan.facts.durationMs > 0) {
            total += plan.facts.durationMs;
            ++known;
        }
    }
    return known == 0 ? kWeightWithoutKnownLengths : std::max<qint64>(total / known, 1);
}

} // namespace

bool planReadsTags(const PlanRequest& request) {
    return request.baseNames && request.baseNames->readsTags();
}

std::vector<BatchOutput> planBatch(const PlanRequest& request, const SourceProbe& probe) {
    const std::map<QString, SourcePlan> sources = learnSources(request, probe);
    const qint64 fallbackWeight = averageKnownDuration(sources);
    OutputNameClaims claims(request.existing, {request.sourceNames.begin(), request.sourceNames.end()});
    std::vector<BatchOutput> outputs;
    for (const QString& source : request.sourceNames) {
        const SourcePlan& plan = sources.at(source);
        NameFields fields = plan.facts.tags;
        fields.name = outputBaseName(source);
        for (const OutputFormat format : kOutputFormatsInOrder) {
            if (request.formats.count(format) == 0)
                continue;
            BatchOutput output{source,
                               format,
                               {},
                               plan.kind,
                               plan.facts.durationMs > 0 ? plan.facts.durationMs : fallbackWeight,
                               PlannedAction::Convert,
                               plan.facts.probed};
            fields.format = outputFormatName(format);
            const QString baseName = request.baseNames ? request.baseNames->expand(fields) : fields.name;
            if (!plan.folder) {
                output.action = PlannedAction::OutsideTree;
            } else if (!plan.exists) {
                output.action = PlannedAction::SourceMissing;
                output.destinationName = destinationName(*plan.folder, baseName, format);
            } else {
                const OutputClaim claim = claims.claim(source, destinationName(*plan.folder, baseName, format));
                output.destinationName = claim.name;
                if (claim.status == OutputClaim::Status::SkippedExisting)
                    output.action = PlannedAction::SkipExisting;
                else if (claim.status == OutputClaim::Status::NoFreeName)
                    output.action = PlannedAction::NoFreeName;
            }
            outputs.push_back(std::move(output));
        }
    }
    return outputs;
}
