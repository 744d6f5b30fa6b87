// The simple search of a code table: the keyboard, what the search texts
// find, the captions, and ShowSimpleSearch on the company data module.

#include "SearchFixture.h"

#include "lookup/Fr_SimpleSearch.h"
#include "platform/data/DataSetModel.h"
#include "platform/data/Query.h"
#include "platform/ui/Modal.h"
#include "platform/ui/ResultGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace zelt;
using lookup::TFrSimpleSearch;
using test::u;

namespace {

// Payment terms in the code table Misc; one row of another group that the
// condition leaves out.
class SimpleSearch : public test::SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        const auto add = [this](const char* group, const char* code, const char* description) {
            seed->execute(u("INSERT INTO Misc (GroupCode, Code, Description) VALUES (:G, :C, :D)"),
                          {{u("G"), u(group)}, {u("C"), u(code)}, {u("D"), u(description)}});
        };
        add("PAYTERM", "OREILLY", "O'Reilly Media");
        add("PAYTERM", "PATH", "Path C:\\TEMP");
        add("PAYTERM", "BANG", "Wow! Deal");
        add("PAYTERM", "CASH", "ชำระเงินสด");
        add("PAYTERM", "CR30", "ค้างชำระ 30 วัน");
        add("PAYTERM", "DISC10", "ส่วนลด 10%");
        add("PAYTERM", "DISC100", "ส่วนลด 100 บาท");
        add("OTHER", "PETTY", "เงินสดย่อย");
    }

    // The dialog as ShowSimpleSearch prepares it, shown.
    void open(TFrSimpleSearch& dialog) {
        dialog.TableName = QStringLiteral("Misc");
        dialog.ExtraCondition = QStringLiteral("GroupCode = 'PAYTERM'");
        showActive(dialog);
    }

    static QStringList codes(TFrSimpleSearch& dialog) {
        QStringList out;
        for (int r = 0; r < dialog.DSearch->rowCount(); ++r)
            out << dialog.DSearch->index(r, 1).data().toString();
        return out;
    }
};

TEST_F(SimpleSearch, EnterWithoutRowsStaysInTheTextAndSearchesAgain) {
    TFrSimpleSearch dialog;
    open(dialog);
    QTest::keyClicks(dialog.Code, QStringLiteral("zz"));
    EXPECT_EQ(dialog.Code->text(), QStringLiteral("ZZ")); // upper case as typed
    QTest::keyClick(dialog.Code, Qt::Key_Return);
    EXPECT_TRUE(dialog.QSearch->isActive());
    EXPECT_EQ(dialog.DSearch->rowCount(), 0);
    EXPECT_EQ(dialog.focusWidget(), dialog.Code);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Code->text(), QStringLiteral("ZZ")); // the Enter itself is swallowed

    seed->execute(u("INSERT INTO Misc (GroupCode, Code, Description) VALUES ('PAYTERM', 'ZZ', 'ZZ Top')"));
    QTest::keyClick(dialog.Code, Qt::Key_Return);
    EXPECT_EQ(codes(dialog), QStringList{QStringLiteral("ZZ")});
    EXPECT_EQ(dialog.focusWidget(), dialog.DgSearch);
    EXPECT_EQ(dialog.DgSearch->currentRow(), 0);
}

TEST_F(SimpleSearch, EnterInTheGridChoosesTheCurrentRow) {
    TFrSimpleSearch dialog;
    open(dialog);
    dialog.Code->insert(u("ส่วนลด"));
    QTest::keyClick(dialog.Code, Qt::Key_Return);
    ASSERT_EQ(codes(dialog), (QStringList{QStringLiteral("DISC10"), QStringLiteral("DISC100")}));
    QTest::keyClick(dialog.DgSearch, Qt::Key_Down);
    QTest::keyClick(dialog.DgSearch, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ReturnValue, QStringLiteral("DISC100"));
}

TEST_F(SimpleSearch, DownArrowLeavesTheTextForTheGrid) {
    TFrSimpleSearch dialog;
    open(dialog);
    QTest::keyClick(dialog.Code, Qt::Key_Return); // every row
    dialog.Code->setFocus();
    QTest::keyClick(dialog.Code, Qt::Key_Down);
    EXPECT_EQ(dialog.focusWidget(), dialog.DgSearch);
    EXPECT_EQ(dialog.DgSearch->currentRow(), 0); // the arrow moved the focus, not the row
    QTest::keyClick(dialog.DgSearch, Qt::Key_Down);
    QTest::keyClick(dialog.DgSearch, Qt::Key_Return);
    EXPECT_EQ(dialog.ReturnValue, QStringLiteral("PATH"));
}

TEST_F(SimpleSearch, EscapeAndEmptyChoicesHandNothingBack) {
    struct Case {
        const char* name;
        std::function<void(TFrSimpleSearch&)> act;
    };
    const Case cases[] = {
        {"Escape after choosing a row",
         [](TFrSimpleSearch& d) {
             QTest::keyClick(d.Code, Qt::Key_Return);
             QTest::keyClick(d.DgSearch, Qt::Key_Escape);
         }},
        {"Escape in the text", [](TFrSimpleSearch& d) { QTest::keyClick(d.Code, Qt::Key_Escape); }},
        {"OK before any search", [](TFrSimpleSearch& d) { d.BtOk->click(); }},
        {"OK on an empty result",
         [](TFrSimpleSearch& d) {
             QTest::keyClicks(d.Code, QStringLiteral("nothing like it"));
             QTest::keyClick(d.Code, Qt::Key_Return);
             d.BtOk->click();
         }},
        {"Cancel", [](TFrSimpleSearch& d) { d.BtCancel->click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFrSimpleSearch dialog;
        dialog.ReturnValue = QStringLiteral("OLD");
        open(dialog);
        c.act(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_TRUE(dialog.ReturnValue.isEmpty());
    }
}

TEST_F(SimpleSearch, DoubleClickChooses) {
    TFrSimpleSearch dialog;
    open(dialog);
    dialog.Code->insert(u("ชำระเงิน"));
    QTest::keyClick(dialog.Code, Qt::Key_Return);
    ASSERT_EQ(codes(dialog), QStringList{QStringLiteral("CASH")});
    const QRect cell = dialog.DgSearch->visualRect(dialog.DSearch->index(0, 0));
    QTest::mouseDClick(dialog.DgSearch->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ReturnValue, QStringLiteral("CASH"));
}

// What a search text finds: the text is a value, never SQL; "%" and "_"
// keep their meaning of the original server (any text, any character).
TEST_F(SimpleSearch, SearchTextsFindTheirRows) {
    struct Case {
        const char* text;
        QStringList codes;
    };
    const QStringList all{QStringLiteral("OREILLY"), QStringLiteral("PATH"), QStringLiteral("BANG"),
                          QStringLiteral("CR30"),    QStringLiteral("CASH"), QStringLiteral("DISC10"),
                          QStringLiteral("DISC100")};
    const Case cases[] = {
        {"", all}, // every row of the group, by description
        {"'", {QStringLiteral("OREILLY")}},
        {"o'reilly", {QStringLiteral("OREILLY")}},
        {"O'R' OR '1'='1", {}},
        {"10%", {QStringLiteral("DISC10"), QStringLiteral("DISC100")}},
        {"%", all},
        {"ลด 10%บาท", {QStringLiteral("DISC100")}},
        {"เงินสด", {QStringLiteral("CASH")}}, // the other group's row stays out
        {"ค้าง", {QStringLiteral("CR30")}},
        {"C:\\TEMP", {QStringLiteral("PATH")}},
        {"\\", {QStringLiteral("PATH")}},
        {"wow!", {QStringLiteral("BANG")}},
        {"!", {QStringLiteral("BANG")}},
        {"ไม่มี", {}},
    };
    TFrSimpleSearch dialog;
    open(dialog);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        dialog.Code->setText(u(c.text));
        dialog.BtSearchClick();
        EXPECT_EQ(codes(dialog), c.codes);
    }
}

TEST_F(SimpleSearch, CaptionsFollowTheUsersLanguage) {
    struct Case {
        bool thai;
        const char* caption;
        const char* label;
        const char* titles[2];
        const char* buttons[3];
    };
    const Case cases[] = {
        {true, "ค้นหาหน่วยงาน", "รายละเอียด", {"รายละเอียด", "รหัส"}, {"ค้นหา", "เลือก", "ไม่เลือก"}},
        {false, "", "Description", {"Description", "Code"}, {"Search", "Choose", "Cancel"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.thai);
        config->ThaiLanguage = c.thai;
        TFrSimpleSearch dialog;
        dialog.DialogCaption = u(c.caption);
        open(dialog);
        EXPECT_EQ(dialog.windowTitle(), c.thai ? u(c.caption) : QStringLiteral("Search"));
        EXPECT_EQ(dialog.Label3->text(), u(c.label));
        EXPECT_EQ(dialog.DSearch->headerData(0, Qt::Horizontal).toString(), u(c.titles[0]));
        EXPECT_EQ(dialog.DSearch->headerData(1, Qt::Horizontal).toString(), u(c.titles[1]));
        EXPECT_EQ(dialog.BtSearch->text(), u(c.buttons[0]));
        EXPECT_EQ(dialog.BtOk->text(), u(c.buttons[1]));
        EXPECT_EQ(dialog.BtCancel->text(), u(c.buttons[2]));
        EXPECT_EQ(dialog.DgSearch->toolTip().isEmpty(), !c.thai);
        EXPECT_EQ(dialog.DgSearch->columnWidth(0), 380);
        EXPECT_EQ(dialog.DgSearch->columnWidth(1), 120);
    }
}

TEST_F(SimpleSearch, ShowSimpleSearchHandsBackTheChosenCode) {
    lookup::installSimpleSearch();
    ui::ScriptedModal modal;
    QString seenCaption;
    modal.onDialog = [&](QDialog& d) {
        auto& dialog = static_cast<TFrSimpleSearch&>(d);
        showActive(dialog);
        seenCaption = dialog.windowTitle();
        EXPECT_TRUE(dialog.Code->text().isEmpty()); // emptied on every show
        dialog.Code->insert(u("ส่วน"));
        QTest::keyClick(dialog.Code, Qt::Key_Return);
        QTest::keyClick(dialog.DgSearch, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(dialog.DgSearch, Qt::Key_Return);
        return dialog.result();
    };
    QString chosen;
    EXPECT_TRUE(dm->ShowSimpleSearch(u("ค้นหาเงื่อนไข"), QString(), QStringLiteral("Misc"),
                                     QStringLiteral("GroupCode = 'PAYTERM'"), QString(), &chosen));
    EXPECT_EQ(chosen, QStringLiteral("DISC100"));
    EXPECT_EQ(seenCaption, u("ค้นหาเงื่อนไข"));
    TFrSimpleSearch* first = lookup::keptSimpleSearch();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->ReturnValue, QStringLiteral("DISC100"));

    // The dialog is kept for the run; named fields and a blank caption.
    modal.onDialog = [&](QDialog& d) {
        auto& dialog = static_cast<TFrSimpleSearch&>(d);
        showActive(dialog);
        seenCaption = dialog.windowTitle();
        EXPECT_TRUE(dialog.Code->text().isEmpty());
        QTest::keyClicks(dialog.Code, QStringLiteral("other"));
        QTest::keyClick(dialog.Code, Qt::Key_Return);
        QTest::keyClick(dialog.DgSearch, Qt::Key_Return);
        return dialog.result();
    };
    EXPECT_TRUE(dm->ShowSimpleSearch(QString(), QStringLiteral("Description"), QStringLiteral("Misc"),
                                     QString(), QStringLiteral("GroupCode"), &chosen));
    EXPECT_EQ(lookup::keptSimpleSearch(), first);
    EXPECT_EQ(seenCaption, QStringLiteral("Search"));
    EXPECT_EQ(chosen, u("เงินสดย่อย"));

    modal.onDialog = [&](QDialog& d) {
        showActive(d);
        QTest::keyClick(static_cast<TFrSimpleSearch&>(d).Code, Qt::Key_Escape);
        return d.result();
    };
    EXPECT_FALSE(
        dm->ShowSimpleSearch(QString(), QString(), QStringLiteral("Misc"), QString(), QString(), &chosen));
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(modal.dialogsShown(), 3);
}

TEST_F(SimpleSearch, ShowSimpleSearchRefusesNamesThatAreNotNames) {
    lookup::installSimpleSearch();
    ui::ScriptedModal modal;
    EXPECT_THROW(dm->ShowSimpleSearch(QString(), QStringLiteral("Code"),
                                      QStringLiteral("Misc; DELETE FROM Misc"), QString(), QString()),
                 std::invalid_argument);
    EXPECT_THROW(dm->ShowSimpleSearch(QString(), QStringLiteral("Code, (SELECT 1)"), QStringLiteral("Misc"),
                                      QString(), QString()),
                 std::invalid_argument);
    EXPECT_EQ(modal.dialogsShown(), 0);
}

} // namespace
