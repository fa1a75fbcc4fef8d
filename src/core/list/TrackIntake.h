#pragma once

#include "ConversionList.h"

#include <QString>
#include <optional>
#include <vector>

class FileIntake;
class Prompts;
struct CueSheet;

// The way into the conversion list of files that hold tracks: a .cue file, a FLAC file with its own cue sheet, a
// file with chapters. Each track becomes a row of its own, whose file is the image the track is cut from.
class TrackIntake {
public:
    TrackIntake(FileIntake& files, Prompts& prompts);

    // The rows of the tracks a name stands for, those already listed left out; nothing when the name is a file
    // without tracks, which comes in as one row. A sheet that cannot be used, or whose image cannot be read, is
    // told to the user and gives no rows; a file whose own sheet cannot be used is told and then comes in whole.
    [[nodiscard]] std::optional<std::vector<ConversionRow>> trackRows(const ConversionList& list,
                                                                      const QString& fullName, bool checked);

    // Whether a name is a cue sheet, by its extension in any letter case.
    [[nodiscard]] static bool isSheet(const QString& fullName);

private:
    [[nodiscard]] std::vector<ConversionRow> rowsOf(const ConversionList& list, const CueSheet& sheet, bool checked);

    FileIntake& files_;
    Prompts& prompts_;
};
