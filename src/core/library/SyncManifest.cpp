#include "SyncManifest.h"

#include "SyncPlan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

constexpr char kFirstLine[] = "tonalith-sync 1";

const char* kindName(ManifestEntry::Kind kind) {
    switch (kind) {
    case ManifestEntry::Kind::Converted:
        return "converted";
    case ManifestEntry::Kind::Copied:
        return "copied";
    case ManifestEntry::Kind::Side:
        return "side";
    }
    return "";
}

std::optional<ManifestEntry::Kind> kindNamed(const QByteArray& name) {
    for (const auto kind : {ManifestEntry::Kind::Converted, ManifestEntry::Kind::Copied, ManifestEntry::Kind::Side}) {
        if (name == kindName(kind))
            return kind;
    }
    return std::nullopt;
}

// Tabs, line ends and backslashes in names are written as \t, \n, \r and \\ so every entry keeps to its line.
QByteArray escaped(const QString& text) {
    QByteArray bytes;
    for (const char byte : text.toUtf8()) {
        switch (byte) {
        case '\\':
            bytes += "\\\\";
            break;
        case '\t':
            bytes += "\\t";
            break;
        case '\n':
            bytes += "\\n";
            break;
        case '\r':
            bytes += "\\r";
            break;
        default:
            bytes += byte;
        }
    }
    return bytes;
}

std::optional<QString> unescaped(const QByteArray& bytes) {
    QByteArray text;
    for (qsizetype index = 0; index < bytes.size(); ++index) {
        if (bytes[index] != '\\') {
            text += bytes[index];
            continue;
        }
        if (++index == bytes.size())
            return std::nullopt;
        switch (bytes[index]) {
        case '\\':
            text += '\\';
            break;
        case 't':
            text += '\t';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return QString::fromUtf8(text);
}

// A relative path that stays below its folder.
bool isInside(const QString& path) {
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')))
        return false;
    const QStringList parts = path.split(QLatin1Char('/'));
    return std::none_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
    });
}

std::optional<ManifestEntry> entryOf(const QByteArray& line) {
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != 7)
        return std::nullopt;
    ManifestEntry entry;
    const auto kind = kindNamed(fields[0]);
    bool sizeOk = false;
    bool timeOk = false;
    entry.size = fields[1].toLongLong(&sizeOk);
    entry.modifiedMs = fields[2].toLongLong(&timeOk);
    const auto tagHash = unescaped(fields[3]);
    const auto options = unescaped(fields[4]);
    const auto source = unescaped(fields[5]);
    const auto output = unescaped(fields[6]);
    if (!kind || !sizeOk || !timeOk || !tagHash || !options || !source || !output || !isInside(*source) ||
        !isInside(*output))
        return std::nullopt;
    entry.kind = *kind;
    entry.tagHash = *tagHash;
    entry.options = *options;
    entry.source = *source;
    entry.output = *output;
    return entry;
}

QStringList manifestFiles(const QString& destination) {
    QDir folder(destination);
    QStringList names{QLatin1String(SyncManifest::FileName)};
    const QFileInfoList shards =
        folder.entryInfoList({QLatin1String(SyncManifest::FileName) + QStringLiteral("-*-of-*")},
                             QDir::Files | QDir::Hidden, QDir::Time | QDir::Reversed);
    for (const QFileInfo& shard : shards)
        names.append(shard.fileName());
    return names;
}

std::optional<Shard> shardOfFileName(const QString& name) {
    const QString prefix = QLatin1String(SyncManifest::FileName) + QLatin1Char('-');
    if (!name.startsWith(prefix))
        return std::nullopt;
    return shardNamed(name.mid(prefix.size()).replace(QLatin1String("-of-"), QLatin1String("/")));
}

} // namespace

QString SyncManifest::fileNameFor(int shard, int shardCount) {
    if (shardCount <= 1)
        return QLatin1String(FileName);
    return QStringLiteral("%1-%2-of-%3").arg(QLatin1String(FileName)).arg(shard).arg(shardCount);
}

SyncManifest SyncManifest::fromText(const QByteArray& text) {
    SyncManifest manifest;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype index = 1; index < lines.size(); ++index) {
        if (const auto entry = entryOf(lines[index]))
            manifest.put(*entry);
    }
    return manifest;
}

std::optional<SyncManifest> SyncManifest::load(const QString& destination) {
    std::optional<SyncManifest> manifest;
    for (const QString& name : manifestFiles(destination)) {
        QFile file(QDir(destination).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = file.readAll();
        if (!text.startsWith(kFirstLine))
            continue;
        if (!manifest)
            manifest.emplace();
        // A shard's file holds every line of its share: lines of the share that it lacks were pruned.
        if (const auto share = shardOfFileName(name)) {
            std::erase_if(manifest->entries_, [&share](const auto& item) { return share->takes(item.first); });
        }
        const SyncManifest read = fromText(text);
        for (const auto& [source, entry] : read.entries())
            manifest->put(entry);
    }
    return manifest;
}

const ManifestEntry* SyncManifest::find(const QString& source) const {
    const auto found = entries_.find(source);
    return found == entries_.end() ? nullptr : &found->second;
}

QByteArray SyncManifest::text() const {
    QByteArray text(kFirstLine);
    text += '\n';
    for (const auto& [source, entry] : entries_) {
        text += kindName(entry.kind);
        text += '\t' + QByteArray::number(entry.size) + '\t' + QByteArray::number(entry.modifiedMs) + '\t' +
                escaped(entry.tagHash) + '\t' + escaped(entry.options) + '\t' + escaped(entry.source) + '\t' +
                escaped(entry.output) + '\n';
    }
    return text;
}

bool SyncManifest::save(const QString& destination, int shard, int shardCount) const {
    QSaveFile file(QDir(destination).filePath(fileNameFor(shard, shardCount)));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text();
    return file.write(bytes) == bytes.size() && file.commit();
}

bool SyncManifest::hasShardFiles(const QString& destination) {
    return manifestFiles(destination).size() > 1;
}

void SyncManifest::removeShardFiles(const QString& destination) {
    const QStringList names = manifestFiles(destination);
    for (qsizetype index = 1; index < names.size(); ++index)
        QFile::remove(QDir(destination).filePath(names[index]));
}
