#pragma once

#include "BatchOrder.h"
#include "BatchPlan.h"
#include "ConversionKit.h"
#include "LoudnessNormalization.h"
#include "SingleConversion.h"
#include "core/formats/WriterPreparation.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class ConversionObserver;
class ImageCursor;
class SharedLoudnessMeasurements;

enum class OutputStatus {
    Made,
    Skipped,    // the policy kept an existing file
    Failed,     // see the reason
    Cancelled,  // stopped after a block; the partial output stays on disk unless a complete file had its name
    NotStarted, // the batch was cancelled before this output's turn
};

// What became of one planned output.
struct OutputReport {
    OutputStatus status = OutputStatus::NotStarted;
    ConversionResult conversion; // what the single conversion said, when it ran
    QString destination;         // the name written, or that would have been written
    QString reason;              // for a failure: one line that starts with the source's name
    qint64 sizeBytes = 0;        // of the file on disk after the output's turn
    qint64 durationMs = 0;       // of the sound written
    bool sourceMissing = false;  // no file of the source's name existed when the batch was planned or at its turn
};

// Prepares the writer for one output and converts it. A preparation the components refuse skips the output
// (NotPrepared) without creating anything.
[[nodiscard]] ConversionResult prepareAndConvert(WriterPreparation& preparation, SingleConversion& conversion,
                                                 const QString& sourceName, OutputFormat format,
                                                 const QString& destinationName, const PanelValues& panel,
                                                 const ConversionSettings& settings);

// Turns one planned output of a batch into its report, with the kit of the worker whose turn it is: an existing file
// the policy would keep is read back and kept when whole; otherwise the source is checked, the folder made, the
// loudness measured when the order asks for it, the writer prepared with the order's panel values, and the output
// converted (and read back, when the order verifies outputs). Several workers may make outputs of one batch at once.
class OutputMaker {
public:
    OutputMaker(const std::vector<BatchOutput>& plan, const BatchOrder& order, SharedLoudnessMeasurements& loudness);

    // Never raises an error a component or the program reports: after one, the kit's components are closed and the
    // report says what happened. `events` hears the output's progress; `measuringMayContinue` is asked between the
    // blocks of a loudness measurement. `images` is the worker's cursor over the kit's reader: the tracks of an image
    // that one worker makes in turn are read with one decoder.
    [[nodiscard]] OutputReport make(std::size_t index, ConversionKit& kit, WriterPreparation& preparation,
                                    ImageCursor& images, ConversionObserver& events,
                                    const std::function<bool()>& measuringMayContinue);

    // The loudness of the output's source as the output's channels play it; none when the source has not been
    // measured to its end (or could not be). Asked by the worker that made the output.
    [[nodiscard]] std::optional<LoudnessMeasurement> loudnessAsMade(std::size_t index) const;

private:
    OutputReport makeOutput(std::size_t index, ConversionKit& kit, WriterPreparation& preparation, ImageCursor& images,
                            ConversionObserver& events, const std::function<bool()>& measuringMayContinue);
    OutputReport convertOutput(std::size_t index, ConversionKit& kit, WriterPreparation& preparation,
                               ImageCursor& images, ConversionObserver& events,
                               const std::function<bool()>& measuringMayContinue);
    void settleLoudness(ConversionKit& kit, std::size_t index, const LoudnessMeasurement& source,
                        ConversionSettings& conversionSettings);

    const std::vector<BatchOutput>& plan_;
    const BatchOrder& order_;
    SharedLoudnessMeasurements& loudness_;
    // The channels each output was prepared with (0 until then); each entry is written and read by the worker that
    // makes that output.
    std::vector<int> outputChannels_;
};
