#pragma once

#include "core/components/ProbedSource.h"
#include "core/components/SoundTrack.h"
#include "core/library/ImageTrack.h"
#include "core/sources/SourceKind.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// One file of the conversion list. The texts are made once, when the file comes in, and never change.
struct ConversionRow {
    QString number;   // the row count right after the row came in, two digits at least
    QString fileName; // the last component of the full name
    QString size;     // "3.512 MB"
    QString time;     // "3:05"
    QString format;   // "(Audio) " or "(Video) ", the component's description, and which of several sound tracks
    QString fullName; // the name exactly as it was given: the row's identity
    SourceKind kind = SourceKind::Audio; // how the file was probed, and so how the batch and the player read it
    bool checked = true;
    qint64 lengthMs = 0;                // as probed when the row came in; 0 when unknown
    std::optional<ProbedSource> probed; // what probing an audio row found out, for its batch to reuse
    SoundTracks soundTracks{};          // of a file that holds several, the one the batch reads marked in use
    // A row for one track of an image: the full name is the image, and the length and what probing found are the
    // image's; the time shown is the track's.
    std::optional<ImageTrack> track;
    // On the row of an image's first track: the sound before it, which goes with that row into a batch.
    std::optional<ImageTrack> hiddenTrack;

    [[nodiscard]] bool isAudio() const { return kind == SourceKind::Audio; }
};

// The files to convert, in the order they came in.
class ConversionList {
public:
    [[nodiscard]] int size() const { return static_cast<int>(rows_.size()); }
    [[nodiscard]] bool empty() const { return rows_.empty(); }
    [[nodiscard]] const ConversionRow& at(int row) const { return rows_.at(static_cast<size_t>(row)); }
    [[nodiscard]] ConversionRow& at(int row) { return rows_.at(static_cast<size_t>(row)); }

    // Whether a file is in the list already as a whole; names are compared exactly, letter case included. Rows of
    // tracks cut from it do not count: the whole image may be listed beside its tracks.
    [[nodiscard]] bool contains(const QString& fullName) const;
    // Whether a track of a sheet (a .cue file, or a file holding its own tracks) is in the list already.
    [[nodiscard]] bool containsTrack(const QString& sheet, int number) const;

    void append(ConversionRow row) { rows_.push_back(std::move(row)); }
    void removeAt(int row) { rows_.erase(rows_.begin() + row); }
    void clear() { rows_.clear(); }

private:
    std::vector<ConversionRow> rows_;
};

namespace RowText {
// The row count in decimal, with a leading "0" while it has one digit.
[[nodiscard]] QString number(int rowCount);
// Bytes in megabytes cut (not rounded) to three decimals, shortest form, then " MB".
[[nodiscard]] QString size(qint64 bytes, QChar decimalPoint);
// Minutes (any number of digits), ":" and two digits of seconds; milliseconds are dropped.
[[nodiscard]] QString time(qint64 milliseconds);
} // namespace RowText

// The file types of the "Add" dialog in order: type text and its ";"-separated patterns.
[[nodiscard]] const std::vector<std::pair<QString, QString>>& addDialogFileTypes();
// The same types as the file dialog takes them: "Name (*.a *.b)", patterns split at ";" and trimmed.
[[nodiscard]] QStringList addDialogFilters();
