#include "GridTestSupport.h"

#include "platform/ui/Modal.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace gridtest;
using namespace zelt::ui;
using zelt::data::DataSetState;
using zelt::data::MemoryTable;

namespace {

class DocGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        addLineFields(lines);
        addLine(lines, 1, "A001", 2);
        addLine(lines, 2, "A002", 3);
        addLine(lines, 3, "A003", 4);
        lines.first();
        auto* box = new QVBoxLayout(&window);
        grid = new DocGrid(&window);
        grid->setObjectName(u("DgDt"));
        box->addWidget(grid);
        grid->setDataSet(&lines);
        defineLineEditors(*grid);
        grid->setColumns(lineLayout());
        window.resize(1000, 300);
        showActive(window);
        grid->setFocus();
    }

    // Fields of the cells the current cell passes through, one Enter each.
    QStringList enterPath(int presses) {
        QStringList path;
        for (int i = 0; i < presses; ++i) {
            press(Qt::Key_Return);
            path << QStringLiteral("%1:%2").arg(grid->currentRow()).arg(grid->currentField());
        }
        return path;
    }

    MemoryTable lines;
    QWidget window;
    DocGrid* grid = nullptr;
};

TEST_F(DocGridTest, LayoutsAreRebuiltAgainAndAgainKeepingTheCurrentLine) {
    lines.setRecNo(1);
    grid->setCurrentCell(1, u("Quantity"));
    QSignalSpy resets(grid->model(), &QAbstractItemModel::modelReset);

    // Same fields, other flags and captions: no reset, the cell stays.
    auto layout = lineLayout(true);
    layout[5].caption = u("Qnty");
    grid->setColumns(layout);
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(grid->model()->headerData(5, Qt::Horizontal).toString(), u("Qnty"));
    EXPECT_FALSE(grid->isCellEditable(grid->model()->index(1, 2)));
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentField(), u("Quantity"));

    // Other fields: the model is rebuilt and the line and field are found again.
    grid->setColumns({{u("ProductCode"), 20, false, u("ProductCode"), u("BAR CODE")},
                      {u("Quantity"), 8, false, u("QQnty"), u("จำนวน")},
                      {u("Price"), 9, false, u("EditPrice"), u("ราคา")}});
    EXPECT_EQ(resets.count(), 1);
    ASSERT_EQ(grid->model()->columnCount(), 3);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), u("BAR CODE"));
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentField(), u("Quantity"));
    EXPECT_EQ(lines.recNo(), 1);

    // Back to the first layout.
    grid->setColumns(lineLayout());
    EXPECT_EQ(grid->model()->columnCount(), 7);
    EXPECT_EQ(grid->columnOf(u("total")), 6);
}

TEST_F(DocGridTest, WidthsAreInCharactersAndCaptionsAlwaysFit) {
    const int digit = grid->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < grid->columns().size(); ++c) {
        const GridColumn& col = grid->columns()[c];
        const int caption = grid->horizontalHeader()->fontMetrics().horizontalAdvance(col.caption);
        SCOPED_TRACE(col.field.toStdString());
        EXPECT_GE(grid->columnWidth(c), col.width * digit);
        EXPECT_GT(grid->columnWidth(c), caption);
    }
    // A wider layout of the same field is wider.
    auto layout = lineLayout();
    layout[3].width = 60;
    const int before = grid->columnWidth(3);
    grid->setColumns(layout);
    EXPECT_GT(grid->columnWidth(3), before);
}

TEST_F(DocGridTest, ReadOnlyColumnsAndAGridWithoutEditingRefuseTyping) {
    struct Case {
        const char* field;
        bool editingOn;
        bool changes;
    };
    const Case cases[] = {
        {"ProductName", true, false}, // read-only column
        {"RecNo", true, false},       // read-only column
        {"ProductCode", true, true},  // editable column
        {"ProductCode", false, false} // editable column, editing off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        grid->setEditingAllowed(c.editingOn);
        grid->setCurrentCell(0, u(c.field));
        grid->setFocus();
        const QVariant before = lines.value(u(c.field));
        type(u("9"));
        if (grid->isEditing())
            press(Qt::Key_Return);
        EXPECT_EQ(lines.value(u(c.field)) != before, c.changes)
            << lines.value(u(c.field)).toString().toStdString();
        lines.cancel();
        lines.first();
    }
}

TEST_F(DocGridTest, EnterVisitsEditableVisibleCellsAndGoesOnToTheNextLine) {
    struct Case {
        const char* name;
        QStringList hidden;
        bool codeReadOnly;
        QStringList path;
    };
    const Case cases[] = {
        {"all editable",
         {},
         false,
         {u("0:ProductCode"), u("0:ShipDate"), u("0:Quantity"), u("1:ProductType"), u("1:ProductCode")}},
        {"read-only code skipped",
         {},
         true,
         {u("0:ShipDate"), u("0:Quantity"), u("1:ProductType"), u("1:ShipDate")}},
        {"hidden date skipped",
         {u("ShipDate")},
         false,
         {u("0:ProductCode"), u("0:Quantity"), u("1:ProductType")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& f : c.hidden)
            grid->setColumnVisible(f, false);
        grid->setColumns(lineLayout(c.codeReadOnly));
        grid->setCurrentCell(0, u("ProductType"));
        grid->setFocus();
        EXPECT_EQ(enterPath(int(c.path.size())), c.path);
        grid->cancelEditor();
        for (const QString& f : c.hidden)
            grid->setColumnVisible(f, true);
    }
}

TEST_F(DocGridTest, EnterOnTheLastCellAppendsOnlyWhenInsertingIsAllowedAndTheLineWasTyped) {
    struct Case {
        const char* name;
        bool insertAllowed;
        bool typeInNewLine;
        int records;
        QString landing; // where the cursor ends after the last Enter
    };
    const Case cases[] = {
        {"appends", true, true, 5, u("4:ProductType")},
        {"no insert: wraps within the line", false, false, 3, u("2:ProductType")},
        {"an untouched new line is not followed by another", true, false, 4, u("3:ProductType")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lines.emptyTable();
        addLine(lines, 1, "A001", 2);
        addLine(lines, 2, "A002", 3);
        addLine(lines, 3, "A003", 4);
        grid->setInsertAllowed(c.insertAllowed);
        grid->setCurrentCell(2, u("Quantity"));
        grid->setFocus();
        press(Qt::Key_Return); // last editable cell of the last line
        if (c.insertAllowed) {
            ASSERT_EQ(lines.recordCount(), 4);
            EXPECT_EQ(lines.state(), DataSetState::Insert);
            if (c.typeInNewLine) {
                grid->setCurrentCell(3, u("Quantity"));
                type(u("7"));
            } else {
                grid->setCurrentCell(3, u("Quantity"));
            }
            press(Qt::Key_Return);
        }
        EXPECT_EQ(lines.recordCount(), c.records);
        EXPECT_EQ(QStringLiteral("%1:%2").arg(grid->currentRow()).arg(grid->currentField()), c.landing);
        grid->cancelEditor();
        lines.cancel();
    }
}

TEST_F(DocGridTest, EditorsWriteTheirValuesIntoTheDataSet) {
    struct Case {
        const char* field;
        QString typed;
        QVariant expected;
        QString shown; // display text afterwards
    };
    const Case cases[] = {
        {"ProductCode", u("ab-12"), u("AB-12"), u("AB-12")},
        {"ShipDate", u("15/03/2026"), QDate(2026, 3, 15), u("15/03/2026")},
        {"Quantity", u("1,234.5"), 1234.5, u("1,234.5000")},
        {"Quantity", u(""), QVariant(), u("")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        grid->setCurrentCell(1, u(c.field));
        grid->setFocus();
        press(Qt::Key_F2);
        ASSERT_TRUE(grid->isEditing());
        auto* line = qobject_cast<QLineEdit*>(grid->currentEditor());
        ASSERT_NE(line, nullptr);
        line->selectAll();
        press(Qt::Key_Backspace);
        type(c.typed);
        press(Qt::Key_Return);
        const QVariant stored = lines.cell(1, lines.fieldIndex(u(c.field)));
        EXPECT_EQ(stored.isNull(), !c.expected.isValid());
        if (c.expected.isValid()) {
            EXPECT_TRUE(zelt::data::sameValue(stored, c.expected)) << stored.toString().toStdString();
        }
        const int col = grid->columnOf(u(c.field));
        EXPECT_EQ(grid->model()->index(1, col).data().toString(), c.shown);
        grid->cancelEditor();
        lines.post();
    }
}

TEST_F(DocGridTest, ListEditorStoresTheValueOfTheChosenText) {
    lines.setRecNo(0);
    grid->setCurrentCell(0, u("ProductType"));
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), u("สินค้า"));
    grid->setFocus();
    press(Qt::Key_F2);
    auto* box = qobject_cast<QComboBox*>(grid->currentEditor());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->currentText(), u("สินค้า"));
    press(Qt::Key_Down); // the list takes Up and Down for itself
    press(Qt::Key_Return);
    EXPECT_EQ(lines.value(u("ProductType")).toString(), u("S"));
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), u("บริการ"));
    EXPECT_EQ(lines.recordCount(), 3);
}

TEST_F(DocGridTest, TextThatDoesNotConvertIsReportedAndStaysInTheEditor) {
    struct Case {
        const char* field;
        QString typed;
        QString message;
    };
    const Case cases[] = {
        {"ShipDate", u("31/02/2026"), u("'31/02/2026' is not a valid date")},
        {"Quantity", u("1e"), u("'1e' is not a valid floating point value")},
    };
    QStringList reported;
    grid->onEditError = [&](const QString& m) { reported << m; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        reported.clear();
        grid->setCurrentCell(0, u(c.field));
        grid->setFocus();
        const QVariant before = lines.value(u(c.field));
        type(c.typed);
        press(Qt::Key_Return);
        EXPECT_EQ(reported, QStringList{c.message});
        EXPECT_TRUE(grid->isEditing());
        EXPECT_EQ(grid->currentField(), u(c.field));
        EXPECT_TRUE(zelt::data::sameValue(lines.value(u(c.field)), before));
        press(Qt::Key_Escape);
        EXPECT_FALSE(grid->isEditing());
    }
}

TEST_F(DocGridTest, InsertAndDeleteKeysFollowTheirSwitches) {
    struct Case {
        const char* name;
        bool insertAllowed;
        bool deleteAllowed;
        int key;
        Qt::KeyboardModifiers mods;
        int row;
        int records;
    };
    const Case cases[] = {
        {"Insert inserts before the line", true, true, Qt::Key_Insert, Qt::NoModifier, 1, 4},
        {"Insert switched off", false, true, Qt::Key_Insert, Qt::NoModifier, 1, 3},
        {"Down on the last line appends", true, true, Qt::Key_Down, Qt::NoModifier, 2, 4},
        {"Down on the last line, inserting off", false, true, Qt::Key_Down, Qt::NoModifier, 2, 3},
        {"Down elsewhere just moves", true, true, Qt::Key_Down, Qt::NoModifier, 0, 3},
        {"Ctrl+Delete deletes", true, true, Qt::Key_Delete, Qt::ControlModifier, 1, 2},
        {"Ctrl+Delete switched off", true, false, Qt::Key_Delete, Qt::ControlModifier, 1, 3},
        {"Delete alone is no line delete", true, true, Qt::Key_Delete, Qt::NoModifier, 1, 3},
    };
    ScriptedModal script;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lines.emptyTable();
        addLine(lines, 1, "A001", 2);
        addLine(lines, 2, "A002", 3);
        addLine(lines, 3, "A003", 4);
        grid->setInsertAllowed(c.insertAllowed);
        grid->setDeleteAllowed(c.deleteAllowed);
        grid->setCurrentCell(c.row, u("RecNo"));
        grid->setFocus();
        press(c.key, c.mods);
        EXPECT_EQ(lines.recordCount(), c.records);
        EXPECT_EQ(grid->currentRow(), lines.recNo());
        grid->cancelEditor();
        lines.cancel();
    }
}

TEST_F(DocGridTest, DeleteAsksFirstAndNoKeepsTheLine) {
    ScriptedModal script;
    lines.setRecNo(1);
    grid->setFocus();

    script.answer(QMessageBox::No);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(script.lastText(), u("ลบรายการนี้ ?"));
    EXPECT_EQ(lines.recordCount(), 3);

    grid->setDeleteQuestion(u("ลบรายการสินค้านี้ ?"));
    script.answer(QMessageBox::Yes);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(script.lastText(), u("ลบรายการสินค้านี้ ?"));
    ASSERT_EQ(lines.recordCount(), 2);
    EXPECT_EQ(lines.value(u("ProductCode")).toString(), u("A003"));
    EXPECT_EQ(grid->currentRow(), lines.recNo());
}

TEST_F(DocGridTest, CurrentLineFollowsBothWays) {
    grid->setCurrentCell(2, u("Quantity"));
    EXPECT_EQ(lines.recNo(), 2);
    lines.setRecNo(0);
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->currentField(), u("Quantity")) << "the column stays";
    // Moving away from a changed line posts it.
    lines.edit();
    lines.setValue(u("Quantity"), 9.0);
    grid->setFocus();
    press(Qt::Key_Down);
    EXPECT_EQ(lines.recNo(), 1);
    EXPECT_EQ(lines.state(), DataSetState::Browse);
    // Lines filled by the program with controls disabled do not drag the grid along.
    lines.disableControls();
    lines.last();
    lines.first();
    lines.setRecNo(2);
    lines.enableControls();
    EXPECT_EQ(grid->currentRow(), 2);
}

TEST_F(DocGridTest, TitlesSearchesColumnsAndEditorExitsAreSignalled) {
    QSignalSpy titles(grid, &DocGrid::titleClicked);
    QHeaderView* header = grid->horizontalHeader();
    const int x = header->sectionViewportPosition(3) + 5;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    ASSERT_EQ(titles.count(), 1);
    EXPECT_EQ(titles.at(0).at(0).toString(), u("ProductName"));

    QSignalSpy searches(grid, &DocGrid::searchRequested);
    grid->setCurrentCell(0, u("ProductCode"));
    grid->setFocus();
    press(Qt::Key_F5);
    grid->setCurrentCell(0, u("Quantity"));
    press(Qt::Key_F5); // not a code column
    grid->setColumns(lineLayout(true));
    grid->setCurrentCell(0, u("ProductCode"));
    press(Qt::Key_F5); // a read-only code column
    ASSERT_EQ(searches.count(), 1);
    EXPECT_EQ(searches.at(0).at(0).toString(), u("ProductCode"));

    grid->setColumns(lineLayout());
    grid->setCurrentCell(0, u("ShipDate"));
    QSignalSpy columns(grid, &DocGrid::columnEntered);
    QSignalSpy entered(grid, &DocGrid::editorEntered);
    QSignalSpy exited(grid, &DocGrid::editorExited);
    type(u("a"));
    ASSERT_TRUE(grid->isEditing());
    EXPECT_EQ(grid->currentEditor()->objectName(), u("GetShipDate")) << "editors are named as defined";
    press(Qt::Key_Escape);
    grid->setCurrentCell(0, u("ProductCode"));
    type(u("zz9"));
    press(Qt::Key_Return);
    EXPECT_EQ(entered.count(), 3) << "the date, the code, and the date again after Enter";
    ASSERT_EQ(exited.count(), 1) << "an editor left with Escape writes nothing";
    EXPECT_EQ(exited.at(0).at(0).toString(), u("ProductCode"));
    EXPECT_EQ(exited.at(0).at(1).toString(), u("A001"));
    EXPECT_EQ(lines.value(u("ProductCode")).toString(), u("ZZ9"));
    QStringList fields;
    for (const auto& args : columns)
        fields << args.at(0).toString();
    EXPECT_EQ(fields, (QStringList{u("ProductCode"), u("ShipDate")}));
}

TEST_F(DocGridTest, EscapeUndoesTheEditorThenTheLine) {
    grid->setCurrentCell(1, u("ShipDate"));
    grid->setFocus();
    type(u("01/02/2026"));
    press(Qt::Key_Return);
    EXPECT_EQ(lines.state(), DataSetState::Edit);
    ASSERT_EQ(grid->currentField(), u("Quantity"));
    ASSERT_TRUE(grid->isEditing());
    type(u("8"));
    press(Qt::Key_Escape);
    EXPECT_FALSE(grid->isEditing());
    EXPECT_DOUBLE_EQ(lines.value(u("Quantity")).toDouble(), 3.0);
    EXPECT_EQ(lines.value(u("ShipDate")).toDate(), QDate(2026, 2, 1));
    press(Qt::Key_Escape);
    EXPECT_EQ(lines.state(), DataSetState::Browse);
    EXPECT_TRUE(lines.value(u("ShipDate")).isNull());

    // Up from a new line nobody typed in takes it away.
    lines.setRecNo(2);
    press(Qt::Key_Down);
    ASSERT_EQ(lines.recordCount(), 4);
    grid->cancelEditor();
    press(Qt::Key_Up);
    EXPECT_EQ(lines.recordCount(), 3);
    EXPECT_EQ(lines.recNo(), 2);
    EXPECT_EQ(grid->currentRow(), 2);
}

TEST_F(DocGridTest, HiddenFieldsStayHiddenAcrossLayouts) {
    grid->setColumnVisible(u("Total"), false);
    EXPECT_TRUE(grid->isColumnHidden(grid->columnOf(u("Total"))));
    grid->setColumns(
        {{u("Total"), 10, true, {}, u("รวม")}, {u("Quantity"), 8, false, u("QQnty"), u("จำนวน")}});
    EXPECT_TRUE(grid->isColumnHidden(0));
    grid->setColumns(lineLayout());
    EXPECT_TRUE(grid->isColumnHidden(grid->columnOf(u("Total"))));
    grid->setColumnVisible(u("total"), true);
    EXPECT_FALSE(grid->isColumnHidden(grid->columnOf(u("Total"))));
}

TEST_F(DocGridTest, AnUntouchedNewLineIsCancelledWhenTheFocusLeavesTheGrid) {
    auto* other = new QLineEdit(&window);
    window.layout()->addWidget(other);
    other->show();
    QSignalSpy left(grid, &DocGrid::gridExited);
    QSignalSpy came(grid, &DocGrid::gridEntered);
    grid->setFocus();
    lines.setRecNo(2);
    press(Qt::Key_Down);
    ASSERT_EQ(lines.recordCount(), 4);
    other->setFocus();
    EXPECT_EQ(lines.recordCount(), 3);
    EXPECT_EQ(left.count(), 1);
    grid->setFocus();
    EXPECT_EQ(came.count(), 1);
}

} // namespace
