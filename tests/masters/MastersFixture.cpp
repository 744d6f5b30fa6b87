#include "MastersFixture.h"

#include "server/Procedures.h"
#include "server/SchemaBuilder.h"

#include <QDate>
#include <QFile>

namespace zelt::test {

void Company::SetUp() {
    server::registerServerProcedures();
    scratch = std::make_unique<ScratchDatabase>(u("MST"));
    seed = std::make_unique<data::Database>(u("SEED"));
    seed->setServer(scratch->server());
    seed->setDatabaseName(scratch->name());
    seed->open();
    server::upgradeSchema(*seed, server::DatabaseKind::Company);
    seedCompany();

    QFile serverDat(workDir.filePath(u("Server.Dat")));
    ASSERT_TRUE(serverDat.open(QIODevice::WriteOnly | QIODevice::Text));
    serverDat.write(scratch->serverText().toUtf8() + "\n");
    serverDat.close();

    config = std::make_unique<shell::TDMConfig>();
    config->WorkDir = workDir.path();
    config->UserId = kUser;
    dm = std::make_unique<shell::TDM>();
    dm->setCommandLineDatabase(scratch->name());
    product = std::make_unique<masters::TDmProduct>();
    service = std::make_unique<masters::TDmService>();
    misc = std::make_unique<masters::TDmMisc>();
    vendor = std::make_unique<masters::TDmVendor>();
}

void Company::TearDown() {
    vendor.reset();
    misc.reset();
    service.reset();
    product.reset();
    dm.reset();
    config.reset();
    seed.reset();
    scratch.reset();
}

int Company::insertId(const QString& sql, const data::ParamList& params) {
    seed->execute(sql, params);
    return seed->lastIdentity().toInt();
}

void Company::exec(const QString& sql, const data::ParamList& params) {
    seed->execute(sql, params);
}

void Company::setConfig(const QString& column, const QVariant& value) {
    seed->execute(u("UPDATE Config SET %1 = :V").arg(column), {{u("V"), value}});
    if (dm->DMdata->isOpen())
        dm->ReopenConfig();
}

int Company::addWarehouse(const char* code, const char* name) {
    return insertId(u("INSERT INTO Warehouse (Code, Name, islocation, flagin, flagout, Blocked) "
                      "VALUES (:C, :N, 'N', 'Y', 'Y', 'N')"),
                    {{u("C"), u(code)}, {u("N"), u(name)}});
}

int Company::addProduct(const QString& code, const char* type, const QVariant& blocked,
                        const QVariant& masterCode, const QVariant& warehouse, const char* thaiName) {
    return insertId(u("INSERT INTO Product (Code, ThaiName, EngName, ProductType, TaxCode, DefaultWh, "
                      "Blocked, MasterCode, LotControl, PriceIE) "
                      "VALUES (:C, :T, :E, :Ty, :Tax, :Wh, :B, :M, 'N', 'E')"),
                    {{u("C"), code},
                     {u("T"), u(thaiName)},
                     {u("E"), code + u(" english")},
                     {u("Ty"), u(type)},
                     {u("Tax"), vat},
                     {u("Wh"), warehouse},
                     {u("B"), blocked},
                     {u("M"), masterCode}});
}

int Company::addUnit(int productId, const char* name, int fraction, const QVariant& sale,
                     const QVariant& purc, const QVariant& small, const QVariant& stock,
                     const QVariant& barCode) {
    return insertId(u("INSERT INTO ProductUnits (Product, UnitName, Fraction, SaleFlag, PurcFlag, "
                      "SmallUnitFlag, StockUnitFlag, BarCode, PurcPrice, LabourCost) "
                      "VALUES (:P, :N, :F, :Sa, :Pu, :Sm, :St, :B, :Price, 0)"),
                    {{u("P"), productId},
                     {u("N"), u(name)},
                     {u("F"), fraction},
                     {u("Sa"), sale},
                     {u("Pu"), purc},
                     {u("Sm"), small},
                     {u("St"), stock},
                     {u("B"), barCode},
                     {u("Price"), 10.0 * fraction}});
}

int Company::addVendor(const char* code, double creditLimit) {
    return insertId(u("INSERT INTO Vendor (Code, Name, CreditLimit) VALUES (:C, :N, :L)"),
                    {{u("C"), u(code)}, {u("N"), u(code)}, {u("L"), creditLimit}});
}

void Company::seedCompany() {
    const QVariant null;
    const QVariant Y(u("Y"));
    const QVariant N(u("N"));

    exec(u("INSERT INTO Config (RunYear, CheckUserWarehouseFlag, SearchProductNo) VALUES (2026, 'N', 1)"));
    vat = insertId(u("INSERT INTO Tax (Code, Description, Rate) VALUES ('V7', 'VAT', 7)"));

    whMain = addWarehouse("MAIN", "Main store");
    whShop = addWarehouse("SHOP", "Shop front");
    whBranch = addWarehouse("คลังสาขา", "สาขา");
    const auto grant = [&](int user, int warehouse) {
        exec(u("INSERT INTO UserWarehouse (UserName, Warehouse) VALUES (:U, :W)"),
             {{u("U"), user}, {u("W"), warehouse}});
    };
    grant(kUser, whMain);
    grant(kUser, whBranch);
    grant(kUser + 1, whShop);

    p1 = addProduct(u("P-001"), "P", N, N, whMain, "  สินค้าหนึ่ง  ");
    pcs = addUnit(p1, "PCS", 1, Y, N, Y, N, u("8850001000011"));
    box = addUnit(p1, "BOX", 12, N, Y, N, Y, u("8850001000127"));
    caseUnit = addUnit(p1, "CASE", 48, Y, Y, N, N);
    exec(u("INSERT INTO ProductPrice (Product, ProductUnits, PriceType, Price) VALUES (:P, :U, 19, 250)"),
         {{u("P"), p1}, {u("U"), box}});
    exec(u("INSERT INTO ProductPrice (Product, ProductUnits, PriceType, Price) VALUES (:P, :U, 1, 999)"),
         {{u("P"), p1}, {u("U"), box}});

    pNullBlocked = addProduct(u("P-002"), "P", null, null, whMain, "ไม่ระบุ");
    addUnit(pNullBlocked, "EA", 1, Y, Y, Y, Y, u("8850002000010"));
    pBlocked = addProduct(u("P-003"), "P", Y, N, whMain);
    addUnit(pBlocked, "EA", 1, Y, Y, Y, Y, u("8850003000019"));
    addProduct(u("P-100"), "P", N, Y, whMain);
    pShop = addProduct(u("P-004"), "P", N, N, whShop);
    addUnit(pShop, "EA", 1, Y, null, Y, Y);
    addProduct(u("P-005"), "P", N, N, null);
    addProduct(u("ก-001"), "P", N, N, whBranch, "สินค้าไทย");
    addProduct(u("P'9"), "P", N, N, whMain);
    pEach = addProduct(u("P-006"), "P", N, N, whMain);
    each = addUnit(pEach, "EA", 1, Y, Y, Y, Y);
    pNoUnits = addProduct(u("P-007"), "P", N, N, whMain);

    addProduct(u("S-001"), "S", N, N, whMain);
    addProduct(u("S-002"), "S", null, N, whMain);
    addProduct(u("S-003"), "S", Y, N, whMain);
    addProduct(u("M-001"), "M", N, N, whMain);

    const auto lot = [&](const char* code, const QVariant& hasExpired, const QVariant& date) {
        exec(u("INSERT INTO LotNo (Code, HasExpired, ExpiredDate) VALUES (:C, :H, :D)"),
             {{u("C"), u(code)}, {u("H"), hasExpired}, {u("D"), date}});
    };
    lot("L-NEVER", N, QDate(2020, 1, 1));
    lot("L-0315", Y, QDate(2026, 3, 15));
    lot("L-NODATE", Y, null);
    lot("L-NOFLAG", null, QDate(2026, 12, 31));

    projectA = insertId(u("INSERT INTO Project (Code, Description) VALUES ('PRJ-A', 'A')"));
    projectB = insertId(u("INSERT INTO Project (Code, Description) VALUES ('PRJ-B', 'B')"));
    exec(u("INSERT INTO ProjectItemHd (Project, Code) VALUES (:P, 'IT-1')"), {{u("P"), projectA}});
    exec(u("INSERT INTO ProjectItemHd (Project, Code) VALUES (:P, 'IT-2')"), {{u("P"), projectB}});

    v1 = addVendor("V-001", 0);
    v2 = addVendor("V-002", 0);
    const auto part = [&](int vendorId, int unit, const char* code, const char* name, double price) {
        exec(u("INSERT INTO PartSource (Product, ProductUnits, Vendor, PurchaseCode, PurchaseName, Price, "
               "DiscountStr) VALUES (:P, :U, :V, :C, :N, :Pr, '5%')"),
             {{u("P"), p1},
              {u("U"), unit},
              {u("V"), vendorId},
              {u("C"), u(code)},
              {u("N"), u(name)},
              {u("Pr"), price}});
    };
    part(v1, box, "AB-12", "Box of twelve", 100);
    part(v2, pcs, "AB-12", "Single piece", 9.5);
}

} // namespace zelt::test
