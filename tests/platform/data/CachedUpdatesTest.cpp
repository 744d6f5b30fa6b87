#include "DataTestSupport.h"

#include "platform/data/Query.h"
#include "platform/data/UpdateSql.h"

using namespace Qt::StringLiterals;

namespace zelt::data::testing {
namespace {

// A purchase order: a header row and its lines, the lines edited in a cached
// data set and written through an UpdateSql, as the document forms save.
class CachedUpdatesTest : public DbTest {
protected:
    CachedUpdatesTest() {
        db.execute(u"CREATE TABLE PoHd (PoNo %1 NOT NULL PRIMARY KEY, Vendor %2)"_s.arg(
            type(ColType::Text, 20), type(ColType::Text, 20)));
        db.execute(
            u"CREATE TABLE PoDt (PoNo %1 NOT NULL, LineNo %2 NOT NULL, ItemCode %3 NOT NULL, Qty %4)"_s.arg(
                type(ColType::Text, 20), type(ColType::Int), type(ColType::Text, 20), type(ColType::Num)));
        db.execute(u"CREATE UNIQUE INDEX PoDt_Line ON PoDt (PoNo, LineNo)"_s);

        lines.setSql(u"SELECT PoNo, LineNo, ItemCode, Qty FROM PoDt\nWHERE PoNo = :PoNo\nORDER BY LineNo"_s);
        lines.setCachedUpdates(true);
        lines.setUpdateObject(&update);
        update.setInsertSql(
            u"INSERT INTO PoDt (PoNo, LineNo, ItemCode, Qty)\nVALUES (:PoNo, :LineNo, :ItemCode, :Qty)"_s);
        update.setModifySql(u"UPDATE PoDt SET LineNo = :LineNo, ItemCode = :ItemCode, Qty = :Qty\n"
                            "WHERE PoNo = :OLD_PoNo AND LineNo = :OLD_LineNo"_s);
        update.setDeleteSql(u"DELETE FROM PoDt WHERE PoNo = :OLD_PoNo AND LineNo = :OLD_LineNo"_s);
    }

    void seed(const QString& poNo, int lineCount) {
        db.execute(u"INSERT INTO PoHd (PoNo, Vendor) VALUES (:p, 'V1')"_s, {{u"p"_s, poNo}});
        for (int i = 1; i <= lineCount; ++i)
            db.execute(u"INSERT INTO PoDt (PoNo, LineNo, ItemCode, Qty) VALUES (:p, :l, :i, :q)"_s,
                       {{u"p"_s, poNo}, {u"l"_s, i}, {u"i"_s, u"ITEM%1"_s.arg(i)}, {u"q"_s, i * 10.0}});
    }

    void openLines(const QString& poNo) {
        lines.setParam(u"PoNo"_s, poNo);
        lines.open();
    }

    void appendLine(const QString& poNo, int lineNo, const QString& item, double qty) {
        lines.append();
        lines.setValue(u"PoNo"_s, poNo);
        lines.setValue(u"LineNo"_s, lineNo);
        lines.setValue(u"ItemCode"_s, item);
        lines.setValue(u"Qty"_s, qty);
        lines.post();
    }

    // "line:item:qty" for every row of a data set, in its order.
    static QStringList content(DataSet& ds) {
        QStringList out;
        for (int r = 0; r < ds.recordCount(); ++r)
            out << u"%1:%2:%3"_s.arg(ds.cell(r, ds.fieldIndex(u"LineNo"_s)).toInt())
                       .arg(ds.cell(r, ds.fieldIndex(u"ItemCode"_s)).toString())
                       .arg(ds.cell(r, ds.fieldIndex(u"Qty"_s)).toDouble());
        return out;
    }

    QStringList stored(const QString& poNo) {
        Query q(&db);
        q.setSql(u"SELECT LineNo, ItemCode, Qty FROM PoDt WHERE PoNo = :p ORDER BY LineNo"_s);
        q.setParam(u"p"_s, poNo);
        q.open();
        return content(q);
    }

    // The save of a form: header and lines in one transaction.
    void save() {
        Transaction tx(db);
        lines.applyUpdates();
        tx.commit();
        lines.commitUpdates();
    }

    UpdateSql update{&db, u"PoDtUpdate"_s};
    Query lines{&db, u"PoDtQuery"_s};
};

TEST_F(CachedUpdatesTest, InsertModifyDeleteUseCurrentAndOldValues) {
    seed(u"PO1"_s, 3);
    seed(u"PO2"_s, 2);
    openLines(u"PO1"_s);
    ASSERT_EQ(content(lines), (QStringList{u"1:ITEM1:10"_s, u"2:ITEM2:20"_s, u"3:ITEM3:30"_s}));

    // Line 2 gets a new number: the statement must find it by its old key.
    lines.setRecNo(1);
    lines.edit();
    lines.setValue(u"LineNo"_s, 20);
    lines.setValue(u"Qty"_s, 25.5);
    lines.post();
    EXPECT_EQ(lines.updateStatus(), UpdateStatus::Modified);
    EXPECT_EQ(lines.field(u"LineNo"_s).oldValue().toInt(), 2);

    // Line 3 is edited first, then deleted: the delete must use its key as read.
    lines.setRecNo(2);
    lines.edit();
    lines.setValue(u"LineNo"_s, 30);
    lines.post();
    lines.remove();
    appendLine(u"PO1"_s, 4, u"ITEM4"_s, 40);
    EXPECT_TRUE(lines.updatesPending());
    // Nothing is written before the save.
    EXPECT_EQ(stored(u"PO1"_s), (QStringList{u"1:ITEM1:10"_s, u"2:ITEM2:20"_s, u"3:ITEM3:30"_s}));

    save();
    EXPECT_FALSE(lines.updatesPending());
    EXPECT_EQ(stored(u"PO1"_s), (QStringList{u"1:ITEM1:10"_s, u"4:ITEM4:40"_s, u"20:ITEM2:25.5"_s}));
    EXPECT_EQ(stored(u"PO2"_s), (QStringList{u"1:ITEM1:10"_s, u"2:ITEM2:20"_s}));

    // After the save the rows are the stored state: a further edit is found by its new key.
    ASSERT_TRUE(lines.locate(u"LineNo"_s, 20));
    lines.edit();
    lines.setValue(u"Qty"_s, 1);
    lines.post();
    save();
    EXPECT_EQ(stored(u"PO1"_s), (QStringList{u"1:ITEM1:10"_s, u"4:ITEM4:40"_s, u"20:ITEM2:1"_s}));
}

TEST_F(CachedUpdatesTest, FailingLineLeavesNothingAndKeepsTheCacheForASecondTry) {
    const QString po = u"PO9"_s;
    openLines(po);
    ASSERT_TRUE(lines.isEmpty());
    // The third line repeats the first line's number.
    const int lineNos[] = {1, 2, 1, 4, 5};
    for (int i = 0; i < 5; ++i)
        appendLine(po, lineNos[i], u"ITEM%1"_s.arg(i + 1), i + 1);
    const QStringList before = content(lines);

    try {
        Transaction tx(db);
        db.execute(u"INSERT INTO PoHd (PoNo, Vendor) VALUES (:p, 'V1')"_s, {{u"p"_s, po}});
        lines.applyUpdates();
        tx.commit();
        FAIL() << "the duplicate line was accepted";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(u"Cannot insert duplicate"_s)) << e.message().toStdString();
    }
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM PoHd WHERE PoNo = :p"_s, {{u"p"_s, po}}), 0);
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM PoDt WHERE PoNo = :p"_s, {{u"p"_s, po}}), 0);
    EXPECT_TRUE(lines.updatesPending());
    EXPECT_EQ(content(lines), before);
    for (int r = 0; r < lines.recordCount(); ++r) {
        lines.setRecNo(r);
        EXPECT_EQ(lines.updateStatus(), UpdateStatus::Inserted) << r;
    }

    // The user corrects the line and saves again.
    lines.setRecNo(2);
    lines.edit();
    lines.setValue(u"LineNo"_s, 3);
    lines.post();
    {
        Transaction tx(db);
        db.execute(u"INSERT INTO PoHd (PoNo, Vendor) VALUES (:p, 'V1')"_s, {{u"p"_s, po}});
        lines.applyUpdates();
        tx.commit();
    }
    lines.commitUpdates();
    EXPECT_FALSE(lines.updatesPending());
    EXPECT_EQ(stored(po),
              (QStringList{u"1:ITEM1:1"_s, u"2:ITEM2:2"_s, u"3:ITEM3:3"_s, u"4:ITEM4:4"_s, u"5:ITEM5:5"_s}));
}

TEST_F(CachedUpdatesTest, FailingModifyKeepsEditedAndDeletedRows) {
    seed(u"PO1"_s, 3);
    openLines(u"PO1"_s);
    lines.first();
    lines.remove();
    lines.edit();                   // line 2 now first
    lines.setValue(u"LineNo"_s, 3); // collides with line 3
    lines.post();
    EXPECT_THROW(save(), DatabaseError);
    EXPECT_EQ(stored(u"PO1"_s), (QStringList{u"1:ITEM1:10"_s, u"2:ITEM2:20"_s, u"3:ITEM3:30"_s}));
    EXPECT_EQ(content(lines), (QStringList{u"3:ITEM2:20"_s, u"3:ITEM3:30"_s}));

    lines.first();
    lines.edit();
    lines.setValue(u"LineNo"_s, 2);
    lines.post();
    save();
    EXPECT_EQ(stored(u"PO1"_s), (QStringList{u"2:ITEM2:20"_s, u"3:ITEM3:30"_s}));
}

TEST_F(CachedUpdatesTest, CancelUpdatesRestoresTheRowsAsRead) {
    seed(u"PO1"_s, 4);
    openLines(u"PO1"_s);
    const QStringList asRead = content(lines);

    lines.setRecNo(0);
    lines.edit();
    lines.setValue(u"Qty"_s, 99);
    lines.setValue(u"ItemCode"_s, u"CHANGED"_s);
    lines.post();
    lines.setRecNo(1);
    lines.remove();
    appendLine(u"PO1"_s, 5, u"NEW"_s, 5);
    lines.setRecNo(1); // line 3
    lines.remove();
    lines.first();
    lines.insert();
    lines.setValue(u"PoNo"_s, u"PO1"_s);
    lines.setValue(u"LineNo"_s, 0);
    lines.setValue(u"ItemCode"_s, u"X"_s);
    // Still being inserted when the changes are cancelled.

    lines.cancelUpdates();
    EXPECT_EQ(lines.state(), DataSetState::Browse);
    EXPECT_FALSE(lines.updatesPending());
    EXPECT_EQ(content(lines), asRead);

    // Nothing of the cancelled changes reaches the database on a save.
    save();
    EXPECT_EQ(stored(u"PO1"_s), asRead);
}

TEST_F(CachedUpdatesTest, MissingFieldInUpdateStatementIsAnError) {
    openLines(u"PO1"_s);
    update.setInsertSql(u"INSERT INTO PoDt (PoNo, LineNo, ItemCode) VALUES (:PoNo, :LineNo, :NoSuchField)"_s);
    appendLine(u"PO1"_s, 1, u"A"_s, 1);
    try {
        save();
        FAIL() << "the statement ran without a value for :NoSuchField";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(u"NoSuchField"_s)) << e.message().toStdString();
    }
    EXPECT_TRUE(lines.updatesPending());
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM PoDt"_s), 0);
}

TEST_F(CachedUpdatesTest, LiveDataSetWritesEachPost) {
    seed(u"PO1"_s, 1);
    lines.setCachedUpdates(false);
    openLines(u"PO1"_s);
    lines.edit();
    lines.setValue(u"Qty"_s, 11);
    lines.post();
    EXPECT_EQ(stored(u"PO1"_s), QStringList{u"1:ITEM1:11"_s});
    appendLine(u"PO1"_s, 2, u"B"_s, 2);
    EXPECT_EQ(stored(u"PO1"_s), (QStringList{u"1:ITEM1:11"_s, u"2:B:2"_s}));
    lines.first();
    lines.remove();
    EXPECT_EQ(stored(u"PO1"_s), QStringList{u"2:B:2"_s});
    EXPECT_FALSE(lines.updatesPending());
}

// A caller that swallows an error and commits anyway must not be told the
// save succeeded when the server threw the transaction away.
TEST_F(DbTest, CommitAfterAFailedStatementNeverReportsAFalseSuccess) {
    db.execute(u"CREATE TABLE T (Code %1 NOT NULL)"_s.arg(type(ColType::Text, 10)));
    db.startTransaction();
    db.execute(u"INSERT INTO T (Code) VALUES ('A')"_s);
    EXPECT_THROW(db.execute(u"INSERT INTO T (Code) VALUES (NULL)"_s), DatabaseError);
    if (postgres()) {
        // The server can only roll back now: commit says so.
        EXPECT_THROW(db.commit(), DatabaseError);
        EXPECT_FALSE(db.inTransaction());
        EXPECT_EQ(count(u"SELECT COUNT(*) FROM T"_s), 0);
    } else {
        // The embedded engine undid only the failed statement.
        db.commit();
        EXPECT_EQ(count(u"SELECT COUNT(*) FROM T"_s), 1);
    }
}

} // namespace
} // namespace zelt::data::testing
