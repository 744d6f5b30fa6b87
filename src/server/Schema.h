#pragma once

#include "platform/data/ColumnType.h"

#include <vector>

namespace zelt::server {

using data::ColType;

struct ColumnDef {
    const char* name;
    ColType type;
    int size = 0; // characters, for ColType::Text only
    bool notNull = false;
    const char* defaultValue = nullptr; // SQL literal both engines accept, e.g. "0" or "'N'"
};

struct IndexDef {
    const char* name; // unique in the database, e.g. "IX_PoHd_PoNo"
    std::vector<const char*> columns;
    bool unique = false;
};

struct TableDef {
    const char* name;               // as the statements spell it, e.g. "FrPoHd"
    std::vector<ColumnDef> columns; // an Id column, when present, is the primary key
    std::vector<IndexDef> indexes;
    std::vector<const char*> primaryKey = {}; // only for tables without an Id column
};

// The one source of truth of both databases, for both engines.
const std::vector<TableDef>& configTables();  // the configuration database (ZELT_CONFIG)
const std::vector<TableDef>& companyTables(); // every company database

} // namespace zelt::server
