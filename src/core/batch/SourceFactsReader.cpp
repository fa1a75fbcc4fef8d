#include "SourceFactsReader.h"

#include "core/components/AudioSourceOpening.h"
#include "core/components/ComponentError.h"
#include "core/components/ComponentSet.h"
#include "core/components/information/TagAccess.h"

namespace {

QString numberOrEmpty(int value) {
    return value > 0 ? QString::number(value) : QString();
}

void learnLength(ComponentSet& components, const QString& sourceName, SourceKind kind, SourceFacts& facts) {
    if (kind == SourceKind::Video) {
        auto& video = components.video;
        video->open(sourceName);
        facts.durationMs = std::max<qint64>(video->durationMs(), 0);
        video->close();
        return;
    }
    OpenedAudioSource opened = openAudioSourceOnce(components.reader, sourceName);
    facts.durationMs = opened.durationMs;
    facts.probed = std::move(opened.probed);
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
