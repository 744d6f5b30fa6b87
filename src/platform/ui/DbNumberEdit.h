#pragma once

#include "platform/ui/DbEdit.h"

class QCalendarWidget;

namespace zelt::ui {

// A number field, right-aligned. Without the focus it shows the value in its
// display format ("#,##0.00"); while the user edits it shows the plain number
// (the edit format, by default the general format that loses no digit), so
// entering and leaving without typing never rounds the stored value. Only
// digits, one point and a leading sign can be typed; an empty text stores null.
class DbNumberEdit : public DbEdit {
    Q_OBJECT
public:
    explicit DbNumberEdit(QWidget* parent = nullptr);
    DbNumberEdit(data::DataSet* ds, const QString& fieldName, QWidget* parent = nullptr);

    // A mask of formatFloat; empty: the general format.
    void setDisplayFormat(const QString& mask);
    const QString& displayFormat() const { return displayFormat_; }
    void setEditFormat(const QString& mask);
    const QString& editFormat() const { return editFormat_; }
    // Decimals that may be typed; -1 (the default) any, 0 for an integer field.
    void setDecimals(int n);
    int decimals() const { return decimals_; }
    void setAllowNegative(bool on);
    bool allowNegative() const { return allowNegative_; }

    // The field's value as a number (0 for null).
    double number() const;

protected:
    QString textFromValue(const QVariant& value) const override;
    QVariant valueFromText(const QString& text) const override;
    void updateAccess() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void updateValidator();

    QString displayFormat_;
    QString editFormat_;
    QString validatorPattern_;
    int decimals_ = -1;
    bool allowNegative_ = true;
};

// A date field in the short date format "dd/mm/yyyy", always shown with four
// year digits. Typed text is read as the run-time reads dates ("5/3/26" is
// 05/03/2026); a text that is no date is refused with the run-time's message
// and stays. F4, Alt+Down or the calendar button open a calendar; a date
// chosen there is written at once. An empty text stores null.
class DbDateEdit : public DbEdit {
    Q_OBJECT
public:
    explicit DbDateEdit(QWidget* parent = nullptr);
    DbDateEdit(data::DataSet* ds, const QString& fieldName, QWidget* parent = nullptr);

    // The field's date (invalid for null).
    QDate date() const;
    // Writes a date into the field as if the user had chosen it.
    void setDate(const QDate& date);
    void showCalendar();

protected:
    QString textFromValue(const QVariant& value) const override;
    QVariant valueFromText(const QString& text) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAction* calendarAction_ = nullptr;
};

} // namespace zelt::ui
