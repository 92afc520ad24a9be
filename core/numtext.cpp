#include "core/numtext.h"

#include "core/errors.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace qn {

namespace {

// Digits and exponent of the shortest text that reads back as the value rounded to 15
// significant digits, so 0.1 + 0.2 is written "0.3" but 1/3 keeps 15 digits.
void shortestDigits(double value, std::string& digits, int& exponent)
{
    char buf[40];
    constexpr auto scientific = std::chars_format::scientific;
    const auto rounded = std::to_chars(buf, buf + sizeof buf, value, scientific, 14);
    double target = 0;
    std::from_chars(buf, rounded.ptr, target, scientific);
    // Shortest round-trip text of the 15-digit value has at most 15 digits.
    const auto result = std::to_chars(buf, buf + sizeof buf, target, scientific);
    const std::string text(buf, result.ptr);
    // text: d[.ddd]e[+-]xx
    const auto e = text.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            digits += text[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    exponent = std::atoi(text.c_str() + e + 1);
}

[[noreturn]] void badFloat(std::string_view text)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void badInt(std::string_view text)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

} // namespace

std::string FloatToStrG(double value)
{
    if (value == 0 || !std::isfinite(value)) {
        if (std::isnan(value))
            return "NAN";
        if (std::isinf(value))
            return value > 0 ? "INF" : "-INF";
        return "0";
    }
    const bool negative = value < 0;
    std::string digits;
    int exponent = 0;
    shortestDigits(std::fabs(value), digits, exponent);
    std::string out = negative ? "-" : "";
    const double magnitude = std::fabs(value);
    if (magnitude >= 0.00001 && exponent < 15) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const auto intDigits = static_cast<std::size_t>(exponent + 1);
            if (digits.size() <= intDigits) {
                out += digits;
                out.append(intDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, intDigits);
                out += '.';
                out += digits.substr(intDigits);
            }
        }
    } else {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

double StrToFloat(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (i < n && isBlank(text[i]))
        ++i;
    std::size_t end = n;
    while (end > i && isBlank(text[end - 1]))
        --end;
    const std::size_t start = i;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissaDigits = 0;
    while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        ++mantissaDigits;
    }
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        badFloat(text);
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            badFloat(text);
    }
    if (i != end)
        badFloat(text);
    const std::string number(text.substr(start, end - start));
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value))
        badFloat(text);
    return value;
}

int StrToInt(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        badInt(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (!std::isdigit(static_cast<unsigned char>(c)))
            badInt(text);
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            badInt(text);
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        badInt(text);
    return static_cast<int>(value);
}

int WholeFromValue(double value)
{
    // A whole value in range reads back as itself; only the others need the text path,
    // which then fails with the message naming the text.
    if (value >= INT_MIN && value <= INT_MAX && value == std::trunc(value))
        return static_cast<int>(value);
    return StrToInt(FloatToStrG(value));
}

} // namespace qn
