#include "CliCommands.h"

int runInfoCommand(const QStringList&, QTextStream&, QTextStream& err) {
    err << "not implemented yet\n";
    return 2;
}
