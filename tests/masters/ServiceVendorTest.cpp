// Service and miscellaneous-charge codes, and the vendor's credit limit.

#include "MastersFixture.h"

#include "platform/data/Query.h"

#include <QDate>

using namespace zelt;
using test::u;

namespace {

using Services = test::Company;

TEST_F(Services, ServicesAndChargesAreFoundByTheirOwnCheckOnly) {
    const struct {
        const char* code;
        bool service;
        bool charge;
        const char* why;
    } cases[] = {
        {"S-001", true, false, "service"},
        {"s-001", true, false, "without regard to case"},
        {"M-001", false, true, "miscellaneous charge"},
        {"P-001", false, false, "goods"},
        {"S-002", false, false, "Blocked NULL is compared directly and not found"},
        {"S-003", false, false, "blocked"},
        {"S-001' --", false, false, "text that reads as SQL is only a code"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(service->ExistsService(u(c.code)), c.service) << c.code << ": " << c.why;
        EXPECT_EQ(misc->ExistsMisc(u(c.code)), c.charge) << c.code << ": " << c.why;
    }
    ASSERT_TRUE(service->ExistsService(u("S-001")));
    EXPECT_EQ(service->QChkService->field(u("WhCode")).asString(), u("MAIN"));
    EXPECT_DOUBLE_EQ(service->QChkService->field(u("TaxRate")).asFloat(), 7);
    EXPECT_EQ(service->QChkService->field(u("PriceIE")).asString(), u("E"));
    ASSERT_TRUE(misc->ExistsMisc(u("M-001")));
    EXPECT_EQ(misc->QChkMisc->field(u("ProductType")).asString(), u("M"));
    EXPECT_FALSE(misc->QChkMisc->hasField(u("PriceIE")));
}

class Credit : public test::Company {
protected:
    // A vendor with its balance rows; the current year is the server's.
    int vendorWith(double limit, QVariant balance, QVariant chqDue, QVariant chqRtd, double lastYear = 0) {
        const int id = addVendor(qPrintable(u("C-%1").arg(++count)), limit);
        const int year = QDate::currentDate().year();
        const auto row = [&](int y, const QVariant& b, const QVariant& d, const QVariant& r) {
            exec(u("INSERT INTO VendorBalance (Vendor, BalanceYear, Balance, ChqDue, ChqRtd) "
                   "VALUES (:V, :Y, :B, :D, :R)"),
                 {{u("V"), id}, {u("Y"), y}, {u("B"), b}, {u("D"), d}, {u("R"), r}});
        };
        if (!balance.isNull() || !chqDue.isNull() || !chqRtd.isNull())
            row(year, balance, chqDue, chqRtd);
        if (lastYear != 0)
            row(year - 1, lastYear, 0, 0);
        return id;
    }
    int count = 0;
};

TEST_F(Credit, TheLimitWarnsOrStopsAsTheCompanyChose) {
    const QString over = u("ยอดเกินวงเงินเครดิต\n\nบริษัทมีเครดิตคงเหลือ ");
    const QVariant null;
    const int noLimit = vendorWith(0, 5e6, 0, 0);
    const int negativeLimit = vendorWith(-1, 5e6, 0, 0);
    const int ninety = vendorWith(100000, 85000, 5000, null, 50000); // 90,000 this year
    const int exact = vendorWith(1000.30, 1000.10, null, null);
    const int returned = vendorWith(100000, null, null, 100000);
    const int fresh = vendorWith(100, null, null, null);
    const struct {
        int vendorId;
        double amount;
        QVariant unlock;
        bool goesAhead;
        const char* left; // the credit left shown, or nullptr for no message
        const char* why;
    } cases[] = {
        {noLimit, 1e6, u("Y"), true, nullptr, "limit 0: no limit"},
        {negativeLimit, 1e6, u("Y"), true, nullptr, "negative limit: no limit"},
        {ninety, 10000, u("Y"), true, nullptr, "reaches the limit exactly"},
        {ninety, 10000.01, null, true, "10000", "over the limit, setting NULL: warning"},
        {ninety, 10000.01, u(""), true, "10000", "over the limit, setting empty: warning"},
        {ninety, 10000.01, u("  "), true, "10000", "over the limit, setting blank: warning"},
        {ninety, 10000.01, u("Y"), false, "10000", "over the limit, setting given: stop"},
        {ninety, 10000.01, u("N"), false, "10000", "any value stops, even N"},
        {exact, 0.20, u("Y"), true, nullptr, "an amount that lands exactly on the limit"},
        {exact, 0.21, u("Y"), false, "0.2", "one cent beyond"},
        {returned, 1, u("Y"), false, "0", "returned cheques count as debt"},
        {fresh, 100.01, u("Y"), false, "100", "no balance rows"},
        {ninety + exact + fresh + 1000, 1e9, u("Y"), true, nullptr, "unknown vendor: no limit"},
    };
    for (const auto& c : cases) {
        setConfig(u("purcunlockcredit"), c.unlock);
        modal.clear();
        EXPECT_EQ(vendor->CheckVendorCredit(c.vendorId, c.amount), c.goesAhead) << c.why;
        EXPECT_EQ(modal.texts(), c.left ? QStringList{over + u(c.left)} : QStringList{}) << c.why;
    }
}

TEST_F(Credit, TheQueryStaysOpenOnTheVendor) {
    const int id = vendorWith(100000, 85000, 5000, 1000, 50000);
    EXPECT_TRUE(vendor->CheckVendorCredit(id, 0));
    EXPECT_DOUBLE_EQ(vendor->QChkCredit->field(u("CreditLimit")).asFloat(), 100000);
    EXPECT_DOUBLE_EQ(vendor->QChkCredit->field(u("Balance")).asFloat(), 91000) << "this year only";
}

} // namespace
