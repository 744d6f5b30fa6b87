#pragma once

#include "platform/data/DataSet.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <functional>

namespace zelt::data {

// A table model over a data set, for the grids: one row per record, one
// column per chosen field. Edits go through the data set (edit, set, and the
// post that moving to another row does), so its events run as for a form.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString caption;
        bool readOnly = false;
        // Display text of a value; the general text when empty.
        std::function<QString(const QVariant&)> format = {};
    };

    explicit DataSetModel(DataSet* ds, QObject* parent = nullptr);

    DataSet* dataSet() const { return ds_; }
    // No columns chosen: every field of the data set, captioned by its name.
    void setColumns(QVector<Column> columns);
    const QVector<Column>& columns() const { return columns_; }
    int fieldOf(int column) const;
    void setReadOnly(bool on) { readOnly_ = on; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Per-row colours of the result grids (cancelled documents and the like).
    std::function<QVariant(int row, int role)> rowStyle;

private:
    void rebuildMap();

    QPointer<DataSet> ds_;
    QVector<Column> columns_;
    QVector<int> map_; // model column -> field index, -1 when the field is missing
    bool readOnly_ = false;
    bool resetting_ = false;
};

} // namespace zelt::data
