#include "platform/format/FloatFormat.h"

#include <gtest/gtest.h>

#include <QString>

#include <limits>

using namespace zelt::format;

namespace {

struct MaskCase {
    const char* mask;
    double value;
    const char* expected;
};

} // namespace

// Every mask the program uses, with the values that tell a right formatter from
// a nearly right one: signs, zero, halves at the last shown digit, values whose
// binary form lies just below the half, large amounts, optional digits.
TEST(FormatFloat, MasksOfTheProgram) {
    const MaskCase cases[] = {
        // Amounts.
        {"#,##0.00", 1234.5, "1,234.50"},
        {"#,##0.00", -1234.5, "-1,234.50"},
        {"#,##0.00", 0, "0.00"},
        {"#,##0.00", 0.5, "0.50"},
        {"#,##0.00", 100, "100.00"},
        {"#,##0.00", 123456, "123,456.00"},
        {"#,##0.00", 1234567, "1,234,567.00"},
        {"#,##0.00", 1234567890123.45, "1,234,567,890,123.45"},
        {"#,##0.00", 2.675, "2.68"},   // binary 2.67499999...
        {"#,##0.00", -2.675, "-2.68"}, // halves away from zero
        {"#,##0.00", 1.005, "1.01"},
        {"#,##0.00", 1.115 * 3, "3.35"}, // 3.3449999999999998 is 3.345 to 15 digits
        {"#,##0.00", 1.0049, "1.00"},
        {"#,##0.00", 999.995, "1,000.00"}, // the carry reaches a new group
        {"#,##0.00", -0.004, "0.00"},      // rounds to zero: no minus sign
        {"#,##0.00", 1e18, "1,000,000,000,000,000,000.00"},
        {"###,###,##0.00", 1234567.891, "1,234,567.89"},
        {",0.00", 1234.5, "1,234.50"},
        {",0.00", 0, "0.00"},
        {",0.00", -0.5, "-0.50"},
        {",0.000", 2.0005, "2.001"},
        {",0.0000000", 35.12, "35.1200000"},
        // Prices and rates: "#,##0." with the price decimals, optional decimals.
        {"#,##0.", 1234.5, "1,235"},
        {"#,##0.", 0, "0"},
        {"#,##0.000", 1.0005, "1.001"},
        {"#,##0.00####", 1.5, "1.50"},
        {"#,##0.00####", 31.123456789, "31.123457"},
        {"###0.00####", 1234.5, "1234.50"},
        // Quantities: leading and trailing blanks are part of the text.
        {"###,###,##0.###### ", 1234.5, "1,234.5 "},
        {"###,###,##0.###### ", -1234.5, "-1,234.5 "},
        {"###,###,##0.###### ", 0, "0 "},
        {"###,###,##0.###### ", 12, "12 "},
        {"###,###,##0.###### ", 1.23456789, "1.234568 "},
        {"###,###,##0.###### ", 0.0000004, "0 "},
        {"###,###,##0.###### ", 0.0000005, "0.000001 "},
        {"###,###,##0.###### ", 1234567890123, "1,234,567,890,123 "},
        {" ######.###### ", 0.5, " .5 "},
        {" ######.###### ", 12, " 12 "},
        {" ######.###### ", 12.3456785, " 12.345679 "},
        {" ######.###### ", 1234567.25, " 1234567.25 "}, // more digits than places, no grouping
        {" ######.###### ", -3, " -3 "},                 // minus after the leading blank
        {" ######.###### ", 0, "  "},
        {" #,###,###.###### ", 1234.5, " 1,234.5 "},
        {" #,###,###.###### ", 0, "  "},
        {" #,###,##0.00 ", 1234.5, " 1,234.50 "},
        {" #,###,##0.00 ", -1234.5, " -1,234.50 "},
        {" #,###,##0.00 ", 0, " 0.00 "},
        {" #,###,##0.0000 ", 1.23455, " 1.2346 "},
        {"###,###,##0 ", 1234567, "1,234,567 "},
        {"###,###,##0 ", 2.5, "3 "},
        {"###,###,##0 ", -2.5, "-3 "},
        {"###,###,##0 ", 0, "0 "},
        {"###,###,##0 ", -0.4, "0 "},
        // Two sections: the negative one writes its own minus sign.
        {"#,###.##;-#,###.##", 2, "2"},
        {"#,###.##;-#,###.##", -3, "-3"},
        {"#,###.##;-#,###.##", 1234, "1,234"},
        {"#,###.##;-#,###.##", -1234.567, "-1,234.57"},
        {"#,###.##;-#,###.##", 1.005, "1.01"},
        {"#,###.##;-#,###.##", 0, ""}, // no "0" place: nothing to show
        {"#,###.##;-#,###.##", -0.001, ""},
        {"#,##0.##;-#,##0.##", -1234.5, "-1,234.5"},
        {"#,##0.##;-#,##0.##", 0, "0"},
        {"#,##0.##;-#,##0.##", -0.001, "0"}, // rounds to zero: the first section
        // Three sections, empty sections, quoted text, odd places.
        {"#,##0.00;(#,##0.00);-", 5, "5.00"},
        {"#,##0.00;(#,##0.00);-", -5, "(5.00)"},
        {"#,##0.00;(#,##0.00);-", 0, "-"},
        {"#,##0.00;(#,##0.00);-", -0.001, "-"},
        {"#,##0.00;(#,##0.00);-", 0.001, "-"},
        {"#,##0.00;;Zero", -5, "-5.00"},
        {"#,##0.00;;Zero", 0, "Zero"},
        {"0.00 'kg;'", 5, "5.00 kg;"},
        {"\"#\"0", 5, "#5"},
        {"0000", 12, "0012"},
        {"0,000", 5, "0,005"},
        {"#", 12345, "12345"},
        {"#", 0, ""},
        {"0", 0.5, "1"},
        {"0", -0.5, "-1"},
        {".00", 12.5, "12.50"},
        {"#.##", 0.05, ".05"},
        {"0.00", 0.05, "0.05"},
        // No mask: the general format.
        {"", 1234.5, "1234.5"},
        {";-0", 5, "5"},
    };
    for (const MaskCase& c : cases) {
        EXPECT_EQ(formatFloat(QString::fromUtf8(c.mask), c.value).toStdString(), c.expected)
            << "mask \"" << c.mask << "\", value " << c.value;
    }
}

TEST(FormatFloat, InfinityAndNanFallBackToTheGeneralFormat) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatFloat(u"#,##0.00", inf), QStringLiteral("INF"));
    EXPECT_EQ(formatFloat(u"#,##0.00", -inf), QStringLiteral("-INF"));
    EXPECT_EQ(formatFloat(u"#,##0.00", std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NAN"));
}

TEST(FloatToStr, GeneralFormatOfMessages) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0, "0"},
        {1234.5, "1234.5"},
        {-7, "-7"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {1234567.1, "1234567.1"},
        {123456789012345, "123456789012345"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {-1.5e-7, "-1.5E-7"},
        {-0.0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(floatToStr(c.value).toStdString(), c.expected) << c.value;
}
