#include "DataTestSupport.h"

#include "platform/data/DataSetModel.h"
#include "platform/data/Query.h"

#include <QAbstractItemModelTester>

using namespace Qt::StringLiterals;

namespace zelt::data::testing {
namespace {

// Collects what QAbstractItemModelTester reports, so that a broken model
// contract fails the test instead of only printing a warning.
class TesterMessages {
public:
    TesterMessages() {
        instance_ = this;
        previous_ = qInstallMessageHandler(&TesterMessages::handle);
    }
    ~TesterMessages() {
        qInstallMessageHandler(previous_);
        instance_ = nullptr;
    }
    QStringList messages;

private:
    static void handle(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
        if (instance_ && (type != QtDebugMsg || qstrcmp(ctx.category, "qt.modeltest") == 0) &&
            (msg.contains(u"FAIL"_s) || qstrcmp(ctx.category, "qt.modeltest") == 0))
            instance_->messages << msg;
    }
    static inline TesterMessages* instance_ = nullptr;
    QtMessageHandler previous_ = nullptr;
};

class ModelTest : public DbTest {
protected:
    ModelTest() {
        db.execute(u"CREATE TABLE Item (Code %1, Name %2, Price %3, Added %4)"_s.arg(
            type(ColType::Text, 20), type(ColType::Text, 60), type(ColType::Num), type(ColType::Date)));
        for (int i = 1; i <= 3; ++i)
            db.execute(u"INSERT INTO Item (Code, Name, Price, Added) VALUES (:c, :n, :p, :d)"_s,
                       {{u"c"_s, u"I%1"_s.arg(i)},
                        {u"n"_s, u"สินค้า %1"_s.arg(i)},
                        {u"p"_s, i * 1.5},
                        {u"d"_s, QDate(2026, 1, i)}});
        q.setSql(u"SELECT Code, Name, Price FROM Item ORDER BY Code"_s);
        q.setCachedUpdates(true);
    }

    // The grid shows what the data set holds, row for row.
    void expectModelMatchesDataSet(const DataSetModel& m) {
        ASSERT_EQ(m.rowCount(), q.isActive() ? q.recordCount() : 0);
        for (int r = 0; r < m.rowCount(); ++r)
            for (int c = 0; c < m.columnCount(); ++c)
                EXPECT_EQ(m.data(m.index(r, c), Qt::EditRole), q.cell(r, m.fieldOf(c))) << r << "," << c;
    }

    Query q{&db, u"Items"_s};
};

TEST_F(ModelTest, FollowsTheDataSetThroughEveryChange) {
    TesterMessages log;
    DataSetModel model(&q);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);

    q.open();
    EXPECT_EQ(model.columnCount(), 3);
    expectModelMatchesDataSet(model);

    q.append();
    q.setValue(u"Code"_s, u"I9"_s);
    q.post();
    q.setRecNo(1);
    q.insert();
    q.setValue(u"Code"_s, u"I15"_s);
    q.cancel();
    expectModelMatchesDataSet(model);

    // Edits through the grid go through the data set; leaving the row posts it.
    ASSERT_TRUE(model.setData(model.index(0, 1), u"เปลี่ยนชื่อ"_s));
    EXPECT_EQ(q.state(), DataSetState::Edit);
    ASSERT_TRUE(model.setData(model.index(2, 2), u"7.25"_s));
    EXPECT_EQ(q.cell(0, 1).toString(), u"เปลี่ยนชื่อ"_s);
    EXPECT_EQ(q.cell(2, 2).toDouble(), 7.25);
    q.post();
    EXPECT_EQ(model.data(model.index(2, 2), Qt::DisplayRole).toString(), u"7.25"_s);

    q.setRecNo(1);
    q.remove();
    q.last();
    q.remove();
    expectModelMatchesDataSet(model);

    q.cancelUpdates();
    expectModelMatchesDataSet(model);
    EXPECT_EQ(model.rowCount(), 3);

    q.disableControls();
    for (int i = 0; i < 5; ++i) {
        q.append();
        q.setValue(u"Code"_s, u"X%1"_s.arg(i));
        q.post();
    }
    q.enableControls();
    expectModelMatchesDataSet(model);

    q.refresh();
    expectModelMatchesDataSet(model);
    q.setSql(u"SELECT Code, Name, Price, Added FROM Item WHERE Code <> :c ORDER BY Code"_s);
    q.setParam(u"c"_s, u"I2"_s);
    q.open();
    EXPECT_EQ(model.columnCount(), 4);
    expectModelMatchesDataSet(model);
    q.close();
    EXPECT_EQ(model.rowCount(), 0);
    q.open();
    expectModelMatchesDataSet(model);

    EXPECT_TRUE(log.messages.isEmpty()) << log.messages.join(u'\n').toStdString();
}

TEST_F(ModelTest, ChosenColumnsAndReadOnly) {
    DataSetModel model(&q);
    model.setColumns(
        {{u"Name"_s, u"ชื่อสินค้า"_s, false}, {u"code"_s, u"รหัส"_s, true}, {u"Missing"_s, u"?"_s, false}});
    q.open();
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), u"ชื่อสินค้า"_s);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), u"I1"_s);
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, 2)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(0, 1), u"X"_s));
    EXPECT_FALSE(model.data(model.index(0, 2)).isValid());
    model.setReadOnly(true);
    EXPECT_FALSE(model.setData(model.index(0, 0), u"X"_s));
    EXPECT_EQ(q.state(), DataSetState::Browse);
}

} // namespace
} // namespace zelt::data::testing
