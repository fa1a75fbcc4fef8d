#include "CliCommands.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>

namespace {

using Command = std::function<int(const QStringList&, QTextStream&, QTextStream&)>;

const std::map<QString, Command>& commands() {
    static const std::map<QString, Command> table{
        {QStringLiteral("info"), runInfoCommand},
        {QStringLiteral("convert"), runConvertCommand},
        {QStringLiteral("id3"), runId3Command},
    };
    return table;
}

void printUsage(QTextStream& err) {
    err << "usage: tonalith-cli COMMAND [OPTIONS] FILE...\n"
           "commands:\n"
           "  info FILE...      describe audio and video sources\n"
           "  convert --format NAME [OPTIONS] FILE...\n"
           "                    convert sources (tonalith-cli convert --help)\n"
           "  id3 FILE...       show the ID3v1 and ID3v2 tags of files\n";
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        printUsage(err);
        return 2;
    }
    const auto command = commands().find(arguments.takeFirst());
    if (command == commands().end()) {
        printUsage(err);
        return 2;
    }
    const int status = command->second(arguments, out, err);
    out.flush();
    err.flush();
    return status;
}
