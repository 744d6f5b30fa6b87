#pragma once

#include <QTableView>

namespace zelt::data {
class DataSetModel;
} // namespace zelt::data

namespace zelt::ui {

// The read-only grid of the search dialogs: a table view over a data-set
// model that shows whole rows, follows the data set's current record (and
// moves it), and tells its owner about title clicks, a choice (Enter or a
// double click) and right clicks with the keys held. Row colours come from
// the model's rowStyle; a row with its own background keeps it when
// selected and is then drawn in bold, so that the selected row stays
// visible.
class ResultGrid : public QTableView {
    Q_OBJECT
public:
    explicit ResultGrid(QWidget* parent = nullptr);

    void setDataSetModel(data::DataSetModel* model);
    // Any model may be shown; only a data-set model is followed.
    void setModel(QAbstractItemModel* model) override;
    data::DataSetModel* dataSetModel() const { return model_; }

    // Width of a column in pixels; columns past the model's count are
    // remembered and applied when the model has them.
    void setColumnWidths(const QList<int>& widths);

    // The current row, -1 when there is none.
    int currentRow() const;
    // Makes the row current and selected (the data set follows).
    void selectRecord(int row);

signals:
    void titleClicked(int column);
    void chosen(int row);
    void rightClicked(int row, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    void followDataSet(int row);
    void applyWidths();

    data::DataSetModel* model_ = nullptr;
    QList<int> widths_;
    QMetaObject::Connection currentConnection_;
    QMetaObject::Connection resetConnection_;
    bool syncing_ = false;
};

} // namespace zelt::ui
