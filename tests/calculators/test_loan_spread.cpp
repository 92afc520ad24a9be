#include "calculators/loan_spread.h"
#include "tests/support/refusal.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

using namespace qn::calc;

namespace {

// United States currency form: "$1,234.50", negatives in parentheses.
std::string usMoney(double value, int decimals)
{
    char buf[64];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals)
            .ptr;
    std::string digits(buf, end);
    const auto point = digits.find('.');
    const std::size_t wholeDigits = point == std::string::npos ? digits.size() : point;
    std::string whole;
    for (std::size_t i = 0; i < wholeDigits; ++i) {
        if (i > 0 && (wholeDigits - i) % 3 == 0)
            whole.push_back(',');
        whole.push_back(digits[i]);
    }
    const std::string fraction = digits.substr(wholeDigits);
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    const bool negative = value < 0 && !zero;
    std::string text = negative ? "($" : "$";
    text += whole;
    text += fraction;
    if (negative)
        text += ')';
    return text;
}

std::string textAt(const SpreadGrid& grid, int column, int row)
{
    return SpreadCellText(grid.at(column, row), usMoney);
}

std::vector<std::string> rowHeaders(const SpreadGrid& grid)
{
    std::vector<std::string> texts;
    for (int row = 1; row < kSpreadRows; ++row)
        texts.push_back(textAt(grid, 0, row));
    return texts;
}

std::vector<std::string> columnHeaders(const SpreadGrid& grid)
{
    std::vector<std::string> texts;
    for (int column = 1; column < kSpreadColumns; ++column)
        texts.push_back(textAt(grid, column, 0));
    return texts;
}

SpreadInputs inputs(SpreadKind kind)
{
    SpreadInputs in;
    in.kind = kind;
    return in;
}

TEST(LoanSpread, PaymentsAroundTheDefaultLoan)
{
    const SpreadGrid grid = BuildSpread(inputs(SpreadKind::Payment), {});
    EXPECT_EQ(textAt(grid, 0, 0), " Loan / Rate");
    EXPECT_EQ(textAt(grid, 0, 1), " $95,000");
    EXPECT_EQ(textAt(grid, 0, 11), " $105,000");
    EXPECT_EQ(columnHeaders(grid),
              (std::vector<std::string>{"  7.25%", "  7.75%", "  8.25%", "  8.75%", "  9.25%",
                                        "  9.75%", "  10.25%"}));
    EXPECT_EQ(textAt(grid, 4, 6), " $786.70");
    EXPECT_EQ(textAt(grid, 1, 1), " $648.07");
    EXPECT_EQ(textAt(grid, 7, 11), " $940.91");
    EXPECT_EQ(grid.increments.loan, "$1000");
    EXPECT_EQ(grid.increments.rate, "1/2%");
    EXPECT_EQ(grid.increments.payment, " ");
}

TEST(LoanSpread, LoanAmountsAroundTheDefaultPayment)
{
    const SpreadGrid grid = BuildSpread(inputs(SpreadKind::LoanAmount), {});
    EXPECT_EQ(textAt(grid, 0, 0), " Pmt / Rate");
    EXPECT_EQ(textAt(grid, 0, 1), " $411.70");
    EXPECT_EQ(textAt(grid, 0, 11), " $1,161.70");
    EXPECT_EQ(textAt(grid, 4, 6), " $100,000");
    EXPECT_NEAR(grid.at(4, 6).value, 99999.95, 0.005);
    EXPECT_EQ(textAt(grid, 1, 1), " $60,351");
    EXPECT_EQ(textAt(grid, 7, 11), " $129,639");
    EXPECT_EQ(grid.increments.payment, "$75");
    EXPECT_EQ(grid.increments.loan, " ");
}

TEST(LoanSpread, RatesAroundTheDefaultLoanAndPayment)
{
    const SpreadGrid grid = BuildSpread(inputs(SpreadKind::Rate), {});
    EXPECT_EQ(textAt(grid, 0, 0), " Loan / Pmt");
    EXPECT_EQ(columnHeaders(grid),
              (std::vector<std::string>{"  $561.70", "  $636.70", "  $711.70", "  $786.70",
                                        "  $861.70", "  $936.70", "  $1,011.70"}));
    EXPECT_EQ(textAt(grid, 4, 6), " 8.750%");
    EXPECT_EQ(textAt(grid, 1, 1), " 5.871%");
    EXPECT_EQ(textAt(grid, 7, 11), " 11.148%");
}

TEST(LoanSpread, TermsAroundTheDefaultLoanAndPayment)
{
    SpreadInputs in = inputs(SpreadKind::Term);
    in.term = 12.5; // this kind does not read the term
    const SpreadGrid grid = BuildSpread(in, {});
    EXPECT_EQ(textAt(grid, 0, 0), " Loan / Pmt");
    EXPECT_EQ(textAt(grid, 4, 6), " 360.00");
    EXPECT_EQ(textAt(grid, 4, 11), " 498.23");
    // $561.70 to $711.70 do not cover the $765.63 first-month interest on $105,000.
    for (int column = 1; column <= 3; ++column)
        EXPECT_EQ(textAt(grid, column, 11), " never") << column;
    for (int column = 1; column < kSpreadColumns; ++column)
        for (int row = 1; row < kSpreadRows; ++row)
            EXPECT_EQ(textAt(grid, column, row).front(), ' ') << column << "," << row;
}

TEST(LoanSpread, FiveThousandStepsAroundTwentyThousandShowNegativeLoans)
{
    SpreadInputs in = inputs(SpreadKind::Payment);
    in.loan = 20000;
    in.loanItem = 8;
    const SpreadGrid grid = BuildPaymentSpread(in, {});
    EXPECT_EQ(
        rowHeaders(grid),
        (std::vector<std::string>{" ($5,000)", " $0", " $5,000", " $10,000", " $15,000", " $20,000",
                                  " $25,000", " $30,000", " $35,000", " $40,000", " $45,000"}));
    const double r = 7.25 / 1200;
    const double expected = -5000 * r / (1 - std::pow(1 + r, -360));
    EXPECT_NEAR(grid.at(1, 1).value, expected, 1e-9);
    EXPECT_EQ(textAt(grid, 1, 1), " ($34.11)");
    EXPECT_EQ(textAt(grid, 1, 2), " $0.00");
    EXPECT_EQ(grid.increments.loan, "$5000");
}

TEST(LoanSpread, EighthPercentStep)
{
    SpreadInputs in = inputs(SpreadKind::Payment);
    in.rateItem = 0;
    const SpreadGrid grid = BuildSpread(in, {});
    EXPECT_EQ(columnHeaders(grid),
              (std::vector<std::string>{"  8.375%", "  8.5%", "  8.625%", "  8.75%", "  8.875%",
                                        "  9%", "  9.125%"}));
    EXPECT_EQ(grid.increments.rate, "1/8%");
}

TEST(LoanSpread, NoItemSelectedRepeatsTheCentreAndKeepsTheText)
{
    SpreadInputs in = inputs(SpreadKind::Payment);
    in.loanItem = -1;
    IncrementTexts previous;
    previous.loan = "$250";
    const SpreadGrid grid = BuildSpread(in, previous);
    for (int row = 1; row < kSpreadRows; ++row)
        EXPECT_EQ(textAt(grid, 0, row), " $100,000");
    EXPECT_EQ(textAt(grid, 4, 1), " $786.70");
    EXPECT_EQ(grid.increments.loan, "$250");
}

struct NoAnswerCase {
    const char* name;
    SpreadKind kind;
    double loan, payment;
    int term;
    const char* expected;
};

class CellsWithoutAnAnswer : public ::testing::TestWithParam<NoAnswerCase> {};

// With no step every cell of the table is the centre cell.
TEST_P(CellsWithoutAnAnswer, AreShownNotFailed)
{
    const NoAnswerCase& c = GetParam();
    SpreadInputs in = inputs(c.kind);
    in.loan = c.loan;
    in.payment = c.payment;
    in.term = c.term;
    in.loanItem = in.paymentItem = -1;
    const SpreadGrid grid = BuildSpread(in, {});
    EXPECT_EQ(textAt(grid, 1, 1), c.expected);
    EXPECT_EQ(textAt(grid, 7, 11), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellsWithoutAnAnswer,
    ::testing::Values(NoAnswerCase{"rateNegativeLoan", SpreadKind::Rate, -5000, 100, 360, " n/a"},
                      NoAnswerCase{"rateZeroPayment", SpreadKind::Rate, 5000, 0, 360, " n/a"},
                      NoAnswerCase{"rateNegativePayment", SpreadKind::Rate, 5000, -50, 360, " n/a"},
                      NoAnswerCase{"rateZeroLoan", SpreadKind::Rate, 0, -50, 360, " 0.000%"},
                      NoAnswerCase{"rateZeroTerm", SpreadKind::Rate, 5000, 100, 0, " 0.000%"},
                      NoAnswerCase{"rateFlat", SpreadKind::Rate, 36000, 100, 360, " 0.000%"},
                      NoAnswerCase{"termNegativeLoan", SpreadKind::Term, -5000, 100, 0, " n/a"},
                      NoAnswerCase{"termZeroPayment", SpreadKind::Term, 5000, 0, 0, " never"},
                      NoAnswerCase{"termZeroLoan", SpreadKind::Term, 0, 100, 0, " 0.00"},
                      NoAnswerCase{"paymentZeroTerm", SpreadKind::Payment, 5000, 0, 0, " $0.00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoanSpread, PaymentsTooSmallForAnyPositiveRateShowTheNegativeRate)
{
    SpreadInputs in = inputs(SpreadKind::Rate);
    in.payment = 200; // 360 x 200 repays only 72,000 of 100,000
    in.paymentItem = -1;
    const SpreadGrid grid = BuildSpread(in, {});
    const double rate = grid.at(4, 6).value;
    ASSERT_LT(rate, 0);
    const double r = rate / 1200;
    EXPECT_NEAR(100000 * r / (1 - std::pow(1 + r, -360)), 200, 1e-6);
    EXPECT_EQ(textAt(grid, 4, 6).substr(0, 2), " -");
}

TEST(LoanSpread, RealArithmeticFailuresStillFail)
{
    SpreadInputs in = inputs(SpreadKind::Payment);
    in.interest = -1300; // a monthly rate below -100 %
    EXPECT_THROW(BuildSpread(in, {}), qn::EMathError);
    in.kind = SpreadKind::LoanAmount;
    EXPECT_THROW(BuildSpread(in, {}), qn::EMathError);
    in.kind = SpreadKind::Term;
    EXPECT_THROW(BuildSpread(in, {}), qn::EMathError);
}

TEST(LoanSpread, TermMustBeAWholeNumberOfMonths)
{
    for (const double term : {360.5, -1.0, 1201.0, 1e12}) {
        SpreadInputs in = inputs(SpreadKind::Rate);
        in.term = term;
        EXPECT_EQ(refusal([&] { BuildSpread(in, {}); }),
                  "Months must be a whole number from 0 to 1200.")
            << term;
    }
}

TEST(LoanSpread, FailureRestoresTheFieldsOfTheKind)
{
    const std::vector<std::vector<double>> expected = {{100000, 2, 8.75, 360},
                                                       {1, 786.7, 8.75, 360},
                                                       {100000, 786.7, 3, 360},
                                                       {100000, 786.7, 8.75, 4}};
    for (int kind = 0; kind < 4; ++kind) {
        const SpreadInputs in{static_cast<SpreadKind>(kind), 1, 2, 3, 4, 0, 1, 2};
        const SpreadInputs r = RestoredSpreadInputs(in);
        EXPECT_EQ(std::vector<double>({r.loan, r.payment, r.interest, r.term}),
                  expected[static_cast<std::size_t>(kind)])
            << kind;
        EXPECT_EQ(r.kind, in.kind);
        EXPECT_EQ(r.rateItem, 1);
    }
}

TEST(LoanSpread, CleanGridPlaceholders)
{
    const SpreadGrid payment = CleanGrid(SpreadKind::Payment);
    EXPECT_EQ(textAt(payment, 0, 0), " Loan / Rate");
    EXPECT_EQ(textAt(payment, 0, 11), " $105,000");
    EXPECT_EQ(textAt(payment, 1, 0), "5.50%");
    EXPECT_EQ(textAt(payment, 4, 6), "");
    const SpreadGrid loan = CleanGrid(SpreadKind::LoanAmount);
    EXPECT_EQ(textAt(loan, 0, 0), " Pmt / Rate");
    EXPECT_EQ(textAt(loan, 0, 1), " 4.50%");
    EXPECT_EQ(textAt(loan, 7, 0), "$950.00");
    EXPECT_EQ(textAt(CleanGrid(SpreadKind::Term), 0, 0), " Loan / Pmt");
}

struct FormatCase {
    const char* name;
    std::string (*format)(double);
    double value;
    const char* expected;
};

class SpreadFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(SpreadFormats, Text)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(c.format(c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpreadFormats,
    ::testing::Values(FormatCase{"headerTwoDecimals", RateHeaderText, 8.75, "  8.75%"},
                      FormatCase{"headerThreeDecimals", RateHeaderText, 8.125, "  8.125%"},
                      FormatCase{"headerWhole", RateHeaderText, 9, "  9%"},
                      FormatCase{"headerZero", RateHeaderText, 0, "  0%"},
                      FormatCase{"headerNegative", RateHeaderText, -0.5, "  -0.5%"},
                      FormatCase{"headerFiveDigits", RateHeaderText, 12345.6, "  12346%"},
                      FormatCase{"headerSixDigits", RateHeaderText, 123456, "  1.2346E+005%"},
                      FormatCase{"headerTiny", RateHeaderText, 0.000001, "  1E-006%"},
                      FormatCase{"rateCell", RateCellText, 8.75, " 8.750%"},
                      FormatCase{"rateCellRounds", RateCellText, 11.14849, " 11.148%"},
                      FormatCase{"rateCellFiveDigits", RateCellText, 123.4567, " 123.460%"},
                      FormatCase{"rateCellNegativeZero", RateCellText, -0.0004, " 0.000%"},
                      FormatCase{"monthsCell", MonthsCellText, 360.0009, " 360.00"},
                      FormatCase{"monthsCellRounds", MonthsCellText, 498.2349, " 498.23"},
                      FormatCase{"monthsCellFiveDigits", MonthsCellText, 12345.678, " 12346.00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoanSpread, MoneyCellsRound)
{
    EXPECT_EQ(SpreadCellText({CellFormat::PaymentHeader, 1234.56, {}}, usMoney), "  $1,234.60");
    EXPECT_EQ(SpreadCellText({CellFormat::PaymentHeader, 786.7, {}}, usMoney), "  $786.70");
    EXPECT_EQ(SpreadCellText({CellFormat::MoneyWhole, 94999.5, {}}, usMoney), " $95,000");
    EXPECT_EQ(SpreadCellText({CellFormat::MoneyCents, -0.001, {}}, usMoney), " $0.00");
}

} // namespace
