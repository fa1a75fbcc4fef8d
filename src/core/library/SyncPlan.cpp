#include "SyncPlan.h"

#include "core/sources/SourceTypes.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Audio types whose codecs drop information; anything else the program reads as audio counts as lossless.
// An .m4a may hold ALAC, yet most hold AAC: it counts as lossy, which copies it as it is.
const QStringList& lossyExtensions() {
    static const QStringList extensions{QStringLiteral(".mp3"), QStringLiteral(".mp2"),  QStringLiteral(".mp1"),
                                        QStringLiteral(".ogg"), QStringLiteral(".opus"), QStringLiteral(".wma"),
                                        QStringLiteral(".mpc"), QStringLiteral(".mp+"),  QStringLiteral(".aac"),
                                        QStringLiteral(".m4a"), QStringLiteral(".ac3"),  QStringLiteral(".eac3"),
                                        QStringLiteral(".dts"), QStringLiteral(".amr")};
    return extensions;
}

QString extensionOf(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot <= 0 ? QString() : fileName.mid(dot).toLower();
}

QString fileNameOf(const QString& relative) {
    return relative.section(QLatin1Char('/'), -1);
}

QString folderOf(const QString& relative) {
    const qsizetype slash = relative.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : relative.left(slash);
}

bool isAudioName(const QString& fileName) {
    static const std::set<QString> extensions = [] {
        std::set<QString> audio;
        for (const SourceType& type : SourceTypes::all()) {
            if (type.kind == SourceKind::Audio)
                audio.insert(QLatin1String(type.extension));
        }
        return audio;
    }();
    return extensions.count(extensionOf(fileName)) != 0;
}

// The side file patterns, made once for a whole tree.
class SideFiles {
public:
    explicit SideFiles(const QStringList& globs) {
        for (const QString& glob : globs)
            patterns_.push_back(QRegularExpression::fromWildcard(glob, Qt::CaseInsensitive));
    }

    [[nodiscard]] bool match(const QString& name) const {
        return std::any_of(patterns_.begin(), patterns_.end(),
                           [&name](const QRegularExpression& pattern) { return pattern.match(name).hasMatch(); });
    }

private:
    std::vector<QRegularExpression> patterns_;
};

std::optional<SyncAction> actionOf(const QString& relative, const SyncChoices& choices, const SideFiles& sideFiles) {
    const QString name = fileNameOf(relative);
    if (isAudioName(name))
        return choices.copyLossy && isLossyAudioName(name) ? SyncAction::Copy : SyncAction::Convert;
    if (sideFiles.match(name))
        return SyncAction::Side;
    return std::nullopt;
}

// The output name a source asks for, before claims.
QString wantedOutput(SyncAction action, const QString& relative, const SyncChoices& choices, const PathFitter& fitter) {
    const QString folder = fitter.path(folderOf(relative));
    QString name = fileNameOf(relative);
    if (action == SyncAction::Convert)
        name = QFileInfo(name).completeBaseName() + choices.outputSuffix;
    name = fitter.component(name);
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

// Output names taken so far; FAT and exFAT do not tell letter cases apart.
class NameClaims {
public:
    explicit NameClaims(const PathFitter& fitter) : fitter_(fitter) {}

    QString claim(const QString& wanted) {
        QString name = wanted;
        for (int number = 1; taken_.contains(key(name)); ++number) {
            const QString folder = folderOf(wanted);
            const QString marked = fitter_.withMarker(fileNameOf(wanted), number);
            name = folder.isEmpty() ? marked : folder + QLatin1Char('/') + marked;
        }
        taken_.insert(key(name));
        return name;
    }

private:
    QString key(const QString& name) const { return fitter_.rules() == PathRules::Posix ? name : name.toCaseFolded(); }

    const PathFitter& fitter_;
    QSet<QString> taken_;
};

enum class WalkStep { Enter, Skip };

struct DirectoryCloser {
    void operator()(DIR* directory) const { ::closedir(directory); }
};
using Directory = std::unique_ptr<DIR, DirectoryCloser>;

// Calls visit(relative path, folder descriptor, name, entry type) for every entry below the folder; folders are
// entered when visit says so. Names are taken relative to their folder's descriptor, so that the system walks no
// long path for each of many thousand files. Folders that cannot be read are passed over.
void walkFolder(int folder, const QString& relativeFolder,
                const std::function<WalkStep(const QString&, int, const char*, unsigned char)>& visit) {
    const Directory directory(::fdopendir(folder));
    if (!directory) {
        ::close(folder);
        return;
    }
    while (const dirent* entry = ::readdir(directory.get())) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        const QString decoded = QFile::decodeName(name);
        const QString relative = relativeFolder.isEmpty() ? decoded : relativeFolder + QLatin1Char('/') + decoded;
        if (visit(relative, ::dirfd(directory.get()), name, entry->d_type) != WalkStep::Enter)
            continue;
        const int child = ::openat(::dirfd(directory.get()), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child >= 0)
            walkFolder(child, relative, visit);
    }
}

void walkTree(const QString& root,
              const std::function<WalkStep(const QString&, int, const char*, unsigned char)>& visit) {
    const int folder = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0)
        walkFolder(folder, QString(), visit);
}

quint64 stableHash(const QString& text) {
    quint64 hash = 14695981039346656037ULL; // 64-bit FNV-1a over the UTF-8 bytes
    for (const char byte : text.toUtf8()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

} // namespace

std::vector<ScannedFile> scanTree(const QString& root, const QString& skipped) {
    std::vector<ScannedFile> files;
    const QString rootPath = QFileInfo(root).absoluteFilePath();
    const QString skippedPath = skipped.isEmpty() ? QString() : QFileInfo(skipped).absoluteFilePath();
    const QString skippedRelative =
        skippedPath.startsWith(rootPath + QLatin1Char('/')) ? skippedPath.mid(rootPath.size() + 1) : QString();
    walkTree(rootPath, [&](const QString& relative, int folder, const char* name, unsigned char type) {
        // Hidden files and folders (a desktop's thumbnails, a Mac's "._" companions, a manifest) are no part of
        // the library.
        if (name[0] == '.')
            return WalkStep::Skip;
        struct stat status {};
        const bool known = type != DT_UNKNOWN && type != DT_LNK;
        if (!known && ::fstatat(folder, name, &status, type == DT_LNK ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
            return WalkStep::Skip;
        const bool isFolder = known ? type == DT_DIR : S_ISDIR(status.st_mode) && type != DT_LNK;
        if (isFolder)
            return relative == skippedRelative ? WalkStep::Skip : WalkStep::Enter;
        if (known && ::fstatat(folder, name, &status, 0) != 0)
            return WalkStep::Skip;
        if (S_ISREG(status.st_mode))
            files.push_back(
                ScannedFile{relative, static_cast<qint64>(status.st_size),
                            static_cast<qint64>(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000});
        return WalkStep::Skip;
    });
    std::sort(files.begin(), files.end(),
              [](const ScannedFile& a, const ScannedFile& b) { return a.relative < b.relative; });
    return files;
}

QSet<QString> filesBelow(const QString& root) {
    QSet<QString> files;
    walkTree(QFileInfo(root).absoluteFilePath(), [&](const QString& relative, int folder, const char* name,
                                                     unsigned char type) {
        struct stat status {};
        if (type == DT_UNKNOWN && ::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(status.st_mode))
            type = DT_DIR;
        if (type == DT_DIR)
            return WalkStep::Enter;
        files.insert(relative);
        return WalkStep::Skip;
    });
    return files;
}

bool Shard::takes(const QString& path) const {
    return count <= 1 || static_cast<int>(stableHash(path) % static_cast<quint64>(count)) + 1 == index;
}

std::optional<Shard> shardNamed(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return std::nullopt;
    bool indexOk = false;
    bool countOk = false;
    const Shard shard{parts[0].toInt(&indexOk), parts[1].toInt(&countOk)};
    if (!indexOk || !countOk || shard.index < 1 || shard.index > shard.count)
        return std::nullopt;
    return shard;
}

QStringList SyncChoices::defaultSideGlobs() {
    return {QStringLiteral("cover.jpg"), QStringLiteral("folder.jpg"), QStringLiteral("*.png"),
            QStringLiteral("*.lrc"),     QStringLiteral("*.cue"),      QStringLiteral("*.pdf")};
}

bool isLossyAudioName(const QString& fileName) {
    return lossyExtensions().contains(extensionOf(fileName));
}

std::optional<SyncAction> syncActionOf(const QString& relative, const SyncChoices& choices) {
    return actionOf(relative, choices, SideFiles(choices.sideGlobs));
}

QString optionsTextOf(SyncAction action, const SyncChoices& choices, PathRules rules) {
    switch (action) {
    case SyncAction::Convert:
        return choices.convertOptions + QStringLiteral(" names=") + pathRulesName(rules);
    case SyncAction::Copy:
        return QStringLiteral("copy names=") + pathRulesName(rules);
    case SyncAction::Side:
        return QStringLiteral("side names=") + pathRulesName(rules);
    }
    return {};
}

SyncWork planSync(const std::vector<ScannedFile>& scanned, const std::optional<SyncManifest>& manifest,
                  const SyncChoices& choices, const PathFitter& fitter,
                  const std::function<bool(const QString&)>& outputExists) {
    SyncWork work;
    std::optional<std::set<QString>> only;
    if (choices.onlySources)
        only.emplace(choices.onlySources->begin(), choices.onlySources->end());
    NameClaims claims(fitter);
    const SideFiles sideFiles(choices.sideGlobs);
    QSet<QString> present;
    for (const ScannedFile& file : scanned) {
        const std::optional<SyncAction> action = actionOf(file.relative, choices, sideFiles);
        if (!action)
            continue;
        present.insert(file.relative);
        const QString output = claims.claim(wantedOutput(*action, file.relative, choices, fitter));
        if (!choices.shard.takes(file.relative) || (only && only->count(file.relative) == 0))
            continue;
        const ManifestEntry* earlier = manifest ? manifest->find(file.relative) : nullptr;
        // Names made from tags are known once the output is made; the manifest's name then stands.
        const bool named = choices.namesFromTemplate && *action == SyncAction::Convert;
        if (earlier != nullptr && earlier->size == file.size && earlier->modifiedMs == file.modifiedMs &&
            (named || earlier->output == output) &&
            earlier->options == optionsTextOf(*action, choices, fitter.rules()) && outputExists(earlier->output)) {
            work.unchanged.push_back(*earlier);
            continue;
        }
        work.tasks.push_back(
            SyncTask{*action, file, output, earlier ? std::optional<ManifestEntry>(*earlier) : std::nullopt});
    }
    if (manifest) {
        for (const auto& [source, entry] : manifest->entries()) {
            if (!present.contains(source) && choices.shard.takes(source) && (!only || only->count(source) != 0))
                work.gone.push_back(entry);
        }
    }
    return work;
}
