#include "ProfileFolder.h"

#include "core/components/ComponentError.h"
#include "core/settings/ProgramFolder.h"

ProfileStore programProfiles() {
    return ProfileStore(ProfileStore::folderBeside(ProgramLocations::ofExecutable().settingsPath));
}

void warnAboutUnknownKeys(const LoadedProfile& profile, QTextStream& err) {
    if (profile.unknownKeys.isEmpty())
        return;
    err << "tonalith-cli: the profile \"" << profile.name
        << "\" holds settings this version does not know; they are ignored: " << profile.unknownKeys.join(", ") << '\n';
}

ProfileOrderLoader profileOrderLoader(QTextStream& err) {
    return [&err](const QString& name) {
        try {
            const LoadedProfile profile = programProfiles().load(name);
            warnAboutUnknownKeys(profile, err);
            return profile.order;
        } catch (const ComponentError& error) {
            throw UsageError(QStringLiteral("--use-profile: %1").arg(error.message()));
        }
    };
}
