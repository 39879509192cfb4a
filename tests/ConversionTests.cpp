#include "Conversions.h"
#include "Exception.h"

#include <gtest/gtest.h>

namespace {

// Puts the decimal separator back to the point when a test ends, however it ends.
class SeparatorGuard {
public:
    explicit SeparatorGuard(QChar separator) { SetDecimalSeparator(separator); }
    ~SeparatorGuard() { SetDecimalSeparator(u'.'); }
    SeparatorGuard(const SeparatorGuard&) = delete;
    SeparatorGuard& operator=(const SeparatorGuard&) = delete;
};

// Whether the text raises the conversion error of the toolkit.
bool rejectsInt(const QString& text) {
    try {
        StrToInt(text);
    } catch (const EConvertError&) {
        return true;
    }
    return false;
}

bool rejectsFloat(const QString& text) {
    try {
        StrToFloat(text);
    } catch (const EConvertError&) {
        return true;
    }
    return false;
}

} // namespace

TEST(ConversionTest, StrToIntTakesBlanksOneSignAndDecimalDigits) {
    EXPECT_EQ(StrToInt(QStringLiteral("0")), 0);
    EXPECT_EQ(StrToInt(QStringLiteral("123")), 123);
    EXPECT_EQ(StrToInt(QStringLiteral("+5")), 5);
    EXPECT_EQ(StrToInt(QStringLiteral("-5")), -5);
    EXPECT_EQ(StrToInt(QStringLiteral("-0")), 0);
    EXPECT_EQ(StrToInt(QStringLiteral("007")), 7);
    EXPECT_EQ(StrToInt(QStringLiteral("   42")), 42);
    EXPECT_EQ(StrToInt(QStringLiteral(" -17")), -17);
    // Leading zeros do not count against the range.
    EXPECT_EQ(StrToInt(QStringLiteral("0000000000002147483647")), 2147483647);

    // The 32-bit limits are numbers; one beyond them is not.
    EXPECT_EQ(StrToInt(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(StrToInt(QStringLiteral("-2147483648")), -2147483647 - 1);
    EXPECT_TRUE(rejectsInt(QStringLiteral("2147483648")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("+2147483648")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("-2147483649")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("4294967296")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("12345678901")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("99999999999")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("-99999999999")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("99999999999999999999999")));
}

TEST(ConversionTest, StrToIntRejectsEverythingElse) {
    EXPECT_TRUE(rejectsInt(QString()));
    EXPECT_TRUE(rejectsInt(QStringLiteral("")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("   ")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("-")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("+")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("--5")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("+-5")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("- 5")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("5 ")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("5-")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("1 2")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("12a")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("abc")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("1.5")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("1,5")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("1e3")));
    // Digits of other scripts are not decimal digits here: Arabic-Indic and full-width.
    EXPECT_TRUE(rejectsInt(QStringLiteral("\u0661\u0662")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("\uFF11\uFF12")));
    EXPECT_TRUE(rejectsInt(QStringLiteral("1\uFF12")));
    // The conversion error is a toolkit Exception, so the error display takes it.
    EXPECT_THROW(StrToInt(QStringLiteral("x")), Exception);
}

TEST(ConversionTest, StrToIntDefGivesTheDefaultInsteadOfRaising) {
    EXPECT_EQ(StrToIntDef(QStringLiteral("25"), 0), 25);
    EXPECT_EQ(StrToIntDef(QStringLiteral("  -3"), 0), -3);
    EXPECT_EQ(StrToIntDef(QStringLiteral("+8"), 0), 8);
    EXPECT_EQ(StrToIntDef(QStringLiteral("-2147483648"), 0), -2147483647 - 1);
    EXPECT_EQ(StrToIntDef(QStringLiteral("2147483647"), 0), 2147483647);
    // A text that parses never gives the default, even when it equals it.
    EXPECT_EQ(StrToIntDef(QStringLiteral("0"), 77), 0);

    EXPECT_EQ(StrToIntDef(QString(), 77), 77);
    EXPECT_EQ(StrToIntDef(QStringLiteral("-"), 77), 77);
    EXPECT_EQ(StrToIntDef(QStringLiteral("x"), -1), -1);
    EXPECT_EQ(StrToIntDef(QStringLiteral("5 "), 0), 0);
    EXPECT_EQ(StrToIntDef(QStringLiteral("2147483648"), 9), 9);
    EXPECT_EQ(StrToIntDef(QStringLiteral("-2147483649"), 9), 9);
    EXPECT_EQ(StrToIntDef(QStringLiteral("12345678901"), 9), 9);
    EXPECT_EQ(StrToIntDef(QStringLiteral("\u0663"), 4), 4);
    EXPECT_NO_THROW(StrToIntDef(QStringLiteral("garbage"), 0));
}

TEST(ConversionTest, StrToFloatReadsDecimalsWithTheCurrentSeparator) {
    SeparatorGuard point(u'.');
    EXPECT_EQ(StrToFloat(QStringLiteral("0")), 0.0);
    EXPECT_EQ(StrToFloat(QStringLiteral("100")), 100.0);
    EXPECT_EQ(StrToFloat(QStringLiteral("0.3")), 0.3);
    EXPECT_EQ(StrToFloat(QStringLiteral("3.6")), 3.6);
    EXPECT_EQ(StrToFloat(QStringLiteral("-2.5")), -2.5);
    EXPECT_EQ(StrToFloat(QStringLiteral("+4")), 4.0);
    EXPECT_EQ(StrToFloat(QStringLiteral("  2.25  ")), 2.25);
    EXPECT_EQ(StrToFloat(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(StrToFloat(QStringLiteral("1.5E-2")), 0.015);
    EXPECT_EQ(StrToFloat(QStringLiteral("-7.5e+1")), -75.0);
    EXPECT_EQ(StrToFloat(QStringLiteral("300")), 300.0);
    // Correctly rounded, as the compiler reads the same literal.
    EXPECT_EQ(StrToFloat(QStringLiteral("3.33333333333333")), 3.33333333333333);

    EXPECT_TRUE(rejectsFloat(QString()));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("   ")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("-")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("abc")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("1.2.3")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("--1")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("+-1")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("1 5")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("2x")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("1,5")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("inf")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("nan")));
    EXPECT_TRUE(rejectsFloat(QStringLiteral("\uFF11.5")));

    // With a comma the comma separates the decimals, and the point is no longer part of a number.
    SetDecimalSeparator(u',');
    EXPECT_EQ(StrToFloat(QStringLiteral("1,5")), 1.5);
    EXPECT_EQ(StrToFloat(QStringLiteral("-0,3")), -0.3);
    EXPECT_EQ(StrToFloat(QStringLiteral("42")), 42.0);
    EXPECT_EQ(StrToFloat(QStringLiteral("2,5E2")), 250.0);
    EXPECT_TRUE(rejectsFloat(QStringLiteral("1.5")));
}

TEST(ConversionTest, FloatToStrGivesFifteenSignificantDigitsInGeneralFormat) {
    SeparatorGuard point(u'.');
    // The fundamental frequency of the default packet: 1 / 300 us in kilohertz.
    EXPECT_EQ(FloatToStr(1000.0 / 300.0), QStringLiteral("3.33333333333333"));
    EXPECT_EQ(FloatToStr(3.3333333333333335), QStringLiteral("3.33333333333333"));
    EXPECT_EQ(FloatToStr(2.0 / 3.0), QStringLiteral("0.666666666666667"));
    EXPECT_EQ(FloatToStr(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(FloatToStr(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(FloatToStr(200.0 / 3.0 * 1000.0), QStringLiteral("66666.6666666667"));
    EXPECT_EQ(FloatToStr(123456.789), QStringLiteral("123456.789"));
    EXPECT_EQ(FloatToStr(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(FloatToStr(0.5), QStringLiteral("0.5"));

    // Whole numbers carry no decimals.
    EXPECT_EQ(FloatToStr(0.0), QStringLiteral("0"));
    EXPECT_EQ(FloatToStr(1.0), QStringLiteral("1"));
    EXPECT_EQ(FloatToStr(100.0), QStringLiteral("100"));
    EXPECT_EQ(FloatToStr(-40.0), QStringLiteral("-40"));
    // Sixteen nines round up to a whole number.
    EXPECT_EQ(FloatToStr(9.999999999999999), QStringLiteral("10"));

    // Fifteen integer digits still fit; sixteen go to mantissa and exponent.
    EXPECT_EQ(FloatToStr(999999999999999.0), QStringLiteral("999999999999999"));
    EXPECT_EQ(FloatToStr(1e15), QStringLiteral("1E15"));
    EXPECT_EQ(FloatToStr(999999999999999.9), QStringLiteral("1E15"));
    EXPECT_EQ(FloatToStr(1234567890123456.0), QStringLiteral("1.23456789012346E15"));
    EXPECT_EQ(FloatToStr(-1.5e20), QStringLiteral("-1.5E20"));
    EXPECT_EQ(FloatToStr(1e100), QStringLiteral("1E100"));

    // Down to 0.0001 the notation is fixed; below it, mantissa and exponent.
    EXPECT_EQ(FloatToStr(0.0001), QStringLiteral("0.0001"));
    EXPECT_EQ(FloatToStr(0.000123), QStringLiteral("0.000123"));
    EXPECT_EQ(FloatToStr(-0.0005), QStringLiteral("-0.0005"));
    EXPECT_EQ(FloatToStr(0.00009), QStringLiteral("9E-5"));
    EXPECT_EQ(FloatToStr(4.42615029219009e-5), QStringLiteral("4.42615029219009E-5"));
    EXPECT_EQ(FloatToStr(-0.00001234), QStringLiteral("-1.234E-5"));
    EXPECT_EQ(FloatToStr(1e-10), QStringLiteral("1E-10"));
    // Just below 0.0001 but rounding to it in fifteen digits: the rounded value decides.
    EXPECT_EQ(FloatToStr(9.999999999999999e-5), QStringLiteral("0.0001"));

    // The decimal separator of the locale, in both notations.
    SetDecimalSeparator(u',');
    EXPECT_EQ(FloatToStr(1000.0 / 300.0), QStringLiteral("3,33333333333333"));
    EXPECT_EQ(FloatToStr(-2.5), QStringLiteral("-2,5"));
    EXPECT_EQ(FloatToStr(100.0), QStringLiteral("100"));
    EXPECT_EQ(FloatToStr(0.0001), QStringLiteral("0,0001"));
    EXPECT_EQ(FloatToStr(4.42615029219009e-5), QStringLiteral("4,42615029219009E-5"));
    EXPECT_EQ(FloatToStr(1234567890123456.0), QStringLiteral("1,23456789012346E15"));
}

TEST(ConversionTest, IntToStrIsPlainDecimal) {
    EXPECT_EQ(IntToStr(0), QStringLiteral("0"));
    EXPECT_EQ(IntToStr(7), QStringLiteral("7"));
    EXPECT_EQ(IntToStr(-42), QStringLiteral("-42"));
    EXPECT_EQ(IntToStr(1234567), QStringLiteral("1234567"));
    EXPECT_EQ(IntToStr(2147483647), QStringLiteral("2147483647"));
    EXPECT_EQ(IntToStr(-2147483647LL - 1), QStringLiteral("-2147483648"));
    EXPECT_EQ(IntToStr(66666), QStringLiteral("66666"));
    // Grouping never depends on the decimal separator.
    SeparatorGuard comma(u',');
    EXPECT_EQ(IntToStr(33333), QStringLiteral("33333"));
    EXPECT_EQ(IntToStr(-1000000), QStringLiteral("-1000000"));
}
