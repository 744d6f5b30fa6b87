#include "masters/Dm_Misc.h"

#include "masters/MasterQuery.h"
#include "platform/data/Query.h"

namespace zelt::masters {

TDmMisc* DmMisc = nullptr;

namespace {

const char* const kChkMiscSql =
    "SELECT P.Id, P.Code, P.ThaiName, P.EngName, P.PosName, P.ProductType, P.UseSerial, P.CheckSerialPurc,\n"
    "  P.CheckSerialSale, P.CheckSerialStock, P.CheckSerialOnhand, P.LotControl, P.TaxCode, P.DefaultWh,\n"
    "  T.Rate TaxRate, P.Discount, W.Code WhCode, W.Name WhName\n"
    "FROM Product P\n"
    "INNER JOIN Tax T On (T.Id = P.TaxCode)\n"
    "INNER JOIN Warehouse W On (W.Id = P.DefaultWh)\n"
    "WHERE (P.Code = :GetCode) AND (P.Blocked <> 'Y') And (ProductType = 'M')";

} // namespace

TDmMisc::TDmMisc(QObject* parent)
    : QObject(parent) {
    setObjectName(QStringLiteral("DmMisc"));
    if (!DmMisc)
        DmMisc = this;
    QChkMisc = makeMasterQuery("QChkMisc", kChkMiscSql, this);
}

TDmMisc::~TDmMisc() {
    if (DmMisc == this)
        DmMisc = nullptr;
}

bool TDmMisc::ExistsMisc(const QString& code) {
    QChkMisc->setParam(QStringLiteral("GetCode"), code);
    return openFound(*QChkMisc);
}

} // namespace zelt::masters
