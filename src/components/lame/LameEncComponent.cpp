#include "LameEncComponent.h"

#include "components/ComponentError.h"

void LameEncComponent::applyCommandLine(const QString&) {
    throwNotImplemented("LameEncComponent::applyCommandLine");
}

void LameEncComponent::applyPreset(int) {
    throwNotImplemented("LameEncComponent::applyPreset");
}

void LameEncComponent::applyAlternativePreset(int) {
    throwNotImplemented("LameEncComponent::applyAlternativePreset");
}

int LameEncComponent::setting(Mp3Setting) const {
    throwNotImplemented("LameEncComponent::setting");
}

void LameEncComponent::setSetting(Mp3Setting, int) {
    throwNotImplemented("LameEncComponent::setSetting");
}
