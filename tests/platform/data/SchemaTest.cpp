#include "DataTestSupport.h"

#include "platform/data/Query.h"
#include "platform/data/SqlScript.h"
#include "platform/data/StoredProc.h"

using namespace Qt::StringLiterals;

namespace zelt::data::testing {
namespace {

using SchemaTest = DbTest;

TEST_F(SchemaTest, ScriptRunsEachStatementWithItsParameters) {
    SqlScript script(&db, u"setup"_s);
    script.setSql(u"CREATE TABLE Misc (MiscGroup %1, Code %1, Descr %2)\n"
                  "/\n"
                  "INSERT INTO Misc (MiscGroup, Code, Descr)\n"
                  "VALUES (:Group, 'A', :Descr)\n"
                  "  /  \n"
                  "INSERT INTO Misc (MiscGroup, Code, Descr) VALUES (:Group, 'B', 'ratio 1/2')\n"
                  "/\n"
                  "UPDATE Misc SET Descr = Descr || ' (' || :Group || ')' WHERE Code = 'A'\n"
                  "/\n"_s.arg(type(ColType::Text, 20), type(ColType::Text, 60)));
    ASSERT_EQ(script.statements().size(), 4);
    script.setParam(u"Group"_s, u"UNIT"_s);
    script.setParam(u"Descr"_s, u"หน่วยนับ"_s);
    script.execute();

    Query q(&db);
    q.setSql(u"SELECT Code, Descr FROM Misc WHERE MiscGroup = :g ORDER BY Code"_s);
    q.setParam(u"g"_s, u"unit"_s);
    q.open();
    ASSERT_EQ(q.recordCount(), 2);
    EXPECT_EQ(q.value(u"Descr"_s).toString(), u"หน่วยนับ (UNIT)"_s);
    q.next();
    EXPECT_EQ(q.value(u"Descr"_s).toString(), u"ratio 1/2"_s);
}

TEST_F(SchemaTest, ScriptStopsAtTheFirstFailingStatement) {
    SqlScript script(&db);
    script.setSql(
        u"CREATE TABLE s1 (a INTEGER)\n/\nINSERT INTO nowhere VALUES (1)\n/\nCREATE TABLE s2 (a INTEGER)"_s);
    EXPECT_THROW(script.execute(), DatabaseError);
    EXPECT_TRUE(db.hasTable(u"s1"_s));
    EXPECT_FALSE(db.hasTable(u"s2"_s));
}

TEST_F(SchemaTest, GuardedAddColumnRunTwiceAddsOneColumn) {
    db.execute(u"CREATE TABLE MyTable (Id %1, Code %2)"_s.arg(type(ColType::Id), type(ColType::Text, 10)));
    db.execute(u"INSERT INTO MyTable (Code) VALUES ('A')"_s);
    const auto upgrade = [&] {
        if (!db.hasColumn(u"MyTable"_s, u"MyCol"_s))
            db.execute(u"ALTER TABLE MyTable ADD MyCol "_s + type(ColType::Num));
    };
    upgrade();
    upgrade();
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM MyTable WHERE MyCol IS NULL"_s), 1);
    Query q(&db);
    q.setSql(u"SELECT * FROM MyTable"_s);
    q.open();
    EXPECT_EQ(q.fieldCount(), 3);

    const struct {
        const char* table;
        const char* column;
        bool present;
    } lookups[] = {{" mytable ", "MYCOL", true}, {"MYTABLE", " mycol", true}, {"MyTable", "Code", true},
                   {"MyTable", "Other", false},  {"Other", "MyCol", false},   {"MyTabl", "MyCol", false}};
    for (const auto& l : lookups)
        EXPECT_EQ(db.hasColumn(QString::fromLatin1(l.table), QString::fromLatin1(l.column)), l.present)
            << l.table << "." << l.column;
    EXPECT_TRUE(db.hasTable(u" MYTABLE"_s));
    EXPECT_FALSE(db.hasTable(u"MyTab"_s));
}

// A procedure as the server procedures are written: in-parameters read from
// the list, out-parameters set in it, statements on the caller's connection.
void addTaxProcedure(Database& db, ParamList& p) {
    const double amount = p.value(u"Amount"_s).toDouble();
    const double rate = p.value(u"Rate"_s).toDouble();
    db.execute(u"INSERT INTO ProcLog (Descr) VALUES (:d)"_s, {{u"d"_s, u"AddTax %1"_s.arg(amount)}});
    p.set(u"Total"_s, amount + amount * rate / 100);
    p.set(u"Message"_s, u"ภาษี %1%"_s.arg(rate));
}

TEST_F(SchemaTest, StoredProcCallsTheRegisteredProcedure) {
    registerProcedure(u"@Test_AddTax"_s, addTaxProcedure);
    db.execute(u"CREATE TABLE ProcLog (Descr %1)"_s.arg(type(ColType::Text, 60)));

    StoredProc sp(&db, u"test_addtax"_s);
    sp.setParam(u"@Amount"_s, 200);
    sp.setParam(u"Rate"_s, 7);
    sp.execProc();
    EXPECT_DOUBLE_EQ(sp.param(u"@Total"_s).toDouble(), 214.0);
    EXPECT_DOUBLE_EQ(sp.param(u"TOTAL"_s).toDouble(), 214.0);
    EXPECT_EQ(sp.param(u"Message"_s).toString(), u"ภาษี 7%"_s);

    // Inside the caller's transaction: a rollback takes its writes away.
    {
        Transaction tx(db);
        sp.setParam(u"Amount"_s, 1);
        sp.execProc();
        EXPECT_EQ(count(u"SELECT COUNT(*) FROM ProcLog"_s), 2);
    }
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM ProcLog"_s), 1);
}

TEST_F(SchemaTest, StoredProcErrors) {
    registerProcedure(u"Test_NeedsAmount"_s,
                      [](Database&, ParamList& p) { p.set(u"Out"_s, p.value(u"Amount"_s)); });
    try {
        StoredProc sp(&db, u"NoSuchProcedure"_s);
        sp.execProc();
        FAIL() << "an unknown procedure ran";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(u"NoSuchProcedure"_s)) << e.message().toStdString();
    }
    StoredProc sp(&db, u"@test_needsamount"_s);
    EXPECT_THROW(sp.execProc(), DatabaseError);
    sp.setParam(u"@amount"_s, 5);
    sp.execProc();
    EXPECT_EQ(sp.param(u"out"_s).toInt(), 5);
    EXPECT_EQ(findProcedure(u"  Test_NeedsAmount "_s) != nullptr, true);
}

TEST_F(SchemaTest, ProcedureRegisteredLaterLeavesEarlierLookupsValid) {
    registerProcedure(u"Test_First"_s, [](Database&, ParamList& p) { p.set(u"R"_s, 1); });
    const Procedure* first = findProcedure(u"Test_First"_s);
    ASSERT_NE(first, nullptr);
    // Enough further registrations to make the registry grow.
    for (int i = 0; i < 300; ++i)
        registerProcedure(u"Test_Filler%1"_s.arg(i), [](Database&, ParamList&) {});
    ParamList p;
    (*first)(db, p);
    EXPECT_EQ(p.value(u"R"_s).toInt(), 1);
}

} // namespace
} // namespace zelt::data::testing
