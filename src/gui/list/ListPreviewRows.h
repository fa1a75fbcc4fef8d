#pragma once

#include "ConversionListPanel.h"
#include "core/player/PreviewPlayer.h"

// The conversion list as the preview player sees it.
class ListPreviewRows : public PreviewRows {
public:
    explicit ListPreviewRows(ConversionListPanel& list) : list_(list) {}

    [[nodiscard]] int rowCount() const override { return list_.rowCount(); }
    [[nodiscard]] int selectedRow() const override { return list_.selectedRow(); }
    void selectRow(int row) override { list_.selectRow(row); }
    [[nodiscard]] QString fullName(int row) const override { return list_.row(row).fullName; }
    [[nodiscard]] bool isAudio(int row) const override { return list_.row(row).isAudio(); }

private:
    ConversionListPanel& list_;
};
