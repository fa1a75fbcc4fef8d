#pragma once

#include "ProbedSource.h"

#include <optional>

class TAudioFile2;

// What opening an audio source for reading tells: its length, and how it was read, so that its conversion need not
// probe it again.
struct OpenedAudioSource {
    qint64 durationMs = 0;
    std::optional<ProbedSource> probed;
};

// Opens an audio source with the reader the one way the list and a batch's plan both do, and leaves it open for the
// caller to ask more or close it. A reader that reports an error without throwing gives no length; what the reader
// throws goes on to the caller.
[[nodiscard]] OpenedAudioSource openAudioSourceOnce(TAudioFile2& reader, const QString& sourceName);
