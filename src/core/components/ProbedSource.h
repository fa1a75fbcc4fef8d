#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

// What opening a source found out that costs time to find out again: which FFmpeg demuxer reads it, whether FFmpeg
// found plain samples behind its format tag, and its length. A batch learns it when it plans and hands it to the
// conversion, which then opens the source without probing it once more. It holds for the file as it was when it
// was probed: a file whose size or time of change differ is probed afresh.
struct ProbedSource {
    QString fileName;
    qint64 fileSize = -1;
    QDateTime modified;
    QByteArray ffmpegDemuxer; // empty for sources one of the other decoders reads
    bool plainSamples = false;
    qint64 lengthFrames = 0;
    bool lengthExact = false; // counted rather than taken from a header

    // The facts of a file as it is now, with nothing probed yet.
    [[nodiscard]] static ProbedSource stampOf(const QString& fileName);
    // True while the file of that name is still the one that was probed.
    [[nodiscard]] bool stillDescribes(const QString& name) const;
};
