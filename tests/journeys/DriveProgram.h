#pragma once

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

namespace journeys {

// An install of this build tree into a fresh staging folder, under /usr as a package would lay it out. Started from
// there, the program keeps its settings in the configuration folder a test gives it, never in the build tree.
class StagedInstall {
public:
    StagedInstall() {
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), staging_.path());
        install.setProcessEnvironment(environment);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(TONALITH_CMAKE), {QStringLiteral("--install"), QStringLiteral(TONALITH_BUILD_DIR),
                                                       QStringLiteral("--prefix"), QStringLiteral("/usr")});
        installed_ = install.waitForStarted() && install.waitForFinished(120000) &&
                     install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
        log_ = install.readAll();
    }

    [[nodiscard]] bool installed() const { return installed_; }
    [[nodiscard]] const QByteArray& log() const { return log_; }
    [[nodiscard]] QString root() const { return staging_.path(); }
    // A path under the installed prefix, such as "bin/tonalith".
    [[nodiscard]] QString path(const QString& relative) const {
        return staging_.filePath(QStringLiteral("usr/") + relative);
    }

private:
    QTemporaryDir staging_;
    bool installed_ = false;
    QByteArray log_;
};

struct DriveOutcome {
    bool ended = false; // the program ended by itself before the time ran out
    int exitCode = -1;
    QStringList report; // what the driver wrote, one fact a line
    QByteArray errors;  // the program's standard error

    [[nodiscard]] bool completed() const { return report.contains(QStringLiteral("done")) && failures().isEmpty(); }
    [[nodiscard]] QStringList failures() const { return values(QStringLiteral("failed")); }
    // The values of the report's lines that start with this key and "=", in order.
    [[nodiscard]] QStringList values(const QString& key) const {
        QStringList found;
        const QString prefix = key + QLatin1Char('=');
        for (const QString& line : report)
            if (line.startsWith(prefix))
                found.append(line.mid(prefix.size()));
        return found;
    }
    [[nodiscard]] QStringList messages() const { return values(QStringLiteral("message")); }
    [[nodiscard]] QStringList opened() const { return values(QStringLiteral("opened")); }
};

// Starts the real program with the driver loaded into it, runs the script (see ProgramDriver.cpp for its commands),
// and waits for the program to end. configHome becomes the user's configuration folder (XDG_CONFIG_HOME), so the run
// never touches the real one.
inline DriveOutcome driveProgram(const QString& executable, const QStringList& arguments, const QStringList& script,
                                 const QString& configHome, const QString& workingDirectory = {},
                                 int timeoutMs = 60000) {
    QTemporaryDir scratch;
    const QString scriptPath = scratch.filePath(QStringLiteral("script"));
    const QString reportPath = scratch.filePath(QStringLiteral("report"));
    {
        QFile file(scriptPath);
        file.open(QIODevice::WriteOnly | QIODevice::Text);
        file.write(script.join(QLatin1Char('\n')).toUtf8());
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(TONALITH_DRIVER));
    environment.insert(QStringLiteral("TONALITH_DRIVE"), scriptPath);
    environment.insert(QStringLiteral("TONALITH_DRIVE_REPORT"), reportPath);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TONALITH_AUDIO"), QStringLiteral("silent"));
    // A sanitized program expects its runtime first among the loaded libraries; the driver is loaded before it.
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));

    QProcess program;
    program.setProcessEnvironment(environment);
    if (!workingDirectory.isEmpty())
        program.setWorkingDirectory(workingDirectory);
    program.start(executable, arguments);
    DriveOutcome outcome;
    if (program.waitForStarted() && program.waitForFinished(timeoutMs)) {
        outcome.ended = true;
        outcome.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    } else {
        program.kill();
        program.waitForFinished();
    }
    outcome.errors = program.readAllStandardError();
    QFile report(reportPath);
    if (report.open(QIODevice::ReadOnly | QIODevice::Text))
        outcome.report = QString::fromUtf8(report.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return outcome;
}

// Everything a failed journey needs to be understood, for a test's failure message.
inline std::string describe(const DriveOutcome& outcome) {
    return (QStringLiteral("exit %1, report:\n  ").arg(outcome.exitCode) + outcome.report.join(QStringLiteral("\n  ")) +
            QStringLiteral("\nstandard error:\n") + QString::fromLocal8Bit(outcome.errors.right(4000)))
        .toStdString();
}

} // namespace journeys
