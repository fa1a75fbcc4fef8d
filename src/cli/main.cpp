#include "CliCommands.h"
#include "CommandUsage.h"
#include "core/platform/FreedMemoryReuse.h"
#include "core/settings/ProgramName.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>

namespace {

using Run = std::function<int(const QStringList&, QTextStream&, QTextStream&)>;

// A command, and its usage and summary when it has no --help of its own (convert and profiles print longer ones
// themselves).
struct Command {
    Run run;
    const char* usage;
    const char* summary;
};

const std::map<QString, Command>& commands() {
    static const std::map<QString, Command> table{
        {QStringLiteral("info"),
         {runInfoCommand, CommandUsage::Info, "Describes audio and video sources: format, rate, channels, length.\n"}},
        {QStringLiteral("convert"), {runConvertCommand, nullptr, nullptr}},
        {QStringLiteral("profiles"), {runProfilesCommand, nullptr, nullptr}},
        {QStringLiteral("id3"), {runId3Command, CommandUsage::Id3, "Shows the ID3v1 and ID3v2 tags of files.\n"}},
        {QStringLiteral("sync"), {runSyncCommand, nullptr, nullptr}},
        {QStringLiteral("summary"),
         {runSummaryCommand, CommandUsage::Summary,
          "Joins the --summary json files of processes that shared a batch (--shard): counts added up, lists one "
          "after the other.\n"}},
    };
    return table;
}

// "--help" or "-h" among the options, that is before a "--" that ends them.
bool asksForHelp(const QStringList& arguments) {
    const QStringList options = arguments.mid(0, arguments.indexOf(QLatin1String("--")));
    return options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"));
}

void printUsage(QTextStream& stream) {
    stream << "usage: tonalith-cli COMMAND [OPTIONS] FILE...\n"
              "commands:\n"
              "  info FILE...      describe audio and video sources\n"
              "  convert --format NAME [OPTIONS] FILE...\n"
              "                    convert sources (tonalith-cli convert --help)\n"
              "  profiles list | show NAME | save NAME [OPTIONS] | delete NAME | export NAME FILE | import FILE\n"
              "                    named convert orders for convert --use-profile (tonalith-cli profiles --help)\n"
              "  id3 FILE...       show the ID3v1 and ID3v2 tags of files\n"
              "  sync --format NAME [OPTIONS] SOURCE_FOLDER DESTINATION_FOLDER\n"
              "                    mirror a library, making again only what changed (tonalith-cli sync --help)\n"
              "  summary merge SUMMARY.json...\n"
              "                    join the JSON summaries of shards into one\n"
              "  --help            show this usage;  --version  show the version\n"
              "Results are key=value lines; a control character in a name (a newline, a tab, ...) is printed as\n"
              "\\xNN, each byte of its UTF-8 encoding in upper-case hex, so that every result stays on its line.\n";
}

} // namespace

int main(int argc, char* argv[]) {
    keepFreedMemoryForReuse();
    QCoreApplication application(argc, argv);
    // The window's name: an installed copy then finds the window's configuration folder, and so its profiles.
    QCoreApplication::setApplicationName(ProgramName);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        printUsage(err);
        return 2;
    }
    const QString first = arguments.takeFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printUsage(out);
        return 0;
    }
    if (first == QLatin1String("--version")) {
        out << "tonalith-cli " << TONALITH_VERSION << '\n';
        return 0;
    }
    const auto command = commands().find(first);
    if (command == commands().end()) {
        printUsage(err);
        return 2;
    }
    if (command->second.usage && asksForHelp(arguments)) {
        out << command->second.usage;
        if (command->second.summary)
            out << command->second.summary;
        return 0;
    }
    const int status = command->second.run(arguments, out, err);
    out.flush();
    err.flush();
    return status;
}
