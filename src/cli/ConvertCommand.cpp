#include "CliCommands.h"

int runConvertCommand(const QStringList&, QTextStream&, QTextStream& err) {
    err << "not implemented yet\n";
    return 2;
}
