#pragma once

#include "ConversionList.h"

#include <QAbstractTableModel>

// The conversion list as the list view shows it: six columns, the check box in the first.
class ConversionListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, FileName, Size, Time, Format, FullName, ColumnCount };

    explicit ConversionListModel(QObject* parent = nullptr);

    [[nodiscard]] const ConversionList& list() const { return list_; }

    void append(ConversionRow row);
    void removeAt(int row);
    void clear();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    [[nodiscard]] QString text(int row, int column) const;

    ConversionList list_;
};
