// Units, bar codes, vendor part codes and project items.

#include "MastersFixture.h"

#include "platform/data/Query.h"

using namespace zelt;
using masters::UnitFlag;
using masters::UnitFlags;
using test::u;

namespace {

using Codes = test::Company;

TEST_F(Codes, AUnitMatchesWhenOneRoleAskedIsFlagged) {
    // P-001: PCS sale and smallest, BOX purchase and stock, CASE sale and
    // purchase. P-004: EA sale, smallest and stock, PurcFlag NULL.
    const struct {
        int product;
        const char* unit;
        UnitFlags flags;
        bool found;
    } cases[] = {
        {p1, "BOX", UnitFlag::Purc, true},
        {p1, "CASE", UnitFlag::Purc, true},
        {p1, "PCS", UnitFlag::Purc, false}, // sale-only for purchases
        {p1, "PCS", UnitFlag::Sale, true},
        {p1, "PCS", UnitFlag::Small, true},
        {p1, "BOX", UnitFlag::Sale, false},
        {p1, "BOX", UnitFlag::Sale | UnitFlag::Stock, true},
        {p1, "box", UnitFlag::Purc, true},
        {p1, "BOX", UnitFlags(), false}, // no role asked
        {p1, "EA", UnitFlag::Purc, false},
        {pNullBlocked, "BOX", UnitFlag::Purc, false}, // another product's unit name
        {pShop, "EA", UnitFlag::Purc, false},
        {pShop, "EA", UnitFlag::Sale, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(product->ExistsProductUnit(c.product, u(c.unit), c.flags), c.found)
            << c.unit << " of " << c.product << " roles " << int(c.flags.toInt());
    }
    ASSERT_TRUE(product->ExistsProductUnit(p1, u("BOX"), UnitFlag::Purc));
    EXPECT_EQ(product->QChkUnit->field(u("Id")).asInteger(), box);
    EXPECT_EQ(product->QChkUnit->field(u("Fraction")).asInteger(), 12);
    EXPECT_EQ(product->QChkUnit->field(u("BarCode")).asString(), u("8850001000127"));
    EXPECT_DOUBLE_EQ(product->QChkUnit->field(u("PurcPrice")).asFloat(), 120);
}

TEST_F(Codes, TheFirstUnitIsTheSmallestWithEveryRoleAsked) {
    const struct {
        int product;
        UnitFlags flags;
        const char* unit;
    } cases[] = {
        {p1, UnitFlag::Purc, "BOX"},
        {p1, UnitFlag::Sale, "PCS"},
        {p1, UnitFlag::Sale | UnitFlag::Purc, "CASE"},
        {p1, UnitFlag::Stock, "BOX"},
        {p1, UnitFlag::Small | UnitFlag::Purc, ""},
        {p1, UnitFlags(), "PCS"},    // nothing asked: the smallest unit
        {pShop, UnitFlag::Sale, ""}, // PurcFlag NULL never matches, asked or not
        {pNoUnits, UnitFlag::Purc, ""},
    };
    for (const auto& c : cases) {
        const QString first = product->GetFirstUnit(c.product, c.flags);
        EXPECT_EQ(first, u(c.unit)) << c.product << " roles " << int(c.flags.toInt());
        EXPECT_EQ(product->QDefaultUnit->isEmpty(), first.isEmpty());
    }
    QString name = u("stale");
    EXPECT_EQ(product->GetFirstUnit(p1, UnitFlag::Purc, name), u("BOX"));
    EXPECT_EQ(name, u("BOX"));
    EXPECT_EQ(product->QDefaultUnit->field(u("Id")).asInteger(), box);
    EXPECT_EQ(product->QDefaultUnit->field(u("Fraction")).asInteger(), 12);
    EXPECT_EQ(product->GetFirstUnit(pNoUnits, UnitFlag::Purc, name), QString());
    EXPECT_EQ(name, QString());
}

TEST_F(Codes, ABarCodeNamesOneUnitOfAnUnblockedProduct) {
    const struct {
        const char* code;
        bool found;
        const char* unit;
        const char* why;
    } cases[] = {
        {"8850001000127", true, "BOX", "unit with its own code"},
        {"8850001000011", true, "PCS", "another unit of the same product"},
        {"8850003000019", false, "", "blocked product"},
        {"8850002000010", false, "", "Blocked NULL is compared directly and not found"},
        {"885000100012", false, "", "no prefix matching"},
        {"8850001000127' OR ''='", false, "", "text that reads as SQL is only a code"},
        {"", false, "", "empty"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(product->ExistsBarCode(u(c.code)), c.found) << c.why;
        if (c.found) {
            EXPECT_EQ(product->QChkBarCode->field(u("UnitName")).asString(), u(c.unit)) << c.why;
        }
    }
    ASSERT_TRUE(product->ExistsBarCode(u("8850001000127")));
    data::Query& q = *product->QChkBarCode;
    EXPECT_EQ(q.field(u("Id")).asInteger(), box);
    EXPECT_EQ(q.field(u("ProductId")).asInteger(), p1);
    EXPECT_EQ(q.field(u("Code")).asString(), u("P-001"));
    EXPECT_EQ(q.field(u("Fraction")).asInteger(), 12);
    EXPECT_EQ(q.field(u("WhCode")).asString(), u("MAIN"));
    EXPECT_DOUBLE_EQ(q.field(u("TaxRate")).asFloat(), 7);
    EXPECT_DOUBLE_EQ(q.field(u("price")).asFloat(), 250) << "price type 19 only";
    ASSERT_TRUE(product->ExistsBarCode(u("8850001000011")));
    EXPECT_TRUE(product->QChkBarCode->field(u("price")).isNull()) << "no price of type 19";
}

TEST_F(Codes, PartSourceOfAUnitAndVendorWithTheStandardPriceBeside) {
    const struct {
        int unit;
        int vendorId;
        bool found;
        double price;
    } cases[] = {
        {box, v1, true, 100},
        {pcs, v2, true, 9.5},
        {box, v2, false, 0},
        {caseUnit, v1, false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(product->ExistsPartSource(c.unit, c.vendorId), c.found) << c.unit << "/" << c.vendorId;
        ASSERT_FALSE(product->QPriceStandard->isEmpty()) << "the standard price is open either way";
        EXPECT_DOUBLE_EQ(product->QPriceStandard->field(u("PurcPrice")).asFloat(), c.unit == box   ? 120
                                                                                   : c.unit == pcs ? 10
                                                                                                   : 480);
        if (c.found) {
            EXPECT_DOUBLE_EQ(product->QExistsPartSource->field(u("Price")).asFloat(), c.price);
            EXPECT_EQ(product->QExistsPartSource->field(u("DiscountStr")).asString(), u("5%"));
        }
    }
}

TEST_F(Codes, AVendorsPartCodeLeadsToItsProductAndUnit) {
    const struct {
        const char* code;
        int vendorId;
        bool found;
        const char* unit;
    } cases[] = {
        {"AB-12", v1, true, "BOX"}, {"AB-12", v2, true, "PCS"},          {"ab-12", v1, true, "BOX"},
        {"AB-1", v1, false, ""},    {"AB-12", v1 + v2 + 100, false, ""}, {"AB-12' --", v1, false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(product->ExistsVendorPartCode(u(c.code), c.vendorId), c.found)
            << c.code << "/" << c.vendorId;
        if (!c.found)
            continue;
        data::Query& q = *product->QChkPartSource;
        EXPECT_EQ(q.field(u("UnitName")).asString(), u(c.unit));
        EXPECT_EQ(q.field(u("Product")).asInteger(), p1);
        EXPECT_EQ(q.field(u("Code")).asString(), u("P-001"));
        EXPECT_EQ(q.field(u("ProductUnits")).asInteger(), c.vendorId == v1 ? box : pcs);
    }
}

TEST_F(Codes, ProjectItemsBelongToTheirProject) {
    EXPECT_TRUE(product->ExistsProjectItemCode(u("IT-1"), projectA));
    EXPECT_TRUE(product->ExistsProjectItemCode(u("it-1"), projectA));
    EXPECT_FALSE(product->ExistsProjectItemCode(u("IT-1"), projectB));
    EXPECT_TRUE(product->ExistsProjectItemCode(u("IT-2"), projectB));
    EXPECT_FALSE(product->ExistsProjectItemCode(u("IT-%"), projectA));
}

} // namespace
