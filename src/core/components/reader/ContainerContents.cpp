#include "ContainerContents.h"

#include "SourceOpener.h"
#include "core/components/ComponentError.h"
#include "core/components/common/FfmpegHandles.h"

#include <QFileInfo>
#include <memory>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

void addMissing(QMap<QString, QString>& tags, const AVDictionary* dictionary) {
    const AVDictionaryEntry* entry = nullptr;
    while ((entry = av_dict_get(dictionary, "", entry, AV_DICT_IGNORE_SUFFIX)) != nullptr) {
        const QString key = QString::fromUtf8(entry->key).toLower();
        if (!tags.contains(key))
            tags.insert(key, QString::fromUtf8(entry->value));
    }
}

} // namespace

std::optional<ContainerContents> readContainerContents(const QString& fileName) {
    if (!QFileInfo(fileName).isFile())
        return std::nullopt;
    QByteArray demuxerName;
    try {
        demuxerName = demuxerByContent(fileName);
    } catch (const ComponentError&) {
        return std::nullopt;
    }
    const AVInputFormat* demuxer = av_find_input_format(demuxerName.constData());
    if (demuxer == nullptr)
        return std::nullopt;
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, fileName.toUtf8().constData(), demuxer, nullptr) < 0)
        return std::nullopt;
    const InputFormatPtr format(raw);
    // Most containers list their streams in their header; the others (MPEG program streams, FLV) name them only in
    // their packets.
    if ((format->ctx_flags & AVFMTCTX_NOHEADER) != 0 || format->nb_streams == 0) {
        if (avformat_find_stream_info(format.get(), nullptr) < 0)
            return std::nullopt;
    }
    ContainerContents contents;
    addMissing(contents.tags, format->metadata);
    for (unsigned index = 0; index < format->nb_streams; ++index) {
        const AVStream* stream = format->streams[index];
        const AVCodecParameters* codec = stream->codecpar;
        if (codec->codec_type == AVMEDIA_TYPE_VIDEO && (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) == 0)
            contents.movingPictures = true;
        if (codec->codec_type == AVMEDIA_TYPE_AUDIO && codec->codec_id != AV_CODEC_ID_NONE && !contents.soundTrack) {
            contents.soundTrack = true;
            addMissing(contents.tags, stream->metadata);
        }
    }
    return contents;
}
