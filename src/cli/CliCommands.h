#pragma once

#include <QStringList>
#include <QTextStream>

class IComponentSetFactory;

// Each command of tonalith-cli takes its arguments (without the command name) and returns the exit status.
// Results go to out, one "key=value" per line; usage errors go to err. An argument "--" ends the options: every
// argument after it is a file, whatever it starts with.
int runInfoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
// The info command over components made by the given factory.
int runInfoCommandWith(const QStringList& arguments, QTextStream& out, QTextStream& err, IComponentSetFactory& factory);
int runConvertCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
// Lists, shows, saves, deletes, exports and imports the named profiles convert --use-profile starts from.
int runProfilesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runId3Command(const QStringList& arguments, QTextStream& out, QTextStream& err);
// Mirrors a library folder into another: converts, copies side files, makes again only what changed.
int runSyncCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
// summary merge: joins the JSON summaries of processes that shared a batch.
int runSummaryCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The files named by the arguments of a command without options: all of them, less a first "--".
[[nodiscard]] inline QStringList fileArguments(QStringList arguments) {
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--"))
        arguments.removeFirst();
    return arguments;
}
