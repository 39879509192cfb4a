#pragma once

#include <QChar>
#include <QString>

// Text conversions of the form toolkit. Integers are 32-bit signed, as the window's fields are.

// Skips leading blanks, takes one sign, then decimal digits and nothing else; raises
// EConvertError on anything else or outside the 32-bit range.
int StrToInt(const QString& text);
// As StrToInt, but gives the default instead of raising.
int StrToIntDef(const QString& text, int defaultValue);
// Decimal number with the current decimal separator and an optional exponent; surrounding
// blanks are ignored. Raises EConvertError on anything else.
double StrToFloat(const QString& text);
// General format: at most 15 significant digits, fixed notation while that is exact enough,
// otherwise mantissa and exponent ("1.23456789012346E15").
QString FloatToStr(double value);
// Plain decimal, minus sign when negative, no grouping (also what printf's "%i" gives).
QString IntToStr(long long value);

// The decimal separator that StrToFloat and FloatToStr use: the user's locale unless set.
QChar DecimalSeparator();
void SetDecimalSeparator(QChar separator);
