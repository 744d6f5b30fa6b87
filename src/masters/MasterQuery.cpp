#include "masters/MasterQuery.h"

#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "shell/Dm_Config.h"
#include "shell/U_DM.h"

namespace zelt::masters {

data::Query* makeMasterQuery(const char* name, const char* sql, QObject* parent) {
    auto* q = new data::Query(shell::DM ? shell::DM->DMdata : nullptr, QString::fromUtf8(name), parent);
    q->setObjectName(QString::fromUtf8(name));
    q->setSql(QString::fromUtf8(sql));
    return q;
}

bool openFound(data::Query& query) {
    query.open();
    return !query.isEmpty();
}

QVariant configValue(const QString& column) {
    shell::TDM* dm = shell::DM;
    if (!dm)
        return {};
    if (!dm->DMdata->isOpen())
        dm->DMdata->open();
    if (!dm->QConfig->isActive())
        dm->QConfig->open();
    return dm->QConfig->value(column);
}

bool configFlagSet(const QString& column) {
    return configValue(column).toString().trimmed() == QStringLiteral("Y");
}

int currentUserId() {
    return shell::DMConfig ? shell::DMConfig->UserId : 0;
}

void bindUserWarehouses(data::Query& query) {
    if (query.params().contains(QStringLiteral("UserWh")))
        query.setParam(QStringLiteral("UserWh"), currentUserId());
}

QString userWarehouseFilter() {
    return QStringLiteral("W.Id In (Select Warehouse From UserWarehouse Where UserName = :UserWh )");
}

} // namespace zelt::masters
