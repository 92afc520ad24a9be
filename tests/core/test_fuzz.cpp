#include "core/errors.h"
#include "core/finance.h"
#include "core/limits.h"
#include "core/mortgage.h"
#include "core/numtext.h"
#include "tests/support/fuzz.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

using namespace qn;
using fuzz::Rng;

namespace {

constexpr int kInputs = 100000;

// Texts near the number grammar: built from its pieces, then mutated.
std::string numberLikeText(Rng& rng)
{
    static const char alphabet[] = " \t+-.eE0123456789xinfaINFA,$\n\r\xff";
    std::string text;
    if (rng.chance(0.3)) {
        text = FloatToStrG(rng.anyDouble());
    } else {
        if (rng.chance(0.2))
            text += ' ';
        if (rng.chance(0.3))
            text += rng.chance(0.5) ? '-' : '+';
        const std::size_t digits = rng.chance(0.02) ? 400 : rng.below(20);
        for (std::size_t i = 0; i < digits; ++i)
            text += static_cast<char>('0' + rng.below(10));
        if (rng.chance(0.5)) {
            text += '.';
            for (std::size_t i = rng.below(8); i > 0; --i)
                text += static_cast<char>('0' + rng.below(10));
        }
        if (rng.chance(0.3)) {
            text += rng.chance(0.5) ? 'e' : 'E';
            if (rng.chance(0.5))
                text += rng.chance(0.5) ? '-' : '+';
            for (std::size_t i = rng.below(5); i > 0; --i)
                text += static_cast<char>('0' + rng.below(10));
        }
        if (rng.chance(0.1))
            text += '\t';
    }
    if (rng.chance(0.05))
        text = rng.chance(0.5) ? "inf" : "nan";
    for (std::size_t edits = rng.chance(0.5) ? rng.below(3) : 0; edits > 0; --edits) {
        const std::size_t at = text.empty() ? 0 : rng.below(text.size() + 1);
        const char c = alphabet[rng.below(sizeof alphabet - 1)];
        switch (rng.below(3)) {
        case 0:
            text.insert(at, 1, c);
            break;
        case 1:
            if (at < text.size())
                text.erase(at, 1);
            break;
        default:
            if (at < text.size())
                text[at] = c;
        }
    }
    return text;
}

// The float grammar, checked independently: blanks trimmed, only number characters left,
// and the C library's reader (the test runs in the "C" locale) takes all of it.
bool expectFloat(const std::string& text, double& value)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return false;
    const std::string t = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (t.find_first_not_of("+-.eE0123456789") != std::string::npos)
        return false;
    char* end = nullptr;
    value = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(value))
        return false;
    // Underflow to zero is a number beyond the double range too.
    return !(value == 0
             && t.substr(0, t.find_first_of("eE")).find_first_of("123456789") != std::string::npos);
}

bool expectInt(const std::string& text, int& value)
{
    const std::size_t digits = text.find_first_not_of("+-") == 1 ? 1 : 0;
    if (text.size() == digits || text.find_first_not_of("0123456789", digits) != std::string::npos)
        return false;
    errno = 0;
    const long long wide = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || wide < INT_MIN || wide > INT_MAX)
        return false;
    value = static_cast<int>(wide);
    return true;
}

// A parse of a text the grammar accepts (`valid`) or not: a refusal must be a conversion
// failure, an acceptance of a valid text must give the value expected; `wrong` says what
// came instead (nothing: the value expected).
void acceptsExactly(bool valid, const std::function<std::optional<std::string>()>& wrong)
{
    try {
        const std::optional<std::string> instead = wrong();
        if (!valid || instead)
            throw std::logic_error("accepted" + instead.value_or(std::string()));
    } catch (const EConvertError&) {
        if (valid)
            throw std::logic_error("refused");
    }
}

} // namespace

TEST(Fuzz, StrToFloatAcceptsExactlyTheGrammar)
{
    Rng rng(1);
    for (int i = 0; i < kInputs; ++i) {
        const std::string text = numberLikeText(rng);
        fuzz::check(
            [&] {
                double expected = 0;
                const bool valid = expectFloat(text, expected);
                acceptsExactly(valid, [&]() -> std::optional<std::string> {
                    const double got = StrToFloat(text);
                    if (got == expected)
                        return std::nullopt;
                    return " as " + FloatToStrG(got);
                });
            },
            [&] { return "StrToFloat('" + text + "')"; });
    }
}

TEST(Fuzz, StrToIntAcceptsExactlyTheGrammar)
{
    Rng rng(2);
    for (int i = 0; i < kInputs; ++i) {
        std::string text = numberLikeText(rng);
        if (rng.chance(0.4))
            text =
                std::to_string(static_cast<long long>(rng.anyCount()) * (rng.chance(0.1) ? 3 : 1));
        fuzz::check(
            [&] {
                int expected = 0;
                const bool valid = expectInt(text, expected);
                acceptsExactly(valid, [&]() -> std::optional<std::string> {
                    if (StrToInt(text) == expected)
                        return std::nullopt;
                    return std::string();
                });
            },
            [&] { return "StrToInt('" + text + "')"; });
    }
}

// Every finite double is written so that it reads back as itself; whole values in range
// come back from WholeFromValue unchanged, every other value is a conversion failure.
TEST(Fuzz, NumberTextsRoundTrip)
{
    Rng rng(3);
    for (int i = 0; i < kInputs; ++i) {
        const double value = rng.anyDouble();
        fuzz::check(
            [&] {
                const std::string text = FloatToStrG(value);
                if (!std::isfinite(value)) {
                    if (text != (std::isnan(value) ? "NAN" : value > 0 ? "INF" : "-INF"))
                        throw std::logic_error("written " + text);
                    return;
                }
                if (StrToFloat(text) != value || (value != 0 && (text == "0" || text == "-0")))
                    throw std::logic_error("written " + text);
                const bool whole =
                    value == std::trunc(value) && value >= INT_MIN && value <= INT_MAX;
                try {
                    if (WholeFromValue(value) != value || !whole)
                        throw std::logic_error("whole number accepted");
                } catch (const EConvertError&) {
                    if (whole)
                        throw std::logic_error("whole number refused");
                }
            },
            [&] {
                std::ostringstream out;
                out.precision(17);
                out << "FloatToStrG(" << value << ")";
                return out.str();
            });
    }
}

// Each financial function with random arguments: a finite result or a failure.
TEST(Fuzz, FinancialFunctions)
{
    Rng rng(4);
    for (int i = 0; i < kInputs; ++i) {
        const int n = rng.anyCount();
        const double a = rng.amount(), b = rng.amount(), p = rng.percent();
        const double years =
            rng.chance(0.7) ? static_cast<double>(rng.below(120)) : rng.anyDouble();
        const char* const names[] = {"Annually", "Quarterly", "Monthly", "Daily", "Weekly"};
        const char* name = names[rng.below(5)];
        const std::size_t which = static_cast<std::size_t>(i) % 10;
        fuzz::check(
            [&] {
                switch (which) {
                case 0:
                    fuzz::requireFinite(MonthlyPayment(n, p / 1200, a), "payment");
                    break;
                case 1:
                    fuzz::requireFinite(PeriodicPayment(n, a, p / 1200), "payment");
                    break;
                case 2:
                    fuzz::requireFinite(LoanAmountForPayment(n, p, b), "amount");
                    break;
                case 3: {
                    const double r = SolveInterestRate(n, a, b);
                    fuzz::requireFinite(r, "rate");
                    if (r <= -1200)
                        throw std::logic_error("rate at or below -100 % a month");
                    break;
                }
                case 4: {
                    const auto months = MonthsToPayOff(p, b, a);
                    if (months)
                        fuzz::requireFinite(*months, "months");
                    break;
                }
                case 5:
                    fuzz::requireFinite(LoanAmountForYears(b, p, years), "amount");
                    break;
                case 6:
                    fuzz::requireFinite(PrincipalRepaid(n, a, p, b), "principal");
                    break;
                case 7:
                    fuzz::requireFinite(TotalRent(b, p, years), "rent");
                    break;
                case 8:
                    fuzz::requireFinite(GrowthSum(a, p, years), "growth");
                    break;
                default:
                    fuzz::requireFinite(CompoundedValue(name, a, p, years * 12, b), "value");
                }
            },
            [&] {
                std::ostringstream out;
                out.precision(17);
                out << "function " << which << " n=" << n << " a=" << a << " b=" << b << " p=" << p
                    << " years=" << years;
                return out.str();
            });
    }
}

// Schedules with random figures and random extra payments: every row finite, the cents
// add up (no silent overflow), and the checks name the field or accept the value.
TEST(Fuzz, LoanModelAndLimits)
{
    Rng rng(5);
    TMortgage loan;
    // Rows add up after every operation that ends normally; a failure may leave a
    // schedule half computed until the next full one.
    bool whole = false;
    for (int i = 0; i < kInputs; ++i) {
        const int n = rng.chance(0.9) ? 1 + static_cast<int>(std::pow(1200.0, rng.uniform()))
                                      : rng.anyCount();
        const double amount = rng.amount(), rate = rng.percent() / 100, extra = rng.amount();
        const int first = rng.anyCount(), last = rng.anyCount();
        const std::size_t op = rng.below(5);
        fuzz::check(
            [&] {
                const bool before = whole;
                whole = false;
                auto result = ExtraResult::Applied;
                if (op == 0 || loan.Payments.empty()) {
                    loan.Setup(n, amount, rate, 12);
                } else if (op == 1) {
                    result = loan.SetExtraPayment(first, extra);
                } else if (op == 2) {
                    result = loan.SetExtraRange(first, last, extra);
                } else if (op == 3) {
                    loan.SetExtraFrom(first, extra);
                } else {
                    loan.ClearExtraPayments();
                }
                whole = result == ExtraResult::Applied || before;
                if (!whole)
                    return;
                fuzz::requireFinite(loan.Payment, "payment");
                double principal = 0;
                for (const TPayment& row : loan.Payments) {
                    for (const double f :
                         {row.Principal, row.Interest, row.Balance, row.PrincipalToDate,
                          row.InterestToDate, row.ExtraPrincipal})
                        fuzz::requireFinite(f, "row figure");
                    principal += row.Principal;
                }
                if (!loan.Payments.empty()
                    && std::fabs(principal - loan.Payments.back().PrincipalToDate)
                           > 1e-6 * std::fabs(principal) + 0.01)
                    throw std::logic_error("principal does not add up");
            },
            [&] {
                std::ostringstream out;
                out.precision(17);
                out << "op " << op << " n=" << n << " amount=" << amount << " rate=" << rate
                    << " extra=" << extra << " first=" << first << " last=" << last;
                return out.str();
            });
        const double value = rng.anyDouble();
        fuzz::check(
            [&] {
                try {
                    const double checked = i % 3 == 0   ? CheckPaymentCount(value, "N")
                                           : i % 3 == 1 ? CheckYears(value, "Y")
                                                        : CheckAmount(value, "A");
                    if (!(checked == value) || value < 0 || value > kMaxAmount)
                        throw std::logic_error("accepted");
                } catch (const EInputError& e) {
                    const char* caption = i % 3 == 0 ? "N " : i % 3 == 1 ? "Y " : "A ";
                    if (std::string(e.what()).find(caption) != 0)
                        throw std::logic_error(std::string("message ") + e.what());
                }
            },
            [&] { return "limit check of " + FloatToStrG(value); });
    }
}
