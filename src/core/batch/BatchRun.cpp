#include "BatchRun.h"

#include "OutputNaming.h"
#include "core/components/ComponentSet.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// The completion message lists at most this many outputs that were not made; a longer list would not fit a box.
constexpr int kListedUnmade = 20;

QString reasonOf(const ConversionResult& result, const QString& userMessage) {
    if (!result.detail.isEmpty())
        return result.detail;
    switch (result.outcome) {
    case ConversionOutcome::NotPrepared:
        return QStringLiteral("The output format cannot be set.");
    case ConversionOutcome::OutputNotCreated:
        return QStringLiteral("The output file cannot be created.");
    case ConversionOutcome::SourceNotOpened:
        return QStringLiteral("The source cannot be opened.");
    default:
        return userMessage.isEmpty() ? QStringLiteral("The conversion failed.") : userMessage;
    }
}

template <typename Wrapper> void closeQuietly(Wrapper& component) {
    try {
        component->close();
    } catch (const std::exception&) {
    }
}

} // namespace

int BatchRequest::plannedOutputCount() const {
    return static_cast<int>(sources.size() * formats.size());
}

std::optional<QString> refusalToStart(const BatchRequest& request) {
    if (request.sources.empty())
        return QStringLiteral("Please add audio files and check them!");
    if (request.formats.empty())
        return QStringLiteral("Please choose the output format!");
    // Evening out sets each output's level from its source's measured loudness; a volume change on top would move it
    // off the target and could push it past the peak limit, so the two are not used together.
    if (request.preferences.evenLoudness && request.volumePercent)
        return QStringLiteral("\"Even out loudness\" (Options) and a volume change cannot be used together. Set the "
                              "volume to \"No Change\" or turn \"Even out loudness\" off.");
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

QString completionMessage(const BatchOutcome& outcome) {
    QString text = QStringLiteral("Conversion is finished!");
    if (outcome.unmade.empty())
        return text;
    const auto planned = static_cast<qsizetype>(outcome.made) + static_cast<qsizetype>(outcome.unmade.size());
    text += QStringLiteral("\n\n%1 of %2 outputs were made. Not made:").arg(outcome.made).arg(planned);
    const auto listed = std::min<std::size_t>(outcome.unmade.size(), kListedUnmade);
    for (std::size_t index = 0; index < listed; ++index)
        text += QStringLiteral("\n%1: %2").arg(outcome.unmade[index].destination, outcome.unmade[index].reason);
    if (outcome.unmade.size() > listed)
        text += QStringLiteral("\n... and %1 more.").arg(outcome.unmade.size() - listed);
    return text;
}

BatchRun::BatchRun(ComponentSet& components, FormatDialogs& dialogs, BatchObserver& observer)
    : components_(components), dialogs_(dialogs), observer_(observer) {}

BatchOutcome BatchRun::run(const BatchRequest& request) {
    started_ = 0;
    running_ = true;
    planned_ = request.plannedOutputCount();
    BatchOutcome outcome;
    for (const BatchSource& source : request.sources) {
        if (!QFileInfo::exists(source.fullName)) {
            observer_.sourceMissing(source.fullName);
            for (const PlannedOutput& output : planOutputs({source.fullName}, request.formats, request.folderText))
                outcome.unmade.push_back({output.destinationName, kMissingSourceReason});
            continue;
        }
        if (!runSource(request, source, outcome)) {
            outcome.cancelled = true;
            outcome.endedEarly = true;
            return outcome;
        }
    }
    outcome.cancelled = !running_;
    return outcome;
}

bool BatchRun::runSource(const BatchRequest& request, const BatchSource& source, BatchOutcome& outcome) {
    outcome.lastOutputFolder = outputFolderFor(request.folderText, source.fullName);
    ConversionSettings settings;
    settings.kind = source.kind;
    settings.volumePercent = request.volumePercent;
    settings.copyTags = request.copyTags;
    for (const PlannedOutput& output : planOutputs({source.fullName}, request.formats, request.folderText)) {
        if (!running_)
            return false;
        const ConversionResult result = convertOne(output, request, settings);
        if (result.succeeded())
            ++outcome.made;
        else if (result.outcome != ConversionOutcome::Cancelled)
            outcome.unmade.push_back({result.destination, reasonOf(result, lastFailure_)});
    }
    observer_.sourceDone();
    return true;
}

// A preparation or conversion that raises something other than a component error still only costs its output:
// the components are closed so the next output starts clean.
ConversionResult BatchRun::convertOne(const PlannedOutput& output, const BatchRequest& request,
                                      const ConversionSettings& settings) {
    lastFailure_.clear();
    try {
        WriterPreparation preparation(components_, dialogs_);
        SingleConversion conversion(components_, *this);
        ConversionResult result = prepareAndConvert(preparation, conversion, output, request.panel, settings);
        if (result.outcome == ConversionOutcome::NotPrepared) {
            observer_.outputProgressReset();
            // A refused Ogg Vorbis setting skips the output; the user hears why once for each source it costs.
            if (output.format == OutputFormat::Ogg && !result.detail.isEmpty())
                observer_.conversionFailed(result.detail, QString());
        }
        return result;
    } catch (const std::exception& error) {
        closeAllQuietly();
        observer_.outputProgressReset();
        return ConversionResult{ConversionOutcome::SourceRejected, output.destinationName,
                                QString::fromLocal8Bit(error.what())};
    }
}

void BatchRun::closeAllQuietly() {
    closeQuietly(components_.reader);
    closeQuietly(components_.writer);
    closeQuietly(components_.video);
}

void BatchRun::conversionStarted(const QString& sourceName, const QString& destinationName) {
    ++started_;
    observer_.outputStarted(sourceName, destinationName);
}

void BatchRun::progressChanged(int percent) {
    observer_.progressChanged(percent, totalPercent(percent, started_, planned_));
}

void BatchRun::progressReset() {
    observer_.outputProgressReset();
}

void BatchRun::conversionFailed(const QString& message, const QString& caption) {
    lastFailure_ = message;
    observer_.conversionFailed(message, caption);
}
