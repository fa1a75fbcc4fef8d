#pragma once

#include "core/ports/Messages.h"

#include <QString>

// How format descriptions name a channel count: "Mono", "Stereo", "6 channels".
inline QString channelCountText(int channels) {
    if (channels == 1)
        return Messages::Mono();
    if (channels == 2)
        return Messages::Stereo();
    return QStringLiteral("%1 channels").arg(channels);
}
