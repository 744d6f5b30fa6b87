#include "platform/format/Convert.h"

#include <gtest/gtest.h>

#include <QString>

#include <string>

using namespace zelt::format;

namespace {

// The message a conversion throws, or "no error: <result>" when it converts.
template <typename Convert> std::string messageOf(Convert convert, const char* text) {
    try {
        convert(QString::fromUtf8(text));
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), error.message().toStdString());
        return error.message().toStdString();
    }
    return "no error";
}

} // namespace

TEST(StrToFloat, ReadsNumbersAsTyped) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"12.5", 12.5}, {" 12.5 ", 12.5}, {"-3", -3}, {"+4.25", 4.25}, {"1.5E3", 1500},
        {"2e-2", 0.02}, {".5", 0.5},      {"1.", 1},  {"0", 0},        {"-0.000001", -0.000001},
    };
    for (const auto& c : cases)
        EXPECT_EQ(strToFloat(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(StrToFloat, RefusesWithTheRunTimeMessage) {
    const char* texts[] = {"abc", "",      " ", "1,000", "12a", "1 000", "1e", "+-1",
                           "--1", "1.2.3", ".", "inf",   "nan", "0x10",  "๑๒", "1e999"};
    for (const char* text : texts) {
        EXPECT_EQ(messageOf(strToFloat, text),
                  "'" + std::string(text) + "' is not a valid floating point value")
            << text;
    }
}

TEST(StrToInt, ReadsWholeNumbersInTheIntegerRange) {
    EXPECT_EQ(strToInt(u"42"), 42);
    EXPECT_EQ(strToInt(u"  42"), 42);
    EXPECT_EQ(strToInt(u"-7"), -7);
    EXPECT_EQ(strToInt(u"+7"), 7);
    EXPECT_EQ(strToInt(u"007"), 7);
    EXPECT_EQ(strToInt(u"2147483647"), 2147483647);
    EXPECT_EQ(strToInt(u"-2147483648"), -2147483647 - 1);

    const char* texts[] = {
        "abc", "",   "-", "42 ", "4.2", "4 2", "2147483648", "-2147483649", "99999999999999999999999",
        "๑",   "1e3"};
    for (const char* text : texts)
        EXPECT_EQ(messageOf(strToInt, text), "'" + std::string(text) + "' is not a valid integer value")
            << text;
}

TEST(StrToDate, ReadsDayMonthYear) {
    const int thisYear = QDate::currentDate().year();
    const struct {
        const char* text;
        QDate expected;
    } cases[] = {
        {"05/03/2026", QDate(2026, 3, 5)},   {"5/3/2026", QDate(2026, 3, 5)},
        {" 05/03/2026 ", QDate(2026, 3, 5)}, {"29/02/2024", QDate(2024, 2, 29)},
        {"31/12/1999", QDate(1999, 12, 31)}, {"01/01/0999", QDate(999, 1, 1)},
        {"5/3", QDate(thisYear, 3, 5)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(strToDate(QString::fromUtf8(c.text)), c.expected) << c.text;

    // A two-digit year lies within fifty years of this one, on either side.
    for (const int year : {thisYear, thisYear - 49, thisYear + 49}) {
        const QString text = QStringLiteral("05/03/%1").arg(year % 100, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(strToDate(text), QDate(year, 3, 5)) << text.toStdString();
    }
}

TEST(StrToDate, RefusesWithTheRunTimeMessage) {
    const char* texts[] = {"31/02/2026",       "29/02/2025",  "00/01/2026", "05/13/2026",
                           "2026-03-05",       "05.03.2026",  "",           "abc",
                           "05/03/2026 10:00", "05/03/20261", "5//2026",    "๐๕/๐๓/๒๕๖๙"};
    for (const char* text : texts)
        EXPECT_EQ(messageOf(strToDate, text), "'" + std::string(text) + "' is not a valid date") << text;
}

TEST(StrToDateTime, ReadsADateWithAnOptionalTime) {
    const QDate day(2026, 3, 5);
    const struct {
        const char* text;
        QDateTime expected;
    } cases[] = {
        {"05/03/2026 10:15", QDateTime(day, QTime(10, 15))},
        {"05/03/2026 10:15:30", QDateTime(day, QTime(10, 15, 30))},
        {"5/3/2026 7:05:09", QDateTime(day, QTime(7, 5, 9))},
        {"05/03/2026 23:59:59.5", QDateTime(day, QTime(23, 59, 59, 500))},
        {" 05/03/2026  10:15 ", QDateTime(day, QTime(10, 15))},
        {"05/03/2026", QDateTime(day, QTime(0, 0))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(strToDateTime(QString::fromUtf8(c.text)), c.expected) << c.text;

    const char* texts[] = {"31/02/2026 10:00",
                           "05/03/2026 24:00",
                           "05/03/2026 10:60",
                           "05/03/2026 10",
                           "05/03/2026 10:15 x",
                           "10:15",
                           "",
                           "now"};
    for (const char* text : texts) {
        EXPECT_EQ(messageOf(strToDateTime, text), "'" + std::string(text) + "' is not a valid date and time")
            << text;
    }
}

// The error dialog recognises a mistyped date by the fragment "is not a valid
// date" (any case); number errors must not be taken for one.
TEST(ConversionError, DateErrorsCarryTheFragmentTheErrorDialogLooksFor) {
    const auto isDateError = [](const std::string& message) {
        return QString::fromStdString(message).contains(u"is not a valid date", Qt::CaseInsensitive);
    };
    EXPECT_TRUE(isDateError(messageOf(strToDate, "31/02/2026")));
    EXPECT_TRUE(isDateError(messageOf(strToDateTime, "31/02/2026 10:00")));
    EXPECT_FALSE(isDateError(messageOf(strToFloat, "abc")));
    EXPECT_FALSE(isDateError(messageOf(strToInt, "abc")));
}

TEST(ConversionError, WhatIsUtf8) {
    try {
        strToFloat(u"สิบ");
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), std::string("'สิบ' is not a valid floating point value"));
    }
}

TEST(DateToStr, DayMonthAndFourDigitYear) {
    EXPECT_EQ(dateToStr(QDate(2026, 3, 5)), QStringLiteral("05/03/2026"));
    EXPECT_EQ(dateToStr(QDate(999, 1, 2)), QStringLiteral("02/01/0999"));
    EXPECT_EQ(dateToStr(QDate()), QString());
    EXPECT_EQ(strToDate(dateToStr(QDate(2024, 2, 29))), QDate(2024, 2, 29));

    EXPECT_EQ(dateTimeToStr(QDateTime(QDate(2026, 3, 5), QTime(9, 5, 7))),
              QStringLiteral("05/03/2026 09:05:07"));
    EXPECT_EQ(dateTimeToStr(QDateTime(QDate(2026, 3, 5), QTime(0, 0))), QStringLiteral("05/03/2026"));
    EXPECT_EQ(dateTimeToStr(QDateTime()), QString());
}
