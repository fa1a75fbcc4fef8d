#include "CliCommands.h"
#include "core/ports/Messages.h"

#include "ConvertArguments.h"
#include "ConvertLines.h"
#include "ConvertSummary.h"
#include "LineText.h"
#include "ProfileFolder.h"
#include "StopSignals.h"
#include "core/batch/BatchEngine.h"
#include "core/batch/SourceFactsReader.h"
#include "core/components/ComponentError.h"
#include "core/components/ComponentSet.h"
#include "core/formats/ChosenFormatDialogs.h"
#include "core/library/SyncFiles.h"

#include <QFileInfo>

namespace {

// The reports of a batch a stop signal ended before it began: no output started.
std::vector<OutputReport> notStarted(const std::vector<BatchOutput>& plan) {
    std::vector<OutputReport> reports(plan.size());
    for (std::size_t index = 0; index < plan.size(); ++index)
        reports[index].destination = plan[index].destinationName;
    return reports;
}

void refuseMissingSoundTracks(const std::vector<BatchOutput>& plan) {
    for (const BatchOutput& output : plan) {
        if (output.action == PlannedAction::NoSuchSoundTrack)
            throw UsageError(QStringLiteral("--stream: ") + Messages::NoSuchSoundTrack()
                                                                .arg(output.sourceName)
                                                                .arg(output.soundTrackCount)
                                                                .arg(output.soundTrack.value_or(0) + 1));
    }
}

// Every value of the line is checked when this runs; the folder is the first thing made.
// The order with the sources of this process's shard alone: those whose path, below the mirrored root or as given,
// falls to it.
BatchOrder thisShare(const ConvertArguments& line) {
    BatchOrder order = line.order;
    if (line.shard.count <= 1)
        return order;
    order.sources.clear();
    const QString root = order.treeRoot ? QFileInfo(*order.treeRoot).absoluteFilePath() + QLatin1Char('/') : QString();
    for (std::size_t index = 0; index < line.order.sources.size(); ++index) {
        const BatchSource& source = line.order.sources[index];
        const QString key = !root.isEmpty() && source.fullName.startsWith(root) ? source.fullName.mid(root.size())
                                                                                : line.givenNames.at(index);
        if (line.shard.takes(key))
            order.sources.push_back(source);
    }
    return order;
}

// --keep-time: each output made takes its source's modification time.
void keepSourceTimes(const std::vector<BatchOutput>& plan, std::vector<OutputReport>& reports) {
    for (std::size_t index = 0; index < reports.size(); ++index) {
        OutputReport& report = reports[index];
        if (report.status != OutputStatus::Made ||
            syncfiles::copyModificationTime(plan[index].sourceName, report.destination))
            continue;
        report.status = OutputStatus::Failed;
        report.reason = QStringLiteral("%1: the modification time of %2 cannot be set")
                            .arg(plan[index].sourceName, report.destination);
    }
}

int convertAll(const ConvertArguments& line, QTextStream& out) {
    const StopSignals stopSignals;

    ComponentSetFactory factory;
    std::vector<BatchOutput> plan;
    const BatchOrder shardOrder = thisShare(line);
    const BatchOrder& order = shardOrder;
    {
        // Sources are measured and named with components of their own; the workers get fresh ones.
        const std::unique_ptr<ComponentSet> planning = factory.create();
        plan = order.plan(readSourceFactsAhead(*planning, factory, order));
    }
    // A sound track the rule names by number is known to exist only once the sources are probed; a file that lacks
    // it stops the call before the folder or any output is made.
    refuseMissingSoundTracks(plan);
    if (!order.makeFolder())
        throw UsageError(QStringLiteral("%1 (%2)").arg(Messages::InvalidOutputFolderName(), order.folderText));
    BatchEngine* running = nullptr;
    ConvertLines lines(out, BatchEngine::workersFor(plan, order.jobs) > 1, [&running] {
        if (running != nullptr && StopSignals::stopRequested())
            running->cancel();
    });
    BatchEngine engine(kitsFrom(factory, chosenDialogsMaker(order.formatSettings)), lines);
    running = &engine;
    std::vector<OutputReport> reports = StopSignals::stopRequested() ? notStarted(plan) : engine.run(plan, order);
    if (line.keepTime)
        keepSourceTimes(plan, reports);
    if (line.summary)
        printSummary(out, *line.summary, plan, reports);
    if (StopSignals::stopRequested())
        return StopSignals::exitStatusAfter(StopSignals::receivedSignal());
    const bool anyFailed = std::any_of(reports.begin(), reports.end(), [](const OutputReport& report) {
        return report.status == OutputStatus::Failed;
    });
    return anyFailed ? 1 : 0;
}

} // namespace

int runConvertCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QStringList options = arguments.mid(0, arguments.indexOf(QLatin1String("--")));
    if (options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"))) {
        out << convertHelpText();
        return 0;
    }
    // The manual page's option list is made from the same table as the help (packaging/tonalith-cli.1).
    if (options.contains(QLatin1String("--help-man"))) {
        out << convertManualOptions();
        return 0;
    }
    try {
        return convertAll(parseConvertArguments(arguments, LineKind::Batch, profileOrderLoader(err)), out);
    } catch (const UsageError& error) {
        err << "tonalith-cli convert: " << error.text() << "\n(tonalith-cli convert --help shows the usage)\n";
        return 2;
    } catch (const ComponentError& error) {
        out << "error=" << oneLine(error.message()) << '\n';
        return 1;
    }
}
