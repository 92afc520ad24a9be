// The Estimated Closing Costs page and its panels driven through the real widgets. Expected
// figures are worked out from the formulas by hand: the largest price L2 / (1 - f) rounded to
// the thousand, P&I from the level-payment equation, daily interest on a 365-day year.
#include "pages/num_edit.h"
#include "tests/support/page_fixture.h"
#include "tests/support/page_names.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using qn::pages::NumericField;

namespace {

constexpr double kCent = 0.006;

struct Figures {
    double price, downPayment, loan, pAndI, pmi, total, closingCosts, escrows, cash;
};

class EccPageTest : public OnePageFixture {
protected:
    EccPageTest() : OnePageFixture("ECC", false) {}
    // The page's own form figures: no points, taxes 1,800, insurance 360.
    void formSettings()
    {
        m_window->m_settings.OriginationPoints = 0;
        m_window->m_settings.RealEstateTax = 1800;
        m_window->m_settings.Insurance = 360;
    }
    void typeAndLeave(const char* name, const QString& keys)
    {
        type(name, keys);
        leave();
    }
    // Types into each field in turn, leaving it.
    void typeAndLeave(std::initializer_list<std::pair<const char*, const char*>> fields)
    {
        for (const auto& [name, keys] : fields)
            typeAndLeave(name, QLatin1String(keys));
    }
    void click(const char* name)
    {
        QTest::mouseClick(find<QAbstractButton>(ecc, name), Qt::LeftButton);
        settle();
    }

    void expectFigures(const Figures& f, const char* state)
    {
        SCOPED_TRACE(state);
        EXPECT_NEAR(value(ecc::kCPurchasePrice.name), f.price, kCent);
        EXPECT_NEAR(value(ecc::kCDownPayment.name), f.downPayment, kCent);
        EXPECT_NEAR(value(ecc::kCLoanAmount.name), f.loan, kCent);
        EXPECT_NEAR(value(ecc::kCPandI.name), f.pAndI, kCent);
        EXPECT_NEAR(value(ecc::kCpmi.name), f.pmi, kCent);
        EXPECT_NEAR(value(ecc::kClosingPMI.name), f.pmi, kCent);
        EXPECT_NEAR(value(ecc::kCMonthlyPayment.name), f.total, kCent);
        EXPECT_NEAR(value(ecc::kCClosingCosts.name), f.closingCosts, kCent);
        EXPECT_NEAR(value(ecc::kCEscrows.name), f.escrows, kCent);
        EXPECT_NEAR(value(ecc::kCCashRequiredToClose.name), f.cash, kCent);
        EXPECT_TRUE(takeMessages().isEmpty());
    }

    const QString& ecc = m_page;
};

TEST_F(EccPageTest, FirstEntryWithDefaultSettingsUsesTheSavedDefaults)
{
    enter();
    EXPECT_EQ(QApplication::focusWidget(), field(ecc::kIncome.name));
    leave();
    EXPECT_EQ(text(ecc::kCPurchasePrice.name), QStringLiteral("$164,000.00"));
    EXPECT_EQ(text(ecc::kCLoanAmount.name), QStringLiteral("$131,200.00"));
    EXPECT_EQ(text(ecc::kCPandI.name), QStringLiteral("$872.88"));
    EXPECT_EQ(text(ecc::kCMonthlyPayment.name), QStringLiteral("$987.88"));
    EXPECT_EQ(text(ecc::kCHousingRatio.name), QStringLiteral("25"));
    EXPECT_EQ(text(ecc::kCDebtRatio.name), QStringLiteral("36"));
    EXPECT_EQ(text(ecc::kCClosingCosts.name), QStringLiteral("$2,464.00"));
    EXPECT_EQ(text(ecc::kCEscrows.name), QStringLiteral("$1,254.09"));
    EXPECT_EQ(text(ecc::kCCashRequiredToClose.name), QStringLiteral("$36,518.09"));
    EXPECT_EQ(value(ecc::kOriginationPoints.name), 1);
    EXPECT_EQ(value(ecc::kTax.name), 800);
    EXPECT_EQ(value(ecc::kInsurance.name), 580);
    EXPECT_TRUE(m_window->printingEnabled());
    EXPECT_TRUE(m_window->resetEnabled());
}

// Every reachable lock state, reached with the buttons and typed as a user would.
TEST_F(EccPageTest, EveryLockStateSolvesItsAmounts)
{
    formSettings();
    enter();
    expectFigures({152000, 30400, 121600, 809.01, 0, 989.01, 1152, 1219.81, 32771.81},
                  "L-L-L 20 %");
    EXPECT_EQ(text(ecc::kCHousingRatio.name), QStringLiteral("25"));
    EXPECT_EQ(text(ecc::kCDebtRatio.name), QStringLiteral("36"));
    typeAndLeave(ecc::kDownPaymentPercent.name, QStringLiteral("10"));
    expectFigures({126000, 12600, 113400, 754.45, 49.14, 983.59, 1201.14, 1245.36, 15046.50},
                  "L-L-L 10 %");
    typeAndLeave(ecc::kDownPaymentPercent.name, QStringLiteral("20"));

    // L-U-L: the price shown stays; the percent and the premium follow the down payment.
    click(ecc::kBtnUnlockDownPayment);
    EXPECT_EQ(QApplication::focusWidget(), field(ecc::kCDownPayment.name));
    typeAndLeave(ecc::kCDownPayment.name, QStringLiteral("30000"));
    EXPECT_EQ(text(ecc::kDownPaymentPercent.name), QStringLiteral("19.737"));
    EXPECT_DOUBLE_EQ(value(ecc::kPMIPercent.name), 0.0032);
    expectFigures({152000, 30000, 122000, 811.67, 32.53, 1024.20, 1184.53, 1253.49, 32438.03},
                  "L-U-L");

    // U-U-L
    click(ecc::kBtnUnlockPurchasePrice);
    typeAndLeave({{ecc::kCPurchasePrice.name, "250000"}, {ecc::kCDownPayment.name, "12345"}});
    EXPECT_EQ(text(ecc::kDownPaymentPercent.name), QStringLiteral("4.938"));
    expectFigures({250000, 12345, 237655, 1581.12, 178.24, 1939.37, 1330.24, 1731.91, 15407.15},
                  "U-U-L");

    // L-U-U: unlocking the loan locks the price again.
    click(ecc::kBtnUnlockLoanAmount);
    EXPECT_TRUE(field(ecc::kCPurchasePrice.name)->isReadOnly());
    typeAndLeave({{ecc::kCLoanAmount.name, "150000"}, {ecc::kCDownPayment.name, "15000"}});
    expectFigures({165000, 15000, 150000, 997.95, 97.50, 1275.45, 1249.50, 1399.01, 17648.51},
                  "L-U-U");

    // L-L-U at 5 % over 15 years: the 15-year column, band above 90 up to 95.
    click(ecc::kBtnLockDownPayment);
    typeAndLeave({{ecc::kDownPaymentPercent.name, "5"},
                  {ecc::kTerm.name, "15"},
                  {ecc::kCLoanAmount.name, "95000"}});
    expectFigures({100000, 5000, 95000, 853.89, 44.33, 1078.22, 1196.33, 1187.62, 7383.95},
                  "L-L-U");

    // U-L-L
    click(ecc::kBtnUnlockPurchasePrice);
    EXPECT_TRUE(field(ecc::kCLoanAmount.name)->isReadOnly());
    typeAndLeave({{ecc::kDownPaymentPercent.name, "10"},
                  {ecc::kTerm.name, "30"},
                  {ecc::kCPurchasePrice.name, "200000"}});
    expectFigures({200000, 20000, 180000, 1197.54, 78, 1455.54, 1230, 1465.81, 22695.81}, "U-L-L");

    // Back to all locked: income and debt limit the price again.
    click(ecc::kBtnLockPurchasePrice);
    EXPECT_EQ(QApplication::focusWidget(), field(ecc::kIncome.name));
    leave();
    expectFigures({126000, 12600, 113400, 754.45, 49.14, 983.59, 1201.14, 1245.36, 15046.50},
                  "L-L-L again");
}

TEST_F(EccPageTest, LockButtonsSwapAndTheFieldsFollow)
{
    enter();
    auto visible = [&](const char* name) { return find<QToolButton>(ecc, name)->isVisible(); };
    auto typable = [&](const char* name) {
        NumericField* f = field(name);
        return !f->isReadOnly() && f->isEnabled() && (f->focusPolicy() & Qt::TabFocus);
    };
    struct Step {
        const char* button;
        bool price, downPayment, loan; // typable
    };
    const Step steps[] = {{ecc::kBtnUnlockPurchasePrice, true, false, false},
                          {ecc::kBtnUnlockDownPayment, true, true, false},
                          {ecc::kBtnUnlockLoanAmount, false, true, true},
                          {ecc::kBtnLockLoanAmount, false, true, false},
                          {ecc::kBtnLockDownPayment, false, false, false}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.button);
        click(s.button);
        EXPECT_EQ(typable(ecc::kCPurchasePrice.name), s.price);
        EXPECT_EQ(typable(ecc::kCDownPayment.name), s.downPayment);
        EXPECT_EQ(typable(ecc::kCLoanAmount.name), s.loan);
        EXPECT_EQ(field(ecc::kCPurchasePrice.name)->accessibleDescription(),
                  s.price ? "unlocked, typed" : "locked, computed");
        // One button of each pair shows: the key while the amount is computed.
        EXPECT_EQ(visible(ecc::kBtnUnlockPurchasePrice), !s.price);
        EXPECT_EQ(visible(ecc::kBtnLockPurchasePrice), s.price);
        EXPECT_EQ(visible(ecc::kBtnUnlockDownPayment), !s.downPayment);
        EXPECT_EQ(visible(ecc::kBtnLockDownPayment), s.downPayment);
        EXPECT_EQ(visible(ecc::kBtnUnlockLoanAmount), !s.loan);
        EXPECT_EQ(visible(ecc::kBtnLockLoanAmount), s.loan);
        const bool allLocked = !s.price && !s.downPayment && !s.loan;
        EXPECT_EQ(field(ecc::kIncome.name)->isEnabled(), allLocked);
        EXPECT_EQ(field(ecc::kDebt.name)->isEnabled(), allLocked);
        EXPECT_EQ(field(ecc::kDownPaymentPercent.name)->isEnabled(), !s.downPayment);
    }
    for (const char* name : {ecc::kBtnUnlockPurchasePrice, ecc::kBtnLockPurchasePrice,
                             ecc::kBtnUnlockDownPayment, ecc::kBtnLockDownPayment}) {
        auto* button = find<QToolButton>(ecc, name);
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        EXPECT_EQ(
            button->geometry(),
            find<QToolButton>(ecc, ecc::kBtnUnlockPurchasePrice)
                ->geometry()
                .translated(0, button->y()
                                   - find<QToolButton>(ecc, ecc::kBtnUnlockPurchasePrice)->y()));
    }
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(EccPageTest, PremiumBandEdges)
{
    enter();
    struct Case {
        const char* percent;
        const char* term;
        double rate;
    };
    const Case cases[] = {{"20", "30", 0},          // loan-to-value 80: none
                          {"19.999", "30", 0.0032}, // 80.001: the first band
                          {"3", "30", 0.0090},      // 97: the fourth band
                          {"2.5", "30", 0},         // 97.5: none
                          {"10", "15", 0.0023},     // 15 years: the 15-year column
                          {"10", "16", 0.0052}};    // 16 years: the 30-year column
    for (const Case& c : cases) {
        typeAndLeave(ecc::kTerm.name, QLatin1String(c.term));
        typeAndLeave(ecc::kDownPaymentPercent.name, QLatin1String(c.percent));
        EXPECT_DOUBLE_EQ(value(ecc::kPMIPercent.name), c.rate) << c.percent << " " << c.term;
        EXPECT_NEAR(value(ecc::kCpmi.name), c.rate * value(ecc::kCLoanAmount.name) / 12, 1e-9);
    }
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(EccPageTest, RefusedInputsChangeNothing)
{
    formSettings();
    enter();
    struct Case {
        const char* unlock;
        const char* field;
        const char* keys;
        const char* message;
    };
    const Case cases[] = {
        {nullptr, ecc::kDownPaymentPercent.name, "100",
         "Down Payment Percent must be at least 0 and less than 100."},
        {nullptr, ecc::kTerm.name, "101", "Term (Years) must be a whole number from 0 to 100."},
        {ecc::kBtnUnlockDownPayment, ecc::kCDownPayment.name, "200000",
         "Down Payment Amount cannot be larger than the Purchase Price."},
        {ecc::kBtnUnlockPurchasePrice, ecc::kCPurchasePrice.name, "-5",
         "Purchase Price cannot be negative."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        if (c.unlock)
            click(c.unlock);
        leave();
        takeMessages();
        const double cash = value(ecc::kCCashRequiredToClose.name);
        const double loan = value(ecc::kCLoanAmount.name);
        typeAndLeave(c.field, QLatin1String(c.keys));
        EXPECT_EQ(takeMessages(), QStringList{QLatin1String(c.message)});
        EXPECT_EQ(value(ecc::kCCashRequiredToClose.name), cash);
        EXPECT_EQ(value(ecc::kCLoanAmount.name), loan);
        field(c.field)->setValue(0);
    }
}

TEST_F(EccPageTest, ClosingCostPanel)
{
    formSettings();
    enter();
    leave();
    auto* panel = find<QFrame>(ecc, ecc::kPnlClosing);
    m_window->m_settings.AppraisalFee = 333; // the saved value replaces what the line shows
    click(ecc::kBtnCalcClosing);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(find<QPushButton>(ecc, ecc::kBtnCalcClosing)->isEnabled());
    EXPECT_FALSE(find<QPushButton>(ecc, ecc::kBtnCalcEscrows)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), field(ecc::kAF.name));
    EXPECT_EQ(value(ecc::kAF.name), 333);

    typeAndLeave(ecc::kAF.name, QStringLiteral("400"));
    EXPECT_NEAR(value(ecc::kCClosingCosts.name), 1152 + 100, kCent);
    // 3 origination points on the 121,600 loan.
    typeAndLeave(ecc::kOriginationPoints.name, QStringLiteral("3"));
    EXPECT_NEAR(value(ecc::kOriginationFee.name), 3648, kCent);
    typeAndLeave(ecc::kOriginationPoints.name, QStringLiteral("0"));

    // Seller-paid costs lower the cash, not the closing costs, down to below zero.
    typeAndLeave(ecc::kSellerPaid.name, QStringLiteral("50000"));
    EXPECT_NEAR(value(ecc::kCClosingCosts.name), 1252, kCent);
    EXPECT_NEAR(value(ecc::kCCashRequiredToClose.name), 30400 + 1252 + 1219.81 - 50000, kCent);
    EXPECT_EQ(text(ecc::kCCashRequiredToClose.name), QStringLiteral("($17,128.19)"));

    // Tab from OK goes round to the first typed line while the panel is open.
    auto* ok = find<QPushButton>(ecc, ecc::kBtnClosePnlClosing);
    ok->setFocus(Qt::TabFocusReason);
    settle();
    QTest::keyClick(ok, Qt::Key_Tab);
    settle();
    EXPECT_EQ(QApplication::focusWidget(), field(ecc::kAF.name));

    click(ecc::kBtnClosePnlClosing);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(find<QPushButton>(ecc, ecc::kBtnCalcEscrows)->isEnabled());
    EXPECT_EQ(m_window->m_settings.AppraisalFee, 400);
    EXPECT_EQ(m_window->m_settings.SellerPaid, 50000);
    EXPECT_EQ(m_window->m_savedKeys,
              (QStringList{"AppraisalFee", "CreditReport", "TaxServiceFee", "LendersInspectionFee",
                           "TitleInsurance", "TitleSearch", "EscrowClosingFee", "RecordingFee",
                           "OtherFees", "SellerPaid"}));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(EccPageTest, EscrowPanel)
{
    formSettings();
    enter();
    click(ecc::kBtnCalcEscrows);
    EXPECT_TRUE(find<QFrame>(ecc, ecc::kPnlEscrow)->isVisible());
    EXPECT_FALSE(find<QPushButton>(ecc, ecc::kBtnCalcClosing)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), field(ecc::kIIDays.name));
    typeAndLeave(ecc::kIIDays.name, QStringLiteral("30"));
    EXPECT_NEAR(value(ecc::kII.name), 0.07 * 121600 / 365 * 30, 1e-6);
    typeAndLeave(ecc::kIIDays.name, QStringLiteral("0"));
    EXPECT_EQ(value(ecc::kII.name), 0);
    typeAndLeave(ecc::kInsurance.name, QStringLiteral("0"));
    EXPECT_EQ(value(ecc::kHOIP.name), 0);
    EXPECT_EQ(value(ecc::kHOII.name), 0);
    EXPECT_NEAR(value(ecc::kCEscrows.name), 450, kCent); // the tax reserve alone
    click(ecc::kBtnClosePnlEscrow);
    EXPECT_FALSE(find<QFrame>(ecc, ecc::kPnlEscrow)->isVisible());
    EXPECT_EQ(m_window->m_settings.InterimInterestDays, 0);
    EXPECT_EQ(m_window->m_savedKeys,
              (QStringList{"InterimInterestDays", "PropertyTaxMonths", "HomeownersFirstYear",
                           "HomeownersRenewalMonths"}));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(EccPageTest, ResetRestoresTheStartAndUnlockingThenComputes)
{
    formSettings();
    enter();
    click(ecc::kBtnUnlockPurchasePrice);
    typeAndLeave({{ecc::kCPurchasePrice.name, "300000"},
                  {ecc::kTerm.name, "15"},
                  {ecc::kIIDays.name, "30"}});
    m_window->m_settings.HRatio = 30;
    m_window->clickReset();
    settle();
    EXPECT_TRUE(find<QToolButton>(ecc, ecc::kBtnUnlockPurchasePrice)->isVisible());
    EXPECT_EQ(value(ecc::kTerm.name), 30);
    EXPECT_EQ(value(ecc::kIIDays.name), 15);
    EXPECT_EQ(value(ecc::kHousingRatio.name), 30);
    EXPECT_EQ(value(ecc::kAF.name), 300); // the saved fee, not one nobody typed
    EXPECT_EQ(value(ecc::kPMIIMonths.name), 1);
    EXPECT_EQ(QApplication::focusWidget(), field(ecc::kIncome.name));
    EXPECT_GT(value(ecc::kCPurchasePrice.name), 0);

    click(ecc::kBtnUnlockDownPayment);
    leave();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_NEAR(value(ecc::kCLoanAmount.name),
                value(ecc::kCPurchasePrice.name) - value(ecc::kCDownPayment.name), kCent);
}

// The loan-cost panel shows what the page's one call works out, on every recomputation; a
// percentage without a definition and months without mortgage insurance say so in words.
TEST_F(EccPageTest, LoanCostPanelShowsTheFiguresOrSaysThereAreNone)
{
    formSettings();
    enter();
    click(ecc::kBtnCalcLoanCosts);
    EXPECT_TRUE(find<QFrame>(ecc, ecc::kPnlLoanCosts)->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), find<QWidget>(ecc, ecc::kBtnClosePnlLoanCosts));
    // 121,600 at 809.01 for 30 years; the loan costs are the 1,152 less the recording fee.
    EXPECT_EQ(text(ecc::kTotalOfPayments.name), QStringLiteral("$291,243.60"));
    EXPECT_EQ(text(ecc::kIn5YearsPaid.name), QStringLiteral("$49,642.60"));
    EXPECT_EQ(text(ecc::kPMICancelMonth.name), QStringLiteral("none"));
    EXPECT_EQ(text(ecc::kPMIEndMonth.name), QStringLiteral("none"));
    EXPECT_GT(value(ecc::kAPR.name), 7);
    click(ecc::kBtnClosePnlLoanCosts);

    typeAndLeave(ecc::kTerm.name, QStringLiteral("0"));
    for (const char* name : {ecc::kAPR.name, ecc::kTIP.name}) {
        EXPECT_EQ(text(name), QStringLiteral("n/a")) << name;
        EXPECT_EQ(value(name), 0) << name;
    }
    typeAndLeave(ecc::kTerm.name, QStringLiteral("30"));
    EXPECT_EQ(text(ecc::kAPR.name), QString::number(value(ecc::kAPR.name), 'f', 3));
    EXPECT_TRUE(takeMessages().isEmpty());
}

} // namespace
