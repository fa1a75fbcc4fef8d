#pragma once

#include "BatchOrder.h"
#include "BatchPlan.h"
#include "BatchPreferences.h"
#include "core/formats/OutputFormat.h"
#include "core/formats/WriterPreparation.h"
#include "core/list/SourceKind.h"

#include <QString>
#include <optional>
#include <set>
#include <vector>

// Everything a batch takes from the main window when it starts.
struct BatchRequest {
    std::vector<BatchSource> sources; // the checked rows, in list order
    std::set<OutputFormat> formats;
    PanelValues panel;
    std::optional<int> volumePercent; // "Change As"; nothing for "No Change"
    QString folderText;               // the output folder; empty puts outputs beside their sources
    bool copyTags = true;
    bool openFolder = false;
    // How many outputs at once, evening out loudness, existing outputs; the defaults give the plain run.
    BatchPreferences preferences;
    // The option dialogs' choices as they stood when the batch started, for component sets other than the main
    // one; nothing stands for the formats the dialogs show at start-up.
    FormatDialogsMaker workerDialogs;

    // Sources × formats.
    [[nodiscard]] int plannedOutputCount() const;
};

// Why a batch cannot start, as the text of the user's box; nothing when it can. Makes the output folder, with any
// missing parents, when a folder text is given.
[[nodiscard]] std::optional<QString> refusalToStart(const BatchRequest& request);

// The batch's share done after `percent` of the `started`-th of `planned` outputs, 0..100. Formed as
// (P + 100 (k − 1)) div N so that it moves even with more than 100 outputs planned.
[[nodiscard]] int totalPercent(int percent, int started, int planned);
