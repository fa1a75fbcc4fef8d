#pragma once

#include "AppContext.h"
#include "ConversionList.h"

#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class ConversionListModel;
class QMenu;

namespace Ui {
class ConversionListPanel;
}

// The conversion list: the files to convert with their probed facts, checked or not.
class ConversionListPanel : public QWidget {
    Q_OBJECT
public:
    explicit ConversionListPanel(AppContext& context, QWidget* parent = nullptr);
    ~ConversionListPanel() override;

    [[nodiscard]] int rowCount() const;
    // The selected row, -1 when none is.
    [[nodiscard]] int selectedRow() const;
    void selectRow(int row);
    [[nodiscard]] const ConversionRow& row(int row) const;
    [[nodiscard]] std::vector<int> checkedRows() const;
    [[nodiscard]] std::optional<QString> selectedFullName() const;

    // The menu shown on a right click in the list.
    void setPopupMenu(QMenu* menu);
    // Loads the picture shown while the list is empty from the program folder; a missing one is reported.
    void loadDragPicture();
    [[nodiscard]] const QPixmap& dragPicture() const;

public slots:
    void Add2Click();
    void Remove2Click();
    void RemoveAll1Click();

signals:
    void rowDoubleClicked(int row);

private:
    std::unique_ptr<Ui::ConversionListPanel> ui;
    AppContext& context_;
    ConversionListModel* model_ = nullptr;
    QMenu* popupMenu_ = nullptr;
};
