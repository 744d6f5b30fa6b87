#include "platform/ui/DbEdit.h"

#include "platform/format/Convert.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace zelt::ui {

namespace {

// The largest length QLineEdit takes, its own default.
constexpr int NoMaxLength = 32767;

} // namespace

// ------------------------------------------------------------------ DbEdit

DbEdit::DbEdit(QWidget* parent)
    : QLineEdit(parent)
    , DbControl(static_cast<QWidget&>(*this)) {
    connect(this, &QLineEdit::textEdited, this, &DbEdit::onTextEdited);
    updateAccess();
}

DbEdit::DbEdit(data::DataSet* ds, const QString& fieldName, QWidget* parent)
    : DbEdit(parent) {
    bind(ds, fieldName);
}

void DbEdit::setUpperCase(bool on) {
    upperCase_ = on;
}

void DbEdit::setMaxLength(int n) {
    maxLength_ = qMax(0, n);
    updateAccess();
}

QString DbEdit::textFromValue(const QVariant& value) const {
    return data::variantToString(value);
}

QVariant DbEdit::valueFromText(const QString& text) const {
    if (text.isEmpty())
        return {};
    // The field's own conversion, so that its kind decides what text it takes.
    return data::coerceValue(text, link().fieldDef().kind);
}

void DbEdit::showValue() {
    shownText_ = textFromValue(link().value());
    setText(shownText_);
    setModified(false);
}

void DbEdit::updateAccess() {
    QLineEdit::setReadOnly(!canModify());
    int n = maxLength_;
    if (n == 0) {
        const data::FieldDef def = link().fieldDef();
        n = def.kind == data::ValueKind::Text && def.size > 0 ? def.size : NoMaxLength;
    }
    QLineEdit::setMaxLength(n);
}

void DbEdit::onTextEdited() {
    if (upperCase_) {
        const QString upper = text().toUpper();
        if (upper != text()) {
            const int pos = cursorPosition();
            setText(upper.left(QLineEdit::maxLength()));
            setCursorPosition(qMin(pos, int(text().size())));
        }
    }
    try {
        link().beginUserEdit();
    } catch (...) {
        showValue();
        throw;
    }
}

bool DbEdit::commit() {
    if (!link().pending())
        return true;
    if (text() == shownText_) {
        // Typed and taken back: nothing to write.
        link().showCurrent();
        return true;
    }
    QVariant v;
    try {
        v = valueFromText(text());
    } catch (const format::ConversionError& e) {
        refuseValue(e.message());
        return false;
    } catch (const data::DatabaseError& e) {
        refuseValue(e.message());
        return false;
    }
    link().write(v);
    return true;
}

void DbEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!commit()) {
            selectAll();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (link().pending()) {
            link().showCurrent();
            selectAll();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void DbEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (leavesControl(event->reason()) && !commit())
        regainFocus();
}

// ------------------------------------------------------------------ DbMemo

DbMemo::DbMemo(QWidget* parent)
    : QPlainTextEdit(parent)
    , DbControl(static_cast<QWidget&>(*this)) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (showing_)
            return;
        try {
            link().beginUserEdit();
        } catch (...) {
            showValue();
            throw;
        }
    });
    updateAccess();
}

DbMemo::DbMemo(data::DataSet* ds, const QString& fieldName, QWidget* parent)
    : DbMemo(parent) {
    bind(ds, fieldName);
}

void DbMemo::showValue() {
    showing_ = true;
    setPlainText(data::variantToString(link().value()));
    showing_ = false;
}

void DbMemo::updateAccess() {
    QPlainTextEdit::setReadOnly(!canModify());
}

bool DbMemo::commit() {
    if (!link().pending())
        return true;
    const QString text = toPlainText();
    link().write(text.isEmpty() ? QVariant() : QVariant(text));
    return true;
}

void DbMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (leavesControl(event->reason()))
        commit();
}

} // namespace zelt::ui
