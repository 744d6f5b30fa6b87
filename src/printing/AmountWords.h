#pragma once

#include <QString>
#include <QtGlobal>

// Amounts in words for printed documents (purchase orders, receipts, vouchers).
// Reports print these texts as they come out, blanks included: the English words
// each carry their own blanks, so adjacent words add up to two or three blanks,
// and report layouts are made for that.
namespace zelt::printing {

// Thai words of a whole number ("ยี่สิบเอ็ด" for 21); empty for 0 and below.
// Millions are read recursively, so 10^12 is "หนึ่งล้านล้าน".
QString ThaiNumberWords(qint64 n);

// English words of a whole number, upper case, each word followed by a blank and
// scale words blank on both sides ("TWENTY ONE ", "ONE  HUNDRED "); empty for 0
// and below. Millions are read recursively ("ONE  MILLION  MILLION ").
QString EngNumberWords(qint64 n);

// The amount texts used by the report functions TELL_REAL_THAI, TELL_REAL_THAI2,
// TELL_REAL_ENG and TELL_REAL_ENG2. Note the argument order: the number of
// decimals comes first (0 to 18, normally 2; values outside are clamped).
//
// The amount is rounded to that many decimals, halves away from zero, on its
// shortest decimal text, so 1.005 is 1.01 as the user typed it, not 1.00 as the
// binary double would suggest. The digits after the point are then read as one
// whole number: with 2 decimals they count satang (5.05 gives 5 satang).
//
// Every function gives the empty text for an amount that rounds to zero, for
// NaN and infinity, and for amounts whose whole part does not fit a 64-bit
// integer (9.2 * 10^18 and above); no document carries such amounts.
//
//   TellRealThai   1,234.50 -> หนึ่งพันสองร้อยสามสิบสี่บาทห้าสิบสตางค์,  100 -> หนึ่งร้อยบาทถ้วน
//   TellRealThai2  1,234.50 -> หนึ่งพันสองร้อยสามสิบสี่จุดห้าสิบ
//   TellRealEng    100      -> "ONE  HUNDRED  BAHT  ONLY"
//   TellRealEng2   100      -> "ONE  HUNDRED   ONLY"
QString TellRealThai(int decimals, double amount);
QString TellRealThai2(int decimals, double amount);
QString TellRealEng(int decimals, double amount);
QString TellRealEng2(int decimals, double amount);

} // namespace zelt::printing
