#pragma once

#include "platform/data/DataSet.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>

class QWidget;

namespace zelt::ui {

class DbControl;

// The tie between one data-aware control and one field of a data set. It
// follows the data set (opening, closing, scrolling, rows changed by the
// program, state changes) and tells its control to show the current value
// again; it puts the data set into edit state when the user starts changing
// the control and writes the control's value into the field.
//
// A change the user has begun ("pending") survives rows being changed by the
// program as long as the bound field itself keeps the value the control
// showed; moving to another record, reopening, closing, posting or cancelling
// drops it and shows the field again, as the data set is then somewhere else.
class DataLink : public QObject {
    Q_OBJECT
public:
    explicit DataLink(DbControl& control);
    ~DataLink() override;

    void setDataSet(data::DataSet* ds);
    data::DataSet* dataSet() const { return ds_; }
    DbControl& control() const { return control_; }
    void setFieldName(const QString& name);
    const QString& fieldName() const { return fieldName_; }

    // Open, and the field is one of its fields.
    bool active() const;
    int fieldIndex() const;
    // The field's declaration; a default one when not active.
    data::FieldDef fieldDef() const;
    // The field of the current record; null when not active or without rows.
    QVariant value() const;

    bool pending() const { return pending_; }
    // The user has started changing the control: the data set goes into edit
    // state (an empty one appends a row, its own rule). Raises what the data
    // set's edit raises.
    void beginUserEdit();
    // Writes a value into the field (into edit state first) and shows the
    // field again. Raises what the data set raises.
    void write(const QVariant& value);
    // Shows the field's value again, dropping a pending change.
    void showCurrent();

private:
    void attach();
    void detach();
    void onCurrentChanged();
    void onRowChanged(int row);
    void onReset();
    void onStateChanged();

    DbControl& control_;
    QPointer<data::DataSet> ds_;
    QString fieldName_;
    QVariant shown_;
    bool pending_ = false;
    int ownChange_ = 0; // our own edit or write is running: the data set's signals are ours
    QList<QMetaObject::Connection> connections_;
};

// What every data-aware control has: the binding, the commit of a pending
// change, and read-only. The widget classes derive from their Qt widget and
// from this.
class DbControl {
public:
    virtual ~DbControl();
    DbControl(const DbControl&) = delete;
    DbControl& operator=(const DbControl&) = delete;

    // Binds the control; the widget's object name becomes the field name
    // unless the program has named it.
    void bind(data::DataSet* ds, const QString& fieldName);
    void setDataSet(data::DataSet* ds);
    void setDataField(const QString& fieldName);
    data::DataSet* dataSet() const { return link_.dataSet(); }
    const QString& dataField() const { return link_.fieldName(); }

    // Read-only by the program; a control is also read-only while its data
    // set is closed or lacks the field.
    void setReadOnly(bool on);
    bool isReadOnly() const { return readOnly_; }
    // The user may change the value now.
    bool canModify() const { return !readOnly_ && link_.active(); }

    // The user has changed the control and the field does not hold it yet.
    bool hasPendingEdit() const { return link_.pending(); }
    // Writes a pending change into the field. A value the field cannot take
    // (text that is no number or date) is shown through the modal seam and
    // the control keeps what the user typed: false. Errors of the data set's
    // own handlers are raised.
    virtual bool commit() = 0;

protected:
    explicit DbControl(QWidget& widget);

    // Shows link().value() (also when not active: then empty).
    virtual void showValue() = 0;
    // canModify() may have changed.
    virtual void updateAccess() = 0;

    DataLink& link() { return link_; }
    const DataLink& link() const { return link_; }
    QWidget& widget() const { return widget_; }

    // Shows why a value was refused, through the modal seam.
    void refuseValue(const QString& message);
    // Gives the focus back to the control once the current event is done
    // (after a refused value, when the user tried to leave).
    void regainFocus();

private:
    friend class DataLink;
    void nameAfterField();

    QWidget& widget_;
    DataLink link_;
    bool readOnly_ = false;
    bool autoName_ = false;
};

// True when losing the focus for this reason means the user leaves the
// control (not a pop-up, a menu or another window taking the focus for a while).
bool leavesControl(Qt::FocusReason reason);

// Writes the pending changes of every control bound to the data set, as a
// save does before it posts (a toolbar shortcut leaves the focus where it is).
// False when one of them refused its value.
bool updateRecord(data::DataSet& ds);

// How a refused value is shown; by default an error message through the modal
// seam. The shell may route it through its own error translation.
using RefusalHandler = std::function<void(const QString& message, QWidget* control)>;
void setRefusalHandler(RefusalHandler handler);

} // namespace zelt::ui
