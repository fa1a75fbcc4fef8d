#include "ConvertSummary.h"

#include "LineText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace {

const char* statusName(OutputStatus status) {
    switch (status) {
    case OutputStatus::Made:
        return "made";
    case OutputStatus::Skipped:
        return "skipped";
    case OutputStatus::Failed:
        return "failed";
    case OutputStatus::Cancelled:
        return "cancelled";
    case OutputStatus::NotStarted:
        return "not started";
    }
    return "";
}

std::map<OutputStatus, int> countByStatus(const std::vector<OutputReport>& reports) {
    std::map<OutputStatus, int> counts{{OutputStatus::Made, 0},
                                       {OutputStatus::Skipped, 0},
                                       {OutputStatus::Failed, 0},
                                       {OutputStatus::Cancelled, 0},
                                       {OutputStatus::NotStarted, 0}};
    for (const OutputReport& report : reports)
        ++counts[report.status];
    return counts;
}

void printText(QTextStream& out, const std::vector<BatchOutput>& plan, const std::vector<OutputReport>& reports) {
    const auto counts = countByStatus(reports);
    out << "summary: " << reports.size() << " outputs, " << counts.at(OutputStatus::Made) << " made, "
        << counts.at(OutputStatus::Skipped) << " skipped, " << counts.at(OutputStatus::Failed) << " failed, "
        << counts.at(OutputStatus::Cancelled) << " cancelled";
    // Only a stopped batch has outputs it never began; a whole run keeps the line it always had.
    if (const int notStarted = counts.at(OutputStatus::NotStarted); notStarted > 0)
        out << ", " << notStarted << " not started";
    out << '\n';
    for (std::size_t index = 0; index < reports.size(); ++index) {
        const OutputReport& report = reports[index];
        out << statusName(report.status) << '\t' << outputFormatName(plan[index].format) << '\t'
            << oneLine(report.destination);
        if (report.status == OutputStatus::Made || report.status == OutputStatus::Cancelled)
            out << '\t' << report.sizeBytes << " bytes\t" << QString::number(report.durationMs / 1000.0, 'f', 2)
                << " s";
        if (!report.reason.isEmpty())
            out << '\t' << oneLine(report.reason);
        out << '\n';
    }
}

void printJson(QTextStream& out, const std::vector<BatchOutput>& plan, const std::vector<OutputReport>& reports) {
    QJsonArray outputs;
    for (std::size_t index = 0; index < reports.size(); ++index) {
        const OutputReport& report = reports[index];
        outputs.append(QJsonObject{
            {QStringLiteral("source"), plan[index].sourceName},
            {QStringLiteral("format"), outputFormatName(plan[index].format)},
            {QStringLiteral("destination"), report.destination},
            {QStringLiteral("status"), QLatin1String(statusName(report.status))},
            {QStringLiteral("reason"), report.reason},
            {QStringLiteral("size_bytes"), report.sizeBytes},
            {QStringLiteral("duration_ms"), report.durationMs},
        });
    }
    const auto counts = countByStatus(reports);
    const QJsonObject summary{
        {QStringLiteral("made"), counts.at(OutputStatus::Made)},
        {QStringLiteral("skipped"), counts.at(OutputStatus::Skipped)},
        {QStringLiteral("failed"), counts.at(OutputStatus::Failed)},
        {QStringLiteral("cancelled"), counts.at(OutputStatus::Cancelled)},
        {QStringLiteral("not_started"), counts.at(OutputStatus::NotStarted)},
        {QStringLiteral("outputs"), outputs},
    };
    out << QString::fromUtf8(QJsonDocument(summary).toJson(QJsonDocument::Indented));
}

} // namespace

void printSummary(QTextStream& out, SummaryKind kind, const std::vector<BatchOutput>& plan,
                  const std::vector<OutputReport>& reports) {
    if (kind == SummaryKind::Json)
        printJson(out, plan, reports);
    else
        printText(out, plan, reports);
    out.flush();
}
