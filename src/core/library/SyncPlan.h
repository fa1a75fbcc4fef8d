#pragma once

#include "PathFitter.h"
#include "SyncManifest.h"

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// A file found below the source folder, as its directory entry describes it: nothing here needs the file opened.
struct ScannedFile {
    QString relative; // "/"-separated, below the source folder
    qint64 size = 0;
    qint64 modifiedMs = 0;
};

// Every regular file below root that is not hidden, in name order; hidden folders, the folder `skipped` (a
// destination inside the source) and symbolic links to folders are not entered.
[[nodiscard]] std::vector<ScannedFile> scanTree(const QString& root, const QString& skipped);
// The relative paths of everything below root that is not a folder, hidden ones included; read from the folders
// alone, without looking at any file.
[[nodiscard]] QSet<QString> filesBelow(const QString& root);

// One process's share of a library: shard K of N takes the paths whose stable hash falls to K, so N processes
// together take every path once, whichever machine runs them.
struct Shard {
    int index = 1; // 1..count
    int count = 1;
    [[nodiscard]] bool takes(const QString& path) const;
};
// "K/N" with 1 <= K <= N; nothing when the text is not one.
[[nodiscard]] std::optional<Shard> shardNamed(const QString& text);

enum class SyncAction {
    Convert, // a lossless source, or any audio source with lossy sources converted
    Copy,    // a lossy source copied byte for byte
    Side,    // a cover, lyrics, cue sheet or booklet copied beside the outputs
};

// How a library is mirrored.
struct SyncChoices {
    bool copyLossy = true;
    QStringList sideGlobs;  // file name patterns; empty: no side files
    QString outputSuffix;   // what a converted output's base name is followed by: ".mp3", "_ADPCM.wav"
    QString convertOptions; // identifies the settings of converted outputs
    Shard shard;
    std::optional<QStringList> onlySources; // --files-from: these paths (relative to the source folder) alone
    bool namesFromTemplate = false;         // converted outputs are named from the sources' tags when they are made

    [[nodiscard]] static QStringList defaultSideGlobs();
};

// One file to make in this run.
struct SyncTask {
    SyncAction action;
    ScannedFile source;
    QString output;                       // relative to the destination, fitted and claimed for this source alone
    std::optional<ManifestEntry> earlier; // what the manifest said about the source, when it did
};

// What a sync does: the files to make, those left as they are, and the outputs whose source is gone.
struct SyncWork {
    std::vector<SyncTask> tasks;
    std::vector<ManifestEntry> unchanged;
    std::vector<ManifestEntry> gone;
};

// What a source is to a sync; nothing for files it leaves alone.
[[nodiscard]] std::optional<SyncAction> syncActionOf(const QString& relative, const SyncChoices& choices);
[[nodiscard]] bool isLossyAudioName(const QString& fileName);

// The options text a manifest line keeps for an output made by the action.
[[nodiscard]] QString optionsTextOf(SyncAction action, const SyncChoices& choices, PathRules rules);

// Decides, from the scan and the manifest alone, what to make again: a source whose size, modification time or
// options differ from its line, or whose output is missing (outputExists is asked about the relative output name),
// is made again; a new source is made; a listed source that is gone is handed back for pruning. Output names are
// claimed over every file of the scan in name order, so any shard names each output as one process would: a name
// taken by an earlier source (also one that differs only in letter case, under the FAT rules) gets "_NEW".
[[nodiscard]] SyncWork planSync(const std::vector<ScannedFile>& scanned, const std::optional<SyncManifest>& manifest,
                                const SyncChoices& choices, const PathFitter& fitter,
                                const std::function<bool(const QString&)>& outputExists);
