#include "BatchOutcome.h"

#include "OutputNaming.h"
#include "OutputReasons.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

// The completion message lists at most this many outputs that were not made; a longer list would not fit a box.
constexpr int kListedUnmade = 20;

bool isUnmade(const OutputReport& report) {
    return report.status == OutputStatus::Skipped || report.status == OutputStatus::Failed;
}

} // namespace

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
    return text.isEmpty()
               ? text
               : QStringLiteral("\n\n") + QCoreApplication::translate("Batch", "Made, but incomplete:") + text;
}

} // namespace

QString completionMessage(const FinishedBatch& batch) {
    QString text = QCoreApplication::translate("Batch", "Conversion is finished!");
    const int unmade = batch.unmade();
    if (unmade == 0)
        return text + notesOnMadeOutputs(batch);
    const int made = batch.made();
    text +=
        QStringLiteral("\n\n") +
        QCoreApplication::translate("Batch", "%1 of %n outputs were made. Not made:", nullptr, made + unmade).arg(made);
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
        text +=
            QStringLiteral("\n") + QCoreApplication::translate("Batch", "... and %n more.", nullptr, unmade - listed);
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
    return QCoreApplication::translate("Batch",
                                       "Conversion was cancelled. These files were kept as they were, and their "
                                       "partial outputs dropped:\n%1")
        .arg(kept.join(QLatin1Char('\n')));
}

std::optional<QString> refusalToTell(const BatchOutput& output, const OutputReport& report) {
    if (output.format == OutputFormat::Ogg && report.conversion.outcome == ConversionOutcome::NotPrepared &&
        !report.conversion.detail.isEmpty())
        return report.conversion.detail;
    return std::nullopt;
}
