#pragma once

#include "platform/data/DataSet.h"

namespace zelt::data {

// A data set that lives only in memory: fields declared by the program, rows
// added and edited like any data set (lists the forms build and show).
class MemoryTable : public DataSet {
    Q_OBJECT
public:
    explicit MemoryTable(const QString& name = {}, QObject* parent = nullptr);

    void addField(const QString& name, ValueKind kind, int size = 0);
    void clearFields();
    // Activates the table with no rows (the declared fields kept).
    void open();
    // Removes every row, staying open.
    void emptyTable();
    // Takes the fields and rows of another data set.
    void loadFrom(const DataSet& source);
};

} // namespace zelt::data
