#pragma once

#include "server/Schema.h"

#include <QStringList>

namespace zelt::data {
class Database;
class Dialect;
} // namespace zelt::data

namespace zelt::server {

enum class DatabaseKind { Config, Company };

// The version of the schema this program writes; kept in SchemaVersion.
constexpr int kSchemaVersion = 1;

// DDL of one table on one engine: the CREATE TABLE, then its indexes.
QStringList createTableSql(const data::Dialect& dialect, const TableDef& table);
QString columnSql(const data::Dialect& dialect, const TableDef& table, const ColumnDef& column,
                  bool forNewTable);

// Brings a database to the current schema, in one transaction: missing
// tables are created, missing columns added (a column is added only when the
// catalogue shows it absent), missing indexes built, views made anew.
// Running it again changes nothing. Returns the number of changes made.
int upgradeSchema(data::Database& db, DatabaseKind kind);

} // namespace zelt::server
