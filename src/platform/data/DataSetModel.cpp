#include "platform/data/DataSetModel.h"

namespace zelt::data {

DataSetModel::DataSetModel(DataSet* ds, QObject* parent)
    : QAbstractTableModel(parent)
    , ds_(ds) {
    rebuildMap();
    connect(ds, &DataSet::aboutToReset, this, [this] {
        if (!resetting_) {
            resetting_ = true;
            beginResetModel();
        }
    });
    connect(ds, &DataSet::rowsReset, this, [this] {
        if (!resetting_)
            beginResetModel();
        rebuildMap();
        resetting_ = false;
        endResetModel();
    });
    connect(ds, &DataSet::structureChanged, this, [this] { rebuildMap(); });
    connect(ds, &DataSet::rowAboutToBeInserted, this, [this](int row) {
        if (!ds_->controlsDisabled())
            beginInsertRows({}, row, row);
    });
    connect(ds, &DataSet::rowInserted, this, [this](int) {
        if (!ds_->controlsDisabled())
            endInsertRows();
    });
    connect(ds, &DataSet::rowAboutToBeRemoved, this, [this](int row) {
        if (!ds_->controlsDisabled())
            beginRemoveRows({}, row, row);
    });
    connect(ds, &DataSet::rowRemoved, this, [this](int) {
        if (!ds_->controlsDisabled())
            endRemoveRows();
    });
    connect(ds, &DataSet::rowChanged, this, [this](int row) {
        if (ds_->controlsDisabled() || row < 0 || row >= rowCount() || columnCount() == 0)
            return;
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void DataSetModel::setColumns(QVector<Column> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    rebuildMap();
    endResetModel();
}

void DataSetModel::rebuildMap() {
    map_.clear();
    if (!ds_)
        return;
    if (columns_.isEmpty()) {
        for (int i = 0; i < ds_->fieldCount(); ++i)
            map_.push_back(i);
        return;
    }
    for (const Column& c : columns_)
        map_.push_back(ds_->fieldIndex(c.field));
}

int DataSetModel::fieldOf(int column) const {
    return column >= 0 && column < map_.size() ? map_[column] : -1;
}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    // A closed data set holds no rows; the rows of an open one are counted
    // as soon as they are in place (before the open has finished), so that
    // the reset that announced them shows them.
    if (parent.isValid() || !ds_)
        return 0;
    return ds_->recordCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(map_.size());
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !ds_ || index.row() >= rowCount())
        return {};
    if (rowStyle && (role == Qt::BackgroundRole || role == Qt::ForegroundRole || role == Qt::FontRole)) {
        const QVariant v = rowStyle(index.row(), role);
        if (v.isValid())
            return v;
    }
    const int f = fieldOf(index.column());
    if (f < 0)
        return {};
    const QVariant& v = ds_->cell(index.row(), f);
    switch (role) {
    case Qt::DisplayRole:
        if (!columns_.isEmpty() && columns_[index.column()].format)
            return columns_[index.column()].format(v);
        return variantToString(v);
    case Qt::EditRole:
        return v;
    case Qt::TextAlignmentRole: {
        const ValueKind k = ds_->fieldDef(f).kind;
        if (k == ValueKind::Int || k == ValueKind::Float)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

bool DataSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    ds_->setCell(index.row(), fieldOf(index.column()), value);
    return true;
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (!columns_.isEmpty())
        return section < columns_.size() ? QVariant(columns_[section].caption) : QVariant();
    const int f = fieldOf(section);
    return f >= 0 ? QVariant(ds_->fieldDef(f).name) : QVariant();
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags fl = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const bool colReadOnly = !columns_.isEmpty() && columns_[index.column()].readOnly;
    if (!readOnly_ && !colReadOnly && fieldOf(index.column()) >= 0)
        fl |= Qt::ItemIsEditable;
    return fl;
}

} // namespace zelt::data
