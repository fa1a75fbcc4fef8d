#include "PreviewPlayer.h"

#include "core/batch/SingleConversion.h"
#include "core/components/ComponentSet.h"
#include "core/ports/Prompts.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <exception>

namespace {

// The block length the player is asked for; the player turns it into a number of values for its format.
constexpr int kRequestedBlockLength = 4000;
// The writer's seek mode that moves to an absolute sample position.
constexpr int kSeekToSample = 3;

QString videoRefusedText() {
    return QCoreApplication::translate("Player", "Con not play video files!");
}

// Wide enough for any 64-bit length times 100.
__extension__ typedef __int128 WideCount;

} // namespace

qint64 sampleAtPercent(qint64 length, int percent) {
    if (length <= 0 || percent <= 0)
        return 0;
    return static_cast<qint64>(static_cast<WideCount>(length) * std::min(percent, 100) / 100);
}

PreviewPlayer::PreviewPlayer(ComponentSet& components, PreviewRows& rows, PreviewPosition& slider, Prompts& prompts)
    : components_(components), rows_(rows), slider_(slider), prompts_(prompts) {}

void PreviewPlayer::bindEvents(const std::function<void(const std::function<void()>&)>& dispatch) {
    AudioPlayerEvents events;
    events.onEndArrayPlay = [this, dispatch] { dispatch([this] { onBlockPlayed(); }); };
    events.onRequestOnLoadArray = [this, dispatch] { dispatch([this] { onMoreDataWanted(); }); };
    events.onEndPlay = [this, dispatch] { dispatch([this] { onPlayEnded(); }); };
    events.onTimer = [this, dispatch](qint64 samples, int, int) { dispatch([this, samples] { onTimer(samples); }); };
    components_.player->setEvents(std::move(events));
}

// Runs one step of a handler; when a component raises, the player is left stopped rather than half-playing, and
// the error goes on to the caller's report.
template <typename Step> void PreviewPlayer::stoppingOnError(Step&& step) {
    try {
        step();
    } catch (...) {
        forceStopped();
        throw;
    }
}

void PreviewPlayer::forceStopped() {
    playing_ = false;
    dragging_ = false;
    seekOffset_ = 0;
    slider_.setPosition(0);
    try {
        components_.player->stop();
    } catch (const std::exception&) {
    }
    try {
        components_.writer->close();
    } catch (const std::exception&) {
    }
}

void PreviewPlayer::play() {
    const int row = rows_.selectedRow();
    if (row < 0)
        return;
    const QString name = rows_.fullName(row);
    if (!QFileInfo::exists(name)) {
        stopPreview();
        return;
    }
    if (!rows_.isAudio(row)) {
        prompts_.message(QString(), videoRefusedText(), Prompts::Icon::Warning);
        return;
    }
    if (playing_)
        stopPreview();
    stoppingOnError([&] {
        slider_.setPosition(0);
        auto& file = components_.writer;
        file->openForReading(name, 0, 1);
        static_cast<void>(file->lastError());
        seekOffset_ = 0;
        if (file->lengthInSamples() <= 0) {
            // Nothing to play; the writer instance is not left holding the file.
            file->close();
            return;
        }
        const int sampleRate = file->sampleRate();
        const int channels = file->channelCount();
        components_.player->setFormat(sampleRate, channels);
        blockLength_ = components_.player->blockLength(kRequestedBlockLength);
        startRun();
    });
}

// Starts the player and queues two blocks, so one plays while the next waits.
void PreviewPlayer::startRun() {
    components_.player->openOutput();
    static_cast<void>(components_.player->play());
    playing_ = true;
    loadPlayBuffer();
    loadPlayBuffer();
}

void PreviewPlayer::loadPlayBuffer() {
    if (!playing_)
        return;
    SampleBlock block = components_.writer->readBlock(blockLength_);
    components_.player->queueBlock(std::move(block));
}

void PreviewPlayer::stop() {
    if (rows_.selectedRow() < 0)
        return;
    stopPreview();
}

void PreviewPlayer::stopPreview() {
    playing_ = false;
    seekOffset_ = 0;
    slider_.setPosition(0);
    // Both steps run even when the first raises: the file must not stay open in the writer instance.
    std::exception_ptr failure;
    try {
        components_.player->stop();
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        components_.writer->close();
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    if (failure)
        std::rethrow_exception(failure);
}

void PreviewPlayer::previous() {
    const int row = rows_.selectedRow();
    if (row < 0)
        return;
    rows_.selectRow(row == 0 ? rows_.rowCount() - 1 : row - 1);
    play();
}

void PreviewPlayer::next() {
    const int row = rows_.selectedRow();
    if (row < 0)
        return;
    rows_.selectRow(row < rows_.rowCount() - 1 ? row + 1 : 0);
    play();
}

void PreviewPlayer::sliderPressed() {
    dragging_ = true;
}

void PreviewPlayer::sliderReleased() {
    if (!playing_) {
        dragging_ = false;
        return;
    }
    stoppingOnError([&] {
        components_.player->stop();
        auto& file = components_.writer;
        const qint64 target = sampleAtPercent(file->lengthInSamples(), slider_.position());
        seekOffset_ = file->seek(target, kSeekToSample);
        dragging_ = false;
        startRun();
    });
}

int PreviewPlayer::volume() {
    return components_.player->volume();
}

void PreviewPlayer::setVolume(int volume) {
    components_.player->setVolume(volume);
}

void PreviewPlayer::onBlockPlayed() {
    stoppingOnError([&] { loadPlayBuffer(); });
}

void PreviewPlayer::onMoreDataWanted() {
    stoppingOnError([&] { loadPlayBuffer(); });
}

// The sound has ended: the preview is stopped and its file closed, whether or not a row is still selected, so the
// writer instance is free again.
void PreviewPlayer::onPlayEnded() {
    if (playing_)
        stopPreview();
}

void PreviewPlayer::onTimer(qint64 samplesPlayed) {
    if (dragging_ || !playing_)
        return;
    stoppingOnError([&] {
        const qint64 length = components_.writer->lengthInSamples();
        slider_.setPosition(percentDone(samplesPlayed + seekOffset_, length));
    });
}
