#include "printing/AmountWords.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace zelt::printing {

namespace {

// Index = digit. Thai reads 2 in the tens place as "ยี่" and a final 1 after a
// tens word as "เอ็ด"; both are handled where they apply.
constexpr QStringView kThaiDigit[] = {u"",   u"หนึ่ง", u"สอง", u"สาม", u"สี่",
                                      u"ห้า", u"หก",  u"เจ็ด", u"แปด", u"เก้า"};

struct ThaiPlace {
    int value;
    QStringView word;
};
constexpr ThaiPlace kThaiPlaces[] = {{100'000, u"แสน"}, {10'000, u"หมื่น"}, {1'000, u"พัน"}, {100, u"ร้อย"}};

// Index = number, 0 to 20; every word carries its trailing blank.
constexpr QStringView kEngUpToTwenty[] = {
    u"",          u"ONE ",     u"TWO ",     u"THREE ",     u"FOUR ",     u"FIVE ",     u"SIX ",
    u"SEVEN ",    u"EIGHT ",   u"NINE ",    u"TEN ",       u"ELEVEN ",   u"TWELVE ",   u"THIRTEEN ",
    u"FOURTEEN ", u"FIFTEEN ", u"SIXTEEN ", u"SEVENTEEN ", u"EIGHTEEN ", u"NINETEEN ", u"TWENTY "};

// Index = tens digit, 2 to 9. Spelt "FORTY": the misspelling "FOURTY" would go
// out on documents to foreign vendors.
constexpr QStringView kEngTens[] = {u"",       u"",       u"TWENTY ",  u"THIRTY ", u"FORTY ",
                                    u"FIFTY ", u"SIXTY ", u"SEVENTY ", u"EIGHTY ", u"NINETY "};

// An amount split for reading: the whole part and the digits after the point
// read as one number (satang when there are 2 decimals; "05" is 5).
struct AmountParts {
    bool negative = false;
    qint64 whole = 0;
    qint64 fraction = 0;
};

bool readDigits(std::string_view digits, qint64& value) {
    value = 0;
    if (digits.empty())
        return true;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size();
}

// Rounds the amount to the given decimals, halves away from zero, and splits it.
// The rounding works on the shortest decimal text of the double, which is the
// amount as it was typed or stored (1.005, 2.675), so it rounds up as the user
// expects; multiplying the binary value would give 1.00 and 2.67.
// No value when the amount rounds to zero, is not finite, or its whole part does
// not fit 64 bits.
std::optional<AmountParts> splitAmount(double amount, int decimals) {
    if (!std::isfinite(amount))
        return std::nullopt;
    const std::size_t places = static_cast<std::size_t>(std::clamp(decimals, 0, 18));

    // Fixed notation of any finite double is at most 309 digits before the point
    // and a few hundred after it.
    std::array<char, 512> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(amount),
                                            std::chars_format::fixed);
    if (error != std::errc())
        return std::nullopt;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t point = text.find('.');
    const std::string_view wholeText = text.substr(0, point);
    const std::string_view fractionText =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);

    std::string digits(wholeText);
    digits += fractionText.substr(0, places);
    digits.append(places - std::min(places, fractionText.size()), '0');
    if (fractionText.size() > places && fractionText[places] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }

    const std::string_view all(digits);
    AmountParts parts;
    if (!readDigits(all.substr(0, all.size() - places), parts.whole) ||
        !readDigits(all.substr(all.size() - places), parts.fraction))
        return std::nullopt;
    if (parts.whole == 0 && parts.fraction == 0)
        return std::nullopt;
    parts.negative = amount < 0;
    return parts;
}

} // namespace

QString ThaiNumberWords(qint64 n) {
    QString text;
    if (n <= 0)
        return text;

    // Millions are read as a number of their own, so they may hold millions too.
    if (const qint64 millions = n / 1'000'000; millions > 0) {
        text += ThaiNumberWords(millions);
        text += u"ล้าน";
    }
    const int rest = static_cast<int>(n % 1'000'000);
    for (const ThaiPlace& place : kThaiPlaces) {
        if (const int digit = rest / place.value % 10; digit > 0) {
            text += kThaiDigit[digit];
            text += place.word;
        }
    }
    const int tens = rest / 10 % 10;
    if (tens == 2)
        text += u"ยี่";
    else if (tens > 2)
        text += kThaiDigit[tens];
    if (tens > 0)
        text += u"สิบ";
    const int units = rest % 10;
    // "เอ็ด" only right after a tens word: สิบเอ็ด, ยี่สิบเอ็ด, but หนึ่งร้อยหนึ่ง.
    if (units == 1 && tens > 0)
        text += u"เอ็ด";
    else
        text += kThaiDigit[units];
    return text;
}

QString EngNumberWords(qint64 n) {
    QString text;
    if (n <= 0)
        return text;

    if (const qint64 millions = n / 1'000'000; millions > 0) {
        text += EngNumberWords(millions);
        text += u" MILLION ";
    }
    if (const qint64 thousands = n % 1'000'000 / 1'000; thousands > 0) {
        text += EngNumberWords(thousands);
        text += u" THOUSAND ";
    }
    if (const int hundreds = static_cast<int>(n % 1'000 / 100); hundreds > 0) {
        text += kEngUpToTwenty[hundreds];
        text += u" HUNDRED ";
    }
    const int rest = static_cast<int>(n % 100);
    if (rest <= 20) {
        text += kEngUpToTwenty[rest];
    } else {
        text += kEngTens[rest / 10];
        text += kEngUpToTwenty[rest % 10];
    }
    return text;
}

// Amounts below zero (credit notes, corrections) read as the words of their size
// after "ลบ" / "MINUS ", as an accountant says them. Amounts below one baht have
// no baht words at all ("ห้าสิบสตางค์", "FIFTY  SATANG"), and the point forms read
// them from zero ("ศูนย์จุดห้าสิบ", "ZERO   POINT FIFTY "): a text never starts
// with a currency or point word.
//
// The whole part is read as a 64-bit integer, so totals of 2,147,483,648 baht
// and more read right; above 9.2 * 10^18 the text is empty.

QString TellRealThai(int decimals, double amount) {
    QString text;
    const std::optional<AmountParts> parts = splitAmount(amount, decimals);
    if (!parts)
        return text;
    if (parts->negative)
        text += u"ลบ";
    if (parts->whole > 0) {
        text += ThaiNumberWords(parts->whole);
        text += u"บาท";
        if (parts->fraction < 1) {
            text += u"ถ้วน";
            return text;
        }
    }
    text += ThaiNumberWords(parts->fraction);
    text += u"สตางค์";
    return text;
}

QString TellRealThai2(int decimals, double amount) {
    QString text;
    const std::optional<AmountParts> parts = splitAmount(amount, decimals);
    if (!parts)
        return text;
    if (parts->negative)
        text += u"ลบ";
    if (parts->whole > 0)
        text += ThaiNumberWords(parts->whole);
    else
        text += u"ศูนย์";
    if (parts->fraction > 0) {
        text += u"จุด";
        text += ThaiNumberWords(parts->fraction);
    }
    return text;
}

QString TellRealEng(int decimals, double amount) {
    QString text;
    const std::optional<AmountParts> parts = splitAmount(amount, decimals);
    if (!parts)
        return text;
    if (parts->negative)
        text += u"MINUS ";
    if (parts->whole > 0) {
        text += EngNumberWords(parts->whole);
        text += u" BAHT ";
        if (parts->fraction < 1) {
            text += u" ONLY";
            return text;
        }
        text += u" AND ";
    }
    text += EngNumberWords(parts->fraction);
    text += u" SATANG";
    return text;
}

QString TellRealEng2(int decimals, double amount) {
    QString text;
    const std::optional<AmountParts> parts = splitAmount(amount, decimals);
    if (!parts)
        return text;
    if (parts->negative)
        text += u"MINUS ";
    if (parts->whole > 0)
        text += EngNumberWords(parts->whole);
    else
        text += u"ZERO ";
    text += u" ";
    if (parts->fraction < 1) {
        text += u" ONLY";
    } else {
        text += u" POINT ";
        text += EngNumberWords(parts->fraction);
        text += u" ";
    }
    return text;
}

} // namespace zelt::printing
