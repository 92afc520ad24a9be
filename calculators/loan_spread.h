#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>

namespace qn::calc {

// What the table shows; the values are the item indexes of the "Calculate:" group.
enum class SpreadKind { Payment = 0, LoanAmount = 1, Rate = 2, Term = 3 };

// The three step groups: loan amount, interest rate and payment increments.
enum class StepGroup { Loan, Rate, Payment };

// The four entry fields of the page.
enum class SpreadField { Loan, Payment, Interest, Term };

// One item of a step group: its radio caption, the step, and the text the chart prints.
struct SpreadStep {
    const char* caption;
    double value;
    const char* text;
};

std::span<const SpreadStep> SpreadSteps(StepGroup group);

// Which controls a kind shows, in which order, and under which captions.
struct SpreadLayout {
    std::array<SpreadField, 3> rows;        // tab order 0..2, top to bottom
    std::array<const char*, 3> rowCaptions; // "Loan:", "Rate:", ...
    StepGroup leftGroup;
    const char* leftCaption;
    StepGroup rightGroup;
    const char* rightCaption;
    SpreadField hiddenField; // gets tab order 3
    StepGroup hiddenGroup;
    SpreadField focus;
    const char* corner; // " Loan / Rate", ...
    const char* hint;   // status-bar hint of the grid
};

const SpreadLayout& LayoutOf(SpreadKind kind);

inline constexpr int kSpreadRows = 12;   // header row and 11 loan or payment rows
inline constexpr int kSpreadColumns = 8; // header column and 7 rate or payment columns
inline constexpr int kSpreadCentreRow = 6;
inline constexpr int kSpreadCentreColumn = 4;

struct SpreadInputs {
    SpreadKind kind = SpreadKind::Payment;
    double loan = 100000;   // edtLoan
    double payment = 786.7; // edtPayment
    double interest = 8.75; // edtInterest, annual percent
    double term = 360;      // edtTerm as the field holds it; must be a whole number
    int loanItem = 3;       // rgLoan item, -1 when no item is selected
    int rateItem = 3;       // rgInterest item
    int paymentItem = 3;    // rgPayments item
};

// Captions of the steps last used on each axis, printed on the chart. A group with no
// item selected keeps its previous text.
struct IncrementTexts {
    std::string loan = " ";
    std::string rate = " ";
    std::string payment = " ";
};

// How a cell's value is shown; SpreadCellText turns it into the grid's text.
enum class CellFormat {
    Text,          // `text` as it is (corner, placeholders, empty cells)
    RateHeader,    // "  8.75%"
    PaymentHeader, // "  $786.70" after rounding to 5 significant digits
    MoneyWhole,    // " $95,000"
    MoneyCents,    // " $786.70"
    RateCell,      // " 8.750%"
    MonthsCell,    // " 360.00"
    NotApplicable, // " n/a": a negative loan has no rate and no term
    Never,         // " never": the payment never repays the loan
};

struct SpreadCell {
    CellFormat format = CellFormat::Text;
    double value = 0;
    std::string text;
};

struct SpreadGrid {
    SpreadKind kind = SpreadKind::Payment;
    std::array<std::array<SpreadCell, kSpreadColumns>, kSpreadRows> cells; // [row][column]
    IncrementTexts increments;

    const SpreadCell& at(int column, int row) const { return cells.at(row).at(column); }
};

// The empty table of a kind with its placeholder headers.
SpreadGrid CleanGrid(SpreadKind kind);

// One routine builds every kind (`in.kind`). A fractional or out-of-range term throws
// qn::EInputError with the user's message; an overflow or a rate at or below -1200 %
// throws qn::EMathError, after which the page restores RestoredSpreadInputs and rebuilds.
SpreadGrid BuildSpread(const SpreadInputs& in, const IncrementTexts& previous);
// The builder of one kind, whatever kind `in` names.
template <SpreadKind Kind> SpreadGrid BuildSpreadOf(SpreadInputs in, const IncrementTexts& previous)
{
    in.kind = Kind;
    return BuildSpread(in, previous);
}
inline constexpr auto BuildPaymentSpread = &BuildSpreadOf<SpreadKind::Payment>;
inline constexpr auto BuildLoanAmountSpread = &BuildSpreadOf<SpreadKind::LoanAmount>;
inline constexpr auto BuildRateSpread = &BuildSpreadOf<SpreadKind::Rate>;
inline constexpr auto BuildTermSpread = &BuildSpreadOf<SpreadKind::Term>;

// The inputs after an arithmetic failure: the kind's three fields get their start values,
// the steps and the kind stay.
SpreadInputs RestoredSpreadInputs(const SpreadInputs& current);

// Formats money in the user's currency form with `decimals` decimals ("$95,000",
// "($5,000)"); the page passes the application's one money formatter.
using MoneyFormatter = std::function<std::string(double value, int decimals)>;

std::string SpreadCellText(const SpreadCell& cell, const MoneyFormatter& money);

// The locale-free formats of the table (core/numtext writes them).
std::string RateHeaderText(double percent); // "  8.125%"
std::string RateCellText(double percent);   // " 11.148%"
std::string MonthsCellText(double months);  // " 498.23"

} // namespace qn::calc
