#include "OutputReasons.h"

#include "core/ports/Messages.h"

#include <QCoreApplication>

namespace outputReasons {

namespace {

QString fromSource(const QString& sourceName, const QString& what) {
    return sourceName + QStringLiteral(": ") + what;
}

} // namespace

QString sourceMissing(const QString& sourceName) {
    return Messages::SourceNotFound() + sourceName;
}

QString outsideTree(const QString& sourceName) {
    return fromSource(sourceName, QCoreApplication::translate("Batch", "not below the folder whose tree is kept"));
}

QString noFreeName(const QString& sourceName, const QString& destination) {
    return fromSource(sourceName, QCoreApplication::translate("Batch", "no free name beside %1").arg(destination));
}

QString keptExisting(const QString& destination) {
    return QCoreApplication::translate("Batch", "%1 exists").arg(destination);
}

QString remadeIncomplete(const QString& sourceName, const QString& destination, const QString& problem) {
    return fromSource(
        sourceName,
        QCoreApplication::translate("Batch", "%1 was incomplete (%2) and was made again").arg(destination, problem));
}

QString cancelledKeptEarlier(const QString& sourceName, const QString& destination) {
    return fromSource(sourceName, QCoreApplication::translate(
                                      "Batch", "cancelled; the earlier %1 was kept and the partial output dropped")
                                      .arg(destination));
}

QString folderNotMade(const QString& sourceName, const QString& folder) {
    return fromSource(sourceName, QCoreApplication::translate("Batch", "cannot create the folder %1").arg(folder));
}

QString loudnessNotMeasured(const QString& sourceName, const QString& componentMessage) {
    return fromSource(
        sourceName, QCoreApplication::translate("Batch", "the loudness cannot be measured (%1)").arg(componentMessage));
}

QString unexpectedError(const QString& sourceName, const QString& what) {
    return fromSource(sourceName, what);
}

QString conversionFailed(const QString& sourceName, OutputFormat format, const ConversionResult& result,
                         const QString& userMessage) {
    QString text;
    switch (result.outcome) {
    case ConversionOutcome::NotPrepared:
        text =
            QCoreApplication::translate("Batch", "the writer cannot be prepared for %1").arg(outputFormatName(format));
        break;
    case ConversionOutcome::OutputNotCreated:
        text = QCoreApplication::translate("Batch", "cannot create %1").arg(result.destination);
        break;
    case ConversionOutcome::SourceNotOpened:
        text = QCoreApplication::translate("Batch", "cannot open the source");
        break;
    case ConversionOutcome::Unverified:
        text = QCoreApplication::translate("Batch", "the output failed its check and was dropped");
        break;
    default:
        text = userMessage.isEmpty() ? QCoreApplication::translate("Batch", "conversion failed") : userMessage;
        break;
    }
    if (!result.detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(result.detail);
    return fromSource(sourceName, text);
}

} // namespace outputReasons
