#include "platform/ui/ResultGrid.h"

#include "platform/data/DataSetModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace zelt::ui {

namespace {

// A row that carries its own background keeps it when selected; the
// selected row is then told apart by a bold font.
class RowColourDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!(option->state & QStyle::State_Selected) || !index.data(Qt::BackgroundRole).isValid())
            return;
        option->state &= ~QStyle::State_Selected;
        option->font.setBold(true);
    }
};

} // namespace

ResultGrid::ResultGrid(QWidget* parent)
    : QTableView(parent) {
    setItemDelegate(new RowColourDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &ResultGrid::titleClicked);
}

void ResultGrid::setDataSetModel(data::DataSetModel* model) {
    setModel(model);
}

void ResultGrid::setModel(QAbstractItemModel* model) {
    disconnect(currentConnection_);
    disconnect(resetConnection_);
    QTableView::setModel(model);
    model_ = qobject_cast<data::DataSetModel*>(model);
    if (!model_)
        return;
    model_->setReadOnly(true);
    // The data set moves with the grid, and the grid with the data set.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                data::DataSet* ds = model_ ? model_->dataSet() : nullptr;
                if (syncing_ || !ds || !ds->isActive() || !current.isValid() || current.row() == ds->recNo())
                    return;
                syncing_ = true;
                ds->setRecNo(current.row());
                syncing_ = false;
            });
    if (data::DataSet* ds = model_->dataSet())
        currentConnection_ = connect(ds, &data::DataSet::currentChanged, this, &ResultGrid::followDataSet);
    resetConnection_ = connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        applyWidths();
        if (data::DataSet* ds = model_->dataSet())
            followDataSet(ds->recNo());
    });
    applyWidths();
    if (data::DataSet* ds = model_->dataSet())
        followDataSet(ds->recNo());
}

void ResultGrid::setColumnWidths(const QList<int>& widths) {
    widths_ = widths;
    applyWidths();
}

void ResultGrid::applyWidths() {
    if (!model())
        return;
    for (int c = 0; c < widths_.size() && c < model()->columnCount(); ++c)
        setColumnWidth(c, widths_[c]);
}

int ResultGrid::currentRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void ResultGrid::selectRecord(int row) {
    if (!model() || row < 0 || row >= model()->rowCount() || model()->columnCount() == 0)
        return;
    const int column = qMax(0, currentIndex().column());
    setCurrentIndex(model()->index(row, column));
    selectRow(row);
}

void ResultGrid::followDataSet(int row) {
    if (syncing_ || row < 0 || row == currentRow())
        return;
    syncing_ = true;
    selectRecord(row);
    syncing_ = false;
}

void ResultGrid::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        emit chosen(currentRow());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::RightButton) {
        const QModelIndex at = indexAt(event->position().toPoint());
        if (at.isValid())
            emit rightClicked(at.row(), event->modifiers());
    }
}

void ResultGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid())
        emit chosen(at.row());
}

QItemSelectionModel::SelectionFlags ResultGrid::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    // The current row always stays selected: a click with Ctrl held selects
    // as a plain click does.
    QItemSelectionModel::SelectionFlags flags = QTableView::selectionCommand(index, event);
    if (index.isValid() && (flags & QItemSelectionModel::Deselect))
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return flags;
}

} // namespace zelt::ui
