#pragma once

#include "core/components/SampleBlock.h"

#include <QtGlobal>
#include <deque>
#include <utility>

// The blocks handed to the player, from the one being heard to the last one queued. Tracks three positions in frames
// (one sample per channel) since the last reset: queued, written ahead to a device, and played. A block is kept until
// it has been played, so its sound can be measured for the level meters and its end reported.
class PlayQueue {
public:
    void reset(int channels);

    // Takes the block; an empty block marks the end, and blocks after the end are dropped.
    void push(SampleBlock&& block);

    [[nodiscard]] bool endMarked() const { return endMarked_; }
    [[nodiscard]] bool finished() const { return endMarked_ && played_ >= queued_; }
    [[nodiscard]] qint64 queuedFrames() const { return queued_; }
    [[nodiscard]] qint64 playedFrames() const { return played_; }
    [[nodiscard]] qint64 writtenFrames() const { return written_; }
    [[nodiscard]] int pendingBlocks() const { return static_cast<int>(blocks_.size()); }

    // Copies up to `frames` frames from the write position into `out` (interleaved) and moves the write position
    // past them; returns the number of frames copied.
    qint64 readAhead(float* out, qint64 frames);

    // Moves the played position to `frame` (never past what was queued, never backwards), measuring the peaks of the
    // sound passed over. Returns how many blocks were played to their end and released.
    int advancePlayedTo(qint64 frame);

    // The peak levels (0..32767) of the left and right channel since the last call; a mono stream gives both the same.
    std::pair<int, int> takeLevels();

private:
    struct Entry {
        SampleBlock block;
        qint64 firstFrame = 0;
        qint64 frames = 0;
    };

    void measure(const Entry& entry, qint64 from, qint64 to);

    std::deque<Entry> blocks_;
    int channels_ = 2;
    qint64 queued_ = 0;
    qint64 written_ = 0;
    qint64 played_ = 0;
    bool endMarked_ = false;
    float peakLeft_ = 0.0f;
    float peakRight_ = 0.0f;
};
