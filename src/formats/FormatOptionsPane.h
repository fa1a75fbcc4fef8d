#pragma once

#include "convert/WriterPreparation.h"

#include <QWidget>
#include <memory>
#include <optional>

struct ComponentSet;
class Prompts;

namespace Ui {
class FormatOptionsPane;
}

// The options pane beside the list: the common formats' strings and dialogs, the other formats' rate, channels and
// bits, and the volume change.
class FormatOptionsPane : public QWidget {
    Q_OBJECT
public:
    FormatOptionsPane(ComponentSet& components, Prompts& prompts, QWidget* parent = nullptr);
    ~FormatOptionsPane() override;

    // Fills the profile list and the format strings from the writer; a step the writer refuses is reported and the
    // others go on.
    void fillFromWriter();

    [[nodiscard]] PanelValues panelValues() const;
    // The volume change in percent; nothing for "No Change".
    [[nodiscard]] std::optional<int> volumeChange() const;

public slots:
    void SetOthersFormats();

private:
    std::unique_ptr<Ui::FormatOptionsPane> ui;
    ComponentSet& components_;
    Prompts& prompts_;
    PanelValues values_;
};
