#pragma once

#include "SampleBlock.h"

#include <QtGlobal>
#include <functional>

// Handlers of the player's events; all are called on the UI thread. Unset handlers are skipped.
struct AudioPlayerEvents {
    std::function<void()> onEndArrayPlay;       // a queued block has been played
    std::function<void()> onRequestOnLoadArray; // more data wanted
    std::function<void()> onEndPlay;            // playing has ended
    // Samples (per channel) played since the player was last started, and the levels of that stretch (0..32767).
    std::function<void(qint64 currentSamples, int levelLeft, int levelRight)> onTimer;
};

// Plays queued sample blocks.
class IAudioPlayer2 {
public:
    virtual ~IAudioPlayer2() = default;

    virtual void setEvents(AudioPlayerEvents events) = 0;
    virtual void setFormat(int sampleRate, int channels) = 0;
    // The number of values per block the caller should read for a requested block length (the program passes 4000).
    [[nodiscard]] virtual int blockLength(int requested) = 0;
    virtual void openOutput() = 0; // first step of starting
    virtual int play() = 0;        // second step of starting; result not used by the program
    virtual void stop() = 0;
    // The player owns the block from now on; an empty block marks the end of the data.
    virtual void queueBlock(SampleBlock&& block) = 0;
    [[nodiscard]] virtual int volume() = 0; // 0..65535
    virtual void setVolume(int volume) = 0;
};
