#include "platform/ui/GridEditors.h"

#include "platform/data/DataSetModel.h"
#include "platform/format/Convert.h"
#include "platform/format/FloatFormat.h"
#include "platform/ui/Actions.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace zelt::ui {

using data::ValueKind;

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    input = input.toUpper();
    return Acceptable;
}

namespace {

bool isNumberField(ValueKind k) {
    return k == ValueKind::Int || k == ValueKind::Float;
}
bool isDateField(ValueKind k) {
    return k == ValueKind::Date || k == ValueKind::DateTime;
}

QDate dateOf(const QVariant& v) {
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return {};
}

} // namespace

QString cellEditText(const QVariant& value, EditorKind kind, ValueKind fieldKind, const QString& editFormat) {
    if (value.isNull())
        return {};
    const bool number = kind == EditorKind::Number || (kind == EditorKind::Text && isNumberField(fieldKind));
    if (number && value.typeId() != QMetaType::QString) {
        if (!editFormat.isEmpty())
            return format::formatFloat(editFormat, value.toDouble());
        if (fieldKind == ValueKind::Int)
            return data::variantToString(value);
        return format::floatToStr(value.toDouble());
    }
    if (kind == EditorKind::Date || isDateField(fieldKind)) {
        const QDate d = dateOf(value);
        if (d.isValid() && (fieldKind != ValueKind::DateTime || value.toDateTime().time() == QTime(0, 0)))
            return format::dateToStr(d);
    }
    return data::variantToString(value);
}

CellValue cellValueOf(const QString& text, EditorKind kind, ValueKind fieldKind, bool upperCase) {
    const QString trimmed = text.trimmed();
    try {
        if (kind == EditorKind::Number || (kind == EditorKind::Text && isNumberField(fieldKind))) {
            if (trimmed.isEmpty())
                return {};
            if (kind == EditorKind::Text && fieldKind == ValueKind::Int)
                return {format::strToInt(trimmed), {}};
            QString plain = trimmed;
            plain.remove(QLatin1Char(','));
            try {
                return {format::strToFloat(plain), {}};
            } catch (const format::ConversionError&) {
                format::strToFloat(text); // the message quotes the text as typed
                throw;
            }
        }
        if (kind == EditorKind::Date || (kind == EditorKind::Text && isDateField(fieldKind))) {
            if (trimmed.isEmpty())
                return {};
            if (kind == EditorKind::Text && fieldKind == ValueKind::DateTime)
                return {format::strToDateTime(text), {}};
            return {format::strToDate(text), {}};
        }
    } catch (const format::ConversionError& e) {
        return {{}, e.message()};
    }
    if (text.isEmpty())
        return {};
    return {upperCase || kind == EditorKind::Code ? text.toUpper() : text, {}};
}

// ------------------------------------------------------------ GridDelegate

GridDelegate::GridDelegate(DocGrid* grid)
    : QStyledItemDelegate(grid)
    , grid_(grid) {}

const GridEditor* GridDelegate::editorFor(const QModelIndex& index) const {
    const int c = index.column();
    if (c < 0 || c >= grid_->columns().size())
        return nullptr;
    return grid_->editorDef(grid_->columns()[c].editor);
}

ValueKind GridDelegate::fieldKind(const QModelIndex& index) const {
    const auto* model = qobject_cast<const data::DataSetModel*>(index.model());
    if (!model || !model->dataSet())
        return ValueKind::Raw;
    const int f = model->fieldOf(index.column());
    return f < 0 ? ValueKind::Raw : model->dataSet()->fieldDef(f).kind;
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    Q_UNUSED(option);
    const GridEditor* def = editorFor(index);
    const EditorKind kind = def ? def->kind : EditorKind::Text;
    const QString field = grid_->fieldAt(index.column());
    QWidget* editor = nullptr;
    if (kind == EditorKind::List) {
        auto* box = new QComboBox(parent);
        box->addItems(def->items);
        box->setFrame(false);
        editor = box;
    } else {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        int maxLength = def ? def->maxLength : 0;
        const auto* model = qobject_cast<const data::DataSetModel*>(index.model());
        const int f = model ? model->fieldOf(index.column()) : -1;
        if (maxLength <= 0 && f >= 0 && model->dataSet()->fieldDef(f).kind == ValueKind::Text)
            maxLength = model->dataSet()->fieldDef(f).size;
        switch (kind) {
        case EditorKind::Code: {
            line->setValidator(new UpperCaseValidator(line));
            QAction* search =
                line->addAction(actionImage(ActionImage::Search, 16), QLineEdit::TrailingPosition);
            search->setObjectName(QStringLiteral("BtSearch"));
            search->setToolTip(QString::fromUtf8("ค้นหา (F5)"));
            connect(search, &QAction::triggered, grid_,
                    [grid = grid_, field] { emit grid->searchRequested(field); });
            break;
        }
        case EditorKind::Date:
            line->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9/ ]*")), line));
            maxLength = 10;
            break;
        case EditorKind::Number:
            line->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[-+]?[0-9,]*\\.?[0-9]*([eE][-+]?[0-9]*)?")), line));
            line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            break;
        default:
            if (def && def->upperCase)
                line->setValidator(new UpperCaseValidator(line));
            if (f >= 0 && isNumberField(model->dataSet()->fieldDef(f).kind))
                line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            break;
        }
        if (maxLength > 0)
            line->setMaxLength(maxLength);
        editor = line;
    }
    editor->setObjectName(def ? def->name : field);
    grid_->editorCreated(editor, index);
    return editor;
}

void GridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    grid_->editorDestroyed(editor);
    QStyledItemDelegate::destroyEditor(editor, index);
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QVariant value = index.data(Qt::EditRole);
    const GridEditor* def = editorFor(index);
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const QString text = data::variantToString(value);
        int at = -1;
        if (def)
            at = def->values.isEmpty() ? def->items.indexOf(text) : def->values.indexOf(text);
        box->setCurrentIndex(at);
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const QString field = grid_->fieldAt(index.column());
        line->setText(cellEditText(value, def ? def->kind : EditorKind::Text, fieldKind(index),
                                   grid_->editFormat(field)));
    }
}

CellValue GridDelegate::editorValue(QWidget* editor, const QModelIndex& index) const {
    const GridEditor* def = editorFor(index);
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const int at = box->currentIndex();
        if (at < 0 || !def)
            return {};
        if (at < def->values.size())
            return {def->values[at], {}};
        return {def->items.value(at), {}};
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        return cellValueOf(line->text(), def ? def->kind : EditorKind::Text, fieldKind(index),
                           def && def->upperCase);
    return {};
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    Q_UNUSED(model);
    grid_->writeEditor(editor, index);
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        if (grid_->handleKey(static_cast<QKeyEvent*>(event), editor))
            return true;
    } else if (editor && event->type() == QEvent::KeyRelease) {
        if (grid_->handleKeyUp(static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace zelt::ui
