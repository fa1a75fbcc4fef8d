#include "TracksInFile.h"

#include "CueSheetReader.h"
#include "core/components/ComponentError.h"
#include "core/components/common/FfmpegHandles.h"
#include "core/components/common/FlacHandles.h"
#include "core/components/reader/SourceOpener.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <map>

namespace {

// Lead-out tracks of a FLAC sheet block: 170 on a CD, 255 elsewhere.
constexpr unsigned kCdLeadOut = 170;
constexpr unsigned kLeadOut = 255;

// A FLAC file's Vorbis comments, keys in upper case; the first of a repeated key wins.
std::map<QString, QByteArray> vorbisComments(const FLAC__StreamMetadata_VorbisComment& comments) {
    std::map<QString, QByteArray> found;
    for (FLAC__uint32 at = 0; at < comments.num_comments; ++at) {
        const QByteArray entry(reinterpret_cast<const char*>(comments.comments[at].entry),
                               qsizetype(comments.comments[at].length));
        const qsizetype equals = entry.indexOf('=');
        if (equals <= 0)
            continue;
        found.emplace(QString::fromLatin1(entry.left(equals)).toUpper(), entry.mid(equals + 1));
    }
    return found;
}

QString textOf(const std::map<QString, QByteArray>& comments, const char* key) {
    const auto found = comments.find(QLatin1String(key));
    return found == comments.end() ? QString() : QString::fromUtf8(found->second);
}

// The album's header from the file's own tags, for a sheet block that carries none.
void takeHeader(CueSheet& sheet, const std::map<QString, QByteArray>& comments) {
    sheet.title = textOf(comments, "ALBUM");
    sheet.performer = textOf(comments, "ALBUMARTIST");
    if (sheet.performer.isEmpty())
        sheet.performer = textOf(comments, "ARTIST");
    sheet.date = textOf(comments, "DATE");
    sheet.genre = textOf(comments, "GENRE");
    sheet.discNumber = textOf(comments, "DISCNUMBER");
    sheet.totalDiscs = textOf(comments, "TOTALDISCS");
}

CueFrames framesOf(ExactPosition position) {
    if (position.units <= 0 || position.unitsPerSecond <= 0)
        return 0;
    return position.units / position.unitsPerSecond * kCueFramesPerSecond +
           position.units % position.unitsPerSecond * kCueFramesPerSecond / position.unitsPerSecond;
}

// A CUESHEET block gives its positions in samples, so they are exact whatever the rate; its tracks carry no
// titles, which a player would take from the file's tags.
std::optional<CueSheet> sheetOfBlock(const QString& fileName, const FLAC__StreamMetadata_CueSheet& block,
                                     unsigned sampleRate, const std::map<QString, QByteArray>& comments) {
    if (sampleRate == 0)
        return std::nullopt;
    CueSheet sheet;
    sheet.path = fileName;
    sheet.images.push_back(CueImage{QFileInfo(fileName).fileName(), fileName, 0});
    sheet.catalog = QString::fromLatin1(block.media_catalog_number).trimmed();
    takeHeader(sheet, comments);
    for (FLAC__uint32 at = 0; at < block.num_tracks; ++at) {
        const FLAC__StreamMetadata_CueSheet_Track& track = block.tracks[at];
        if (track.number == kCdLeadOut || track.number == kLeadOut || track.type != 0)
            continue;
        const FLAC__StreamMetadata_CueSheet_Index* start = nullptr;
        const FLAC__StreamMetadata_CueSheet_Index* pregap = nullptr;
        for (unsigned index = 0; index < track.num_indices; ++index) {
            if (track.indices[index].number == 1)
                start = &track.indices[index];
            else if (track.indices[index].number == 0)
                pregap = &track.indices[index];
        }
        if (start == nullptr)
            throw ComponentError(
                QCoreApplication::translate("Library", "The cue sheet inside %1 gives track %2 no start (INDEX 01).")
                    .arg(QFileInfo(fileName).fileName())
                    .arg(track.number));
        CueTrack made;
        made.number = track.number;
        made.isrc = QString::fromLatin1(track.isrc).trimmed();
        made.exactStart = ExactPosition{static_cast<long long>(track.offset + start->offset), sampleRate};
        made.start = framesOf(*made.exactStart);
        if (pregap)
            made.pregapStart =
                framesOf(ExactPosition{static_cast<long long>(track.offset + pregap->offset), sampleRate});
        if (!sheet.tracks.empty() && made.exactStart->units <= sheet.tracks.back().exactStart->units)
            throw ComponentError(
                QCoreApplication::translate(
                    "Library", "The cue sheet inside %1 starts track %2 before the end of the track before it.")
                    .arg(QFileInfo(fileName).fileName())
                    .arg(track.number));
        sheet.tracks.push_back(std::move(made));
    }
    if (sheet.tracks.empty())
        return std::nullopt;
    return sheet;
}

} // namespace

std::optional<CueSheet> tracksInFlacFile(const QString& fileName) {
    const FlacChainPtr chain(FLAC__metadata_chain_new());
    const FlacIteratorPtr iterator(FLAC__metadata_iterator_new());
    if (!chain || !iterator)
        throw ComponentError(QCoreApplication::translate("Library", "Out of memory while reading %1.")
                                 .arg(QFileInfo(fileName).fileName()));
    const QByteArray path = QFile::encodeName(fileName);
    if (!FLAC__metadata_chain_read(chain.get(), path.constData()))
        return std::nullopt;

    unsigned sampleRate = 0;
    const FLAC__StreamMetadata_CueSheet* block = nullptr;
    std::map<QString, QByteArray> comments;
    FLAC__metadata_iterator_init(iterator.get(), chain.get());
    do {
        const FLAC__StreamMetadata* metadata = FLAC__metadata_iterator_get_block(iterator.get());
        if (metadata->type == FLAC__METADATA_TYPE_STREAMINFO)
            sampleRate = metadata->data.stream_info.sample_rate;
        else if (metadata->type == FLAC__METADATA_TYPE_CUESHEET && block == nullptr)
            block = &metadata->data.cue_sheet;
        else if (metadata->type == FLAC__METADATA_TYPE_VORBIS_COMMENT && comments.empty())
            comments = vorbisComments(metadata->data.vorbis_comment);
    } while (FLAC__metadata_iterator_next(iterator.get()));

    // The tag is a whole sheet, with titles and performers, where the block holds positions alone; rippers that
    // write both write the same tracks, so the tag is taken when there is one.
    if (const auto tag = comments.find(QStringLiteral("CUESHEET")); tag != comments.end())
        return CueSheetReader::parseInsideFile(tag->second, fileName);
    if (block != nullptr)
        return sheetOfBlock(fileName, *block, sampleRate, comments);
    return std::nullopt;
}

std::optional<CueSheet> chaptersAsTracks(const QString& fileName, const char* demuxerName) {
    const AVInputFormat* demuxer = av_find_input_format(demuxerName);
    if (demuxer == nullptr)
        return std::nullopt;
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, fileName.toUtf8().constData(), demuxer, nullptr) < 0)
        return std::nullopt;
    const InputFormatPtr format(raw);
    if (format->nb_chapters == 0)
        return std::nullopt;

    std::vector<const AVChapter*> chapters(format->chapters, format->chapters + format->nb_chapters);
    const auto seconds = [](const AVChapter* chapter) { return double(chapter->start) * av_q2d(chapter->time_base); };
    std::stable_sort(chapters.begin(), chapters.end(),
                     [&](const AVChapter* a, const AVChapter* b) { return seconds(a) < seconds(b); });

    CueSheet sheet;
    sheet.path = fileName;
    sheet.images.push_back(CueImage{QFileInfo(fileName).fileName(), fileName, 0});
    const auto tag = [](const AVDictionary* dictionary, const char* key) {
        const AVDictionaryEntry* entry = av_dict_get(dictionary, key, nullptr, 0);
        return entry ? QString::fromUtf8(entry->value) : QString();
    };
    sheet.title = tag(format->metadata, "album");
    if (sheet.title.isEmpty())
        sheet.title = tag(format->metadata, "title");
    sheet.performer = tag(format->metadata, "album_artist");
    if (sheet.performer.isEmpty())
        sheet.performer = tag(format->metadata, "artist");
    sheet.date = tag(format->metadata, "date");
    sheet.genre = tag(format->metadata, "genre");
    sheet.comment = tag(format->metadata, "comment");

    double lastStart = -1.0;
    for (const AVChapter* chapter : chapters) {
        // Chapters that start together would make a track of no samples: the first one stands for them. Marks
        // before the file's start (an edit list may put them there) count as its start.
        const double at = std::max(seconds(chapter), 0.0);
        if (at <= lastStart)
            continue;
        lastStart = at;
        // A time base of n/d seconds: the start is start × n units of 1/d s.
        const ExactPosition start{std::max<int64_t>(chapter->start, 0) * chapter->time_base.num,
                                  chapter->time_base.den};
        CueTrack made;
        made.number = int(sheet.tracks.size()) + 1;
        made.title = tag(chapter->metadata, "title");
        made.performer = tag(chapter->metadata, "artist");
        made.exactStart = start;
        made.start = framesOf(start);
        sheet.tracks.push_back(std::move(made));
    }
    return sheet;
}

std::optional<CueSheet> tracksInFile(const QString& fileName) {
    QByteArray demuxer;
    try {
        demuxer = demuxerByContent(fileName);
    } catch (const ComponentError&) {
        // Not a file whose container can hold tracks; what it is the list's probing finds out and says.
        return std::nullopt;
    }
    if (demuxer == "flac")
        return tracksInFlacFile(fileName);
    if (demuxer == "mov" || demuxer == "matroska" || demuxer == "ogg")
        return chaptersAsTracks(fileName, demuxer.constData());
    return std::nullopt;
}
