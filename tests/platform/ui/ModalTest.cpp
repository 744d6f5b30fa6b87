#include "platform/ui/Modal.h"

#include <QDialog>

#include <gtest/gtest.h>

using namespace zelt::ui;

TEST(Modal, ScriptedAnswersAreGivenInOrderAndEveryRequestIsKept) {
    ScriptedModal script;
    script.answer(QMessageBox::No);
    EXPECT_FALSE(askYesNo(QStringLiteral("จัดเก็บข้อมูล ?"), Qt::blue, Qt::white));
    EXPECT_TRUE(askYesNo(QStringLiteral("ลบข้อมูล ?"))) << "an empty queue answers Yes";
    showMessage(QStringLiteral("บันทึกแล้ว"));
    ASSERT_EQ(script.messages().size(), 3);
    EXPECT_EQ(script.messages()[0].background, QColor(Qt::blue));
    EXPECT_EQ(script.messages()[0].kind, MessageKind::Question);
    EXPECT_EQ(script.texts().last(), QStringLiteral("บันทึกแล้ว"));

    script.answerInput(std::nullopt);
    EXPECT_FALSE(inputBox(QStringLiteral("t"), QStringLiteral("p"), QStringLiteral("v")).has_value());
    EXPECT_EQ(inputBox(QStringLiteral("t"), QStringLiteral("p"), QStringLiteral("v")), QStringLiteral("v"));

    QDialog dialog;
    script.onDialog = [](QDialog& d) { return d.objectName() == QLatin1String("TFrX") ? 7 : 0; };
    dialog.setObjectName(QStringLiteral("TFrX"));
    EXPECT_EQ(execDialog(dialog), 7);
    EXPECT_EQ(script.dialogsShown(), 1);
}

TEST(Modal, ObserverSeesEveryMessageAndTheRealHandlerReturnsWhenTheScriptEnds) {
    QStringList seen;
    setMessageObserver([&](const MessageRequest& r) { seen << r.text; });
    {
        ScriptedModal script;
        showError(QStringLiteral("Not Found Database : X"));
        EXPECT_EQ(&modal(), &script);
    }
    setMessageObserver({});
    EXPECT_EQ(seen, QStringList{QStringLiteral("Not Found Database : X")});
    EXPECT_EQ(dynamic_cast<ScriptedModal*>(&modal()), nullptr) << "the real handler is back";
}
