#include "BatchEndNotice.h"

bool BatchEndNotice::isDue(const BatchEnd& end, bool enabled) {
    return enabled && end.elapsedMs >= MinimumRunMs;
}

QString BatchEndNotice::summary(const BatchEnd& end) {
    return end.notMade == 0 ? QStringLiteral("Conversion is finished")
                            : QStringLiteral("Conversion is finished, some outputs were not made");
}

QString BatchEndNotice::body(const BatchEnd& end) {
    const QString made =
        end.made == 1 ? QStringLiteral("1 output made") : QStringLiteral("%1 outputs made").arg(end.made);
    return QStringLiteral("%1, %2 not made.").arg(made).arg(end.notMade);
}

QStringList BatchEndNotice::actions(const BatchEnd& end) {
    if (end.outputFolder.isEmpty())
        return {};
    return {OpenFolderAction, QStringLiteral("Open Output Folder")};
}
