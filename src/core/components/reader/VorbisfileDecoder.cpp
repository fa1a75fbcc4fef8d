#include "VorbisfileDecoder.h"

#include "SoundDescription.h"
#include "core/components/ComponentError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <vorbis/vorbisfile.h>

void VorbisfileDecoder::Closer::operator()(OggVorbis_File* file) const {
    ov_clear(file);
    delete file;
}

VorbisfileDecoder::VorbisfileDecoder(const QString& fileName, qint64 nominalBitsPerSecond)
    : fileName_(fileName), nominalBitsPerSecond_(nominalBitsPerSecond) {
    const auto refuse = [&fileName](const char* why) {
        return ComponentError(
            QCoreApplication::translate("Components", "The file \"%1\" cannot be read as one Ogg Vorbis stream: %2.")
                .arg(QFileInfo(fileName).fileName(), QLatin1String(why)),
            LastError::CorruptData);
    };
    // A failed open has already released everything it took, so only an opened file gets the closer.
    auto opening = std::make_unique<OggVorbis_File>();
    if (ov_fopen(QFile::encodeName(fileName).constData(), opening.get()) < 0)
        throw refuse("not a Vorbis stream libvorbisfile reads");
    file_.reset(opening.release());
    const vorbis_info* info = ov_info(file_.get(), -1);
    const ogg_int64_t total = ov_pcm_total(file_.get(), -1);
    if (ov_streams(file_.get()) != 1 || info == nullptr || total <= 0)
        throw refuse("chained, empty or of unknown length");
    if (info->rate <= 0 || info->rate > 384000 || info->channels <= 0)
        throw refuse("an impossible format");
    rate_ = static_cast<int>(info->rate);
    channels_ = info->channels;
    frames_ = total;
}

VorbisfileDecoder::~VorbisfileDecoder() = default;

QString VorbisfileDecoder::description() const {
    return sounddescription::describe(QStringLiteral("Ogg Vorbis"), nominalBitsPerSecond_, rate_, channels_);
}

qint64 VorbisfileDecoder::readFrom(OggVorbis_File& file, float* out, qint64 maxFrames) {
    qint64 read = 0;
    while (read < maxFrames) {
        float** planes = nullptr;
        int section = 0;
        const long got =
            ov_read_float(&file, &planes, static_cast<int>(std::min<qint64>(maxFrames - read, 4096)), &section);
        if (got == OV_HOLE)
            continue; // a damaged page: libvorbisfile goes on with the next one
        if (got <= 0)
            break;
        if (out) {
            for (long frame = 0; frame < got; ++frame)
                for (int channel = 0; channel < channels_; ++channel)
                    out[(read + frame) * channels_ + channel] = planes[channel][frame];
        }
        read += got;
    }
    return read;
}

// libvorbisfile's seekable reading ends for good at some damage, such as a first sound page whose checksum fails,
// while the same file read as a stream skips the damaged page and decodes the rest, as FFmpeg does. The stream is
// read from the start up to the frames already handed out.
void VorbisfileDecoder::readOnAsStream() {
    std::FILE* handle = std::fopen(QFile::encodeName(fileName_).constData(), "rb");
    if (handle == nullptr)
        return;
    auto opening = std::make_unique<OggVorbis_File>();
    // On success the stream owns the handle and closes it with ov_clear; on failure it stays ours.
    if (ov_open_callbacks(handle, opening.get(), nullptr, 0, OV_CALLBACKS_STREAMONLY) < 0) {
        std::fclose(handle);
        return;
    }
    stream_.reset(opening.release());
    const vorbis_info* info = ov_info(stream_.get(), -1);
    if (info == nullptr || info->channels != channels_ || info->rate != rate_ ||
        readFrom(*stream_, nullptr, position_) < position_)
        stream_.reset();
}

qint64 VorbisfileDecoder::readFrames(float* out, qint64 maxFrames) {
    qint64 read = readFrom(stream_ ? *stream_ : *file_, out, maxFrames);
    if (read < maxFrames && !stream_ && !streamTried_ && position_ + read < frames_) {
        streamTried_ = true;
        position_ += read;
        readOnAsStream();
        if (stream_) {
            const qint64 more = readFrom(*stream_, out ? out + read * channels_ : nullptr, maxFrames - read);
            position_ += more;
            return read + more;
        }
        return read;
    }
    position_ += read;
    return read;
}

qint64 VorbisfileDecoder::seekFrame(qint64 frame) {
    stream_.reset();
    streamTried_ = false;
    const qint64 target = std::clamp<qint64>(frame, 0, frames_);
    position_ = ov_pcm_seek(file_.get(), target) != 0 ? ov_pcm_tell(file_.get()) : target;
    return position_;
}
