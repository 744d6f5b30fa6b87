#pragma once

// Helpers shared by the demo loaders. Internal to the demo data.

#include "platform/data/Params.h"
#include "platform/format/Decimal.h"

#include <QDate>
#include <QString>

namespace zelt::data {
class Database;
} // namespace zelt::data

namespace zelt::server {
struct DemoOptions;
}

namespace zelt::server::demo {

using namespace Qt::Literals::StringLiterals;

// Money of the demo documents, to the satang as the forms round it.
inline double round2(double v) {
    return format::roundToDecimals(v, 2);
}

// UTF-8 text of the data tables below (Thai names are written as UTF-8).
inline QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// Inserts one row whose parameters are named after the columns; returns the
// identity the database gave it.
int insertRow(data::Database& db, const QString& table, const data::ParamList& values);
// The same for tables without an identity column.
void insertPlain(data::Database& db, const QString& table, const data::ParamList& values);

// The Id of the row with that Code; raises when there is none.
int idOf(data::Database& db, const QString& table, const QString& code);
int miscId(data::Database& db, const QString& group, const QString& code);

// The accounting year the demo runs in.
int demoRunYear(const DemoOptions& options);
// The demo's "today": today in the run year, else the middle of that year.
// Demo documents are dated shortly before it, in periods still open.
QDate demoToday(int runYear);
// The first day that is still open for postings (see loadDemoSettings).
QDate firstOpenDay(int runYear);

// Two digits of the Buddhist year (Christian year + 543), as Thai companies
// print them in document numbers: 2026 gives "69".
QString buddhistYY(int christianYear);

// The EAN/GTIN check digit of the digits given.
QChar gtinCheckDigit(const QString& digits);

// Company data, loaded by loadDemoCompany in this order.
void loadDemoSettings(data::Database& db, int runYear); // Config, Tax, Misc, rates, numbering, periods, forms
void loadDemoParties(data::Database& db, int runYear);  // vendor groups, foreign and local vendors
void loadDemoProducts(data::Database& db, int runYear); // warehouses, products, units, part codes, lots
void loadDemoDocuments(data::Database& db, int runYear); // foreign orders, an import, import expenses

} // namespace zelt::server::demo
