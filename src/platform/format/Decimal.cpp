#include "platform/format/Decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace zelt::format {

char Decimal::digitAt(int place) const {
    const long index = static_cast<long>(exponent) - place;
    if (index < 0 || index >= static_cast<long>(digits.size()))
        return '0';
    return digits[static_cast<std::size_t>(index)];
}

Decimal shortestDecimal(double value) {
    Decimal result;
    if (value == 0 || !std::isfinite(value))
        return result;

    // Scientific notation: "2.675e+00", "5e-02".
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                            std::chars_format::scientific);
    if (error != std::errc())
        return result;
    const std::string text(buffer.data(), end);
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            result.digits += text[i];
    }
    while (!result.digits.empty() && result.digits.back() == '0')
        result.digits.pop_back();
    result.exponent = std::atoi(text.c_str() + e + 1) + 1;
    result.negative = value < 0;
    return result;
}

Decimal roundDecimal(Decimal decimal, int precision, int decimals) {
    const long places = std::clamp(decimals, -400, 400);
    const long keep = std::min<long>(std::max(precision, 1), decimal.exponent + places);
    if (keep < 0)
        return {};
    std::string& digits = decimal.digits;
    if (keep < static_cast<long>(digits.size())) {
        const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (up) {
            // Carry from the last digit kept; all nines become a one in front.
            std::size_t i = digits.size();
            while (i > 0 && digits[i - 1] == '9') {
                digits[i - 1] = '0';
                --i;
            }
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++decimal.exponent;
            } else {
                ++digits[i - 1];
            }
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return {};
    return decimal;
}

Decimal toDecimal(double value, int precision, int decimals) {
    constexpr int kEveryDecimal = 400;
    return roundDecimal(roundDecimal(shortestDecimal(value), precision, kEveryDecimal), INT_MAX, decimals);
}

double toDouble(const Decimal& decimal) {
    if (decimal.isZero())
        return 0.0;
    // "-2675e-3" reads back exactly as the nearest double.
    std::string text;
    if (decimal.negative)
        text += '-';
    text += decimal.digits;
    text += 'e';
    text += std::to_string(static_cast<long>(decimal.exponent) - static_cast<long>(decimal.digits.size()));
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return decimal.exponent > 0 ? (decimal.negative ? -HUGE_VAL : HUGE_VAL) : 0.0;
    return value;
}

std::string toFixedText(const Decimal& decimal, int minDecimals) {
    std::string text;
    if (decimal.negative)
        text += '-';
    if (decimal.exponent <= 0) {
        text += '0';
    } else {
        for (int place = decimal.exponent; place >= 1; --place)
            text += decimal.digitAt(place);
    }
    const int shown =
        std::max(static_cast<int>(decimal.digits.size()) - decimal.exponent, std::max(minDecimals, 0));
    if (shown > 0) {
        text += '.';
        for (int place = 0; place > -shown; --place)
            text += decimal.digitAt(place);
    }
    return text;
}

double roundToDecimals(double value, int decimals) {
    if (!std::isfinite(value))
        return value;
    return toDouble(toDecimal(value, 15, decimals));
}

} // namespace zelt::format
