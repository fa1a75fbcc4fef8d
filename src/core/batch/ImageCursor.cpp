#include "ImageCursor.h"

#include "core/components/ComponentError.h"

#include <QCoreApplication>
#include <algorithm>

ImageCursor::~ImageCursor() {
    try {
        release();
    } catch (const std::exception&) {
    }
}

void ImageCursor::begin(const ImageTrack& track, const std::optional<ProbedSource>& probed) {
    if (image_ != track.image)
        open(track, probed);
    span_ = spanIn(track, imageSamples_, sampleRate_);
    if (position_ == span_.first)
        return;
    ahead_.clear();
    position_ = reader_->seek(span_.first, 3);
    if (position_ != span_.first) {
        release();
        throw ComponentError(QCoreApplication::translate("Batch", "The image \"%1\" cannot be read from sample %2.")
                                 .arg(track.image, QString::number(span_.first)),
                             LastError::CorruptData);
    }
}

void ImageCursor::open(const ImageTrack& track, const std::optional<ProbedSource>& probed) {
    release();
    if (probed && probed->fileName == track.image)
        reader_->openProbedForReading(*probed);
    else
        reader_->openForReading(track.image, 0, 1);
    if (const int error = reader_->lastError(); error != LastError::Success) {
        reader_->close();
        throw ComponentError(QCoreApplication::translate("Batch", "The image \"%1\" cannot be opened (error %2).")
                                 .arg(track.image, QString::number(error)),
                             error);
    }
    image_ = track.image;
    imageSamples_ = reader_->lengthInSamples();
    sampleRate_ = reader_->sampleRate();
    channels_ = reader_->channelCount();
    bits_ = reader_->bitsPerSample();
    position_ = 0;
    if (channels_ <= 0) {
        release();
        throw ComponentError(QCoreApplication::translate("Batch", "The image \"%1\" holds no sound.").arg(track.image),
                             LastError::CorruptData);
    }
}

SampleBlock ImageCursor::read(int valueCount) {
    const long long wanted = std::min<long long>(valueCount / channels_, span_.first + span_.count - position_);
    if (wanted <= 0 || image_.isEmpty())
        return {};
    std::vector<float> values;
    if (!ahead_.empty()) {
        values.swap(ahead_);
    } else {
        values = reader_->readBlock(valueCount).release();
        if (values.empty())
            return {}; // the image ends before its stated length: the track ends with it
    }
    const auto wantedValues = static_cast<std::size_t>(wanted) * static_cast<std::size_t>(channels_);
    if (values.size() > wantedValues) {
        ahead_.assign(values.begin() + static_cast<std::ptrdiff_t>(wantedValues), values.end());
        values.resize(wantedValues);
    }
    position_ += static_cast<long long>(values.size()) / channels_;
    return SampleBlock(std::move(values));
}

void ImageCursor::release() {
    ahead_.clear();
    position_ = 0;
    if (image_.isEmpty())
        return;
    image_.clear();
    reader_->close();
}
