#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace zelt::data {
class Query;
} // namespace zelt::data

namespace zelt::masters {

// A query of a master-data module on the company connection (DMDATA), named
// as a component and as a Qt object.
data::Query* makeMasterQuery(const char* name, const char* sql, QObject* parent);

// Opens the query with the parameters set and answers whether it found a row;
// the query stays open on it.
bool openFound(data::Query& query);

// A column of the company settings row (Config), read from the company
// module's QConfig; the connection is opened first when it is not yet, which
// opens the settings. Null when the company has no settings row.
QVariant configValue(const QString& column);
bool configFlagSet(const QString& column); // the column holds "Y"

// The user of this run, as the warehouse rights know it (UserWarehouse).
int currentUserId();

// Binds the current user for the statements that keep to the user's
// warehouses, when the statement names the parameter.
void bindUserWarehouses(data::Query& query);

// The filter piece that keeps to the warehouses granted to the user of this
// run; the user is bound as :UserWh.
QString userWarehouseFilter();

} // namespace zelt::masters
