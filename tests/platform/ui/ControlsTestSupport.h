#pragma once

#include "platform/data/MemoryTable.h"
#include "platform/ui/Modal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure output for the Qt types the checks compare.
static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
static void PrintTo(const QVariant& v, std::ostream* os) {
    *os << (v.isNull() ? "null " : "") << v.typeName() << '(' << v.toString().toStdString() << ')';
}

namespace zelt::ui::testing {

inline QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// A window with the controls under test and one plain edit after them, so
// that the focus can leave a control as the user's Tab does. Messages go to a
// scripted handler.
class FormTest : public ::testing::Test {
protected:
    FormTest() {
        layout = new QVBoxLayout(&form);
        next = new QLineEdit(&form);
        next->setObjectName(QStringLiteral("Next"));
        layout->addWidget(next);
    }

    template <class W> W* add(W* w) {
        layout->insertWidget(layout->count() - 1, w);
        if (form.isVisible())
            w->show();
        return w;
    }

    void show() {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // The user enters a control (the window is shown first).
    void enter(QWidget* w) {
        if (!form.isVisible())
            show();
        w->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
    }

    // The user tabs away to the plain edit; queued work (a control taking the
    // focus back) runs.
    void leave() {
        next->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    ScriptedModal modal;
    QWidget form;
    QVBoxLayout* layout = nullptr;
    QLineEdit* next = nullptr;
};

// Types text key by key, as the user does; Thai letters too (QTest's own
// keyClicks knows only ASCII keys).
inline void typeText(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(w, char(ch.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

// Adds a row and posts it.
inline void addRow(data::DataSet& ds, std::initializer_list<std::pair<const char*, QVariant>> values) {
    ds.append();
    for (const auto& [name, value] : values)
        ds.setValue(QString::fromUtf8(name), value);
    ds.post();
}

} // namespace zelt::ui::testing
