#include "platform/data/MemoryTable.h"

namespace zelt::data {

MemoryTable::MemoryTable(const QString& name, QObject* parent)
    : DataSet(name, parent) {}

void MemoryTable::addField(const QString& name, ValueKind kind, int size) {
    if (isActive())
        throw DatabaseError(
            QStringLiteral("%1: Cannot perform this operation on an open dataset").arg(objectName()));
    if (hasField(name))
        throw DatabaseError(QStringLiteral("%1: Duplicate field name '%2'").arg(objectName(), name));
    QVector<FieldDef> fields;
    for (int i = 0; i < fieldCount(); ++i)
        fields.push_back(fieldDef(i));
    fields.push_back({name, kind, size});
    setFields(std::move(fields));
}

void MemoryTable::clearFields() {
    close();
    setFields({});
}

void MemoryTable::open() {
    close();
    setRows({});
    activate();
}

void MemoryTable::emptyTable() {
    if (!isActive()) {
        open();
        return;
    }
    checkBrowseOrPost();
    setRows({});
    emit currentChanged(-1);
}

void MemoryTable::loadFrom(const DataSet& source) {
    close();
    QVector<FieldDef> fields;
    for (int i = 0; i < source.fieldCount(); ++i)
        fields.push_back(source.fieldDef(i));
    QVector<Row> rows;
    rows.reserve(source.recordCount());
    for (int r = 0; r < source.recordCount(); ++r) {
        Row row;
        for (int c = 0; c < source.fieldCount(); ++c)
            row.values.push_back(source.cell(r, c));
        rows.push_back(std::move(row));
    }
    setContent(std::move(fields), std::move(rows));
    activate();
}

} // namespace zelt::data
