#pragma once

#include <QStringList>
#include <QTextStream>

// Each command of tonalith-cli takes its arguments (without the command name) and returns the exit status.
// Results go to out, one "key=value" per line; usage errors go to err.
int runInfoCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runConvertCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runId3Command(const QStringList& arguments, QTextStream& out, QTextStream& err);
