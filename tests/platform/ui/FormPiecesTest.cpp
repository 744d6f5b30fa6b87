#include "GridTestSupport.h"

#include "platform/ui/Actions.h"
#include "platform/ui/FormKeys.h"
#include "platform/ui/StatusBar.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace gridtest;
using namespace zelt::ui;

namespace {

TEST(FormPieces, ActionsCarryNameCaptionHintShortcutAndImageAndFireByShortcut) {
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* bar = new ToolBar(&form);
    layout->addWidget(bar);
    auto* edit = new QLineEdit(&form);
    layout->addWidget(edit);
    QAction* save = makeAction(
        {u("AcSave"), u("Save"), u("Save Record"), QKeySequence(Qt::Key_F10), ActionImage::Save}, &form);
    QAction* chg = makeAction(
        {u("AcChgCode"), u("Chg Code"), {}, QKeySequence(Qt::Key_F12), ActionImage::ChgCode}, &form);
    form.addAction(save);
    form.addAction(chg);
    EXPECT_EQ(form.findChild<QAction*>(u("AcSave")), save);
    EXPECT_EQ(save->text(), u("Save"));
    EXPECT_EQ(save->toolTip(), u("Save Record"));
    EXPECT_EQ(save->statusTip(), u("Save Record"));
    EXPECT_EQ(chg->toolTip(), u("Chg Code")) << "no hint: the caption";
    EXPECT_FALSE(save->icon().isNull());

    QToolButton* bSave = bar->addButton(save, u("BSave"));
    QToolButton* bChg = bar->addButton(chg, u("BChgCode"));
    EXPECT_EQ(bar->button(u("BSave")), bSave);
    EXPECT_EQ(bSave->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(bSave->cursor().shape(), Qt::PointingHandCursor);

    showActive(form);
    edit->setFocus();
    QSignalSpy fired(save, &QAction::triggered);
    press(Qt::Key_F10);
    EXPECT_EQ(fired.count(), 1);
    save->setEnabled(false);
    press(Qt::Key_F10);
    EXPECT_EQ(fired.count(), 1) << "a disabled action does not fire";

    // A hidden button leaves no gap: the next one moves to its place.
    const int x = bChg->x();
    bSave->hide();
    form.layout()->activate();
    bar->layout()->activate();
    EXPECT_LT(bChg->x(), x);

    QSignalSpy barClicks(bar, &ToolBar::clicked);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
    QTest::mouseClick(bChg, Qt::LeftButton);
    EXPECT_EQ(barClicks.count(), 1) << "only clicks outside the buttons";
}

TEST(FormPieces, StatusBarPanelsHaveTheirWidthsAndTexts) {
    StatusBar bar({200, 50});
    ASSERT_EQ(bar.panelCount(), 2);
    EXPECT_EQ(bar.panel(0)->width(), 200);
    EXPECT_EQ(bar.panel(1)->width(), 50);
    bar.setPanelText(0, u("บริษัท ตัวอย่าง จำกัด"));
    bar.setPanelText(5, u("ignored"));
    EXPECT_EQ(bar.panelText(0), u("บริษัท ตัวอย่าง จำกัด"));
    EXPECT_EQ(bar.panelText(1), QString());
    EXPECT_EQ(bar.panelText(5), QString());
    EXPECT_EQ(bar.findChild<QLabel*>(u("Panel1")), bar.panel(1));
}

class FormKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&form);
        for (const char* name : {"Code", "Name", "Memo", "Disabled", "Hidden", "Last"}) {
            QWidget* w = QByteArray(name) == "Memo" ? static_cast<QWidget*>(new QPlainTextEdit(&form))
                                                    : static_cast<QWidget*>(new QLineEdit(&form));
            w->setObjectName(u(name));
            layout->addWidget(w);
        }
        grid = new DocGrid(&form);
        addLineFields(lines);
        addLine(lines, 1, "A001", 1);
        grid->setDataSet(&lines);
        grid->setColumns(lineLayout());
        layout->addWidget(grid);
        widget("Disabled")->setEnabled(false);
        widget("Hidden")->hide();
        keys = new FormKeys(&form);
        keys->onEscape = [this] { ++escapes; };
        showActive(form);
    }
    QWidget* widget(const char* name) { return form.findChild<QWidget*>(u(name)); }
    QString focusName() { return focused() ? focused()->objectName() : QString(); }

    QWidget form;
    zelt::data::MemoryTable lines;
    DocGrid* grid = nullptr;
    FormKeys* keys = nullptr;
    int escapes = 0;
};

TEST_F(FormKeysTest, EnterMovesLikeTabSkippingWhatCannotTakeTheFocusAndWraps) {
    struct Case {
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"Code", "Name"},
        {"Name", "Memo"},
        {"Last", "DgDt"},
        {"DgDt", "DgDt"}, // the grid keeps Enter for its cells
    };
    grid->setObjectName(u("DgDt"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        widget(c.from)->setFocus();
        press(Qt::Key_Return);
        if (QByteArray(c.to) == "DgDt")
            EXPECT_TRUE(focused() == grid || grid->isAncestorOf(focused()));
        else
            EXPECT_EQ(focusName(), u(c.to));
    }
    // The memo keeps Enter: a new line.
    widget("Memo")->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), u("Memo"));
    EXPECT_EQ(static_cast<QPlainTextEdit*>(widget("Memo"))->toPlainText(), u("\n"));
    // From the last control of the tab order back to the first.
    grid->cancelEditor();
    grid->setFocus();
    EXPECT_TRUE(FormKeys::focusNext(&form));
    EXPECT_EQ(focusName(), u("Code"));
    EXPECT_EQ(static_cast<QLineEdit*>(widget("Code"))->text(), QString()) << "no control gets the Enter";
}

TEST_F(FormKeysTest, EscapeIsTheFormsOutsideGridsAndNothingWithPreviewOff) {
    widget("Name")->setFocus();
    QSignalSpy spy(keys, &FormKeys::escapePressed);
    press(Qt::Key_Escape);
    EXPECT_EQ(escapes, 1);
    EXPECT_EQ(spy.count(), 1);

    grid->setFocus();
    press(Qt::Key_Escape);
    EXPECT_EQ(escapes, 1) << "the grid's Escape cancels its own edit";

    keys->setPreview(false);
    widget("Name")->setFocus();
    press(Qt::Key_Escape);
    press(Qt::Key_Return);
    EXPECT_EQ(escapes, 1);
    EXPECT_EQ(focusName(), u("Name"));

    keys->setPreview(true);
    FormKeys::keepOwnKeys(widget("Name"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), u("Name"));
}

} // namespace
