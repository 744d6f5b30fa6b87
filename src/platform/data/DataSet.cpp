#include "platform/data/DataSet.h"

#include "platform/data/UpdateSql.h"

#include <algorithm>
#include <cmath>

namespace zelt::data {

// ---------------------------------------------------------------- DataSet

DataSet::DataSet(const QString& name, QObject* parent)
    : QObject(parent) {
    setObjectName(name);
}

DataSet::~DataSet() = default;

int DataSet::fieldIndex(const QString& name) const {
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Field DataSet::field(const QString& name) {
    const int i = fieldIndex(name);
    if (i < 0)
        throw DatabaseError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
    return Field(this, i);
}

QVariant DataSet::value(const QString& name) const {
    return const_cast<DataSet*>(this)->field(name).value();
}
void DataSet::setValue(const QString& name, const QVariant& v) {
    field(name).setValue(v);
}

void DataSet::requireActive() const {
    if (state_ == DataSetState::Inactive)
        throw DatabaseError(
            QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(objectName()));
}

void DataSet::setState(DataSetState s) {
    if (state_ == s)
        return;
    state_ = s;
    emit stateChanged();
}

void DataSet::setFields(QVector<FieldDef> fields) {
    emit aboutToReset();
    fields_ = std::move(fields);
    emit structureChanged();
    emit rowsReset();
}

void DataSet::setContent(QVector<FieldDef> fields, QVector<Row> rows) {
    emit aboutToReset();
    const bool changed =
        fields.size() != fields_.size() ||
        !std::equal(fields.begin(), fields.end(), fields_.begin(), [](const FieldDef& a, const FieldDef& b) {
            return a.name == b.name && a.kind == b.kind;
        });
    fields_ = std::move(fields);
    rows_ = std::move(rows);
    deleted_.clear();
    current_ = rows_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.isEmpty();
    if (changed)
        emit structureChanged();
    emit rowsReset();
}

void DataSet::setRows(QVector<Row> rows) {
    emit aboutToReset();
    rows_ = std::move(rows);
    deleted_.clear();
    current_ = rows_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.isEmpty();
    emit rowsReset();
}

void DataSet::activate() {
    state_ = DataSetState::Inactive;
    setState(DataSetState::Browse);
    if (afterOpen)
        afterOpen(*this);
    emit currentChanged(current_);
    if (afterScroll)
        afterScroll(*this);
}

void DataSet::close() {
    if (state_ == DataSetState::Inactive)
        return;
    emit aboutToReset();
    rows_.clear();
    deleted_.clear();
    current_ = -1;
    bof_ = eof_ = true;
    setState(DataSetState::Inactive);
    emit rowsReset();
    if (afterClose)
        afterClose(*this);
}

void DataSet::enableControls() {
    if (controlsDisabled_ > 0 && --controlsDisabled_ == 0) {
        emit aboutToReset();
        emit rowsReset();
    }
}

void DataSet::moveTo(int row) {
    requireActive();
    checkBrowseOrPost();
    if (rows_.isEmpty()) {
        current_ = -1;
        bof_ = eof_ = true;
        return;
    }
    const int target = qBound(0, row, int(rows_.size()) - 1);
    bof_ = eof_ = false;
    if (target == current_)
        return;
    current_ = target;
    emit currentChanged(current_);
    if (afterScroll)
        afterScroll(*this);
}

void DataSet::setRecNo(int row) {
    moveTo(row);
}

void DataSet::first() {
    moveTo(0);
    bof_ = true;
    eof_ = rows_.isEmpty();
}

void DataSet::last() {
    moveTo(int(rows_.size()) - 1);
    eof_ = true;
    bof_ = rows_.isEmpty();
}

void DataSet::next() {
    if (current_ >= rows_.size() - 1) {
        checkBrowseOrPost();
        eof_ = true;
        return;
    }
    moveTo(current_ + 1);
    bof_ = false;
}

void DataSet::prior() {
    if (current_ <= 0) {
        checkBrowseOrPost();
        bof_ = true;
        return;
    }
    moveTo(current_ - 1);
    eof_ = false;
}

bool DataSet::locate(const QString& fieldName, const QVariant& value) {
    const int col = field(fieldName).index();
    for (int r = 0; r < rows_.size(); ++r) {
        const QVariant& v = rows_[r].values[col];
        const bool equal =
            (v.typeId() == QMetaType::QString || value.typeId() == QMetaType::QString)
                ? !v.isNull() && v.toString().compare(value.toString(), Qt::CaseInsensitive) == 0
                : sameValue(v, value);
        if (equal) {
            moveTo(r);
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}

DataSet::Row& DataSet::currentRow() {
    return rows_[current_];
}

void DataSet::edit() {
    requireActive();
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert)
        return;
    if (rows_.isEmpty()) {
        append();
        return;
    }
    if (beforeEdit)
        beforeEdit(*this);
    editBackup_ = currentRow();
    setState(DataSetState::Edit);
    if (afterEdit)
        afterEdit(*this);
}

void DataSet::startInsert(int at) {
    requireActive();
    checkBrowseOrPost();
    if (beforeInsert)
        beforeInsert(*this);
    Row row;
    row.values.resize(fields_.size());
    row.status = UpdateStatus::Inserted;
    at = qBound(0, at, int(rows_.size()));
    emit rowAboutToBeInserted(at);
    rows_.insert(at, row);
    insertedAt_ = at;
    current_ = at;
    bof_ = eof_ = false;
    emit rowInserted(at);
    state_ = DataSetState::Insert;
    emit stateChanged();
    emit currentChanged(current_);
    if (onNewRecord)
        onNewRecord(*this);
    if (afterInsert)
        afterInsert(*this);
}

void DataSet::insert() {
    startInsert(current_ < 0 ? 0 : current_);
}
void DataSet::append() {
    startInsert(int(rows_.size()));
}

void DataSet::post() {
    requireActive();
    if (state_ != DataSetState::Edit && state_ != DataSetState::Insert)
        return;
    bool accepted = true;
    emit aboutToPost(&accepted);
    if (!accepted)
        throw AbortError();
    if (beforePost)
        beforePost(*this);
    Row& row = currentRow();
    if (state_ == DataSetState::Edit && row.status == UpdateStatus::Unmodified) {
        if (row.values != editBackup_.values) {
            row.old = editBackup_.values;
            row.status = UpdateStatus::Modified;
        }
    }
    const DataSetState was = state_;
    if (!cachedUpdates_) {
        // A live data set writes each posted row at once; without an update
        // object (a memory table) the posted row simply is the row.
        const UpdateStatus st = row.status;
        if (updateObject_ && st != UpdateStatus::Unmodified)
            applyRow(row, st);
        row.status = UpdateStatus::Unmodified;
        row.old.clear();
    }
    Q_UNUSED(was);
    insertedAt_ = -1;
    editBackup_ = Row();
    setState(DataSetState::Browse);
    emit rowChanged(current_);
    if (afterPost)
        afterPost(*this);
}

void DataSet::cancel() {
    if (state_ == DataSetState::Insert) {
        const int at = insertedAt_ >= 0 ? insertedAt_ : current_;
        emit rowAboutToBeRemoved(at);
        rows_.remove(at);
        insertedAt_ = -1;
        setState(DataSetState::Browse);
        emit rowRemoved(at);
        current_ = rows_.isEmpty() ? -1 : qMin(at, int(rows_.size()) - 1);
        eof_ = bof_ = rows_.isEmpty();
        emit currentChanged(current_);
    } else if (state_ == DataSetState::Edit) {
        currentRow() = editBackup_;
        editBackup_ = Row();
        setState(DataSetState::Browse);
        emit rowChanged(current_);
    } else {
        return;
    }
    if (afterCancel)
        afterCancel(*this);
}

void DataSet::remove() {
    requireActive();
    if (state_ == DataSetState::Insert) {
        cancel();
        return;
    }
    if (state_ == DataSetState::Edit)
        cancel();
    if (rows_.isEmpty())
        throw DatabaseError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    if (beforeDelete)
        beforeDelete(*this);
    Row row = rows_[current_];
    if (row.status != UpdateStatus::Inserted) {
        if (!cachedUpdates_ && updateObject_)
            applyRow(row, UpdateStatus::Deleted);
        else if (cachedUpdates_) {
            if (row.old.isEmpty())
                row.old = row.values;
            row.status = UpdateStatus::Deleted;
            row.deletedAt = int(std::count_if(rows_.cbegin(), rows_.cbegin() + current_, [](const Row& r) {
                return r.status != UpdateStatus::Inserted;
            }));
            deleted_.push_back(row);
        }
    }
    const int at = current_;
    emit rowAboutToBeRemoved(at);
    rows_.remove(at);
    emit rowRemoved(at);
    current_ = rows_.isEmpty() ? -1 : qMin(at, int(rows_.size()) - 1);
    eof_ = rows_.isEmpty() || at >= rows_.size();
    bof_ = rows_.isEmpty();
    emit currentChanged(current_);
    if (afterDelete)
        afterDelete(*this);
    if (afterScroll)
        afterScroll(*this);
}

void DataSet::checkBrowseOrPost() {
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert)
        post();
}

void DataSet::fieldChanged(int column) {
    emit rowChanged(current_);
    if (onFieldChange)
        onFieldChange(*this, Field(this, column));
}

QVariant DataSet::oldCell(int row, int column) const {
    const Row& r = rows_[row];
    if (!r.old.isEmpty())
        return r.old[column];
    if (r.status == UpdateStatus::Inserted)
        return {};
    if (state_ == DataSetState::Edit && row == current_ && !editBackup_.values.isEmpty())
        return editBackup_.values[column];
    return r.values[column];
}

void DataSet::setCell(int row, int column, const QVariant& value) {
    if (row != current_)
        moveTo(row);
    edit();
    Field(this, column).setValue(value);
}

bool DataSet::updatesPending() const {
    if (!deleted_.isEmpty())
        return true;
    for (const Row& r : rows_)
        if (r.status != UpdateStatus::Unmodified)
            return true;
    return false;
}

UpdateStatus DataSet::updateStatus() const {
    if (current_ < 0)
        return UpdateStatus::Unmodified;
    return rows_[current_].status;
}

void DataSet::applyRow(const Row& row, UpdateStatus status) {
    if (!updateObject_)
        throw DatabaseError(QStringLiteral("%1: no update object to write the changes").arg(objectName()));
    QVector<QVariant> old = row.old.isEmpty() ? row.values : row.old;
    updateObject_->apply(status, fields_, row.values, old);
}

void DataSet::applyUpdates() {
    requireActive();
    checkBrowseOrPost();
    if (!updatesPending())
        return;
    if (!updateObject_)
        throw DatabaseError(QStringLiteral("%1: no update object to write the changes").arg(objectName()));
    updateObject_->beginApply();
    struct End {
        UpdateSql* u;
        ~End() { u->endApply(); }
    } end{updateObject_};
    for (const Row& r : deleted_)
        applyRow(r, UpdateStatus::Deleted);
    for (const Row& r : rows_)
        if (r.status != UpdateStatus::Unmodified)
            applyRow(r, r.status);
}

void DataSet::commitUpdates() {
    deleted_.clear();
    for (Row& r : rows_) {
        r.status = UpdateStatus::Unmodified;
        r.old.clear();
    }
}

void DataSet::cancelUpdates() {
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert)
        cancel();
    emit aboutToReset();
    QVector<Row> kept;
    kept.reserve(rows_.size() + deleted_.size());
    for (Row& r : rows_) {
        if (r.status == UpdateStatus::Inserted)
            continue;
        if (r.status == UpdateStatus::Modified)
            r.values = r.old;
        r.old.clear();
        r.status = UpdateStatus::Unmodified;
        kept.push_back(std::move(r));
    }
    // Undone in reverse order, each deleted row goes back to the place it
    // had among the read rows when it was deleted: the rows as read.
    for (auto it = deleted_.rbegin(); it != deleted_.rend(); ++it) {
        Row r = std::move(*it);
        r.values = r.old;
        r.old.clear();
        r.status = UpdateStatus::Unmodified;
        const int at = r.deletedAt < 0 ? int(kept.size()) : qMin(r.deletedAt, int(kept.size()));
        r.deletedAt = -1;
        kept.insert(at, std::move(r));
    }
    deleted_.clear();
    rows_ = std::move(kept);
    current_ = rows_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.isEmpty();
    emit rowsReset();
    emit currentChanged(current_);
}

} // namespace zelt::data
