#include "MirrorSettings.h"

#include "SettingsKeys.h"
#include "core/platform/IniFile.h"

#include <algorithm>

namespace {

const QString CopyLossy = QStringLiteral("copy");
const QString ConvertLossy = QStringLiteral("convert");

} // namespace

MirrorChoices readMirrorChoices(const IniFile& file, int windowJobs) {
    namespace Keys = SettingsKeys;
    const QString& section = Keys::MirrorSection;
    MirrorChoices choices;
    choices.sourceFolder = file.readString(section, Keys::MirrorSource, choices.sourceFolder);
    choices.destination = file.readString(section, Keys::MirrorDestination, choices.destination);
    choices.format =
        outputFormatNamed(file.readString(section, Keys::MirrorFormat, QString())).value_or(choices.format);
    choices.profile = file.readString(section, Keys::MirrorProfile, choices.profile);
    const QString lossy = file.readString(section, Keys::MirrorLossy, CopyLossy);
    choices.copyLossy = lossy.compare(ConvertLossy, Qt::CaseInsensitive) != 0;
    choices.sideFiles = file.readString(section, Keys::MirrorSide, choices.sideFiles);
    choices.names =
        pathRulesNamed(file.readString(section, Keys::MirrorNames, QString()).toLower()).value_or(choices.names);
    choices.prune = file.readBool(section, Keys::MirrorPrune, choices.prune);
    choices.keepTime = file.readBool(section, Keys::MirrorKeepTime, choices.keepTime);
    choices.jobs = std::clamp(file.readInteger(section, Keys::MirrorJobs, windowJobs), 1, BatchOrder::MaxJobs);
    return choices;
}

void writeMirrorChoices(IniFile& file, const MirrorChoices& choices) {
    namespace Keys = SettingsKeys;
    const QString& section = Keys::MirrorSection;
    file.writeString(section, Keys::MirrorSource, choices.sourceFolder);
    file.writeString(section, Keys::MirrorDestination, choices.destination);
    file.writeString(section, Keys::MirrorFormat, outputFormatName(choices.format));
    file.writeString(section, Keys::MirrorProfile, choices.profile);
    file.writeString(section, Keys::MirrorLossy, choices.copyLossy ? CopyLossy : ConvertLossy);
    // An empty value could not be told from a missing key, which means the default patterns.
    file.writeString(section, Keys::MirrorSide,
                     choices.sideGlobs().isEmpty() ? MirrorChoices::NoSideFiles : choices.sideFiles.trimmed());
    file.writeString(section, Keys::MirrorNames, pathRulesName(choices.names));
    file.writeBool(section, Keys::MirrorPrune, choices.prune);
    file.writeBool(section, Keys::MirrorKeepTime, choices.keepTime);
    file.writeInteger(section, Keys::MirrorJobs, choices.jobs);
}
