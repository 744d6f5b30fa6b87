// A small document window, worked with the keyboard alone: a header of
// data-aware edits, the lines grid below, and the form's key conventions.

#include "GridTestSupport.h"

#include "platform/ui/DbEdit.h"
#include "platform/ui/FormKeys.h"
#include "platform/ui/Modal.h"

#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace gridtest;
using namespace zelt::ui;
using zelt::data::DataSet;
using zelt::data::MemoryTable;
using zelt::data::ValueKind;

namespace {

class LinesWindow : public QWidget {
public:
    LinesWindow() {
        hd.addField(u("DocNo"), ValueKind::Text, 20);
        hd.addField(u("VendorName"), ValueKind::Text, 60);
        hd.open();
        hd.append();
        addLineFields(dt);
        dt.onNewRecord = [](DataSet& d) { d.setValue(u("RecNo"), d.recordCount()); };

        auto* layout = new QVBoxLayout(this);
        docNo = new DbEdit(&hd, u("DocNo"), this);
        docNo->setObjectName(u("DocNo"));
        docNo->setUpperCase(true);
        vendor = new DbEdit(&hd, u("VendorName"), this);
        vendor->setObjectName(u("VendorName"));
        grid = new DocGrid(this);
        grid->setObjectName(u("DgDt"));
        layout->addWidget(docNo);
        layout->addWidget(vendor);
        layout->addWidget(grid);
        grid->setDataSet(&dt);
        defineLineEditors(*grid);
        grid->setColumns(lineLayout());
        // What a form's code exit does: the name of the product typed.
        connect(grid, &DocGrid::editorExited, this, [this](const QString& field, const QVariant&) {
            if (field == u("ProductCode"))
                dt.setValue(u("ProductName"), u("ชื่อ ") + dt.value(u("ProductCode")).toString());
        });

        keys = new FormKeys(this);
        keys->onEscape = [this] { ++exitQuestions; };
        connect(grid, &DocGrid::gridEntered, this, [this] { keys->setPreview(false); });
        connect(grid, &DocGrid::gridExited, this, [this] { keys->setPreview(true); });
        dt.append(); // a new document starts with one empty line
        resize(1000, 400);
    }

    MemoryTable hd;
    MemoryTable dt;
    DbEdit* docNo = nullptr;
    DbEdit* vendor = nullptr;
    DocGrid* grid = nullptr;
    FormKeys* keys = nullptr;
    int exitQuestions = 0;
};

TEST(LinesWindow, AHeaderAndLinesAreTypedWithTheKeyboardAlone) {
    ScriptedModal script;
    LinesWindow w;
    showActive(w);
    w.docNo->setFocus();

    type(u("po-001"));
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), w.vendor);
    type(u("บริษัท ผู้ขาย จำกัด"));
    press(Qt::Key_Return);
    ASSERT_TRUE(focused() == w.grid || w.grid->isAncestorOf(focused()));
    EXPECT_EQ(w.hd.value(u("DocNo")).toString(), u("PO-001"));
    EXPECT_EQ(w.hd.value(u("VendorName")).toString(), u("บริษัท ผู้ขาย จำกัด"));

    // First line: type, code, date, quantity; the Enter after the quantity
    // starts the second line.
    press(Qt::Key_Return); // from the line number to the type list
    ASSERT_EQ(w.grid->currentField(), u("ProductType"));
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    type(u("p100"));
    press(Qt::Key_Return);
    type(u("01/04/2026"));
    press(Qt::Key_Return);
    type(u("5"));
    press(Qt::Key_Return);
    ASSERT_EQ(w.dt.recordCount(), 2);
    EXPECT_EQ(w.grid->currentRow(), 1);
    EXPECT_EQ(w.grid->currentField(), u("ProductType"));

    // Second line; then a third, left again with Escape.
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    type(u("s200"));
    press(Qt::Key_Return);
    press(Qt::Key_Return); // no date
    type(u("2.5"));
    press(Qt::Key_Return);
    ASSERT_EQ(w.dt.recordCount(), 3);
    press(Qt::Key_Escape); // the editor
    press(Qt::Key_Escape); // the new line
    EXPECT_EQ(w.dt.recordCount(), 2);
    EXPECT_EQ(w.exitQuestions, 0) << "Escape in the grid is the grid's";

    // Delete the first line: No keeps it, Yes deletes it.
    press(Qt::Key_Up);
    ASSERT_EQ(w.grid->currentRow(), 0);
    script.answer(QMessageBox::No);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(w.dt.recordCount(), 2);
    script.answer(QMessageBox::Yes);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(script.texts(), (QStringList{u("ลบรายการนี้ ?"), u("ลบรายการนี้ ?")}));

    ASSERT_EQ(w.dt.recordCount(), 1);
    w.dt.first();
    EXPECT_EQ(w.dt.value(u("RecNo")).toInt(), 2);
    EXPECT_EQ(w.dt.value(u("ProductType")).toString(), u("S"));
    EXPECT_EQ(w.dt.value(u("ProductCode")).toString(), u("S200"));
    EXPECT_EQ(w.dt.value(u("ProductName")).toString(), u("ชื่อ S200"));
    EXPECT_TRUE(w.dt.value(u("ShipDate")).isNull());
    EXPECT_DOUBLE_EQ(w.dt.value(u("Quantity")).toDouble(), 2.5);

    // Out of the grid, Escape is the form's again.
    w.docNo->setFocus();
    press(Qt::Key_Escape);
    EXPECT_EQ(w.exitQuestions, 1);
}

} // namespace
