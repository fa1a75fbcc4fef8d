#include "CliCommands.h"

#include "ConvertArguments.h"
#include "LineText.h"
#include "OrderOptions.h"
#include "ProfileFolder.h"
#include "core/components/ComponentError.h"

#include <QFileInfo>

namespace {

const char* const kProfilesUsage =
    "usage: tonalith-cli profiles list | show NAME | save NAME [CONVERT OPTIONS] | delete NAME |\n"
    "                             export NAME FILE | import FILE [--as NAME]\n"
    "A profile is a convert order without its files, under a name; the window lists the same profiles.\n"
    "  list                   profile=NAME for every saved profile, sorted\n"
    "  show NAME              the convert options that make the profile, one argument per line as\n"
    "                         --option=VALUE (a switch alone), for mapfile -t OPTIONS < <(tonalith-cli profiles ...);\n"
    "                         settings of the window's dialogs no option makes are named on stderr\n"
    "  save NAME [OPTIONS]    keeps the options (tonalith-cli convert --help, less --summary and FILEs) as NAME,\n"
    "                         replacing a profile of that name; prints saved=NAME\n"
    "  delete NAME            removes the profile; prints deleted=NAME\n"
    "  export NAME FILE       writes the profile to FILE; prints exported=FILE\n"
    "  import FILE [--as NAME] keeps the profile in FILE under its own name or NAME, unless a profile has that\n"
    "                         name already; prints imported=NAME\n"
    "Use one with tonalith-cli convert --use-profile NAME: options given there win over the profile's.\n"
    "A profile written by a newer version loads; the settings this one does not know are named on stderr and\n"
    "ignored. A damaged profile is refused and nothing is changed.\n"
    "Profiles are kept in the folder \"profiles\" beside the program's settings.ini.\n"
    "exit status: 0 done, 1 the profile or FILE cannot be read or written (nothing was changed), 2 bad usage\n";

// Refuses a command given more or fewer arguments than it takes.
void requireArguments(const QStringList& arguments, qsizetype count, const char* what) {
    if (arguments.size() != count)
        throw UsageError(QStringLiteral("%1 takes %2").arg(arguments.first(), QLatin1String(what)));
}

void refuseBadName(const QString& name) {
    if (const std::optional<QString> whyNot = ProfileStore::whyNotAName(name))
        throw UsageError(*whyNot);
}

LoadedProfile loaded(const ProfileStore& store, const QString& name, QTextStream& err) {
    LoadedProfile profile = store.load(name);
    warnAboutUnknownKeys(profile, err);
    return profile;
}

int list(const ProfileStore& store, QTextStream& out) {
    for (const QString& name : store.names())
        out << "profile=" << oneLine(name) << '\n';
    return 0;
}

int show(const ProfileStore& store, const QString& name, QTextStream& out, QTextStream& err) {
    QStringList withoutOption;
    for (const QString& argument : optionsMaking(loaded(store, name, err).order, withoutOption))
        out << oneLine(argument) << '\n';
    if (!withoutOption.isEmpty())
        err << "tonalith-cli profiles: \"" << name
            << "\" also holds settings no option makes: " << withoutOption.join(QStringLiteral("; ")) << '\n';
    return 0;
}

int save(const ProfileStore& store, const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString& name = arguments.at(1);
    refuseBadName(name);
    const ConvertArguments line = parseConvertArguments(arguments.mid(2), LineKind::Profile, profileOrderLoader(err));
    store.save(name, line.order);
    out << "saved=" << oneLine(name) << '\n';
    return 0;
}

int import(const ProfileStore& store, const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 2 && (arguments.size() != 4 || arguments.at(2) != QLatin1String("--as")))
        throw UsageError(QStringLiteral("import takes FILE [--as NAME]"));
    LoadedProfile profile = ProfileStore::readFile(arguments.at(1));
    warnAboutUnknownKeys(profile, err);
    const QString name = arguments.size() == 4 ? arguments.at(3) : profile.name;
    refuseBadName(name);
    // An import never replaces a profile: the user deletes it first or gives the import another name.
    if (store.contains(name))
        throw ComponentError(
            QStringLiteral("A profile named \"%1\" exists already; delete it first or import with --as NAME.")
                .arg(name));
    store.save(name, profile.order);
    out << "imported=" << oneLine(name) << '\n';
    return 0;
}

int runProfiles(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty())
        throw UsageError(QStringLiteral("a profiles command is missing"));
    const ProfileStore store = programProfiles();
    const QString& command = arguments.first();
    if (command == QLatin1String("list")) {
        requireArguments(arguments, 1, "nothing more");
        return list(store, out);
    }
    if (command == QLatin1String("show")) {
        requireArguments(arguments, 2, "NAME");
        return show(store, arguments.at(1), out, err);
    }
    if (command == QLatin1String("save")) {
        if (arguments.size() < 2)
            throw UsageError(QStringLiteral("save takes NAME [OPTIONS]"));
        return save(store, arguments, out, err);
    }
    if (command == QLatin1String("delete")) {
        requireArguments(arguments, 2, "NAME");
        store.remove(arguments.at(1));
        out << "deleted=" << oneLine(arguments.at(1)) << '\n';
        return 0;
    }
    if (command == QLatin1String("export")) {
        requireArguments(arguments, 3, "NAME FILE");
        const LoadedProfile profile = loaded(store, arguments.at(1), err);
        const QString file = QFileInfo(arguments.at(2)).absoluteFilePath();
        ProfileStore::writeFile(file, profile.name, profile.order);
        out << "exported=" << oneLine(file) << '\n';
        return 0;
    }
    if (command == QLatin1String("import"))
        return import(store, arguments, out, err);
    throw UsageError(QStringLiteral("unknown profiles command %1").arg(command));
}

} // namespace

int runProfilesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty()) {
        err << kProfilesUsage;
        return 2;
    }
    const QStringList options = arguments.mid(0, arguments.indexOf(QLatin1String("--")));
    if (options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"))) {
        out << kProfilesUsage;
        return 0;
    }
    try {
        return runProfiles(arguments, out, err);
    } catch (const UsageError& error) {
        err << "tonalith-cli profiles: " << error.text() << "\n(tonalith-cli profiles --help shows the usage)\n";
        return 2;
    } catch (const ComponentError& error) {
        err << "tonalith-cli profiles: " << error.message() << '\n';
        return 1;
    }
}
