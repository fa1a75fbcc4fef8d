#pragma once

#include "core/components/ComponentSet.h"
#include "core/formats/WriterPreparation.h"

#include <functional>
#include <memory>

// What one worker of a batch converts with: its own component set, and the option dialogs' apply operations bound
// to exactly that set. A kit belongs to one worker; nothing in it is ever touched by two threads.
class ConversionKit {
public:
    virtual ~ConversionKit() = default;
    [[nodiscard]] virtual ComponentSet& components() = 0;
    [[nodiscard]] virtual FormatDialogs& dialogs() = 0;
};

using ConversionKitMaker = std::function<std::unique_ptr<ConversionKit>()>;

// A kit that owns a component set from a factory and the dialogs made for it.
class OwnedConversionKit : public ConversionKit {
public:
    OwnedConversionKit(std::unique_ptr<ComponentSet> components, const FormatDialogsMaker& makeDialogs)
        : components_(std::move(components)), dialogs_(makeDialogs(*components_)) {}

    ComponentSet& components() override { return *components_; }
    FormatDialogs& dialogs() override { return *dialogs_; }

private:
    std::unique_ptr<ComponentSet> components_;
    std::unique_ptr<FormatDialogs> dialogs_;
};

// A kit over a component set and dialogs that live longer than the batch: the main window's, for a batch whose only
// worker runs on the UI thread with the components and option dialogs the user sees.
class BorrowedConversionKit : public ConversionKit {
public:
    BorrowedConversionKit(ComponentSet& components, FormatDialogs& dialogs)
        : components_(components), dialogs_(dialogs) {}

    ComponentSet& components() override { return components_; }
    FormatDialogs& dialogs() override { return dialogs_; }

private:
    ComponentSet& components_;
    FormatDialogs& dialogs_;
};

// Kits, each with a fresh component set from the factory.
[[nodiscard]] inline ConversionKitMaker kitsFrom(IComponentSetFactory& factory, FormatDialogsMaker makeDialogs) {
    return [&factory, makeDialogs = std::move(makeDialogs)] {
        return std::make_unique<OwnedConversionKit>(factory.create(), makeDialogs);
    };
}
