#pragma once

#include <QPixmap>
#include <QTreeView>

// The conversion list's view: a report list that shows the drag picture while it has no rows.
class ConversionListView : public QTreeView {
    Q_OBJECT
public:
    explicit ConversionListView(QWidget* parent = nullptr);

    void setDragPicture(const QPixmap& picture);
    [[nodiscard]] const QPixmap& dragPicture() const { return dragPicture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap dragPicture_;
};
