#include "G726Decoder.h"

#include "SoundDescription.h"
#include "core/components/ComponentError.h"
#include "core/ports/Messages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <array>

extern "C" {
#include <spandsp.h>
}

namespace {
constexpr qint64 kChunkBytes = 4096;
}

G726Decoder::G726Decoder(const QString& fileName, G726Layout layout) : file_(fileName), layout_(std::move(layout)) {
    if (!file_.open(QIODevice::ReadOnly))
        throw ComponentError(Messages::FileCannotBeRead().arg(QFileInfo(fileName).fileName()), LastError::AccessDenied);
    rewind();
}

G726Decoder::~G726Decoder() = default;

qint64 G726Decoder::lengthInFrames() const {
    return layout_.dataBytes * 8 / layout_.bitsPerCode;
}

QString G726Decoder::description() const {
    return sounddescription::describe(layout_.codecName, static_cast<qint64>(layout_.bitsPerCode) * layout_.sampleRate,
                                      layout_.sampleRate, 1);
}

void G726Decoder::rewind() {
    // The codec's bit rate selects the code size; the sample rate does not matter to the decoder.
    state_.reset(g726_init(nullptr, layout_.bitsPerCode * 8000, G726_ENCODING_LINEAR, G726_PACKING_RIGHT));
    if (!state_)
        throw ComponentError(QCoreApplication::translate("Components", "The G.726 decoder cannot start."),
                             LastError::UnsupportedFormat);
    file_.seek(layout_.dataOffset);
    bytesRead_ = 0;
    pending_.clear();
    pendingOffset_ = 0;
    position_ = 0;
}

bool G726Decoder::decodeMore() {
    const qint64 want = std::min(kChunkBytes, layout_.dataBytes - bytesRead_);
    if (want <= 0)
        return false;
    std::array<uint8_t, kChunkBytes> codes{};
    const qint64 got = file_.read(reinterpret_cast<char*>(codes.data()), want);
    if (got <= 0)
        return false;
    bytesRead_ += got;
    pending_.assign(static_cast<std::size_t>(got * 8 / 2 + 8), 0);
    const int samples = g726_decode(state_.get(), pending_.data(), codes.data(), static_cast<int>(got));
    pending_.resize(static_cast<std::size_t>(std::max(samples, 0)));
    pendingOffset_ = 0;
    return true;
}

qint64 G726Decoder::readFrames(float* out, qint64 maxFrames) {
    qint64 written = 0;
    const qint64 wanted = std::min(maxFrames, lengthInFrames() - position_);
    while (written < wanted) {
        if (pendingOffset_ == pending_.size() && !decodeMore())
            break;
        const auto count = std::min<qint64>(wanted - written, static_cast<qint64>(pending_.size() - pendingOffset_));
        if (out) {
            for (qint64 i = 0; i < count; ++i)
                out[written + i] =
                    static_cast<float>(pending_[pendingOffset_ + static_cast<std::size_t>(i)]) / 32768.0f;
        }
        pendingOffset_ += static_cast<std::size_t>(count);
        written += count;
    }
    position_ += written;
    return written;
}

qint64 G726Decoder::seekFrame(qint64 frame) {
    // Each code depends on all before it, so a seek decodes from the start (quick at telephone rates).
    const qint64 target = std::clamp<qint64>(frame, 0, lengthInFrames());
    if (target < position_)
        rewind();
    readFrames(nullptr, target - position_);
    return position_;
}
