#include "registration/roundkeys.h"

namespace registration {

namespace {

constexpr int kCaseStep = 32;

} // namespace

TypeOfPlayKey typeOfPlayKey(int code)
{
    if (code == kQuote)
        return {};
    if (code > 96)
        code -= kCaseStep;
    const bool known = code == 'T' || code == 'S' || code == 'E';
    return {code, code >= kFirstPrintable && !known ? 2 : 0};
}

int digitKey(int code)
{
    return (code >= '0' && code <= '9') || code == kBackspace ? code : 0;
}

int noteKey(int code)
{
    return code == kQuote ? 0 : code;
}

} // namespace registration
