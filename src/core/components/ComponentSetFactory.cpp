#include "ComponentSet.h"

#include "AudioFile2Component.h"
#include "core/components/information/AudioInformationComponent.h"
#include "core/components/lame/LameEncComponent.h"
#include "core/components/transform/AudioTransformComponent.h"
#include "core/components/video/VideoFileComponent.h"
#include "core/components/writer/EncoderAvailability.h"

#include "ComponentError.h"

#include <QCoreApplication>

std::unique_ptr<ComponentSet> ComponentSetFactory::create() {
    // Every output format must be writable, or a batch would fail half-way through; refuse at start-up instead.
    if (const QStringList missing = missingEncoders(); !missing.isEmpty())
        throw ComponentError(
            QCoreApplication::translate("Components", "These encoders are missing from the installed libraries: %1")
                .arg(missing.join(QStringLiteral("; "))));
    auto set = std::make_unique<ComponentSet>();
    set->reader.connect(std::make_unique<AudioFile2Component>());
    set->writer.connect(std::make_unique<AudioFile2Component>());
    set->mp3Encoder.connectOnFirstUse([] { return std::make_unique<LameEncComponent>(); });
    if (makePlayer_)
        set->player.connect(makePlayer_());
    set->transform.connect(std::make_unique<AudioTransformComponent>());
    set->information.connect(std::make_unique<AudioInformationComponent>());
    set->video.connect(std::make_unique<VideoFileComponent>());
    return set;
}
