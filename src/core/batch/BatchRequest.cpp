#include "BatchRequest.h"
#include "core/ports/Messages.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

int BatchRequest::plannedOutputCount() const {
    return static_cast<int>(sources.size() * formats.size());
}

std::optional<QString> refusalToStart(const BatchRequest& request) {
    if (request.sources.empty())
        return QStringLiteral("Please add audio files and check them!");
    if (request.formats.empty())
        return Messages::NoOutputFormatChosen;
    // Evening out sets each output's level from its source's measured loudness; a volume change on top would move it
    // off the target and could push it past the peak limit, so the two are not used together.
    if (request.preferences.evenLoudness && request.volumePercent)
        return QStringLiteral("\"Even out loudness\" (Options) and a volume change cannot be used together. Set the "
                              "volume to \"No Change\" or turn \"Even out loudness\" off.");
    // Gains are measured on the source's samples: a level change of any kind would make them wrong.
    if (request.preferences.replayGain && request.volumePercent)
        return QStringLiteral("\"Write ReplayGain tags\" (Options) and a volume change cannot be used together. Set "
                              "the volume to \"No Change\" or turn \"Write ReplayGain tags\" off.");
    if (request.preferences.replayGain && request.preferences.evenLoudness)
        return QStringLiteral("\"Write ReplayGain tags\" and \"Even out loudness\" (Options) cannot be used together: "
                              "the one keeps the samples and tags them, the other changes them. Turn one of them off.");
    if (!request.folderText.isEmpty() && (!QDir().mkpath(request.folderText) || !QFileInfo(request.folderText).isDir()))
        return QStringLiteral("Invalid Output Folder Name!");
    return std::nullopt;
}

int totalPercent(int percent, int started, int planned) {
    if (planned <= 0)
        return 0;
    const qint64 before = 100LL * std::max(started - 1, 0);
    const qint64 total = (std::clamp(percent, 0, 100) + before) / planned;
    return static_cast<int>(std::clamp<qint64>(total, 0, 100));
}
