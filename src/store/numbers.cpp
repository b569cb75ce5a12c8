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
    // Most cells hold a few digits alone: their value is exact without the conversion.
    if (const qsizetype digits = text.size() - i; digits > 0 && digits <= 9) {
        int whole = 0;
        qsizetype k = i;
        for (; k < text.size() && text[k] >= u'0' && text[k] <= u'9'; ++k)
            whole = whole * 10 + (text[k].unicode() - u'0');
        if (k == text.size())
            return whole;
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
    return static_cast<int>(std::clamp(wholePart(value), double(low), double(high)));
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
