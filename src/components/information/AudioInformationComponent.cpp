#include "AudioInformationComponent.h"

#include "components/ComponentError.h"

void AudioInformationComponent::loadTags(const QString&) {
    throwNotImplemented("AudioInformationComponent::loadTags");
}

void AudioInformationComponent::storeTags(const QString&) {
    throwNotImplemented("AudioInformationComponent::storeTags");
}

QString AudioInformationComponent::genreName(int) {
    throwNotImplemented("AudioInformationComponent::genreName");
}

QString AudioInformationComponent::formatDescription() {
    throwNotImplemented("AudioInformationComponent::formatDescription");
}

int AudioInformationComponent::tagVersion() {
    throwNotImplemented("AudioInformationComponent::tagVersion");
}

void AudioInformationComponent::setTagVersion(int) {
    throwNotImplemented("AudioInformationComponent::setTagVersion");
}

QString AudioInformationComponent::title() {
    throwNotImplemented("AudioInformationComponent::title");
}

QString AudioInformationComponent::artist() {
    throwNotImplemented("AudioInformationComponent::artist");
}

QString AudioInformationComponent::album() {
    throwNotImplemented("AudioInformationComponent::album");
}

QString AudioInformationComponent::comments() {
    throwNotImplemented("AudioInformationComponent::comments");
}

QString AudioInformationComponent::genreText() {
    throwNotImplemented("AudioInformationComponent::genreText");
}

void AudioInformationComponent::setTextProperty(const QString&, const QString&) {
    throwNotImplemented("AudioInformationComponent::setTextProperty");
}

int AudioInformationComponent::genreNumber() {
    throwNotImplemented("AudioInformationComponent::genreNumber");
}

void AudioInformationComponent::setGenreNumber(int) {
    throwNotImplemented("AudioInformationComponent::setGenreNumber");
}

int AudioInformationComponent::year() {
    throwNotImplemented("AudioInformationComponent::year");
}

void AudioInformationComponent::setYear(int) {
    throwNotImplemented("AudioInformationComponent::setYear");
}

int AudioInformationComponent::track() {
    throwNotImplemented("AudioInformationComponent::track");
}

void AudioInformationComponent::setTrack(int) {
    throwNotImplemented("AudioInformationComponent::setTrack");
}
