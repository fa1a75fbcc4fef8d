#pragma once

#include "SingleConversion.h"
#include "core/formats/OutputFormat.h"

#include <QString>

// Why an output of a batch was not made, in the words tonalith-cli prints after "error=" and in its summary, and
// the window lists in its completion message. Every text but the missing source's starts with the source's name.
namespace outputReasons {

// The checked entry's file does not exist (when the batch is planned, or at the output's turn).
[[nodiscard]] QString sourceMissing(const QString& sourceName);
// An output that would mirror the source's folder lies outside the folder whose tree is kept.
[[nodiscard]] QString outsideTree(const QString& sourceName);
// Every "_NEW" name beside the destination was taken.
[[nodiscard]] QString noFreeName(const QString& sourceName, const QString& destination);
// The policy for existing outputs kept the file of the output's name.
[[nodiscard]] QString keptExisting(const QString& destination);
// The policy would have kept the file of the output's name, but that file was not a whole output.
[[nodiscard]] QString remadeIncomplete(const QString& sourceName, const QString& destination, const QString& problem);
// A cancel stopped the output while a file had its name: that file stays, the partial output is gone.
[[nodiscard]] QString cancelledKeptEarlier(const QString& sourceName, const QString& destination);
[[nodiscard]] QString folderNotMade(const QString& sourceName, const QString& folder);
[[nodiscard]] QString loudnessNotMeasured(const QString& sourceName, const QString& componentMessage);
// A component or the program raised an error that is not one of the conversion's own outcomes.
[[nodiscard]] QString unexpectedError(const QString& sourceName, const QString& what);
// The single conversion did not complete: its outcome, with the component's own words in brackets when it gave
// any. userMessage is the text of the box the user was shown for the output, if any.
[[nodiscard]] QString conversionFailed(const QString& sourceName, OutputFormat format, const ConversionResult& result,
                                       const QString& userMessage);

} // namespace outputReasons
