#include "ConversionList.h"

#include <algorithm>

bool ConversionList::contains(const QString& fullName) const {
    return std::any_of(rows_.cbegin(), rows_.cend(),
                       [&](const ConversionRow& row) { return row.fullName == fullName; });
}
