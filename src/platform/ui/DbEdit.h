#pragma once

#include "platform/ui/DbLink.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace zelt::ui {

// A one-line edit of a field. The user's text is written into the field when
// the user leaves the edit or presses Enter (the key then goes on to the form,
// which moves to the next control); Escape brings back the field's value. Text
// the field cannot take (letters in a number field) is refused with the
// run-time's message and stays in the edit, which keeps the focus.
// An empty text stores null.
class DbEdit : public QLineEdit, public DbControl {
    Q_OBJECT
public:
    explicit DbEdit(QWidget* parent = nullptr);
    DbEdit(data::DataSet* ds, const QString& fieldName, QWidget* parent = nullptr);

    // Letters become capitals as they are typed or pasted.
    void setUpperCase(bool on);
    bool upperCase() const { return upperCase_; }
    // At most n characters; 0 (the default) takes the size of a text field.
    void setMaxLength(int n);
    int maxLength() const { return QLineEdit::maxLength(); }

    using DbControl::isReadOnly;
    using DbControl::setReadOnly;

    bool commit() override;

protected:
    // The text shown for a value of the field.
    virtual QString textFromValue(const QVariant& value) const;
    // The value stored for the text; raises a conversion error for text the
    // field cannot take.
    virtual QVariant valueFromText(const QString& text) const;

    void showValue() override;
    void updateAccess() override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextEdited();

    bool upperCase_ = false;
    int maxLength_ = 0;
    QString shownText_;
};

// A memo of several lines. Enter starts a new line; the text is written into
// the field when the user leaves the memo.
class DbMemo : public QPlainTextEdit, public DbControl {
    Q_OBJECT
public:
    explicit DbMemo(QWidget* parent = nullptr);
    DbMemo(data::DataSet* ds, const QString& fieldName, QWidget* parent = nullptr);

    using DbControl::isReadOnly;
    using DbControl::setReadOnly;

    bool commit() override;

protected:
    void showValue() override;
    void updateAccess() override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool showing_ = false;
};

} // namespace zelt::ui
