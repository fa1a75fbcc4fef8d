#pragma once

#include "core/components/ComponentSet.h"

#include <QStringList>
#include <memory>

class IRegistrationTool;

// The component libraries the repair registers, in the order it registers them.
[[nodiscard]] const QStringList& componentLibraries();

// The registration tool's parameter text for one library of the program folder: "/s", a blank and the quoted path.
[[nodiscard]] QString registrationParameters(const QString& programFolder, const QString& library);

// Makes the component set. When that fails, registers every component library silently and tries once more from
// scratch (nothing of the failed attempt is reused). Returns null when the second attempt fails too.
[[nodiscard]] std::unique_ptr<ComponentSet> createComponentsWithRepair(IComponentSetFactory& factory,
                                                                       IRegistrationTool& registration,
                                                                       const QString& programFolder);
