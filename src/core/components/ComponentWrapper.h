#pragma once

#include "ComponentError.h"

#include <functional>
#include <memory>
#include <utility>

// A wrapper holds the connection to one component object and forwards every operation through operator->.
// Using a wrapper that is not connected raises the same error the program has always shown for it.
template <typename Interface> class ComponentWrapper {
public:
    using Connector = std::function<std::unique_ptr<Interface>()>;

    ComponentWrapper() = default;
    explicit ComponentWrapper(std::unique_ptr<Interface> component) : component_(std::move(component)) {}

    // A wrapper may connect lazily: the connector runs at its first use.
    void connectOnFirstUse(Connector connector) { connector_ = std::move(connector); }

    void connect(std::unique_ptr<Interface> component) { component_ = std::move(component); }
    void disconnect() { component_.reset(); }
    [[nodiscard]] bool isConnected() const { return component_ != nullptr; }

    Interface* operator->() { return &get(); }
    const Interface* operator->() const { return &const_cast<ComponentWrapper*>(this)->get(); }
    Interface& operator*() { return get(); }

    Interface& get() {
        if (!component_ && connector_)
            component_ = connector_();
        if (!component_)
            throw ComponentError(QStringLiteral("DefaultInterface is NULL. Component is not connected to Server. "
                                                "You must call 'Connect' or 'ConnectTo' before this operation"));
        return *component_;
    }

private:
    std::unique_ptr<Interface> component_;
    Connector connector_;
};
