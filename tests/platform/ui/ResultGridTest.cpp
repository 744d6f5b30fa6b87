#include "platform/ui/ResultGrid.h"

#include "platform/data/DataSetModel.h"
#include "platform/data/MemoryTable.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace zelt;
using data::ValueKind;

namespace {

// A grid over four codes; the third row is painted red by the model.
class ResultGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        table.addField(QStringLiteral("Code"), ValueKind::Text, 10);
        table.addField(QStringLiteral("Description"), ValueKind::Text, 60);
        table.open();
        fill({"A1", "B2", "C3", "D4"});
        model.setColumns({{QStringLiteral("Description"), QStringLiteral("Description")},
                          {QStringLiteral("Code"), QStringLiteral("Code")}});
        model.rowStyle = [](int row, int role) -> QVariant {
            if (row != 2)
                return {};
            if (role == Qt::BackgroundRole)
                return QColor(Qt::red);
            if (role == Qt::ForegroundRole)
                return QColor(Qt::white);
            return {};
        };
        grid.setDataSetModel(&model);
        grid.setColumnWidths({200, 80});
        grid.resize(320, 200);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    void fill(std::initializer_list<const char*> codes) {
        table.emptyTable();
        for (const char* c : codes) {
            table.append();
            table.setValue(QStringLiteral("Code"), QString::fromUtf8(c));
            table.setValue(QStringLiteral("Description"),
                           QString::fromUtf8("รายการ ") + QString::fromUtf8(c));
            table.post();
        }
        table.first();
    }

    QPoint cellCentre(int row, int column) { return grid.visualRect(model.index(row, column)).center(); }

    data::MemoryTable table;
    data::DataSetModel model{&table};
    ui::ResultGrid grid;
};

TEST_F(ResultGridTest, GridAndDataSetFollowEachOther) {
    EXPECT_EQ(grid.currentRow(), 0);
    table.setRecNo(3);
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(3, {}));

    QTest::keyClick(grid.viewport(), Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(table.recNo(), 1);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_EQ(table.value(QStringLiteral("Code")).toString(), QStringLiteral("C3"));
}

TEST_F(ResultGridTest, NewRowsAreShownWithTheFirstCurrent) {
    table.setRecNo(3);
    fill({"X1", "Y2"});
    EXPECT_EQ(grid.verticalHeader()->count(), 2);
    EXPECT_EQ(grid.currentRow(), 0);
    EXPECT_EQ(grid.columnWidth(0), 200); // widths survive the reset
    EXPECT_EQ(grid.columnWidth(1), 80);
}

TEST_F(ResultGridTest, EnterAndDoubleClickChooseTheRow) {
    QSignalSpy chosen(&grid, &ui::ResultGrid::chosen);
    table.setRecNo(1);
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::keyClick(&grid, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(3, 0));
    ASSERT_EQ(chosen.count(), 3);
    EXPECT_EQ(chosen[0][0].toInt(), 1);
    EXPECT_EQ(chosen[1][0].toInt(), 1);
    EXPECT_EQ(chosen[2][0].toInt(), 3);
}

TEST_F(ResultGridTest, TitleClicksAreSignalled) {
    QSignalSpy titles(&grid, &ui::ResultGrid::titleClicked);
    QHeaderView* header = grid.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
    ASSERT_EQ(titles.count(), 1);
    EXPECT_EQ(titles[0][0].toInt(), 1);
}

TEST_F(ResultGridTest, RightClickMovesToTheRowAndTellsTheKeys) {
    QSignalSpy right(&grid, &ui::ResultGrid::rightClicked);
    const Qt::KeyboardModifiers keys = Qt::ShiftModifier | Qt::ControlModifier;
    QTest::mouseClick(grid.viewport(), Qt::RightButton, keys, cellCentre(2, 0));
    ASSERT_EQ(right.count(), 1);
    EXPECT_EQ(right[0][0].toInt(), 2);
    EXPECT_EQ(right[0][1].value<Qt::KeyboardModifiers>(), keys);
    EXPECT_EQ(table.recNo(), 2);
    // A click with Ctrl on the selected row keeps it selected.
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(2, {}));
}

TEST_F(ResultGridTest, ARowWithItsOwnColourKeepsItWhenSelected) {
    const auto pixelAt = [this](int row) {
        const QImage image = grid.viewport()->grab().toImage();
        const QRect cell = grid.visualRect(model.index(row, 0));
        return image.pixelColor(cell.right() - 3, cell.center().y());
    };
    // The style may shade the current row a little; red stays red.
    const auto reddish = [](const QColor& c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    table.setRecNo(2);
    EXPECT_TRUE(reddish(pixelAt(2))) << pixelAt(2).name().toStdString();
    table.setRecNo(0);
    EXPECT_TRUE(reddish(pixelAt(2))) << pixelAt(2).name().toStdString();
    EXPECT_FALSE(reddish(pixelAt(0))) << pixelAt(0).name().toStdString();
}

} // namespace
