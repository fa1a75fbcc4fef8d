#include "SndfileDecoder.h"

#include "SoundDescription.h"
#include "core/components/ComponentError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <sndfile.h>
#include <vector>

SndfileDecoder::SndfileDecoder(const QString& fileName, std::optional<SndfileRawFormat> rawFormat, QString codecName,
                               int bitsPerValue)
    : codecName_(std::move(codecName)), bitsPerValue_(bitsPerValue) {
    SF_INFO info{};
    if (rawFormat) {
        info.format = rawFormat->format;
        info.samplerate = rawFormat->sampleRate;
        info.channels = rawFormat->channels;
    }
    file_.reset(sf_open(QFile::encodeName(fileName).constData(), SFM_READ, &info));
    if (!file_)
        throw ComponentError(QCoreApplication::translate("Components", "The file \"%1\" cannot be decoded: %2.")
                                 .arg(QFileInfo(fileName).fileName(), QString::fromLocal8Bit(sf_strerror(nullptr))),
                             LastError::CorruptData);
    if (info.samplerate <= 0 || info.channels <= 0 || info.frames < 0)
        throw ComponentError(QCoreApplication::translate("Components", "The file \"%1\" states an impossible format.")
                                 .arg(QFileInfo(fileName).fileName()),
                             LastError::CorruptData);
    rate_ = info.samplerate;
    channels_ = info.channels;
    frames_ = info.frames;
}

SndfileDecoder::~SndfileDecoder() = default;

QString SndfileDecoder::description() const {
    return sounddescription::describe(codecName_, static_cast<qint64>(bitsPerValue_) * rate_ * channels_, rate_,
                                      channels_);
}

qint64 SndfileDecoder::readFrames(float* out, qint64 maxFrames) {
    qint64 read = 0;
    if (out) {
        read = sf_readf_float(file_.get(), out, maxFrames);
    } else {
        std::vector<float> scratch(static_cast<std::size_t>(std::min<qint64>(maxFrames, 4096) * channels_));
        while (read < maxFrames) {
            const qint64 chunk = sf_readf_float(file_.get(), scratch.data(), std::min<qint64>(maxFrames - read, 4096));
            if (chunk <= 0)
                break;
            read += chunk;
        }
    }
    read = std::max<qint64>(read, 0);
    position_ += read;
    return read;
}

qint64 SndfileDecoder::seekFrame(qint64 frame) {
    const qint64 target = std::clamp<qint64>(frame, 0, frames_);
    const sf_count_t reached = sf_seek(file_.get(), target, SEEK_SET);
    if (reached >= 0)
        position_ = reached;
    return position_;
}
