#pragma once

#include "core/components/Components.h"
#include "core/components/ProbedSource.h"
#include "core/components/SampleBlock.h"
#include "core/library/ImageTrack.h"

#include <QString>
#include <optional>
#include <vector>

// Reads the tracks of an image one after the other with one decoder, so that an image is decoded once for all its
// tracks: a track that begins where the one before it ended goes on from there, with the samples already decoded
// past that end; any other track is reached by opening its image or seeking in it, which the readers do to the
// sample. The image stays open between tracks; whoever else uses the reader first calls release().
class ImageCursor {
public:
    explicit ImageCursor(TAudioFile2& reader) : reader_(reader) {}
    ImageCursor(const ImageCursor&) = delete;
    ImageCursor& operator=(const ImageCursor&) = delete;
    ~ImageCursor();

    // Opens the track's image unless it is open, and stands at the track's first sample. `probed` spares probing
    // the image again. Raises ComponentError when the image cannot be read or is shorter than its sheet says.
    void begin(const ImageTrack& track, const std::optional<ProbedSource>& probed);
    [[nodiscard]] int sampleRate() const { return sampleRate_; }
    [[nodiscard]] int channelCount() const { return channels_; }
    [[nodiscard]] int bitsPerSample() const { return bits_; }
    [[nodiscard]] long long trackSamples() const { return span_.count; }
    // Up to valueCount interleaved values of the track (whole frames); an empty block at the track's end.
    [[nodiscard]] SampleBlock read(int valueCount);
    // Closes the image; the next track opens it again.
    void release();

private:
    void open(const ImageTrack& track, const std::optional<ProbedSource>& probed);

    TAudioFile2& reader_;
    QString image_; // the open image; empty when none is
    long long imageSamples_ = 0;
    int sampleRate_ = 0;
    int channels_ = 0;
    int bits_ = 0;
    TrackSpan span_;
    long long position_ = 0;   // the next sample read() hands out
    std::vector<float> ahead_; // decoded past the end of the track before, starting at position_
};
