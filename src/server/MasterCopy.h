#pragma once

#include "platform/data/Params.h"

namespace zelt::data {
class Database;
} // namespace zelt::data

namespace zelt::server {

// CopyAndUpdateMR(@DocNo): a saved credit receipt, header and lines, copied on
// to the company's master database on the same server, replacing an earlier
// copy of the same receipt. The master database is the one Config.MasterDatabase
// names, or Config.MainDbName when MasterDatabase holds only the flag "Y".
void copyAndUpdateMR(data::Database& db, data::ParamList& params);

} // namespace zelt::server
