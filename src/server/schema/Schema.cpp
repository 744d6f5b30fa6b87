// The two databases, put together from their parts in creation order.

#include "server/Schema.h"
#include "server/schema/SchemaParts.h"

namespace zelt::server {

namespace {

void append(std::vector<TableDef>& all, std::vector<TableDef> part) {
    for (auto& t : part)
        all.push_back(std::move(t));
}

} // namespace

const std::vector<TableDef>& configTables() {
    static const std::vector<TableDef> tables = schema::configDatabaseTables();
    return tables;
}

const std::vector<TableDef>& companyTables() {
    static const std::vector<TableDef> tables = [] {
        std::vector<TableDef> all;
        append(all, schema::settingTables());
        append(all, schema::partyTables());
        append(all, schema::productTables());
        append(all, schema::salesTables());
        append(all, schema::purchaseTables());
        append(all, schema::receiptTables());
        append(all, schema::importTables());
        append(all, schema::suiteTables());
        return all;
    }();
    return tables;
}

} // namespace zelt::server
