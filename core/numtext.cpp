#include "core/numtext.h"

#include "core/errors.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <system_error>

namespace qn {

namespace {

// Significant digits and decimal exponent of the value (positive, finite, nonzero): the
// shortest digits that read back as the value when there are at most 15 of them, else 17
// digits, which always read back exactly. So 0.3 stays "0.3" and DBL_MAX keeps its digits.
void significantDigits(double value, std::string& digits, int& exponent)
{
    char buf[40];
    constexpr auto scientific = std::chars_format::scientific;
    auto result = std::to_chars(buf, buf + sizeof buf, value, scientific);
    auto mantissaEnd = std::find(buf, result.ptr, 'e');
    const auto count = std::count_if(buf, mantissaEnd, [](char c) { return c != '.'; });
    if (count > 15) {
        result = std::to_chars(buf, buf + sizeof buf, value, scientific, 16);
        mantissaEnd = std::find(buf, result.ptr, 'e');
    }
    // buf: d[.ddd]e[+-]xx
    digits.clear();
    for (const char* p = buf; p != mantissaEnd; ++p)
        if (*p != '.')
            digits += *p;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const char* e = mantissaEnd + 1;
    if (*e == '+')
        ++e;
    std::from_chars(e, result.ptr, exponent);
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
    significantDigits(std::fabs(value), digits, exponent);
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
    // from_chars reads "." whatever the C locale says and takes no "+"; the text is
    // already known to be a plain number, so only a value beyond the double range fails.
    const char* first = text.data() + start;
    const bool negative = *first == '-';
    if (*first == '+' || negative)
        ++first;
    double value = 0;
    const auto result = std::from_chars(first, text.data() + end, value);
    if (result.ec != std::errc() || result.ptr != text.data() + end || !std::isfinite(value))
        badFloat(text);
    return negative ? -value : value;
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
