#include "shell/Helpers.h"
#include "shell/SystemInfo.h"

#include "platform/format/Convert.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>
#include <limits>

using namespace zelt::shell;

TEST(RoundHalfUp, RoundsTheDecimalText) {
    const struct {
        int precision;
        int decimals;
        double value;
        double expected;
    } cases[] = {
        {15, 2, 2.345, 2.35}, // binary 2.34499999999999997
        {15, 2, -2.345, -2.35},
        {15, 2, 2.3449999, 2.34},
        {15, 2, 2.34499999, 2.35}, // the five guard decimals round first
        {15, 2, 1.005, 1.01},
        {15, 2, 2.675, 2.68},
        {18, 2, 2.675, 2.68},
        {15, 2, 999.995, 1000},
        {15, 2, 1e20, 1e20},
        {15, 3, 1.1 * 3, 3.3}, // 3.3000000000000003
        {15, 6, 1.23456749, 1.234567},
        {15, 6, 1.2345675, 1.234568},
        {15, 6, -0.0000005, -0.000001},
        {18, 6, 35.1234565, 35.123457},
        // 17 significant digits: at 15 the guard text already ends in 5.
        {15, 2, 1000000000.0049999, 1000000000.01},
        {18, 2, 1000000000.0049999, 1000000000.0},
        // Whole numbers, as the program never asks but a caller might.
        {15, 0, 2.5, 3},
        {15, 0, -2.5, -3},
        {15, 0, 2.4999, 2},
        {15, -1, 2.5, 3},
    };
    for (const auto& c : cases) {
        // Exactly the double nearest the rounded text: 2.34 + 0.01 in binary
        // would be 2.3499999999999996, not 2.35.
        EXPECT_EQ(RoundHalfUp(c.precision, c.decimals, c.value), c.expected)
            << "precision " << c.precision << ", decimals " << c.decimals << ", value " << c.value;
    }
}

TEST(RoundHalfUp, NegativeValuesRoundingToZeroGiveZeroAndNotMinusZero) {
    const double result = RoundHalfUp(15, 2, -0.001);
    EXPECT_EQ(result, 0.0);
    EXPECT_FALSE(std::signbit(result));
}

TEST(RoundHalfUp, InfinityAndNanComeBackUnchanged) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundHalfUp(15, 2, inf), inf);
    EXPECT_TRUE(std::isnan(RoundHalfUp(15, 2, std::numeric_limits<double>::quiet_NaN())));
}

TEST(ApplyDiscountText, DiscountsOnAnAmountOf1000) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"10%", 900}, {"10%5%", 855},  {"10/5/", 855},   {"50", 950},      {"10%50", 850}, {"", 1000},
        {"%", 1000},  {"10%%", 900},   {"  10%  ", 900}, {"10% 5%", 855},  {"2.5%", 975},  {"100%", 0},
        {"5/", 950},  {"12.5", 987.5}, {"-10%", 1100},   {"10%5%50", 805}, {"10%/", 900},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ApplyDiscountText(QString::fromUtf8(c.text), 1000), c.expected) << c.text;
}

TEST(ApplyDiscountText, ANumberTextThatIsNoNumberRaisesTheConversionError) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"1O%", "'1O' is not a valid floating point value"},
        {"abc", "'abc' is not a valid floating point value"},
        {"10%1,000", "'1,000' is not a valid floating point value"},
        {"10%-", "'-' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        try {
            ApplyDiscountText(QString::fromUtf8(c.text), 1000);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const zelt::format::ConversionError& error) {
            EXPECT_EQ(error.message().toStdString(), c.message);
        }
    }
}

TEST(TextHelpers, PadRepeatTrim) {
    const struct {
        const char* text;
        int length;
        char16_t fill;
        const char* expected;
    } pads[] = {
        {"AB12", 6, u' ', "  AB12"}, {"ABCDEFGH", 6, u' ', "ABCDEF"}, {"  AB12  ", 6, u' ', "  AB12"},
        {"AB12", 6, u'0', "00AB12"}, {"AB12", 4, u' ', "AB12"},       {"", 3, u' ', "   "},
        {"AB12", 0, u' ', ""},       {"AB12", -1, u' ', ""},          {"เลขที่", 8, u' ', "  เลขที่"},
    };
    for (const auto& p : pads) {
        EXPECT_EQ(PadLeftTo(QString::fromUtf8(p.text), p.length, QChar(p.fill)).toStdString(), p.expected)
            << p.text << " to " << p.length;
    }

    EXPECT_EQ(QStringLiteral("#,##0.") + RepeatText(QStringLiteral("0"), 3), QStringLiteral("#,##0.000"));
    EXPECT_EQ(RepeatText(QStringLiteral("ab"), 2), QStringLiteral("abab"));
    EXPECT_EQ(RepeatText(QStringLiteral("0"), 0), QString());
    EXPECT_EQ(RepeatText(QStringLiteral("0"), -2), QString());

    EXPECT_EQ(TrimLeading(QStringLiteral("  AB ")), QStringLiteral("AB "));
    EXPECT_EQ(TrimLeading(QStringLiteral("\t AB")), QStringLiteral("AB"));
    EXPECT_EQ(TrimLeading(QStringLiteral("   ")), QString());
}

TEST(TextHelpers, YearAndMonth) {
    EXPECT_EQ(YearOf(QDate(2026, 3, 5)), 2026);
    EXPECT_EQ(MonthOf(QDate(2026, 3, 5)), 3);
    EXPECT_EQ(YearOf(QDateTime(QDate(2025, 12, 31), QTime(23, 59))), 2025);
    EXPECT_EQ(MonthOf(QDateTime(QDate(2025, 12, 31), QTime(23, 59))), 12);
    EXPECT_EQ(YearOf(QDate()), 0);
    EXPECT_EQ(MonthOf(QDate()), 0);
}

TEST(SystemInfo, NamesAndAddressOfThisComputer) {
    EXPECT_FALSE(GetComputerNameText().isEmpty());

    const QString logon = GetLogonName();
    EXPECT_FALSE(logon.isEmpty());
    EXPECT_EQ(logon, logon.toUpper());

    // Empty only when the host name does not resolve; otherwise one dotted IPv4
    // address.
    const QString ip = GetLocalIP();
    if (!ip.isEmpty()) {
        const QRegularExpression dotted(
            QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
        const QRegularExpressionMatch match = dotted.match(ip);
        ASSERT_TRUE(match.hasMatch()) << ip.toStdString();
        for (int i = 1; i <= 4; ++i)
            EXPECT_LE(match.captured(i).toInt(), 255) << ip.toStdString();
    }
}
