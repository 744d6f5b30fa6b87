#include "platform/format/Convert.h"

#include <QTime>

#include <charconv>
#include <climits>
#include <string>
#include <system_error>

namespace zelt::format {

namespace {

[[noreturn]] void fail(const char* what, QStringView text) {
    throw ConversionError(u'\'' + text.toString() + QLatin1StringView(what));
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads the pieces of a typed date and time from left to right.
class Scanner {
public:
    explicit Scanner(QStringView text)
        : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    bool at(QChar c) const { return !atEnd() && text_[pos_] == c; }

    void skipBlanks() {
        while (at(u' '))
            ++pos_;
    }

    bool skip(QChar c) {
        if (!at(c))
            return false;
        ++pos_;
        return true;
    }

    // A run of 1 to maxDigits ASCII digits; digits is how many there were.
    bool number(int maxDigits, int& value, int& digits) {
        value = 0;
        digits = 0;
        while (!atEnd() && isDigit(text_[pos_])) {
            if (++digits > maxDigits)
                return false;
            value = value * 10 + (text_[pos_].unicode() - u'0');
            ++pos_;
        }
        return digits > 0;
    }

    bool number(int maxDigits, int& value) {
        int digits = 0;
        return number(maxDigits, value, digits);
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// A year of one or two digits lies in the hundred years that start fifty years
// before the current one.
int expandYear(int year) {
    const int base = QDate::currentDate().year() - 50;
    year += base / 100 * 100;
    if (year < base)
        year += 100;
    return year;
}

bool scanDate(Scanner& scanner, QDate& date) {
    int day = 0;
    int month = 0;
    int year = 0;
    int yearDigits = 0;
    scanner.skipBlanks();
    if (!scanner.number(2, day) || !scanner.skip(u'/') || !scanner.number(2, month))
        return false;
    if (scanner.skip(u'/')) {
        if (!scanner.number(4, year, yearDigits))
            return false;
        if (yearDigits <= 2)
            year = expandYear(year);
    } else {
        year = QDate::currentDate().year();
    }
    if (year < 1)
        return false;
    date = QDate(year, month, day);
    return date.isValid();
}

bool scanTime(Scanner& scanner, QTime& time) {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
    int msecDigits = 0;
    if (!scanner.number(2, hour) || !scanner.skip(u':') || !scanner.number(2, minute))
        return false;
    if (scanner.skip(u':')) {
        if (!scanner.number(2, second))
            return false;
        if (scanner.skip(u'.')) {
            if (!scanner.number(3, msec, msecDigits))
                return false;
            for (; msecDigits < 3; ++msecDigits)
                msec *= 10;
        }
    }
    time = QTime(hour, minute, second, msec);
    return time.isValid();
}

} // namespace

double strToFloat(QStringView text) {
    constexpr const char* kMessage = "' is not a valid floating point value";
    const QStringView trimmed = text.trimmed();
    std::string number;
    number.reserve(static_cast<std::size_t>(trimmed.size()));
    for (const QChar c : trimmed) {
        // Digits, point, sign and exponent only: no blanks inside, no Thai or
        // other digits, no group separators.
        if (!isDigit(c) && c != u'.' && c != u'-' && c != u'+' && c != u'e' && c != u'E')
            fail(kMessage, text);
        number += static_cast<char>(c.unicode());
    }
    // from_chars takes no plus sign; one in front of the number is allowed, but
    // not a second sign after it.
    std::size_t start = 0;
    if (!number.empty() && number.front() == '+') {
        start = 1;
        if (number.size() > 1 && (number[1] == '-' || number[1] == '+'))
            fail(kMessage, text);
    }
    double value = 0;
    const char* first = number.data() + start;
    const char* last = number.data() + number.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || first == last)
        fail(kMessage, text);
    return value;
}

int strToInt(QStringView text) {
    constexpr const char* kMessage = "' is not a valid integer value";
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    if (pos >= text.size())
        fail(kMessage, text);
    qint64 value = 0;
    for (; pos < text.size(); ++pos) {
        if (!isDigit(text[pos]))
            fail(kMessage, text);
        value = value * 10 + (text[pos].unicode() - u'0');
        if (value > qint64(INT_MAX) + 1)
            fail(kMessage, text);
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        fail(kMessage, text);
    return static_cast<int>(value);
}

QDate strToDate(QStringView text) {
    Scanner scanner(text);
    QDate date;
    if (!scanDate(scanner, date))
        fail("' is not a valid date", text);
    scanner.skipBlanks();
    if (!scanner.atEnd())
        fail("' is not a valid date", text);
    return date;
}

QDateTime strToDateTime(QStringView text) {
    constexpr const char* kMessage = "' is not a valid date and time";
    Scanner scanner(text);
    QDate date;
    if (!scanDate(scanner, date))
        fail(kMessage, text);
    scanner.skipBlanks();
    QTime time(0, 0);
    if (!scanner.atEnd()) {
        if (!scanTime(scanner, time))
            fail(kMessage, text);
        scanner.skipBlanks();
        if (!scanner.atEnd())
            fail(kMessage, text);
    }
    return QDateTime(date, time);
}

QString dateToStr(const QDate& date) {
    if (!date.isValid())
        return {};
    return date.toString(u"dd/MM/yyyy");
}

QString dateTimeToStr(const QDateTime& dateTime) {
    if (!dateTime.isValid())
        return {};
    if (dateTime.time().msecsSinceStartOfDay() == 0)
        return dateToStr(dateTime.date());
    return dateTime.toString(u"dd/MM/yyyy hh:mm:ss");
}

} // namespace zelt::format
