#include "ComponentStartup.h"

#include "core/platform/Registration.h"

#include <QDebug>

const QStringList& componentLibraries() {
    static const QStringList libraries{QStringLiteral("AudioFile2.dll"),      QStringLiteral("AudioPlayer2.dll"),
                                       QStringLiteral("AudioTransform2.dll"), QStringLiteral("Information2.dll"),
                                       QStringLiteral("WMAFile2.dll"),        QStringLiteral("wavdest.ax"),
                                       QStringLiteral("AudioCompress2.dll"),  QStringLiteral("VideoCompress.dll"),
                                       QStringLiteral("AVIFile.dll"),         QStringLiteral("MPEGFile.dll"),
                                       QStringLiteral("WMVFile.dll"),         QStringLiteral("QuickTimeFile.dll"),
                                       QStringLiteral("VideoFile.dll")};
    return libraries;
}

QString registrationParameters(const QString& programFolder, const QString& library) {
    return QStringLiteral("/s \"%1%2\"").arg(programFolder, library);
}

std::unique_ptr<ComponentSet> createComponentsWithRepair(IComponentSetFactory& factory, IRegistrationTool& registration,
                                                         const QString& programFolder) {
    try {
        return factory.create();
    } catch (const ComponentError& error) {
        qWarning().noquote() << "Components could not be created, registering them again:" << error.message();
    }
    // A library that cannot be registered is no reason to stop: the second attempt decides.
    for (const QString& library : componentLibraries())
        registration.registerLibrary(registrationParameters(programFolder, library));
    try {
        return factory.create();
    } catch (const ComponentError& error) {
        qWarning().noquote() << "Components could not be created after registration:" << error.message();
        return nullptr;
    }
}
