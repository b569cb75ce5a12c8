#pragma once

#include <QString>
#include <QStringView>

#include <limits>

// Numbers read from texts and numbers written as texts, the same way in every window.
namespace store {

// The number a text begins with, after leading blanks: an optional "-", digits, and
// optionally "." with more digits. A text that begins with no number gives 0.
double numericValue(QStringView text);

// Int(): the largest whole number not above x.
double wholePart(double x);
// Int(value) held within low..high, by default the range of an int: every number from a
// file becomes an integer through this, so that no value (1e23, infinity, or a NaN that
// arithmetic on them gives, which counts as 0) can overflow the conversion.
int clampedWhole(double value, int low = std::numeric_limits<int>::min(),
                 int high = std::numeric_limits<int>::max());
// Half up to one decimal: Int(x * 10 + 0.5) / 10; to two decimals likewise with 100.
double roundOneDecimal(double x);
double roundTwoDecimals(double x);

// The shortest text of up to 15 significant digits, "." as the decimal point, no
// exponent, "0" before a leading point ("0.57"). With a leading blank, a number that is
// not negative gets one blank in front (" 3"); a negative number keeps its "-".
QString numberText(double value);
QString numberTextWithBlank(double value);

} // namespace store
