#include "shell/U_DM.h"

#include "platform/data/DataSetModel.h"
#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "platform/data/SqlScript.h"
#include "platform/data/UpdateSql.h"
#include "platform/ui/Modal.h"
#include "server/Procedures.h"
#include "server/SchemaBuilder.h"
#include "shell/Dm_Config.h"
#include "support/TestServer.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace zelt;
using shell::TDM;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// A company database with a small seed, and the company data module
// connected to it the way start-up connects it: the database name as the
// command line gives it, the server from "Server.Dat".
class Services : public ::testing::Test {
protected:
    void SetUp() override {
        server::registerServerProcedures();
        scratch = std::make_unique<test::ScratchDatabase>(QStringLiteral("DM"));
        seed = std::make_unique<data::Database>(QStringLiteral("SEED"));
        seed->setServer(scratch->server());
        seed->setDatabaseName(scratch->name());
        seed->open();
        server::upgradeSchema(*seed, server::DatabaseKind::Company);
        seedCompany();

        QFile serverDat(workDir.filePath(QStringLiteral("Server.Dat")));
        ASSERT_TRUE(serverDat.open(QIODevice::WriteOnly | QIODevice::Text));
        serverDat.write(scratch->serverText().toUtf8() + "\n");
        serverDat.close();

        config = std::make_unique<shell::TDMConfig>();
        config->WorkDir = workDir.path();
        config->UserId = 7;
        config->MenuId = 42;
        dm = std::make_unique<TDM>();
        dm->setCommandLineDatabase(QStringLiteral("  ") + scratch->name().toLower() + QStringLiteral(" "));
        dm->freeSplash = [this] { ++splashFreed; };
        dm->DMdata->open();
    }
    void TearDown() override {
        dm.reset();
        config.reset();
        seed.reset();
        scratch.reset();
    }

    int insertId(const QString& sql, const data::ParamList& params = {}) {
        seed->execute(sql, params);
        return seed->lastIdentity().toInt();
    }

    void seedCompany() {
        const int other = insertId(u("INSERT INTO Misc (GroupCode, Code, Description, OrderNo) "
                                     "VALUES ('CITY', 'BKK', 'Bangkok', 0)"));
        Q_UNUSED(other);
        usd = insertId(u("INSERT INTO Misc (GroupCode, Code, Description, OrderNo) "
                         "VALUES ('CURRENCY', 'USD', 'US Dollar', 2)"));
        thb = insertId(u("INSERT INTO Misc (GroupCode, Code, Description, OrderNo) "
                         "VALUES ('CURRENCY', 'THB', :Name, 1)"),
                       {{u("Name"), u("บาท")}});
        eur = insertId(u("INSERT INTO Misc (GroupCode, Code, Description, OrderNo) "
                         "VALUES ('CURRENCY', 'EUR', 'Euro', 3)"));
        const auto rate = [&](int currency, QDate date, double purcRate) {
            seed->execute(u("INSERT INTO CurrencyEx (Currency, ExchangeDate, PurcScrap, PurcPart, PurcRate, "
                            "SaleScrap, SalePart, SaleRate) VALUES (:C, :D, 1, 1, :R, 1, 1, :R)"),
                          {{u("C"), currency}, {u("D"), date}, {u("R"), purcRate}});
        };
        rate(usd, QDate(2026, 1, 10), 35.5);
        rate(eur, QDate(2026, 1, 20), 38.25); // EUR's own latest, older than the table's latest
        rate(usd, QDate(2026, 2, 1), 36.75);

        seed->execute(
            u("INSERT INTO Config (RunYear, MainCurrencyId, MrRefPO, EditPricePO, UnitLeft, UnitRight) "
              "VALUES (2026, :Main, 'Y', 'N', '<', '>')"),
            {{u("Main"), thb}});

        const auto numbering = [&](const char* code, int year, const char* prefix, int length,
                                   const char* autoRun) {
            return insertId(
                u("INSERT INTO DocumentNo (Code, Description, Prefix, LastNo, DocumentLength, AutoRun, "
                  "DocYear) VALUES (:Code, :Code, :Prefix, 0, :Len, :Auto, :Year)"),
                {{u("Code"), u(code)},
                 {u("Prefix"), u(prefix)},
                 {u("Len"), length},
                 {u("Auto"), u(autoRun)},
                 {u("Year"), year}});
        };
        numbering("FRPO-P", 2026, "FP26-", 10, "Y");
        numbering("FRPO-P", 2027, "FP27-", 10, "Y");
        numbering("PO01-", 2026, "PO", 12, "N");
        const int shared = numbering("IMPORT-ALL", 2026, "IM", 14, "N");
        seed->execute(u("INSERT INTO DocNoConvert (Code, DocYear, DocumentNo) VALUES ('IMPORT', 2026, :D)"),
                      {{u("D"), shared}});

        vat = insertId(u("INSERT INTO Tax (Code, Description, Rate) VALUES ('V7', 'VAT', 7)"));

        // Two account years cover January to March 2026: a fiscal year from
        // April 2025 and a calendar year 2026.
        addAccountYear(
            2025, 2025, 4,
            {u("Y"), u("Y"), u("Y"), u("Y"), u("Y"), u("Y"), u("Y"), u("Y"), u("Y"), u("Y"), u("Y"), u("N")});
        addAccountYear(2026, 2026, 1,
                       {QVariant(), u("N"), u("Y"), u("N"), u("Y"), u(""), QVariant(), u("N"), u("N"), u("N"),
                        u("N"), u("N")});

        // Product 1: Pc (smallest), Box of 12 (stock unit), Case of 24.
        pc = addUnit(1, "Pc", 1, "Y", "N");
        box = addUnit(1, "Box", 12, "N", "Y");
        addUnit(1, "Case", 24, "N", "N");
        // Product 2: stock unit Case of 24.
        pc2 = addUnit(2, "Pc", 1, "Y", "N");
        addUnit(2, "Case", 24, "N", "Y");
        // Product 3: no stock unit.
        pack3 = addUnit(3, "Pack", 12, "N", "N");
        addUnit(3, "Pc", 1, "Y", "N");
        // Product 4: a roll of 100 smallest units, the stock unit.
        roll4 = addUnit(4, "Roll", 100, "N", "Y");
        addUnit(4, "cm", 1, "Y", "N");
        // Product 5: no smallest unit at all.
        orphan = addUnit(5, "Set", 6, "N", "Y");
    }

    void addAccountYear(int accountYear, int year, int month, const QVariantList& locks) {
        QStringList columns{u("accountyear")};
        QStringList values{u(":Y")};
        data::ParamList params{{u("Y"), accountYear}};
        QDate start(year, month, 1);
        for (int i = 1; i <= 12; ++i) {
            columns << u("Start%1").arg(i) << u("Stop%1").arg(i) << u("Lock%1").arg(i);
            values << u(":S%1").arg(i) << u(":E%1").arg(i) << u(":L%1").arg(i);
            params.set(u("S%1").arg(i), start);
            params.set(u("E%1").arg(i), start.addMonths(1).addDays(-1));
            params.set(u("L%1").arg(i), locks[i - 1]);
            start = start.addMonths(1);
        }
        seed->execute(
            u("INSERT INTO accountperiod (%1) VALUES (%2)").arg(columns.join(u(", ")), values.join(u(", "))),
            params);
    }

    int addUnit(int product, const char* name, int fraction, const char* small, const char* stock) {
        return insertId(
            u("INSERT INTO ProductUnits (Product, UnitName, Fraction, SmallUnitFlag, StockUnitFlag) "
              "VALUES (:P, :N, :F, :Sm, :St)"),
            {{u("P"), product},
             {u("N"), u(name)},
             {u("F"), fraction},
             {u("Sm"), u(small)},
             {u("St"), u(stock)}});
    }

    QVariant scalar(const char* sql, const data::ParamList& params = {}) {
        return seed->scalar(u(sql), params);
    }

    QTemporaryDir workDir;
    std::unique_ptr<test::ScratchDatabase> scratch;
    std::unique_ptr<data::Database> seed;
    std::unique_ptr<shell::TDMConfig> config;
    std::unique_ptr<TDM> dm;
    ui::ScriptedModal modal;
    int splashFreed = 0;
    int usd = 0, thb = 0, eur = 0, vat = 0;
    int pc = 0, box = 0, pc2 = 0, pack3 = 0, roll4 = 0, orphan = 0;
};

// ------------------------------------------------------------- connecting

TEST_F(Services, ConnectTakesTheCommandLineNameAndReadsTheSettings) {
    EXPECT_EQ(shell::DM, dm.get());
    EXPECT_EQ(dm->DatabaseName, scratch->name().toLower()) << "trimmed, case kept";
    EXPECT_EQ(dm->DMdata->objectName(), u("DMdata"));
    EXPECT_EQ(dm->DMdata->alias(), u("DMDATA"));
    EXPECT_TRUE(dm->MrRefPO);
    EXPECT_FALSE(dm->EditPricePO);
    EXPECT_EQ(dm->MainCurrencyId, thb);
    EXPECT_EQ(dm->MainCurrencyName, u("บาท"));
    EXPECT_EQ(dm->QConfig->value(u("MainCurrencyCode")).toString(), u("THB"));
    EXPECT_EQ(splashFreed, 1);
    EXPECT_EQ(dm->DialogColor, QColor(0, 0, 255));
    EXPECT_EQ((QList<int>{dm->FuncAdd, dm->FuncEdit, dm->FuncDelete, dm->FuncPrint, dm->FuncPreview}),
              (QList<int>{1, 2, 3, 5, 10}));
    for (const char* name : {"QConfig", "QchkPeriod", "QTax", "QMiscCurrency", "DelGL", "SpNextDocNo",
                             "SpServerTime", "SpAddLog", "QDocConvert", "QDocumentNo", "QTaxRate", "QNewId",
                             "QUnitFraction", "QStockUnitQnty", "QPostId"})
        EXPECT_NE(dm->findChild<QObject*>(u(name)), nullptr) << name;
}

TEST_F(Services, EveryConnectRunsTheAfterConnectStepsButFreesTheSplashOnce) {
    seed->execute(u("UPDATE Config SET MrRefPO = 'N', EditPricePO = 'Y', MainCurrencyId = :M"),
                  {{u("M"), usd}});
    EXPECT_TRUE(dm->MrRefPO) << "settings change only at the next connect";
    dm->DMdata->close();
    dm->DMdata->open();
    EXPECT_FALSE(dm->MrRefPO);
    EXPECT_TRUE(dm->EditPricePO);
    EXPECT_EQ(dm->MainCurrencyId, usd);
    EXPECT_EQ(dm->MainCurrencyName, u("US Dollar"));
    EXPECT_EQ(splashFreed, 1);
}

TEST_F(Services, CurrenciesCarryTheRatesOfTheLatestDateOfTheWholeTable) {
    QAbstractItemModelTester tester(dm->DMiscCurrency,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    data::Query& q = *dm->QMiscCurrency;
    ASSERT_TRUE(q.isActive()) << "opened after connect";
    QStringList codes;
    QVariantList rates;
    for (q.first(); !q.eof(); q.next()) {
        codes << q.field(u("Code")).asString();
        rates << q.value(u("PurcRate"));
    }
    EXPECT_EQ(codes, (QStringList{u("THB"), u("USD"), u("EUR")}));
    EXPECT_TRUE(rates[0].isNull());
    EXPECT_DOUBLE_EQ(rates[1].toDouble(), 36.75);
    EXPECT_TRUE(rates[2].isNull()) << "EUR has no rate on the latest date of the table";
    EXPECT_EQ(dm->DMiscCurrency->rowCount(), 3);
}

// ----------------------------------------------------------- period lock

TEST_F(Services, PeriodLockFollowsTheLatestAccountYearThatCoversTheDate) {
    const QString locked = u("รอบบัญชีนี้ถูกผ่านรายการบัญชีไปแล้ว ไม่สามารถเพิ่มเติม หรือ แก้ไขได้");
    const struct {
        QDate date;
        bool open;
        const char* why;
    } cases[] = {
        {QDate(2026, 2, 15), true, "2026 period 2 is N; the older year's Y does not count"},
        {QDate(2026, 3, 10), false, "2026 period 3 is Y; the older year's N does not count"},
        {QDate(2026, 1, 31), true, "lock flag null"},
        {QDate(2026, 6, 15), true, "lock flag empty"},
        {QDate(2026, 5, 1), false, "first day of a locked period"},
        {QDate(2026, 5, 31), false, "last day of a locked period"},
        {QDate(2025, 6, 15), false, "only the older year covers it"},
        {QDate(2025, 3, 31), true, "before every period"},
        {QDate(2027, 1, 1), true, "after every period"},
    };
    for (const auto& c : cases) {
        modal.clear();
        EXPECT_EQ(dm->IsPeriodOpen(c.date), c.open) << c.why;
        if (c.open)
            EXPECT_TRUE(modal.messages().isEmpty()) << c.why;
        else
            EXPECT_EQ(modal.texts(), QStringList{locked}) << c.why;
    }
}

TEST_F(Services, RunYearAcceptsTheNextYearAndEveryEarlierOne) {
    EXPECT_TRUE(dm->IsDateInRunYear(QDate(2027, 12, 31)));
    EXPECT_FALSE(dm->IsDateInRunYear(QDate(2028, 1, 1)));
    EXPECT_TRUE(dm->IsDateInRunYear(QDate(1990, 1, 1)));
    seed->execute(u("UPDATE Config SET RunYear = 2027"));
    dm->ReopenConfig();
    EXPECT_TRUE(dm->IsDateInRunYear(QDate(2028, 12, 31)));
    EXPECT_FALSE(dm->IsDateInRunYear(QDate(2029, 1, 1)));
    EXPECT_TRUE(modal.messages().isEmpty());
}

// ----------------------------------------------------- numbers and tax rates

TEST_F(Services, DocumentLengthComesFromTheMappedRowOrTheCodesOwnRow) {
    const struct {
        const char* code;
        int length;
        bool autoRun;
        bool message;
    } cases[] = {
        {"FRPO-P", 10, true, false},
        {"IMPORT", 14, false, false}, // mapped: the shared row's length and
                                      // flag
        {"FRPO-P  ", 10, true, false},
        {"PO01-", 12, false, false},
        {"MR-S", 0, false, true},
    };
    for (const auto& c : cases) {
        modal.clear();
        EXPECT_EQ(dm->GetDocumentLength(u(c.code)), c.length) << c.code;
        EXPECT_EQ(dm->AutoRunDocNo, c.autoRun) << c.code;
        EXPECT_EQ(modal.messages().size(), c.message ? 1 : 0) << c.code;
    }
    EXPECT_EQ(modal.lastText(), u("ไม่พบรหัสเอกสาร MR-S\rปี 2026"));
}

TEST_F(Services, TaxRateOfAnUnknownIdIsZero) {
    EXPECT_DOUBLE_EQ(dm->GetTaxRate(vat), 7.0);
    EXPECT_DOUBLE_EQ(dm->GetTaxRate(vat + 1000), 0.0);
    EXPECT_TRUE(modal.messages().isEmpty());
    EXPECT_TRUE(dm->GetServerTime().isValid());
}

// A foreign order header kept with cached updates, selected by its number
// the way the order form selects it.
class HeaderSet {
public:
    explicit HeaderSet(data::Database* db, const char* poType = "F")
        : update(db)
        , query(db) {
        query.setSql(u("SELECT * FROM FrPoHd WHERE (PoType = :PoType) AND (PoNo = :GetNo)"));
        query.setParam(u("PoType"), u(poType));
        update.setInsertSql(u("INSERT INTO FrPoHd (PoType, PoNo, PoDate, Remark) "
                              "VALUES (:PoType, :PoNo, :PoDate, :Remark)"));
        update.setModifySql(u("UPDATE FrPoHd SET PoDate = :PoDate, Remark = :Remark WHERE ID = :OLD_ID"));
        query.setCachedUpdates(true);
        query.setUpdateObject(&update);
    }
    void openNumber(const QString& no) {
        query.setParam(u("GetNo"), no);
        query.open();
    }
    void startNew(const QDate& date, const char* remark) {
        openNumber(QString());
        query.append();
        query.setValue(u("PoType"), u("F"));
        query.setValue(u("PoDate"), date);
        query.setValue(u("Remark"), u(remark));
    }
    data::UpdateSql update;
    data::Query query;
};

struct LogRow {
    int function;
    int document;
    QString remark;
    bool operator==(const LogRow&) const = default;
};

void PrintTo(const LogRow& r, std::ostream* os) {
    *os << "{" << r.function << ", " << r.document << ", " << r.remark.toStdString() << "}";
}

class ServicesSaving : public Services {
protected:
    QList<LogRow> log() {
        data::Query q(seed.get());
        q.setSql(u("SELECT FunctionListId, DocumentId, Remark, UserId, MenuId FROM UserLog ORDER BY Id"));
        q.open();
        QList<LogRow> rows;
        for (; !q.eof(); q.next()) {
            EXPECT_EQ(q.field(u("UserId")).asInteger(), 7);
            EXPECT_EQ(q.field(u("MenuId")).asInteger(), 42);
            rows.push_back({q.field(u("FunctionListId")).asInteger(), q.field(u("DocumentId")).asInteger(),
                            q.field(u("Remark")).asString()});
        }
        return rows;
    }
    int save(HeaderSet& hd, const QDate& date) {
        data::Transaction tx(*dm->DMdata);
        const int id = dm->PostWithNewDocNo(hd.query, date, u("FRPO-P"), u("PoNo"), u("getno"));
        tx.commit();
        hd.query.commitUpdates();
        return id;
    }
};

TEST_F(ServicesSaving, NewHeaderIsNumberedLoggedAndFoundAgain) {
    HeaderSet hd(dm->DMdata);
    hd.startNew(QDate(2026, 3, 5), "first");
    const int id = save(hd, QDate(2026, 3, 5));
    EXPECT_EQ(hd.query.field(u("PoNo")).asString(), u("FP26-00001"));
    EXPECT_EQ(id, scalar("SELECT ID FROM FrPoHd WHERE PoNo = 'FP26-00001'").toInt());
    EXPECT_EQ(dm->GetNewId(), id) << "the header was the last row inserted";
    EXPECT_EQ(log(), (QList<LogRow>{{1, 0, u("FP26-00001")}}));

    // Saved again as the form does it: read back by number, changed, saved.
    hd.openNumber(u("FP26-00001"));
    hd.query.edit();
    hd.query.setValue(u("Remark"), u("second"));
    EXPECT_EQ(save(hd, QDate(2026, 3, 5)), id);
    EXPECT_EQ(scalar("SELECT Remark FROM FrPoHd WHERE ID = :Id", {{u("Id"), id}}).toString(), u("second"));
    EXPECT_EQ(scalar("SELECT LastNo FROM DocumentNo WHERE Code = 'FRPO-P' AND DocYear = 2026").toInt(), 1)
        << "an edit takes no number";
    EXPECT_EQ(log(), (QList<LogRow>{{1, 0, u("FP26-00001")}, {2, id, u("FP26-00001")}}));

    HeaderSet next(dm->DMdata);
    next.startNew(QDate(2027, 1, 2), "next year");
    EXPECT_GT(save(next, QDate(2027, 1, 2)), id);
    EXPECT_EQ(next.query.field(u("PoNo")).asString(), u("FP27-00001")) << "numbered in the year of its date";
    EXPECT_TRUE(modal.messages().isEmpty());
}

TEST_F(ServicesSaving, GivenNumberIsStoredAndLogged) {
    HeaderSet hd(dm->DMdata);
    hd.startNew(QDate(2026, 4, 1), "typed number");
    data::Transaction tx(*dm->DMdata);
    const int id = dm->PostWithDocNo(hd.query, u("MANUAL-01"), u("PoNo"), u("GetNo"));
    tx.commit();
    EXPECT_EQ(id, scalar("SELECT ID FROM FrPoHd WHERE PoNo = 'MANUAL-01'").toInt());
    EXPECT_GT(id, 0);
    EXPECT_EQ(log(), (QList<LogRow>{{1, 0, u("MANUAL-01")}}));
    EXPECT_EQ(scalar("SELECT SUM(LastNo) FROM DocumentNo").toInt(), 0);
}

TEST_F(ServicesSaving, HeaderThatItsStatementCannotFindGivesMinusOne) {
    HeaderSet hd(dm->DMdata, "L"); // selects local orders; the new header is a foreign one
    hd.startNew(QDate(2026, 3, 5), "lost");
    data::Transaction tx(*dm->DMdata);
    EXPECT_EQ(dm->PostWithNewDocNo(hd.query, QDate(2026, 3, 5), u("FRPO-P"), u("PoNo"), u("GetNo")), -1);
    EXPECT_EQ(modal.texts(), QStringList{u("Impossible Error IvNo !!!!")});
    tx.commit();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM FrPoHd").toInt(), 1) << "the updates stay applied";
}

TEST_F(Services, LedgerVoucherScriptRemovesOnlyTheDocumentsVoucher) {
    const auto voucher = [&](int docId, const char* docNo) {
        const int hd = insertId(u("INSERT INTO glhd (glfromdocid, glfromdocno) VALUES (:I, :N)"),
                                {{u("I"), docId}, {u("N"), u(docNo)}});
        for (int i = 0; i < 2; ++i)
            seed->execute(u("INSERT INTO gldt (glhd, recno) VALUES (:H, :R)"), {{u("H"), hd}, {u("R"), i}});
    };
    voucher(5, "  MR-0001");
    voucher(5, "MR-0002");
    voucher(6, "MR-0001");
    dm->DelGL->setParam(u("id"), 5);
    dm->DelGL->setParam(u("no"), u("MR-0001"));
    dm->DelGL->execute();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM glhd").toInt(), 2);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM gldt").toInt(), 4);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM glhd WHERE glfromdocid = 5 AND glfromdocno LIKE '%0001'").toInt(),
              0);
}

// ------------------------------------------------------------- questions

TEST_F(Services, ConfirmationIsBlueWithWhiteTextAndOnlyYesAgrees) {
    const struct {
        QMessageBox::StandardButton answer;
        bool result;
    } cases[] = {
        {QMessageBox::Yes, true},
        {QMessageBox::No, false},
        {QMessageBox::Cancel, false},   // Escape
        {QMessageBox::NoButton, false}, // the box closed
    };
    for (const auto& c : cases) {
        modal.clear();
        modal.answer(c.answer);
        EXPECT_EQ(dm->ConfirmMessage(u("บันทึกเอกสาร ?")), c.result) << c.answer;
        ASSERT_EQ(modal.messages().size(), 1);
        const ui::MessageRequest& r = modal.messages().first();
        EXPECT_EQ(r.text, u("บันทึกเอกสาร ?"));
        EXPECT_EQ(r.kind, ui::MessageKind::Question);
        EXPECT_EQ(r.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(r.background, QColor(Qt::blue));
        EXPECT_EQ(r.foreground, QColor(Qt::white));
    }
    dm->DialogColor = QColor(Qt::green);
    dm->ConfirmMessage(u("ออก ?"));
    EXPECT_EQ(modal.messages().last().background, QColor(Qt::green));
}

// ---------------------------------------------------------- quantity texts

TEST_F(Services, QuantityTexts) {
    enum Kind { InUnits, Part1, Part2, Part3, StockUnit };
    const struct {
        Kind kind;
        int unit;
        double qty;
        const char* text;
    } cases[] = {
        {InUnits, box, 29, "2 <Box> 5 <Pc>"},
        {InUnits, box, -29, "- 2 <Box> 5 <Pc>"},
        {InUnits, box, 0, "0 <Box>"},
        {InUnits, box, 24, "2 <Box>"},
        {InUnits, box, 5, "5 <Pc>"},
        {InUnits, box, -5, "- 5 <Pc>"},
        {InUnits, box, 12005, "1,000 <Box> 5 <Pc>"},
        {InUnits, pc, 3.5, "3.5 <Pc>"},
        {InUnits, pc, 1234567, "1,234,567 <Pc>"},
        {InUnits, orphan, 5, "5 ERROR"},
        {InUnits, orphan, -5, "5 ERROR"},
        {Part1, box, 29, "2 Box"},
        {Part2, box, 29, " 5 Pc"},
        {Part1, box, -29, "- 2 Box"},
        {Part2, box, -29, "-  5 Pc"},
        {Part1, box, 5, ""},
        {Part2, box, 24, ""},
        {Part1, pc, 3.5, ""},
        {Part2, pc, 3.5, "3.5 Pc"},
        {Part3, box, 29, "29 IDERROR"},
        {Part1, orphan, 5, "5 ERROR"},
        {StockUnit, pc, 30, "2;1/2  Box"},
        {StockUnit, pc, 24, "2;Box"},
        {StockUnit, pc, 6, ";1/2  Box"},
        {StockUnit, pc, 8, ";2/3  Box"},
        {StockUnit, pc, 5, ";5/12  Box"}, // 12 / 5 is 2 only in whole numbers
        {StockUnit, pc, 12000, "1,000;Box"},
        {StockUnit, box, 2.5, "2;1/2  Box"},
        {StockUnit, pc, 0, ";0  Box"},
        {StockUnit, pc, -30, "- 2;1/2  Box"},
        {StockUnit, pc2, 36, "1;1/2  Case"}, // 12 left of 24
        {StockUnit, pc2, 20, ";5/6  Case"},
        {StockUnit, roll4, 0.29, ";29/100  Roll"},
        {StockUnit, pack3, 2.5, "2;1/2  Pack"}, // no stock unit: the unit given
        {StockUnit, orphan, 5, ";0"},
        {StockUnit, box + 1000, 5, ";0"},
    };
    for (const auto& c : cases) {
        QString text;
        switch (c.kind) {
        case InUnits:
            text = dm->FormatQtyInUnits(c.unit, c.qty);
            break;
        case Part1:
        case Part2:
        case Part3:
            text = dm->FormatQtyPart(c.unit, int(c.kind - Part1) + 1, c.qty);
            break;
        case StockUnit:
            text = dm->FormatQtyStockUnit(c.unit, c.qty);
            break;
        }
        EXPECT_EQ(text, u(c.text)) << "kind " << c.kind << ", unit " << c.unit << ", quantity " << c.qty;
    }
}

TEST_F(Services, QuantityDecimalsFollowTheCompanySetting) {
    seed->execute(u("UPDATE Config SET OnhandDecimal = 2, UnitLeft = NULL, UnitRight = NULL"));
    dm->ReopenConfig();
    EXPECT_EQ(dm->FormatQtyInUnits(box, 29), u("2 Box 5.00 Pc"));
    EXPECT_EQ(dm->FormatQtyInUnits(pc, 3.456), u("3.46 Pc"));
    seed->execute(u("UPDATE Config SET OnhandDecimal = 0"));
    dm->ReopenConfig();
    EXPECT_EQ(dm->FormatQtyInUnits(pc, 3.456), u("3.456 Pc"));
}

} // namespace
