#include "QtShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool QtShell::open(const QString& target) {
    const bool isLink = target.contains(QLatin1Char(':')) && !QFileInfo(target).isAbsolute();
    return QDesktopServices::openUrl(isLink ? QUrl(target) : QUrl::fromLocalFile(target));
}

bool QtShell::runAndWait(const QString& program, const QString& parameters) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(QProcess::splitCommand(parameters));
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted())
        return false;
    // Short waits between event rounds keep the windows painted while the program runs.
    while (process.state() != QProcess::NotRunning && !QCoreApplication::closingDown()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        process.waitForFinished(50);
    }
    return true;
}
