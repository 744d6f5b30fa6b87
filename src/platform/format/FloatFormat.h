#pragma once

#include <QString>
#include <QStringView>

namespace zelt::format {

// Formats a number with a display mask, as the original Windows program's
// run-time did for "#,##0.00" and the like. The masks of this program:
//
//   "#,##0.00"              1234.5 -> "1,234.50"     amounts
//   "###,###,##0.###### "   1234.5 -> "1,234.5 "     quantities, trailing blank kept
//   " ######.###### "       0.5    -> " .5 "         parts of a unit, blanks kept
//   "#,###.##;-#,###.##"    -3     -> "-3"           0 gives the empty text
//   ",0.00"                 1234.5 -> "1,234.50"
//
// The rules:
// - Up to three sections separated by ";": for positive values, negative values
//   and zero. A negative value with its own section is written by that section
//   alone, so the section carries its own minus sign or brackets. With no (or an
//   empty) negative section the first one is used and a minus sign is written
//   just before the first digit, after any literal text that leads the mask.
// - A value that rounds to zero for its section's decimals is zero: it takes the
//   zero section when there is one, otherwise the first section, and never shows
//   a minus sign (-0.001 with "#,##0.00" is "0.00").
// - "0" is a digit that is always shown, "#" a digit shown only when it means
//   something: "#,###.##" shows 0 as the empty text and 0.5 as ".5". Integer
//   digits beyond the places of the mask are all shown ("#" with 12345 gives
//   "12345"); decimals are rounded at the last place of the mask, halves away
//   from zero on the decimal digits (2.675 with "0.00" is "2.68").
// - "," anywhere before the decimal point groups the integer digits by three;
//   "." is the decimal point, written only when a decimal digit follows it.
// - Any other character, blanks included, is written where it stands; text in
//   single or double quotes is written without its quotes.
// - An empty mask, or an empty first section, gives floatToStr's text; so do
//   infinities and NaN.
// The decimal point and separator are always "." and ",", as the program's
// Thai and English screens both show them.
QString formatFloat(QStringView mask, double value);

// The general number format of messages: up to 15 significant digits, no
// trailing zeros, no point for whole numbers ("1234.5", "0.3" for 0.1 + 0.2,
// "-7"). Scientific notation from 10^15 up and below 0.00001: "1E15",
// "1.5E-7". Infinities and NaN are "INF", "-INF" and "NAN".
QString floatToStr(double value);

} // namespace zelt::format
