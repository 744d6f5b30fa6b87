#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <stdexcept>

namespace zelt::format {

// A text that does not convert to the number or date asked for. The messages
// are those of the original program's run-time, word for word, because the
// error translation of the shell recognises them ("is not a valid date" becomes
// the Thai "ป้อนวันที่ไม่ถูกต้อง") and support staff know them:
//   'abc' is not a valid floating point value
//   'abc' is not a valid integer value
//   '31/02/2026' is not a valid date
//   '31/02/2026 10:00' is not a valid date and time
// The text is quoted as given, blanks included.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message)
        : std::runtime_error(message.toStdString())
        , message_(message) {}

    const QString& message() const { return message_; }

private:
    QString message_;
};

// A number typed or stored as text: blanks around it, an optional sign, digits
// with an optional "." and an optional exponent ("1.5E3"). No group separators.
// Throws ConversionError for anything else, the empty text included.
double strToFloat(QStringView text);

// A whole number in the 32-bit range: leading blanks, an optional sign, digits.
// Throws ConversionError otherwise (trailing blanks, decimals, overflow).
int strToInt(QStringView text);

// A date in the short date format "dd/mm/yyyy": day, month and year separated by
// "/", blanks around allowed. One or two digits each for day and month; a year
// of one or two digits is placed within 50 years before or after today (as the
// original run-time did: "26" is 2026, "80" is 1980 in 2026); the year may be
// left out for this year ("15/03"). Throws ConversionError for anything else,
// including days that do not exist ("31/02/2026").
QDate strToDate(QStringView text);

// A date as strToDate reads it, optionally followed by a blank and a time of day
// "hh:nn" or "hh:nn:ss" (24-hour clock, seconds may carry ".zzz"). Local time.
// Throws ConversionError with the "date and time" message otherwise.
QDateTime strToDateTime(QStringView text);

// "dd/mm/yyyy" with a four-digit year; the empty text for an invalid date.
QString dateToStr(const QDate& date);

// "dd/mm/yyyy hh:nn:ss"; only the date when the time is midnight, as the
// original run-time wrote it. The empty text for an invalid value.
QString dateTimeToStr(const QDateTime& dateTime);

} // namespace zelt::format
