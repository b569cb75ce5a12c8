#include "store/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace store {

double numericValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    // Most cells hold "-digits.digits" alone with few digits: m / 10^k of two exact doubles
    // is the nearest double to the decimal, the same value the conversion gives.
    {
        qsizetype k = i;
        const bool negative = k < text.size() && text[k] == u'-';
        if (negative)
            ++k;
        qint64 mantissa = 0;
        int digits = 0;
        int decimals = 0;
        bool point = false;
        for (; k < text.size() && digits <= 15; ++k) {
            const char16_t c = text[k].unicode();
            if (c >= u'0' && c <= u'9') {
                mantissa = mantissa * 10 + (c - u'0');
                ++digits;
                decimals += point ? 1 : 0;
            } else if (c == u'.' && !point) {
                point = true;
            } else {
                break;
            }
        }
        if (k == text.size() && digits > 0 && digits <= 15) {
            static constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
            const double value = double(mantissa) / kPowers[decimals];
            return value == 0 ? 0 : negative ? -value : value; // no negative zero
        }
    }
    // The longest "-digits.digits" at the front, collected for the locale-free conversion.
    std::string number;
    if (i < text.size() && text[i] == u'-') {
        number += '-';
        ++i;
    }
    bool anyDigit = false;
    const auto takeDigits = [&] {
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
            number += char(text[i].unicode());
            anyDigit = true;
            ++i;
        }
    };
    takeDigits();
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        ++i;
        takeDigits();
    }
    if (!anyDigit)
        return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        value = number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    return value == 0 ? 0 : value; // no negative zero
}

double wholePart(double x)
{
    return std::floor(x);
}

int clampedWhole(double value, int low, int high)
{
    const double whole = std::isnan(value) ? 0 : wholePart(value);
    return static_cast<int>(std::clamp(whole, double(low), double(high)));
}

double roundOneDecimal(double x)
{
    return std::floor(x * 10 + 0.5) / 10;
}

double roundTwoDecimals(double x)
{
    return std::floor(x * 100 + 0.5) / 100;
}

QString numberText(double value)
{
    if (!std::isfinite(value))
        return value > 0 ? QStringLiteral("inf") : value < 0 ? QStringLiteral("-inf") : QStringLiteral("nan");
    if (value == 0)
        return QStringLiteral("0");
    // A whole number of up to 15 digits is its digits.
    if (std::abs(value) < 1e15 && value == std::floor(value))
        return QString::number(qint64(value));
    // 15 significant digits as d.dddddddddddddde+XX, then written out without the exponent.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string scientific(buffer, result.ptr);
    const bool negative = scientific.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (std::size_t k = mantissaStart; k < e; ++k)
        if (scientific[k] != '.')
            digits += scientific[k];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::stoi(scientific.substr(e + 1));

    std::string text = negative ? "-" : "";
    if (exponent < 0) {
        text += "0.";
        text += std::string(std::size_t(-exponent - 1), '0');
        text += digits;
    } else {
        const std::size_t whole = std::size_t(exponent) + 1;
        if (digits.size() <= whole) {
            text += digits;
            text += std::string(whole - digits.size(), '0');
        } else {
            text += digits.substr(0, whole);
            text += '.';
            text += digits.substr(whole);
        }
    }
    return QString::fromLatin1(text);
}

QString numberTextWithBlank(double value)
{
    const QString text = numberText(value);
    return text.startsWith(u'-') ? text : u' ' + text;
}

} // namespace store
