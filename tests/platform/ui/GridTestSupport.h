#pragma once

// Helpers shared by the grid and form-piece tests: a lines table like a
// document form's, and key presses delivered where the keyboard would.

#include "platform/data/MemoryTable.h"
#include "platform/ui/DocGrid.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace gridtest {

inline QString u(const char* text) {
    return QString::fromUtf8(text);
}

inline void addLineFields(zelt::data::MemoryTable& t) {
    using zelt::data::ValueKind;
    t.addField(u("RecNo"), ValueKind::Int);
    t.addField(u("ProductType"), ValueKind::Text, 1);
    t.addField(u("ProductCode"), ValueKind::Text, 20);
    t.addField(u("ProductName"), ValueKind::Text, 60);
    t.addField(u("ShipDate"), ValueKind::Date);
    t.addField(u("Quantity"), ValueKind::Float);
    t.addField(u("Price"), ValueKind::Float);
    t.addField(u("Total"), ValueKind::Float);
    t.open();
}

inline void addLine(zelt::data::MemoryTable& t, int no, const char* code, double qty) {
    t.append();
    t.setValue(u("RecNo"), no);
    t.setValue(u("ProductType"), u("P"));
    t.setValue(u("ProductCode"), u(code));
    t.setValue(u("ProductName"), u("สินค้า ") + u(code));
    t.setValue(u("Quantity"), qty);
    t.post();
}

// The editors a document form defines once.
inline void defineLineEditors(zelt::ui::DocGrid& g) {
    using zelt::ui::GridEditor;
    g.defineEditor(
        GridEditor::list(u("ProductType"), {u("สินค้า"), u("บริการ"), u("เบ็ดเตล็ด")}, {u("P"), u("S"), u("M")}));
    g.defineEditor(GridEditor::code(u("ProductCode")));
    g.defineEditor(GridEditor::date(u("GetShipDate")));
    g.defineEditor(GridEditor::number(u("QQnty")));
    g.defineEditor(GridEditor::number(u("EditPrice")));
    g.setFieldFormat(u("Quantity"), u("#,##0.0000"), u("###0.0000"));
    g.setFieldFormat(u("Total"), u("#,##0.00"), u("###0.00"));
}

inline QVector<zelt::ui::GridColumn> lineLayout(bool codeReadOnly = false) {
    return {
        {u("RecNo"), 3, true, {}, u("ลำดับ")},
        {u("ProductType"), 6, false, u("ProductType"), u("ชนิด")},
        {u("ProductCode"), 15, codeReadOnly, u("ProductCode"), u("รหัสสินค้า")},
        {u("ProductName"), 30, true, {}, u("ชื่อสินค้า")},
        {u("ShipDate"), 10, false, u("GetShipDate"), u("วันที่ส่ง")},
        {u("Quantity"), 8, false, u("QQnty"), u("จำนวน")},
        {u("Total"), 10, true, {}, u("รวมเงิน")},
    };
}

inline void showActive(QWidget& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    (void)QTest::qWaitForWindowActive(&w);
}

inline QWidget* focused() {
    return QApplication::focusWidget();
}

inline void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(focused(), Qt::Key(key), mods);
}

inline void type(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(focused(), QString(c));
        else // Thai letters have no key code of their own: text only
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace gridtest
