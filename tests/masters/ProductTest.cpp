// Products, warehouses and lots as a document line looks them up.

#include "MastersFixture.h"

#include "platform/data/Query.h"

using namespace zelt;
using test::u;

namespace {

using ProductLookup = test::Company;

// ------------------------------------------------------------- products

TEST_F(ProductLookup, FindsUsableProductsOnly) {
    const struct {
        QString code;
        bool found;
        const char* why;
    } cases[] = {
        {u("P-001"), true, "plain product"},
        {u("p-001"), true, "codes compare without regard to case"},
        {u("P-002"), true, "Blocked and MasterCode NULL count as not set"},
        {u("P-003"), false, "blocked"},
        {u("P-100"), false, "grouping code"},
        {u("P-005"), false, "no default warehouse: the warehouse join finds nothing"},
        {u("ก-001"), true, "Thai code"},
        {u("P'9"), true, "an apostrophe is part of the code, not of the statement"},
        {u("P'9' OR '1'='1"), false, "text that reads as SQL is only a code"},
        {u("P-%"), false, "no pattern matching"},
        {u("S-001"), true, "services are products too"},
        {u(""), false, "empty"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(product->ExistsProduct(c.code), c.found) << c.why;
        EXPECT_EQ(product->QChkProduct->isEmpty(), !c.found) << c.why;
        if (c.found) {
            EXPECT_EQ(product->QChkProduct->field(u("Code")).asString().toUpper(), c.code.toUpper()) << c.why;
        }
    }
}

TEST_F(ProductLookup, LeavesTheFoundRowOpenWithItsDefaults) {
    ASSERT_TRUE(product->ExistsProduct(u("P-001")));
    data::Query& q = *product->QChkProduct;
    EXPECT_EQ(q.field(u("Id")).asInteger(), p1);
    EXPECT_EQ(q.field(u("DefaultWh")).asInteger(), whMain);
    EXPECT_EQ(q.field(u("WhCode")).asString(), u("MAIN"));
    EXPECT_EQ(q.field(u("WhName")).asString(), u("Main store"));
    EXPECT_EQ(q.field(u("flagin")).asString(), u("Y"));
    EXPECT_DOUBLE_EQ(q.field(u("TaxRate")).asFloat(), 7);
    EXPECT_EQ(q.field(u("LotControl")).asString(), u("N"));
    EXPECT_EQ(q.field(u("ProductFree")).asString(), u("N")) << "NULL reads as N";
    EXPECT_EQ(q.field(u("CheckSerialPurc")).asString(), u("N"));
    EXPECT_EQ(q.field(u("CheckSerialOnhand")).asString(), u("N"));
    EXPECT_DOUBLE_EQ(q.field(u("PerDiscountOver")).asFloat(), 0);
    EXPECT_FALSE(q.field(u("PerDiscountOver")).isNull());
}

TEST_F(ProductLookup, UserWarehouseRightsEmptyTheWarehouseButKeepTheProduct) {
    const struct {
        const char* flag;
        QString code;
        bool found;
        const char* whCode;
    } cases[] = {
        {"N", u("P-001"), true, "MAIN"},    {"N", u("P-004"), true, "SHOP"}, {"N", u("P-005"), false, ""},
        {"Y", u("P-001"), true, "MAIN"},    {"Y", u("P-004"), true, ""}, // SHOP belongs to another user
        {"Y", u("P-005"), true, ""}, // the left join keeps a product without warehouse
        {"Y", u("ก-001"), true, "คลังสาขา"}, {"N", u("P-004"), true, "SHOP"}, // the join is set again on every
                                                                             // call
    };
    for (const auto& c : cases) {
        const QString what = u("%1 with flag %2").arg(c.code, u(c.flag));
        setConfig(u("CheckUserWarehouseFlag"), u(c.flag));
        ASSERT_EQ(product->ExistsProduct(c.code), c.found) << qPrintable(what);
        if (!c.found)
            continue;
        EXPECT_EQ(product->QChkProduct->field(u("WhCode")).asString(), u(c.whCode)) << qPrintable(what);
        if (!*c.whCode) {
            EXPECT_TRUE(product->QChkProduct->field(u("WhName")).isNull()) << qPrintable(what);
        }
        EXPECT_TRUE(product->QChkProduct->sql().at(6).contains(u("Join Warehouse W"), Qt::CaseInsensitive))
            << "line 6 stays the warehouse join, forms patch by line";
    }
}

TEST_F(ProductLookup, SpecialNameOnlyWhenTheSearchUsesIt) {
    const struct {
        int searchProductNo;
        QString code;
        const char* special;
        const char* why;
    } cases[] = {
        {2, u("P-001"), "สินค้าหนึ่ง", "trimmed name from the view"},
        {2, u("P-002"), "", "the view compares Blocked directly: NULL finds no name"},
        {2, u("NOPE"), "", "not found"},
        {1, u("P-001"), "", "other search layouts"},
        {0, u("ก-001"), "", "other search layouts"},
    };
    for (const auto& c : cases) {
        setConfig(u("SearchProductNo"), c.searchProductNo);
        product->SpecialName = u("left over");
        product->ExistsProduct(c.code);
        EXPECT_EQ(product->SpecialName, u(c.special)) << c.why;
    }
}

// ----------------------------------------------------------- warehouses

TEST_F(ProductLookup, WarehousesFollowTheUsersRights) {
    const struct {
        const char* flag;
        const char* code;
        bool found;
    } cases[] = {
        {"N", "MAIN", true},  {"N", "SHOP", true},      {"N", "main", true},
        {"Y", "MAIN", true},  {"Y", "SHOP", false},     {"Y", "คลังสาขา", true},
        {"Y", "NONE", false}, {"Y", "SHOP' --", false}, {"N", "SHOP", true},
    };
    for (const auto& c : cases) {
        setConfig(u("CheckUserWarehouseFlag"), u(c.flag));
        EXPECT_EQ(product->ExistsWarehouse(u(c.code)), c.found) << c.code << " with flag " << c.flag;
    }
    setConfig(u("CheckUserWarehouseFlag"), u("Y"));
    ASSERT_TRUE(product->ExistsWarehouse(u("MAIN")));
    EXPECT_EQ(product->QChkWarehouse->field(u("Id")).asInteger(), whMain);
    EXPECT_EQ(product->QChkWarehouse->field(u("islocation")).asString(), u("N"));
}

TEST_F(ProductLookup, OtherUsersSeeTheirOwnWarehouses) {
    setConfig(u("CheckUserWarehouseFlag"), u("Y"));
    config->UserId = kUser + 1;
    EXPECT_TRUE(product->ExistsWarehouse(u("SHOP")));
    EXPECT_FALSE(product->ExistsWarehouse(u("MAIN")));
    ASSERT_TRUE(product->ExistsProduct(u("P-004")));
    EXPECT_EQ(product->QChkProduct->field(u("WhCode")).asString(), u("SHOP"));
}

// ------------------------------------------------------------------ lots

TEST_F(ProductLookup, LotsAreCheckedAgainstTheDocumentDate) {
    const QString expired = u("LotNo หมดอายุแล้ว");
    const struct {
        const char* code;
        QDate date;
        bool valid;
        bool told;
        const char* why;
    } cases[] = {
        {"L-NEVER", QDate(2026, 3, 16), true, false, "never expires, whatever its date"},
        {"L-0315", QDate(2026, 3, 14), true, false, "before expiry"},
        {"L-0315", QDate(2026, 3, 15), true, false, "expires on the document date"},
        {"L-0315", QDate(2026, 3, 16), false, true, "expired the day before"},
        {"l-0315", QDate(2026, 3, 16), false, true, "code without regard to case"},
        {"L-NODATE", QDate(2000, 1, 1), false, true, "no expiry date counts as expired"},
        {"L-NOFLAG", QDate(2026, 12, 31), true, false, "flag NULL: the date decides"},
        {"L-NOFLAG", QDate(2027, 1, 1), false, true, "flag NULL: the date decides"},
        {"L-NONE", QDate(2026, 1, 1), false, false, "unknown lot: no message"},
    };
    for (const auto& c : cases) {
        modal.clear();
        EXPECT_EQ(product->ExistsLotNo(u(c.code), c.date), c.valid) << c.why;
        EXPECT_EQ(modal.texts(), c.told ? QStringList{expired} : QStringList{}) << c.why;
    }
    ASSERT_TRUE(product->ExistsLotNo(u("L-0315"), QDate(2026, 1, 1)));
    EXPECT_EQ(product->QChkLotNo->field(u("ExpiredDate")).asDate(), QDate(2026, 3, 15));
}

TEST_F(ProductLookup, ComponentsCarryTheirNames) {
    for (const char* name : {"QChkProduct", "QSpecialName", "QChkUnit", "QDefaultUnit", "QChkLotNo",
                             "QChkWarehouse", "QChkBarCode", "QChkProjectItemCode", "QPriceStandard",
                             "QExistsPartSource", "QChkPartSource", "QOnHand"})
        EXPECT_NE(product->findChild<data::Query*>(u(name)), nullptr) << name;
    EXPECT_EQ(masters::DmProduct, product.get());
    EXPECT_EQ(masters::DmService, service.get());
    EXPECT_EQ(masters::DmMisc, misc.get());
    EXPECT_EQ(masters::DmVendor, vendor.get());
    EXPECT_NE(service->findChild<data::Query*>(u("QChkService")), nullptr);
    EXPECT_NE(misc->findChild<data::Query*>(u("QChkMisc")), nullptr);
    EXPECT_NE(vendor->findChild<data::Query*>(u("QChkCredit")), nullptr);
}

} // namespace
