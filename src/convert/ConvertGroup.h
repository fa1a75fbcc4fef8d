#pragma once

#include <QGroupBox>
#include <memory>

class Prompts;

namespace Ui {
class ConvertGroup;
}

// The "Convert" group: the output folder and the button that starts the batch.
class ConvertGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ConvertGroup(Prompts& prompts, QWidget* parent = nullptr);
    ~ConvertGroup() override;

    [[nodiscard]] QString outputFolder() const;
    void setOutputFolder(const QString& folder);

public slots:
    void spSkinButton8Click();
    void cmd_begin_writeClick();

private:
    std::unique_ptr<Ui::ConvertGroup> ui;
    Prompts& prompts_;
};
