#include "platform/ui/FormKeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace zelt::ui {

namespace {

const char* const kOwnKeys = "zeltOwnKeys";

bool takesTabFocus(const QWidget* w, const QWidget* form) {
    return w != form && w->window() == form && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
           w->isVisibleTo(form) && !w->focusProxy();
}

} // namespace

FormKeys::FormKeys(QWidget* form)
    : QObject(form)
    , form_(form) {
    // Keys go to the focused control first; only a filter on the application
    // sees them before it, as the original form's key preview did.
    qApp->installEventFilter(this);
}

FormKeys::~FormKeys() {
    qApp->removeEventFilter(this);
}

void FormKeys::keepOwnKeys(QWidget* widget, bool on) {
    widget->setProperty(kOwnKeys, on);
}

bool FormKeys::focusNext(QWidget* form, bool forward) {
    QWidget* start = form->focusWidget();
    if (!start)
        start = form;
    QWidget* w = start;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (takesTabFocus(w, form)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w != start);
    return false;
}

bool FormKeys::leftAlone(QWidget* focus) const {
    for (QWidget* w = focus; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (w->property(kOwnKeys).toBool() || qobject_cast<QAbstractItemView*>(w) ||
            qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
            return true;
    }
    return false;
}

bool FormKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !preview_ || !form_ || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool escape = key->key() == Qt::Key_Escape;
    if ((!enter && !escape) || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Only the first delivery, to the focused control of this form.
    QWidget* focus = QApplication::focusWidget();
    if (watched != focus || !focus || focus->window() != form_ || leftAlone(focus))
        return false;
    if (enter) {
        focusNext(form_, true);
        return true;
    }
    emit escapePressed();
    if (onEscape)
        onEscape();
    return true;
}

} // namespace zelt::ui
