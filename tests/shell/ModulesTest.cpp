#include "shell/Modules.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace zelt::shell;

TEST(Modules, CodeIsComparedWholeTrimmedAndWithoutCase) {
    const struct {
        const char* argument;
        const char* code;
    } cases[] = {
        {"FRPO", "FRPO"},
        {" frpo  ", "FRPO"},
        {"ImpTran", "IMPTRAN"},
        {"IMPORTCOST", "IMPORTCOST"},
        {"FRPOX", ""},
        {"FRP", ""},
        {"", ""},
        {"   ", ""},
        {"IMPTRAN2", ""},
        {"สั่งซื้อ", ""},
        {"IMP TRAN", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchModule(QString::fromUtf8(c.argument)), QString::fromUtf8(c.code)) << c.argument;
}

TEST(Modules, RegisteredFactoryCreatesTheForm) {
    EXPECT_EQ(createModule(QStringLiteral("IMPBEGIN")), nullptr) << "nothing registered yet";
    registerModule(QStringLiteral("impbegin"), [] {
        auto* w = new QWidget;
        w->setObjectName(QStringLiteral("FrImpTranBegin"));
        return w;
    });
    std::unique_ptr<QWidget> form(createModule(QStringLiteral("IMPBEGIN")));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), QStringLiteral("FrImpTranBegin"));
}
