#pragma once

#include "core/formats/OutputFormat.h"

#include <QGroupBox>
#include <memory>
#include <set>

class QCheckBox;

namespace Ui {
class FormatBoxes;
}

// The "Output Format" group: one check box per output format.
class FormatBoxes : public QGroupBox {
    Q_OBJECT
public:
    explicit FormatBoxes(QWidget* parent = nullptr);
    ~FormatBoxes() override;

    [[nodiscard]] std::set<OutputFormat> checkedFormats() const;
    [[nodiscard]] bool isChecked(OutputFormat format) const;
    void setChecked(OutputFormat format, bool checked);

private:
    [[nodiscard]] QCheckBox& box(OutputFormat format) const;

    std::unique_ptr<Ui::FormatBoxes> ui;
};
