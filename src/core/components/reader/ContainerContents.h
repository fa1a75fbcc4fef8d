#pragma once

#include <QMap>
#include <QString>
#include <optional>

// What FFmpeg's demuxer finds in a container: whether it holds sound and moving pictures, and its tags.
struct ContainerContents {
    bool soundTrack = false;
    bool movingPictures = false; // a video stream; a cover picture does not count
    // The container's tags and, for keys the container lacks, those of the sound track the reader decodes (the
    // first FFmpeg can decode). Keys in lower case.
    QMap<QString, QString> tags;
};

// Nothing when the file is in no format the reader takes by its content, or FFmpeg cannot read its header.
[[nodiscard]] std::optional<ContainerContents> readContainerContents(const QString& fileName);
