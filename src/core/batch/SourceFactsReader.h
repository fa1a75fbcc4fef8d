#pragma once

#include "BatchPlan.h"

struct ComponentSet;

// Learns a source's length, and its tags when asked, through the given components. A source the components cannot
// describe gets no length and empty tags: planning goes on, and its conversion reports the failure.
[[nodiscard]] SourceFacts readSourceFacts(ComponentSet& components, const QString& sourceName, SourceKind kind,
                                          bool readTags);
