#pragma once

#include "core/batch/BatchOrder.h"
#include "core/sources/SourceKind.h"

#include <QStringList>
#include <optional>
#include <set>

// An order of the named files, each of the kind its name suggests (as tonalith-cli takes the files on its command
// line), into the formats and folder given.
inline BatchOrder orderOf(const QStringList& sourceNames, const std::set<OutputFormat>& formats,
                          const QString& folderText, std::optional<QString> treeRoot = {},
                          std::optional<NameTemplate> baseNames = {},
                          ExistingOutputPolicy existing = ExistingOutputPolicy::Replace) {
    BatchOrder order;
    for (const QString& name : sourceNames)
        order.sources.push_back({name, sourceKindOfFile(name), std::nullopt});
    order.formats = formats;
    order.folderText = folderText;
    order.treeRoot = std::move(treeRoot);
    order.baseNames = std::move(baseNames);
    order.existing = existing;
    return order;
}
