#include "AudioSourceOpening.h"

#include "ComponentError.h"
#include "Components.h"

#include <algorithm>

OpenedAudioSource openAudioSourceOnce(TAudioFile2& reader, const QString& sourceName) {
    OpenedAudioSource opened;
    reader->openForReading(sourceName, 0, 1);
    if (reader->lastError() != LastError::Success)
        return opened;
    opened.durationMs = std::max<qint64>(reader->durationMs(), 0);
    if (ProbedSource probed = reader->probedSource(); !probed.fileName.isEmpty())
        opened.probed = std::move(probed);
    return opened;
}
