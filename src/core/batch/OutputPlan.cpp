#include "OutputPlan.h"

#include "OutputNaming.h"
#include "core/components/ComponentError.h"

std::vector<PlannedOutput> planOutputs(const QStringList& sourceNames, const std::set<OutputFormat>& formats,
                                       const QString& folderText) {
    std::vector<PlannedOutput> outputs;
    for (const QString& source : sourceNames) {
        const QString folder = outputFolderFor(folderText, source);
        const QString baseName = outputBaseName(source);
        for (const OutputFormat format : kOutputFormatsInOrder) {
            if (formats.count(format) != 0)
                outputs.push_back({source, format, destinationName(folder, baseName, format)});
        }
    }
    return outputs;
}

ConversionResult prepareAndConvert(WriterPreparation& preparation, SingleConversion& conversion,
                                   const PlannedOutput& output, const PanelValues& panel,
                                   const ConversionSettings& settings) {
    try {
        preparation.prepare(output.format, panel, settings.kind, output.sourceName);
    } catch (const ComponentError& error) {
        return ConversionResult{ConversionOutcome::NotPrepared, output.destinationName, error.message()};
    }
    return conversion.convert(output.sourceName, output.destinationName, settings);
}
