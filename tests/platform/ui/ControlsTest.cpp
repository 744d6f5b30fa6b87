#include "ControlsTestSupport.h"

#include "platform/ui/DbChoice.h"
#include "platform/ui/DbEdit.h"
#include "platform/ui/DbNumberEdit.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QSignalSpy>

using namespace zelt;
using namespace zelt::ui;
using namespace zelt::ui::testing;
using data::DataSetState;
using data::ValueKind;

namespace {

// A document header in memory: two rows, the first one current.
class Controls : public FormTest {
protected:
    Controls() {
        hd.addField(QStringLiteral("Code"), ValueKind::Text, 10);
        hd.addField(QStringLiteral("Name"), ValueKind::Text, 40);
        hd.addField(QStringLiteral("Amount"), ValueKind::Float);
        hd.addField(QStringLiteral("Qty"), ValueKind::Int);
        hd.addField(QStringLiteral("DocDate"), ValueKind::Date);
        hd.addField(QStringLiteral("CanUseTax"), ValueKind::Text, 1);
        hd.addField(QStringLiteral("Price_IE"), ValueKind::Text, 1);
        hd.addField(QStringLiteral("TaxCode"), ValueKind::Int);
        hd.addField(QStringLiteral("Memoline"), ValueKind::Text);
        hd.open();
        addRow(hd, {{"Code", QStringLiteral("A001")},
                    {"Name", u8("สมชาย")},
                    {"Amount", 1234.5},
                    {"Qty", 3},
                    {"DocDate", QDate(2026, 3, 5)},
                    {"CanUseTax", QStringLiteral("Y")},
                    {"Price_IE", QStringLiteral("I")},
                    {"TaxCode", 1},
                    {"Memoline", u8("บรรทัดหนึ่ง")}});
        addRow(hd, {{"Code", QStringLiteral("B002")},
                    {"Name", QStringLiteral("Beta")},
                    {"CanUseTax", QStringLiteral("N")},
                    {"Price_IE", QStringLiteral("E")},
                    {"TaxCode", 2}});
        hd.first();
    }

    DbComboBox* priceCombo() {
        auto* c = add(new DbComboBox(&hd, QStringLiteral("Price_IE")));
        c->setItems({u8("ราคารวมภาษี"), u8("ราคาไม่รวมภาษี")}, {QStringLiteral("I"), QStringLiteral("E")});
        return c;
    }

    data::MemoryTable hd{QStringLiteral("QHd")};
};

// Every kind of control on one form, bound to the header.
struct AllControls {
    DbEdit* code;
    DbNumberEdit* amount;
    DbDateEdit* date;
    DbCheckBox* tax;
    DbComboBox* price;
    DbMemo* memo;
};

TEST_F(Controls, EveryControlShowsTheCurrentRowAndFollowsScrolling) {
    AllControls c{add(new DbEdit(&hd, QStringLiteral("Code"))),
                  add(new DbNumberEdit(&hd, QStringLiteral("Amount"))),
                  add(new DbDateEdit(&hd, QStringLiteral("DocDate"))),
                  add(new DbCheckBox(u8("ภาษีขอคืนได้"), &hd, QStringLiteral("CanUseTax"))),
                  priceCombo(),
                  add(new DbMemo(&hd, QStringLiteral("Memoline")))};
    c.amount->setDisplayFormat(QStringLiteral("#,##0.00"));

    auto expectRow = [&](const char* code, const char* amount, const char* date, bool tax, int price,
                         const char* memo) {
        EXPECT_EQ(c.code->text(), u8(code));
        EXPECT_EQ(c.amount->text(), u8(amount));
        EXPECT_EQ(c.date->text(), u8(date));
        EXPECT_EQ(c.tax->isChecked(), tax);
        EXPECT_EQ(c.price->currentIndex(), price);
        EXPECT_EQ(c.memo->toPlainText(), u8(memo));
    };
    {
        SCOPED_TRACE("first row");
        expectRow("A001", "1,234.50", "05/03/2026", true, 0, "บรรทัดหนึ่ง");
    }
    hd.next();
    {
        SCOPED_TRACE("second row: nulls show empty");
        expectRow("B002", "", "", false, 1, "");
    }
    hd.prior();
    {
        SCOPED_TRACE("back");
        expectRow("A001", "1,234.50", "05/03/2026", true, 0, "บรรทัดหนึ่ง");
    }
    // A value the program sets is shown at once, and a cancel shows the old one.
    hd.edit();
    hd.setValue(QStringLiteral("Code"), QStringLiteral("A009"));
    hd.setValue(QStringLiteral("CanUseTax"), QStringLiteral("N"));
    EXPECT_EQ(c.code->text(), QStringLiteral("A009"));
    EXPECT_FALSE(c.tax->isChecked());
    hd.cancel();
    EXPECT_EQ(c.code->text(), QStringLiteral("A001"));
    EXPECT_TRUE(c.tax->isChecked());
}

TEST_F(Controls, AClosedDataSetEmptiesAndLocksEveryControlUntilItIsOpenAgain) {
    AllControls c{add(new DbEdit(&hd, QStringLiteral("Code"))),
                  add(new DbNumberEdit(&hd, QStringLiteral("Amount"))),
                  add(new DbDateEdit(&hd, QStringLiteral("DocDate"))),
                  add(new DbCheckBox(u8("ภาษีขอคืนได้"), &hd, QStringLiteral("CanUseTax"))),
                  priceCombo(),
                  add(new DbMemo(&hd, QStringLiteral("Memoline")))};
    hd.close();
    const QList<DbControl*> all{c.code, c.amount, c.date, c.tax, c.price, c.memo};
    for (DbControl* control : all)
        EXPECT_FALSE(control->canModify()) << control->dataField().toStdString();
    EXPECT_EQ(c.code->text(), QString());
    EXPECT_EQ(c.date->text(), QString());
    EXPECT_FALSE(c.tax->isChecked());
    EXPECT_EQ(c.price->currentIndex(), -1);
    EXPECT_EQ(c.memo->toPlainText(), QString());

    // The user cannot change any of them.
    enter(c.code);
    typeText(c.code, QStringLiteral("x"));
    EXPECT_EQ(c.code->text(), QString());
    QTest::mouseClick(c.tax, Qt::LeftButton);
    EXPECT_FALSE(c.tax->isChecked());
    enter(c.price);
    QTest::keyClick(c.price, Qt::Key_Down);
    EXPECT_EQ(c.price->currentIndex(), -1);
    leave();
    EXPECT_EQ(hd.state(), DataSetState::Inactive);

    hd.open();
    for (DbControl* control : all)
        EXPECT_TRUE(control->canModify()) << control->dataField().toStdString();
}

TEST_F(Controls, ReadOnlyAndMissingFieldsRefuseTheUser) {
    auto* readOnly = add(new DbEdit(&hd, QStringLiteral("Code")));
    readOnly->setReadOnly(true);
    auto* missing = add(new DbEdit(&hd, QStringLiteral("NoSuchField")));
    EXPECT_EQ(readOnly->text(), QStringLiteral("A001")) << "read-only still shows the field";
    EXPECT_EQ(missing->text(), QString());
    for (DbEdit* e : {readOnly, missing}) {
        EXPECT_FALSE(e->canModify());
        enter(e);
        typeText(e, QStringLiteral("zz"));
        leave();
    }
    EXPECT_EQ(hd.state(), DataSetState::Browse);
    EXPECT_EQ(hd.value(QStringLiteral("Code")), QStringLiteral("A001"));
}

TEST_F(Controls, ObjectNameIsTheFieldNameUnlessTheProgramNamedTheControl) {
    auto* plain = add(new DbEdit(&hd, QStringLiteral("Code")));
    EXPECT_EQ(plain->objectName(), QStringLiteral("Code"));
    plain->setDataField(QStringLiteral("Name"));
    EXPECT_EQ(plain->objectName(), QStringLiteral("Name")) << "a name we gave follows the field";

    auto* named = new DbEdit;
    named->setObjectName(QStringLiteral("EditCode"));
    named->bind(&hd, QStringLiteral("Code"));
    add(named);
    EXPECT_EQ(named->objectName(), QStringLiteral("EditCode"));
    EXPECT_EQ(form.findChild<DbEdit*>(QStringLiteral("Name")), plain);
}

// ------------------------------------------------------------------- typing

TEST_F(Controls, TypingEditsTheDataSetAndWritesTheFieldWhenTheUserLeavesOrPressesEnter) {
    struct Case {
        const char* name;
        bool byEnter;
    };
    for (const Case& tc : {Case{"Enter", true}, Case{"Tab away", false}}) {
        SCOPED_TRACE(tc.name);
        hd.cancel();
        auto* name = add(new DbEdit(&hd, QStringLiteral("Name")));
        enter(name);
        typeText(name, u8("นา"));
        EXPECT_EQ(hd.state(), DataSetState::Edit) << "the first key puts the data set into edit";
        EXPECT_EQ(hd.value(QStringLiteral("Name")), u8("สมชาย")) << "no write on a keystroke";
        EXPECT_TRUE(name->hasPendingEdit());
        typeText(name, u8("ย"));
        if (tc.byEnter)
            QTest::keyClick(name, Qt::Key_Return);
        else
            leave();
        EXPECT_EQ(hd.value(QStringLiteral("Name")), u8("นาย"));
        EXPECT_EQ(hd.state(), DataSetState::Edit) << "the control never posts";
        EXPECT_FALSE(name->hasPendingEdit());
        delete name;
    }
}

TEST_F(Controls, TypingIntoAnEmptyDataSetAppendsTheRow) {
    auto* code = add(new DbEdit(&hd, QStringLiteral("Code")));
    hd.emptyTable();
    enter(code);
    typeText(code, QStringLiteral("N1"));
    EXPECT_EQ(hd.state(), DataSetState::Insert);
    EXPECT_EQ(hd.recordCount(), 1);
    EXPECT_EQ(code->text(), QStringLiteral("N1")) << "the append keeps what was typed";
    leave();
    EXPECT_EQ(hd.value(QStringLiteral("Code")), QStringLiteral("N1"));
}

TEST_F(Controls, UpperCaseAndMaximumLengthApplyAsTheUserTypes) {
    struct Case {
        const char* name;
        bool upper;
        int maxLength;
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"upper case, the field's size of 10", true, 0, "ab-ก12345678", "AB-ก123456"},
        {"as typed", false, 0, "aBc", "aBc"},
        {"a maximum set by the program", false, 3, "abcdef", "abc"},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        hd.cancel();
        auto* code = add(new DbEdit(&hd, QStringLiteral("Code")));
        code->setUpperCase(tc.upper);
        code->setMaxLength(tc.maxLength);
        enter(code);
        typeText(code, u8(tc.typed));
        leave();
        EXPECT_EQ(hd.value(QStringLiteral("Code")), u8(tc.stored));
        delete code;
    }
}

TEST_F(Controls, EscapeBringsBackTheFieldsValue) {
    auto* code = add(new DbEdit(&hd, QStringLiteral("Code")));
    enter(code);
    typeText(code, QStringLiteral("ZZZ"));
    QTest::keyClick(code, Qt::Key_Escape);
    EXPECT_EQ(code->text(), QStringLiteral("A001"));
    leave();
    EXPECT_EQ(hd.value(QStringLiteral("Code")), QStringLiteral("A001"));
}

TEST_F(Controls, WhatTheUserTypesSurvivesOtherFieldsChangingAndAnUpdateRecordWritesIt) {
    auto* code = add(new DbEdit(&hd, QStringLiteral("Code")));
    auto* name = add(new DbEdit(&hd, QStringLiteral("Name")));
    enter(code);
    typeText(code, QStringLiteral("ZZ"));
    hd.setValue(QStringLiteral("Name"), QStringLiteral("Changed")); // a handler of the form
    EXPECT_EQ(code->text(), QStringLiteral("ZZ"));
    EXPECT_EQ(name->text(), QStringLiteral("Changed"));

    // A save started by a shortcut: the focus is still in the edit.
    EXPECT_TRUE(updateRecord(hd));
    hd.post();
    EXPECT_EQ(hd.value(QStringLiteral("Code")), QStringLiteral("ZZ"));

    // The program setting the same field wins over the typing.
    typeText(code, QStringLiteral("Y"));
    hd.setValue(QStringLiteral("Code"), QStringLiteral("P1"));
    EXPECT_EQ(code->text(), QStringLiteral("P1"));
    EXPECT_FALSE(code->hasPendingEdit());
}

TEST_F(Controls, PostingWritesWhatIsTypedOrStopsQuietlyWhenTheFieldRefusesIt) {
    auto* code = add(new DbEdit(&hd, QStringLiteral("Code")));
    auto* qty = add(new DbEdit(&hd, QStringLiteral("Qty")));
    enter(code);
    typeText(code, QStringLiteral("NEW"));
    hd.post(); // a save by shortcut, the focus still in the edit
    EXPECT_EQ(hd.value(QStringLiteral("Code")), QStringLiteral("NEW"));

    enter(qty);
    typeText(qty, QStringLiteral("x"));
    EXPECT_THROW(hd.post(), data::AbortError) << "the refusal was shown; the post must not go on silently";
    EXPECT_EQ(modal.lastText(), QStringLiteral("'x' is not a valid integer value"));
    EXPECT_EQ(hd.state(), data::DataSetState::Edit);
}

TEST_F(Controls, TextTheFieldCannotTakeIsRefusedThroughTheSeamAndKept) {
    auto* qty = add(new DbEdit(&hd, QStringLiteral("Qty")));
    enter(qty);
    typeText(qty, QStringLiteral("12a"));
    leave();
    EXPECT_EQ(modal.lastText(), QStringLiteral("'12a' is not a valid integer value"));
    EXPECT_EQ(qty->text(), QStringLiteral("12a"));
    EXPECT_TRUE(qty->hasFocus()) << "the edit takes the focus back";
    EXPECT_EQ(hd.value(QStringLiteral("Qty")), 3);

    modal.clear();
    QCoreApplication::processEvents();
    QTest::keyClick(qty, Qt::Key_End);
    QTest::keyClick(qty, Qt::Key_Backspace);
    QTest::keyClick(qty, Qt::Key_Return);
    EXPECT_EQ(hd.value(QStringLiteral("Qty")), 12);
    EXPECT_TRUE(modal.messages().isEmpty());
}

TEST_F(Controls, MemoWritesWhenLeftAndKeepsItsLines) {
    auto* memo = add(new DbMemo(&hd, QStringLiteral("Memoline")));
    enter(memo);
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Return);
    typeText(memo, u8("บรรทัดสอง"));
    EXPECT_EQ(hd.state(), DataSetState::Edit);
    EXPECT_EQ(hd.value(QStringLiteral("Memoline")), u8("บรรทัดหนึ่ง"));
    leave();
    EXPECT_EQ(hd.value(QStringLiteral("Memoline")), u8("บรรทัดหนึ่ง\nบรรทัดสอง"));
}

// ------------------------------------------------------------------ numbers

TEST_F(Controls, NumberEditShowsItsDisplayFormatAwayAndThePlainNumberWhileEditing) {
    auto* amount = add(new DbNumberEdit(&hd, QStringLiteral("Amount")));
    amount->setDisplayFormat(QStringLiteral("#,##0.00"));
    hd.edit();
    hd.setValue(QStringLiteral("Amount"), 1234.567);
    hd.post();
    EXPECT_EQ(amount->text(), QStringLiteral("1,234.57"));
    EXPECT_TRUE(amount->alignment() & Qt::AlignRight);
    enter(amount);
    EXPECT_EQ(amount->text(), QStringLiteral("1234.567"));
    leave();
    EXPECT_EQ(amount->text(), QStringLiteral("1,234.57"));
    EXPECT_EQ(hd.state(), DataSetState::Browse) << "entering and leaving changes nothing";
    EXPECT_EQ(hd.value(QStringLiteral("Amount")), 1234.567) << "and never rounds the value";
}

TEST_F(Controls, NumberEditTakesOnlyNumbers) {
    struct Case {
        const char* typed;
        QVariant stored;
        const char* shown;
    };
    const Case cases[] = {
        {"-1234.567", -1234.567, "-1,234.57"},
        {"12a3", 123.0, "123.00"},
        {"1,000", 1000.0, "1,000.00"},
        {"", QVariant(), ""},
    };
    auto* amount = add(new DbNumberEdit(&hd, QStringLiteral("Amount")));
    amount->setDisplayFormat(QStringLiteral("#,##0.00"));
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.typed);
        enter(amount);
        amount->selectAll();
        QTest::keyClick(amount, Qt::Key_Delete);
        typeText(amount, u8(tc.typed));
        leave();
        EXPECT_EQ(hd.value(QStringLiteral("Amount")), tc.stored);
        EXPECT_EQ(amount->text(), u8(tc.shown));
    }
    EXPECT_TRUE(modal.messages().isEmpty());

    // A sign alone is no number: the run-time's message, the text kept.
    enter(amount);
    amount->selectAll();
    typeText(amount, QStringLiteral("-"));
    leave();
    EXPECT_EQ(modal.lastText(), QStringLiteral("'-' is not a valid floating point value"));
    EXPECT_EQ(amount->text(), QStringLiteral("-"));
    EXPECT_TRUE(amount->hasFocus());
}

TEST_F(Controls, NumberEditOfAnIntegerFieldTakesNoDecimals) {
    auto* qty = add(new DbNumberEdit(&hd, QStringLiteral("Qty")));
    enter(qty);
    qty->selectAll();
    typeText(qty, QStringLiteral("12.5"));
    leave();
    EXPECT_EQ(hd.value(QStringLiteral("Qty")), 125);
}

// -------------------------------------------------------------------- dates

TEST_F(Controls, DateEditReadsTypedTextAsTheRunTimeReadsDates) {
    struct Case {
        const char* typed;
        QVariant stored; // invalid: unchanged
        const char* message;
    };
    const int year = QDate::currentDate().year();
    const Case cases[] = {
        {"5/3/26", QDate(2026, 3, 5), ""},
        {"31/12/1999", QDate(1999, 12, 31), ""},
        {"1/2", QDate(year, 2, 1), ""},
        {"31/02/2026", QVariant(), "'31/02/2026' is not a valid date"},
        {"ab", QVariant(), ""}, // letters cannot be typed: nothing changes
    };
    auto* date = add(new DbDateEdit(&hd, QStringLiteral("DocDate")));
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.typed);
        hd.cancel();
        modal.clear();
        enter(date);
        date->selectAll();
        typeText(date, u8(tc.typed));
        leave();
        const QDate expected = tc.stored.isValid() ? tc.stored.toDate() : QDate(2026, 3, 5);
        EXPECT_EQ(hd.field(QStringLiteral("DocDate")).asDate(), expected);
        EXPECT_EQ(modal.lastText(), u8(tc.message));
        if (*tc.message) {
            EXPECT_EQ(date->text(), u8(tc.typed)) << "a refused date stays for the user to mend";
            EXPECT_TRUE(date->hasFocus());
        } else {
            EXPECT_EQ(date->text(), expected.toString(QStringLiteral("dd/MM/yyyy")));
        }
    }

    // An emptied date stores null.
    hd.cancel();
    enter(date);
    date->selectAll();
    QTest::keyClick(date, Qt::Key_Delete);
    QTest::keyClick(date, Qt::Key_Return);
    EXPECT_TRUE(hd.field(QStringLiteral("DocDate")).isNull());
}

TEST_F(Controls, DateEditCalendarWritesTheChosenDate) {
    auto* date = add(new DbDateEdit(&hd, QStringLiteral("DocDate")));
    enter(date);
    QTest::keyClick(date, Qt::Key_F4);
    auto* calendar = date->findChild<QCalendarWidget*>(QStringLiteral("Calendar"));
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 3, 5)) << "it opens on the field's date";
    emit calendar->activated(QDate(2026, 4, 30));
    EXPECT_EQ(hd.field(QStringLiteral("DocDate")).asDate(), QDate(2026, 4, 30));
    EXPECT_EQ(date->text(), QStringLiteral("30/04/2026"));

    QCoreApplication::processEvents();
    date->setReadOnly(true);
    QTest::keyClick(date, Qt::Key_F4);
    EXPECT_EQ(date->findChildren<QCalendarWidget*>().size(), 0) << "no calendar while read-only";
}

// ------------------------------------------------------------------- lists

TEST_F(Controls, CheckBoxIsTickedOnlyByItsCheckedValue) {
    struct Case {
        QVariant stored;
        bool ticked;
    };
    const Case cases[] = {
        {QStringLiteral("Y"), true},  {QStringLiteral("y"), true}, {QStringLiteral("N"), false},
        {QStringLiteral("X"), false}, {QStringLiteral(""), false}, {QVariant(), false},
    };
    auto* box = add(new DbCheckBox(u8("ภาษีขอคืนได้"), &hd, QStringLiteral("CanUseTax")));
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.stored.toString().toStdString());
        hd.edit();
        hd.setValue(QStringLiteral("CanUseTax"), tc.stored);
        EXPECT_EQ(box->isChecked(), tc.ticked);
    }
}

TEST_F(Controls, CheckBoxWritesItsValuesAtOnce) {
    auto* box = add(new DbCheckBox(u8("ภาษีขอคืนได้"), &hd, QStringLiteral("CanUseTax")));
    show();
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(hd.value(QStringLiteral("CanUseTax")), QStringLiteral("N"));
    EXPECT_EQ(hd.state(), DataSetState::Edit);
    hd.post();
    box->setValues(QStringLiteral("T"), QStringLiteral("F"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(hd.value(QStringLiteral("CanUseTax")), QStringLiteral("T"));
    EXPECT_TRUE(box->isChecked());

    box->setReadOnly(true);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(hd.value(QStringLiteral("CanUseTax")), QStringLiteral("T"));
}

TEST_F(Controls, ComboBoxShowsTheItemOfTheStoredValueAndStoresTheChosenOne) {
    struct Case {
        QVariant stored;
        int index;
    };
    const Case cases[] = {
        {QStringLiteral("I"), 0},  {QStringLiteral("E"), 1}, {QStringLiteral("e"), 1},
        {QStringLiteral("X"), -1}, {QVariant(), -1},
    };
    auto* price = priceCombo();
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.stored.toString().toStdString());
        hd.edit();
        hd.setValue(QStringLiteral("Price_IE"), tc.stored);
        EXPECT_EQ(price->currentIndex(), tc.index);
    }
    hd.cancel();
    EXPECT_EQ(price->currentText(), u8("ราคารวมภาษี"));

    enter(price);
    QSignalSpy written(price, &DbComboBox::choiceWritten);
    QTest::keyClick(price, Qt::Key_Down);
    EXPECT_EQ(hd.value(QStringLiteral("Price_IE")), QStringLiteral("E"));
    EXPECT_EQ(hd.state(), DataSetState::Edit);
    EXPECT_EQ(written.count(), 1);

    // Items without values store their texts.
    auto* name = add(new DbComboBox(&hd, QStringLiteral("Name")));
    name->setItems({u8("เงินสด"), u8("เช็ค")});
    EXPECT_EQ(name->currentIndex(), -1) << "a name that is no item";
    enter(name);
    QTest::keyClick(name, Qt::Key_Down);
    EXPECT_EQ(hd.value(QStringLiteral("Name")), u8("เงินสด"));
    QTest::keyClick(name, Qt::Key_Down);
    EXPECT_EQ(hd.value(QStringLiteral("Name")), u8("เช็ค"));
}

class LookupCombo : public Controls {
protected:
    LookupCombo() {
        tax.addField(QStringLiteral("Id"), ValueKind::Int);
        tax.addField(QStringLiteral("Code"), ValueKind::Text, 10);
        tax.addField(QStringLiteral("Rate"), ValueKind::Float);
        tax.open();
        addRow(tax, {{"Id", 1}, {"Code", QStringLiteral("V7")}, {"Rate", 7.0}});
        addRow(tax, {{"Id", 2}, {"Code", QStringLiteral("V0")}, {"Rate", 0.0}});
        addRow(tax, {{"Id", 3}, {"Code", QStringLiteral("NV")}, {"Rate", 0.0}});
        tax.first();
        list = add(new DbLookupCombo(&hd, QStringLiteral("TaxCode")));
        list->setListSource(&tax, QStringLiteral("Id"), QStringLiteral("Code;Rate"));
    }

    data::MemoryTable tax{QStringLiteral("QTax")};
    DbLookupCombo* list = nullptr;
};

TEST_F(LookupCombo, ShowsTheListRowOfTheStoredKey) {
    EXPECT_EQ(list->currentText(), QStringLiteral("V7"));
    EXPECT_EQ(list->listValue(QStringLiteral("Rate")), 7.0);
    hd.next();
    EXPECT_EQ(list->currentText(), QStringLiteral("V0"));
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->view()->model()->columnCount(), 2) << "code and rate in the open list";

    hd.edit();
    hd.setValue(QStringLiteral("TaxCode"), 99);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_TRUE(list->listValue(QStringLiteral("Rate")).isNull());
}

TEST_F(LookupCombo, StoresTheKeyOfTheChosenRowWithoutMovingTheList) {
    QSignalSpy chosen(list, &DbLookupCombo::keyChosen);
    enter(list);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(hd.value(QStringLiteral("TaxCode")), 3);
    EXPECT_EQ(list->currentText(), QStringLiteral("NV"));
    EXPECT_EQ(hd.state(), DataSetState::Edit);
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen.last().at(0), 3);
    EXPECT_EQ(tax.recNo(), 0) << "the shared list keeps its current row";

    list->setAllowNull(true);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_TRUE(hd.field(QStringLiteral("TaxCode")).isNull());
    EXPECT_EQ(list->currentIndex(), -1);
}

TEST_F(LookupCombo, FollowsTheListWhenItIsReadAgain) {
    data::MemoryTable other;
    other.addField(QStringLiteral("Id"), ValueKind::Int);
    other.addField(QStringLiteral("Code"), ValueKind::Text, 10);
    other.addField(QStringLiteral("Rate"), ValueKind::Float);
    other.open();
    addRow(other, {{"Id", 5}, {"Code", QStringLiteral("V10")}, {"Rate", 10.0}});
    addRow(other, {{"Id", 1}, {"Code", QStringLiteral("V7N")}, {"Rate", 7.0}});
    tax.loadFrom(other);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentText(), QStringLiteral("V7N")) << "key 1 is now the second row";
    tax.close();
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(hd.value(QStringLiteral("TaxCode")), 1) << "the bound field is not touched";
}

} // namespace
