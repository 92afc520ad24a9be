#include "core/errors.h"
#include "core/numtext.h"
#include "tests/support/refusal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace qn;

// "'<text>' is not a valid <kind> value", built without a literal + std::string, on which
// GCC 12 warns falsely (-Wrestrict).
static std::string notValid(const char* text, const char* kind)
{
    return std::string(1, '\'')
        .append(text)
        .append("' is not a valid ")
        .append(kind)
        .append(" value");
}

TEST(FloatToStrG, ShortestGeneralText)
{
    const std::pair<double, const char*> rows[] = {
        {100000, "100000"},
        {8.75, "8.75"},
        {786.7, "786.7"},
        {0.009, "0.009"},
        {1, "1"},
        {0, "0"},
        {-0.0, "0"},
        {1e-6, "1E-6"},
        {1.5e20, "1.5E20"},
        {0.00001, "0.00001"},
        {-8.75, "-8.75"},
        {0.3, "0.3"},
        {1e15, "1E15"},
        {999999999999999, "999999999999999"},
        {0.0032, "0.0032"},
        {360, "360"},
        {1.23e-7, "1.23E-7"},
        // Where 15 digits do not read back, 17 do.
        {0.1 + 0.2, "0.30000000000000004"},
        {1.0 / 3, "0.33333333333333331"},
        {-1.7976931348623157e308, "-1.7976931348623157E308"},
        {2.2250738585072014e-308, "2.2250738585072014E-308"},
        {4.9406564584124654e-324, "5E-324"},
    };
    for (const auto& [value, text] : rows)
        EXPECT_EQ(FloatToStrG(value), text) << value;
}

// Over many magnitudes: the text reads back as the value rounded to 15 digits and no
// shorter rounding of the value would.
TEST(FloatToStrG, ShortestAmongFifteenDigitRoundings)
{
    std::uint64_t seed = 0x9E3779B97F4A7C15ULL;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        const double mantissa = static_cast<double>(seed >> 11) / 9007199254740992.0;
        const int digits = 1 + static_cast<int>((seed >> 3) % 15);
        const double scale = std::pow(10.0, static_cast<int>(seed % 40) - 20);
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.*e", digits - 1, (mantissa + 0.1) * scale);
        const double value = std::strtod(buf, nullptr);
        std::snprintf(buf, sizeof buf, "%.14e", value);
        const double target = std::strtod(buf, nullptr);
        const std::string text = FloatToStrG(value);
        EXPECT_EQ(StrToFloat(text), target) << text;
        std::string shown;
        for (const char c : text.substr(0, text.find('E')))
            if (c >= '0' && c <= '9')
                shown += c;
        const auto first = shown.find_first_not_of('0');
        const auto last = shown.find_last_not_of('0');
        const std::size_t significant = last - first + 1;
        EXPECT_LE(significant, 15u) << text;
        if (significant > 1) {
            std::snprintf(buf, sizeof buf, "%.*e", static_cast<int>(significant) - 2, value);
            EXPECT_NE(std::strtod(buf, nullptr), target) << text;
        }
    }
}

TEST(StrToFloat, AcceptsPlainNumbersOnly)
{
    EXPECT_DOUBLE_EQ(StrToFloat("8.750"), 8.75);
    EXPECT_DOUBLE_EQ(StrToFloat("  -12.5E2 "), -1250);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("5."), 5);
    EXPECT_EQ(StrToFloat("1.7976931348623157E308"), 1.7976931348623157e308);
    EXPECT_EQ(StrToFloat("+4.9406564584124654E-324"), 4.9406564584124654e-324);
    for (const char* bad : {"",      " ",      "100,000", "$100000", "1.2.3", "12.5x", "E5",
                            "1E",    "-",      "inf",     "-INF",    "nan",   "NaN",   "infinity",
                            "1e309", "-2E308", "1e-400",  "0x10",    "8,75",  "1 000"}) {
        EXPECT_EQ(refusal<EConvertError>([&] { StrToFloat(bad); }),
                  notValid(bad, "floating point"));
    }
}

TEST(StrToInt, AcceptsSignAndDigitsOnly)
{
    EXPECT_EQ(StrToInt("360"), 360);
    EXPECT_EQ(StrToInt("-12"), -12);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    for (const char* bad : {"", "360.0", " 360", "1e3", "2147483648", "abc"}) {
        EXPECT_EQ(refusal<EConvertError>([&] { StrToInt(bad); }), notValid(bad, "integer"));
    }
}

TEST(WholeFromValue, FractionsAreConversionFailures)
{
    EXPECT_EQ(WholeFromValue(360), 360);
    EXPECT_EQ(WholeFromValue(-3), -3);
    EXPECT_THROW(WholeFromValue(360.5), EConvertError);
    EXPECT_THROW(WholeFromValue(1e20), EConvertError);
    EXPECT_THROW(WholeFromValue(-1.7976931348623157e308), EConvertError); // not 0
    EXPECT_THROW(WholeFromValue(std::nan("")), EConvertError);
}

// The texts of the fields, tables and reports; each row names the rule it pins.
TEST(NumberTexts, FixedGeneralAndSignificant)
{
    struct Row {
        std::string text, expected;
    };
    using F = ExponentForm;
    const Row rows[] = {
        {FixedText(-0.001, 2), "0.00"}, // no "-0.00"
        {FixedText(0.125, 2), "0.12"},  // to_chars: an exact half to even
        {FixedText(-1234.5, 1), "-1234.5"},
        {FixedHalfAwayText(1.005, 2), "1.01"}, // as typed, though the double is below
        {FixedHalfAwayText(0.125, 2), "0.13"},
        {FixedHalfAwayText(-0.004, 2), "0.00"},
        {FixedHalfAwayText(-2.5, 0), "-3"},
        {FixedHalfAwayText(9.9999999, 3), "10.000"},
        {GeneralText(8.125, 3, F::Printf), "8.13"}, // a true half away from zero
        {GeneralText(1.005, 3, F::Printf), "1"},    // the double is below the half
        {GeneralText(123456, 3, F::Printf), "1.23e+05"},
        {GeneralText(0.0001, 15, F::Printf), "0.0001"},
        {GeneralText(0.00001, 15, F::Printf), "1e-05"},
        {GeneralText(99999.5, 5, F::Printf), "1e+05"},
        {GeneralText(-0.0, 4, F::Printf), "0"},
        {GeneralText(123456, 5, F::Padded, Halves::ToEven), "1.2346E+005"},
        {GeneralText(0.000001, 5, F::Padded, Halves::ToEven), "1E-006"},
        {GeneralText(0.00001, 5, F::Padded, Halves::ToEven), "0.00001"},
        {GeneralText(12344.5, 5, F::Padded, Halves::ToEven), "12344"},
        {GeneralText(1.5e20, 15, F::Short), "1.5E20"},
        {FixedSignificantText(123.4567, 5, 3), "123.460"},
        {FixedSignificantText(11.14849, 5, 3), "11.148"},
        {FixedSignificantText(-0.0004, 5, 3), "0.000"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.text, r.expected);
}

TEST(PictureText, SectionsPlaceholdersAndSeparators)
{
    struct Row {
        double value;
        const char *positive, *negative, *zero;
        bool german; // "." groups, "," is the decimal point
        const char* expected;
    };
    const Row rows[] = {
        {1234567.891, "#,##0", "", "", false, "1,234,568"},
        {1234567.891, "#,##0.00", "", "", true, "1.234.567,89"},
        {0.5, "#,##0.##", "", "", false, "0.5"},
        {0.5, "#.##", "", "", false, ".5"}, // no required integer digit
        {1.005, "0.00", "", "", false, "1.01"},
        {7, "000", "", "", false, "007"},
        {-12.5, "#,##0.0", "", "", false, "-12.5"},
        {-0.004, "0.00", "", "", false, "0.00"}, // no sign on what shows as zero
        {-12.5, "#,##0.0", "(#,##0.0)", "", false, "(12.5)"},
        {0, "#,##0", "", "nil", false, "nil"},
        {42, "$ #,##0 total", "", "", false, "$ 42 total"},
        {42, "none", "", "", false, "none"}, // a section without placeholders is its text
    };
    for (const Row& r : rows) {
        const Separators separators = r.german ? Separators{".", ","} : Separators{",", "."};
        EXPECT_EQ(PictureText(r.value, Picture{r.positive, r.negative, r.zero}, separators),
                  r.expected)
            << r.value;
    }
}
