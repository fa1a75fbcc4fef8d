#pragma once

#include "SingleConversion.h"
#include "core/formats/OutputFormat.h"
#include "core/formats/WriterPreparation.h"

#include <QString>
#include <QStringList>
#include <set>
#include <vector>

// One output of a batch: which source, which format, under which name.
struct PlannedOutput {
    QString sourceName;
    OutputFormat format;
    QString destinationName;
};

// The outputs of a batch in the order it makes them: sources as given, and for each source the chosen formats in
// the fixed format order. folderText is the output folder; empty puts every output beside its own source.
[[nodiscard]] std::vector<PlannedOutput> planOutputs(const QStringList& sourceNames,
                                                     const std::set<OutputFormat>& formats, const QString& folderText);

// Prepares the writer for one planned output and converts it. A preparation the components refuse skips the
// output (NotPrepared) without creating anything.
[[nodiscard]] ConversionResult prepareAndConvert(WriterPreparation& preparation, SingleConversion& conversion,
                                                 const PlannedOutput& output, const PanelValues& panel,
                                                 const ConversionSettings& settings);
