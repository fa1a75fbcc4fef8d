#pragma once

#include "BatchOrder.h"
#include "BatchPlan.h"

struct ComponentSet;
class IComponentSetFactory;

// Learns a source's length, and its tags when asked, through the given components. A source the components cannot
// describe gets no length and empty tags: planning goes on, and its conversion reports the failure.
[[nodiscard]] SourceFacts readSourceFacts(ComponentSet& components, const QString& sourceName, SourceKind kind,
                                          bool readTags);

// The probe of an order's plan whose sources are read ahead, up to order.jobs at once: the given set and jobs − 1
// more from the factory each read a share of the order's sources, so that a batch that converts on several workers
// does not first probe its thousands of sources one after the other. The probe answers from what was read; a
// question the reading did not foresee is answered by reading the source then, with the given set.
[[nodiscard]] SourceProbe readSourceFactsAhead(ComponentSet& components, IComponentSetFactory& factory,
                                               const BatchOrder& order);
