#include "platform/ui/DbNumberEdit.h"

#include "platform/format/Convert.h"
#include "platform/format/FloatFormat.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpressionValidator>

namespace zelt::ui {

// ------------------------------------------------------------ DbNumberEdit

DbNumberEdit::DbNumberEdit(QWidget* parent)
    : DbEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    updateValidator();
}

DbNumberEdit::DbNumberEdit(data::DataSet* ds, const QString& fieldName, QWidget* parent)
    : DbNumberEdit(parent) {
    bind(ds, fieldName);
}

void DbNumberEdit::setDisplayFormat(const QString& mask) {
    displayFormat_ = mask;
    if (!hasPendingEdit())
        showValue();
}

void DbNumberEdit::setEditFormat(const QString& mask) {
    editFormat_ = mask;
    if (!hasPendingEdit())
        showValue();
}

void DbNumberEdit::setDecimals(int n) {
    decimals_ = qMax(-1, n);
    updateValidator();
}

void DbNumberEdit::setAllowNegative(bool on) {
    allowNegative_ = on;
    updateValidator();
}

void DbNumberEdit::updateValidator() {
    int places = decimals_;
    if (places < 0 && link().fieldDef().kind == data::ValueKind::Int)
        places = 0;
    QString pattern = allowNegative_ ? QStringLiteral("^-?\\d*") : QStringLiteral("^\\d*");
    if (places != 0)
        pattern += places < 0 ? QStringLiteral("(\\.\\d*)?") : QStringLiteral("(\\.\\d{0,%1})?").arg(places);
    pattern += QLatin1Char('$');
    if (pattern == validatorPattern_)
        return;
    validatorPattern_ = pattern;
    auto* old = validator();
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
    delete old;
}

void DbNumberEdit::updateAccess() {
    DbEdit::updateAccess();
    updateValidator();
}

double DbNumberEdit::number() const {
    return data::variantToFloat(link().value());
}

QString DbNumberEdit::textFromValue(const QVariant& value) const {
    if (value.isNull())
        return {};
    const double d = data::variantToFloat(value);
    const QString& mask = hasFocus() ? editFormat_ : displayFormat_;
    return mask.isEmpty() ? format::floatToStr(d) : format::formatFloat(mask, d);
}

QVariant DbNumberEdit::valueFromText(const QString& text) const {
    if (text.trimmed().isEmpty())
        return {};
    const double d = format::strToFloat(text);
    return data::coerceValue(d, link().fieldDef().kind);
}

void DbNumberEdit::focusInEvent(QFocusEvent* event) {
    // The plain number before the edit selects its text on entry.
    if (!hasPendingEdit())
        showValue();
    DbEdit::focusInEvent(event);
}

void DbNumberEdit::focusOutEvent(QFocusEvent* event) {
    DbEdit::focusOutEvent(event);
    if (!hasPendingEdit())
        showValue();
}

// -------------------------------------------------------------- DbDateEdit

namespace {

QIcon calendarIcon() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(80, 80, 80));
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 13, 12);
    p.fillRect(2, 3, 12, 3, QColor(200, 60, 60));
    for (int y = 8; y <= 12; y += 2)
        for (int x = 3; x <= 12; x += 3)
            p.fillRect(x, y, 2, 1, QColor(80, 80, 80));
    return QIcon(pm);
}

} // namespace

DbDateEdit::DbDateEdit(QWidget* parent)
    : DbEdit(parent) {
    setMaxLength(10);
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9/ ]{0,10}$")), this));
    calendarAction_ = addAction(calendarIcon(), QLineEdit::TrailingPosition);
    calendarAction_->setToolTip(QString::fromUtf8("ปฏิทิน"));
    connect(calendarAction_, &QAction::triggered, this, &DbDateEdit::showCalendar);
}

DbDateEdit::DbDateEdit(data::DataSet* ds, const QString& fieldName, QWidget* parent)
    : DbDateEdit(parent) {
    bind(ds, fieldName);
}

QString DbDateEdit::textFromValue(const QVariant& value) const {
    if (value.isNull())
        return {};
    return format::dateToStr(value.toDate());
}

QVariant DbDateEdit::valueFromText(const QString& text) const {
    if (text.trimmed().isEmpty())
        return {};
    const QDate d = format::strToDate(text);
    if (link().fieldDef().kind == data::ValueKind::DateTime)
        return QDateTime(d, QTime(0, 0));
    return d;
}

QDate DbDateEdit::date() const {
    const QVariant v = link().value();
    return v.isNull() ? QDate() : v.toDate();
}

void DbDateEdit::setDate(const QDate& date) {
    if (!canModify())
        return;
    const QVariant v = !date.isValid() ? QVariant()
                       : link().fieldDef().kind == data::ValueKind::DateTime
                           ? QVariant(QDateTime(date, QTime(0, 0)))
                           : QVariant(date);
    link().write(v);
}

void DbDateEdit::showCalendar() {
    if (!canModify())
        return;
    auto* calendar = new QCalendarWidget(this);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setObjectName(QStringLiteral("Calendar"));
    QDate shown = date();
    if (hasPendingEdit()) {
        try {
            shown = format::strToDate(text());
        } catch (const format::ConversionError&) {
            // The calendar opens on the field's date instead.
        }
    }
    calendar->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    connect(calendar, &QCalendarWidget::activated, this, [this, calendar](const QDate& d) {
        calendar->close();
        setDate(d);
        setFocus(Qt::OtherFocusReason);
    });
    connect(calendar, &QCalendarWidget::clicked, this, [this, calendar](const QDate& d) {
        calendar->close();
        setDate(d);
        setFocus(Qt::OtherFocusReason);
    });
    calendar->move(mapToGlobal(rect().bottomLeft()));
    calendar->show();
}

void DbDateEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F4 ||
        (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))) {
        showCalendar();
        event->accept();
        return;
    }
    DbEdit::keyPressEvent(event);
}

} // namespace zelt::ui
