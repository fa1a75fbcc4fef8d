#pragma once

#include "core/batch/BatchOrder.h"

#include <QGroupBox>
#include <functional>
#include <memory>

class FormatDialogs;
class Prompts;
class ProgressWindow;

namespace Ui {
class ConvertGroup;
}

// What a batch takes from the rest of the main window when it starts.
struct BatchWiring {
    std::function<BatchOrder()> order; // the window's order with the checked rows, its folder as typed
    std::function<void()> stopPreview; // stops the preview whatever the list's selection
    ProgressWindow* window = nullptr;
    FormatDialogs* dialogs = nullptr;
};

// The "Convert" group: the output folder and the button that starts the batch.
class ConvertGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ConvertGroup(Prompts& prompts, QWidget* parent = nullptr);
    ~ConvertGroup() override;

    [[nodiscard]] QString outputFolder() const;
    void setOutputFolder(const QString& folder);
    void setBatchWiring(BatchWiring wiring) { wiring_ = std::move(wiring); }

public slots:
    void chooseOutputFolder();
    // Starts a batch, or while one runs, adds the checked rows it does not hold to its end.
    void startBatch();

private:
    void joinRunningBatch();

    std::unique_ptr<Ui::ConvertGroup> ui;
    Prompts& prompts_;
    BatchWiring wiring_;
};
