// A document window on a company's data, worked with the keyboard alone: the
// vendor and warehouse are lookup edits of the header, the lines a grid whose
// product code is checked by the product service as a form checks it.

#include "MastersFixture.h"

#include "platform/data/MemoryTable.h"
#include "platform/data/Query.h"
#include "platform/ui/DbIdLookup.h"
#include "platform/ui/DocGrid.h"
#include "platform/ui/FormKeys.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

namespace zelt::test {
namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}
void press(int key) {
    QTest::keyClick(focused(), Qt::Key(key));
}
// Key by key to whatever has the focus: the first key in a grid cell opens
// its editor, which takes the following keys.
void type(const QString& text) {
    for (QChar c : text)
        QTest::keyClicks(focused(), QString(c));
}

class DocumentWindow : public QWidget {
public:
    explicit DocumentWindow(data::Database& db) {
        hd.addField(u("Vendor"), data::ValueKind::Int);
        hd.addField(u("Warehouse"), data::ValueKind::Int);
        hd.open();
        hd.append();

        lines.setDatabase(&db);
        lines.setSql(u("SELECT D.ID, D.FrPoHd, D.PoRecNo, D.Product, D.Quantity, P.Code AS ProductCode, "
                       "P.ThaiName AS ProductName FROM FrPoDt D LEFT JOIN Product P ON (P.Id = D.Product) "
                       "WHERE D.FrPoHd = :Hd ORDER BY D.PoRecNo"));
        lines.setParam(u("Hd"), -1);
        lines.setCachedUpdates(true);
        lines.open();

        auto* layout = new QVBoxLayout(this);
        vendor = new ui::DbIdLookup(&hd, u("Vendor"), this);
        vendor->setLookupDatabase(&db);
        vendor->setLookupTable(u("Vendor"));
        vendor->setLookupFields(u("Id"), u("Code"), u("Name"));
        vendor->setFilter(u("Blocked <> 'Y'"));
        warehouse = new ui::DbIdLookup(&hd, u("Warehouse"), this);
        warehouse->setLookupDatabase(&db);
        warehouse->setLookupTable(u("Warehouse"));
        warehouse->setLookupFields(u("Id"), u("Code"), u("Name"));
        grid = new ui::DocGrid(this);
        grid->setDataSet(&lines);
        grid->defineEditor(ui::GridEditor::code(u("ProductCode")));
        grid->defineEditor(ui::GridEditor::number(u("QQnty")));
        grid->setColumns({{u("ProductCode"), 12, false, u("ProductCode"), u("รหัสสินค้า")},
                          {u("ProductName"), 30, true, {}, u("ชื่อสินค้า")},
                          {u("Quantity"), 8, false, u("QQnty"), u("จำนวน")}});
        // The line's product code exit: the service finds the product and
        // the line takes its id and name; an unknown code is refused.
        connect(grid, &ui::DocGrid::editorExited, this, [this](const QString& field, const QVariant&) {
            if (field != u("ProductCode"))
                return;
            if (masters::DmProduct->ExistsProduct(lines.value(u("ProductCode")).toString())) {
                lines.setValue(u("Product"), masters::DmProduct->QChkProduct->value(u("Id")));
                lines.setValue(u("ProductName"), masters::DmProduct->QChkProduct->value(u("ThaiName")));
            } else {
                ui::showMessage(u("ไม่พบรหัสสินค้า"));
                lines.setValue(u("ProductCode"), QVariant());
            }
        });
        layout->addWidget(vendor);
        layout->addWidget(vendor->descriptionLabel());
        layout->addWidget(warehouse);
        layout->addWidget(grid);
        keys = new ui::FormKeys(this);
        connect(grid, &ui::DocGrid::gridEntered, this, [this] { keys->setPreview(false); });
        connect(grid, &ui::DocGrid::gridExited, this, [this] { keys->setPreview(true); });
        lines.append();
        resize(900, 400);
    }

    data::MemoryTable hd;
    data::Query lines;
    ui::DbIdLookup* vendor = nullptr;
    ui::DbIdLookup* warehouse = nullptr;
    ui::DocGrid* grid = nullptr;
    ui::FormKeys* keys = nullptr;
};

TEST_F(Company, HeaderLookupsAndLinesWorkWithTheKeyboardAloneOnTheCompanysData) {
    exec(u("UPDATE Vendor SET Blocked = 'Y' WHERE Code = 'V-002'"));
    DocumentWindow w(*dm->DMdata);
    w.show();
    QApplication::setActiveWindow(&w);
    (void)QTest::qWaitForWindowActive(&w);
    w.vendor->setFocus();

    type(u("v-002")); // blocked: refused, nothing stored
    press(Qt::Key_Return);
    EXPECT_TRUE(w.hd.value(u("Vendor")).isNull());
    w.vendor->setFocus();
    type(u("v-001"));
    press(Qt::Key_Return);
    EXPECT_EQ(w.hd.value(u("Vendor")).toInt(), v1);
    EXPECT_EQ(w.vendor->text(), u("V-001"));
    EXPECT_EQ(focused(), w.warehouse);
    type(u("main"));
    press(Qt::Key_Return);
    EXPECT_EQ(w.hd.value(u("Warehouse")).toInt(), whMain);
    ASSERT_TRUE(focused() == w.grid || w.grid->isAncestorOf(focused()));

    // First line: a code the service finds, Enter to the quantity, Enter on.
    ASSERT_EQ(w.grid->currentField(), u("ProductCode"));
    type(u("p-001"));
    press(Qt::Key_Return);
    type(u("12"));
    press(Qt::Key_Return);
    // Second line: an unknown code is refused and the line keeps no product.
    type(u("NOPE"));
    press(Qt::Key_Return);
    EXPECT_EQ(modal.lastText(), u("ไม่พบรหัสสินค้า"));

    EXPECT_EQ(modal.texts(), QStringList{u("ไม่พบรหัสสินค้า")}) << "only the unknown code is refused";
    w.lines.first();
    EXPECT_EQ(w.lines.value(u("Product")).toInt(), p1);
    EXPECT_EQ(w.lines.value(u("ProductCode")).toString(), u("P-001"));
    EXPECT_DOUBLE_EQ(w.lines.field(u("Quantity")).asFloat(), 12.0);
    EXPECT_FALSE(w.lines.value(u("ProductName")).toString().isEmpty());
}

} // namespace
} // namespace zelt::test
