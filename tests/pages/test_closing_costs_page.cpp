// The Estimated Closing Costs page and its panels driven through the real widgets. Expected
// figures are worked out from the formulas by hand: the largest price L2 / (1 - f) rounded to
// the thousand, P&I from the level-payment equation, daily interest on a 365-day year.
#include "pages/num_edit.h"
#include "tests/support/page_fixture.h"

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

class EccPageTest : public PageFixture {
protected:
    // The page's own form figures: no points, taxes 1,800, insurance 360.
    void formSettings()
    {
        m_window->m_settings.OriginationPoints = 0;
        m_window->m_settings.RealEstateTax = 1800;
        m_window->m_settings.Insurance = 360;
    }
    void enter()
    {
        m_window->gotoPage(ecc);
        settle();
    }

    NumericField* field(const char* name) { return find<NumericField>(ecc, name); }
    double value(const char* name) { return field(name)->value(); }
    QString text(const char* name) { return field(name)->displayText(); }

    void type(const char* name, const QString& keys) { typeInto(field(name), keys); }
    void typeAndLeave(const char* name, const QString& keys)
    {
        type(name, keys);
        leave();
    }
    void click(const char* name)
    {
        QTest::mouseClick(find<QAbstractButton>(ecc, name), Qt::LeftButton);
        settle();
    }

    void expectFigures(const Figures& f, const char* state)
    {
        SCOPED_TRACE(state);
        EXPECT_NEAR(value("edtEccCPurchasePrice"), f.price, kCent);
        EXPECT_NEAR(value("edtEccCDownPayment"), f.downPayment, kCent);
        EXPECT_NEAR(value("edtEccCLoanAmount"), f.loan, kCent);
        EXPECT_NEAR(value("edtEccCPandI"), f.pAndI, kCent);
        EXPECT_NEAR(value("edtEccCpmi"), f.pmi, kCent);
        EXPECT_NEAR(value("edtClosingPMI"), f.pmi, kCent);
        EXPECT_NEAR(value("edtEccCMonthlyPayment"), f.total, kCent);
        EXPECT_NEAR(value("edtEccCClosingCosts"), f.closingCosts, kCent);
        EXPECT_NEAR(value("edtEccCEscrows"), f.escrows, kCent);
        EXPECT_NEAR(value("edtEccCCashRequiredToClose"), f.cash, kCent);
        EXPECT_TRUE(takeMessages().isEmpty());
    }

    const QString ecc = QStringLiteral("ECC");
};

TEST_F(EccPageTest, FirstEntryWithDefaultSettingsUsesTheSavedDefaults)
{
    enter();
    EXPECT_EQ(QApplication::focusWidget(), field("edtEccIncome"));
    leave();
    EXPECT_EQ(text("edtEccCPurchasePrice"), QStringLiteral("$164,000.00"));
    EXPECT_EQ(text("edtEccCLoanAmount"), QStringLiteral("$131,200.00"));
    EXPECT_EQ(text("edtEccCPandI"), QStringLiteral("$872.88"));
    EXPECT_EQ(text("edtEccCMonthlyPayment"), QStringLiteral("$987.88"));
    EXPECT_EQ(text("edtEccCHousingRatio"), QStringLiteral("25"));
    EXPECT_EQ(text("edtEccCDebtRatio"), QStringLiteral("36"));
    EXPECT_EQ(text("edtEccCClosingCosts"), QStringLiteral("$2,464.00"));
    EXPECT_EQ(text("edtEccCEscrows"), QStringLiteral("$1,254.09"));
    EXPECT_EQ(text("edtEccCCashRequiredToClose"), QStringLiteral("$36,518.09"));
    EXPECT_EQ(value("edtEccOriginationPoints"), 1);
    EXPECT_EQ(value("edtEccTax"), 800);
    EXPECT_EQ(value("edtEccInsurance"), 580);
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
    EXPECT_EQ(text("edtEccCHousingRatio"), QStringLiteral("25"));
    EXPECT_EQ(text("edtEccCDebtRatio"), QStringLiteral("36"));
    typeAndLeave("edtEccDownPaymentPercent", QStringLiteral("10"));
    expectFigures({126000, 12600, 113400, 754.45, 49.14, 983.59, 1201.14, 1245.36, 15046.50},
                  "L-L-L 10 %");
    typeAndLeave("edtEccDownPaymentPercent", QStringLiteral("20"));

    // L-U-L: the price shown stays; the percent and the premium follow the down payment.
    click("btnUnlockDownPayment");
    EXPECT_EQ(QApplication::focusWidget(), field("edtEccCDownPayment"));
    typeAndLeave("edtEccCDownPayment", QStringLiteral("30000"));
    EXPECT_EQ(text("edtEccDownPaymentPercent"), QStringLiteral("19.737"));
    EXPECT_DOUBLE_EQ(value("edtPMIPercent"), 0.0032);
    expectFigures({152000, 30000, 122000, 811.67, 32.53, 1024.20, 1184.53, 1253.49, 32438.03},
                  "L-U-L");

    // U-U-L
    click("btnUnlockPurchasePrice");
    typeAndLeave("edtEccCPurchasePrice", QStringLiteral("250000"));
    typeAndLeave("edtEccCDownPayment", QStringLiteral("12345"));
    EXPECT_EQ(text("edtEccDownPaymentPercent"), QStringLiteral("4.938"));
    expectFigures({250000, 12345, 237655, 1581.12, 178.24, 1939.37, 1330.24, 1731.91, 15407.15},
                  "U-U-L");

    // L-U-U: unlocking the loan locks the price again.
    click("btnUnlockLoanAmount");
    EXPECT_TRUE(field("edtEccCPurchasePrice")->isReadOnly());
    typeAndLeave("edtEccCLoanAmount", QStringLiteral("150000"));
    typeAndLeave("edtEccCDownPayment", QStringLiteral("15000"));
    expectFigures({165000, 15000, 150000, 997.95, 97.50, 1275.45, 1249.50, 1399.01, 17648.51},
                  "L-U-U");

    // L-L-U at 5 % over 15 years: the 15-year column, band above 90 up to 95.
    click("btnLockDownPayment");
    typeAndLeave("edtEccDownPaymentPercent", QStringLiteral("5"));
    typeAndLeave("edtEccTerm", QStringLiteral("15"));
    typeAndLeave("edtEccCLoanAmount", QStringLiteral("95000"));
    expectFigures({100000, 5000, 95000, 853.89, 44.33, 1078.22, 1196.33, 1187.62, 7383.95},
                  "L-L-U");

    // U-L-L
    click("btnUnlockPurchasePrice");
    EXPECT_TRUE(field("edtEccCLoanAmount")->isReadOnly());
    typeAndLeave("edtEccDownPaymentPercent", QStringLiteral("10"));
    typeAndLeave("edtEccTerm", QStringLiteral("30"));
    typeAndLeave("edtEccCPurchasePrice", QStringLiteral("200000"));
    expectFigures({200000, 20000, 180000, 1197.54, 78, 1455.54, 1230, 1465.81, 22695.81},
                  "U-L-L");

    // Back to all locked: income and debt limit the price again.
    click("btnLockPurchasePrice");
    EXPECT_EQ(QApplication::focusWidget(), field("edtEccIncome"));
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
        bool price, downPayment, loan;  // typable
    };
    const Step steps[] = {{"btnUnlockPurchasePrice", true, false, false},
                          {"btnUnlockDownPayment", true, true, false},
                          {"btnUnlockLoanAmount", false, true, true},
                          {"btnLockLoanAmount", false, true, false},
                          {"btnLockDownPayment", false, false, false}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.button);
        click(s.button);
        EXPECT_EQ(typable("edtEccCPurchasePrice"), s.price);
        EXPECT_EQ(typable("edtEccCDownPayment"), s.downPayment);
        EXPECT_EQ(typable("edtEccCLoanAmount"), s.loan);
        // One button of each pair shows: the key while the amount is computed.
        EXPECT_EQ(visible("btnUnlockPurchasePrice"), !s.price);
        EXPECT_EQ(visible("btnLockPurchasePrice"), s.price);
        EXPECT_EQ(visible("btnUnlockDownPayment"), !s.downPayment);
        EXPECT_EQ(visible("btnLockDownPayment"), s.downPayment);
        EXPECT_EQ(visible("btnUnlockLoanAmount"), !s.loan);
        EXPECT_EQ(visible("btnLockLoanAmount"), s.loan);
        const bool allLocked = !s.price && !s.downPayment && !s.loan;
        EXPECT_EQ(field("edtEccIncome")->isEnabled(), allLocked);
        EXPECT_EQ(field("edtEccDebt")->isEnabled(), allLocked);
        EXPECT_EQ(field("edtEccDownPaymentPercent")->isEnabled(), !s.downPayment);
    }
    for (const char* name : {"btnUnlockPurchasePrice", "btnLockPurchasePrice",
                             "btnUnlockDownPayment", "btnLockDownPayment"}) {
        auto* button = find<QToolButton>(ecc, name);
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        EXPECT_EQ(button->geometry(), find<QToolButton>(ecc, "btnUnlockPurchasePrice")
                                          ->geometry()
                                          .translated(0, button->y() -
                                                             find<QToolButton>(
                                                                 ecc, "btnUnlockPurchasePrice")
                                                                 ->y()));
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
        typeAndLeave("edtEccTerm", QLatin1String(c.term));
        typeAndLeave("edtEccDownPaymentPercent", QLatin1String(c.percent));
        EXPECT_DOUBLE_EQ(value("edtPMIPercent"), c.rate) << c.percent << " " << c.term;
        EXPECT_NEAR(value("edtEccCpmi"), c.rate * value("edtEccCLoanAmount") / 12, 1e-9);
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
        {nullptr, "edtEccDownPaymentPercent", "100",
         "Down Payment Percent must be at least 0 and less than 100."},
        {nullptr, "edtEccTerm", "101", "Term (Years) must be a whole number from 0 to 100."},
        {"btnUnlockDownPayment", "edtEccCDownPayment", "200000",
         "Down Payment Amount cannot be larger than the Purchase Price."},
        {"btnUnlockPurchasePrice", "edtEccCPurchasePrice", "-5",
         "Purchase Price cannot be negative."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        if (c.unlock)
            click(c.unlock);
        leave();
        takeMessages();
        const double cash = value("edtEccCCashRequiredToClose");
        const double loan = value("edtEccCLoanAmount");
        typeAndLeave(c.field, QLatin1String(c.keys));
        EXPECT_EQ(takeMessages(), QStringList{QLatin1String(c.message)});
        EXPECT_EQ(value("edtEccCCashRequiredToClose"), cash);
        EXPECT_EQ(value("edtEccCLoanAmount"), loan);
        field(c.field)->setValue(0);
    }
}

TEST_F(EccPageTest, ClosingCostPanel)
{
    formSettings();
    enter();
    leave();
    auto* panel = find<QFrame>(ecc, "pnlClosing");
    m_window->m_settings.AppraisalFee = 333;  // the saved value replaces what the line shows
    click("btnCalcClosing");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(find<QPushButton>(ecc, "btnCalcClosing")->isEnabled());
    EXPECT_FALSE(find<QPushButton>(ecc, "btnCalcEscrows")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), field("edtAF"));
    EXPECT_EQ(value("edtAF"), 333);

    typeAndLeave("edtAF", QStringLiteral("400"));
    EXPECT_NEAR(value("edtEccCClosingCosts"), 1152 + 100, kCent);
    // 3 origination points on the 121,600 loan.
    typeAndLeave("edtEccOriginationPoints", QStringLiteral("3"));
    EXPECT_NEAR(value("edtOriginationFee"), 3648, kCent);
    typeAndLeave("edtEccOriginationPoints", QStringLiteral("0"));

    // Seller-paid costs lower the cash, not the closing costs, down to below zero.
    typeAndLeave("edtSellerPaid", QStringLiteral("50000"));
    EXPECT_NEAR(value("edtEccCClosingCosts"), 1252, kCent);
    EXPECT_NEAR(value("edtEccCCashRequiredToClose"), 30400 + 1252 + 1219.81 - 50000, kCent);
    EXPECT_EQ(text("edtEccCCashRequiredToClose"), QStringLiteral("($17,128.19)"));

    // Tab from OK goes round to the first typed line while the panel is open.
    auto* ok = find<QPushButton>(ecc, "btnClosePnlClosing");
    ok->setFocus(Qt::TabFocusReason);
    settle();
    QTest::keyClick(ok, Qt::Key_Tab);
    settle();
    EXPECT_EQ(QApplication::focusWidget(), field("edtAF"));

    click("btnClosePnlClosing");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(find<QPushButton>(ecc, "btnCalcEscrows")->isEnabled());
    EXPECT_EQ(m_window->m_settings.AppraisalFee, 400);
    EXPECT_EQ(m_window->m_settings.SellerPaid, 50000);
    EXPECT_EQ(m_window->m_savedKeys,
              (QStringList{"AppraisalFee", "CreditReport", "TaxServiceFee",
                           "LendersInspectionFee", "TitleInsurance", "TitleSearch",
                           "EscrowClosingFee", "RecordingFee", "OtherFees", "SellerPaid"}));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(EccPageTest, EscrowPanel)
{
    formSettings();
    enter();
    click("btnCalcEscrows");
    EXPECT_TRUE(find<QFrame>(ecc, "pnlEscrow")->isVisible());
    EXPECT_FALSE(find<QPushButton>(ecc, "btnCalcClosing")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), field("edtIIDays"));
    typeAndLeave("edtIIDays", QStringLiteral("30"));
    EXPECT_NEAR(value("edtII"), 0.07 * 121600 / 365 * 30, 1e-6);
    typeAndLeave("edtIIDays", QStringLiteral("0"));
    EXPECT_EQ(value("edtII"), 0);
    typeAndLeave("edtEccInsurance", QStringLiteral("0"));
    EXPECT_EQ(value("edtHOIP"), 0);
    EXPECT_EQ(value("edtHOII"), 0);
    EXPECT_NEAR(value("edtEccCEscrows"), 450, kCent);  // the tax reserve alone
    click("btnClosePnlEscrow");
    EXPECT_FALSE(find<QFrame>(ecc, "pnlEscrow")->isVisible());
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
    click("btnUnlockPurchasePrice");
    typeAndLeave("edtEccCPurchasePrice", QStringLiteral("300000"));
    typeAndLeave("edtEccTerm", QStringLiteral("15"));
    typeAndLeave("edtIIDays", QStringLiteral("30"));
    m_window->m_settings.HRatio = 30;
    m_window->clickReset();
    settle();
    EXPECT_TRUE(find<QToolButton>(ecc, "btnUnlockPurchasePrice")->isVisible());
    EXPECT_EQ(value("edtEccTerm"), 30);
    EXPECT_EQ(value("edtIIDays"), 15);
    EXPECT_EQ(value("edtEccHousingRatio"), 30);
    EXPECT_EQ(value("edtAF"), 300);  // the saved fee, not one nobody typed
    EXPECT_EQ(value("edtPMIIMonths"), 1);
    EXPECT_EQ(QApplication::focusWidget(), field("edtEccIncome"));
    EXPECT_GT(value("edtEccCPurchasePrice"), 0);

    click("btnUnlockDownPayment");
    leave();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_NEAR(value("edtEccCLoanAmount"),
                value("edtEccCPurchasePrice") - value("edtEccCDownPayment"), kCent);
}

} // namespace
