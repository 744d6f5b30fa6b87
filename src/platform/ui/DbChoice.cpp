#include "platform/ui/DbChoice.h"

#include "platform/data/DataSetModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeView>
#include <QWheelEvent>

namespace zelt::ui {

namespace {

bool sameText(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

// -------------------------------------------------------------- DbCheckBox

DbCheckBox::DbCheckBox(QWidget* parent)
    : QCheckBox(parent)
    , DbControl(static_cast<QWidget&>(*this)) {
    updateAccess();
}

DbCheckBox::DbCheckBox(const QString& caption, data::DataSet* ds, const QString& fieldName, QWidget* parent)
    : DbCheckBox(parent) {
    setText(caption);
    bind(ds, fieldName);
}

void DbCheckBox::setValues(const QString& checked, const QString& unchecked) {
    checked_ = checked;
    unchecked_ = unchecked;
    showValue();
}

void DbCheckBox::nextCheckState() {
    // Only the user's click or key comes here; the program sets the field.
    if (!canModify())
        return;
    link().write(isChecked() ? unchecked_ : checked_);
}

void DbCheckBox::showValue() {
    const QVariant v = link().value();
    setChecked(!v.isNull() && sameText(data::variantToString(v), checked_));
}

void DbCheckBox::updateAccess() {
    // Stays enabled (the form decides that); only clicks are refused.
    setFocusPolicy(canModify() ? Qt::StrongFocus : Qt::TabFocus);
}

// -------------------------------------------------------------- DbComboBox

DbComboBox::DbComboBox(QWidget* parent)
    : QComboBox(parent)
    , DbControl(static_cast<QWidget&>(*this)) {
    connect(this, &QComboBox::activated, this, &DbComboBox::onActivated);
    updateAccess();
}

DbComboBox::DbComboBox(data::DataSet* ds, const QString& fieldName, QWidget* parent)
    : DbComboBox(parent) {
    bind(ds, fieldName);
}

void DbComboBox::setItems(const QStringList& texts, const QStringList& values) {
    clear();
    for (int i = 0; i < texts.size(); ++i) {
        if (i < values.size())
            addItem(texts[i], values[i]);
        else
            addItem(texts[i]);
    }
    showValue();
}

void DbComboBox::addChoice(const QString& text, const QString& value) {
    addItem(text, value);
    showValue();
}

QString DbComboBox::storedValue(int index) const {
    if (index < 0 || index >= count())
        return {};
    const QVariant v = itemData(index);
    return v.isValid() ? v.toString() : itemText(index);
}

int DbComboBox::indexOfValue(const QVariant& value) const {
    if (value.isNull())
        return -1;
    const QString s = data::variantToString(value);
    for (int i = 0; i < count(); ++i)
        if (storedValue(i) == s)
            return i;
    for (int i = 0; i < count(); ++i)
        if (sameText(storedValue(i), s))
            return i;
    return -1;
}

void DbComboBox::showValue() {
    setCurrentIndex(indexOfValue(link().value()));
}

void DbComboBox::updateAccess() {
    // Nothing to change in the widget: popup, keys and wheel ask canModify().
}

void DbComboBox::onActivated(int index) {
    if (!canModify()) {
        showValue();
        return;
    }
    link().write(index < 0 ? QVariant() : QVariant(storedValue(index)));
    emit choiceWritten(index);
}

void DbComboBox::showPopup() {
    if (canModify())
        QComboBox::showPopup();
}

void DbComboBox::keyPressEvent(QKeyEvent* event) {
    if (!canModify()) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void DbComboBox::wheelEvent(QWheelEvent* event) {
    if (!canModify()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

// ----------------------------------------------------------- DbLookupCombo

DbLookupCombo::DbLookupCombo(QWidget* parent)
    : QComboBox(parent)
    , DbControl(static_cast<QWidget&>(*this)) {
    auto* view = new QTreeView;
    view->setRootIsDecorated(false);
    view->setHeaderHidden(true);
    view->setAllColumnsShowFocus(true);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    setView(view);
    setMaxVisibleItems(8);
    connect(this, &QComboBox::activated, this, &DbLookupCombo::onActivated);
    updateAccess();
}

DbLookupCombo::DbLookupCombo(data::DataSet* ds, const QString& fieldName, QWidget* parent)
    : DbLookupCombo(parent) {
    bind(ds, fieldName);
}

void DbLookupCombo::setListSource(data::DataSet* list, const QString& keyField,
                                  const QString& displayFields) {
    list_ = list;
    keyField_ = keyField;
    displayFields_ = displayFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& f : displayFields_)
        f = f.trimmed();

    auto* old = model_;
    model_ = nullptr;
    if (!list) {
        delete old; // the combo box falls back to an empty model of its own
        showValue();
        return;
    }
    model_ = new data::DataSetModel(list, this);
    QVector<data::DataSetModel::Column> columns;
    for (const QString& f : std::as_const(displayFields_))
        columns.push_back({f, f, true});
    model_->setColumns(columns);
    model_->setReadOnly(true);
    showing_ = true;
    setModel(model_);
    setModelColumn(0);
    showing_ = false;
    delete old;

    // The list changes under us (reopened, rows edited): show the bound key again.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { showValue(); });
    connect(model_, &QAbstractItemModel::layoutChanged, this, [this] { showValue(); });
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { showValue(); });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { showValue(); });
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { showValue(); });
    // A data set reads its rows before it becomes open: the rows of the model
    // only count from then on.
    connect(list, &data::DataSet::stateChanged, this, [this] {
        view()->reset();
        showValue();
    });
    showValue();
}

int DbLookupCombo::rowOfKey(const QVariant& key) const {
    if (key.isNull() || !list_ || !list_->isActive())
        return -1;
    const int k = list_->fieldIndex(keyField_);
    if (k < 0)
        return -1;
    for (int r = 0; r < list_->recordCount(); ++r)
        if (data::sameValue(list_->cell(r, k), key))
            return r;
    return -1;
}

int DbLookupCombo::listRow() const {
    return rowOfKey(link().value());
}

QVariant DbLookupCombo::listValue(const QString& listField) const {
    const int r = listRow();
    if (r < 0)
        return {};
    const int c = list_->fieldIndex(listField);
    return c < 0 ? QVariant() : list_->cell(r, c);
}

void DbLookupCombo::showValue() {
    showing_ = true;
    setCurrentIndex(listRow());
    showing_ = false;
}

void DbLookupCombo::updateAccess() {
    // Popup, keys and wheel ask canModify().
}

void DbLookupCombo::onActivated(int index) {
    if (showing_)
        return;
    if (!canModify()) {
        showValue();
        return;
    }
    QVariant key;
    const int k = list_ ? list_->fieldIndex(keyField_) : -1;
    if (index >= 0 && k >= 0 && index < list_->recordCount())
        key = list_->cell(index, k);
    link().write(key);
    emit keyChosen(key);
}

void DbLookupCombo::showPopup() {
    if (!canModify())
        return;
    auto* tree = qobject_cast<QTreeView*>(view());
    if (tree && model_) {
        int width = 0;
        for (int c = 0; c < model_->columnCount(); ++c) {
            tree->resizeColumnToContents(c);
            width += tree->columnWidth(c);
        }
        tree->setMinimumWidth(qMax(width + 4, this->width()));
    }
    QComboBox::showPopup();
}

void DbLookupCombo::keyPressEvent(QKeyEvent* event) {
    if (!canModify()) {
        event->ignore();
        return;
    }
    if (allowNull_ && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)) {
        link().write(QVariant());
        emit keyChosen(QVariant());
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void DbLookupCombo::wheelEvent(QWheelEvent* event) {
    if (!canModify()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace zelt::ui
