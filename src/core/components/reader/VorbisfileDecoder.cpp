#include "VorbisfileDecoder.h"

#include "SoundDescription.h"
#include "core/components/ComponentError.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <vorbis/vorbisfile.h>

void VorbisfileDecoder::Closer::operator()(OggVorbis_File* file) const {
    ov_clear(file);
    delete file;
}

VorbisfileDecoder::VorbisfileDecoder(const QString& fileName, qint64 nominalBitsPerSecond)
    : nominalBitsPerSecond_(nominalBitsPerSecond) {
    const auto refuse = [&fileName](const char* why) {
        return ComponentError(QStringLiteral("The file \"%1\" cannot be read as one Ogg Vorbis stream: %2.")
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

qint64 VorbisfileDecoder::readFrames(float* out, qint64 maxFrames) {
    qint64 read = 0;
    while (read < maxFrames) {
        float** planes = nullptr;
        int section = 0;
        const long got =
            ov_read_float(file_.get(), &planes, static_cast<int>(std::min<qint64>(maxFrames - read, 4096)), &section);
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

qint64 VorbisfileDecoder::seekFrame(qint64 frame) {
    const qint64 target = std::clamp<qint64>(frame, 0, frames_);
    if (ov_pcm_seek(file_.get(), target) != 0)
        return ov_pcm_tell(file_.get());
    return target;
}
