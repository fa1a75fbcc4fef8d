#include "SourceFactsReader.h"

#include "core/components/AudioSourceOpening.h"
#include "core/components/ComponentError.h"
#include "core/components/ComponentSet.h"
#include "core/components/information/TagAccess.h"

#include <QFileInfo>
#include <QSet>
#include <atomic>
#include <exception>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace {

QString numberOrEmpty(int value) {
    return value > 0 ? QString::number(value) : QString();
}

void learnLength(ComponentSet& components, const QString& sourceName, SourceKind kind, SourceFacts& facts) {
    if (kind == SourceKind::Video) {
        auto& video = components.video;
        video->open(sourceName);
        facts.durationMs = std::max<qint64>(video->durationMs(), 0);
        facts.soundTracks = video->soundTracks();
        video->close();
        return;
    }
    OpenedAudioSource opened = openAudioSourceOnce(components.reader, sourceName);
    facts.durationMs = opened.durationMs;
    facts.probed = std::move(opened.probed);
    facts.soundTracks = components.reader->soundTracks();
    components.reader->close();
}

NameFields tagsOf(ComponentSet& components, const QString& sourceName) {
    auto& information = components.information;
    information->loadTags(sourceName);
    NameFields fields;
    fields.title = information->title();
    fields.artist = information->artist();
    fields.album = information->album();
    fields.track = numberOrEmpty(information->track());
    fields.year = numberOrEmpty(information->year());
    fields.genre = information->genreText();
    // The component speaks only the seven fields of its interface; the further ones come from the file itself.
    const TagValues further = tagaccess::readFile(sourceName);
    fields.albumArtist = further.albumArtist;
    fields.disc = numberOrEmpty(further.discNumber);
    fields.trackTotal = numberOrEmpty(further.trackTotal);
    fields.composer = further.composer;
    return fields;
}

} // namespace

SourceFacts readSourceFacts(ComponentSet& components, const QString& sourceName, SourceKind kind, bool readTags) {
    SourceFacts facts;
    try {
        learnLength(components, sourceName, kind, facts);
    } catch (const ComponentError&) {
        facts.durationMs = 0;
        facts.probed.reset();
        facts.soundTracks.clear();
        components.reader->close();
        components.video->close();
    }
    if (readTags && kind == SourceKind::Audio) {
        try {
            facts.tags = tagsOf(components, sourceName);
        } catch (const ComponentError&) {
            facts.tags = {};
        }
    }
    return facts;
}

namespace {

SourceProbe readAhead(ComponentSet& components, IComponentSetFactory& factory, const QStringList& sourceNames,
                      bool readTags, int jobs) {
    const SourceProbe readNow = [&components](const QString& source, SourceKind kind, bool tags) {
        return readSourceFacts(components, source, kind, tags);
    };
    QStringList sources;
    QSet<QString> seen;
    for (const QString& source : sourceNames) {
        if (!seen.contains(source) && QFileInfo(source).isFile())
            sources.append(source);
        seen.insert(source);
    }
    const int readers = std::min<int>(jobs, static_cast<int>(sources.size()));
    if (readers <= 1)
        return readNow;

    auto facts = std::make_shared<std::vector<SourceFacts>>(static_cast<std::size_t>(sources.size()));
    std::vector<std::unique_ptr<ComponentSet>> ownSets;
    std::vector<ComponentSet*> sets{&components};
    for (int reader = 1; reader < readers; ++reader) {
        ownSets.push_back(factory.create());
        sets.push_back(ownSets.back().get());
    }
    std::atomic<qsizetype> next = 0;
    std::vector<std::exception_ptr> failures(sets.size());
    {
        std::vector<std::jthread> threads;
        for (std::size_t reader = 0; reader < sets.size(); ++reader) {
            threads.emplace_back([&, reader] {
                try {
                    for (qsizetype index = next++; index < sources.size(); index = next++)
                        (*facts)[static_cast<std::size_t>(index)] =
                            readSourceFacts(*sets[reader], sources[index], sourceKindOfFile(sources[index]), readTags);
                } catch (...) {
                    failures[reader] = std::current_exception();
                    next = sources.size();
                }
            });
        }
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
    std::map<QString, std::size_t> indexOf;
    for (qsizetype index = 0; index < sources.size(); ++index)
        indexOf.emplace(sources[index], static_cast<std::size_t>(index));
    return [readNow, facts, indexOf = std::move(indexOf), readTags](const QString& source, SourceKind kind, bool tags) {
        const auto found = indexOf.find(source);
        if (found == indexOf.end() || kind != sourceKindOfFile(source) || tags != readTags)
            return readNow(source, kind, tags);
        return (*facts)[found->second];
    };
}

} // namespace

SourceProbe readSourceFactsAhead(ComponentSet& components, IComponentSetFactory& factory, const BatchOrder& order) {
    QStringList names;
    for (const BatchSource& source : order.sources)
        names.append(source.fullName);
    return readAhead(components, factory, names, order.planReadsTags(), order.jobs);
}
