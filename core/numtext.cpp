#include "core/numtext.h"

#include "core/errors.h"
#include "core/rounding.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace qn {

namespace {

// A positive finite value as significant digits d[ddd], standing for d.ddd x 10^exponent.
struct Digits {
    std::string digits;
    int exponent = 0;
};

void dropTrailingZeros(std::string& digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

// to_chars' scientific text "d[.ddd]e[+-]xx" as digits and exponent.
Digits fromScientific(const char* first, const char* last)
{
    const char* mantissaEnd = std::find(first, last, 'e');
    Digits d;
    for (const char* p = first; p != mantissaEnd; ++p)
        if (*p != '.')
            d.digits += *p;
    const char* e = mantissaEnd + 1;
    if (*e == '+')
        ++e;
    std::from_chars(e, last, d.exponent);
    return d;
}

// The shortest digits that read back as the value when there are at most 15 of them, else
// 17 digits, which always read back exactly. So 0.3 stays "0.3" and DBL_MAX keeps its digits.
Digits shortestDigits(double magnitude)
{
    char buf[40];
    constexpr auto scientific = std::chars_format::scientific;
    auto result = std::to_chars(buf, buf + sizeof buf, magnitude, scientific);
    const auto count =
        std::count_if(buf, std::find(buf, result.ptr, 'e'), [](char c) { return c != '.'; });
    if (count > 15)
        result = std::to_chars(buf, buf + sizeof buf, magnitude, scientific, 16);
    Digits d = fromScientific(buf, result.ptr);
    dropTrailingZeros(d.digits);
    return d;
}

// Adds one to the last digit of a digit string; true when it carried out of the first
// ("999" becomes "000").
bool incrementDigits(std::string& digits)
{
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

// The value to `significant` digits. Away from zero works on the exact decimal expansion of
// the double (at most 767 significant digits), so only a true half goes up.
Digits roundedDigits(double magnitude, int significant, Halves halves)
{
    significant = std::clamp(significant, 1, 17);
    constexpr auto scientific = std::chars_format::scientific;
    Digits d;
    if (halves == Halves::ToEven) {
        char buf[40];
        const auto end =
            std::to_chars(buf, buf + sizeof buf, magnitude, scientific, significant - 1).ptr;
        d = fromScientific(buf, end);
    } else {
        char buf[800];
        const auto end = std::to_chars(buf, buf + sizeof buf, magnitude, scientific, 766).ptr;
        d = fromScientific(buf, end);
        const bool up = d.digits[static_cast<std::size_t>(significant)] >= '5';
        d.digits.resize(static_cast<std::size_t>(significant));
        if (up && incrementDigits(d.digits)) {
            d.digits.insert(0, 1, '1');
            d.digits.pop_back();
            ++d.exponent;
        }
    }
    dropTrailingZeros(d.digits);
    return d;
}

std::string exponentText(int exponent, ExponentForm form)
{
    if (form == ExponentForm::Short)
        return 'E' + std::to_string(exponent);
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a literal + std::string.
    const std::size_t width = form == ExponentForm::Padded ? 3 : 2;
    const std::string power = std::to_string(std::abs(exponent));
    std::string text(1, form == ExponentForm::Padded ? 'E' : 'e');
    text += exponent < 0 ? '-' : '+';
    text.append(power.size() < width ? width - power.size() : 0, '0');
    text += power;
    return text;
}

// Plain decimals while the exponent is from the form's smallest to below `precision`.
std::string generalLayout(bool negative, const Digits& d, int precision, ExponentForm form)
{
    const std::string& digits = d.digits;
    const int exponent = d.exponent;
    std::string out = negative ? "-" : "";
    const int smallest = form == ExponentForm::Printf ? -4 : -5;
    if (exponent >= smallest && exponent < precision) {
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
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
        out += '.';
        out += digits.substr(1);
    }
    return out + exponentText(exponent, form);
}

std::string nonFiniteOrZeroText(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    return "0";
}

bool hasNonzeroDigit(std::string_view text)
{
    return text.find_first_of("123456789") != std::string_view::npos;
}

// The exact decimal expansion of a finite magnitude: a double has at most 1074 decimals.
std::string exactFixed(double magnitude)
{
    char buf[1500];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, 1080).ptr;
    return std::string(buf, end);
}

// Plain decimal digits ("123.4567") rounded half away from zero at `decimals` places.
std::string roundDecimalDigits(const std::string& text, int decimals)
{
    const auto point = text.find('.');
    const std::string intPart = point == std::string::npos ? text : text.substr(0, point);
    std::string frac = point == std::string::npos ? std::string() : text.substr(point + 1);
    const auto places = static_cast<std::size_t>(decimals);
    if (frac.size() <= places)
        frac.append(places + 1 - frac.size(), '0');
    const bool up = frac[places] >= '5';
    std::string digits = intPart + frac.substr(0, places);
    if (up && incrementDigits(digits))
        digits.insert(0, 1, '1');
    const std::size_t intLen = digits.size() - places;
    std::string result = digits.substr(0, intLen);
    if (decimals > 0)
        result += '.' + digits.substr(intLen);
    return result;
}

// The magnitude as decimals rounded half away from zero. Rounding first to six more places
// makes 1.005 round as the decimal number it was typed as.
std::string fixedHalfAway(double magnitude, int decimals)
{
    return roundDecimalDigits(roundDecimalDigits(exactFixed(magnitude), decimals + 6), decimals);
}

std::string groupThousands(const std::string& digits, const std::string& separator)
{
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

bool isPlaceholder(char c) { return c == '#' || c == '0' || c == ',' || c == '.'; }

// One section of a picture applied to a magnitude.
std::string pictureSection(double magnitude, const std::string& picture,
                           const Separators& separators)
{
    const auto first = std::find_if(picture.begin(), picture.end(), isPlaceholder);
    if (first == picture.end())
        return picture;
    const auto last = std::find_if(picture.rbegin(), picture.rend(), isPlaceholder).base();
    const std::string prefix(picture.begin(), first);
    const std::string suffix(last, picture.end());
    const std::string body(first, last);
    const auto point = body.find('.');
    const std::string intPic = point == std::string::npos ? body : body.substr(0, point);
    const std::string fracPic = point == std::string::npos ? std::string() : body.substr(point + 1);

    const bool grouping = intPic.find(',') != std::string::npos;
    std::size_t minInt = 0;
    if (const auto firstZero = intPic.find('0'); firstZero != std::string::npos)
        minInt = static_cast<std::size_t>(
            std::count_if(intPic.begin() + static_cast<std::ptrdiff_t>(firstZero), intPic.end(),
                          [](char c) { return c == '0' || c == '#'; }));
    int maxFrac = 0;
    int minFrac = 0;
    for (const char c : fracPic) {
        if (c == '#' || c == '0') {
            ++maxFrac;
            if (c == '0')
                minFrac = maxFrac;
        }
    }

    const std::string fixed = fixedHalfAway(magnitude, maxFrac);
    const auto fixedPoint = fixed.find('.');
    std::string intDigits = fixedPoint == std::string::npos ? fixed : fixed.substr(0, fixedPoint);
    std::string fracDigits =
        fixedPoint == std::string::npos ? std::string() : fixed.substr(fixedPoint + 1);
    while (fracDigits.size() > static_cast<std::size_t>(minFrac) && fracDigits.back() == '0')
        fracDigits.pop_back();
    intDigits.erase(0, std::min(intDigits.find_first_not_of('0'), intDigits.size()));
    if (intDigits.size() < minInt)
        intDigits.insert(0, minInt - intDigits.size(), '0');

    std::string out = prefix;
    out += grouping ? groupThousands(intDigits, separators.group) : intDigits;
    if (!fracDigits.empty())
        out += separators.decimal + fracDigits;
    return out + suffix;
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
    if (value == 0 || !std::isfinite(value))
        return nonFiniteOrZeroText(value);
    return generalLayout(value < 0, shortestDigits(std::fabs(value)), 15, ExponentForm::Short);
}

std::string GeneralText(double value, int significant, ExponentForm form, Halves halves)
{
    if (value == 0 || !std::isfinite(value))
        return nonFiniteOrZeroText(value);
    significant = std::clamp(significant, 1, 17);
    return generalLayout(value < 0, roundedDigits(std::fabs(value), significant, halves),
                         significant, form);
}

std::string FixedText(double value, int decimals)
{
    char buf[400];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals).ptr;
    std::string text(buf, end);
    if (text.front() == '-' && !hasNonzeroDigit(text))
        text.erase(0, 1);
    return text;
}

std::string FixedHalfAwayText(double value, int decimals)
{
    const std::string body = fixedHalfAway(std::fabs(value), decimals);
    return value < 0 && hasNonzeroDigit(body) ? "-" + body : body;
}

std::string FixedSignificantText(double value, int significant, int decimals)
{
    if (value != 0 && std::isfinite(value)
        && significant - 1 - roundedDigits(std::fabs(value), significant, Halves::ToEven).exponent
               < decimals)
        value = RoundSignificant(value, significant);
    return FixedText(value, decimals);
}

std::string PictureText(double value, const Picture& picture, const Separators& separators)
{
    if (value == 0 && !picture.zero.empty())
        return pictureSection(0, picture.zero, separators);
    if (value < 0) {
        if (!picture.negative.empty())
            return pictureSection(-value, picture.negative, separators);
        const std::string body = pictureSection(-value, picture.positive, separators);
        return hasNonzeroDigit(body) ? "-" + body : body;
    }
    return pictureSection(value, picture.positive, separators);
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
    // Each skips what it reads and says how many it read.
    auto digits = [&] {
        const std::size_t from = i;
        while (i < end && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i;
        return i - from;
    };
    auto optional = [&](char a, char b) {
        const bool there = i < end && (text[i] == a || text[i] == b);
        i += there ? 1 : 0;
        return there;
    };
    optional('+', '-');
    std::size_t mantissaDigits = digits();
    if (optional('.', '.'))
        mantissaDigits += digits();
    if (mantissaDigits == 0)
        badFloat(text);
    if (optional('E', 'e')) {
        optional('+', '-');
        if (digits() == 0)
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
