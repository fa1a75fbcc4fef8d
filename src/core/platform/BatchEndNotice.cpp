#include "BatchEndNotice.h"

#include <QCoreApplication>

bool BatchEndNotice::isDue(const BatchEnd& end, bool enabled) {
    return enabled && end.elapsedMs >= MinimumRunMs;
}

QString BatchEndNotice::summary(const BatchEnd& end) {
    return end.notMade == 0
               ? QCoreApplication::translate("Desktop", "Conversion is finished")
               : QCoreApplication::translate("Desktop", "Conversion is finished, some outputs were not made");
}

QString BatchEndNotice::body(const BatchEnd& end) {
    // English says "1 output" in words of its own; other languages take their plural forms from the second text.
    const QString made = end.made == 1 ? QCoreApplication::translate("Desktop", "1 output made")
                                       : QCoreApplication::translate("Desktop", "%n outputs made", nullptr, end.made);
    return QCoreApplication::translate("Desktop", "%1, %2 not made.").arg(made).arg(end.notMade);
}

QStringList BatchEndNotice::actions(const BatchEnd& end) {
    if (end.outputFolder.isEmpty())
        return {};
    return {OpenFolderAction, QCoreApplication::translate("Desktop", "Open Output Folder")};
}
