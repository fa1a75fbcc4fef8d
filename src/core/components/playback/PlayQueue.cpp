#include "PlayQueue.h"

#include <algorithm>
#include <cmath>
#include <cstring>

void PlayQueue::reset(int channels) {
    blocks_.clear();
    channels_ = std::max(channels, 1);
    queued_ = written_ = played_ = 0;
    endMarked_ = false;
    peakLeft_ = peakRight_ = 0.0f;
}

void PlayQueue::push(SampleBlock&& block) {
    if (endMarked_) {
        return;
    }
    if (block.empty()) {
        endMarked_ = true;
        return;
    }
    // A trailing partial frame cannot be played on its own; it is dropped rather than shifting every later channel.
    const qint64 frames = static_cast<qint64>(block.size()) / channels_;
    blocks_.push_back(Entry{std::move(block), queued_, frames});
    queued_ += frames;
}

qint64 PlayQueue::readAhead(float* out, qint64 frames) {
    qint64 copied = 0;
    for (const Entry& entry : blocks_) {
        if (copied == frames) {
            break;
        }
        const qint64 end = entry.firstFrame + entry.frames;
        if (end <= written_) {
            continue;
        }
        const qint64 offset = written_ - entry.firstFrame;
        const qint64 count = std::min(end - written_, frames - copied);
        std::memcpy(out + copied * channels_, entry.block.data() + offset * channels_,
                    static_cast<std::size_t>(count * channels_) * sizeof(float));
        copied += count;
        written_ += count;
    }
    return copied;
}

void PlayQueue::measure(const Entry& entry, qint64 from, qint64 to) {
    const float* samples = entry.block.data();
    for (qint64 frame = from; frame < to; ++frame) {
        const float* values = samples + (frame - entry.firstFrame) * channels_;
        peakLeft_ = std::max(peakLeft_, std::fabs(values[0]));
        peakRight_ = std::max(peakRight_, std::fabs(values[channels_ > 1 ? 1 : 0]));
    }
}

int PlayQueue::advancePlayedTo(qint64 frame) {
    const qint64 target = std::clamp(frame, played_, queued_);
    int completed = 0;
    while (!blocks_.empty()) {
        const Entry& entry = blocks_.front();
        const qint64 end = entry.firstFrame + entry.frames;
        measure(entry, std::max(played_, entry.firstFrame), std::min(target, end));
        if (end > target) {
            break;
        }
        blocks_.pop_front();
        ++completed;
    }
    played_ = target;
    written_ = std::max(written_, played_);
    return completed;
}

std::pair<int, int> PlayQueue::takeLevels() {
    const auto level = [](float peak) { return static_cast<int>(std::lround(std::min(peak, 1.0f) * 32767.0f)); };
    const std::pair<int, int> levels{level(peakLeft_), level(peakRight_)};
    peakLeft_ = peakRight_ = 0.0f;
    return levels;
}
