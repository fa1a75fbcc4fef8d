#include "WorkerBatch.h"

#include "LoudnessNormalization.h"
#include "OutputNaming.h"

#include <QFileInfo>

#include <algorithm>
#include <map>

namespace {

constexpr qint64 kSecondsPerMinute = 60;
constexpr qint64 kSecondsPerHour = 3600;

bool sourceExisted(const BatchOutput& output) {
    return output.action != PlannedAction::SourceMissing && output.action != PlannedAction::OutsideTree;
}

QString reasonOf(const BatchOutput& output, const OutputReport& report) {
    if (report.status == OutputStatus::Skipped)
        return QStringLiteral("A file of this name existed; it was kept.");
    if (output.action == PlannedAction::SourceMissing)
        return kMissingSourceReason;
    return report.reason.isEmpty() ? QStringLiteral("The conversion failed.") : report.reason;
}

QString twoDigits(qint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

std::vector<BatchOutput> planWindowBatch(const BatchRequest& request, const SourceProbe& probe) {
    PlanRequest planned;
    std::map<QString, SourceKind> kinds;
    for (const BatchSource& source : request.sources) {
        planned.sourceNames.append(source.fullName);
        kinds.emplace(source.fullName, source.kind);
    }
    planned.formats = request.formats;
    planned.folderText = request.folderText;
    planned.existing = request.preferences.existing;
    std::vector<BatchOutput> plan = planBatch(planned, [&](const QString& source, SourceKind guessed, bool readTags) {
        const auto listed = kinds.find(source);
        return probe(source, listed != kinds.end() ? listed->second : guessed, readTags);
    });
    for (BatchOutput& output : plan)
        output.kind = kinds.at(output.sourceName);
    return plan;
}

BatchSettings engineSettingsOf(const BatchRequest& request) {
    BatchSettings settings;
    settings.panel = request.panel;
    settings.volumePercent = request.volumePercent;
    settings.copyTags = request.copyTags;
    if (request.preferences.evenLoudness)
        settings.loudnessTarget = kDefaultLoudnessTarget;
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

BatchOutcome outcomeOfReports(const BatchRequest& request, const std::vector<BatchOutput>& plan,
                              const std::vector<OutputReport>& reports, bool cancelled) {
    BatchOutcome outcome;
    outcome.cancelled = cancelled;
    for (std::size_t index = 0; index < plan.size() && index < reports.size(); ++index) {
        const BatchOutput& output = plan[index];
        const OutputReport& report = reports[index];
        if (sourceExisted(output))
            outcome.lastOutputFolder = outputFolderFor(request.folderText, output.sourceName);
        switch (report.status) {
        case OutputStatus::Made:
            ++outcome.made;
            break;
        case OutputStatus::Skipped:
        case OutputStatus::Failed:
            outcome.unmade.push_back(
                {report.destination.isEmpty() ? output.destinationName : report.destination, reasonOf(output, report)});
            break;
        case OutputStatus::Cancelled:
            break;
        case OutputStatus::NotStarted:
            outcome.endedEarly = outcome.endedEarly || cancelled;
            break;
        }
    }
    return outcome;
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

void RunningOutputsDisplay::outputFinished(std::size_t output) {
    std::erase_if(running_, [output](const Running& entry) { return entry.output == output; });
}

void RunningOutputsDisplay::totalProgress(int percent, std::optional<qint64> secondsLeft) {
    total_ = std::clamp(percent, 0, 100);
    secondsLeft_ = secondsLeft;
}

QStringList RunningOutputsDisplay::lines() const {
    QStringList lines;
    for (const Running& entry : running_)
        lines.append(QStringLiteral("%1  %2%").arg(QFileInfo(entry.destination).fileName()).arg(entry.percent));
    return lines;
}

QStringList RunningOutputsDisplay::destinations() const {
    QStringList names;
    for (const Running& entry : running_)
        names.append(entry.destination);
    return names;
}

QString RunningOutputsDisplay::totalText() const {
    QString text = QStringLiteral("Total %1%").arg(total_);
    if (secondsLeft_ && total_ < 100)
        text += QStringLiteral(", %1 left").arg(timeLeftText(*secondsLeft_));
    return text;
}
