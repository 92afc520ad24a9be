#include "calculators/loan_spread.h"

#include "core/errors.h"
#include "core/finance.h"
#include "core/limits.h"
#include "core/numtext.h"
#include "core/rounding.h"

#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <string_view>

namespace qn::calc {

namespace {

constexpr SpreadStep kLoanSteps[] = {
    {"$100", 100, "$100"},    {"$250", 250, "$250"},    {"$500", 500, "$500"},
    {"$1000", 1000, "$1000"}, {"$2000", 2000, "$2000"}, {"$2500", 2500, "$2500"},
    {"$3000", 3000, "$3000"}, {"$4000", 4000, "$4000"}, {"$5000", 5000, "$5000"},
};

constexpr SpreadStep kRateSteps[] = {
    {" .125", 0.125, "1/8%"}, {" .25", 0.25, "1/4%"},   {" .375", 0.375, "3/8%"},
    {" .5", 0.5, "1/2%"},     {" .625", 0.625, "5/8%"}, {" .75", 0.75, "3/4%"},
    {" .875", 0.875, "7/8%"}, {"1.0", 1.0, "1%"},
};

constexpr SpreadStep kPaymentSteps[] = {
    {"$10", 10, "$10"},    {"$25", 25, "$25"},    {"$50", 50, "$50"},
    {"$75", 75, "$75"},    {"$100", 100, "$100"}, {"$125", 125, "$125"},
    {"$150", 150, "$150"}, {"$175", 175, "$175"}, {"$200", 200, "$200"},
};

// Appends the parts; GCC 12 warns falsely (-Wrestrict) on a literal + std::string.
std::string concat(std::initializer_list<std::string_view> parts)
{
    std::string text;
    for (const std::string_view part : parts)
        text += part;
    return text;
}

SpreadCell valueCell(CellFormat format, double value) { return SpreadCell{format, value, {}}; }

SpreadCell textCell(std::string text) { return SpreadCell{CellFormat::Text, 0, std::move(text)}; }

// Cell formulas: row value, column value, term, and the typed rate (used by the term kind).
using CellFormula = SpreadCell (*)(double row, double column, int term, double rate);

SpreadCell paymentCell(double loan, double rate, int term, double)
{
    return valueCell(CellFormat::MoneyCents, MonthlyPayment(term, MonthlyRate(rate), loan));
}

SpreadCell loanAmountCell(double payment, double rate, int term, double)
{
    return valueCell(CellFormat::MoneyWhole, LoanAmountForPayment(term, rate, payment));
}

SpreadCell rateCell(double loan, double payment, int term, double)
{
    // A negative loan has no rate, nor does a loan that the payment does not repay at all.
    if (loan < 0 || (loan > 0 && payment <= 0))
        return valueCell(CellFormat::NotApplicable, 0);
    return valueCell(CellFormat::RateCell, SolveInterestRate(term, loan, payment));
}

SpreadCell termCell(double loan, double payment, int, double rate)
{
    if (loan < 0)
        return valueCell(CellFormat::NotApplicable, 0);
    const auto months = MonthsToPayOff(rate, payment, loan);
    if (!months)
        return valueCell(CellFormat::Never, 0);
    return valueCell(CellFormat::MonthsCell, *months);
}

// Everything that tells one kind from another; the build below is the same for all.
struct KindRecipe {
    SpreadLayout layout;
    SpreadField rowCentre;
    CellFormat rowHeader;
    SpreadField columnCentre;
    CellFormat columnHeader;
    bool readsTerm;
    CellFormula cell;
};

// clang-format off
constexpr KindRecipe kRecipes[] = {
    {{{SpreadField::Loan, SpreadField::Interest, SpreadField::Term},
      {"Loan:", "Rate:", "Months:"},
      StepGroup::Loan, "Loan Amount Increment", StepGroup::Rate, "Interest Rate Increment",
      SpreadField::Payment, StepGroup::Payment, SpreadField::Loan,
      " Loan / Rate", " Grid is displaying Payment Amounts"},
     SpreadField::Loan, CellFormat::MoneyWhole, SpreadField::Interest, CellFormat::RateHeader,
     true, paymentCell},
    {{{SpreadField::Payment, SpreadField::Term, SpreadField::Interest},
      {"PMT:", "Months:", "Rate:"},
      StepGroup::Payment, "Payment Increment", StepGroup::Rate, "Interest Rate Increment",
      SpreadField::Loan, StepGroup::Loan, SpreadField::Payment,
      " Pmt / Rate", " Grid is displaying Loan Amounts"},
     SpreadField::Payment, CellFormat::MoneyCents, SpreadField::Interest, CellFormat::RateHeader,
     true, loanAmountCell},
    {{{SpreadField::Loan, SpreadField::Term, SpreadField::Payment},
      {"Loan:", "Months:", "PMT:"},
      StepGroup::Loan, "Loan Amount Increment", StepGroup::Payment, "Payment Increment",
      SpreadField::Interest, StepGroup::Rate, SpreadField::Loan,
      " Loan / Pmt", " Grid is displaying Interest Rates"},
     SpreadField::Loan, CellFormat::MoneyWhole, SpreadField::Payment, CellFormat::PaymentHeader,
     true, rateCell},
    {{{SpreadField::Loan, SpreadField::Interest, SpreadField::Payment},
      {"Loan:", "Rate:", "PMT:"},
      StepGroup::Loan, "Loan Amount Increment", StepGroup::Payment, "Payment Increment",
      SpreadField::Term, StepGroup::Rate, SpreadField::Loan,
      " Loan / Pmt", " Grid is displaying Term in Months"},
     SpreadField::Loan, CellFormat::MoneyWhole, SpreadField::Payment, CellFormat::PaymentHeader,
     false, termCell},
};
// clang-format on

const KindRecipe& recipeOf(SpreadKind kind)
{
    const auto index = static_cast<std::size_t>(kind);
    if (index >= std::size(kRecipes))
        throw std::invalid_argument("unknown loan spread kind");
    return kRecipes[index];
}

// Each entry field's member of the inputs, in SpreadField's order.
constexpr double SpreadInputs::*kFieldMembers[] = {&SpreadInputs::loan, &SpreadInputs::payment,
                                                   &SpreadInputs::interest, &SpreadInputs::term};

double SpreadInputs::*memberOf(SpreadField field)
{
    return kFieldMembers[static_cast<std::size_t>(field)];
}

// What belongs to each step group, in StepGroup's order: its items, the inputs' member
// that holds the one selected, and the text of the increment it stands for.
struct GroupParts {
    std::span<const SpreadStep> steps;
    int SpreadInputs::*item;
    std::string IncrementTexts::*increment;
};
const GroupParts kGroups[] = {
    {kLoanSteps, &SpreadInputs::loanItem, &IncrementTexts::loan},
    {kRateSteps, &SpreadInputs::rateItem, &IncrementTexts::rate},
    {kPaymentSteps, &SpreadInputs::paymentItem, &IncrementTexts::payment},
};
const GroupParts& partsOf(StepGroup group) { return kGroups[static_cast<std::size_t>(group)]; }

// The step of the group's selected item and its text; no item selected means no step.
double takeStep(const SpreadInputs& in, StepGroup group, IncrementTexts& texts)
{
    const GroupParts& parts = partsOf(group);
    const auto steps = parts.steps;
    const int item = in.*parts.item;
    if (item < 0 || static_cast<std::size_t>(item) >= steps.size())
        return 0;
    texts.*parts.increment = steps[static_cast<std::size_t>(item)].text;
    return steps[static_cast<std::size_t>(item)].value;
}

int termOf(double term) { return CheckPaymentCount(term, "Months"); }

// centre + k x step in extended precision, stored as a double.
double spreadValue(double centre, int k, double step)
{
    return static_cast<double>(static_cast<long double>(centre)
                               + static_cast<long double>(k) * step);
}

// The values of a row or column of headers, 1 to N - 1 (0 is the corner), the centre at
// `centreIndex`.
template <int N> std::array<double, N> spreadAround(double centre, int centreIndex, double step)
{
    std::array<double, N> values{};
    for (int i = 1; i < N; ++i)
        values[static_cast<std::size_t>(i)] = spreadValue(centre, i - centreIndex, step);
    return values;
}

std::string placeholderDollars(int thousands)
{
    return concat({" $", std::to_string(thousands), ",000"});
}

} // namespace

std::span<const SpreadStep> SpreadSteps(StepGroup group) { return partsOf(group).steps; }

const SpreadLayout& LayoutOf(SpreadKind kind) { return recipeOf(kind).layout; }

SpreadGrid CleanGrid(SpreadKind kind)
{
    SpreadGrid grid;
    grid.kind = kind;
    grid.cells[0][0] = textCell(recipeOf(kind).layout.corner);
    for (int i = 0; i < kSpreadRows - 1; ++i) {
        const auto row = static_cast<std::size_t>(i + 1);
        grid.cells[row][0] = textCell(kind == SpreadKind::LoanAmount
                                          ? concat({" ", FixedText(4.5 + 0.5 * i, 2), "%"})
                                          : placeholderDollars(95 + i));
    }
    for (int i = 0; i < kSpreadColumns - 1; ++i) {
        const auto column = static_cast<std::size_t>(i + 1);
        grid.cells[0][column] = textCell(kind == SpreadKind::Payment
                                             ? FixedText(5.5 + 0.5 * i, 2) + "%"
                                             : concat({"$", std::to_string(650 + 50 * i), ".00"}));
    }
    return grid;
}

SpreadGrid BuildSpread(const SpreadInputs& in, const IncrementTexts& previous)
{
    const KindRecipe& recipe = recipeOf(in.kind);
    const SpreadLayout& layout = recipe.layout;
    const int term = recipe.readsTerm ? termOf(in.term) : 0;

    SpreadGrid grid = CleanGrid(in.kind);
    grid.increments = previous;
    const double rowStep = takeStep(in, layout.leftGroup, grid.increments);
    const double columnStep = takeStep(in, layout.rightGroup, grid.increments);
    const double rowCentre = in.*memberOf(recipe.rowCentre);
    const double columnCentre = in.*memberOf(recipe.columnCentre);

    const auto rowValues = spreadAround<kSpreadRows>(rowCentre, kSpreadCentreRow, rowStep);
    const auto columnValues =
        spreadAround<kSpreadColumns>(columnCentre, kSpreadCentreColumn, columnStep);

    for (std::size_t column = 1; column < kSpreadColumns; ++column)
        grid.cells[0][column] = valueCell(recipe.columnHeader, columnValues[column]);
    for (std::size_t row = 1; row < kSpreadRows; ++row)
        grid.cells[row][0] = valueCell(recipe.rowHeader, rowValues[row]);
    for (std::size_t column = 1; column < kSpreadColumns; ++column)
        for (std::size_t row = 1; row < kSpreadRows; ++row)
            grid.cells[row][column] =
                recipe.cell(rowValues[row], columnValues[column], term, in.interest);
    return grid;
}

SpreadInputs RestoredSpreadInputs(const SpreadInputs& current)
{
    // The fields a kind shows are the ones it restores.
    const SpreadInputs start;
    SpreadInputs restored = current;
    for (const SpreadField field : recipeOf(current.kind).layout.rows)
        restored.*memberOf(field) = start.*memberOf(field);
    return restored;
}

std::string RateHeaderText(double percent)
{
    // Halves to even, like every other figure of the table.
    const std::string general = std::isfinite(percent)
                                    ? GeneralText(percent, 5, ExponentForm::Padded, Halves::ToEven)
                                    : "0";
    return concat({"  ", general, "%"});
}

std::string RateCellText(double percent)
{
    return concat({" ", FixedSignificantText(percent, 5, 3), "%"});
}

std::string MonthsCellText(double months)
{
    return concat({" ", FixedSignificantText(months, 5, 2)});
}

std::string SpreadCellText(const SpreadCell& cell, const MoneyFormatter& money)
{
    // Money keeps at most 10 significant digits (headers 5), rounded once with its decimals.
    switch (cell.format) {
    case CellFormat::Text:
        return cell.text;
    case CellFormat::RateHeader:
        return RateHeaderText(cell.value);
    case CellFormat::PaymentHeader:
        return concat({"  ", money(RoundToCoarser(cell.value, 2, 5), 2)});
    case CellFormat::MoneyWhole:
        return concat({" ", money(RoundToCoarser(cell.value, 0, 10), 0)});
    case CellFormat::MoneyCents:
        return concat({" ", money(RoundToCoarser(cell.value, 2, 10), 2)});
    case CellFormat::RateCell:
        return RateCellText(cell.value);
    case CellFormat::MonthsCell:
        return MonthsCellText(cell.value);
    case CellFormat::NotApplicable:
        return " n/a";
    case CellFormat::Never:
        return " never";
    }
    return cell.text;
}

} // namespace qn::calc
