#pragma once

#include <QString>

namespace zelt::data {
class Database;
} // namespace zelt::data

namespace zelt::server {

struct DemoOptions {
    bool large = false; // also load the benchmark volume (loadLargeVolume)
    int runYear = 0;    // 0: the current year
};

// Fills an empty configuration database (its company, users, menus, rights)
// for company code DEMO, whose data lives in companyDatabase.
void loadDemoConfig(data::Database& config, const QString& companyDatabase, const DemoOptions& options);

// Fills an empty company database with the demo company's data.
void loadDemoCompany(data::Database& company, const DemoOptions& options);

// Adds volume for benchmarks: 100,000 products, 10,000 vendors (local and
// foreign each), 50,000 foreign orders with their lines.
void loadLargeVolume(data::Database& company, int runYear);

} // namespace zelt::server
