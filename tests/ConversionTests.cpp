// Conversions without a window, where the reference scenarios cannot reach: numbers in another
// locale and at the edges of the general format, and pixels of absurd values.

#include "Coefficients.h"
#include "Conversions.h"
#include "Exception.h"
#include "PixelMath.h"

#include <QStringList>
#include <climits>
#include <gtest/gtest.h>
#include <limits>

TEST(Conversions, TextsOfNumbers) {
    for (const QString& text :
         QStringLiteral("|2147483648|-2147483649|--5|- 5|5 |1.5|1e3").split(u'|'))
        EXPECT_THROW(StrToInt(text), EConvertError) << qPrintable(text);
    const std::pair<double, const char*> texts[] = {
        {0.1 + 0.2, "0.3"},          {999999999999999.0, "999999999999999"},
        {999999999999999.9, "1E15"}, {-1.5e20, "-1.5E20"},
        {0.00009, "9E-5"},           {9.999999999999999e-5, "0.0001"}};
    for (const auto& [value, text] : texts)
        EXPECT_EQ(FloatToStr(value), QString::fromUtf8(text));
    EXPECT_EQ(StrToFloat(QStringLiteral(" -7.5e+1 ")), -75.0);
    EXPECT_THROW(StrToFloat(QStringLiteral("1,5")), EConvertError);
    SetDecimalSeparator(u',');
    EXPECT_EQ(FloatToStr(4.42615029219009e-5), QStringLiteral("4,42615029219009E-5"));
    EXPECT_EQ(StrToFloat(QStringLiteral("-0,3")), -0.3);
    SetDecimalSeparator(u'.');
}

TEST(Pixels, TruncatedTowardZeroClampedFarOutsideAndNoneForNaN) {
    using namespace plot;
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(toPixel(-2.7L), -2);
    EXPECT_EQ(toPixel(1e300L), kFarPixel);
    EXPECT_EQ(toPixel(-1e300L), -kFarPixel);
    EXPECT_EQ(toPixel(nan), std::nullopt);
    EXPECT_EQ(spectrum::truncateToInt(-1e12L), INT_MIN);
    EXPECT_EQ(spectrum::truncateToInt(nan), 0);
}
