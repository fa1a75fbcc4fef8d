#pragma once

#include <QString>
#include <optional>

// Mirrors the folders of sources below a root folder under an output folder: with root /music and output folder
// /out, the source /music/rock/a/song.wav has its outputs in /out/rock/a/.
class TreeMapping {
public:
    TreeMapping(const QString& root, const QString& outputFolder);

    // The output folder of a source, ending in a separator; nothing when the source does not lie below the root.
    [[nodiscard]] std::optional<QString> outputFolderOf(const QString& sourceName) const;

private:
    QString root_;
    QString outputFolder_;
};
