#pragma once

#include "platform/data/DataError.h"
#include "platform/data/Dialect.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QVariant>
#include <QVector>

#include <functional>

namespace zelt::data {

class DataSet;
class UpdateSql;

enum class DataSetState { Inactive, Browse, Edit, Insert };
enum class UpdateStatus { Unmodified, Modified, Inserted, Deleted };

struct FieldDef {
    QString name;
    ValueKind kind = ValueKind::Raw;
    int size = 0;
};

// A field of the current record, by position; cheap to copy.
class Field {
public:
    Field(DataSet* ds, int index)
        : ds_(ds)
        , index_(index) {}

    const QString& name() const;
    ValueKind kind() const;
    int index() const { return index_; }

    QVariant value() const;
    QVariant oldValue() const;
    bool isNull() const;
    QString asString() const;
    int asInteger() const;
    qint64 asLargeInt() const;
    double asFloat() const;
    QDate asDate() const;
    QDateTime asDateTime() const;

    void setValue(const QVariant& value) const;
    void clear() const { setValue(QVariant()); }

private:
    DataSet* ds_;
    int index_;
};

// Rows held on the client, a current record, edit and insert states and
// cached updates that an UpdateSql writes to the database. The common part
// of queries and memory tables.
class DataSet : public QObject {
    Q_OBJECT
public:
    explicit DataSet(const QString& name = {}, QObject* parent = nullptr);
    ~DataSet() override;

    // ---- structure
    int fieldCount() const { return int(fields_.size()); }
    const FieldDef& fieldDef(int i) const { return fields_[i]; }
    int fieldIndex(const QString& name) const; // -1 when absent; ignores case
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    Field field(const QString& name); // a DatabaseError when absent
    Field fieldByName(const QString& name) { return field(name); }
    Field field(int i) { return Field(this, i); }
    QVariant value(const QString& name) const;
    void setValue(const QString& name, const QVariant& value);

    // ---- state and navigation
    bool isActive() const { return state_ != DataSetState::Inactive; }
    DataSetState state() const { return state_; }
    int recordCount() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }
    int recNo() const { return current_; } // 0-based, -1 when empty
    void setRecNo(int row);
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    // Finds the first row whose field equals the value (texts without regard
    // to case); moves there and answers true, or stays and answers false.
    bool locate(const QString& fieldName, const QVariant& value);

    // ---- editing
    void edit();
    void insert(); // a new row before the current one
    void append(); // a new row at the end
    void post();
    void cancel();
    void remove();
    void checkBrowseOrPost(); // posts a pending edit, as moving away does

    // ---- cached updates
    bool cachedUpdates() const { return cachedUpdates_; }
    void setCachedUpdates(bool on) { cachedUpdates_ = on; }
    void setUpdateObject(UpdateSql* u) { updateObject_ = u; }
    UpdateSql* updateObject() const { return updateObject_; }
    bool updatesPending() const;
    UpdateStatus updateStatus() const;
    // Writes every changed row through the update object: deletions first,
    // then the rows in their order. Raises the first error; the cache is then
    // unchanged, so the user can try again after the rollback.
    void applyUpdates();
    // After the transaction commits: the cache becomes the stored state.
    void commitUpdates();
    // Back to the rows as they were read.
    void cancelUpdates();

    // ---- raw access for models and for the update object
    const QVariant& cell(int row, int column) const { return rows_[row].values[column]; }
    QVariant oldCell(int row, int column) const;
    void setCell(int row, int column, const QVariant& value); // moves to the row, edits, sets

    // ---- events, named after the original's
    std::function<void(DataSet&)> afterOpen, afterClose, afterScroll, beforePost, afterPost, onNewRecord,
        beforeInsert, afterInsert, beforeEdit, afterEdit, beforeDelete, afterDelete, afterCancel;
    std::function<void(DataSet&, Field)> onFieldChange;

    void close();
    // While disabled, attached views are not told of each change; enabling
    // tells them once (a form filling many lines by program).
    void disableControls() { ++controlsDisabled_; }
    void enableControls();
    bool controlsDisabled() const { return controlsDisabled_ > 0; }

signals:
    // Before a pending edit is posted (by post() or by moving away): bound
    // controls write what the user typed but has not left yet. A listener
    // that refuses the value sets *accepted to false; the post then stops
    // with an AbortError, the user having been told already.
    void aboutToPost(bool* accepted);
    // Models follow the rows through these pairs.
    void aboutToReset();
    void rowAboutToBeInserted(int row);
    void rowAboutToBeRemoved(int row);
    void structureChanged();
    void rowsReset();
    void rowChanged(int row);
    void rowInserted(int row);
    void rowRemoved(int row);
    void currentChanged(int row);
    void stateChanged();

protected:
    struct Row {
        QVector<QVariant> values;
        QVector<QVariant> old; // the values as read, kept from the first change on
        UpdateStatus status = UpdateStatus::Unmodified;
        int deletedAt = -1; // a deleted row: its place among the read rows then
    };

    void setFields(QVector<FieldDef> fields);
    void setRows(QVector<Row> rows);
    void setContent(QVector<FieldDef> fields, QVector<Row> rows);
    void activate(); // after the rows are in place: Browse, first row, afterOpen
    QVector<Row>& rows() { return rows_; }
    virtual void applyRow(const Row& row, UpdateStatus status);

private:
    friend class Field;
    void setState(DataSetState s);
    void requireActive() const;
    void moveTo(int row);
    void startInsert(int at);
    void fieldChanged(int column);
    Row& currentRow();

    QVector<FieldDef> fields_;
    QVector<Row> rows_;
    QVector<Row> deleted_; // rows removed from the cache, still to be deleted in the database
    int current_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    DataSetState state_ = DataSetState::Inactive;
    Row editBackup_;
    int insertedAt_ = -1;
    bool cachedUpdates_ = false;
    UpdateSql* updateObject_ = nullptr;
    int controlsDisabled_ = 0;
};

// Conversions shared by fields, parameters and models.
QString variantToString(const QVariant& v);
double variantToFloat(const QVariant& v);
bool sameValue(const QVariant& a, const QVariant& b);
// A value as a field of that kind holds it; text that does not convert
// raises the run-time's conversion error.
QVariant coerceValue(const QVariant& v, ValueKind kind);

} // namespace zelt::data
