#pragma once

#include <QPixmap>
#include <QStringList>
#include <QTreeView>

// The conversion list's view: a report list that shows the drag picture while it has no rows, and takes local
// files and folders dropped on it from the browser or from any other program.
class ConversionListView : public QTreeView {
    Q_OBJECT
public:
    explicit ConversionListView(QWidget* parent = nullptr);

    void setDragPicture(const QPixmap& picture);
    [[nodiscard]] const QPixmap& dragPicture() const { return dragPicture_; }
    // The width the texts of a column's rows first to last need, check box and indentation included.
    [[nodiscard]] int contentWidthOfRows(int column, int first, int last) const;

signals:
    // The local names of a drop, whole and in the drop's order.
    void namesDropped(const QStringList& names);
    void viewportResized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QPixmap dragPicture_;
};
