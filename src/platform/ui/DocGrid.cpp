#include "platform/ui/DocGrid.h"

#include "platform/data/DataSetModel.h"
#include "platform/format/FloatFormat.h"
#include "platform/ui/GridEditors.h"
#include "platform/ui/Modal.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace zelt::ui {

using data::DataSet;
using data::DataSetState;

// The data-set model with the grid's layout on top: captions, read-only
// flags, display formats and list texts come from the current layout, so a
// layout over the same fields changes them without a reset.
class DocGridModel : public data::DataSetModel {
public:
    DocGridModel(DataSet* ds, DocGrid* grid)
        : DataSetModel(ds, grid)
        , grid_(grid) {}

    // What each column of the layout shows, resolved once per layout.
    struct Look {
        EditorKind kind = EditorKind::Text;
        QStringList items;
        QStringList values;
        QString displayFormat;
    };
    QVector<Look> looks;

    QVariant data(const QModelIndex& index, int role) const override {
        if (index.isValid() && index.column() < looks.size() && dataSet()) {
            const Look& look = looks[index.column()];
            if (role == Qt::DisplayRole) {
                const int f = fieldOf(index.column());
                if (f < 0 || index.row() >= rowCount())
                    return {};
                const QVariant& v = dataSet()->cell(index.row(), f);
                if (look.kind == EditorKind::List && !v.isNull()) {
                    const QString text = data::variantToString(v);
                    const int at = look.values.isEmpty() ? -1 : look.values.indexOf(text);
                    return at >= 0 ? look.items.value(at) : text;
                }
                if (!look.displayFormat.isEmpty() && !v.isNull()) {
                    bool ok = v.typeId() != QMetaType::QString;
                    const double d = ok ? v.toDouble() : v.toString().toDouble(&ok);
                    if (ok)
                        return format::formatFloat(look.displayFormat, d);
                }
            } else if (role == Qt::TextAlignmentRole && look.kind == EditorKind::Number) {
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            }
        }
        return DataSetModel::data(index, role);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags fl = DataSetModel::flags(index);
        const int c = index.column();
        if (!grid_->editingAllowed_ || (c >= 0 && c < grid_->columns_.size() && grid_->columns_[c].readOnly))
            fl &= ~Qt::ItemIsEditable;
        return fl;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole)
            return DataSetModel::headerData(section, orientation, role);
        if (orientation == Qt::Horizontal)
            return section >= 0 && section < grid_->columns_.size() ? grid_->columns_[section].caption
                                                                    : QString();
        // The indicator column: the current line, marked as new while inserted.
        if (!dataSet() || section != dataSet()->recNo())
            return QString();
        return dataSet()->state() == DataSetState::Insert ? QStringLiteral("*") : QString(QChar(0x25B6));
    }

    void captionsChanged(int count) {
        if (count > 0)
            emit headerDataChanged(Qt::Horizontal, 0, count - 1);
    }
    void indicatorChanged(int row) {
        if (row >= 0 && row < rowCount())
            emit headerDataChanged(Qt::Vertical, row, row);
    }

private:
    DocGrid* grid_;
};

namespace {

QString key(const QString& name) {
    return name.toLower();
}

} // namespace

DocGrid::DocGrid(QWidget* parent)
    : QTableView(parent)
    , deleteQuestion_(QString::fromUtf8("ลบรายการนี้ ?")) {
    delegate_ = new GridDelegate(this);
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setWordWrap(false);
    setAlternatingRowColors(true);
    setAlternateColor(QColor(240, 251, 255));

    QHeaderView* top = horizontalHeader();
    top->setSectionsClickable(true);
    top->setSectionsMovable(false);
    top->setHighlightSections(false);
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    top->setMinimumSectionSize(8);
    connect(top, &QHeaderView::sectionClicked, this, [this](int section) {
        const QString field = fieldAt(section);
        if (!field.isEmpty())
            emit titleClicked(field);
    });

    QHeaderView* side = verticalHeader();
    side->setSectionResizeMode(QHeaderView::Fixed);
    side->setDefaultSectionSize(fontMetrics().height() + 6);
    side->setDefaultAlignment(Qt::AlignCenter);
    side->setFixedWidth(fontMetrics().horizontalAdvance(QChar(0x25B6)) + 12);

    focusConnection_ = connect(qApp, &QApplication::focusChanged, this, &DocGrid::focusChanged);
}

DocGrid::~DocGrid() {
    // The focus leaves while the widget is taken down; it is no longer ours to follow.
    disconnect(focusConnection_);
    for (const auto& c : dsConnections_)
        disconnect(c);
}

void DocGrid::setDataSet(DataSet* ds) {
    for (const auto& c : dsConnections_)
        disconnect(c);
    dsConnections_.clear();
    editor_.clear();
    pendingExit_.reset();
    QItemSelectionModel* oldSelection = selectionModel();
    DocGridModel* oldModel = model_;
    model_ = nullptr;
    ds_ = ds;
    dsChanging_ = 0;
    if (ds) {
        // Guards first: the model reacts to these signals before the view and
        // the view's current index moves while rows come and go; the data set
        // must not be moved from there.
        auto begin = [this] { ++dsChanging_; };
        auto end = [this] { dsChanging_ = qMax(0, dsChanging_ - 1); };
        dsConnections_ << connect(ds, &DataSet::aboutToReset, this, begin)
                       << connect(ds, &DataSet::rowAboutToBeInserted, this, begin)
                       << connect(ds, &DataSet::rowAboutToBeRemoved, this, begin);
        model_ = new DocGridModel(ds, this);
        dsConnections_ << connect(ds, &DataSet::rowsReset, this, end)
                       << connect(ds, &DataSet::rowInserted, this, end)
                       << connect(ds, &DataSet::rowRemoved, this, end)
                       << connect(ds, &DataSet::currentChanged, this, &DocGrid::followDataSet)
                       << connect(ds, &DataSet::stateChanged, this, [this] {
                              if (ds_->state() != DataSetState::Insert)
                                  lineTouched_ = false;
                              updateIndicator(ds_->recNo());
                          });
    }
    setModel(model_);
    delete oldSelection;
    delete oldModel;
    if (!model_)
        return;
    connect(model_, &QAbstractItemModel::modelReset, this, &DocGrid::restoreCurrent);
    if (!columns_.isEmpty()) {
        QVector<data::DataSetModel::Column> base;
        for (const GridColumn& c : columns_)
            base.push_back({c.field, c.caption});
        resolveLooks();
        model_->setColumns(std::move(base));
        applyGeometry();
    }
    restoreCurrent();
}

// ------------------------------------------------------------------ layout

void DocGrid::defineEditor(const GridEditor& editor) {
    editors_.insert(key(editor.name), editor);
    resolveLooks();
}

const GridEditor* DocGrid::editorDef(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    auto it = editors_.constFind(key(name));
    return it == editors_.constEnd() ? nullptr : &it.value();
}

void DocGrid::setFieldFormat(const QString& field, const QString& displayFormat, const QString& editFormat) {
    formats_.insert(key(field), {displayFormat, editFormat});
    resolveLooks();
    viewport()->update();
}

QString DocGrid::displayFormat(const QString& field) const {
    return formats_.value(key(field)).display;
}

QString DocGrid::editFormat(const QString& field) const {
    return formats_.value(key(field)).edit;
}

void DocGrid::resolveLooks() {
    if (!model_)
        return;
    model_->looks.resize(columns_.size());
    for (int c = 0; c < columns_.size(); ++c) {
        DocGridModel::Look& look = model_->looks[c];
        const GridEditor* e = editorDef(columns_[c].editor);
        look.kind = e ? e->kind : EditorKind::Text;
        look.items = e ? e->items : QStringList();
        look.values = e ? (e->values.isEmpty() ? e->items : e->values) : QStringList();
        look.displayFormat = displayFormat(columns_[c].field);
    }
}

void DocGrid::setColumns(QVector<GridColumn> columns) {
    bool sameFields =
        model_ && columns.size() == columns_.size() && model_->columns().size() == columns.size();
    for (int c = 0; sameFields && c < columns.size(); ++c)
        sameFields = columns[c].field.compare(columns_[c].field, Qt::CaseInsensitive) == 0;
    columns_ = std::move(columns);
    if (!model_)
        return;
    if (sameFields) {
        // Same fields: captions, flags and looks change in place.
        resolveLooks();
        model_->captionsChanged(int(columns_.size()));
        if (editor_ && !isCellEditable(editorIndex_))
            cancelEditor();
        viewport()->update();
    } else {
        QVector<data::DataSetModel::Column> base;
        base.reserve(columns_.size());
        for (const GridColumn& c : columns_)
            base.push_back({c.field, c.caption});
        resolveLooks();
        model_->setColumns(std::move(base));
    }
    applyGeometry();
}

int DocGrid::columnOf(const QString& field) const {
    for (int c = 0; c < columns_.size(); ++c)
        if (columns_[c].field.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QString DocGrid::fieldAt(int column) const {
    return column >= 0 && column < columns_.size() ? columns_[column].field : QString();
}

void DocGrid::setColumnVisible(const QString& field, bool visible) {
    if (visible)
        hidden_.remove(key(field));
    else
        hidden_.insert(key(field));
    const int c = columnOf(field);
    if (c >= 0 && model_) {
        if (!visible && editor_ && editorIndex_.column() == c)
            cancelEditor();
        setColumnHidden(c, !visible);
    }
}

bool DocGrid::isColumnVisible(const QString& field) const {
    return !hidden_.contains(key(field));
}

int DocGrid::columnPixelWidth(int characters, const QString& caption) const {
    const int cell = characters * fontMetrics().horizontalAdvance(QLatin1Char('0')) + 8;
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
    const int title = horizontalHeader()->fontMetrics().horizontalAdvance(caption) + 2 * margin + 6;
    return qMax(cell, title);
}

void DocGrid::setAlternateColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::AlternateBase, color);
    setPalette(p);
}

void DocGrid::applyGeometry() {
    if (!model_)
        return;
    for (int c = 0; c < columns_.size(); ++c) {
        setColumnWidth(c, columnPixelWidth(columns_[c].width, columns_[c].caption));
        setColumnHidden(c, hidden_.contains(key(columns_[c].field)));
    }
}

void DocGrid::setEditingAllowed(bool on) {
    editingAllowed_ = on;
    if (!on)
        cancelEditor();
}

// ------------------------------------------------------------ current cell

QString DocGrid::currentField() const {
    return fieldAt(currentIndex().column());
}

int DocGrid::currentRow() const {
    const QModelIndex cur = currentIndex();
    return cur.isValid() ? cur.row() : -1;
}

bool DocGrid::isCellEditable(const QModelIndex& index) const {
    return model_ && index.isValid() && (model_->flags(index) & Qt::ItemIsEditable) &&
           !isColumnHidden(index.column());
}

void DocGrid::setCurrentCell(int row, const QString& field) {
    if (!model_)
        return;
    const int c = columnOf(field);
    if (row >= 0 && row < model_->rowCount() && c >= 0)
        setCurrentIndex(model_->index(row, c));
}

void DocGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // The view first: it writes and closes the editor of the previous cell,
    // while the data set is still on the previous line.
    QTableView::currentChanged(current, previous);
    if (!current.isValid() || !ds_ || !model_)
        return;
    if (!syncing_ && dsChanging_ == 0 && ds_->isActive() && !ds_->controlsDisabled() &&
        current.row() < ds_->recordCount() && ds_->recNo() != current.row()) {
        QScopedValueRollback<bool> guard(syncing_, true);
        ds_->setRecNo(current.row());
    }
    const QString field = fieldAt(currentIndex().column());
    if (!field.isEmpty() && field.compare(lastField_, Qt::CaseInsensitive) != 0) {
        lastField_ = field;
        if (!syncing_)
            emit columnEntered(field);
    }
}

void DocGrid::followDataSet(int row) {
    if (!ds_ || !model_ || ds_->controlsDisabled())
        return;
    updateIndicator(row);
    if (syncing_ || row < 0 || row >= model_->rowCount())
        return;
    const QModelIndex cur = currentIndex();
    if (cur.isValid() && cur.row() == row)
        return;
    // Moved by the program: an editor still open belongs to the line left.
    if (editor_ && editorIndex_.row() != row)
        cancelEditor();
    restoreCurrent();
}

void DocGrid::restoreCurrent() {
    if (!ds_ || !model_ || ds_->controlsDisabled())
        return;
    const int row = ds_->recNo();
    if (row < 0 || row >= model_->rowCount() || model_->columnCount() == 0)
        return;
    int col = columnOf(lastField_);
    if (col < 0 || isColumnHidden(col)) {
        col = currentIndex().isValid() ? currentIndex().column() : 0;
        while (col < model_->columnCount() - 1 && isColumnHidden(col))
            ++col;
    }
    QScopedValueRollback<bool> guard(syncing_, true);
    selectionModel()->setCurrentIndex(model_->index(row, col), QItemSelectionModel::ClearAndSelect);
    updateIndicator(row);
}

void DocGrid::updateIndicator(int row) {
    if (!model_)
        return;
    if (indicatorRow_ != row)
        model_->indicatorChanged(indicatorRow_);
    indicatorRow_ = row;
    model_->indicatorChanged(row);
}

// ----------------------------------------------------------------- editors

bool DocGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool wasEditing = !editor_.isNull();
    const bool opened = QTableView::edit(index, trigger, event);
    if (opened && !wasEditing && editor_)
        emit editorEntered(fieldAt(index.column()));
    return opened;
}

void DocGrid::editorCreated(QWidget* editor, const QModelIndex& index) {
    editor_ = editor;
    editorIndex_ = index;
}

void DocGrid::editorDestroyed(QWidget* editor) {
    if (editor_ == editor) {
        editor_.clear();
        editorIndex_ = QPersistentModelIndex();
    }
}

bool DocGrid::writeEditor(QWidget* editor, const QModelIndex& index) {
    if (!ds_ || !model_ || !index.isValid())
        return false;
    const int f = model_->fieldOf(index.column());
    if (f < 0 || !(model_->flags(index) & Qt::ItemIsEditable))
        return false;
    const CellValue cv = delegate_->editorValue(editor, index);
    if (!cv.ok()) {
        reportError(cv.error);
        return false;
    }
    const QVariant previous = ds_->cell(index.row(), f);
    if (!data::sameValue(previous, cv.value)) {
        model_->setData(index, cv.value, Qt::EditRole);
        if (ds_->state() == DataSetState::Insert)
            lineTouched_ = true;
    }
    pendingExit_ = PendingExit{fieldAt(index.column()), previous};
    return true;
}

void DocGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    flushExit();
}

void DocGrid::flushExit() {
    if (!pendingExit_)
        return;
    const PendingExit exit = *pendingExit_;
    pendingExit_.reset();
    emit editorExited(exit.field, exit.previous);
}

bool DocGrid::commitEditor() {
    if (!editor_)
        return true;
    QWidget* editor = editor_;
    if (!writeEditor(editor, editorIndex_))
        return false;
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    flushExit();
    return true;
}

void DocGrid::cancelEditor() {
    pendingExit_.reset();
    if (editor_)
        QTableView::closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
}

void DocGrid::reportError(const QString& message) {
    if (onEditError)
        onEditError(message);
    else
        showError(message, this);
}

// ------------------------------------------------------------------- moves

int DocGrid::nextEditableColumn(int row, int after) const {
    for (int c = after + 1; c < model_->columnCount(); ++c)
        if (isCellEditable(model_->index(row, c)))
            return c;
    return -1;
}

int DocGrid::firstEditableColumn(int row) const {
    return nextEditableColumn(row, -1);
}

bool DocGrid::untouchedNewLine() const {
    return ds_ && ds_->state() == DataSetState::Insert && !lineTouched_;
}

void DocGrid::openEditorAt(const QModelIndex& index) {
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    // Moving may have laid the grid out again for the line now current.
    const QModelIndex cur = currentIndex();
    if (isCellEditable(cur))
        edit(cur, QAbstractItemView::AllEditTriggers, nullptr);
}

void DocGrid::enterLine(int preferredColumn) {
    if (!model_)
        return;
    const int row = ds_ ? ds_->recNo() : -1;
    if (row < 0 || row >= model_->rowCount())
        return;
    int col = preferredColumn;
    if (col < 0 || !isCellEditable(model_->index(row, col)))
        col = firstEditableColumn(row);
    if (col >= 0)
        openEditorAt(model_->index(row, col));
}

void DocGrid::moveToNextCell() {
    if (!ds_ || !model_ || !ds_->isActive())
        return;
    if (!commitEditor())
        return;
    if (model_->rowCount() == 0) {
        if (insertAllowed_ && editingAllowed_)
            appendLine();
        return;
    }
    QModelIndex cur = currentIndex();
    if (!cur.isValid())
        cur = model_->index(qMax(0, ds_->recNo()), 0);
    const int next = nextEditableColumn(cur.row(), cur.column());
    if (next >= 0) {
        openEditorAt(model_->index(cur.row(), next));
        return;
    }
    if (cur.row() + 1 < model_->rowCount()) {
        // To the next line first: its layout decides which cell is editable.
        setCurrentIndex(model_->index(cur.row() + 1, cur.column()));
        enterLine(-1);
    } else if (insertAllowed_ && editingAllowed_ && !untouchedNewLine()) {
        appendLine();
    } else {
        enterLine(-1);
    }
}

void DocGrid::insertLine() {
    if (!ds_ || !ds_->isActive() || !commitEditor())
        return;
    const int col = currentIndex().column();
    ds_->insert();
    enterLine(col);
}

void DocGrid::appendLine() {
    if (!ds_ || !ds_->isActive() || !commitEditor())
        return;
    ds_->append();
    enterLine(-1);
}

void DocGrid::deleteLine() {
    if (!ds_ || !ds_->isActive() || ds_->isEmpty() || !commitEditor())
        return;
    if (!askYesNo(deleteQuestion_, {}, {}, this))
        return;
    ds_->remove();
}

// -------------------------------------------------------------------- keys

bool DocGrid::handleKey(QKeyEvent* event, QWidget* editor) {
    const int k = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (onKeyDown && onKeyDown(k, mods))
        return true;
    const QModelIndex cur = currentIndex();
    const bool list = qobject_cast<QComboBox*>(editor) != nullptr;
    const bool canChange = ds_ && ds_->isActive() && editingAllowed_;
    switch (k) {
    case Qt::Key_F5:
        if (mods != Qt::NoModifier || !cur.isValid() || !isCellEditable(cur) ||
            cur.column() >= model_->looks.size() || model_->looks[cur.column()].kind != EditorKind::Code)
            return false;
        emit searchRequested(fieldAt(cur.column()));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mods != Qt::NoModifier)
            return false;
        moveToNextCell();
        return true;
    case Qt::Key_Insert:
        if (mods != Qt::NoModifier)
            return false;
        if (insertAllowed_ && canChange)
            insertLine();
        return true;
    case Qt::Key_Delete:
        if (mods != Qt::ControlModifier)
            return false;
        if (deleteAllowed_ && canChange)
            deleteLine();
        return true;
    case Qt::Key_Down:
        if (mods != Qt::NoModifier || list || !model_)
            return false;
        if (model_->rowCount() > 0 && cur.isValid() && cur.row() < model_->rowCount() - 1)
            return false;
        // On the last line (or in an empty grid): a new line, unless this one
        // is a new line nobody has typed in yet.
        if (insertAllowed_ && canChange && !untouchedNewLine())
            appendLine();
        return true;
    case Qt::Key_Up:
        if (mods != Qt::NoModifier || list || !untouchedNewLine())
            return false;
        {
            // Leaving a new, untouched line upwards takes it away again.
            cancelEditor();
            const int at = ds_->recNo();
            ds_->cancel();
            if (at > 0 && !ds_->isEmpty())
                ds_->setRecNo(at - 1);
        }
        return true;
    case Qt::Key_Escape:
        if (editor)
            cancelEditor();
        else if (ds_ && (ds_->state() == DataSetState::Edit || ds_->state() == DataSetState::Insert))
            ds_->cancel();
        return true;
    default:
        return false;
    }
}

bool DocGrid::handleKeyUp(QKeyEvent* event) {
    return onKeyUp && onKeyUp(event->key(), event->modifiers() & ~Qt::KeypadModifier);
}

void DocGrid::keyPressEvent(QKeyEvent* event) {
    // A key an open editor did not take arrives here too; the grid saw it
    // already through the editor.
    if (!editor_ && handleKey(event, nullptr)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DocGrid::keyReleaseEvent(QKeyEvent* event) {
    if (!editor_ && handleKeyUp(event)) {
        event->accept();
        return;
    }
    QTableView::keyReleaseEvent(event);
}

void DocGrid::focusChanged(QWidget* old, QWidget* now) {
    Q_UNUSED(old);
    // Focus taken by another window (a dialog, a message) is not leaving the
    // grid for the form; it comes back to where it was.
    if (!now || now->window() != window())
        return;
    const bool inside = now == this || isAncestorOf(now);
    if (inside == focusInside_)
        return;
    focusInside_ = inside;
    if (inside) {
        emit gridEntered();
        const QString field = currentField();
        if (!field.isEmpty())
            emit columnEntered(field);
        return;
    }
    if (cancelOnExit_ && untouchedNewLine())
        ds_->cancel();
    emit gridExited();
}

} // namespace zelt::ui
