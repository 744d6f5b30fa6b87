#include "masters/Dm_Service.h"

#include "masters/MasterQuery.h"
#include "platform/data/Query.h"

namespace zelt::masters {

TDmService* DmService = nullptr;

namespace {

const char* const kChkServiceSql =
    "SELECT P.Id, P.Code, P.ThaiName, P.EngName, P.PosName, P.ProductType, P.UseSerial, P.CheckSerialPurc,\n"
    "  P.CheckSerialSale, P.CheckSerialStock, P.CheckSerialOnhand, P.LotControl, P.TaxCode, P.DefaultWh,\n"
    "  T.Rate TaxRate, P.Discount, W.Code WhCode, W.Name WhName,P.PriceIE ,P.PrintFrac,P.Discount\n"
    "FROM Product P\n"
    "INNER JOIN Tax T On (T.Id = P.TaxCode)\n"
    "INNER JOIN Warehouse W On (W.Id = P.DefaultWh)\n"
    "WHERE (P.Code = :GetCode) AND (P.Blocked <> 'Y') And (ProductType = 'S')";

} // namespace

TDmService::TDmService(QObject* parent)
    : QObject(parent) {
    setObjectName(QStringLiteral("DmService"));
    if (!DmService)
        DmService = this;
    QChkService = makeMasterQuery("QChkService", kChkServiceSql, this);
}

TDmService::~TDmService() {
    if (DmService == this)
        DmService = nullptr;
}

bool TDmService::ExistsService(const QString& code) {
    QChkService->setParam(QStringLiteral("GetCode"), code);
    return openFound(*QChkService);
}

} // namespace zelt::masters
