#include "WorkerDialogs.h"

#include "core/components/ComponentSet.h"
#include "core/components/lame/LameMapping.h"
#include "core/formats/ChosenFormatDialogs.h"

FormatDialogsMaker workerDialogsMaker(ComponentSet& main, FormatSettings settings) {
    return [makeDialogs = chosenDialogsMaker(std::move(settings)),
            start = snapshotMp3Settings(*main.mp3Encoder)](ComponentSet& components) -> std::unique_ptr<FormatDialogs> {
        restoreMp3Settings(*components.mp3Encoder, start);
        return makeDialogs(components);
    };
}
