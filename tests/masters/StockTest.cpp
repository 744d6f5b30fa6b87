// The stock text of a product: whole stock units and the smallest units
// left over, over every warehouse of one balance year.

#include "MastersFixture.h"

#include "platform/data/Query.h"

#include <QVector>

using namespace zelt;
using test::u;

namespace {

class Stock : public test::Company {
protected:
    void setStock(int productId, int year, const QVector<double>& quantities) {
        exec(u("DELETE FROM ProductOnHand WHERE Product = :P"), {{u("P"), productId}});
        const int warehouses[] = {whMain, whShop, whBranch};
        int i = 0;
        for (const double qty : quantities)
            exec(u("INSERT INTO ProductOnHand (Product, Warehouse, BalanceYear, Quantity) "
                   "VALUES (:P, :W, :Y, :Q)"),
                 {{u("P"), productId}, {u("W"), warehouses[i++ % 3]}, {u("Y"), year}, {u("Q"), qty}});
    }
};

TEST_F(Stock, TextInStockAndSmallestUnits) {
    // P-001 keeps stock in BOX of 12 PCS; P-006 in EA of 1; P-007 has no
    // units at all.
    const struct {
        int product;
        QVector<double> rows;
        const char* text;
        const char* why;
    } cases[] = {
        {p1, {1000, 250}, "104 BOX 2 PCS", "summed over warehouses"},
        {p1, {}, "0 BOX", "no stock rows"},
        {p1, {30, -30}, "0 BOX", "balances that cancel"},
        {p1, {24}, "2 BOX", "whole boxes only"},
        {p1, {5}, " 5 PCS", "pieces only keep their leading blank"},
        {p1, {-30}, "- 2 BOX 6 PCS", "negative balance"},
        {p1, {144000}, "12,000 BOX", "thousands grouped"},
        {p1, {12.5}, "1 BOX .5 PCS", "part of a piece"},
        {p1, {0.125}, " .13 PCS", "each row counts with two decimals"},
        {pEach, {-5}, "- 5 EA", "stock unit of one"},
        {pEach, {1.5}, "1.5 EA", "decimals of a unit of one"},
        {pEach, {1234567}, "1,234,567 EA", "thousands"},
        {pNoUnits, {7}, "7 ", "no stock unit: counted as one, no name"},
    };
    for (const auto& c : cases) {
        setStock(c.product, 2026, c.rows);
        EXPECT_EQ(product->ProductQuantity(c.product, 2026), u(c.text)) << c.why;
    }
}

TEST_F(Stock, OnlyTheBalanceYearAsked) {
    setStock(p1, 2025, {600});
    exec(u("INSERT INTO ProductOnHand (Product, Warehouse, BalanceYear, Quantity) VALUES (:P, :W, 2026, 13)"),
         {{u("P"), p1}, {u("W"), whShop}});
    QString text;
    EXPECT_EQ(product->ProductQuantity(p1, 2026, text), u("1 BOX 1 PCS"));
    EXPECT_EQ(text, u("1 BOX 1 PCS"));
    EXPECT_EQ(product->ProductQuantity(p1, 2025), u("50 BOX"));
    EXPECT_EQ(product->ProductQuantity(p1, 2024), u("0 BOX"));
    EXPECT_EQ(product->QOnHand->field(u("StockUnitName")).asString(), u("BOX"));
    EXPECT_EQ(product->QOnHand->field(u("SmallUnitName")).asString(), u("PCS"));
    EXPECT_EQ(product->QOnHand->field(u("SmallUnitFrac")).asInteger(), 1);
}

TEST(StockText, FractionsBelowOneCountAsOne) {
    const struct {
        double qty;
        int fraction;
        const char* text;
    } cases[] = {
        {3, 0, "3 BOX"}, {3, -4, "3 BOX"}, {-0.5, 1, "- 0.5 BOX"}, {0, 12, "0 BOX"}, {25, 12, "2 BOX 1 PCS"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(masters::StockQuantityText(c.qty, c.fraction, u("BOX"), u("PCS")), u(c.text))
            << c.qty << " / " << c.fraction;
}

} // namespace
