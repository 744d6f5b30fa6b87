#include "printing/AmountWords.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;
using namespace zelt::printing;

namespace {

// English expectations are written with '_' for each blank, since the double and
// triple blanks between words are part of the printed text.
QString blanks(const char* text) {
    return QString::fromLatin1(text).replace(u'_', u' ');
}

struct NumberCase {
    qint64 n;
    QString expected;
};

struct AmountCase {
    int decimals;
    double amount;
    QString expected;
};

void expectNumbers(QString (*words)(qint64), const std::vector<NumberCase>& cases) {
    for (const NumberCase& c : cases)
        EXPECT_EQ(words(c.n).toStdString(), c.expected.toStdString()) << "n = " << c.n;
}

void expectAmounts(QString (*tell)(int, double), const std::vector<AmountCase>& cases) {
    for (const AmountCase& c : cases)
        EXPECT_EQ(tell(c.decimals, c.amount).toStdString(), c.expected.toStdString())
            << "amount = " << QString::number(c.amount, 'g', 17).toStdString()
            << ", decimals = " << c.decimals;
}

constexpr qint64 kInt64Max = std::numeric_limits<qint64>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The largest double whose whole part fits a 64-bit integer, and the first one that does not.
constexpr double kLargestAmount = 9223372036854774784.0;
constexpr double kTwoToThe63 = 9223372036854775808.0;

} // namespace

TEST(AmountWords, ThaiNumberWords) {
    expectNumbers(ThaiNumberWords, {
                                       {0, u""_s},
                                       {-5, u""_s},
                                       {1, u"หนึ่ง"_s},
                                       {10, u"สิบ"_s},
                                       {11, u"สิบเอ็ด"_s},
                                       {20, u"ยี่สิบ"_s},
                                       {21, u"ยี่สิบเอ็ด"_s},
                                       {101, u"หนึ่งร้อยหนึ่ง"_s},
                                       {111, u"หนึ่งร้อยสิบเอ็ด"_s},
                                       {1'001, u"หนึ่งพันหนึ่ง"_s},
                                       {10'001, u"หนึ่งหมื่นหนึ่ง"_s},
                                       {222'222, u"สองแสนสองหมื่นสองพันสองร้อยยี่สิบสอง"_s},
                                       {1'000'001, u"หนึ่งล้านหนึ่ง"_s},
                                       {1'250'000, u"หนึ่งล้านสองแสนห้าหมื่น"_s},
                                       {2'000'000, u"สองล้าน"_s},
                                       {2'000'021, u"สองล้านยี่สิบเอ็ด"_s},
                                       {20'000'000, u"ยี่สิบล้าน"_s},
                                       {21'000'000, u"ยี่สิบเอ็ดล้าน"_s},
                                       {2'147'483'647, u"สองพันหนึ่งร้อยสี่สิบเจ็ดล้านสี่แสนแปดหมื่นสามพันหกร้อยสี่สิบเจ็ด"_s},
                                       {2'147'483'648, u"สองพันหนึ่งร้อยสี่สิบเจ็ดล้านสี่แสนแปดหมื่นสามพันหกร้อยสี่สิบแปด"_s},
                                       {1'000'000'000'000, u"หนึ่งล้านล้าน"_s},
                                       {1'000'001'000'001, u"หนึ่งล้านหนึ่งล้านหนึ่ง"_s},
                                       {kInt64Max, u"เก้าล้านสองแสนสองหมื่นสามพันสามร้อยเจ็ดสิบสองล้าน"
                                                   u"สามหมื่นหกพันแปดร้อยห้าสิบสี่ล้านเจ็ดแสนเจ็ดหมื่นห้าพันแปดร้อยเจ็ด"_s},
                                   });
}

TEST(AmountWords, EngNumberWords) {
    expectNumbers(
        EngNumberWords,
        {
            {0, u""_s},
            {-1, u""_s},
            {1, blanks("ONE_")},
            {20, blanks("TWENTY_")},
            {34, blanks("THIRTY_FOUR_")},
            {40, blanks("FORTY_")},
            {45, blanks("FORTY_FIVE_")},
            {100, blanks("ONE__HUNDRED_")},
            {115, blanks("ONE__HUNDRED_FIFTEEN_")},
            {1'234, blanks("ONE__THOUSAND_TWO__HUNDRED_THIRTY_FOUR_")},
            {10'000, blanks("TEN__THOUSAND_")},
            {10'001, blanks("TEN__THOUSAND_ONE_")},
            {11'000, blanks("ELEVEN__THOUSAND_")},
            {20'000, blanks("TWENTY__THOUSAND_")},
            {99'999, blanks("NINETY_NINE__THOUSAND_NINE__HUNDRED_NINETY_NINE_")},
            {1'250'000, blanks("ONE__MILLION_TWO__HUNDRED_FIFTY__THOUSAND_")},
            {10'000'000, blanks("TEN__MILLION_")},
            {2'147'483'648, blanks("TWO__THOUSAND_ONE__HUNDRED_FORTY_SEVEN__MILLION_"
                                   "FOUR__HUNDRED_EIGHTY_THREE__THOUSAND_SIX__HUNDRED_FORTY_EIGHT_")},
            {1'000'000'000'000, blanks("ONE__MILLION__MILLION_")},
            {kInt64Max, blanks("NINE__MILLION_TWO__HUNDRED_TWENTY_THREE__THOUSAND_THREE__HUNDRED_"
                               "SEVENTY_TWO__MILLION_THIRTY_SIX__THOUSAND_EIGHT__HUNDRED_FIFTY_FOUR__"
                               "MILLION_SEVEN__HUNDRED_SEVENTY_FIVE__THOUSAND_EIGHT__HUNDRED_SEVEN_")},
        });
}

// The rounding and range rows live here; the other amount texts share the same
// reading of the amount.
TEST(AmountWords, TellRealThai) {
    expectAmounts(TellRealThai,
                  {
                      {2, 1234.50, u"หนึ่งพันสองร้อยสามสิบสี่บาทห้าสิบสตางค์"_s},
                      {2, 100.00, u"หนึ่งร้อยบาทถ้วน"_s},
                      {2, 21.01, u"ยี่สิบเอ็ดบาทหนึ่งสตางค์"_s},
                      {2, 1250000.00, u"หนึ่งล้านสองแสนห้าหมื่นบาทถ้วน"_s},
                      {2, 5.05, u"ห้าบาทห้าสตางค์"_s},
                      {1, 1234.50, u"หนึ่งพันสองร้อยสามสิบสี่บาทห้าสตางค์"_s},
                      {0, 1234.50, u"หนึ่งพันสองร้อยสามสิบห้าบาทถ้วน"_s},
                      {0, 1234.49, u"หนึ่งพันสองร้อยสามสิบสี่บาทถ้วน"_s},
                      {2, 0.0, u""_s},
                      // Halves round away from zero on the amount as written, not on its binary value.
                      {2, 1.005, u"หนึ่งบาทหนึ่งสตางค์"_s},
                      {2, 2.675, u"สองบาทหกสิบแปดสตางค์"_s},
                      {2, 1.0049, u"หนึ่งบาทถ้วน"_s},
                      {2, 99.995, u"หนึ่งร้อยบาทถ้วน"_s},
                      {2, 0.005, u"หนึ่งสตางค์"_s},
                      {2, 0.004, u""_s},
                      {2, -2.675, u"ลบสองบาทหกสิบแปดสตางค์"_s},
                      {2, -0.004, u""_s},
                      // Below one baht: satang only.
                      {2, 0.01, u"หนึ่งสตางค์"_s},
                      {2, 0.50, u"ห้าสิบสตางค์"_s},
                      {2, 0.99, u"เก้าสิบเก้าสตางค์"_s},
                      // Below zero: "ลบ" and the words of the size.
                      {2, -1234.50, u"ลบหนึ่งพันสองร้อยสามสิบสี่บาทห้าสิบสตางค์"_s},
                      {2, -100.00, u"ลบหนึ่งร้อยบาทถ้วน"_s},
                      {2, -0.25, u"ลบยี่สิบห้าสตางค์"_s},
                      // Whole parts beyond 32 bits, up to the largest that fits 64 bits.
                      {2, 2147483648.00, u"สองพันหนึ่งร้อยสี่สิบเจ็ดล้านสี่แสนแปดหมื่นสามพันหกร้อยสี่สิบแปดบาทถ้วน"_s},
                      {2, 999999999999.99,
                       u"เก้าแสนเก้าหมื่นเก้าพันเก้าร้อยเก้าสิบเก้าล้าน"
                       u"เก้าแสนเก้าหมื่นเก้าพันเก้าร้อยเก้าสิบเก้าบาทเก้าสิบเก้าสตางค์"_s},
                      {2, kLargestAmount,
                       u"เก้าล้านสองแสนสองหมื่นสามพันสามร้อยเจ็ดสิบสองล้าน"
                       u"สามหมื่นหกพันแปดร้อยห้าสิบสี่ล้านเจ็ดแสนเจ็ดหมื่นสี่พันเจ็ดร้อยแปดสิบสี่บาทถ้วน"_s},
                      {2, kTwoToThe63, u""_s},
                      {2, -kTwoToThe63, u""_s},
                      {2, 1e300, u""_s},
                      {2, kNaN, u""_s},
                      {2, kInfinity, u""_s},
                      {2, -kInfinity, u""_s},
                      // Decimals are kept within 0 to 18; 18 fraction digits need a 64-bit reading.
                      {18, 1.5, u"หนึ่งบาทห้าแสนล้านล้านสตางค์"_s},
                      {25, 1.5, u"หนึ่งบาทห้าแสนล้านล้านสตางค์"_s},
                      {-1, 1234.50, u"หนึ่งพันสองร้อยสามสิบห้าบาทถ้วน"_s},
                  });
}

TEST(AmountWords, TellRealThai2) {
    expectAmounts(TellRealThai2, {
                                     {2, 1234.50, u"หนึ่งพันสองร้อยสามสิบสี่จุดห้าสิบ"_s},
                                     {2, 5.05, u"ห้าจุดห้า"_s},
                                     {2, 100.00, u"หนึ่งร้อย"_s},
                                     {0, 7.5, u"แปด"_s},
                                     {2, 0.0, u""_s},
                                     {2, 0.50, u"ศูนย์จุดห้าสิบ"_s},
                                     {2, -5.05, u"ลบห้าจุดห้า"_s},
                                     {2, -0.01, u"ลบศูนย์จุดหนึ่ง"_s},
                                 });
}

TEST(AmountWords, TellRealEng) {
    expectAmounts(
        TellRealEng,
        {
            {2, 1234.50, blanks("ONE__THOUSAND_TWO__HUNDRED_THIRTY_FOUR__BAHT__AND_FIFTY__SATANG")},
            {2, 100.00, blanks("ONE__HUNDRED__BAHT__ONLY")},
            {2, 21.01, blanks("TWENTY_ONE__BAHT__AND_ONE__SATANG")},
            {2, 1250000.00, blanks("ONE__MILLION_TWO__HUNDRED_FIFTY__THOUSAND__BAHT__ONLY")},
            {2, 10001.00, blanks("TEN__THOUSAND_ONE__BAHT__ONLY")},
            {2, 40.45, blanks("FORTY__BAHT__AND_FORTY_FIVE__SATANG")},
            {2, 20.20, blanks("TWENTY__BAHT__AND_TWENTY__SATANG")},
            {1, 1234.50, blanks("ONE__THOUSAND_TWO__HUNDRED_THIRTY_FOUR__BAHT__AND_FIVE__SATANG")},
            {0, 1234.50, blanks("ONE__THOUSAND_TWO__HUNDRED_THIRTY_FIVE__BAHT__ONLY")},
            {2, 1.005, blanks("ONE__BAHT__AND_ONE__SATANG")},
            {2, 0.0, u""_s},
            {2, 0.50, blanks("FIFTY__SATANG")},
            {2, -1234.50, blanks("MINUS_ONE__THOUSAND_TWO__HUNDRED_THIRTY_FOUR__BAHT__AND_FIFTY__SATANG")},
            {2, -0.05, blanks("MINUS_FIVE__SATANG")},
            {2, 2147483648.00,
             blanks("TWO__THOUSAND_ONE__HUNDRED_FORTY_SEVEN__MILLION_FOUR__HUNDRED_EIGHTY_THREE__"
                    "THOUSAND_SIX__HUNDRED_FORTY_EIGHT__BAHT__ONLY")},
            {2, kTwoToThe63, u""_s},
        });
}

TEST(AmountWords, TellRealEng2) {
    expectAmounts(TellRealEng2,
                  {
                      {2, 100.00, blanks("ONE__HUNDRED___ONLY")},
                      {2, 1234.50, blanks("ONE__THOUSAND_TWO__HUNDRED_THIRTY_FOUR___POINT_FIFTY__")},
                      {2, 5.05, blanks("FIVE___POINT_FIVE__")},
                      {0, 99.5, blanks("ONE__HUNDRED___ONLY")},
                      {2, 0.0, u""_s},
                      {2, 0.50, blanks("ZERO___POINT_FIFTY__")},
                      {2, -0.50, blanks("MINUS_ZERO___POINT_FIFTY__")},
                      {2, -21.01, blanks("MINUS_TWENTY_ONE___POINT_ONE__")},
                  });
}
