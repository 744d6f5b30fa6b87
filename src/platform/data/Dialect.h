#pragma once

#include "platform/data/ColumnType.h"
#include "platform/data/DataError.h"
#include "platform/data/Server.h"

#include <QSqlError>
#include <QStringList>
#include <QVariant>

#include <memory>

class QSqlDatabase;

namespace zelt::data {

// How a column's stored value becomes the value the program reads, decided
// once per result column.
enum class ValueKind { Raw, Int, Float, Text, Date, DateTime, Blob };

// What one engine does differently. Asked by the layer and by the schema,
// never by forms: statements are written once in the subset both engines
// accept, using YEAR(), MONTH(), DAY() and GETDATE() like the original server
// where they need them (both engines provide those functions).
class Dialect {
public:
    virtual ~Dialect() = default;

    virtual Engine engine() const = 0;
    virtual QString driverName() const = 0;

    // DDL of a column type; ColType::Id gives the identity primary key.
    virtual QString typeSql(ColType type, int size) const = 0;
    // Statements that prepare a new database for our statements (extensions,
    // the original server's functions).
    virtual QStringList setupSql() const = 0;

    virtual QString beginSql() const = 0;
    // True when a failed statement leaves the open transaction unusable (it
    // can then only be rolled back, whatever COMMIT answers).
    virtual bool failureAbortsTransaction() const = 0;
    // One row, one column: the identity most recently generated on the
    // connection, null when none.
    virtual QString lastIdentitySql() const = 0;
    // Parameters :TableName, :ColumnName; a row when the column exists. Names
    // are compared trimmed and upper-cased.
    virtual QString columnExistsSql() const = 0;
    // Every column of every table and view: rows of (table name, column name).
    virtual QString allColumnsSql() const = 0;
    // Parameter :TableName; a row when the table or view exists.
    virtual QString tableExistsSql() const = 0;

    // Called after every connect, before any statement of the program.
    virtual void afterOpen(QSqlDatabase& db) const = 0;

    // A value as the driver should bind it.
    virtual QVariant toDb(const QVariant& value) const = 0;
    // The kind of a result column, from what the driver reports.
    virtual ValueKind kindOf(const QString& declaredType, int metaTypeId) const = 0;
    static QVariant fromDb(const QVariant& value, ValueKind kind);

    // The engine's error in the wording of the original server where the
    // program recognises that wording, followed by the engine's own text.
    virtual QString translateError(const QSqlError& error) const = 0;

    static std::unique_ptr<Dialect> create(Engine engine);
};

} // namespace zelt::data
