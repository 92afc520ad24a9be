// A whole lock-state sequence on the closing-cost page replayed through the executable, as
// a user would click and type. Expected figures are worked out by hand from the formulas.
#include "tests/support/files.h"
#include "tests/support/page_names.h"
#include "tests/support/program_run.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

class HeadlessEcc : public ProgramFixture {
protected:
    // The page's form figures: no points, taxes 1,800, insurance 360.
    void SetUp() override
    {
        writeAll(settingsFile(),
                 "[ClosingCosts]\nOriginationPoints=0\nRealEstateTax=1800\nInsurance=360\n");
    }

    QJsonObject run(const QStringList& actions, int expectedStatus = 0)
    {
        const ProgramRun r =
            ProgramFixture::run(QStringList{QStringLiteral("--page"), QStringLiteral("ECC")}
                                + actions + QStringList{QStringLiteral("--fields")});
        EXPECT_EQ(r.status, expectedStatus) << r.errors.toStdString();
        return QJsonDocument::fromJson(r.out).object();
    }
};

struct Step {
    const char* state;
    QStringList actions; // appended to the run so far
    const char* price;
    const char* downPayment;
    const char* loan;
    const char* percent;
    const char* pmi;
    const char* total;
    const char* closingCosts;
    const char* escrows;
    const char* cash;
};

TEST_F(HeadlessEcc, EveryLockStateInOneSequence)
{
    auto set = [](const char* field, const char* text) {
        return QStringList{QStringLiteral("--set"),
                           QLatin1String(field) + u'=' + QLatin1String(text)};
    };
    auto click = [](const char* b) {
        return QStringList{QStringLiteral("--click"), QLatin1String(b)};
    };
    const Step steps[] = {
        {"L-L-L",
         {},
         "$152,000.00",
         "$30,400.00",
         "$121,600.00",
         "20.000",
         "$0.00",
         "$989.01",
         "$1,152.00",
         "$1,219.81",
         "$32,771.81"},
        {"L-U-L", click(ecc::kBtnUnlockDownPayment) + set(ecc::kCDownPayment.name, "30000"),
         "$152,000.00", "$30,000.00", "$122,000.00", "19.737", "$32.53", "$1,024.20", "$1,184.53",
         "$1,253.49", "$32,438.03"},
        {"U-U-L",
         click(ecc::kBtnUnlockPurchasePrice) + set(ecc::kCPurchasePrice.name, "250000")
             + set(ecc::kCDownPayment.name, "12345"),
         "$250,000.00", "$12,345.00", "$237,655.00", "4.938", "$178.24", "$1,939.37", "$1,330.24",
         "$1,731.91", "$15,407.15"},
        {"L-U-U",
         click(ecc::kBtnUnlockLoanAmount) + set(ecc::kCLoanAmount.name, "150000")
             + set(ecc::kCDownPayment.name, "15000"),
         "$165,000.00", "$15,000.00", "$150,000.00", "9.091", "$97.50", "$1,275.45", "$1,249.50",
         "$1,399.01", "$17,648.51"},
        {"L-L-U",
         click(ecc::kBtnLockDownPayment) + set(ecc::kDownPaymentPercent.name, "5")
             + set(ecc::kTerm.name, "15") + set(ecc::kCLoanAmount.name, "95000"),
         "$100,000.00", "$5,000.00", "$95,000.00", "5.000", "$44.33", "$1,078.22", "$1,196.33",
         "$1,187.62", "$7,383.95"},
        {"U-L-L",
         click(ecc::kBtnUnlockPurchasePrice) + set(ecc::kDownPaymentPercent.name, "10")
             + set(ecc::kTerm.name, "30") + set(ecc::kCPurchasePrice.name, "200000"),
         "$200,000.00", "$20,000.00", "$180,000.00", "10.000", "$78.00", "$1,455.54", "$1,230.00",
         "$1,465.81", "$22,695.81"},
        {"L-L-L again", click(ecc::kBtnLockPurchasePrice) + set(ecc::kDebt.name, "450"),
         "$126,000.00", "$12,600.00", "$113,400.00", "10.000", "$49.14", "$983.59", "$1,201.14",
         "$1,245.36", "$15,046.50"},
    };
    QStringList actions;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.state);
        actions += s.actions;
        const QJsonObject fields = run(actions).value(QStringLiteral("fields")).toObject();
        auto shown = [&](const char* name) {
            return fields.value(QLatin1String(name)).toString().toStdString();
        };
        EXPECT_EQ(shown(ecc::kCPurchasePrice.name), s.price);
        EXPECT_EQ(shown(ecc::kCDownPayment.name), s.downPayment);
        EXPECT_EQ(shown(ecc::kCLoanAmount.name), s.loan);
        EXPECT_EQ(shown(ecc::kDownPaymentPercent.name), s.percent);
        EXPECT_EQ(shown(ecc::kCpmi.name), s.pmi);
        EXPECT_EQ(shown(ecc::kCMonthlyPayment.name), s.total);
        EXPECT_EQ(shown(ecc::kCClosingCosts.name), s.closingCosts);
        EXPECT_EQ(shown(ecc::kCEscrows.name), s.escrows);
        EXPECT_EQ(shown(ecc::kCCashRequiredToClose.name), s.cash);
    }
}

TEST_F(HeadlessEcc, ResetThenUnlockingTheDownPaymentGivesNoMessage)
{
    const QJsonObject fields =
        run({QStringLiteral("--click"), QStringLiteral("btnReset"), QStringLiteral("--click"),
             QLatin1String(ecc::kBtnUnlockDownPayment), QStringLiteral("--set"),
             QLatin1String(ecc::kCDownPayment.name) + QStringLiteral("=40000")})
            .value(QStringLiteral("fields"))
            .toObject();
    EXPECT_EQ(fields.value(QLatin1String(ecc::kCLoanAmount.name)).toString(),
              QStringLiteral("$112,000.00"));
}

// The escrow panel puts the focus into Days itself: --set types over it as after Tab, and a
// refused count goes back to the figure the escrows were computed from.
TEST_F(HeadlessEcc, TheEscrowPanelsDaysAreTypedOver)
{
    struct Case {
        const char* days;
        int status;
        const char* shown;
        const char* prepaid; // 7 % a year on $121,600 a day
    };
    // OK keeps the count as the default for the next run.
    const Case cases[] = {{"1530", 1, "15", "$349.81"}, {"21", 0, "21", "$489.73"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.days);
        const QJsonObject fields =
            run({QStringLiteral("--click"), QLatin1String(ecc::kBtnCalcEscrows),
                 QStringLiteral("--set"),
                 QLatin1String(ecc::kIIDays.name) + QStringLiteral("=") + QLatin1String(c.days),
                 QStringLiteral("--click"), QLatin1String(ecc::kBtnClosePnlEscrow)},
                c.status)
                .value(QStringLiteral("fields"))
                .toObject();
        EXPECT_EQ(fields.value(QLatin1String(ecc::kIIDays.name)).toString(),
                  QLatin1String(c.shown));
        EXPECT_EQ(fields.value(QLatin1String(ecc::kII.name)).toString(), QLatin1String(c.prepaid));
    }
}

TEST_F(HeadlessEcc, ALockedAmountCannotBeTyped)
{
    run({QStringLiteral("--set"), QLatin1String(ecc::kCLoanAmount.name) + QStringLiteral("=1")}, 2);
}

} // namespace
