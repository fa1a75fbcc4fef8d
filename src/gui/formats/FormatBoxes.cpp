#include "FormatBoxes.h"

#include "ui_FormatBoxes.h"

FormatBoxes::FormatBoxes(QWidget* parent) : QGroupBox(parent), ui(std::make_unique<Ui::FormatBoxes>()) {
    ui->setupUi(this);
    for (const OutputFormatFacts& facts : outputFormatTable())
        box(facts.format).setAccessibleName(QString::fromLatin1(facts.caption).trimmed());
}

FormatBoxes::~FormatBoxes() = default;

QCheckBox& FormatBoxes::box(OutputFormat format) const {
    return *findChild<QCheckBox*>(QLatin1String(factsOf(format).checkBox));
}

std::set<OutputFormat> FormatBoxes::checkedFormats() const {
    std::set<OutputFormat> formats;
    for (const OutputFormatFacts& facts : outputFormatTable()) {
        if (isChecked(facts.format))
            formats.insert(facts.format);
    }
    return formats;
}

bool FormatBoxes::isChecked(OutputFormat format) const {
    return box(format).isChecked();
}

void FormatBoxes::setChecked(OutputFormat format, bool checked) {
    box(format).setChecked(checked);
}
