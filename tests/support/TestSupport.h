#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// A file under the shared fixtures folder.
inline QString fixture(const QString& relativePath) {
    return QDir(QStringLiteral(TONALITH_TESTDATA)).filePath(relativePath);
}

// Whether the shared fixtures folder is there; a fresh clone alone has none, and tests that need it skip.
inline bool fixturesPresent() {
    return QDir(QStringLiteral(TONALITH_TESTDATA)).exists();
}

inline QString cliPath() {
    return QStringLiteral(TONALITH_CLI);
}

struct ToolResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs an outside tool (ffprobe, ffmpeg, sox, tonalith-cli) and collects what it printed.
inline ToolResult runTool(const QString& program, const QStringList& arguments, int timeoutMs = 120000) {
    QProcess process;
    process.start(program, arguments);
    ToolResult result;
    if (!process.waitForStarted(timeoutMs) || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// What one run of tonalith-cli said: its exit status, the values of its output= and error= lines, and its stderr.
struct CliRun {
    int exitCode = -1;
    QStringList outputs;
    QStringList errors;
    QByteArray stdErr;
};

inline CliRun runCli(const QStringList& arguments, int timeoutMs = 120000) {
    const ToolResult result = runTool(cliPath(), arguments, timeoutMs);
    CliRun run{result.exitCode, {}, {}, result.err};
    for (const QByteArray& line : result.out.split('\n')) {
        if (line.startsWith("output="))
            run.outputs.append(QString::fromUtf8(line.mid(7)));
        else if (line.startsWith("error="))
            run.errors.append(QString::fromUtf8(line.mid(6)));
    }
    return run;
}

// Every tag ffprobe finds in the container and its streams, keys in lower case. An ffprobe that does not run ends the
// test: a missing oracle must not read as a file without tags.
inline QMap<QString, QString> probedTags(const QString& file) {
    const auto probe = runTool("ffprobe", {"-v", "error", "-show_entries", "format_tags:stream_tags", "-of",
                                           "default=noprint_wrappers=1", file});
    if (probe.exitCode != 0)
        qFatal("ffprobe failed on %s: %s", qPrintable(file), probe.err.constData());
    QMap<QString, QString> tags;
    for (const QString& line : QString::fromUtf8(probe.out).split('\n')) {
        const auto equals = line.indexOf('=');
        if (line.startsWith("TAG:") && equals > 4)
            tags.insert(line.mid(4, equals - 4).toLower(), line.mid(equals + 1));
    }
    return tags;
}

// The bytes' MD5 as hex digits.
inline QByteArray md5OfBytes(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

// The file's MD5 as hex digits; empty when it cannot be read. Tests compare it before and after a run to show that a
// source or a user's file was left as it was.
inline QByteArray md5Of(const QString& file) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(&input);
    return hash.result().toHex();
}

// Writes the bytes to the file, making its folder when missing, and returns the file's path. A test file that
// cannot be written ends the run, as everything the test checks afterwards would be about a file that is not there.
inline QString writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file %s: %s", qPrintable(path), qPrintable(file.errorString()));
    return path;
}

inline QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    return writeFile(folder.filePath(name), bytes);
}

// The file's bytes; empty when it cannot be read.
// A one-byte file, for tests where only a file's existence matters.
inline void touch(const QString& path) {
    writeFile(path, "x");
}

// The named child of a window; the test stops when there is none, since every check after it would be void.
template <typename Child> Child& childNamed(const QObject& parent, const char* name) {
    auto* found = parent.findChild<Child*>(QLatin1String(name));
    if (found == nullptr)
        qFatal("no control %s", name);
    return *found;
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files of a folder, hidden ones included (pending outputs are hidden), by name.
inline QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// What follows KEY on every line of a command's output that starts with it.
inline QStringList linesStarting(const QByteArray& out, const char* key) {
    QStringList values;
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith(key))
            values.append(QString::fromUtf8(line.mid(static_cast<qsizetype>(qstrlen(key)))));
    }
    return values;
}

} // namespace testsupport

// Skips a GoogleTest case, or a Qt Test function, that needs the shared fixtures when they are missing.
#define TONALITH_GTEST_NEEDS_FIXTURES()                                                                                \
    if (!testsupport::fixturesPresent())                                                                               \
    GTEST_SKIP() << "the fixtures folder " TONALITH_TESTDATA " is missing"
#define TONALITH_QTEST_NEEDS_FIXTURES()                                                                                \
    if (!testsupport::fixturesPresent())                                                                               \
    QSKIP("the fixtures folder " TONALITH_TESTDATA " is missing")
