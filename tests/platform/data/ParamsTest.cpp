#include "DataTestSupport.h"

#include "platform/data/Query.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace zelt::data::testing {
namespace {

using ParamsTest = DbTest;

TEST_F(ParamsTest, NameUsedTwiceIsBoundAtEveryPlace) {
    db.execute(u"CREATE TABLE pair (a INTEGER, b INTEGER)"_s);
    db.execute(u"INSERT INTO pair (a, b) VALUES (:x, :x)"_s, {{u"x"_s, 7}});
    db.execute(u"INSERT INTO pair (a, b) VALUES (:x, 8)"_s, {{u"x"_s, 7}});

    Query q(&db, u"q"_s);
    q.setSql(u"SELECT a, b FROM pair\nWHERE a = :X AND b = :x"_s);
    ASSERT_EQ(q.params().count(), 1);
    q.setParam(u"x"_s, 7);
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.field(u"B"_s).asInteger(), 7);
}

// Each value goes in through a parameter, comes back through a query and is
// found again by a WHERE comparing the column with the same parameter.
struct RoundTrip {
    const char* what;
    ColType type;
    int size;
    QVariant value;
};

void expectSameValue(const RoundTrip& c, const QVariant& read) {
    ASSERT_FALSE(read.isNull()) << c.what;
    switch (c.type) {
    case ColType::Int:
    case ColType::BigInt:
        EXPECT_EQ(read.toLongLong(), c.value.toLongLong()) << c.what;
        break;
    case ColType::Num:
        EXPECT_EQ(QString::number(read.toDouble(), 'f', 6), QString::number(c.value.toDouble(), 'f', 6))
            << c.what;
        break;
    case ColType::Float:
        EXPECT_DOUBLE_EQ(read.toDouble(), c.value.toDouble()) << c.what;
        break;
    case ColType::Date:
        EXPECT_EQ(read.typeId(), QMetaType::QDate) << c.what;
        EXPECT_EQ(read.toDate(), c.value.toDate()) << c.what;
        break;
    case ColType::DateTime:
        EXPECT_EQ(read.typeId(), QMetaType::QDateTime) << c.what;
        // The wall-clock time as written, and the same moment.
        EXPECT_EQ(read.toDateTime().toString(Qt::ISODateWithMs),
                  c.value.toDateTime().toString(Qt::ISODateWithMs))
            << c.what;
        EXPECT_EQ(read.toDateTime(), c.value.toDateTime()) << c.what;
        break;
    case ColType::Blob:
        EXPECT_EQ(read.toByteArray(), c.value.toByteArray()) << c.what;
        break;
    default:
        EXPECT_EQ(read.typeId(), QMetaType::QString) << c.what;
        EXPECT_EQ(read.toString(), c.value.toString()) << c.what;
    }
}

TEST_F(ParamsTest, ValuesRoundTripAndCompareEqualInWhere) {
    const RoundTrip cases[] = {
        {"Thai text", ColType::Text, 60, u"ผ้าไหมไทย ลายดอก ๑๒ ผืน"_s},
        {"apostrophe and percent", ColType::Text, 60, u"O'Neil's 50% off; --"_s},
        {"statement-like text", ColType::Memo, 0, u"x'); DROP TABLE rt; --"_s},
        {"Thai memo", ColType::Memo, 0, QString(u"ใบสั่งซื้อนำเข้า\n"_s).repeated(200)},
        {"flag", ColType::Flag, 0, u"Y"_s},
        {"largest int", ColType::Int, 0, 2147483647},
        {"negative int", ColType::Int, 0, -42},
        {"big int", ColType::BigInt, 0, qlonglong(9000000000LL)},
        {"decimal", ColType::Num, 0, 1234567.891234},
        {"small negative decimal", ColType::Num, 0, -0.000001},
        {"large decimal", ColType::Num, 0, 987654321.5},
        {"float", ColType::Float, 0, 0.1},
        {"date", ColType::Date, 0, QDate(2026, 2, 28)},
        {"leap day", ColType::Date, 0, QDate(2028, 2, 29)},
        {"date-time with milliseconds", ColType::DateTime, 0,
         QDateTime(QDate(2026, 3, 1), QTime(23, 59, 58, 123))},
        {"date-time at midnight", ColType::DateTime, 0, QDateTime(QDate(2026, 1, 1), QTime(0, 0))},
        {"bytes", ColType::Blob, 0, QByteArray("\x00\x01'\xff%\x00", 6)},
    };
    int n = 0;
    for (const RoundTrip& c : cases) {
        const QString table = u"rt%1"_s.arg(n++);
        db.execute(u"CREATE TABLE %1 (v %2)"_s.arg(table, type(c.type, c.size)));
        db.execute(u"INSERT INTO %1 (v) VALUES (:v)"_s.arg(table), {{u"v"_s, c.value}});
        expectSameValue(c, db.scalar(u"SELECT v FROM %1"_s.arg(table)));
        if (c.type != ColType::Blob && c.type != ColType::Float && c.type != ColType::Memo) {
            EXPECT_EQ(count(u"SELECT COUNT(*) FROM %1 WHERE v = :v"_s.arg(table), {{u"v"_s, c.value}}), 1)
                << c.what;
        }
    }
}

TEST_F(ParamsTest, NullsGoInAndComeBackAsNull) {
    db.execute(u"CREATE TABLE n (t %1, i %2, d %3, m %4, dt %5)"_s.arg(
        type(ColType::Text, 10), type(ColType::Int), type(ColType::Date), type(ColType::Num),
        type(ColType::DateTime)));
    db.execute(u"INSERT INTO n (t, i, d, m, dt) VALUES (:t, :i, :d, :m, :dt)"_s, {{u"t"_s, QVariant()},
                                                                                  {u"i"_s, QVariant()},
                                                                                  {u"d"_s, QDate()},
                                                                                  {u"m"_s, QVariant()},
                                                                                  {u"dt"_s, QDateTime()}});
    Query q(&db);
    q.setSql(u"SELECT t, i, d, m, dt FROM n"_s);
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    for (int i = 0; i < q.fieldCount(); ++i) {
        EXPECT_TRUE(q.field(i).isNull()) << q.field(i).name().toStdString();
        EXPECT_EQ(q.field(i).asString(), QString());
    }
    EXPECT_EQ(q.field(u"i"_s).asInteger(), 0);
    EXPECT_EQ(q.field(u"m"_s).asFloat(), 0.0);
    EXPECT_FALSE(q.field(u"d"_s).asDate().isValid());
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM n WHERE t IS NULL AND i IS NULL AND d IS NULL AND dt IS NULL"_s),
              1);
}

TEST_F(ParamsTest, DatesCompareAsDatesInWhere) {
    db.execute(u"CREATE TABLE doc (DocNo %1, DocDate %2, Stamp %3)"_s.arg(
        type(ColType::Text, 20), type(ColType::Date), type(ColType::DateTime)));
    const struct {
        const char* no;
        QDate date;
        QTime time;
    } docs[] = {{"A", QDate(2025, 12, 31), QTime(23, 59, 59, 999)},
                {"B", QDate(2026, 1, 1), QTime(0, 0)},
                {"C", QDate(2026, 1, 31), QTime(12, 0)},
                {"D", QDate(2026, 2, 1), QTime(8, 30)}};
    for (const auto& d : docs)
        db.execute(
            u"INSERT INTO doc (DocNo, DocDate, Stamp) VALUES (:n, :d, :s)"_s,
            {{u"n"_s, QString::fromLatin1(d.no)}, {u"d"_s, d.date}, {u"s"_s, QDateTime(d.date, d.time)}});

    auto docNos = [&](const QString& where, const ParamList& params) {
        Query q(&db);
        q.setSql(u"SELECT DocNo FROM doc WHERE "_s + where + u" ORDER BY DocNo"_s);
        for (int i = 0; i < params.count(); ++i)
            q.setParam(params.at(i).name, params.at(i).value);
        q.open();
        QString s;
        for (q.first(); !q.eof(); q.next())
            s += q.field(u"DocNo"_s).asString();
        return s;
    };
    const ParamList january{{u"f"_s, QDate(2026, 1, 1)}, {u"t"_s, QDate(2026, 1, 31)}};
    EXPECT_EQ(docNos(u"DocDate BETWEEN :f AND :t"_s, january), u"BC"_s);
    EXPECT_EQ(docNos(u"DocDate < :f"_s, {{u"f"_s, QDate(2026, 1, 1)}}), u"A"_s);
    EXPECT_EQ(docNos(u"YEAR(DocDate) = :y AND MONTH(DocDate) = :m"_s, {{u"y"_s, 2026}, {u"m"_s, 1}}),
              u"BC"_s);
    EXPECT_EQ(
        docNos(u"Stamp >= :f AND Stamp < :t"_s, {{u"f"_s, QDateTime(QDate(2026, 1, 1), QTime(0, 0))},
                                                 {u"t"_s, QDateTime(QDate(2026, 1, 31), QTime(12, 0))}}),
        u"B"_s);
    EXPECT_EQ(docNos(u"Stamp > :s"_s, {{u"s"_s, QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59, 998))}}),
              u"ABCD"_s);
    EXPECT_EQ(docNos(u"DAY(Stamp) = :d"_s, {{u"d"_s, 31}}), u"AC"_s);

    // Expressions over date columns come back as dates on both engines.
    Query last(&db);
    last.setSql(u"SELECT MAX(DocDate) AS LastDate, MAX(Stamp) AS LastStamp, MAX(DocNo) AS LastNo FROM doc"_s);
    last.open();
    EXPECT_EQ(last.field(u"LastDate"_s).value(), QVariant(QDate(2026, 2, 1)));
    EXPECT_EQ(last.field(u"LastStamp"_s).asDateTime(), QDateTime(QDate(2026, 2, 1), QTime(8, 30)));
    EXPECT_EQ(last.field(u"LastNo"_s).value(), QVariant(u"D"_s));
}

TEST_F(ParamsTest, DecimalsKeepSixPlacesThroughSums) {
    db.execute(u"CREATE TABLE amt (a %1)"_s.arg(type(ColType::Num)));
    for (double v : {1234567.891234, 0.1, 0.2, 0.000001})
        db.execute(u"INSERT INTO amt (a) VALUES (:a)"_s, {{u"a"_s, v}});
    EXPECT_EQ(QString::number(db.scalar(u"SELECT SUM(a) FROM amt"_s).toDouble(), 'f', 6),
              u"1234568.191235"_s);
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM amt WHERE a > :a"_s, {{u"a"_s, 0.1}}), 2);
}

TEST_F(ParamsTest, ThaiTextIsFoundByLike) {
    db.execute(
        u"CREATE TABLE product (Code %1, Name %2)"_s.arg(type(ColType::Text, 20), type(ColType::Text, 100)));
    const QStringList names{u"สินค้านำเข้าจากญี่ปุ่น"_s, u"ผ้าไหมไทย"_s, u"Imported goods"_s, u"นำเข้า 100%"_s};
    for (int i = 0; i < names.size(); ++i)
        db.execute(u"INSERT INTO product (Code, Name) VALUES (:c, :n)"_s,
                   {{u"c"_s, u"P%1"_s.arg(i)}, {u"n"_s, names[i]}});
    Query q(&db);
    q.setSql(u"SELECT Code FROM product WHERE Name LIKE :p ORDER BY Code"_s);
    const struct {
        QString pattern;
        QStringList codes;
    } cases[] = {{u"%นำเข้า%"_s, {u"P0"_s, u"P3"_s}},
                 {u"ผ้า%"_s, {u"P1"_s}},
                 {u"%ญี่ปุ่น"_s, {u"P0"_s}},
                 {u"imported%"_s, {u"P2"_s}}};
    for (const auto& c : cases) {
        q.setParam(u"p"_s, c.pattern);
        q.open();
        QStringList codes;
        for (q.first(); !q.eof(); q.next())
            codes << q.field(u"Code"_s).asString();
        EXPECT_EQ(codes, c.codes) << c.pattern.toStdString();
    }
}

TEST_F(ParamsTest, MissingParameterIsAnError) {
    db.execute(u"CREATE TABLE t (a INTEGER)"_s);
    EXPECT_THROW(db.execute(u"INSERT INTO t (a) VALUES (:a)"_s), DatabaseError);
    EXPECT_THROW(db.execute(u"INSERT INTO t (a) VALUES (:a)"_s, {{u"b"_s, 1}}), DatabaseError);
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM t"_s), 0);

    Query q(&db);
    q.setSql(u"SELECT a FROM t WHERE a = :a"_s);
    EXPECT_THROW(q.setParam(u"b"_s, 1), DatabaseError);
    // A line replaced by a step brings its own parameter.
    q.sql()[0] = u"SELECT a FROM t WHERE a = :b"_s;
    EXPECT_NO_THROW(q.setParam(u"b"_s, 1));
    EXPECT_THROW(q.setParam(u"a"_s, 1), DatabaseError);
}

TEST_F(ParamsTest, TextComparesWithoutRegardToCase) {
    db.execute(u"CREATE TABLE vendor (Code %1 NOT NULL, VendorName %2 NOT NULL)"_s.arg(
        type(ColType::Text, 20), type(ColType::Text, 60)));
    db.execute(u"CREATE UNIQUE INDEX vendor_code ON vendor (Code)"_s);
    db.execute(u"INSERT INTO vendor (Code, VendorName) VALUES (:c, :n)"_s,
               {{u"c"_s, u"ABC"_s}, {u"n"_s, u"Abc Trading"_s}});

    EXPECT_EQ(db.scalar(u"SELECT VendorName FROM vendor WHERE Code = :c"_s, {{u"c"_s, u"abc"_s}}).toString(),
              u"Abc Trading"_s);
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM vendor WHERE VendorName LIKE :p"_s, {{u"p"_s, u"ABC tr%"_s}}), 1);
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM vendor WHERE Code IN (:a, :b)"_s,
                    {{u"a"_s, u"x"_s}, {u"b"_s, u"aBc"_s}}),
              1);

    try {
        db.execute(u"INSERT INTO vendor (Code, VendorName) VALUES (:c, :n)"_s,
                   {{u"c"_s, u"abc"_s}, {u"n"_s, u"Other"_s}});
        FAIL() << "a code differing only in case was accepted";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(u"Cannot insert duplicate"_s)) << e.message().toStdString();
    }
    try {
        db.execute(u"INSERT INTO vendor (Code, VendorName) VALUES (:c, :n)"_s,
                   {{u"c"_s, u"NEW"_s}, {u"n"_s, QVariant()}});
        FAIL() << "a null name was accepted";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(u"Cannot insert the value NULL into column 'VendorName'"_s,
                                         Qt::CaseInsensitive))
            << e.message().toStdString();
    }
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM vendor"_s), 1);
}

TEST_F(ParamsTest, LastIdentityIsTheRowJustInserted) {
    EXPECT_TRUE(db.lastIdentity().isNull());
    db.execute(u"CREATE TABLE ident (Id %1, Name %2)"_s.arg(type(ColType::Id), type(ColType::Text, 10)));
    for (const QString& name : {u"a"_s, u"b"_s, u"c"_s}) {
        db.execute(u"INSERT INTO ident (Name) VALUES (:n)"_s, {{u"n"_s, name}});
        const QVariant id = db.lastIdentity();
        ASSERT_FALSE(id.isNull());
        EXPECT_EQ(db.scalar(u"SELECT Name FROM ident WHERE Id = :id"_s, {{u"id"_s, id}}).toString(), name);
    }
}

} // namespace
} // namespace zelt::data::testing
