#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The tag units work on files, so every input is written to one scratch file (in memory-backed /dev/shm when there
// is one) before the unit under test opens it.
class FuzzFile {
public:
    FuzzFile() : dir_(scratchRoot() + QStringLiteral("/tonalith-fuzz-XXXXXX")) {
        if (!dir_.isValid())
            std::abort();
        path_ = dir_.filePath(QStringLiteral("input.mp3"));
    }

    const QString& write(const std::uint8_t* data, std::size_t size) {
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
            std::abort();
        return path_;
    }

    [[nodiscard]] QByteArray read() const {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        return file.readAll();
    }

    [[nodiscard]] bool temporaryLeft() const { return QFile::exists(path_ + QLatin1Char('~')); }

private:
    static QString scratchRoot() {
        return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    }

    QTemporaryDir dir_;
    QString path_;
};

// A broken promise of a unit: reported as a crash so that libFuzzer keeps the input.
inline void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

inline FuzzFile& fuzzFile() {
    static FuzzFile file;
    return file;
}
