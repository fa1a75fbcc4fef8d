#include "SourceFactsReader.h"

#include "core/components/ComponentError.h"
#include "core/components/ComponentSet.h"
#include "core/components/information/TagAccess.h"

namespace {

QString numberOrEmpty(int value) {
    return value > 0 ? QString::number(value) : QString();
}

qint64 lengthOf(ComponentSet& components, const QString& sourceName, SourceKind kind) {
    if (kind == SourceKind::Video) {
        auto& video = components.video;
        video->open(sourceName);
        const qint64 duration = video->durationMs();
        video->close();
        return duration;
    }
    auto& reader = components.reader;
    reader->openForReading(sourceName, 0, 1);
    const qint64 duration = reader->lastError() == LastError::Success ? reader->durationMs() : 0;
    reader->close();
    return duration;
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
        facts.durationMs = std::max<qint64>(lengthOf(components, sourceName, kind), 0);
    } catch (const ComponentError&) {
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
