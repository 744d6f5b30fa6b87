#pragma once

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>

// Small calculation and text helpers of the document forms: rounding of amounts,
// discount texts, display formats and document numbers. No database, no screen.
namespace zelt::shell {

// The value rounded to the given decimals, halves away from zero, worked out on
// the decimal text of the value rather than on its binary form, so that 2.345
// (stored as 2.34499999999999997...) rounds to 2.35 as the user expects.
//
// The value is first written with precision significant digits and five more
// decimals than asked for; the digit after the last decimal kept then decides.
// So 2.3449999 gives 2.34 but 2.34499999 gives 2.35: the five extra decimals
// absorb what binary arithmetic leaves behind (1.1 * 3 = 3.3000000000000003).
// The forms use precision 15 or 18 and 2 to 6 decimals.
//
// A value with more whole digits than the precision keeps its precision
// significant digits (the text stays in fixed notation, never scientific).
// With 0 decimals the value is rounded to a whole number the same way (2.5 gives
// 3, -2.5 gives -3); fewer than 0 decimals count as 0. The result is the double
// nearest to the rounded decimal text, and never negative zero. Infinities and
// NaN come back unchanged.
double RoundHalfUp(int precision, int decimals, double value);

// The amount left after the discounts a discount text describes:
//   "10%"    10 percent off                              1000 -> 900
//   "10%5%"  10 percent, then 5 percent of the rest      1000 -> 855
//   "10/5/"  the same; "/" is typed for "%"              1000 -> 855
//   "50"     50 off as an amount                         1000 -> 950
//   "10%50"  10 percent, then 50 off                     1000 -> 850
//   ""       no discount                                 1000 -> 1000
// An empty number before a "%" (the text "%" alone, or "10%%") is 0 percent.
// A number text that is not a number ("1O%", "1,000") throws the conversion
// error of format::strToFloat, which the caller lets reach the error dialog.
double ApplyDiscountText(const QString& text, double amount);

// The text repeated count times; empty for a count of 0 or less. Builds display
// formats such as "#,##0." followed by as many "0" as decimals.
QString RepeatText(const QString& text, int count);

// The trimmed text fitted to length characters: cut to its first length
// characters when longer, filled on the left with fill when shorter. Document
// numbers are right-aligned this way to the width of their numbering code:
// "AB12" to 6 is "  AB12". A length of 0 or less gives the empty text.
QString PadLeftTo(const QString& text, int length, QChar fill = u' ');

// The text without its leading blanks (and other control characters below the
// blank, as typed tabs).
QString TrimLeading(const QString& text);

// The calendar year and the month number (1 to 12) of a date; 0 for an invalid
// date.
int YearOf(const QDate& date);
int YearOf(const QDateTime& dateTime);
int MonthOf(const QDate& date);
int MonthOf(const QDateTime& dateTime);

} // namespace zelt::shell
