#pragma once

#include <string>

namespace zelt::format {

// A double as the decimal digits a person reads, rounded for display or for
// calculation. Every number text of the program is built from this one form, so
// that masks, the general format and the rounding helpers agree on the digits.
//
// The value is 0.d1d2d3... x 10^exponent: "12345" with exponent 3 is 123.45,
// "5" with exponent -1 is 0.05. digits holds no leading or trailing zeros; it is
// empty when the value is zero or rounded to zero (negative is then false).
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool isZero() const { return digits.empty(); }
    // Number of digits before the decimal point (0 for values below 1).
    int integerDigits() const { return exponent > 0 ? exponent : 0; }
    // The digit at a place: place 1 is the units, 2 the tens, 0 the first
    // decimal, -1 the second; '0' outside the digits.
    char digitAt(int place) const;
};

// The digits of the shortest text that reads back as the same double: 2.675
// gives "2675" with exponent 1. Zero, infinities and NaN give zero.
Decimal shortestDecimal(double value);

// Rounds a decimal at whichever comes first: the precision-th significant digit
// or the decimals-th decimal, halves away from zero on its digits. A precision
// below 1 counts as 1; decimals may be negative (round to tens, hundreds...).
Decimal roundDecimal(Decimal decimal, int precision, int decimals);

// The double nearest to a decimal.
double toDouble(const Decimal& decimal);

// The value as a person reads it, rounded for display: first written with
// precision significant digits, then rounded at the decimals-th decimal,
// halves away from zero.
//
// The digits are those of the shortest text that reads back as the same double
// (2.675, not 2.67499999999999982236431605997495353221893310546875), so a half
// rounds as the half the user typed or the calculation meant: 2.675 to two
// decimals is 2.68, and 1.115 * 3, which is 3.3449999999999998 in binary and
// 3.345 to 15 digits, is 3.35.
// Not for infinities and NaN: the caller formats those itself.
Decimal toDecimal(double value, int precision, int decimals);

// A value rounded to a number of decimals as amounts are rounded: on its
// decimal digits (15 significant), halves away from zero. 1.005 to two
// decimals is 1.01.
double roundToDecimals(double value, int decimals);

// The fixed-notation text of a decimal: "-123.45", "0.05", "0"; with at least
// minDecimals digits after the point (zeros added), and no point when there are
// no decimals to show.
std::string toFixedText(const Decimal& decimal, int minDecimals = 0);

} // namespace zelt::format
