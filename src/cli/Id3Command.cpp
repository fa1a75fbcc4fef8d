#include "CliCommands.h"

int runId3Command(const QStringList&, QTextStream&, QTextStream& err) {
    err << "not implemented yet\n";
    return 2;
}
