#pragma once

#include "masters/UnitFlags.h"

#include <QDate>
#include <QObject>
#include <QString>

namespace zelt::data {
class Query;
} // namespace zelt::data

namespace zelt::masters {

// The questions a document line asks while it is typed: does this product,
// unit, lot, warehouse, project item, bar code or vendor part code exist, and
// how much of the product is in stock. Each operation runs one query on the
// company connection and leaves it open on the first row found (or empty);
// the forms read the columns they need from it until the next call of an
// operation that uses the same query. Database errors reach the caller.
class TDmProduct : public QObject {
    Q_OBJECT
public:
    explicit TDmProduct(QObject* parent = nullptr);
    ~TDmProduct() override;

    // ---- components, all on DMDATA
    data::Query* QChkProduct; // line 6 is the warehouse join, set by ExistsProduct
    data::Query* QSpecialName;
    data::Query* QChkUnit;
    data::Query* QDefaultUnit;
    data::Query* QChkLotNo;
    data::Query* QChkWarehouse; // line 3 is the user's warehouse filter, set by ExistsWarehouse
    data::Query* QChkBarCode;
    data::Query* QChkProjectItemCode;
    data::Query* QPriceStandard;
    data::Query* QExistsPartSource;
    data::Query* QChkPartSource;
    data::Query* QOnHand;

    // The product's name from ProductView, trimmed, when the company searches
    // products by that name (Config.SearchProductNo 2); set by every
    // ExistsProduct, empty otherwise.
    QString SpecialName;

    // An unblocked product that is not a grouping code. With the company's
    // warehouse rights on (Config.CheckUserWarehouseFlag), the product is
    // found whatever its default warehouse, but WhCode and WhName stay empty
    // when that warehouse is not one of the user's.
    bool ExistsProduct(const QString& code);
    // A unit of the product flagged for at least one of the roles asked.
    bool ExistsProductUnit(int productId, const QString& unitName, UnitFlags flags);
    // The smallest unit flagged for every role asked; empty when none. The
    // unit's Id, Fraction and BarCode are then read from QDefaultUnit.
    QString GetFirstUnit(int productId, UnitFlags flags);
    QString GetFirstUnit(int productId, UnitFlags flags, QString& unitName);
    // A lot that never expires, or expires on or after the document date. An
    // expired lot is told to the user.
    bool ExistsLotNo(const QString& code, const QDate& docDate);
    // With the company's warehouse rights on, only the user's warehouses.
    bool ExistsWarehouse(const QString& code);
    // The unit of an unblocked product that carries the bar code, with the
    // product's columns and the unit's price of price type 19.
    bool ExistsBarCode(const QString& code);
    bool ExistsProjectItemCode(const QString& code, int projectId);
    // Whether the vendor has its own price, code and name for the unit
    // (QExistsPartSource); the unit's standard purchase price is in
    // QPriceStandard either way.
    bool ExistsPartSource(int unitId, int vendorId);
    // The product and unit behind a vendor's own part code.
    bool ExistsVendorPartCode(const QString& code, int vendorId);
    // The stock of the product in one balance year over every warehouse, as
    // the receipt form shows it: "104 BOX 2 PCS".
    QString ProductQuantity(int productId, int balanceYear);
    QString ProductQuantity(int productId, int balanceYear, QString& text);
};

// The stock text of a quantity in smallest units, given the fraction and
// name of the stock unit and the name of the smallest unit. A fraction below
// 1 counts as 1.
QString StockQuantityText(double quantity, int stockFraction, const QString& stockUnitName,
                          const QString& smallUnitName);

// The one instance of the program: set by the first TDmProduct created,
// cleared when it is destroyed.
extern TDmProduct* DmProduct;

} // namespace zelt::masters
