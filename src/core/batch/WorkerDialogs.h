#pragma once

#include "core/formats/FormatSettings.h"
#include "core/formats/WriterPreparation.h"

struct ComponentSet;

// The format settings of a batch for the component sets of its workers. The MP3 dialog's controls and a LAME command
// line change only the encoder settings they name, so each worker's encoder first takes every setting the main
// encoder has when the batch starts, as the plain run's encoder has them. Call it on the thread that owns the main
// components, before the workers start.
[[nodiscard]] FormatDialogsMaker workerDialogsMaker(ComponentSet& main, FormatSettings settings);
