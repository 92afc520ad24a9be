#include "calculators/amortization.h"
#include "calculators/biweekly.h"
#include "calculators/quick_calculator.h"
#include "core/errors.h"
#include "core/numtext.h"
#include "tests/support/fuzz.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

using fuzz::Rng;
using namespace qn::calc;

namespace {

constexpr int kInputs = 100000;

// Money as typed, then mutated: symbols, group and decimal separators of both locales.
QString moneyText(Rng& rng)
{
    static const char* const pieces[] = {"$", " ", "-", "1", "000", ",", ".", "50", "9",
                                         "e",  "E", "inf", "nan", "x", "+", "308", "\xe2\x82\xac"};
    std::string text;
    if (rng.chance(0.3))
        text = qn::FloatToStrG(rng.anyDouble());
    for (std::size_t n = rng.below(7); n > 0; --n)
        text += pieces[rng.below(std::size(pieces))];
    return QString::fromUtf8(text);
}

std::string describe(double a, double b, double c, double d)
{
    std::ostringstream out;
    out.precision(17);
    out << a << ", " << b << ", " << c << ", " << d;
    return out.str();
}

} // namespace

TEST(Fuzz, MoneyParserGivesFiniteAmountsOrNothing)
{
    Rng rng(11);
    const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::German, QLocale::Germany)};
    for (int i = 0; i < kInputs; ++i) {
        const QString text = moneyText(rng);
        const QLocale& locale = locales[i % 2];
        fuzz::check(
            [&] {
                const auto value = ParseMoneyText(text, locale);
                if (!value)
                    return;
                fuzz::requireFinite(*value, "amount");
                if (text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
                    text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
                    throw std::logic_error("accepted a text that is no number");
            },
            [&] { return "ParseMoneyText('" + text.toStdString() + "')"; });
    }
}

TEST(Fuzz, QuickCalculatorArithmetic)
{
    Rng rng(12);
    const Unknown unknowns[] = {Unknown::LoanAmount, Unknown::InterestRate, Unknown::Payment,
                                Unknown::NumPayments};
    for (int i = 0; i < kInputs; ++i) {
        const Unknown unknown = unknowns[i % 4];
        const double loan = rng.amount(), rate = rng.percent(), pay = rng.amount() / 100;
        const double n = rng.chance(0.8) ? static_cast<double>(rng.anyCount()) : rng.anyDouble();
        fuzz::check(
            [&] {
                const QuickResult r = SolveQuick(unknown, loan, rate, pay, n);
                if (r.neverRepaid == r.value.has_value())
                    throw std::logic_error("neither a value nor never repaid");
                if (r.value) {
                    fuzz::requireFinite(*r.value, "result");
                    if (unknown != Unknown::InterestRate && *r.value < 0)
                        throw std::logic_error("negative result");
                }
            },
            [&] {
                return "SolveQuick(" + std::to_string(i % 4) + ", " +
                       describe(loan, rate, pay, n) + ")";
            });
    }
}

TEST(Fuzz, BiweeklyArithmetic)
{
    Rng rng(13);
    for (int i = 0; i < kInputs; ++i) {
        const double amount = rng.amount(), percent = rng.percent();
        const int months = rng.anyCount();
        const double payment = rng.chance(0.7) ? amount / 100 : rng.amount();
        fuzz::check(
            [&] {
                const BiweeklyResult r = ComputeBiweekly(amount, percent, months, payment);
                for (const double f : {r.monthlyTotal, r.monthlyInterest, r.biweeklyPayment,
                                       r.biweeklyCount, r.biweeklyTotal, r.biweeklyInterest,
                                       r.monthsSaved, r.yearsSaved, r.interestSaved})
                    fuzz::requireFinite(f, "figure");
                if (r.biweeklyCount < 0)
                    throw std::logic_error("negative count of payments");
            },
            [&] {
                return "ComputeBiweekly(" + describe(amount, percent, months, payment) + ")";
            });
    }
}
