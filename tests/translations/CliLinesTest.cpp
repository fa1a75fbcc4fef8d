// tonalith-cli's lines are read by scripts, so they are the same whatever language the machine is set to: a
// conversion that makes one output and fails two, in text and JSON, prints the same bytes in every shipped locale
// as in English. Lines are compared as a set: how a source's lines interleave with the next one's is a matter of
// timing, not of language.
#include "support/TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using testsupport::runTool;

QStringList shippedLanguages() {
    return QString::fromUtf8(TONALITH_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The run's standard output lines in sorted order, with its own folder named alike, and without the lines that
// depend on timing.
QByteArray linesUnder(const QString& language, const QStringList& arguments, const QString& outFolder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("TONALITH_LANGUAGE"));
    const QString locale = language == QLatin1String("C") ? language : language + QStringLiteral(".UTF-8");
    environment.insert(QStringLiteral("LANGUAGE"), language);
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LC_MESSAGES"), locale);
    process.setProcessEnvironment(environment);
    process.start(testsupport::cliPath(), arguments);
    if (!process.waitForStarted(30000) || !process.waitForFinished(120000))
        return "did not finish";
    QList<QByteArray> kept;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (!line.startsWith("progress=") && !line.startsWith("time_left="))
            kept.append(line);
    }
    std::sort(kept.begin(), kept.end());
    QByteArray lines = kept.join('\n') + '\n';
    lines.replace(outFolder.toUtf8(), "OUT");
    return lines + "exit=" + QByteArray::number(process.exitCode());
}

TEST(CliLines, AreTheSameInEveryShippedLanguage) {
    QTemporaryDir folder;
    const QString tone = folder.filePath(QStringLiteral("tone.wav"));
    const auto made = runTool(QStringLiteral("sox"),
                              {"-n", "-r", "22050", "-c", "1", "-b", "16", tone, "synth", "0.3", "sine", "440"});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString noSound = testsupport::writeFile(folder, QStringLiteral("nothing.mp3"), "no sound in here");
    const QString missing = folder.filePath(QStringLiteral("missing.wav"));

    for (const char* summary : {"text", "json"}) {
        SCOPED_TRACE(summary);
        const auto run = [&](const QString& language) {
            const QString out = folder.filePath(QStringLiteral("%1-%2").arg(language, QLatin1String(summary)));
            return linesUnder(language,
                              {"convert", "--no-tags", "-j", "1", "--format", "mp3", "--summary", summary, "--out", out,
                               tone, noSound, missing},
                              out);
        };
        const QByteArray english = run(QStringLiteral("C"));
        ASSERT_TRUE(english.contains("output=OUT/tone.mp3")) << english.toStdString();
        ASSERT_TRUE(english.contains("error=")) << english.toStdString();
        for (const QString& language : shippedLanguages())
            EXPECT_EQ(run(language).toStdString(), english.toStdString()) << language.toStdString();
    }
}

} // namespace
