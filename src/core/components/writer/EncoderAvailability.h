#pragma once

#include <QStringList>

// The encoders and containers the writer needs that the linked libraries lack, in words for the user;
// empty when everything is there.
[[nodiscard]] QStringList missingEncoders();
