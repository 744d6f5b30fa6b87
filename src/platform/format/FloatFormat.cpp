#include "platform/format/FloatFormat.h"

#include "platform/format/Decimal.h"

#include <QList>

#include <algorithm>
#include <climits>
#include <cmath>

namespace zelt::format {

namespace {

// Digits of precision for display: what a double holds reliably. Whole numbers
// beyond it keep every digit the double has, rather than losing their last ones.
constexpr int kDisplayPrecision = 15;
// Far more decimals than any double carries: "no rounding at a decimal".
constexpr int kAllDecimals = 400;

bool isQuote(QChar c) {
    return c == u'\'' || c == u'"';
}

// The sections of a mask, split at ";" outside quoted text. Only the first
// three mean something; further ones are ignored.
QList<QStringView> splitSections(QStringView mask) {
    QList<QStringView> sections;
    qsizetype start = 0;
    QChar quote;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (isQuote(c)) {
            quote = c;
        } else if (c == u';') {
            sections.append(mask.mid(start, i - start));
            start = i + 1;
        }
    }
    sections.append(mask.mid(start));
    return sections;
}

// What a section asks of the digits.
struct Layout {
    int integerPlaces = 0;  // "#" and "0" before the decimal point
    int decimalPlaces = 0;  // "#" and "0" after it
    int forcedIntegers = 0; // integer places always shown, counted from the point
    int forcedDecimals = 0; // decimal places always shown
    bool grouping = false;
};

Layout scanSection(QStringView section) {
    int places = 0;
    int point = -1;
    int firstZero = INT_MAX;
    int afterLastZero = 0;
    bool grouping = false;
    QChar quote;
    for (const QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (isQuote(c)) {
            quote = c;
        } else if (c == u'#') {
            ++places;
        } else if (c == u'0') {
            firstZero = std::min(firstZero, places);
            ++places;
            afterLastZero = places;
        } else if (c == u'.') {
            if (point < 0)
                point = places;
        } else if (c == u',') {
            if (point < 0)
                grouping = true;
        }
    }
    if (point < 0)
        point = places;

    Layout layout;
    layout.integerPlaces = point;
    layout.decimalPlaces = places - point;
    layout.forcedIntegers = firstZero == INT_MAX ? 0 : std::max(point - firstZero, 0);
    layout.forcedDecimals = std::max(afterLastZero - point, 0);
    layout.grouping = grouping;
    return layout;
}

// Writes the digits of a value into the places of a section, from left to
// right. "place" is the decimal place of the next digit: 1 the units, 0 the
// first decimal. "pending" counts the mask's places still to pass before the
// value's first digit (negative), or the value's integer digits that have no
// place of their own and go out at the first place (positive).
class DigitWriter {
public:
    DigitWriter(const Decimal& decimal, const Layout& layout, bool minus)
        : decimal_(decimal)
        , layout_(layout)
        , minus_(minus) {
        pending_ = decimal.exponent - layout.integerPlaces;
        place_ = pending_ > 0 ? decimal.exponent : layout.integerPlaces;
    }

    void place(QString& out) {
        if (pending_ < 0) {
            ++pending_;
            if (place_ <= layout_.forcedIntegers)
                writeDigit(out, '0');
            else
                --place_;
            return;
        }
        for (; pending_ > 0; --pending_)
            nextDigit(out);
        nextDigit(out);
    }

private:
    void nextDigit(QString& out) {
        if (next_ < decimal_.digits.size())
            writeDigit(out, decimal_.digits[next_++]);
        else if (place_ <= -layout_.forcedDecimals)
            --place_; // an optional decimal with nothing to show
        else
            writeDigit(out, '0');
    }

    void writeDigit(QString& out, char digit) {
        if (!started_) {
            started_ = true;
            if (minus_)
                out += u'-';
        }
        if (place_ == 0)
            out += u'.';
        out += QChar::fromLatin1(digit);
        --place_;
        if (layout_.grouping && place_ > 0 && place_ % 3 == 0)
            out += u',';
    }

    const Decimal& decimal_;
    const Layout& layout_;
    const bool minus_;
    int pending_ = 0;
    int place_ = 0;
    std::size_t next_ = 0;
    bool started_ = false;
};

QString applySection(QStringView section, const Decimal& decimal, const Layout& layout, bool minus) {
    QString out;
    DigitWriter writer(decimal, layout, minus);
    QChar quote;
    for (const QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
        } else if (isQuote(c)) {
            quote = c;
        } else if (c == u'#' || c == u'0') {
            writer.place(out);
        } else if (c != u'.' && c != u',') {
            out += c;
        }
    }
    return out;
}

} // namespace

QString formatFloat(QStringView mask, double value) {
    if (!std::isfinite(value))
        return floatToStr(value);

    const QList<QStringView> sections = splitSections(mask);
    const auto sectionAt = [&](int index) {
        return index < sections.size() ? sections[index] : QStringView();
    };
    int index = value > 0 ? 0 : value < 0 ? 1 : 2;
    if (sectionAt(index).isEmpty())
        index = 0;
    if (sectionAt(index).isEmpty())
        return floatToStr(value);

    Layout layout = scanSection(sectionAt(index));
    const int precision = std::max(kDisplayPrecision, shortestDecimal(value).exponent);
    Decimal decimal = toDecimal(value, precision, layout.decimalPlaces);
    if (decimal.isZero() && index != 2) {
        // Rounded to nothing: shown as zero, by the zero section when there is one.
        index = sectionAt(2).isEmpty() ? 0 : 2;
        if (sectionAt(index).isEmpty())
            return floatToStr(0);
        layout = scanSection(sectionAt(index));
    }
    return applySection(sectionAt(index), decimal, layout, decimal.negative && index == 0);
}

QString floatToStr(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");

    const Decimal decimal = toDecimal(value, kDisplayPrecision, kAllDecimals);
    if (decimal.isZero())
        return QStringLiteral("0");
    if (decimal.exponent <= kDisplayPrecision && decimal.exponent >= -4)
        return QString::fromLatin1(toFixedText(decimal));

    // Scientific: one digit before the point, the exponent without "+" or
    // leading zeros.
    QString text;
    if (decimal.negative)
        text += u'-';
    text += QChar::fromLatin1(decimal.digits.front());
    if (decimal.digits.size() > 1)
        text += u'.' + QString::fromLatin1(decimal.digits.substr(1));
    text += u'E' + QString::number(decimal.exponent - 1);
    return text;
}

} // namespace zelt::format
