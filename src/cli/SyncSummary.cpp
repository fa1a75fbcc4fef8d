#include "SyncSummary.h"

#include "LineText.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const char* statusName(SyncStatus status) {
    switch (status) {
    case SyncStatus::Converted:
        return "converted";
    case SyncStatus::Copied:
        return "copied";
    case SyncStatus::Unchanged:
        return "unchanged";
    case SyncStatus::Pruned:
        return "pruned";
    case SyncStatus::Failed:
        return "failed";
    case SyncStatus::Cancelled:
        return "cancelled";
    }
    return "";
}

} // namespace

void printSyncSummary(QTextStream& out, SummaryKind kind, const SyncResult& result) {
    const SyncCounts& counts = result.counts;
    if (kind == SummaryKind::Text) {
        out << "summary: " << counts.converted << " converted, " << counts.copied << " copied, " << counts.unchanged
            << " unchanged, " << counts.pruned << " pruned, " << counts.failed << " failed\n";
        for (const SyncFileReport& file : result.files) {
            if (file.status == SyncStatus::Unchanged)
                continue;
            out << statusName(file.status) << '\t' << oneLine(file.output);
            if (!file.reason.isEmpty())
                out << '\t' << oneLine(file.reason);
            out << '\n';
        }
        out.flush();
        return;
    }
    QJsonArray files;
    for (const SyncFileReport& file : result.files) {
        if (file.status == SyncStatus::Unchanged)
            continue;
        files.append(QJsonObject{{QStringLiteral("source"), file.source},
                                 {QStringLiteral("output"), file.output},
                                 {QStringLiteral("status"), QLatin1String(statusName(file.status))},
                                 {QStringLiteral("reason"), file.reason}});
    }
    const QJsonObject summary{
        {QStringLiteral("converted"), counts.converted}, {QStringLiteral("copied"), counts.copied},
        {QStringLiteral("unchanged"), counts.unchanged}, {QStringLiteral("pruned"), counts.pruned},
        {QStringLiteral("failed"), counts.failed},       {QStringLiteral("files"), files},
    };
    out << QString::fromUtf8(QJsonDocument(summary).toJson(QJsonDocument::Indented));
    out.flush();
}

std::optional<QJsonObject> mergedSummaries(const std::vector<QJsonObject>& summaries, QString& whyNot) {
    QJsonObject merged;
    for (std::size_t index = 0; index < summaries.size(); ++index) {
        const QJsonObject& summary = summaries[index];
        for (auto field = summary.begin(); field != summary.end(); ++field) {
            const QJsonValue known = merged.value(field.key());
            if (field->isDouble() && (known.isUndefined() || known.isDouble())) {
                merged.insert(field.key(), known.toInteger() + field->toInteger());
            } else if (field->isArray() && (known.isUndefined() || known.isArray())) {
                QJsonArray joined = known.toArray();
                for (const QJsonValue& item : field->toArray())
                    joined.append(item);
                merged.insert(field.key(), joined);
            } else {
                whyNot = QStringLiteral("summary %1: \"%2\" is neither a count nor a list, or not in every summary "
                                        "alike")
                             .arg(index + 1)
                             .arg(field.key());
                return std::nullopt;
            }
        }
    }
    return merged;
}
