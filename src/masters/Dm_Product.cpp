#include "masters/Dm_Product.h"

#include "masters/MasterQuery.h"
#include "platform/data/Query.h"
#include "platform/ui/Modal.h"

namespace zelt::masters {

TDmProduct* DmProduct = nullptr;

namespace {

// Line 6 of QChkProduct joins the product's default warehouse.
constexpr int kProductWarehouseLine = 6;
// Line 3 of QChkWarehouse keeps to the user's warehouses.
constexpr int kWarehouseFilterLine = 3;

const char* const kChkProductSql =
    "SELECT P.Id, P.Code, P.ThaiName, P.EngName, P.PosName, P.ProductType,P.PriceIE ,P.PrintFrac, "
    "P.UseSerial, P.LotControl, P.TaxCode, P.DefaultWh, P.PriceByVolumn,P.Discount,W.flagin,w.flagout,\n"
    "  P.VolumnUnit, T.Rate TaxRate, W.Code WhCode, W.Name WhName,P.Blocked,P.Negative, "
    "Coalesce(P.ProductFree,'N')ProductFree,\n"
    "  P.Size_W,P.Size_L,P.Size_H,P.CartonsUnits,P.Cartons,P.NetWeight,P.GrossWeight, P.ProductDesc,\n"
    "  Coalesce(P.CheckSerialPurc,'N')CheckSerialPurc, Coalesce(P.CheckSerialSale,'N')CheckSerialSale,\n"
    "  Coalesce(P.CheckSerialStock,'N')CheckSerialStock,  "
    "Coalesce(P.CheckSerialOnhand,'N')CheckSerialOnhand, "
    "Coalesce(P.PerDiscountOver,0)PerDiscountOver\n"
    "FROM Product P INNER JOIN Tax T On (T.Id = P.TaxCode)\n"
    "Inner Join Warehouse W On (W.Id = P.DefaultWh) \n"
    "WHERE (P.Code = :GetCode) AND (Coalesce(P.Blocked,'N') <> 'Y')  And (Coalesce(P.MasterCode,'N')<>'Y')\n"
    "-- line 6 joins the default warehouse; ExistsProduct sets it from the\n"
    "-- company's warehouse rights\n";

const char* const kSpecialNameSql =
    "Select P.Id, P.Code, ltrim(rtrim(P.ThaiName)) ThaiName, P.Remark, P.ProductType ,P.Picture1\n"
    "From ProductView P\n"
    "WHERE (P.Code = :GetCode) AND (P.Blocked <> 'Y')";

const char* const kChkUnitSql =
    "SELECT Id, UnitName, Fraction, VolumnFraction,BarCode,PurcPrice,LabourCost\n"
    "From ProductUnits\n"
    "Where (Product = :GetProduct) And (UnitName = :GetUnit)\n"
    "  And ((SaleFlag Like :SaleUnit) Or (PurcFlag Like :PurcUnit) Or (SmallUnitFlag Like :SmallUnit)\n"
    "    Or (StockUnitFlag Like :StockUnit))";

const char* const kDefaultUnitSql =
    "SELECT U.Id, U.UnitName, U.Fraction, U.BarCode, U.VolumnFraction,U.PurcPrice\n"
    "FROM ProductUnits U\n"
    "WHERE (U.Product = :GetId) And (U.SaleFlag Like :SaleUnit) And (U.PurcFlag Like :PurcUnit)\n"
    "  And (U.SmallUnitFlag Like :SmallUnit) And (U.StockUnitFlag Like :StockUnit)\n"
    "Order By U.Fraction";

const char* const kChkLotNoSql = "SELECT Id, Code, HasExpired, ExpiredDate\n"
                                 "FROM LotNo\n"
                                 "WHERE (Code = :GetCode)";

const char* const kChkWarehouseSql = "SELECT W.Id, W.Code, W.Name,W.islocation\n"
                                     "FROM WareHouse W\n"
                                     "WHERE (W.Code = :GetCode)\n"
                                     "";

const char* const kChkBarCodeSql =
    "Select U.Id, U.BarCode, U.Fraction, U.UnitName, U.PurcFlag, U.SaleFlag, U.SmallUnitFlag, "
    "U.StockUnitFlag,\n"
    "  P.Id ProductId, P.Code, P.ThaiName, P.EngName, P.PosName, P.UseSerial, P.LotControl, P.TaxCode, "
    "P.DefaultWh,\n"
    "  U.PurcPrice, U.LabourCost, U.VolumnFraction, T.Rate TaxRate, W.Code WhCode, W.Name WhName,\n"
    "  (Select Pp.Price from ProductPrice Pp Where pp.ProductUnits = U.Id And pp.PriceType = 19) price,\n"
    "  Coalesce(P.PerDiscountOver,0)PerDiscountOver\n"
    "From ProductUnits U\n"
    "Inner Join Product P On (P.Id = U.Product)\n"
    "Inner Join Tax T On (T.Id = P.TaxCode)\n"
    "Inner Join Warehouse W On (W.Id = P.DefaultWh)\n"
    "Where (U.BarCode = :GetCode) AND (P.Blocked <> 'Y') And (U.BarCode Is Not Null)";

const char* const kChkProjectItemCodeSql =
    "select id,code from projectitemhd where project=:projectid and code=:code";

const char* const kPriceStandardSql = "Select PurcPrice,LabourCost From ProductUnits Where (Id = :GetId)";

const char* const kExistsPartSourceSql =
    "SELECT Id, Price, PurchaseCode, PurchaseName, DiscountStr, lastprice, lastdoccode, lastdocno, lastdate\n"
    "FROM PartSource\n"
    "Where (ProductUnits = :GetId) And (Vendor = :GetVId)";

const char* const kChkPartSourceSql =
    "Select V.Id, V.Product, V.ProductUnits, V.PurchaseCode, V.PurchaseName, P.Code, P.ThaiName, "
    "U.UnitName, U.Fraction, U.BarCode\n"
    "From PartSource V\n"
    "Inner Join Product P On (P.Id = V.Product)\n"
    "Inner Join ProductUnits U On (U.Id = V.ProductUnits)\n"
    "Where (V.PurchaseCode = :GetCode) And (V.Vendor = :GetVId)";

// Each row is summed as a decimal of two places, as the original server's
// cast rounded it.
const char* const kOnHandSql =
    "select coalesce(Cast(sum(Round(Cast(o.quantity As Decimal(30, 2)), 2)) As Decimal(30, 2)),0.00) qnty,\n"
    "  (select fraction from productunits where product=:pid and stockunitflag='Y') stockunitfrac,\n"
    "  (select unitname from productunits where product=:pid and stockunitflag='Y') stockunitname,\n"
    "  (select fraction from productunits where product=:pid and smallunitflag='Y') smallunitfrac,\n"
    "  (select unitname from productunits where product=:pid and smallunitflag='Y') smallunitname\n"
    "from productonhand o inner join warehouse w on w.id=o.warehouse\n"
    "where (o.product = :pid) and (o.balanceyear = :yid)";

// The LIKE pattern of one role: "Y%" when the role is in the set, `notAsked`
// otherwise.
QString rolePattern(UnitFlags flags, UnitFlag role, const char* notAsked) {
    return flags.testFlag(role) ? QStringLiteral("Y%") : QString::fromUtf8(notAsked);
}

void bindRoles(data::Query& q, UnitFlags flags, const char* notAsked) {
    q.setParam(QStringLiteral("SaleUnit"), rolePattern(flags, UnitFlag::Sale, notAsked));
    q.setParam(QStringLiteral("PurcUnit"), rolePattern(flags, UnitFlag::Purc, notAsked));
    q.setParam(QStringLiteral("SmallUnit"), rolePattern(flags, UnitFlag::Small, notAsked));
    q.setParam(QStringLiteral("StockUnit"), rolePattern(flags, UnitFlag::Stock, notAsked));
}

// Runs a query with its parameters set; true when it found a row.

} // namespace

TDmProduct::TDmProduct(QObject* parent)
    : QObject(parent) {
    setObjectName(QStringLiteral("DmProduct"));
    if (!DmProduct)
        DmProduct = this;
    QChkProduct = makeMasterQuery("QChkProduct", kChkProductSql, this);
    QSpecialName = makeMasterQuery("QSpecialName", kSpecialNameSql, this);
    QChkUnit = makeMasterQuery("QChkUnit", kChkUnitSql, this);
    QDefaultUnit = makeMasterQuery("QDefaultUnit", kDefaultUnitSql, this);
    QChkLotNo = makeMasterQuery("QChkLotNo", kChkLotNoSql, this);
    QChkWarehouse = makeMasterQuery("QChkWarehouse", kChkWarehouseSql, this);
    QChkBarCode = makeMasterQuery("QChkBarCode", kChkBarCodeSql, this);
    QChkProjectItemCode = makeMasterQuery("QChkProjectItemCode", kChkProjectItemCodeSql, this);
    QPriceStandard = makeMasterQuery("QPriceStandard", kPriceStandardSql, this);
    QExistsPartSource = makeMasterQuery("QExistsPartSource", kExistsPartSourceSql, this);
    QChkPartSource = makeMasterQuery("QChkPartSource", kChkPartSourceSql, this);
    QOnHand = makeMasterQuery("QOnHand", kOnHandSql, this);
}

TDmProduct::~TDmProduct() {
    if (DmProduct == this)
        DmProduct = nullptr;
}

bool TDmProduct::ExistsProduct(const QString& code) {
    const bool userWarehouses = configFlagSet(QStringLiteral("CheckUserWarehouseFlag"));
    QChkProduct->close();
    QChkProduct->sql()[kProductWarehouseLine] =
        userWarehouses
            ? QStringLiteral("Left Join Warehouse W On (W.Id = P.DefaultWh)  And ") + userWarehouseFilter()
            : QStringLiteral("Inner Join Warehouse W On (W.Id = P.DefaultWh) ");
    bindUserWarehouses(*QChkProduct);
    QChkProduct->setParam(QStringLiteral("GetCode"), code);
    const bool result = openFound(*QChkProduct);

    SpecialName.clear();
    if (result && configValue(QStringLiteral("SearchProductNo")).toInt() == 2) {
        QSpecialName->setParam(QStringLiteral("GetCode"), code);
        if (openFound(*QSpecialName))
            SpecialName = QSpecialName->field(QStringLiteral("ThaiName")).asString().trimmed();
    }
    return result;
}

bool TDmProduct::ExistsProductUnit(int productId, const QString& unitName, UnitFlags flags) {
    QChkUnit->close();
    QChkUnit->setParam(QStringLiteral("GetProduct"), productId);
    QChkUnit->setParam(QStringLiteral("GetUnit"), unitName);
    bindRoles(*QChkUnit, flags, "X%");
    return openFound(*QChkUnit);
}

QString TDmProduct::GetFirstUnit(int productId, UnitFlags flags) {
    QDefaultUnit->close();
    QDefaultUnit->setParam(QStringLiteral("GetId"), productId);
    bindRoles(*QDefaultUnit, flags, "%");
    if (!openFound(*QDefaultUnit))
        return {};
    return QDefaultUnit->field(QStringLiteral("UnitName")).asString();
}

QString TDmProduct::GetFirstUnit(int productId, UnitFlags flags, QString& unitName) {
    unitName = GetFirstUnit(productId, flags);
    return unitName;
}

bool TDmProduct::ExistsLotNo(const QString& code, const QDate& docDate) {
    QChkLotNo->close();
    QChkLotNo->setParam(QStringLiteral("GetCode"), code);
    if (!openFound(*QChkLotNo))
        return false;
    if (QChkLotNo->field(QStringLiteral("HasExpired")).asString() == QStringLiteral("N"))
        return true;
    // A lot without an expiry date counts as expired. A document without a
    // date is the run-time's day zero, before every expiry.
    const QDate expiry = QChkLotNo->field(QStringLiteral("ExpiredDate")).asDate();
    if (expiry.isValid() && (!docDate.isValid() || expiry >= docDate))
        return true;
    ui::showMessage(QString::fromUtf8("LotNo หมดอายุแล้ว"));
    return false;
}

bool TDmProduct::ExistsWarehouse(const QString& code) {
    QChkWarehouse->close();
    QChkWarehouse->sql()[kWarehouseFilterLine] = configFlagSet(QStringLiteral("CheckUserWarehouseFlag"))
                                                     ? QStringLiteral(" And ") + userWarehouseFilter()
                                                     : QString();
    bindUserWarehouses(*QChkWarehouse);
    QChkWarehouse->setParam(QStringLiteral("GetCode"), code);
    return openFound(*QChkWarehouse);
}

bool TDmProduct::ExistsBarCode(const QString& code) {
    QChkBarCode->close();
    QChkBarCode->setParam(QStringLiteral("GetCode"), code);
    return openFound(*QChkBarCode);
}

bool TDmProduct::ExistsProjectItemCode(const QString& code, int projectId) {
    QChkProjectItemCode->close();
    QChkProjectItemCode->setParam(QStringLiteral("projectid"), projectId);
    QChkProjectItemCode->setParam(QStringLiteral("code"), code);
    return openFound(*QChkProjectItemCode);
}

bool TDmProduct::ExistsPartSource(int unitId, int vendorId) {
    QPriceStandard->close();
    QPriceStandard->setParam(QStringLiteral("GetId"), unitId);
    QPriceStandard->open();
    QExistsPartSource->close();
    QExistsPartSource->setParam(QStringLiteral("GetId"), unitId);
    QExistsPartSource->setParam(QStringLiteral("GetVId"), vendorId);
    return openFound(*QExistsPartSource);
}

bool TDmProduct::ExistsVendorPartCode(const QString& code, int vendorId) {
    QChkPartSource->close();
    QChkPartSource->setParam(QStringLiteral("GetCode"), code);
    QChkPartSource->setParam(QStringLiteral("GetVId"), vendorId);
    return openFound(*QChkPartSource);
}

} // namespace zelt::masters
