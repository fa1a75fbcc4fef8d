#include "BatchOrder.h"

#include "OutputNaming.h"
#include "TrackSources.h"
#include "TreeMapping.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <map>

namespace {

constexpr qint64 kWeightWithoutKnownLengths = 1000;

struct SourcePlan {
    bool exists = false;
    std::optional<QString> folder;
    SourceFacts facts;
};

SourceFacts factsOf(const BatchSource& source, const SourceProbe& probe, bool readTags) {
    const std::optional<SourceFacts>& listed = source.listed;
    if (!readTags && listed && listed->probed && listed->probed->stillDescribes(source.fullName))
        return *listed;
    return probe(source.fullName, source.kind, readTags);
}

std::map<QString, SourcePlan> learnSources(const BatchOrder& order, const SourceProbe& probe) {
    const bool readTags = order.planReadsTags();
    std::optional<TreeMapping> tree;
    if (order.treeRoot && !order.folderText.isEmpty())
        tree.emplace(*order.treeRoot, order.folderText);
    std::map<QString, SourcePlan> sources;
    for (const BatchSource& source : order.sources) {
        if (sources.count(source.fullName) != 0)
            continue;
        SourcePlan plan;
        plan.exists = QFileInfo(source.fullName).isFile();
        plan.folder = tree ? tree->outputFolderOf(source.fullName) : outputFolderFor(order.folderText, source.fullName);
        if (plan.exists)
            plan.facts = factsOf(source, probe, readTags);
        sources.emplace(source.fullName, std::move(plan));
    }
    return sources;
}

qint64 averageKnownDuration(const std::map<QString, SourcePlan>& sources) {
    qint64 total = 0;
    qint64 known = 0;
    for (const auto& [name, plan] : sources) {
        if (plan.facts.durationMs > 0) {
            total += plan.facts.durationMs;
            ++known;
        }
    }
    return known == 0 ? kWeightWithoutKnownLengths : std::max<qint64>(total / known, 1);
}

// A track's name fields come from its sheet, not from the image's tags.
NameFields trackNameFields(const ImageTrack& track) {
    NameFields fields;
    fields.title = track.tags.title;
    fields.artist = track.tags.artist;
    fields.album = track.tags.album;
    fields.track = track.number > 0 ? QString::number(track.number) : QString();
    fields.year = track.tags.year > 0 ? QString::number(track.tags.year) : QString();
    fields.genre = track.tags.genreText;
    fields.albumArtist = track.tags.albumArtist;
    fields.disc = track.tags.discNumber > 0 ? QString::number(track.tags.discNumber) : QString();
    fields.trackTotal = track.total > 0 ? QString::number(track.total) : QString();
    fields.composer = track.tags.composer;
    return fields;
}

// The sources as their outputs are made: a source of several sound tracks once for each track the rule converts
// (or for the track it names by number, even where the source lacks it, so that the plan can say so), every other
// source as it is.
std::vector<BatchSource> soundTrackSources(const std::vector<BatchSource>& sources,
                                           const std::map<QString, SourcePlan>& known, const SoundTrackRule& rule) {
    std::vector<BatchSource> expanded;
    expanded.reserve(sources.size());
    for (const BatchSource& source : sources) {
        const SoundTracks& tracks = known.at(source.fullName).facts.soundTracks;
        // A track of an image is cut from the sound the image plays by default.
        if (source.soundTrack || source.track || tracks.size() < 2) {
            expanded.push_back(source);
            continue;
        }
        const std::optional<std::vector<int>> chosen = rule.choose(tracks);
        if (!chosen) {
            BatchSource missing = source;
            missing.soundTrack = rule.trackNumber() - 1;
            expanded.push_back(std::move(missing));
            continue;
        }
        for (const int track : *chosen) {
            BatchSource one = source;
            one.soundTrack = track;
            expanded.push_back(std::move(one));
        }
    }
    return expanded;
}

// The number and language of the sound track an output reads, for the name template.
void nameSoundTrack(NameFields& fields, const BatchSource& source, const SoundTracks& tracks) {
    if (tracks.size() < 2 || !source.soundTrack) {
        fields.stream = QStringLiteral("1");
        fields.lang = tracks.empty() ? QString() : tracks.front().language;
        return;
    }
    fields.stream = QString::number(*source.soundTrack + 1);
    const auto index = static_cast<std::size_t>(*source.soundTrack);
    fields.lang = index < tracks.size() ? tracks[index].language : QString();
}

// Without a name template, the outputs of every sound track of one source are told apart by the track's number and
// language after the source's name: "film-2-deu".
QString soundTrackBaseName(const NameFields& fields) {
    QString name = fields.name + QLatin1Char('-') + fields.stream;
    if (!fields.lang.isEmpty())
        name += QLatin1Char('-') + safeFileName(fields.lang);
    return name;
}

} // namespace

std::optional<OrderConflict> BatchOrder::conflicts() const {
    if (sources.empty())
        return OrderConflict::NoSources;
    if (formats.empty())
        return OrderConflict::NoFormats;
    if (loudnessTarget && volumePercent)
        return OrderConflict::NormalizeWithVolume;
    if (replayGain && volumePercent)
        return OrderConflict::ReplayGainWithVolume;
    if (replayGain && loudnessTarget)
        return OrderConflict::ReplayGainWithNormalize;
    if (treeRoot && folderText.isEmpty())
        return OrderConflict::TreeWithoutFolder;
    return std::nullopt;
}

bool BatchOrder::makeFolder() const {
    return folderText.isEmpty() || (QDir().mkpath(folderText) && QFileInfo(folderText).isDir());
}

int BatchOrder::plannedOutputCount() const {
    const auto converted = std::count_if(sources.begin(), sources.end(), [this](const BatchSource& source) {
        return !source.track || !source.track->hidden() || hiddenTrack;
    });
    return static_cast<int>(static_cast<std::size_t>(converted) * formats.size());
}

bool BatchOrder::planReadsTags() const {
    return baseNames && baseNames->readsTags();
}

bool BatchOrder::runsOneAtATime() const {
    return jobs == 1 && !loudnessTarget && !replayGain && existing == ExistingOutputPolicy::Replace;
}

std::vector<BatchOutput> BatchOrder::plan(const SourceProbe& probe) const {
    return planJoining(probe, {});
}

std::vector<BatchOutput> BatchOrder::planJoining(const SourceProbe& probe,
                                                 const std::vector<BatchOutput>& earlier) const {
    const std::map<QString, SourcePlan> known = learnSources(*this, probe);
    const qint64 fallbackWeight = averageKnownDuration(known);
    std::set<QString> sourceNames;
    for (const BatchSource& source : sources)
        sourceNames.insert(source.fullName);
    for (const BatchOutput& output : earlier)
        sourceNames.insert(output.sourceName);
    OutputNameClaims claims(existing, sourceNames);
    for (const BatchOutput& output : earlier) {
        if (output.action == PlannedAction::Convert)
            claims.reserve(output.destinationName);
    }
    std::vector<BatchOutput> outputs;
    for (const BatchSource& source : soundTrackSources(sources, known, soundTracks)) {
        if (source.track && source.track->hidden() && !hiddenTrack)
            continue;
        const SourcePlan& plan = known.at(source.fullName);
        NameFields fields = source.track ? trackNameFields(*source.track) : plan.facts.tags;
        fields.name = source.track ? trackBaseName(*source.track) : outputBaseName(source.fullName);
        const qint64 durationMs =
            source.track ? source.track->durationMs(plan.facts.durationMs) : plan.facts.durationMs;
        const SoundTracks& tracks = plan.facts.soundTracks;
        nameSoundTrack(fields, source, tracks);
        const bool severalTracks = tracks.size() >= 2 && source.soundTrack.has_value();
        for (const OutputFormat format : kOutputFormatsInOrder) {
            if (formats.count(format) == 0)
                continue;
            BatchOutput output{source.fullName,
                               format,
                               {},
                               source.kind,
                               durationMs > 0 ? durationMs : fallbackWeight,
                               PlannedAction::Convert,
                               plan.facts.probed,
                               source.track};
            // The track the file plays by default is read as a source of one track is, with all the plan learnt.
            if (severalTracks && *source.soundTrack != defaultSoundTrack(tracks)) {
                output.soundTrack = source.soundTrack;
                output.soundTrackCount = static_cast<int>(tracks.size());
            }
            fields.format = outputFormatName(format);
            const bool eachTrack = severalTracks && soundTracks.kind() == SoundTrackRule::Kind::All && !baseNames;
            const QString baseName = baseNames   ? baseNames->expand(fields)
                                     : eachTrack ? soundTrackBaseName(fields)
                                                 : fields.name;
            if (severalTracks && *source.soundTrack >= static_cast<int>(tracks.size())) {
                output.action = PlannedAction::NoSuchSoundTrack;
                output.destinationName = destinationName(plan.folder.value_or(QString()), baseName, format);
            } else if (!plan.folder) {
                output.action = PlannedAction::OutsideTree;
            } else if (!plan.exists) {
                output.action = PlannedAction::SourceMissing;
                output.destinationName = destinationName(*plan.folder, baseName, format);
            } else {
                const OutputClaim claim =
                    claims.claim(source.fullName, destinationName(*plan.folder, baseName, format));
                output.destinationName = claim.name;
                if (claim.status == OutputClaim::Status::SkippedExisting)
                    output.action = PlannedAction::SkipExisting;
                else if (claim.status == OutputClaim::Status::NoFreeName)
                    output.action = PlannedAction::NoFreeName;
            }
            outputs.push_back(std::move(output));
        }
    }
    return outputs;
}
