#include "DataTestSupport.h"

#include "platform/data/MemoryTable.h"

using namespace Qt::StringLiterals;

namespace zelt::data {
namespace {

// An order-lines table as the forms build in memory.
class LinesTable : public ::testing::Test {
protected:
    LinesTable() {
        t.addField(u"LineNo"_s, ValueKind::Int);
        t.addField(u"ItemCode"_s, ValueKind::Text, 20);
        t.addField(u"Qty"_s, ValueKind::Float);
        t.addField(u"DueDate"_s, ValueKind::Date);
        t.open();
    }

    void add(int lineNo, const QString& item, double qty = 1) {
        t.append();
        t.setValue(u"LineNo"_s, lineNo);
        t.setValue(u"ItemCode"_s, item);
        t.setValue(u"Qty"_s, qty);
        t.post();
    }

    QStringList items() {
        QStringList out;
        for (int r = 0; r < t.recordCount(); ++r)
            out << t.cell(r, 1).toString();
        return out;
    }

    MemoryTable t{u"Lines"_s};
};

TEST_F(LinesTable, EditPostAndCancel) {
    add(1, u"A"_s);
    add(2, u"B"_s);
    EXPECT_EQ(t.state(), DataSetState::Browse);

    t.first();
    t.edit();
    EXPECT_EQ(t.state(), DataSetState::Edit);
    t.setValue(u"ItemCode"_s, u"A2"_s);
    EXPECT_EQ(t.field(u"ItemCode"_s).oldValue().toString(), u"A"_s);
    t.cancel();
    EXPECT_EQ(t.state(), DataSetState::Browse);
    EXPECT_EQ(t.value(u"ItemCode"_s).toString(), u"A"_s);

    t.edit();
    t.setValue(u"ItemCode"_s, u"A3"_s);
    t.post();
    EXPECT_EQ(items(), (QStringList{u"A3"_s, u"B"_s}));

    // Cancelling an insert takes the new row away again.
    t.setRecNo(1);
    t.insert();
    EXPECT_EQ(t.recordCount(), 3);
    EXPECT_EQ(t.recNo(), 1);
    t.setValue(u"ItemCode"_s, u"X"_s);
    t.cancel();
    EXPECT_EQ(items(), (QStringList{u"A3"_s, u"B"_s}));
    EXPECT_EQ(t.value(u"ItemCode"_s).toString(), u"B"_s);
}

TEST_F(LinesTable, SettingAFieldOutsideEditIsAnError) {
    add(1, u"A"_s);
    EXPECT_THROW(t.setValue(u"ItemCode"_s, u"B"_s), DatabaseError);
    EXPECT_EQ(t.value(u"ItemCode"_s).toString(), u"A"_s);
    EXPECT_THROW(t.field(u"NoSuchField"_s), DatabaseError);
    t.close();
    EXPECT_THROW(t.value(u"ItemCode"_s), DatabaseError);
    EXPECT_THROW(t.append(), DatabaseError);
}

TEST_F(LinesTable, MovingAwayPostsThePendingEdit) {
    add(1, u"A"_s);
    add(2, u"B"_s);
    add(3, u"C"_s);
    int posts = 0;
    t.afterPost = [&](DataSet&) { ++posts; };

    const std::pair<const char*, std::function<void()>> moves[] = {
        {"next", [&] { t.next(); }},
        {"prior", [&] { t.prior(); }},
        {"first", [&] { t.first(); }},
        {"last", [&] { t.last(); }},
        {"setRecNo", [&] { t.setRecNo(0); }},
        {"append", [&] { t.append(); }},
        {"next at the end", [&] { t.next(); }},
    };
    for (const auto& [what, move] : moves) {
        t.setRecNo(1);
        if (std::string(what) == "next at the end")
            t.last();
        t.edit();
        t.setValue(u"ItemCode"_s, QString::fromLatin1(what));
        const int at = t.recNo();
        posts = 0;
        move();
        EXPECT_EQ(posts, 1) << what;
        EXPECT_EQ(t.cell(at, 1).toString(), QString::fromLatin1(what)) << what;
        if (t.state() == DataSetState::Insert)
            t.cancel();
        EXPECT_EQ(t.state(), DataSetState::Browse) << what;
    }
}

TEST_F(LinesTable, NewRecordAndFieldChangeEvents) {
    QStringList changed;
    t.onNewRecord = [](DataSet& ds) {
        ds.setValue(u"LineNo"_s, ds.recordCount());
        ds.setValue(u"Qty"_s, 1);
        ds.setValue(u"DueDate"_s, QDate(2026, 1, 15));
    };
    t.onFieldChange = [&](DataSet&, Field f) { changed << f.name(); };

    t.append();
    EXPECT_EQ(t.state(), DataSetState::Insert);
    EXPECT_EQ(t.value(u"LineNo"_s).toInt(), 1);
    EXPECT_EQ(t.field(u"DueDate"_s).asDate(), QDate(2026, 1, 15));
    t.setValue(u"ItemCode"_s, u"A"_s);
    t.post();
    t.insert();
    EXPECT_EQ(t.recNo(), 0);
    EXPECT_EQ(t.value(u"LineNo"_s).toInt(), 2);
    t.post();
    EXPECT_EQ(changed, (QStringList{u"LineNo"_s, u"Qty"_s, u"DueDate"_s, u"ItemCode"_s, u"LineNo"_s, u"Qty"_s,
                                    u"DueDate"_s}));

    // Writing the value a field already holds is no change.
    changed.clear();
    ASSERT_TRUE(t.locate(u"ItemCode"_s, u"A"_s));
    t.edit();
    t.setValue(u"Qty"_s, 1.0);
    t.setValue(u"Qty"_s, u"1"_s);
    t.setValue(u"ItemCode"_s, QVariant());
    t.setValue(u"ItemCode"_s, QVariant());
    t.post();
    EXPECT_EQ(changed, QStringList{u"ItemCode"_s});
}

TEST_F(LinesTable, BeforePostCanRefuseTheRow) {
    t.beforePost = [](DataSet& ds) {
        if (ds.field(u"ItemCode"_s).isNull())
            throw DatabaseError(u"Item code is required"_s);
    };
    t.append();
    t.setValue(u"LineNo"_s, 1);
    EXPECT_THROW(t.post(), DatabaseError);
    EXPECT_EQ(t.state(), DataSetState::Insert);
    t.setValue(u"ItemCode"_s, u"A"_s);
    t.post();
    EXPECT_EQ(items(), QStringList{u"A"_s});
}

TEST_F(LinesTable, WalkingWithEofVisitsEveryRowOnce) {
    QStringList seen;
    for (t.first(); !t.eof(); t.next())
        seen << t.value(u"ItemCode"_s).toString();
    EXPECT_TRUE(seen.isEmpty());
    add(1, u"A"_s);
    add(2, u"B"_s);
    add(3, u"C"_s);
    for (t.first(); !t.eof(); t.next())
        seen << t.value(u"ItemCode"_s).toString();
    EXPECT_EQ(seen, (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    seen.clear();
    for (t.last(); !t.bof(); t.prior())
        seen << t.value(u"ItemCode"_s).toString();
    EXPECT_EQ(seen, (QStringList{u"C"_s, u"B"_s, u"A"_s}));

    // Deleting every row from the top, as forms clear a grid.
    t.first();
    while (!t.isEmpty())
        t.remove();
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.recNo(), -1);
}

TEST_F(LinesTable, LocateComparesTextWithoutCase) {
    add(1, u"Abc"_s);
    add(2, u"xyz"_s, 2.5);
    add(3, u""_s);
    EXPECT_TRUE(t.locate(u"ItemCode"_s, u"XYZ"_s));
    EXPECT_EQ(t.recNo(), 1);
    EXPECT_TRUE(t.locate(u"LineNo"_s, 1));
    EXPECT_EQ(t.recNo(), 0);
    EXPECT_TRUE(t.locate(u"Qty"_s, 2.5));
    EXPECT_EQ(t.recNo(), 1);
    EXPECT_FALSE(t.locate(u"ItemCode"_s, u"ab"_s));
    EXPECT_EQ(t.recNo(), 1);
    EXPECT_TRUE(t.locate(u"ItemCode"_s, u""_s));
    EXPECT_EQ(t.recNo(), 2);
}

TEST_F(LinesTable, MemoryTableStructureAndContent) {
    add(1, u"A"_s);
    EXPECT_THROW(t.addField(u"Extra"_s, ValueKind::Text), DatabaseError);
    t.emptyTable();
    EXPECT_TRUE(t.isActive());
    EXPECT_TRUE(t.isEmpty());
    add(2, u"B"_s);
    add(3, u"C"_s);

    MemoryTable copy(u"Copy"_s);
    copy.loadFrom(t);
    EXPECT_EQ(copy.recordCount(), 2);
    EXPECT_EQ(copy.fieldDef(3).kind, ValueKind::Date);
    EXPECT_EQ(copy.value(u"itemcode"_s).toString(), u"B"_s);
    copy.edit();
    copy.setValue(u"ItemCode"_s, u"changed"_s);
    copy.post();
    EXPECT_EQ(items(), (QStringList{u"B"_s, u"C"_s}));

    MemoryTable dup(u"Dup"_s);
    dup.addField(u"Code"_s, ValueKind::Text);
    EXPECT_THROW(dup.addField(u"CODE"_s, ValueKind::Int), DatabaseError);
    dup.clearFields();
    dup.addField(u"CODE"_s, ValueKind::Int);
    dup.open();
    EXPECT_EQ(dup.fieldCount(), 1);
}

// Text typed into a typed field converts, or fails with the run-time's words.
struct Conversion {
    const char* field;
    QVariant input;
    QVariant expected; // invalid: the conversion must fail
    const char* error = "";
};

TEST_F(LinesTable, TextIntoTypedFieldsConvertsOrFails) {
    const Conversion cases[] = {
        {"LineNo", u" 42 "_s, 42},
        {"LineNo", u"abc"_s, {}, "is not a valid integer value"},
        {"LineNo", u"4.5"_s, {}, "is not a valid integer value"},
        {"Qty", u"12.5"_s, 12.5},
        {"Qty", u"12,5"_s, {}, "is not a valid floating point value"},
        {"DueDate", u"28/02/2026"_s, QDate(2026, 2, 28)},
        {"DueDate", u"2026-02-28"_s, QDate(2026, 2, 28)},
        {"DueDate", u"31/02/2026"_s, {}, "is not a valid date"},
        {"DueDate", u"2026-02-31"_s, {}, "is not a valid date"},
        {"DueDate", u"tomorrow"_s, {}, "is not a valid date"},
        {"DueDate", QDateTime(QDate(2026, 3, 1), QTime(10, 0)), QDate(2026, 3, 1)},
    };
    add(1, u"A"_s);
    for (const Conversion& c : cases) {
        const QString name = QString::fromLatin1(c.field);
        t.edit();
        const QVariant before = t.value(name);
        if (c.expected.isValid()) {
            t.setValue(name, c.input);
            EXPECT_EQ(t.value(name), c.expected) << c.field << " " << c.input.toString().toStdString();
        } else {
            try {
                t.setValue(name, c.input);
                ADD_FAILURE() << c.field << " accepted " << c.input.toString().toStdString();
            } catch (const DatabaseError& e) {
                EXPECT_TRUE(e.message().contains(QString::fromLatin1(c.error))) << e.message().toStdString();
                EXPECT_EQ(t.value(name), before) << "the field changed although the value was refused";
            }
        }
        t.cancel();
    }
}

TEST_F(LinesTable, ReadingTextAsNumberOrDateFails) {
    add(1, u"abc"_s);
    add(2, u" 7 "_s);
    add(3, u"31/02/2026"_s);
    const Field item = t.field(u"ItemCode"_s);
    t.setRecNo(0);
    EXPECT_THROW(item.asInteger(), DatabaseError);
    EXPECT_THROW(item.asFloat(), DatabaseError);
    EXPECT_THROW(item.asDate(), DatabaseError);
    t.setRecNo(1);
    EXPECT_EQ(item.asInteger(), 7);
    EXPECT_EQ(item.asFloat(), 7.0);
    t.setRecNo(2);
    EXPECT_THROW(item.asDate(), DatabaseError);
    EXPECT_THROW(item.asDateTime(), DatabaseError);
    t.setRecNo(0);
    EXPECT_EQ(t.field(u"Qty"_s).asString(), u"1"_s);
    EXPECT_EQ(t.field(u"LineNo"_s).asString(), u"1"_s);
}

} // namespace
} // namespace zelt::data
