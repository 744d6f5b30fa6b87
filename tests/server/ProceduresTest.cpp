#include "ServerFixture.h"

#include "platform/data/Query.h"
#include "platform/data/StoredProc.h"

#include <QProcess>
#include <QSet>

#include <csignal>

using namespace zelt;
using zelt::test::CompanyFixture;

namespace {

QString nextNo(data::Database& db, const QString& code, int year) {
    data::StoredProc sp(&db, QStringLiteral("NewDocumentNo"));
    sp.setParam(QStringLiteral("@DocCode"), code);
    sp.setParam(QStringLiteral("@DocYear"), year);
    sp.execProc();
    return sp.param(QStringLiteral("@NewNo")).toString();
}

QStringList workerArgs(const QString& mode, const test::ScratchDatabase& s, const QString& code, int year) {
    return {mode, s.serverText(), s.name(), code, QString::number(year)};
}

} // namespace

class Numbering : public CompanyFixture {};

TEST_F(Numbering, FormsPrefixAndCounterToTheLengthOfTheRowOfTheDocumentYear) {
    addNumbering(QStringLiteral("FRPO-P"), 2026, QStringLiteral("FP26-"), 10, 41);
    addNumbering(QStringLiteral("FRPO-P"), 2027, QStringLiteral("FP27-"), 10, 0);
    db->execute(QStringLiteral("INSERT INTO DocumentNo (Code, Prefix, LastNo, DocumentLength, DocYear) "
                               "VALUES ('IMPORT-BIG', 'IM', 0, 12, 2026)"));
    db->execute(QStringLiteral("INSERT INTO DocNoConvert (Code, DocYear, DocumentNo) "
                               "SELECT 'IMPORT', 2026, Id FROM DocumentNo WHERE Code = 'IMPORT-BIG'"));

    EXPECT_EQ(nextNo(*db, QStringLiteral("FRPO-P"), 2026), QStringLiteral("FP26-00042"));
    EXPECT_EQ(nextNo(*db, QStringLiteral("frpo-p"), 2026), QStringLiteral("FP26-00043"))
        << "codes ignore case";
    EXPECT_EQ(nextNo(*db, QStringLiteral("FRPO-P"), 2027), QStringLiteral("FP27-00001"))
        << "the year picks the row";
    EXPECT_EQ(nextNo(*db, QStringLiteral("IMPORT"), 2026), QStringLiteral("IM0000000001")) << "a mapped code";
    EXPECT_THROW(nextNo(*db, QStringLiteral("FRPO-P"), 2030), data::DatabaseError) << "no row for that year";
}

TEST_F(Numbering, ExhaustedCounterIsRefusedNotCut) {
    addNumbering(QStringLiteral("MR-S"), 2026, QStringLiteral("MR"), 5, 999);
    EXPECT_THROW(nextNo(*db, QStringLiteral("MR-S"), 2026), data::DatabaseError);
    EXPECT_EQ(server::formatDocumentNo(QStringLiteral("AB"), 12, 6, QStringLiteral("X")),
              QStringLiteral("AB0012"));
    EXPECT_EQ(server::formatDocumentNo(QStringLiteral("AB"), 12, 0, QStringLiteral("X")),
              QStringLiteral("AB12"));
}

TEST_F(Numbering, RolledBackSaveGivesTheNumberBack) {
    addNumbering(QStringLiteral("FRPO-P"), 2026, QStringLiteral("FP"), 7);
    {
        data::Transaction tx(*db);
        EXPECT_EQ(nextNo(*db, QStringLiteral("FRPO-P"), 2026), QStringLiteral("FP00001"));
    } // rolled back
    data::Transaction tx(*db);
    EXPECT_EQ(nextNo(*db, QStringLiteral("FRPO-P"), 2026), QStringLiteral("FP00001"));
    tx.commit();
    EXPECT_EQ(nextNo(*db, QStringLiteral("FRPO-P"), 2026), QStringLiteral("FP00002"));
}

TEST_F(Numbering, ConcurrentProcessesNeverShareANumber) {
    addNumbering(QStringLiteral("FRPO-P"), 2026, QStringLiteral("FP26-"), 12);
    constexpr int kWorkers = 4;
    constexpr int kEach = 25;
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int i = 0; i < kWorkers; ++i) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(ZELT_NUMBERING_WORKER),
                 workerArgs(QStringLiteral("take"), *scratch, QStringLiteral("FRPO-P"), 2026)
                     << QString::number(kEach));
        workers.push_back(std::move(p));
    }
    QSet<QString> seen;
    int total = 0;
    for (auto& p : workers) {
        ASSERT_TRUE(p->waitForFinished(120000));
        ASSERT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        for (const QByteArray& line : p->readAllStandardOutput().split('\n')) {
            if (line.trimmed().isEmpty())
                continue;
            seen.insert(QString::fromUtf8(line.trimmed()));
            ++total;
        }
    }
    EXPECT_EQ(total, kWorkers * kEach);
    EXPECT_EQ(seen.size(), total) << "a number was handed out twice";
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(DISTINCT PoNo) FROM FrPoHd")).toInt(), total);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT LastNo FROM DocumentNo WHERE Code = 'FRPO-P'")).toInt(),
              total);
}

TEST_F(Numbering, KilledSaverLeavesNoHalfDocumentAndLosesNothingCommitted) {
    addNumbering(QStringLiteral("FRPO-P"), 2026, QStringLiteral("FP"), 7);
    data::Transaction first(*db);
    const QString committed = nextNo(*db, QStringLiteral("FRPO-P"), 2026);
    db->execute(QStringLiteral("INSERT INTO FrPoHd (PoNo, PoType, PoDate) VALUES (:No, 'P', :D)"),
                {{QStringLiteral("No"), committed}, {QStringLiteral("D"), QDate(2026, 3, 1)}});
    first.commit();
    db->close(); // the embedded store allows one writer: let the worker in

    QProcess worker;
    worker.start(QStringLiteral(ZELT_NUMBERING_WORKER),
                 workerArgs(QStringLiteral("hold"), *scratch, QStringLiteral("FRPO-P"), 2026));
    QByteArray out;
    while (!out.contains("READY") && worker.waitForReadyRead(30000))
        out += worker.readAllStandardOutput();
    ASSERT_TRUE(out.contains("READY")) << worker.readAllStandardError().toStdString();
    EXPECT_TRUE(out.startsWith("FP00002"));
    ::kill(pid_t(worker.processId()), SIGKILL);
    worker.waitForFinished(10000);

    db->open();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM FrPoHd")).toInt(), 1);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT PoNo FROM FrPoHd")).toString(), committed);
    EXPECT_EQ(nextNo(*db, QStringLiteral("FRPO-P"), 2026), QStringLiteral("FP00002"))
        << "the killed save's number is free";
}

TEST_F(CompanyFixture, ServerTimeUserLogSerialsAndPrintData) {
    data::StoredProc time(db.get(), QStringLiteral("ServerTime"));
    time.execProc();
    const QDateTime t = time.param(QStringLiteral("@ServerTime")).toDateTime();
    EXPECT_LT(qAbs(t.secsTo(QDateTime::currentDateTime())), 120);

    data::StoredProc log(db.get(), QStringLiteral("UserAddLog"));
    log.setParam(QStringLiteral("@UserId"), 1);
    log.setParam(QStringLiteral("@MenuId"), 6);
    log.setParam(QStringLiteral("@FunctionListId"), 1);
    log.setParam(QStringLiteral("@DocumentId"), 0);
    log.setParam(QStringLiteral("@Remark"), QStringLiteral("FP00001 ใบสั่งซื้อ"));
    log.execProc();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT Remark FROM UserLog WHERE FunctionListId = 1")).toString(),
              QStringLiteral("FP00001 ใบสั่งซื้อ"));

    data::StoredProc serial(db.get(), QStringLiteral("CreateSerialNo"));
    serial.setParam(QStringLiteral("@ProductId"), 7);
    serial.setParam(QStringLiteral("@SerialCode"), QStringLiteral("SN-001"));
    serial.execProc();
    const int id = serial.param(QStringLiteral("@SerialId")).toInt();
    EXPECT_GT(id, 0);
    serial.setParam(QStringLiteral("@SerialCode"), QStringLiteral("sn-001"));
    serial.execProc();
    EXPECT_EQ(serial.param(QStringLiteral("@SerialId")).toInt(), id)
        << "an existing serial is found, not made again";

    data::StoredProc print(db.get(), QStringLiteral("SP_PrintDocData"));
    print.setParam(QStringLiteral("@No"), QStringLiteral("  FP00001"));
    print.setParam(QStringLiteral("@DocYear"), 2026);
    print.setParam(QStringLiteral("@DocCode"), QStringLiteral("FRPO-P"));
    print.execProc();
    EXPECT_EQ(print.param(QStringLiteral("@NewDocNo")).toString(), QStringLiteral("FP00001"));

    data::StoredProc missing(db.get(), QStringLiteral("NoSuchProcedure"));
    EXPECT_THROW(missing.execProc(), data::DatabaseError);
}

TEST_F(CompanyFixture, VoucherNamesTheDocumentBalancesAndIsMadeAnew) {
    db->execute(
        QStringLiteral("INSERT INTO Config (RunYear, GLAccPurchase, GLAccInputVat, GLAccPayable, GLAccCash) "
                       "VALUES (2026, '5100', '1154', '2110', '1110')"));
    db->execute(QStringLiteral("INSERT INTO MrHd (MrType, MrNo, MrDate, Vendor, Total, TaxTotal, DelFlag) "
                               "VALUES ('S', 'MR00001', :D, 1, 1070.00, 70.00, 'N')"),
                {{QStringLiteral("D"), QDate(2026, 5, 2)}});
    const int id = db->scalar(QStringLiteral("SELECT ID FROM MrHd")).toInt();
    data::StoredProc gl(db.get(), QStringLiteral("GL_MrHd"));
    gl.setParam(QStringLiteral("@DocId"), id);
    gl.setParam(QStringLiteral("@UserId"), 1);
    gl.execProc();
    gl.execProc(); // saving again replaces the voucher

    EXPECT_EQ(db->scalar(QStringLiteral(
                             "SELECT COUNT(*) FROM glhd WHERE glfromdocid = :id AND glfromdocno = 'MR00001'"),
                         {{QStringLiteral("id"), id}})
                  .toInt(),
              1);
    data::Query lines(db.get());
    lines.setSql(QStringLiteral(
        "SELECT D.accountcode, D.debit, D.credit FROM gldt D INNER JOIN glhd H ON (D.glhd = H.id) "
        "ORDER BY D.recno"));
    lines.open();
    ASSERT_EQ(lines.recordCount(), 3);
    const QStringList accounts{QStringLiteral("5100"), QStringLiteral("1154"), QStringLiteral("2110")};
    const double debit[] = {1000.0, 70.0, 0.0};
    const double credit[] = {0.0, 0.0, 1070.0};
    for (int i = 0; i < 3; ++i, lines.next()) {
        EXPECT_EQ(lines.field(QStringLiteral("accountcode")).asString(), accounts[i]);
        EXPECT_DOUBLE_EQ(lines.field(QStringLiteral("debit")).asFloat(), debit[i]);
        EXPECT_DOUBLE_EQ(lines.field(QStringLiteral("credit")).asFloat(), credit[i]);
    }

    db->execute(QStringLiteral("UPDATE MrHd SET DelFlag = 'Y'"));
    gl.execProc();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM gldt")).toInt(), 0)
        << "a deleted document keeps no voucher";

    db->execute(QStringLiteral("UPDATE MrHd SET DelFlag = 'N'"));
    db->execute(QStringLiteral("UPDATE Config SET GLAccPayable = NULL"));
    EXPECT_THROW(gl.execProc(), data::DatabaseError)
        << "no account: the save must stop, not post half a voucher";
}

TEST_F(CompanyFixture, ReceiptIsCopiedOnToTheMasterDatabaseReplacingTheEarlierCopy) {
    // The master lives on the same server as the company.
    const QString masterName = scratch->name() + QStringLiteral("_HQ");
    data::Database::createDatabase(scratch->server(), masterName);
    struct Drop {
        data::ServerSpec server;
        QString name;
        ~Drop() { data::Database::dropDatabase(server, name); }
    } drop{scratch->server(), masterName};
    {
        data::Database m(QStringLiteral("M"));
        m.setServer(scratch->server());
        m.setDatabaseName(masterName);
        server::upgradeSchema(m, server::DatabaseKind::Company);
        // The master has receipts of its own: their ids differ from ours.
        m.execute(QStringLiteral("INSERT INTO MrHd (MrType, MrNo, Vendor) VALUES ('S', 'HQ00001', 1)"));
    }
    db->execute(QStringLiteral("INSERT INTO Config (RunYear, MasterDatabase) VALUES (2026, :m)"),
                {{QStringLiteral("m"), masterName}});
    db->execute(
        QStringLiteral(
            "INSERT INTO MrHd (MrType, MrNo, MrDate, Vendor, Total) VALUES ('S', ' MR00007', :d, 3, 2140)"),
        {{QStringLiteral("d"), QDate(2026, 7, 1)}});
    const QVariant hd = db->scalar(QStringLiteral("SELECT ID FROM MrHd"));
    for (int line = 1; line <= 2; ++line)
        db->execute(
            QStringLiteral("INSERT INTO MrDt (MrHd, MrRecNo, Product, Fraction, Price, Quantity, Total) "
                           "VALUES (:hd, :n, 10, 1, 1000, 1, 1000)"),
            {{QStringLiteral("hd"), hd}, {QStringLiteral("n"), line}});

    data::StoredProc copy(db.get(), QStringLiteral("CopyAndUpdateMR"));
    copy.setParam(QStringLiteral("@DocNo"), QStringLiteral(" MR00007"));
    copy.execProc();
    db->execute(QStringLiteral("UPDATE MrDt SET Quantity = 2 WHERE MrRecNo = 2"));
    copy.execProc(); // saved again: the copy follows

    data::Database m(QStringLiteral("M"));
    m.setServer(scratch->server());
    m.setDatabaseName(masterName);
    m.open();
    EXPECT_EQ(m.scalar(QStringLiteral("SELECT COUNT(*) FROM MrHd WHERE MrNo = ' MR00007'")).toInt(), 1);
    EXPECT_EQ(m.scalar(QStringLiteral("SELECT COUNT(*) FROM MrDt D INNER JOIN MrHd H ON (D.MrHd = H.ID) "
                                      "WHERE H.MrNo = ' MR00007'"))
                  .toInt(),
              2)
        << "the lines follow their copied header";
    EXPECT_DOUBLE_EQ(m.scalar(QStringLiteral("SELECT SUM(Quantity) FROM MrDt")).toDouble(), 3.0);
    EXPECT_EQ(m.scalar(QStringLiteral("SELECT COUNT(*) FROM MrHd")).toInt(), 2)
        << "the master's own receipts stay";
}
