#pragma once

#include "platform/data/DataSet.h"

#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTableView>
#include <QVector>

#include <functional>
#include <optional>

namespace zelt::ui {

class DocGridModel;
class GridDelegate;

// How a cell is edited.
enum class EditorKind {
    Text,   // a line of text
    Code,   // an upper-case code with a search button (F5 does the same)
    List,   // a fixed list: texts shown, values stored
    Date,   // "dd/mm/yyyy"
    Number, // a number shown with the field's edit format
};

// An edit control of the grid, defined once by the form and named by the
// columns that use it ("ProductCode", "QQnty", "GetShipDate").
struct GridEditor {
    QString name;
    EditorKind kind = EditorKind::Text;
    QStringList items;      // List: the texts shown
    QStringList values;     // List: the value stored for each text; the texts when empty
    bool upperCase = false; // Text; a Code is always upper case
    int maxLength = 0;      // 0: the field's size, when it has one

    static GridEditor text(const QString& name, bool upperCase = false) {
        return {name, EditorKind::Text, {}, {}, upperCase, 0};
    }
    static GridEditor code(const QString& name) { return {name, EditorKind::Code, {}, {}, true, 0}; }
    static GridEditor list(const QString& name, const QStringList& items, const QStringList& values = {}) {
        return {name, EditorKind::List, items, values, false, 0};
    }
    static GridEditor date(const QString& name) { return {name, EditorKind::Date, {}, {}, false, 0}; }
    static GridEditor number(const QString& name) { return {name, EditorKind::Number, {}, {}, false, 0}; }
};

// One column of a layout, in the order the forms give it: field, width in
// characters, read-only flag, editor name and caption. A column without an
// editor, or with a name no editor was defined for, is a plain text cell.
struct GridColumn {
    QString field;
    int width = 10;
    bool readOnly = false;
    QString editor;
    QString caption;
};

// The lines grid of a document form: a table view over a data set whose
// columns the form lays out again and again (on every line change), with an
// editor per column. Enter moves to the next editable cell and from the last
// one to the next line, appending a line at the end when inserting is
// allowed; Insert inserts a line, Down on the last line appends one, and
// Ctrl+Delete deletes the current line after a question. The data set's
// current record and the grid's current row follow each other.
//
// A layout that keeps the fields of the previous one (only captions, widths
// and read-only flags changed) costs no model reset, so the current cell and
// the scroll position stay.
class DocGrid : public QTableView {
    Q_OBJECT
public:
    explicit DocGrid(QWidget* parent = nullptr);
    ~DocGrid() override;

    void setDataSet(data::DataSet* ds);
    data::DataSet* dataSet() const { return ds_; }

    // ---- layout
    void defineEditor(const GridEditor& editor);
    const GridEditor* editorDef(const QString& name) const;
    void setColumns(QVector<GridColumn> columns);
    const QVector<GridColumn>& columns() const { return columns_; }
    int columnOf(const QString& field) const; // -1 when the layout has no such column
    QString fieldAt(int column) const;
    // Display and edit masks of a number field ("#,##0.00", "###0.00"), as
    // the forms set them after opening their data sets; kept across layouts.
    void setFieldFormat(const QString& field, const QString& displayFormat, const QString& editFormat = {});
    QString displayFormat(const QString& field) const;
    QString editFormat(const QString& field) const;
    // Visibility by field, kept across layouts.
    void setColumnVisible(const QString& field, bool visible);
    bool isColumnVisible(const QString& field) const;
    // Pixel width of a column of that many characters with that caption.
    int columnPixelWidth(int characters, const QString& caption) const;
    void setAlternateColor(const QColor& color);

    // ---- switches
    void setInsertAllowed(bool on) { insertAllowed_ = on; }
    bool insertAllowed() const { return insertAllowed_; }
    void setDeleteAllowed(bool on) { deleteAllowed_ = on; }
    bool deleteAllowed() const { return deleteAllowed_; }
    void setEditingAllowed(bool on);
    bool editingAllowed() const { return editingAllowed_; }
    // A new line nobody typed in disappears when the focus leaves the grid.
    void setCancelOnExit(bool on) { cancelOnExit_ = on; }
    void setDeleteQuestion(const QString& text) { deleteQuestion_ = text; }
    const QString& deleteQuestion() const { return deleteQuestion_; }

    // ---- the current cell
    QString currentField() const;
    int currentRow() const;
    bool isEditing() const { return !editor_.isNull(); }
    QWidget* currentEditor() const { return editor_; }
    bool isCellEditable(const QModelIndex& index) const;
    // Makes the cell of that row and field current (the data set follows).
    void setCurrentCell(int row, const QString& field);
    // Writes and closes the open editor; false when its text does not
    // convert (the error was reported and the editor stays open).
    bool commitEditor();
    void cancelEditor();

    // ---- line operations, as the keys do them
    void moveToNextCell();
    void insertLine();
    void appendLine();
    // Asks the delete question; Yes deletes the current line.
    void deleteLine();

    // Called before the grid's own handling of a key (the editor's keys
    // included); answering true means the form handled it.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> onKeyDown;
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> onKeyUp;
    // Reports a text that does not convert ("'x' is not a valid date");
    // the modal seam's error box when not set.
    std::function<void(const QString& message)> onEditError;

signals:
    void titleClicked(const QString& field);
    void searchRequested(const QString& field);
    void columnEntered(const QString& field);
    // An editor opened on the current cell, and closed after writing its
    // value (previous: the field's value before).
    void editorEntered(const QString& field);
    void editorExited(const QString& field, const QVariant& previous);
    // The focus came into the grid (or one of its editors) from elsewhere on
    // the form, or left it for another control of the form.
    void gridEntered();
    void gridExited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    using QTableView::edit;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class GridDelegate;

    bool handleKey(QKeyEvent* event, QWidget* editor);
    bool handleKeyUp(QKeyEvent* event);
    bool writeEditor(QWidget* editor, const QModelIndex& index);
    void editorCreated(QWidget* editor, const QModelIndex& index);
    void editorDestroyed(QWidget* editor);
    void reportError(const QString& message);
    void flushExit();
    void followDataSet(int row);
    void restoreCurrent();
    void applyGeometry();
    void openEditorAt(const QModelIndex& index);
    void enterLine(int preferredColumn);
    void resolveLooks();
    int firstEditableColumn(int row) const;
    int nextEditableColumn(int row, int after) const;
    bool untouchedNewLine() const;
    void focusChanged(QWidget* old, QWidget* now);
    void updateIndicator(int row);

    QPointer<data::DataSet> ds_;
    DocGridModel* model_ = nullptr;
    GridDelegate* delegate_ = nullptr;
    QVector<QMetaObject::Connection> dsConnections_;
    QMetaObject::Connection focusConnection_;
    QVector<GridColumn> columns_;
    QHash<QString, GridEditor> editors_; // by lower-case name
    struct Formats {
        QString display;
        QString edit;
    };
    QHash<QString, Formats> formats_; // by lower-case field
    QSet<QString> hidden_;            // lower-case fields
    QString deleteQuestion_;
    QPointer<QWidget> editor_;
    QPersistentModelIndex editorIndex_;
    struct PendingExit {
        QString field;
        QVariant previous;
    };
    std::optional<PendingExit> pendingExit_;
    QString lastField_;
    int indicatorRow_ = -1;
    int dsChanging_ = 0;
    bool syncing_ = false;
    bool insertAllowed_ = true;
    bool deleteAllowed_ = true;
    bool editingAllowed_ = true;
    bool cancelOnExit_ = true;
    bool lineTouched_ = false;
    bool focusInside_ = false;

    friend class DocGridModel;
};

} // namespace zelt::ui
