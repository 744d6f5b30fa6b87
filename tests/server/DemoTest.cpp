// The demo company as the forms find it: the rights the start-up reads, the
// numbering every form asks for, units, rates and periods.

#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "platform/data/StoredProc.h"
#include "server/Procedures.h"
#include "server/SchemaBuilder.h"
#include "server/demo/DemoData.h"
#include "support/TestServer.h"

#include <QDate>

#include <gtest/gtest.h>

#include <memory>

using namespace zelt;
using namespace Qt::Literals::StringLiterals;

namespace {

class DemoCompany : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server::registerServerProcedures();
        configScratch = new test::ScratchDatabase(u"CF"_s);
        companyScratch = new test::ScratchDatabase(u"DEMO"_s);
        config = open(*configScratch, u"CONFIG"_s);
        company = open(*companyScratch, u"DMDATA"_s);
        server::upgradeSchema(*config, server::DatabaseKind::Config);
        server::upgradeSchema(*company, server::DatabaseKind::Company);
        server::loadDemoConfig(*config, companyScratch->name(), {});
        server::loadDemoCompany(*company, {});
    }
    static void TearDownTestSuite() {
        delete company;
        delete config;
        delete companyScratch;
        delete configScratch;
    }
    static data::Database* open(const test::ScratchDatabase& scratch, const QString& alias) {
        auto* db = new data::Database(alias);
        db->setServer(scratch.server());
        db->setDatabaseName(scratch.name());
        db->open();
        return db;
    }
    static int count(data::Database& db, const QString& sql, const data::ParamList& params = {}) {
        return db.scalar(sql, params).toInt();
    }

    static inline test::ScratchDatabase* configScratch = nullptr;
    static inline test::ScratchDatabase* companyScratch = nullptr;
    static inline data::Database* config = nullptr;
    static inline data::Database* company = nullptr;
    const int year = QDate::currentDate().year();
};

data::StoredProc* menuCaption(data::Database& db, int menu, int user) {
    auto* sp = new data::StoredProc(&db, u"MENUCAPTION"_s);
    sp->setParam(u"@MENUID"_s, menu);
    sp->setParam(u"@USERID"_s, user);
    sp->execProc();
    return sp;
}

QString newNumber(data::Database& db, const QString& code, int year) {
    data::StoredProc sp(&db, u"NewDocumentNo"_s);
    sp.setParam(u"@DocCode"_s, code);
    sp.setParam(u"@DocYear"_s, year);
    sp.execProc();
    return sp.param(u"@NewNo"_s).toString();
}

} // namespace

TEST_F(DemoCompany, StartsTheOrderModuleForTheOfficerAndKeepsOthersOut) {
    // The demo script starts menu entry 1 for user 1 in the company database.
    std::unique_ptr<data::StoredProc> officer(menuCaption(*config, 1, 1));
    EXPECT_EQ(officer->param(u"@CAPTION"_s).toString().trimmed(), QString::fromUtf8("สั่งซื้อจากต่างประเทศ"));
    for (const QString& right : {u"@ACCESS_R"_s, u"@ADD_R"_s, u"@MODIFY_R"_s, u"@DELETE_R"_s})
        EXPECT_EQ(officer->param(right).toString(), u"Y"_s) << right.toStdString();
    EXPECT_EQ(config->scalar(u"SELECT MenuOption FROM Menu WHERE Id = 1"_s).toString(), u"FRPO"_s);
    for (int menu = 1; menu <= 6; ++menu) {
        std::unique_ptr<data::StoredProc> sp(menuCaption(*config, menu, 1));
        EXPECT_EQ(sp->param(u"@ACCESS_R"_s).toString(), u"Y"_s) << menu;
        std::unique_ptr<data::StoredProc> none(menuCaption(*config, menu, 3));
        EXPECT_NE(none->param(u"@ACCESS_R"_s).toString(), u"Y"_s) << menu;
    }
    const auto user = [&](const char* column, int id) {
        return config
            ->scalar(u"SELECT %1 FROM username WHERE id = :Id"_s.arg(QString::fromUtf8(column)),
                     {{u"Id"_s, id}})
            .toString();
    };
    EXPECT_EQ(user("languageno", 1), u"1"_s);
    EXPECT_EQ(user("Approve_PO", 1), u"Y"_s);
    EXPECT_EQ(user("UserSeeImport", 1), u"Y"_s);
    EXPECT_NE(user("languageno", 2), u"1"_s);
    EXPECT_NE(user("Approve_PO", 2), u"Y"_s);

    // The start-up finds the company by its database name, upper-cased.
    data::Query found(config);
    found.setSql(
        u"SELECT C.Code, C.NameThai, C.RunYear FROM CompanyConfig F "
        u"INNER JOIN DatabaseList D ON (D.Company = F.Company) INNER JOIN Company C ON (C.Id = F.Company) "
        u"WHERE D.DatabaseName = :Name"_s);
    found.setParam(u"Name"_s, companyScratch->name().toUpper());
    found.open();
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found.field(u"Code"_s).asString(), u"DEMO"_s);
    EXPECT_EQ(found.field(u"RunYear"_s).asInteger(), year);
}

TEST_F(DemoCompany, NumbersEveryDocumentCodeInThisYearAndTheNext) {
    QStringList codes{u"FRPO-P"_s, u"PO-P"_s, u"PO-S"_s, u"MR-S"_s, u"PC-S"_s, u"IMPORT"_s};
    for (int month = 1; month <= 12; ++month)
        codes << u"PO"_s + QString::number(month).rightJustified(2, u'0') + u"-MP"_s;
    for (int y : {year, year + 1})
        for (const QString& code : codes)
            EXPECT_EQ(count(*company,
                            u"SELECT COUNT(*) FROM DocumentNo WHERE Code = :Code AND DocYear = :Year AND "
                            u"AutoRun = 'Y' "
                            u"AND DocumentLength > 0"_s,
                            {{u"Code"_s, code}, {u"Year"_s, y}}),
                      1)
                << code.toStdString() << " " << y;
    // Every sub type the order and receipt forms offer leads to a numbering
    // row of its own: the monthly one through "PO12-", the others directly.
    EXPECT_EQ(count(*company,
                    u"SELECT COUNT(*) FROM Misc M WHERE M.GroupCode = 'SUBTYPE' AND NOT EXISTS "
                    u"(SELECT 1 FROM DocumentNo D WHERE D.DocYear = :Year AND D.Code = CASE WHEN "
                    u"M.AutoRunDocMonth = 'Y' THEN 'PO12-' ELSE 'PO-' END || M.Code)"_s,
                    {{u"Year"_s, year}}),
              0);
    // Every print code has a report form.
    for (const QString& code :
         {u"FRPO-P"_s, u"PO-P"_s, u"PO-S"_s, u"PO-A"_s, u"PO-M"_s, u"MR-S"_s, u"PC-S"_s, u"IMPORT"_s})
        EXPECT_GE(
            count(*company, u"SELECT COUNT(*) FROM SystemForm WHERE FormCode = :Code"_s, {{u"Code"_s, code}}),
            1)
            << code.toStdString();

    // The next foreign order follows the demo's orders, never repeating one.
    const QString yy = QString::number((year + 543) % 100).rightJustified(2, u'0');
    const QString next = newNumber(*company, u"FRPO-P"_s, year);
    EXPECT_EQ(next.size(), 12);
    EXPECT_TRUE(next.startsWith(u"FP"_s + yy + u"-"_s)) << next.toStdString();
    EXPECT_EQ(count(*company, u"SELECT COUNT(*) FROM FrPoHd WHERE PoNo = :No"_s, {{u"No"_s, next}}), 0);
    EXPECT_GE(count(*company, u"SELECT COUNT(*) FROM FrPoHd WHERE PoNo < :No"_s, {{u"No"_s, next}}), 3);
    const QString nextYy = QString::number((year + 544) % 100).rightJustified(2, u'0');
    EXPECT_EQ(newNumber(*company, u"FRPO-P"_s, year + 1), u"FP"_s + nextYy + u"-0000001"_s);
}

TEST_F(DemoCompany, HoldsProductsRatesAndPeriodsTheFormsRelyOn) {
    EXPECT_GE(count(*company, u"SELECT COUNT(*) FROM Product WHERE ProductType = 'P'"_s), 50);
    // Quantities are counted in the smallest unit: exactly one per product,
    // of fraction 1, and exactly one stock unit.
    EXPECT_EQ(
        count(
            *company,
            u"SELECT COUNT(*) FROM Product P WHERE (SELECT COUNT(*) FROM ProductUnits U "
            u"WHERE U.Product = P.Id AND U.SmallUnitFlag = 'Y' AND U.Fraction = 1) <> 1 "
            u"OR (SELECT COUNT(*) FROM ProductUnits U WHERE U.Product = P.Id AND U.StockUnitFlag = 'Y') <> 1"_s),
        0);
    // Every purchase unit of the imported goods has the vendor's code and price.
    EXPECT_EQ(count(*company,
                    u"SELECT COUNT(*) FROM ProductUnits U INNER JOIN Product P ON (P.Id = U.Product) "
                    u"WHERE P.ProductType = 'P' AND U.PurcFlag = 'Y' AND NOT EXISTS "
                    u"(SELECT 1 FROM PartSource S WHERE S.ProductUnits = U.Id AND S.Price > 0)"_s),
              0);
    // Bar codes identify one unit.
    EXPECT_EQ(count(*company,
                    u"SELECT COUNT(*) FROM (SELECT BarCode FROM ProductUnits WHERE BarCode IS NOT NULL "
                    u"GROUP BY BarCode HAVING COUNT(*) > 1) X"_s),
              0);
    // The forms take the rates of the latest date in the whole table: every
    // currency must have a rate on that date.
    EXPECT_EQ(count(*company, u"SELECT COUNT(*) FROM Misc M WHERE M.GroupCode = 'CURRENCY' AND NOT EXISTS "
                              u"(SELECT 1 FROM CurrencyEx X WHERE X.Currency = M.Id AND X.PurcRate > 0 AND "
                              u"X.ExchangeDate = (SELECT MAX(ExchangeDate) FROM CurrencyEx))"_s),
              0);
    EXPECT_EQ(company->scalar(u"SELECT M.Code FROM Config C INNER JOIN Misc M ON (M.Id = C.MainCurrencyId)"_s)
                  .toString(),
              u"THB"_s);
    // Foreign vendors order at 0 % VAT, in their currency.
    EXPECT_EQ(count(*company,
                    u"SELECT COUNT(*) FROM FrVendor V INNER JOIN VendorGroup G ON (G.Id = V.VendorGroup) "
                    u"INNER JOIN Tax T ON (T.Id = G.TaxCode) WHERE T.Rate <> 0 OR V.Currency IS NULL"_s),
              0);
    // Last year is closed; today can be posted.
    const QDate today = QDate::currentDate();
    const QString month = QString::number(today.month());
    EXPECT_EQ(company
                  ->scalar(u"SELECT Lock%1 FROM accountperiod WHERE accountyear = :Year"_s.arg(month),
                           {{u"Year"_s, year - 1}})
                  .toString(),
              u"Y"_s);
    EXPECT_EQ(company
                  ->scalar(u"SELECT Lock%1 FROM accountperiod WHERE accountyear = :Year"_s.arg(month),
                           {{u"Year"_s, year}})
                  .toString(),
              u"N"_s);
    // The demo documents lie in open periods.
    EXPECT_EQ(count(*company,
                    u"SELECT COUNT(*) FROM FrPoHd H INNER JOIN accountperiod A ON (A.accountyear = :Year) "
                    u"WHERE H.PoDate < A.Start1"_s,
                    {{u"Year"_s, year}}),
              0);
}
