#pragma once

#include "BatchOrder.h"

#include <QString>
#include <optional>

// The window's words for an order that cannot start, as its users have always read them.
[[nodiscard]] QString windowTextOf(OrderConflict conflict);

// Why the window's batch cannot start, as the text of the user's box; nothing when it can. The order's conflicts come
// first, so a refused batch makes no folder; then the output folder is made, with any missing parents.
[[nodiscard]] std::optional<QString> refusalToStart(const BatchOrder& order);
