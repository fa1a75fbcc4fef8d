#include "CliCommands.h"

#include "CommandUsage.h"
#include "SyncSummary.h"

#include <QFile>
#include <QJsonDocument>

// tonalith-cli summary merge A.json B.json ...: the --summary json files of shards as one summary. A file may hold
// the lines of the run before its summary.
int runSummaryCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty() || arguments.first() != QLatin1String("merge") || arguments.size() < 2) {
        err << CommandUsage::Summary;
        return 2;
    }
    std::vector<QJsonObject> summaries;
    for (const QString& name : fileArguments(arguments.mid(1))) {
        QFile file(name == QLatin1String("-") ? QString() : name);
        const bool opened =
            name == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
        QJsonParseError error{};
        // The file may be all a process printed: the output lines, then the summary on a line of its own.
        QByteArray text = opened ? file.readAll() : QByteArray();
        if (const qsizetype start = text.indexOf("\n{"); !text.startsWith('{') && start >= 0)
            text = text.mid(start + 1);
        const QJsonDocument document = opened ? QJsonDocument::fromJson(text, &error) : QJsonDocument();
        if (!opened || error.error != QJsonParseError::NoError || !document.isObject()) {
            err << "tonalith-cli summary: " << name << " is not a JSON summary"
                << (opened ? QString() : QStringLiteral(" (%1)").arg(file.errorString())) << '\n';
            return 2;
        }
        summaries.push_back(document.object());
    }
    QString whyNot;
    const std::optional<QJsonObject> merged = mergedSummaries(summaries, whyNot);
    if (!merged) {
        err << "tonalith-cli summary: " << whyNot << '\n';
        return 2;
    }
    out << QString::fromUtf8(QJsonDocument(*merged).toJson(QJsonDocument::Indented));
    return 0;
}
