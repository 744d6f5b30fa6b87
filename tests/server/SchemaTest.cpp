#include "ServerFixture.h"

#include "platform/data/Query.h"
#include "platform/data/StoredProc.h"
#include "server/Databases.h"

#include <QSet>

using namespace zelt;
using zelt::test::CompanyFixture;

TEST_F(CompanyFixture, UpgradeIsIdempotentAndAddsOnlyWhatIsMissing) {
    EXPECT_EQ(server::upgradeSchema(*db, server::DatabaseKind::Company), 0) << "a second run changes nothing";
    db->execute(QStringLiteral("CREATE TABLE Extra (Id INTEGER)")); // foreign tables are left alone
    for (const server::TableDef& t : server::companyTables()) {
        EXPECT_TRUE(db->hasTable(QString::fromLatin1(t.name))) << t.name;
        for (const server::ColumnDef& c : t.columns)
            EXPECT_TRUE(db->hasColumn(QString::fromLatin1(t.name), QString::fromLatin1(c.name)))
                << t.name << "." << c.name;
    }
    EXPECT_EQ(server::upgradeSchema(*db, server::DatabaseKind::Company), 0);
    EXPECT_TRUE(db->hasTable(QStringLiteral("Extra")));
}

TEST_F(CompanyFixture, TextIsCaseInsensitiveAndLengthChecked) {
    db->execute(QStringLiteral("INSERT INTO Tax (Code, Rate) VALUES ('V7', 7)"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT Rate FROM Tax WHERE Code = :c"),
                         {{QStringLiteral("c"), QStringLiteral("v7")}})
                  .toDouble(),
              7.0);
    try {
        db->execute(QStringLiteral("INSERT INTO Tax (Code, Rate) VALUES ('v7', 0)"));
        FAIL() << "a code differing only in case is a duplicate";
    } catch (const data::DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Cannot insert duplicate")))
            << e.message().toStdString();
    }
    EXPECT_THROW(db->execute(QStringLiteral("INSERT INTO Tax (Code, Rate) VALUES (:c, 0)"),
                             {{QStringLiteral("c"), QString(200, QLatin1Char('X'))}}),
                 data::DatabaseError)
        << "a text longer than its column is refused, not stored";
}

TEST_F(CompanyFixture, AmountsDivideAsDecimalsAndKeepSixDecimals) {
    db->execute(QStringLiteral(
        "INSERT INTO ImDt (ImHd, Fraction, Warehouse, Quantity, Total) VALUES (1, 1, 1, 3, 1000.00)"));
    EXPECT_NEAR(db->scalar(QStringLiteral("SELECT SUM(Total) / SUM(Quantity) FROM ImDt")).toDouble(),
                333.333333, 1e-6);
    db->execute(QStringLiteral("UPDATE ImDt SET Total = :t"), {{QStringLiteral("t"), 1234567.891234}});
    EXPECT_DOUBLE_EQ(db->scalar(QStringLiteral("SELECT Total FROM ImDt")).toDouble(), 1234567.891234);
}

TEST(ConfigDatabase, CreatedRegisteredAndUpgradedByName) {
    server::registerServerProcedures();
    QTemporaryDir dir;
    const data::ServerSpec server = test::testServer(dir.path());
    // The configuration and company databases have fixed names on a shared
    // server: clean up what an interrupted run may have left.
    for (const QString& n :
         {QStringLiteral("ZELT_CONFIG"), QStringLiteral("ZELT_CONFIG_LDC"), QStringLiteral("TCOMPANY")})
        data::Database::dropDatabase(server, n);
    struct Drop {
        data::ServerSpec s;
        ~Drop() {
            for (const QString& n : {QStringLiteral("ZELT_CONFIG"), QStringLiteral("ZELT_CONFIG_LDC"),
                                     QStringLiteral("TCOMPANY")})
                data::Database::dropDatabase(s, n);
        }
    } drop{server};

    EXPECT_FALSE(server::configDatabaseExists(server));
    server::createConfigDatabase(server);
    EXPECT_EQ(server::configDatabaseName(server), QStringLiteral("ZELT_CONFIG"));
    server::createCompanyDatabase(server, QStringLiteral("TCOMPANY"), QStringLiteral("บริษัท ทดสอบ จำกัด"));
    EXPECT_EQ(server::upgradeAll(server),
              (QStringList{QStringLiteral("ZELT_CONFIG"), QStringLiteral("TCOMPANY")}));

    data::Database config(QStringLiteral("CFG"));
    config.setServer(server);
    config.setDatabaseName(QStringLiteral("ZELT_CONFIG"));
    config.open();
    EXPECT_EQ(config
                  .scalar(QStringLiteral(
                      "SELECT C.NameThai FROM Company C INNER JOIN DatabaseList L ON (L.Company = C.Id) "
                      "WHERE L.DatabaseName = 'tcompany'"))
                  .toString(),
              QStringLiteral("บริษัท ทดสอบ จำกัด"));
    config.close();

    data::Database::createDatabase(server, QStringLiteral("ZELT_CONFIG_LDC"));
    EXPECT_EQ(server::configDatabaseName(server), QStringLiteral("ZELT_CONFIG_LDC"))
        << "the LDC database wins when present";
}

TEST(ConfigDatabase, MenuCaptionGivesRightsOfTheUserForTheEntry) {
    server::registerServerProcedures();
    test::ScratchDatabase scratch(QStringLiteral("CFG"));
    data::Database db(QStringLiteral("DmCfg"));
    db.setServer(scratch.server());
    db.setDatabaseName(scratch.name());
    db.open();
    server::upgradeSchema(db, server::DatabaseKind::Config);
    db.execute(QStringLiteral("INSERT INTO Menu (Id, Caption) VALUES (6, 'สั่งซื้อจากต่างประเทศ')"));
    db.execute(
        QStringLiteral("INSERT INTO username (id, code, languageno, SalesId) VALUES (1, 'SOMCHAI', 1, 4)"));
    db.execute(QStringLiteral("INSERT INTO username (id, code, languageno) VALUES (2, 'JOHN', 2)"));
    db.execute(QStringLiteral("INSERT INTO UserRight (UserId, MenuId, Access_R, Add_R, Modify_R, Delete_R) "
                              "VALUES (1, 6, 'Y', 'y', 'N', NULL)"));

    struct Case {
        int menu, user;
        const char* caption;
        const char* code;
        const char* rights; // access, add, modify, delete, joined
    } cases[] = {
        {6, 1, "สั่งซื้อจากต่างประเทศ", "SOMCHAI", "YyN"}, // as stored: only "Y" grants
        {6, 2, "สั่งซื้อจากต่างประเทศ", "JOHN", ""},       // no rights row: nothing
        {6, 9, "สั่งซื้อจากต่างประเทศ", "", ""},           // unknown user
        {7, 1, "", "SOMCHAI", ""},                    // unknown menu entry
    };
    for (const Case& c : cases) {
        data::StoredProc sp(&db, QStringLiteral("MENUCAPTION"));
        sp.setParam(QStringLiteral("@MENUID"), c.menu);
        sp.setParam(QStringLiteral("@USERID"), c.user);
        sp.execProc();
        SCOPED_TRACE(testing::Message() << "menu " << c.menu << " user " << c.user);
        EXPECT_EQ(sp.param(QStringLiteral("@CAPTION")).toString(), QString::fromUtf8(c.caption));
        EXPECT_EQ(sp.param(QStringLiteral("@USERCODE")).toString(), QString::fromUtf8(c.code));
        const QString got = sp.param(QStringLiteral("@ACCESS_R")).toString() +
                            sp.param(QStringLiteral("@ADD_R")).toString() +
                            sp.param(QStringLiteral("@MODIFY_R")).toString() +
                            sp.param(QStringLiteral("@DELETE_R")).toString();
        EXPECT_EQ(got, QString::fromLatin1(c.rights));
    }

    data::StoredProc errorLog(&db, QStringLiteral("AddErrorLog"));
    errorLog.setParam(QStringLiteral("@CompName"), QStringLiteral("PC-01"));
    errorLog.setParam(QStringLiteral("@LogName"), QStringLiteral("somchai"));
    errorLog.setParam(QStringLiteral("@UserId"), 1);
    errorLog.setParam(QStringLiteral("@MenuId"), 6);
    errorLog.setParam(QStringLiteral("@ErrorMsg"), QStringLiteral("'31/02/2026' is not a valid date"));
    errorLog.execProc();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT ErrorMsg FROM errorlog")).toString(),
              QStringLiteral("'31/02/2026' is not a valid date"));
}
