#pragma once

#include "Components.h"

#include <functional>
#include <memory>

// The seven component instances that read, change, write, play and tag sound. The desktop program makes one set at
// start-up, which ApplicationWindows holds for the whole run and its windows share; the workers of a batch and
// tonalith-cli make sets of their own through a factory.
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

// The factory of the real components. The sound-device player lives in a library of its own, so that a program
// that never plays (tonalith-cli) does not load the multimedia and desktop libraries at every start: the program
// that plays hands in how to make its player; without it the player stays unconnected.
class ComponentSetFactory : public IComponentSetFactory {
public:
    using PlayerMaker = std::function<std::unique_ptr<IAudioPlayer2>()>;

    ComponentSetFactory() = default;
    explicit ComponentSetFactory(PlayerMaker makePlayer) : makePlayer_(std::move(makePlayer)) {}

    [[nodiscard]] std::unique_ptr<ComponentSet> create() override;

private:
    PlayerMaker makePlayer_;
};
