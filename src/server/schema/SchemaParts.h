#pragma once

// The schema is written per subject, one file each; Schema.cpp puts the parts
// together in the order the tables are created.

#include "server/Schema.h"

#include <vector>

namespace zelt::server::schema {

// Configuration database: companies, users, menus, rights, error log.
std::vector<TableDef> configDatabaseTables();

// Company database.
std::vector<TableDef> settingTables();  // settings, numbering, periods, tax, codes, currencies
std::vector<TableDef> partyTables();    // vendors, foreign vendors, their groups, contacts, balances
std::vector<TableDef> productTables();  // products, units, warehouses, lots, prices, stock
std::vector<TableDef> purchaseTables(); // requisitions, purchase orders, foreign orders, ship-to
std::vector<TableDef> receiptTables();  // receipts, cash purchases, deposits, serials, payments
std::vector<TableDef> importTables();   // import lots, import documents, duties, expense payments
std::vector<TableDef> salesTables();    // customers, salesmen, projects, sales and service orders
std::vector<TableDef> suiteTables();    // work orders, ledger, user log, print forms, helpers

} // namespace zelt::server::schema
