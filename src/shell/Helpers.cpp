#include "shell/Helpers.h"

#include "platform/format/Convert.h"
#include "platform/format/Decimal.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace zelt::shell {

namespace {

// Blanks as the trimming of texts counts them: the blank and every control
// character below it.
bool isBlank(QChar c) {
    return c.unicode() <= u' ';
}

QString trimmed(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

// The extra decimals the value is written with before the deciding digit is
// read.
constexpr int kGuardDecimals = 5;

} // namespace

double RoundHalfUp(int precision, int decimals, double value) {
    if (!std::isfinite(value))
        return value;
    const int places = std::clamp(decimals, 0, 300);
    const format::Decimal written =
        format::roundDecimal(format::shortestDecimal(value), precision, places + kGuardDecimals);
    return format::toDouble(format::roundDecimal(written, INT_MAX, places));
}

double ApplyDiscountText(const QString& text, double amount) {
    QString discounts = trimmed(QString(text).replace(u'/', u'%'));
    double left = amount;
    QString number;
    for (const QChar c : std::as_const(discounts)) {
        if (c != u'%') {
            number += c;
            continue;
        }
        const double percent = trimmed(number).isEmpty() ? 0.0 : format::strToFloat(number);
        left = (100 - percent) / 100 * left;
        number.clear();
    }
    if (!number.isEmpty())
        left -= format::strToFloat(number);
    return left;
}

QString RepeatText(const QString& text, int count) {
    if (count <= 0)
        return {};
    return text.repeated(count);
}

QString PadLeftTo(const QString& text, int length, QChar fill) {
    if (length <= 0)
        return {};
    const QString value = trimmed(text);
    if (value.size() >= length)
        return value.left(length);
    return QString(length - value.size(), fill) + value;
}

QString TrimLeading(const QString& text) {
    qsizetype first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    return text.mid(first);
}

int YearOf(const QDate& date) {
    return date.isValid() ? date.year() : 0;
}

int YearOf(const QDateTime& dateTime) {
    return YearOf(dateTime.date());
}

int MonthOf(const QDate& date) {
    return date.isValid() ? date.month() : 0;
}

int MonthOf(const QDateTime& dateTime) {
    return MonthOf(dateTime.date());
}

} // namespace zelt::shell
