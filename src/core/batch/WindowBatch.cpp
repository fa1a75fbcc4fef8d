#include "WindowBatch.h"
#include "core/ports/Messages.h"

#include "LoudnessNormalization.h"
#include "OutputNaming.h"
#include "OutputReasons.h"

#include <QFileInfo>

#include <algorithm>
#include <map>

namespace {

constexpr qint64 kSecondsPerMinute = 60;
constexpr qint64 kSecondsPerHour = 3600;

// The completion message lists at most this many outputs that were not made; a longer list would not fit a box.
constexpr int kListedUnmade = 20;

bool isUnmade(const OutputReport& report) {
    return report.status == OutputStatus::Skipped || report.status == OutputStatus::Failed;
}

QString twoDigits(qint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

BatchSource batchSourceOf(const ConversionRow& row) {
    BatchSource source{row.fullName, row.kind, std::nullopt};
    if (row.probed)
        source.listed = SourceFacts{row.lengthMs, {}, row.probed};
    return source;
}

std::vector<BatchOutput> planWindowBatch(const BatchRequest& request, const SourceProbe& probe) {
    PlanRequest planned;
    std::map<QString, const BatchSource*> sources;
    for (const BatchSource& source : request.sources) {
        planned.sourceNames.append(source.fullName);
        sources.emplace(source.fullName, &source);
    }
    planned.formats = request.formats;
    planned.folderText = request.folderText;
    planned.existing = request.preferences.existing;
    std::vector<BatchOutput> plan = planBatch(planned, [&](const QString& name, SourceKind guessed, bool readTags) {
        const auto found = sources.find(name);
        if (found == sources.end())
            return probe(name, guessed, readTags);
        const BatchSource& source = *found->second;
        const std::optional<SourceFacts>& listed = source.listed;
        if (!readTags && listed && listed->probed && listed->probed->stillDescribes(name))
            return *listed;
        return probe(name, source.kind, readTags);
    });
    for (BatchOutput& output : plan)
        output.kind = sources.at(output.sourceName)->kind;
    return plan;
}

BatchSettings engineSettingsOf(const BatchRequest& request) {
    BatchSettings settings;
    settings.panel = request.panel;
    settings.volumePercent = request.volumePercent;
    settings.copyTags = request.copyTags;
    if (request.preferences.evenLoudness)
        settings.loudnessTarget = kDefaultLoudnessTarget;
    settings.verifyOutputs = request.preferences.verifyOutputs;
    settings.replayGain = request.preferences.replayGain;
    return settings;
}

QStringList missingSourcesOf(const std::vector<BatchOutput>& plan) {
    QStringList missing;
    for (const BatchOutput& output : plan) {
        if (output.action == PlannedAction::SourceMissing && !missing.contains(output.sourceName))
            missing.append(output.sourceName);
    }
    return missing;
}

int FinishedBatch::made() const {
    return static_cast<int>(std::count_if(reports.begin(), reports.end(), [](const OutputReport& report) {
        return report.status == OutputStatus::Made;
    }));
}

int FinishedBatch::unmade() const {
    return static_cast<int>(std::count_if(reports.begin(), reports.end(), isUnmade));
}

QString FinishedBatch::lastOutputFolder() const {
    QString folder;
    for (std::size_t index = 0; index < plan.size() && index < reports.size(); ++index) {
        const BatchOutput& output = plan[index];
        const bool existed = output.action != PlannedAction::SourceMissing &&
                             output.action != PlannedAction::OutsideTree && !reports[index].sourceMissing;
        if (existed)
            folder = outputFolderFor(folderText, output.sourceName);
    }
    return folder;
}

QStringList visitAfterCancel(FinishedBatch& batch) {
    QStringList missing;
    for (std::size_t index = 0; index < batch.plan.size() && index < batch.reports.size(); ++index) {
        OutputReport& report = batch.reports[index];
        if (report.status != OutputStatus::NotStarted)
            continue;
        const BatchOutput& output = batch.plan[index];
        if (output.action != PlannedAction::SourceMissing && QFileInfo::exists(output.sourceName)) {
            batch.endedAtCancel = true;
            break;
        }
        // The formats of one entry follow each other in the plan; its file is told missing once.
        const bool toldWithEntry = index > 0 && batch.plan[index - 1].sourceName == output.sourceName &&
                                   batch.reports[index - 1].sourceMissing;
        report.status = OutputStatus::Failed;
        report.reason = outputReasons::sourceMissing(output.sourceName);
        report.sourceMissing = true;
        if (!toldWithEntry)
            missing.append(output.sourceName);
    }
    return missing;
}

namespace {

// Outputs that were made but lack something, such as their tags, each with what it lacks.
QString notesOnMadeOutputs(const FinishedBatch& batch) {
    QString text;
    for (const OutputReport& report : batch.reports) {
        if (report.status == OutputStatus::Made && !report.reason.isEmpty())
            text += QStringLiteral("\n%1: %2").arg(report.destination, report.reason);
    }
    return text.isEmpty() ? text : QStringLiteral("\n\nMade, but incomplete:") + text;
}

} // namespace

QString completionMessage(const FinishedBatch& batch) {
    QString text = QStringLiteral("Conversion is finished!");
    const int unmade = batch.unmade();
    if (unmade == 0)
        return text + notesOnMadeOutputs(batch);
    const int made = batch.made();
    text += QStringLiteral("\n\n%1 of %2 outputs were made. Not made:").arg(made).arg(made + unmade);
    int listed = 0;
    for (std::size_t index = 0; index < batch.reports.size() && listed < kListedUnmade; ++index) {
        const OutputReport& report = batch.reports[index];
        if (!isUnmade(report))
            continue;
        const QString destination = report.destination.isEmpty() && index < batch.plan.size()
                                        ? batch.plan[index].destinationName
                                        : report.destination;
        text += QStringLiteral("\n%1: %2").arg(destination, report.reason);
        ++listed;
    }
    if (unmade > listed)
        text += QStringLiteral("\n... and %1 more.").arg(unmade - listed);
    return text + notesOnMadeOutputs(batch);
}

std::optional<QString> cancelMessage(const FinishedBatch& batch) {
    QStringList kept;
    for (const OutputReport& report : batch.reports) {
        if (report.status == OutputStatus::Cancelled && report.conversion.keptEarlier)
            kept.append(report.destination);
    }
    if (kept.isEmpty())
        return std::nullopt;
    return QStringLiteral("Conversion was cancelled. These files were kept as they were, and their partial "
                          "outputs dropped:\n%1")
        .arg(kept.join(QLatin1Char('\n')));
}

OneAtATimeTally::OneAtATimeTally(std::size_t formatCount, int planned)
    : formatCount_(std::max<std::size_t>(formatCount, 1)), planned_(planned) {}

int OneAtATimeTally::totalPercent(int outputPercent) const {
    return ::totalPercent(outputPercent, started_, planned_);
}

bool OneAtATimeTally::tellsMissingSource(std::size_t output, const OutputReport& report) {
    const std::size_t entry = output / formatCount_;
    if (!report.sourceMissing || toldEntry_ == entry)
        return false;
    toldEntry_ = entry;
    return true;
}

bool OneAtATimeTally::endsEntry(std::size_t output) const {
    return (output + 1) % formatCount_ == 0;
}

std::optional<QString> refusalToTell(const BatchOutput& output, const OutputReport& report) {
    if (output.format == OutputFormat::Ogg && report.conversion.outcome == ConversionOutcome::NotPrepared &&
        !report.conversion.detail.isEmpty())
        return report.conversion.detail;
    return std::nullopt;
}

QString timeLeftText(qint64 seconds) {
    seconds = std::max<qint64>(seconds, 0);
    const qint64 hours = seconds / kSecondsPerHour;
    const qint64 minutes = seconds % kSecondsPerHour / kSecondsPerMinute;
    const QString tail = twoDigits(seconds % kSecondsPerMinute);
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(twoDigits(minutes), tail);
    return QStringLiteral("%1:%2").arg(minutes).arg(tail);
}

void RunningOutputsDisplay::clear() {
    running_.clear();
    total_ = 0;
    secondsLeft_.reset();
}

void RunningOutputsDisplay::outputStarted(std::size_t output, const QString& destination) {
    outputFinished(output);
    running_.push_back({output, destination, 0});
}

void RunningOutputsDisplay::outputProgress(std::size_t output, int percent) {
    const auto running = std::find_if(running_.begin(), running_.end(),
                                      [output](const Running& entry) { return entry.output == output; });
    if (running != running_.end())
        running->percent = std::clamp(percent, 0, 100);
}

void RunningOutputsDisplay::outputChecking(std::size_t output, const QString& destination, int percent) {
    auto running = std::find_if(running_.begin(), running_.end(),
                                [output](const Running& entry) { return entry.output == output; });
    if (running == running_.end())
        running = running_.insert(running_.end(), Running{output, destination, 0});
    running->percent = std::clamp(percent, 0, 100);
    running->checking = true;
}

void RunningOutputsDisplay::outputFinished(std::size_t output) {
    std::erase_if(running_, [output](const Running& entry) { return entry.output == output; });
}

void RunningOutputsDisplay::totalProgress(int percent, std::optional<qint64> secondsLeft) {
    total_ = std::clamp(percent, 0, 100);
    secondsLeft_ = secondsLeft;
}

QStringList RunningOutputsDisplay::lines() const {
    QStringList lines;
    for (const Running& entry : running_) {
        const QString format = entry.checking ? QStringLiteral("%1  Checking %2%") : QStringLiteral("%1  %2%");
        lines.append(format.arg(QFileInfo(entry.destination).fileName()).arg(entry.percent));
    }
    return lines;
}

QStringList RunningOutputsDisplay::destinations() const {
    QStringList names;
    for (const Running& entry : running_)
        names.append(entry.destination);
    return names;
}

QString RunningOutputsDisplay::totalText() const {
    QString text = Messages::TotalProgress.arg(total_);
    if (secondsLeft_ && total_ < 100)
        text += QStringLiteral(", %1 left").arg(timeLeftText(*secondsLeft_));
    return text;
}
