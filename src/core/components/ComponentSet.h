#pragma once

#include "Components.h"

#include <memory>

// The seven component instances the main window makes at start-up and owns for the whole run.
struct ComponentSet {
    TAudioFile2 reader; // reader of sources
    TAudioFile2 writer; // writer of outputs; also reads the previewed file
    TAudioFile2LameEnc mp3Encoder;
    TAudioPlayer2 player;
    TAudioTransform2 transform;
    TAudioInformation2 information;
    TVideoFile video;
};

// Makes a component set. Raises ComponentError when any component cannot be made (for the real factory: a codec
// the program needs is missing from the linked libraries).
class IComponentSetFactory {
public:
    virtual ~IComponentSetFactory() = default;
    [[nodiscard]] virtual std::unique_ptr<ComponentSet> create() = 0;
};

// The factory of the real components.
class ComponentSetFactory : public IComponentSetFactory {
public:
    [[nodiscard]] std::unique_ptr<ComponentSet> create() override;
};
