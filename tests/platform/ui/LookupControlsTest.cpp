#include "ControlsTestSupport.h"

#include "platform/data/Database.h"
#include "platform/ui/DbIdLookup.h"
#include "support/TestServer.h"

#include <QLabel>
#include <QSignalSpy>

#include <memory>

using namespace zelt;
using namespace zelt::ui;
using namespace zelt::ui::testing;
using data::DataSetState;
using data::ValueKind;

namespace {

struct VendorRow {
    int id;
    const char* code;
    const char* name;
    const char* blocked;
};

// The vendors every source offers; V003 is blocked.
const VendorRow vendors[] = {
    {1, "V001", "บริษัท ก จำกัด", "N"},    {2, "V002", "Beta Co", "N"}, {3, "V003", "Blocked Co", "Y"},
    {4, "O'BRIEN", "O'Brien Ltd", "N"}, {5, "ก001", "ร้านไทย", "N"},
};

// Where the lookup edit finds its rows; each source can hide blocked vendors,
// the way the frames' filters do.
class Source {
public:
    virtual ~Source() = default;
    virtual const char* name() const = 0;
    virtual void install(DbIdLookup& edit) = 0;
    virtual void hideBlocked(DbIdLookup& edit, bool on) = 0;
};

data::MemoryTable* vendorTable(QObject* parent) {
    auto* t = new data::MemoryTable(QStringLiteral("MVendor"), parent);
    t->addField(QStringLiteral("Id"), ValueKind::Int);
    t->addField(QStringLiteral("Code"), ValueKind::Text, 20);
    t->addField(QStringLiteral("Name"), ValueKind::Text, 60);
    t->addField(QStringLiteral("Blocked"), ValueKind::Text, 1);
    t->open();
    for (const VendorRow& v : vendors)
        addRow(*t, {{"Id", v.id}, {"Code", u8(v.code)}, {"Name", u8(v.name)}, {"Blocked", u8(v.blocked)}});
    return t;
}

class ListSource : public Source {
public:
    const char* name() const override { return "list data set"; }
    void install(DbIdLookup& edit) override {
        list_ = vendorTable(&edit);
        edit.setLookupFields(QStringLiteral("Id"), QStringLiteral("Code"), QStringLiteral("Name"));
        edit.setLookupList(list_);
    }
    void hideBlocked(DbIdLookup& edit, bool on) override {
        if (on)
            edit.setLookupList(list_, [](const data::DataSet& l, int row) {
                return l.cell(row, l.fieldIndex(QStringLiteral("Blocked"))).toString() != QStringLiteral("Y");
            });
        else
            edit.setLookupList(list_);
    }

private:
    data::MemoryTable* list_ = nullptr;
};

class ResolverSource : public Source {
public:
    const char* name() const override { return "resolver functions"; }
    void install(DbIdLookup& edit) override {
        list_ = vendorTable(&edit);
        auto rowOf = [this](int r) {
            return LookupRow{list_->cell(r, 0), list_->cell(r, 1).toString(), list_->cell(r, 2).toString()};
        };
        edit.setResolvers(
            [this, rowOf](const QString& code) -> std::optional<LookupRow> {
                for (int r = 0; r < list_->recordCount(); ++r)
                    if (list_->cell(r, 1).toString() == code &&
                        !(hide_ && list_->cell(r, 3).toString() == QStringLiteral("Y")))
                        return rowOf(r);
                return std::nullopt;
            },
            [this, rowOf](const QVariant& id) -> std::optional<LookupRow> {
                for (int r = 0; r < list_->recordCount(); ++r)
                    if (list_->cell(r, 0).toInt() == id.toInt())
                        return rowOf(r);
                return std::nullopt;
            });
    }
    void hideBlocked(DbIdLookup&, bool on) override { hide_ = on; }

private:
    data::MemoryTable* list_ = nullptr;
    bool hide_ = false;
};

class DatabaseSource : public Source {
public:
    DatabaseSource() {
        db.setServer(scratch.server());
        db.setDatabaseName(scratch.name());
        db.open();
        const data::Dialect& d = db.dialect();
        db.execute(QStringLiteral("CREATE TABLE Vendor (Id %1, Code %2, Name %3, Blocked %4)")
                       .arg(d.typeSql(data::ColType::Id, 0), d.typeSql(data::ColType::Text, 20),
                            d.typeSql(data::ColType::Text, 60), d.typeSql(data::ColType::Flag, 1)));
        for (const VendorRow& v : vendors)
            db.execute(
                QStringLiteral("INSERT INTO Vendor (Id, Code, Name, Blocked) VALUES (:Id, :Code, :Name, :B)"),
                {{QStringLiteral("Id"), v.id},
                 {QStringLiteral("Code"), u8(v.code)},
                 {QStringLiteral("Name"), u8(v.name)},
                 {QStringLiteral("B"), u8(v.blocked)}});
    }
    const char* name() const override { return "table of a database"; }
    void install(DbIdLookup& edit) override {
        edit.setLookupDatabase(&db);
        edit.setLookupFields(QStringLiteral("Id"), QStringLiteral("Code"), QStringLiteral("Name"));
        edit.setLookupTable(QStringLiteral("Vendor"));
    }
    void hideBlocked(DbIdLookup& edit, bool on) override {
        edit.setFilter(on ? QStringLiteral("Blocked <> 'Y'") : QString());
    }

    zelt::test::ScratchDatabase scratch;
    data::Database db{QStringLiteral("lookup")};
};

enum class SourceKind { List, Resolver, Database };

std::unique_ptr<Source> makeSource(SourceKind kind) {
    switch (kind) {
    case SourceKind::List:
        return std::make_unique<ListSource>();
    case SourceKind::Resolver:
        return std::make_unique<ResolverSource>();
    case SourceKind::Database:
        return std::make_unique<DatabaseSource>();
    }
    return nullptr;
}

// An order header whose Vendor column holds a vendor id: vendor 1, the
// blocked vendor 3, and none.
class Lookup : public FormTest, public ::testing::WithParamInterface<SourceKind> {
protected:
    Lookup()
        : source(makeSource(GetParam())) {
        hd.addField(QStringLiteral("Vendor"), ValueKind::Int);
        hd.addField(QStringLiteral("Remark"), ValueKind::Text, 40);
        hd.open();
        addRow(hd, {{"Vendor", 1}});
        addRow(hd, {{"Vendor", 3}});
        addRow(hd, {{"Vendor", QVariant()}});
        hd.first();
        edit = add(new DbIdLookup);
        source->install(*edit);
        source->hideBlocked(*edit, true);
        edit->setDescriptionLabel(label = add(new QLabel));
        edit->bind(&hd, QStringLiteral("Vendor"));
    }

    // The user replaces the code and leaves the edit.
    void typeCode(const QString& code) {
        enter(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, code);
        leave();
    }

    std::unique_ptr<Source> source;
    data::MemoryTable hd{QStringLiteral("QHd")};
    DbIdLookup* edit = nullptr;
    QLabel* label = nullptr;
};

TEST_P(Lookup, ShowsTheStoredRowEvenWhenTheFilterWouldRefuseIt) {
    EXPECT_EQ(edit->text(), QStringLiteral("V001"));
    EXPECT_EQ(label->text(), u8("บริษัท ก จำกัด"));
    hd.next();
    EXPECT_EQ(edit->text(), QStringLiteral("V003")) << "blocked since the order was saved";
    EXPECT_EQ(label->text(), QStringLiteral("Blocked Co"));
    hd.next();
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(label->text(), QStringLiteral("-"));
    EXPECT_EQ(hd.state(), DataSetState::Browse);

    hd.close();
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(label->text(), QStringLiteral("-"));
    EXPECT_FALSE(edit->canModify());
}

TEST_P(Lookup, AcceptsACodeThatExistsAndPassesTheFilter) {
    struct Case {
        const char* typed;
        int id;
        const char* shown;
        const char* description;
    };
    const Case cases[] = {
        {"v002", 2, "V002", "Beta Co"},
        {"o'brien", 4, "O'BRIEN", "O'Brien Ltd"},
        {"ก001", 5, "ก001", "ร้านไทย"},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.typed);
        QSignalSpy accepted(edit, &DbIdLookup::codeAccepted);
        typeCode(u8(tc.typed));
        EXPECT_EQ(hd.value(QStringLiteral("Vendor")), tc.id);
        EXPECT_EQ(hd.state(), DataSetState::Edit);
        EXPECT_EQ(edit->text(), u8(tc.shown));
        EXPECT_EQ(label->text(), u8(tc.description));
        ASSERT_EQ(accepted.count(), 1);
        EXPECT_EQ(accepted.first().at(0), tc.id);
    }
    EXPECT_TRUE(modal.messages().isEmpty());
}

TEST_P(Lookup, RefusesACodeThatDoesNotExistOrFailsTheFilterAndClearsTheField) {
    const char* cases[] = {"NOPE", "V003", "X' OR '1'='1", "V001'--"};
    for (const char* typed : cases) {
        SCOPED_TRACE(typed);
        hd.cancel();
        ASSERT_EQ(hd.value(QStringLiteral("Vendor")), 1);
        QSignalSpy refused(edit, &DbIdLookup::codeRefused);
        typeCode(u8(typed));
        EXPECT_TRUE(hd.field(QStringLiteral("Vendor")).isNull());
        EXPECT_EQ(edit->text(), QString());
        EXPECT_EQ(label->text(), QStringLiteral("-"));
        ASSERT_EQ(refused.count(), 1);
        EXPECT_EQ(refused.first().at(0).toString(), u8(typed).toUpper());
    }
}

TEST_P(Lookup, AFilterChangedAtRunTimeDecidesTheNextCode) {
    typeCode(QStringLiteral("V003"));
    EXPECT_TRUE(hd.field(QStringLiteral("Vendor")).isNull());
    source->hideBlocked(*edit, false);
    typeCode(QStringLiteral("V003"));
    EXPECT_EQ(hd.value(QStringLiteral("Vendor")), 3);
    EXPECT_EQ(label->text(), QStringLiteral("Blocked Co"));
    source->hideBlocked(*edit, true);
    EXPECT_EQ(edit->text(), QStringLiteral("V003")) << "the stored row stays until the user types";
}

TEST_P(Lookup, AnEmptiedCodeStoresNullOnlyWhenNullIsAllowed) {
    struct Case {
        bool allowNull;
        QVariant stored;
        const char* shown;
        const char* signal;
    };
    const Case cases[] = {
        {true, QVariant(), "", "accepted"},
        {false, 1, "V001", "refused"},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.allowNull ? "null allowed" : "null not allowed");
        hd.cancel();
        edit->setAllowNull(tc.allowNull);
        QSignalSpy accepted(edit, &DbIdLookup::codeAccepted);
        QSignalSpy refused(edit, &DbIdLookup::codeRefused);
        typeCode(QString());
        EXPECT_EQ(hd.value(QStringLiteral("Vendor")), tc.stored);
        EXPECT_EQ(edit->text(), u8(tc.shown));
        EXPECT_EQ(label->text(), tc.allowNull ? QStringLiteral("-") : u8("บริษัท ก จำกัด"));
        QSignalSpy& fired = QByteArray(tc.signal) == "accepted" ? accepted : refused;
        ASSERT_EQ(fired.count(), 1);
        EXPECT_EQ(accepted.count() + refused.count(), 1);
        EXPECT_TRUE(fired.first().at(0).toString().isEmpty());
    }
}

TEST_P(Lookup, LeavingWithoutTypingLooksNothingUp) {
    hd.next(); // the blocked vendor, stored before
    QSignalSpy accepted(edit, &DbIdLookup::codeAccepted);
    QSignalSpy refused(edit, &DbIdLookup::codeRefused);
    enter(edit);
    leave();
    EXPECT_EQ(hd.value(QStringLiteral("Vendor")), 3);
    EXPECT_EQ(hd.state(), DataSetState::Browse);
    EXPECT_EQ(accepted.count() + refused.count(), 0);
}

TEST_P(Lookup, TheSearchIsAskedForByF5OrTheButtonAndItsCodeIsLookedUpOnLeaving) {
    QSignalSpy search(edit, &DbIdLookup::searchRequested);
    QSignalSpy entered(edit, &DbIdLookup::entered);
    QSignalSpy exited(edit, &DbIdLookup::exited);
    enter(edit);
    QTest::keyClick(edit, Qt::Key_F5);
    edit->requestSearch();
    EXPECT_EQ(search.count(), 2);
    EXPECT_EQ(entered.count(), 1);

    // The frame's dialog hands back a code; it is resolved when the user leaves.
    edit->enterCode(QStringLiteral("v002"));
    EXPECT_EQ(edit->text(), QStringLiteral("V002"));
    EXPECT_EQ(hd.value(QStringLiteral("Vendor")), 1);
    leave();
    EXPECT_EQ(hd.value(QStringLiteral("Vendor")), 2);
    EXPECT_EQ(exited.count(), 1);

    // Enter resolves too.
    enter(edit);
    edit->selectAll();
    typeText(edit, QStringLiteral("v001"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(hd.value(QStringLiteral("Vendor")), 1);
    EXPECT_EQ(label->text(), u8("บริษัท ก จำกัด"));
}

TEST_P(Lookup, TypingIntoAnEmptyHeaderAppendsItsRow) {
    hd.emptyTable();
    typeCode(QStringLiteral("V002"));
    EXPECT_EQ(hd.state(), DataSetState::Insert);
    EXPECT_EQ(hd.recordCount(), 1);
    EXPECT_EQ(hd.value(QStringLiteral("Vendor")), 2);
}

INSTANTIATE_TEST_SUITE_P(Sources, Lookup,
                         ::testing::Values(SourceKind::List, SourceKind::Resolver, SourceKind::Database),
                         [](const ::testing::TestParamInfo<SourceKind>& p) {
                             switch (p.param) {
                             case SourceKind::List:
                                 return std::string("List");
                             case SourceKind::Resolver:
                                 return std::string("Resolver");
                             case SourceKind::Database:
                                 return std::string("Database");
                             }
                             return std::string();
                         });

// ------------------------------------------------------------ database only

class LookupSql : public FormTest {
protected:
    LookupSql() {
        hd.addField(QStringLiteral("Vendor"), ValueKind::Int);
        hd.open();
        addRow(hd, {{"Vendor", 2}});
        edit = add(new DbIdLookup(&hd, QStringLiteral("Vendor")));
        edit->setLookupDatabase(&source.db);
        edit->setLookupFields(QStringLiteral("V.Id"), QStringLiteral("V.Code"), QStringLiteral("V.Name"));
    }

    void typeCode(const QString& code) {
        enter(edit);
        edit->selectAll();
        typeText(edit, code);
        leave();
    }

    DatabaseSource source;
    data::MemoryTable hd{QStringLiteral("QHd")};
    DbIdLookup* edit = nullptr;
};

TEST_F(LookupSql, ACustomSelectAndAFilterWithItsOwnParameters) {
    edit->setLookupSql(
        QStringLiteral("SELECT V.Id, V.Code, V.Name || ' (' || V.Blocked || ')' FROM Vendor V"));
    EXPECT_EQ(edit->text(), QStringLiteral("V002"));
    EXPECT_EQ(edit->description(), QStringLiteral("Beta Co (N)"));

    edit->setFilter(QStringLiteral("V.Blocked <> :NotWanted"),
                    {{QStringLiteral("NotWanted"), QStringLiteral("Y")}});
    typeCode(QStringLiteral("V003"));
    EXPECT_TRUE(hd.field(QStringLiteral("Vendor")).isNull());
    edit->setFilter(QStringLiteral("V.Blocked = :Wanted"), {{QStringLiteral("Wanted"), QStringLiteral("Y")}});
    typeCode(QStringLiteral("V003"));
    EXPECT_EQ(hd.value(QStringLiteral("Vendor")), 3);
    EXPECT_EQ(edit->description(), QStringLiteral("Blocked Co (Y)"));
}

TEST_F(LookupSql, TheDescriptionFieldAndTheRefusalMessageAreTheFramesChoice) {
    edit->setLookupTable(QStringLiteral("Vendor V"));
    QLabel* own = edit->descriptionLabel();
    add(own);
    EXPECT_EQ(own->text(), QStringLiteral("Beta Co"));
    edit->setDescriptionField(QStringLiteral("V.Code"));
    EXPECT_EQ(own->text(), QStringLiteral("V002"));

    edit->setRefusedMessage(u8("ไม่พบรหัส %1"));
    typeCode(QStringLiteral("ZZ9"));
    EXPECT_EQ(modal.lastText(), u8("ไม่พบรหัส ZZ9"));
    EXPECT_EQ(own->text(), QStringLiteral("-"));
}

} // namespace
