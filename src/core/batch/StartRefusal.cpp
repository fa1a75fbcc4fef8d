#include "StartRefusal.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>

QString windowTextOf(OrderConflict conflict) {
    switch (conflict) {
    case OrderConflict::NoSources:
        return QCoreApplication::translate("Batch", "Please add audio files and check them!");
    case OrderConflict::NoFormats:
        return Messages::NoOutputFormatChosen();
    case OrderConflict::NormalizeWithVolume:
        return QCoreApplication::translate(
            "Batch", "\"Even out loudness\" (Options) and a volume change cannot be used together. Set the "
                     "volume to \"No Change\" or turn \"Even out loudness\" off.");
    case OrderConflict::ReplayGainWithVolume:
        return QCoreApplication::translate(
            "Batch", "\"Write ReplayGain tags\" (Options) and a volume change cannot be used together. Set "
                     "the volume to \"No Change\" or turn \"Write ReplayGain tags\" off.");
    case OrderConflict::ReplayGainWithNormalize:
        return QCoreApplication::translate(
            "Batch", "\"Write ReplayGain tags\" and \"Even out loudness\" (Options) cannot be used together: "
                     "the one keeps the samples and tags them, the other changes them. Turn one of them off.");
    case OrderConflict::TreeWithoutFolder:
        // The window has no control for a mirrored tree; only an order filled elsewhere can ask for one.
        return QCoreApplication::translate("Batch",
                                           "A mirrored folder tree needs an output folder. Please choose one.");
    }
    return {};
}

std::optional<QString> refusalToStart(const BatchOrder& order) {
    if (const std::optional<OrderConflict> conflict = order.conflicts())
        return windowTextOf(*conflict);
    if (!order.makeFolder())
        return Messages::InvalidOutputFolderName();
    return std::nullopt;
}
