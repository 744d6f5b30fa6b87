#pragma once

#include "platform/ui/DocGrid.h"

#include <QStyledItemDelegate>
#include <QValidator>

namespace zelt::ui {

// Turns whatever is typed into upper case as it is typed (code fields).
class UpperCaseValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// What an editor's text becomes in a field: the value, or the run-time's
// conversion message ("'31/02/2026' is not a valid date").
struct CellValue {
    QVariant value;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The text of a cell for its editor, and back. kind is the editor's, or
// Text for a plain cell; fieldKind decides how a plain cell converts.
QString cellEditText(const QVariant& value, EditorKind kind, data::ValueKind fieldKind,
                     const QString& editFormat);
CellValue cellValueOf(const QString& text, EditorKind kind, data::ValueKind fieldKind, bool upperCase);

// The editors of the document grid, one per column by its editor name.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridDelegate(DocGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // The editor's content as a field value.
    CellValue editorValue(QWidget* editor, const QModelIndex& index) const;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    const GridEditor* editorFor(const QModelIndex& index) const;
    data::ValueKind fieldKind(const QModelIndex& index) const;

    DocGrid* grid_;
};

} // namespace zelt::ui
