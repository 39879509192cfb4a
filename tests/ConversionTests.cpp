#include "Conversions.h"
#include "Exception.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <utility>

namespace {

// Puts the decimal separator back to the point when a test ends, however it ends.
class SeparatorGuard {
public:
    explicit SeparatorGuard(QChar separator) { SetDecimalSeparator(separator); }
    ~SeparatorGuard() { SetDecimalSeparator(u'.'); }
    SeparatorGuard(const SeparatorGuard&) = delete;
    SeparatorGuard& operator=(const SeparatorGuard&) = delete;
};

// Whether the conversion raises the toolkit's conversion error on the text.
template <class Convert> bool rejects(Convert convert, const QString& text) {
    try {
        convert(text);
    } catch (const EConvertError&) {
        return true;
    }
    return false;
}

} // namespace

TEST(ConversionTest, StrToIntTakesLeadingBlanksOneSignAndDecimalDigitsWithin32Bits) {
    const std::pair<const char*, int> numbers[] = {{"0", 0},      {"123", 123}, {"+5", 5},
                                                   {"-5", -5},    {"-0", 0},    {"007", 7},
                                                   {"   42", 42}, {" -17", -17}};
    for (const auto& [text, value] : numbers) {
        EXPECT_EQ(StrToInt(QString::fromUtf8(text)), value) << text;
        EXPECT_EQ(StrToIntDef(QString::fromUtf8(text), 77), value) << text;
    }
    EXPECT_EQ(StrToInt(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(StrToInt(QStringLiteral("-2147483648")), -2147483647 - 1);
    // Leading zeros do not count against the range.
    EXPECT_EQ(StrToInt(QStringLiteral("0000000000002147483647")), 2147483647);

    // Out of range, blanks that are not leading, extra signs, decimals, and digits of other
    // scripts (Arabic-Indic, full-width); and the empty text.
    const QStringList rejected =
        QStringLiteral("2147483648|+2147483648|-2147483649|4294967296|12345678901|-99999999999|"
                       "99999999999999999999999|   |-|+|--5|+-5|- 5|5 |5-|1 2|12a|abc|1.5|1,5|1e3|"
                       "\u0661\u0662|\uFF11\uFF12|1\uFF12|")
            .split(u'|');
    for (const QString& text : rejected) {
        EXPECT_TRUE(rejects(StrToInt, text)) << text.toStdString();
        EXPECT_EQ(StrToIntDef(text, 9), 9) << text.toStdString();
    }
    // The conversion error is a toolkit Exception, so the error display takes it.
    EXPECT_THROW(StrToInt(QStringLiteral("x")), Exception);
}

TEST(ConversionTest, StrToFloatReadsDecimalsWithTheCurrentSeparator) {
    SeparatorGuard point(u'.');
    const std::pair<const char*, double> numbers[] = {
        {"0", 0.0},         {"100", 100.0},
        {"0.3", 0.3},       {"-2.5", -2.5},
        {"+4", 4.0},        {"  2.25  ", 2.25},
        {"1e3", 1000.0},    {"1.5E-2", 0.015},
        {"-7.5e+1", -75.0}, {"3.33333333333333", 3.33333333333333}}; // correctly rounded
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(StrToFloat(QString::fromUtf8(text)), value) << text;
    for (const QString& text :
         QStringLiteral("|   |-|abc|1.2.3|--1|+-1|1 5|2x|1,5|inf|nan|\uFF11.5").split(u'|'))
        EXPECT_TRUE(rejects(StrToFloat, text)) << text.toStdString();

    // With a comma the comma separates the decimals, and the point is no longer part of a number.
    SetDecimalSeparator(u',');
    EXPECT_EQ(StrToFloat(QStringLiteral("-0,3")), -0.3);
    EXPECT_EQ(StrToFloat(QStringLiteral("2,5E2")), 250.0);
    EXPECT_TRUE(rejects(StrToFloat, QStringLiteral("1.5")));
}

TEST(ConversionTest, FloatToStrGivesFifteenSignificantDigitsInGeneralFormat) {
    SeparatorGuard point(u'.');
    // 3.3333333333333335 is 1000 / 300, the fundamental frequency of the default packet in
    // kilohertz. Whole numbers carry no decimals; fifteen integer digits still fit, sixteen go to
    // mantissa and exponent; down to 0.0001 the notation is fixed, below it mantissa and exponent;
    // a value that rounds to a limit in fifteen digits takes the notation of the rounded value.
    const std::pair<double, const char*> texts[] = {{3.3333333333333335, "3.33333333333333"},
                                                    {2.0 / 3.0, "0.666666666666667"},
                                                    {0.1 + 0.2, "0.3"},
                                                    {200.0 / 3.0 * 1000.0, "66666.6666666667"},
                                                    {0.0, "0"},
                                                    {-40.0, "-40"},
                                                    {9.999999999999999, "10"},
                                                    {999999999999999.0, "999999999999999"},
                                                    {999999999999999.9, "1E15"},
                                                    {1234567890123456.0, "1.23456789012346E15"},
                                                    {-1.5e20, "-1.5E20"},
                                                    {0.0001, "0.0001"},
                                                    {0.00009, "9E-5"},
                                                    {4.42615029219009e-5, "4.42615029219009E-5"},
                                                    {-0.00001234, "-1.234E-5"},
                                                    {9.999999999999999e-5, "0.0001"}};
    for (const auto& [value, text] : texts)
        EXPECT_EQ(FloatToStr(value), QString::fromUtf8(text)) << text;

    // The decimal separator of the locale, in both notations.
    SetDecimalSeparator(u',');
    EXPECT_EQ(FloatToStr(1000.0 / 300.0), QStringLiteral("3,33333333333333"));
    EXPECT_EQ(FloatToStr(100.0), QStringLiteral("100"));
    EXPECT_EQ(FloatToStr(4.42615029219009e-5), QStringLiteral("4,42615029219009E-5"));
}

TEST(ConversionTest, IntToStrIsPlainDecimalWithoutGrouping) {
    SeparatorGuard comma(u',');
    EXPECT_EQ(IntToStr(-42), QStringLiteral("-42"));
    EXPECT_EQ(IntToStr(1234567), QStringLiteral("1234567"));
    EXPECT_EQ(IntToStr(2147483647), QStringLiteral("2147483647"));
    EXPECT_EQ(IntToStr(-2147483647LL - 1), QStringLiteral("-2147483648"));
}
