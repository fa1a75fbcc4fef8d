#pragma once

#include <QString>
#include <map>
#include <optional>
#include <vector>

// What the manifest knows of one output of a mirrored library.
struct ManifestEntry {
    enum class Kind { Converted, Copied, Side };
    Kind kind = Kind::Converted;
    QString source; // relative to the source folder, "/"-separated
    qint64 size = 0;
    qint64 modifiedMs = 0;
    QString tagHash; // of the source's tags when it was done; empty for files without tags
    QString options; // what made the output; a different text makes it again
    QString output;  // relative to the destination folder, "/"-separated
};

// The hidden file in a destination folder that lists every file a sync made there, one line per output, and so
// decides what the next sync does again and what --prune may remove. Processes that share the destination each
// keep their own file (a shard's name ends in "-K-of-N"); loading reads them all, later files winning.
class SyncManifest {
public:
    static constexpr const char* FileName = ".tonalith-sync";

    // The manifest of the destination, or nothing when it holds none. Lines that cannot be read are left out: their
    // outputs are then made again and never removed.
    [[nodiscard]] static std::optional<SyncManifest> load(const QString& destination);
    // The file name a process writes: the plain name, or the shard's.
    [[nodiscard]] static QString fileNameFor(int shard, int shardCount);

    // Writes through a temporary file renamed over the old one, so a sync that is killed leaves the earlier
    // manifest whole. False when the file could not be written.
    [[nodiscard]] bool save(const QString& destination, int shard = 1, int shardCount = 1) const;
    // Removes the files of shards once a whole manifest holds their lines.
    static void removeShardFiles(const QString& destination);
    [[nodiscard]] static bool hasShardFiles(const QString& destination);

    [[nodiscard]] const std::map<QString, ManifestEntry>& entries() const { return entries_; }
    [[nodiscard]] const ManifestEntry* find(const QString& source) const;
    void put(const ManifestEntry& entry) { entries_[entry.source] = entry; }
    void remove(const QString& source) { entries_.erase(source); }

    [[nodiscard]] QByteArray text() const;
    [[nodiscard]] static SyncManifest fromText(const QByteArray& text);

private:
    std::map<QString, ManifestEntry> entries_; // by source
};
