// What the base of the search dialogs gives every document search: row
// colours, sorting by title clicks, the refused choice of a cancelled
// document, and the hidden purge.

#include "SearchFixture.h"

#include "lookup/SearchSql.h"
#include "platform/data/DataSetModel.h"
#include "platform/data/Query.h"
#include "platform/ui/Modal.h"
#include "platform/ui/ResultGrid.h"

#include <QLineEdit>

using namespace zelt;
using test::u;

namespace {

// A document search as the derived dialogs write one.
class DocumentSearch : public lookup::TFrSearch {
public:
    DocumentSearch(const QString& sql, QVector<data::DataSetModel::Column> columns,
                   const QString& returnField) {
        QSearch->setSql(sql);
        DSearch->setColumns(std::move(columns));
        ReturnField = returnField;
    }
    void BtSearchClick() override {
        if (QSearch->params().contains(QStringLiteral("GetCode")))
            QSearch->setParam(QStringLiteral("GetCode"), lookup::likePrefix(Code->text()));
        TFrSearch::BtSearchClick();
    }
};

class SearchBase : public test::SearchFixture {
protected:
    QStringList column(lookup::TFrSearch& dialog, int c) {
        QStringList out;
        for (int r = 0; r < dialog.DSearch->rowCount(); ++r)
            out << dialog.DSearch->index(r, c).data().toString();
        return out;
    }
    void rightClick(lookup::TFrSearch& dialog, int row, Qt::KeyboardModifiers keys) {
        const QRect cell = dialog.DgSearch->visualRect(dialog.DSearch->index(row, 0));
        QTest::mouseClick(dialog.DgSearch->viewport(), Qt::RightButton, keys, cell.center());
    }
};

// ------------------------------------------------------------------ colours

TEST_F(SearchBase, TheFirstFlagFieldOfTheResultColoursTheRow) {
    struct Case {
        const char* select;
        QColor background; // invalid: the grid's own colours
    };
    const Case cases[] = {
        {"Select 1 As Id, 'Y' As DelFlag, 'Y' As Clear", QColor(Qt::red)},
        {"Select 1 As Id, 'N' As DelFlag, 'Y' As Clear", {}},
        {"Select 1 As Id, NULL As DelFlag, 'N' As Active", {}},
        {"Select 1 As Id, 'Y' As Clear, 'N' As Active", QColor(Qt::blue)},
        {"Select 1 As Id, 'P' As Clear, 'N' As Active", {}},
        {"Select 1 As Id, 'N' As Active", QColor(Qt::red)},
        {"Select 1 As Id, 'Y' As Active", {}},
        {"Select 1 As Id, 'y' As delflag", {}},
        {"Select 1 As Id, 'Y' As delflag", QColor(Qt::red)},
        {"Select 1 As Id", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.select);
        DocumentSearch dialog(u(c.select), {{QStringLiteral("Id"), QStringLiteral("Id")}},
                              QStringLiteral("Id"));
        dialog.BtSearchClick();
        ASSERT_EQ(dialog.DSearch->rowCount(), 1);
        const QVariant background = dialog.DSearch->index(0, 0).data(Qt::BackgroundRole);
        EXPECT_EQ(background.value<QColor>(), c.background);
        if (c.background.isValid()) {
            EXPECT_EQ(dialog.DSearch->index(0, 0).data(Qt::ForegroundRole).value<QColor>(),
                      QColor(Qt::white));
        }
    }
}

// ------------------------------------------------------- orders and choices

class SalesOrders : public SearchBase {
protected:
    void SetUp() override {
        SearchBase::SetUp();
        const auto add = [this](const char* no, double total, const char* del, const char* clear,
                                const char* status) {
            seed->execute(
                u("INSERT INTO SoHd (SoNo, SoType, Customer, Salesman, Total, DelFlag, Clear, Status, "
                  "Remark) VALUES (:No, 'S', 1, 1, :Total, :Del, :Clear, :Status, :No)"),
                {{u("No"), u(no)},
                 {u("Total"), total},
                 {u("Del"), u(del)},
                 {u("Clear"), u(clear)},
                 {u("Status"), u(status)}});
        };
        add("SO-001", 300, "N", "N", "");
        add("SO-002", 100, "Y", "N", "ลูกค้ายกเลิก");
        add("SO-003", 200, "N", "Y", "");
    }

    std::unique_ptr<DocumentSearch> soSearch(bool withReason = true) {
        QString sql = u("Select Id, SoNo, Total, Remark, DelFlag, Clear");
        if (withReason)
            sql += u(", Status As DelRemark");
        sql += u("\nFrom SoHd\nWhere (SoNo Like :GetCode") + lookup::kLikeEscape + u(")\nOrder By SoNo");
        return std::make_unique<DocumentSearch>(
            sql,
            QVector<data::DataSetModel::Column>{{QStringLiteral("SoNo"), u("เลขที่")},
                                                {QStringLiteral("Total"), u("ยอดรวม")},
                                                {QStringLiteral("Remark"), u("หมายเหตุ")},
                                                {QStringLiteral("Customer"), u("ลูกค้า")}},
            QStringLiteral("SoNo"));
    }
};

TEST_F(SalesOrders, TitleClicksSortAscendingDescendingAscending) {
    auto dialog = soSearch();
    showActive(*dialog);
    QTest::keyClick(dialog->Code, Qt::Key_Return);
    ASSERT_EQ(column(*dialog, 0), (QStringList{u("SO-001"), u("SO-002"), u("SO-003")}));

    struct Step {
        int column;
        QStringList numbers;
        const char* orderLine;
    };
    const Step steps[] = {
        {1, {u("SO-002"), u("SO-003"), u("SO-001")}, "Order By 3"},
        {1, {u("SO-001"), u("SO-003"), u("SO-002")}, "Order By 3 Desc"},
        {1, {u("SO-002"), u("SO-003"), u("SO-001")}, "Order By 3"},
        {0, {u("SO-001"), u("SO-002"), u("SO-003")}, "Order By 2"}, // another column starts ascending
        {0, {u("SO-003"), u("SO-002"), u("SO-001")}, "Order By 2 Desc"},
        {2, {u("SO-003"), u("SO-002"), u("SO-001")}, "Order By 2 Desc"}, // Remark is never sorted
        {3, {u("SO-003"), u("SO-002"), u("SO-001")}, "Order By 2 Desc"}, // not in the result
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.orderLine);
        emit dialog->DgSearch->titleClicked(step.column);
        EXPECT_EQ(column(*dialog, 0), step.numbers);
        EXPECT_EQ(dialog->QSearch->sql().last(), u(step.orderLine));
    }
    EXPECT_EQ(lookup::TFrSearch::SortColumn, QStringLiteral("SoNo"));
    EXPECT_TRUE(lookup::TFrSearch::SortDescending);
}

TEST_F(SalesOrders, TheSortIsSharedByEverySearchOfTheRun) {
    auto first = soSearch();
    first->BtSearchClick();
    emit first->DgSearch->titleClicked(1);
    auto second = soSearch();
    second->BtSearchClick();
    emit second->DgSearch->titleClicked(1); // the same column: the second click of the run
    EXPECT_EQ(second->QSearch->sql().last(), QStringLiteral("Order By 3 Desc"));
}

TEST_F(SalesOrders, ACancelledDocumentIsRefusedWithItsReason) {
    struct Case {
        bool thai;
        bool withReason;
        QStringList messages;
    };
    const Case cases[] = {
        {true, true, {u("เอกสารถูกยกเลิกแล้ว"), u("สาเหตุยกเลิก : ลูกค้ายกเลิก")}},
        {false, true, {u("Document Was Deleted"), u("สาเหตุยกเลิก : ลูกค้ายกเลิก")}},
        {true, false, {u("เอกสารถูกยกเลิกแล้ว")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.messages.join(u(" / ")).toStdString());
        config->ThaiLanguage = c.thai;
        ui::ScriptedModal modal;
        auto dialog = soSearch(c.withReason);
        showActive(*dialog);
        QTest::keyClicks(dialog->Code, QStringLiteral("so-002"));
        QTest::keyClick(dialog->Code, Qt::Key_Return);
        ASSERT_EQ(column(*dialog, 0), QStringList{u("SO-002")});
        QTest::keyClick(dialog->DgSearch, Qt::Key_Return);
        EXPECT_EQ(modal.texts(), c.messages);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->ReturnValue.isEmpty());

        // Another document may still be chosen.
        dialog->Code->setFocus();
        dialog->Code->clear();
        QTest::keyClick(dialog->Code, Qt::Key_Return);
        QTest::keyClick(dialog->DgSearch, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(dialog->DgSearch, Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(dialog->ReturnValue, u("SO-003"));
    }
}

// -------------------------------------------------------------------- purge

class Invoices : public SearchBase {
protected:
    void SetUp() override {
        SearchBase::SetUp();
        const auto add = [this](const char* no, const char* del) {
            const int id = insertId(u("INSERT INTO IvHd (IvNo, IvType, Customer, Salesman, DelFlag) "
                                      "VALUES (:No, 'A', 1, 1, :Del)"),
                                    {{u("No"), u(no)}, {u("Del"), u(del)}});
            seed->execute(u("INSERT INTO IvShip (IvHd, ShipAddr1) VALUES (:Id, :Addr)"),
                          {{u("Id"), id}, {u("Addr"), u("99 ถนนสุขุมวิท")}});
            return id;
        };
        live = add("IV-001", "N");
        cancelled = add("IV-002", "Y");
        dialog = std::make_unique<DocumentSearch>(
            u("Select Id, IvNo, DelFlag From IvHd\nWhere (IvNo Like :GetCode") + lookup::kLikeEscape +
                u(")\nOrder By IvNo"),
            QVector<data::DataSetModel::Column>{{QStringLiteral("IvNo"), u("เลขที่")}}, QStringLiteral("IvNo"));
        dialog->PurgeTable = QStringLiteral(" ivhd ");
        showActive(*dialog);
        QTest::keyClick(dialog->Code, Qt::Key_Return);
    }

    int count(const char* table, const char* key, int id) {
        return seed
            ->scalar(u("SELECT COUNT(*) FROM %1 WHERE %2 = :Id").arg(u(table), u(key)), {{u("Id"), id}})
            .toInt();
    }

    int live = 0;
    int cancelled = 0;
    std::unique_ptr<DocumentSearch> dialog;
};

TEST_F(Invoices, PurgeAsksTwiceAndStopsAtTheFirstNo) {
    const Qt::KeyboardModifiers shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
    struct Case {
        const char* name;
        int row;
        Qt::KeyboardModifiers keys;
        QList<QMessageBox::StandardButton> answers;
        int questions;
        bool purged;
    };
    const Case cases[] = {
        {"a live document", 0, shiftCtrl, {}, 0, false},
        {"Ctrl alone", 1, Qt::ControlModifier, {}, 0, false},
        {"Shift alone", 1, Qt::ShiftModifier, {}, 0, false},
        {"Shift, Ctrl and Alt", 1, shiftCtrl | Qt::AltModifier, {}, 0, false},
        {"No to the first question", 1, shiftCtrl, {QMessageBox::No}, 1, false},
        {"No to the second question", 1, shiftCtrl, {QMessageBox::Yes, QMessageBox::No}, 2, false},
        {"Yes to both", 1, shiftCtrl, {QMessageBox::Yes, QMessageBox::Yes}, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::ScriptedModal modal;
        for (QMessageBox::StandardButton answer : c.answers)
            modal.answer(answer);
        rightClick(*dialog, c.row, c.keys);
        ASSERT_EQ(modal.messages().size(), c.questions);
        const QStringList questions{u("Confirm Delete #1/2 ?"), u("Confirm Delete #2/2 ?")};
        for (int i = 0; i < c.questions; ++i) {
            EXPECT_EQ(modal.messages()[i].text, questions[i]);
            EXPECT_EQ(modal.messages()[i].background, QColor(Qt::blue));
            EXPECT_EQ(modal.messages()[i].foreground, QColor(Qt::white));
        }
        EXPECT_EQ(count("IvHd", "Id", cancelled), c.purged ? 0 : 1);
        EXPECT_EQ(count("IvShip", "IvHd", cancelled), c.purged ? 0 : 1);
        EXPECT_EQ(count("IvHd", "Id", live), 1);
        EXPECT_EQ(count("IvShip", "IvHd", live), 1);
        EXPECT_EQ(column(*dialog, 0).size(), c.purged ? 1 : 2); // searched again after a purge
    }
}

TEST_F(Invoices, NoPurgeWithoutAHeaderTable) {
    for (const char* table : {"", "IvHd; DELETE FROM IvDt"}) {
        SCOPED_TRACE(table);
        dialog->PurgeTable = u(table);
        ui::ScriptedModal modal;
        rightClick(*dialog, 1, Qt::ShiftModifier | Qt::ControlModifier);
        EXPECT_TRUE(modal.messages().isEmpty());
        EXPECT_EQ(count("IvHd", "Id", cancelled), 1);
    }
}

} // namespace
