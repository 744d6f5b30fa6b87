#pragma once

#include "platform/data/Server.h"

#include <QString>

namespace zelt::server {

// The configuration database of a server: ZELT_CONFIG_LDC when the server
// has it, otherwise ZELT_CONFIG.
QString configDatabaseName(const data::ServerSpec& server);
bool configDatabaseExists(const data::ServerSpec& server);

// New databases at the current schema. createCompanyDatabase also registers
// the company (code = database name) in the configuration database.
void createConfigDatabase(const data::ServerSpec& server);
void createCompanyDatabase(const data::ServerSpec& server, const QString& name, const QString& thaiName = {},
                           const QString& englishName = {});

// Brings the configuration database and every company database it lists
// that exists on the server to the current schema. Returns the databases
// upgraded, by name.
QStringList upgradeAll(const data::ServerSpec& server);

} // namespace zelt::server
