#include "CliCommands.h"

#include "ConvertArguments.h"
#include "ConvertLines.h"
#include "LineText.h"
#include "ProfileFolder.h"
#include "StopSignals.h"
#include "SyncSummary.h"
#include "core/batch/BatchEngine.h"
#include "core/batch/LibrarySync.h"
#include "core/batch/OutputNaming.h"
#include "core/batch/SourceFactsReader.h"
#include "core/components/ComponentError.h"
#include "core/components/ComponentSet.h"
#include "core/formats/ChosenFormatDialogs.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {

// Convert's lines, and each finished output handed on as it comes.
class FinishedLines : public ConvertLines {
public:
    FinishedLines(QTextStream& out, bool sideBySide, std::function<void(std::size_t, const OutputReport&)> finished,
                  std::function<void()> onIdle)
        : ConvertLines(out, sideBySide, std::move(onIdle)), finished_(std::move(finished)) {}

    void outputFinished(std::size_t output, const OutputReport& report) override {
        ConvertLines::outputFinished(output, report);
        finished_(output, report);
    }

private:
    std::function<void(std::size_t, const OutputReport&)> finished_;
};

// The conversions of a sync through the plan and engine of convert, printing convert's lines. Components are made
// only when there is something to convert, so a sync of an unchanged library opens nothing.
class LineSyncConversion : public SyncConversion {
public:
    explicit LineSyncConversion(QTextStream& out) : out_(out) {}

    std::vector<BatchOutput> plan(const BatchOrder& order) override {
        const std::unique_ptr<ComponentSet> planning = factory_.create();
        return order.plan(readSourceFactsAhead(*planning, factory_, order));
    }

    std::vector<OutputReport> run(const std::vector<BatchOutput>& plan, const BatchOrder& order,
                                  const std::function<void(std::size_t, const OutputReport&)>& finished) override {
        BatchEngine* running = nullptr;
        FinishedLines lines(out_, BatchEngine::workersFor(plan, order.jobs) > 1, finished, [&running] {
            if (running != nullptr && StopSignals::stopRequested())
                running->cancel();
        });
        BatchEngine engine(kitsFrom(factory_, chosenDialogsMaker(order.formatSettings)), lines);
        running = &engine;
        if (StopSignals::stopRequested()) {
            std::vector<OutputReport> reports(plan.size());
            for (std::size_t index = 0; index < plan.size(); ++index)
                reports[index].destination = plan[index].destinationName;
            return reports;
        }
        return engine.run(plan, order);
    }

    [[nodiscard]] bool stopped() const override { return StopSignals::stopRequested(); }

private:
    QTextStream& out_;
    ComponentSetFactory factory_;
};

// copied=, pruned= and error= lines for what the sync does beside converting.
class SyncLines : public SyncObserver {
public:
    explicit SyncLines(QTextStream& out) : out_(out) {}

    void fileDone(const SyncFileReport& report) override {
        switch (report.status) {
        case SyncStatus::Copied:
            out_ << "copied=" << oneLine(report.output) << '\n';
            break;
        case SyncStatus::Pruned:
            out_ << "pruned=" << oneLine(report.output) << '\n';
            break;
        case SyncStatus::Failed:
            out_ << "error=" << oneLine(report.reason) << '\n';
            break;
        case SyncStatus::Converted: // convert's own output= line said it
        case SyncStatus::Unchanged:
        case SyncStatus::Cancelled:
            break;
        }
        out_.flush();
    }

private:
    QTextStream& out_;
};

bool isBelow(const QString& path, const QString& folder) {
    return path.startsWith(folder + QLatin1Char('/'));
}

// The --files-from names as paths below the source folder: an absolute name, or one relative to the working folder
// that leads into the source folder, or else one relative to the source folder itself.
QStringList relativeSources(const QStringList& names, const QString& sourceFolder) {
    QStringList relative;
    const QDir folder(sourceFolder);
    for (const QString& name : names) {
        const QString absolute = QFileInfo(name).absoluteFilePath();
        if (QFileInfo(name).isAbsolute() || isBelow(absolute, sourceFolder))
            relative.append(folder.relativeFilePath(absolute));
        else
            relative.append(QDir::cleanPath(name));
    }
    return relative;
}

SyncSetup setupOf(const ConvertArguments& line) {
    SyncSetup setup;
    setup.sourceFolder = QDir::cleanPath(line.folders.at(0));
    setup.destination = QDir::cleanPath(line.folders.at(1));
    if (!QFileInfo(setup.sourceFolder).isDir())
        throw UsageError(QStringLiteral("the source folder %1 does not exist").arg(setup.sourceFolder));
    const QString canonicalSource = QFileInfo(setup.sourceFolder).canonicalFilePath();
    const QString canonicalDestination = QFileInfo(setup.destination).canonicalFilePath();
    if (setup.sourceFolder == setup.destination ||
        (!canonicalDestination.isEmpty() &&
         (canonicalSource == canonicalDestination || isBelow(canonicalSource, canonicalDestination))))
        throw UsageError(QStringLiteral("the destination %1 must not hold the source folder").arg(setup.destination));
    if (QFileInfo(setup.destination).exists() && !QFileInfo(setup.destination).isDir())
        throw UsageError(QStringLiteral("the destination %1 is not a folder").arg(setup.destination));
    setup.rules = *pathRulesNamed(line.pathRules);
    setup.prune = line.prune;
    setup.keepTime = line.keepTime;
    SyncChoices& choices = setup.choices;
    choices.copyLossy = line.copyLossy;
    choices.sideGlobs = line.sideGlobs.value_or(SyncChoices::defaultSideGlobs());
    choices.outputSuffix = destinationName(QString(), QString(), *line.order.formats.begin());
    choices.convertOptions = conversionFingerprint(line.order);
    choices.namesFromTemplate = line.order.baseNames.has_value();
    choices.shard = line.shard;
    if (line.has(ConvertOptionId::FilesFrom))
        choices.onlySources = relativeSources(line.listedFiles, setup.sourceFolder);
    return setup;
}

int syncAll(const ConvertArguments& line, QTextStream& out) {
    const StopSignals stopSignals;
    LibrarySync sync(setupOf(line), line.order);
    LineSyncConversion conversion(out);
    SyncLines lines(out);
    const SyncResult result = sync.run(conversion, lines);
    if (!result.manifestSaved)
        out << "error=" << oneLine(QStringLiteral("%1: the manifest cannot be written").arg(line.folders.at(1)))
            << '\n';
    if (line.summary)
        printSyncSummary(out, *line.summary, result);
    if (StopSignals::stopRequested())
        return StopSignals::exitStatusAfter(StopSignals::receivedSignal());
    return result.counts.failed > 0 || !result.manifestSaved ? 1 : 0;
}

} // namespace

int runSyncCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QStringList options = arguments.mid(0, arguments.indexOf(QLatin1String("--")));
    if (options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"))) {
        out << syncHelpText();
        return 0;
    }
    try {
        return syncAll(parseConvertArguments(arguments, LineKind::Sync, profileOrderLoader(err)), out);
    } catch (const UsageError& error) {
        err << "tonalith-cli sync: " << error.text() << "\n(tonalith-cli sync --help shows the usage)\n";
        return 2;
    } catch (const ComponentError& error) {
        out << "error=" << oneLine(error.message()) << '\n';
        return 1;
    }
}
