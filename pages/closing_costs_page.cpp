#include "pages/closing_costs_page.h"

#include "pages/closing_costs_fields.h"
#include "pages/closing_costs_panels.h"
#include "pages/lock_icons.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"
#include "toolkit/hints.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <initializer_list>
#include <stdexcept>

namespace qn::pages {

using namespace ecc;

namespace {

constexpr int kLockX = 562;
constexpr int kRowHeight = 22;

QLabel* caption(QLabel* label)
{
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QToolButton* lockButton(QWidget* parent, const char* name, const QIcon& icon,
                        const QString& accessibleName, const QString& hint, int y)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setGeometry(kLockX, y, kRowHeight, kRowHeight);
    button->setAccessibleName(accessibleName);
    toolkit::setHint(button, hint);
    // Clicking must not take the focus: the field the user leaves for the field the button
    // opens is what recomputes the page. Tab reaches it, so the keyboard can.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void setLockedLook(const PageFields& fields, FieldName name, bool locked)
{
    QLineEdit* field = fields.edit(name);
    fields.describeState(name, locked ? QStringLiteral("locked, %1").arg(QLatin1String(kComputed))
                                      : QStringLiteral("unlocked, typed"));
    if (locked) {
        makeResult(field);
    } else {
        applyFieldLook(field, FieldLook::Normal);
        field->setReadOnly(false);
        field->setFocusPolicy(Qt::StrongFocus);
    }
}

// The keys the escrow panel's OK writes.
const QStringList kEscrowKeys = {
    QStringLiteral("InterimInterestDays"), QStringLiteral("PropertyTaxMonths"),
    QStringLiteral("HomeownersFirstYear"), QStringLiteral("HomeownersRenewalMonths")};

// A field and the member of the computation's inputs it holds.
template <typename Inputs> struct Binding {
    FieldName field;
    double Inputs::*member;
};
using In = calc::EccInputs;
using Counts = calc::EccEscrowCounts;
constexpr Binding<In> kAmounts[] = {{kIncome, &In::income},
                                    {kDebt, &In::debt},
                                    {kInterest, &In::interestRate},
                                    {kOriginationPoints, &In::originationPoints},
                                    {kDiscountPoints, &In::discountPoints},
                                    {kTerm, &In::termYears},
                                    {kDownPaymentPercent, &In::downPaymentPercent},
                                    {kTax, &In::tax},
                                    {kInsurance, &In::insurance},
                                    {kAssociationFee, &In::associationFee},
                                    {kHousingRatio, &In::housingRatio},
                                    {kDebtRatio, &In::debtRatio},
                                    {kCPurchasePrice, &In::purchasePrice},
                                    {kCDownPayment, &In::downPayment},
                                    {kCLoanAmount, &In::loanAmount}};
constexpr Binding<Counts> kCounts[] = {{kIIDays, &Counts::interimInterestDays},
                                       {kPTIMonths, &Counts::propertyTaxMonths},
                                       {kHOIPMonths, &Counts::homeownersFirstYearMonths},
                                       {kHOIIMonths, &Counts::homeownersRenewalMonths},
                                       {kPMIIMonths, &Counts::pmiReserveMonths}};

} // namespace

ClosingCostsPage::ClosingCostsPage(PageHost& host, QWidget* parent) : CalculatorPage(host, parent)
{
    buildControls();
    m_pnlClosing = new ClosingCostPanel(this, m_fields);
    m_pnlEscrow = new EscrowPanel(this, m_fields);
    m_pnlLoanCosts = new LoanCostPanel(this, m_fields);
    loadStartingValues();
    showLocks();
    connectHandlers();
}

void ClosingCostsPage::buildControls()
{
    // Inputs, in tab order, each with its caption to its left.
    m_fields.build(this, kInputs);
    for (const FieldSpec& spec : kInputs) {
        const bool twoLines = QByteArray(spec.caption).contains('\n');
        caption(m_fields.makeCaption(
            this, spec.name,
            QRect(4, spec.at.y() - (twoLines ? 4 : 0), 152, twoLines ? 30 : kRowHeight)));
    }
    caption(makeLabel(this, QLatin1String(kQualifyingRatios), QRect(4, 276, 152, 22)));
    m_fields.build(this, kRatios);
    for (const FieldSpec& spec : kRatios)
        m_fields.makeCaption(this, spec.name, spec.at.translated(0, -19).adjusted(0, 0, 0, -4))
            ->setAlignment(Qt::AlignCenter);

    // Results, and the lockable amounts, which the user may unlock and type.
    m_fields.build(this, kResults);
    for (const FieldSpec& spec : kResults) {
        const std::string_view name = spec.name;
        if (name != kCClosingCosts.name && name != kCEscrows.name)
            caption(m_fields.makeCaption(this, spec.name, QRect(292, spec.at.y(), 146, 22)));
    }
    auto panelButton = [this](const char* name, FieldName field, const QString& hint) {
        const QRect& at = m_fields.spec(field).at;
        return makeButton(this, name, QLatin1String(m_fields.spec(field).caption), hint,
                          QRect(292, at.y(), 144, kRowHeight));
    };
    m_btnCalcClosing = panelButton(kBtnCalcClosing, kCClosingCosts,
                                   QStringLiteral("Show the itemised closing costs"));
    m_btnCalcEscrows = panelButton(kBtnCalcEscrows, kCEscrows,
                                   QStringLiteral("Show the prepaid items and escrows"));
    // Under the ratios, where the panels open.
    m_btnCalcLoanCosts =
        makeButton(this, kBtnCalcLoanCosts, QStringLiteral("&APR && Loan Costs"),
                   QStringLiteral("Show the APR, the finance charge and the first five years"),
                   QRect(134, 304, 144, kRowHeight));
    m_fields.addTabStops({m_btnCalcClosing, m_btnCalcEscrows, m_btnCalcLoanCosts});
    buildLocks();

    QLabel* keysLine =
        makeLabel(this, QStringLiteral("Clicking on a key allows you to modify default values."),
                  QRect(292, 306, 292, 18));
    keysLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void ClosingCostsPage::buildLocks()
{
    const QIcon key = keyIcon();
    const QIcon padlock = padlockIcon();
    auto pair = [&](const char* lockName, const char* unlockName, const QString& amount,
                    QToolButton*& lock, QToolButton*& unlock, FieldName field) {
        const QString lower = amount.toLower();
        const int y = m_fields.spec(field).at.y();
        lock = lockButton(this, lockName, padlock, QStringLiteral("Lock ") + amount,
                          QStringLiteral("Click to have the %1 computed").arg(lower), y);
        unlock = lockButton(this, unlockName, key, QStringLiteral("Unlock ") + amount,
                            QStringLiteral("Click to type your own %1").arg(lower), y);
    };
    pair(kBtnLockPurchasePrice, kBtnUnlockPurchasePrice, QStringLiteral("Purchase Price"),
         m_btnLockPurchasePrice, m_btnUnlockPurchasePrice, kCPurchasePrice);
    pair(kBtnLockDownPayment, kBtnUnlockDownPayment, QStringLiteral("Down Payment"),
         m_btnLockDownPayment, m_btnUnlockDownPayment, kCDownPayment);
    pair(kBtnLockLoanAmount, kBtnUnlockLoanAmount, QStringLiteral("Loan Amount"),
         m_btnLockLoanAmount, m_btnUnlockLoanAmount, kCLoanAmount);
    // Tab goes from each amount to the one of its buttons that shows.
    m_fields.addTabStopsAfter(kCPurchasePrice, {m_btnUnlockPurchasePrice, m_btnLockPurchasePrice});
    m_fields.addTabStopsAfter(kCDownPayment, {m_btnUnlockDownPayment, m_btnLockDownPayment});
    m_fields.addTabStopsAfter(kCLoanAmount, {m_btnUnlockLoanAmount, m_btnLockLoanAmount});
}

void ClosingCostsPage::connectHandlers()
{
    using P = ClosingCostsPage;
    // Leaving any field of the page or of its panels recomputes everything.
    for (FieldTable table :
         {FieldTable(kInputs), FieldTable(kRatios), FieldTable(kResults), FieldTable(kClosingLines),
          FieldTable(kEscrowLines), FieldTable(kLoanCostLines)})
        m_fields.connectLeaving(table, this, &P::CalcECC);
    connectClicks<P>(this, {{m_btnLockPurchasePrice, &P::btnLockPurchasePriceClick},
                            {m_btnUnlockPurchasePrice, &P::btnUnlockPurchasePriceClick},
                            {m_btnLockDownPayment, &P::btnLockDownPaymentClick},
                            {m_btnUnlockDownPayment, &P::btnUnlockDownPaymentClick},
                            {m_btnLockLoanAmount, &P::btnLockLoanAmountClick},
                            {m_btnUnlockLoanAmount, &P::btnUnlockLoanAmountClick},
                            {m_btnCalcClosing, &P::BtnCalcClosingClick},
                            {m_pnlClosing->okButton(), &P::BtnClosePnlClosingClick},
                            {m_btnCalcEscrows, &P::BtnCalcEscrowsClick},
                            {m_pnlEscrow->okButton(), &P::BtnClosePnlEscrowClick},
                            {m_btnCalcLoanCosts, &P::BtnCalcLoanCostsClick},
                            {m_pnlLoanCosts->okButton(), &P::BtnClosePnlLoanCostsClick}});
}

// The page as first built, and after Reset: saved defaults where there are any, every
// result 0.
void ClosingCostsPage::loadStartingValues()
{
    showInputs(calc::EccStartingInputs(m_host.settings()));
    for (FieldTable table : {FieldTable(kResults), FieldTable(kClosingLines),
                             FieldTable(kEscrowLines), FieldTable(kLoanCostLines)}) {
        for (const FieldSpec& spec : table) {
            if (spec.role == FieldRole::Result)
                m_fields.setValue(spec.name, 0);
        }
    }
}

void ClosingCostsPage::enter()
{
    m_fields.loadSettings(kRatios, m_host.settings());
    m_fields.edit(m_locks.allLocked() ? kIncome : kInterest)->setFocus();
    CalcECC();
}

void ClosingCostsPage::reset()
{
    applyFieldLook(m_fields.edit(kIncome), FieldLook::Normal);
    applyFieldLook(m_fields.edit(kDebt), FieldLook::Normal);
    btnLockDownPaymentClick();
    btnLockLoanAmountClick();
    btnLockPurchasePriceClick();
    loadStartingValues();
    m_fields.edit(kIncome)->setFocus();
    m_host.setResetEnabled(false);
    m_host.setPrintingEnabled(false);
    // Recomputed as on entry, so no field is left at a 0 that later divides.
    CalcECC();
}

calc::EccInputs ClosingCostsPage::readInputs() const
{
    calc::EccInputs in;
    for (const Binding<In>& a : kAmounts)
        in.*a.member = m_fields.value(a.field);
    for (const calc::FeeLine& fee : calc::kFeeLines)
        in.fees.*fee.value = m_fields.value(fee.name);
    for (const Binding<Counts>& c : kCounts)
        in.counts.*c.member = m_fields.value(c.field);
    in.pmi = calc::PmiRatesOf(m_host.settings());
    return in;
}

void ClosingCostsPage::showInputs(const calc::EccInputs& in)
{
    for (const Binding<In>& a : kAmounts)
        m_fields.setValue(a.field, in.*a.member);
    for (const calc::FeeLine& fee : calc::kFeeLines)
        m_fields.setValue(fee.name, in.fees.*fee.value);
    for (const Binding<Counts>& c : kCounts)
        m_fields.setValue(c.field, in.counts.*c.member);
}

void ClosingCostsPage::CalcECC()
{
    m_host.setPrintingEnabled(true);
    m_host.setResetEnabled(true);
    // Every check runs before any field is written, so a refused input changes nothing.
    const calc::EccInputs in = readInputs();
    const calc::EccResults results = calc::CalcEcc(in, m_locks);
    const calc::LendingFigures costs = calc::LendingFiguresOf(in, results);
    writeResults(results);
    writeLoanCosts(costs);
}

void ClosingCostsPage::writeResults(const calc::EccResults& r)
{
    const PageFields& f = m_fields;
    if (r.purchasePrice)
        f.setValue(kCPurchasePrice, *r.purchasePrice);
    if (r.downPayment)
        f.setValue(kCDownPayment, *r.downPayment);
    if (r.loanAmount)
        f.setValue(kCLoanAmount, *r.loanAmount);
    if (r.downPaymentPercent)
        f.setValue(kDownPaymentPercent, *r.downPaymentPercent);
    f.show(r);
    f.show(r.panels);
}

void ClosingCostsPage::writeLoanCosts(const calc::LendingFigures& l)
{
    const PageFields& f = m_fields;
    auto percent = [&f](FieldName name, std::optional<double> figure) {
        f.money(name)->setZeroMask(figure ? QString() : QLatin1String(kNotDefined));
        f.setValue(name, figure.value_or(0));
    };
    percent(kAPR, l.apr);
    percent(kTIP, l.totalInterestPercent);
    f.show(l);
}

void ClosingCostsPage::showLocks()
{
    setLockedLook(m_fields, kCPurchasePrice, m_locks.purchasePrice);
    setLockedLook(m_fields, kCDownPayment, m_locks.downPayment);
    setLockedLook(m_fields, kCLoanAmount, m_locks.loanAmount);
    m_btnUnlockPurchasePrice->setVisible(m_locks.purchasePrice);
    m_btnLockPurchasePrice->setVisible(!m_locks.purchasePrice);
    m_btnUnlockDownPayment->setVisible(m_locks.downPayment);
    m_btnLockDownPayment->setVisible(!m_locks.downPayment);
    m_btnUnlockLoanAmount->setVisible(m_locks.loanAmount);
    m_btnLockLoanAmount->setVisible(!m_locks.loanAmount);
    // The percent is an input only while the down payment is computed from it.
    if (m_locks.downPayment) {
        applyFieldLook(m_fields.edit(kDownPaymentPercent), FieldLook::Normal);
    } else {
        applyFieldLook(m_fields.edit(kDownPaymentPercent), FieldLook::Result);
        m_fields.edit(kDownPaymentPercent)->setEnabled(false);
    }
    // Income and debt limit the price only while all three amounts are computed.
    const FieldLook look = m_locks.allLocked() ? FieldLook::Normal : FieldLook::Unknown;
    applyFieldLook(m_fields.edit(kIncome), look);
    applyFieldLook(m_fields.edit(kDebt), look);
}

// The lock states by the names a scenario gives them.
namespace {
struct LockSwitch {
    const char* name;
    bool calc::EccLocks::*state;
};
constexpr LockSwitch kLockSwitches[] = {{"lockPurchasePrice", &calc::EccLocks::purchasePrice},
                                        {"lockDownPayment", &calc::EccLocks::downPayment},
                                        {"lockLoanAmount", &calc::EccLocks::loanAmount}};

calc::EccLocks locksWith(calc::EccLocks locks, const std::map<QString, bool>& switches)
{
    for (const LockSwitch& lock : kLockSwitches) {
        if (const auto it = switches.find(QLatin1String(lock.name)); it != switches.end())
            locks.*lock.state = it->second;
    }
    return locks;
}
} // namespace

void ClosingCostsPage::addOwnInputs(PageInputs& out) const
{
    for (const LockSwitch& lock : kLockSwitches)
        out.switches[QLatin1String(lock.name)] = m_locks.*lock.state;
}

void ClosingCostsPage::checkOwnInputs(const PageInputs& in) const
{
    const calc::EccLocks locks = locksWith(m_locks, in.switches);
    if (!locks.purchasePrice && !locks.loanAmount)
        throw std::invalid_argument("the purchase price and the loan amount cannot both be "
                                    "unlocked");
}

void ClosingCostsPage::putSwitches(const std::map<QString, bool>& switches)
{
    m_locks = locksWith(m_locks, switches);
    showLocks();
}

void ClosingCostsPage::afterLocking()
{
    showLocks();
    if (m_locks.allLocked())
        m_fields.edit(kIncome)->setFocus();
}

void ClosingCostsPage::btnUnlockPurchasePriceClick()
{
    m_locks.unlockPurchasePrice();
    showLocks();
    m_fields.edit(kCPurchasePrice)->setFocus();
}

void ClosingCostsPage::btnLockPurchasePriceClick()
{
    m_locks.lockPurchasePrice();
    afterLocking();
}

void ClosingCostsPage::btnUnlockDownPaymentClick()
{
    m_locks.unlockDownPayment();
    showLocks();
    m_fields.edit(kCDownPayment)->setFocus();
}

void ClosingCostsPage::btnLockDownPaymentClick()
{
    m_locks.lockDownPayment();
    afterLocking();
}

void ClosingCostsPage::btnUnlockLoanAmountClick()
{
    m_locks.unlockLoanAmount();
    showLocks();
    m_fields.edit(kCLoanAmount)->setFocus();
}

void ClosingCostsPage::btnLockLoanAmountClick()
{
    m_locks.lockLoanAmount();
    afterLocking();
}

void ClosingCostsPage::setPanelButtonsEnabled(bool on)
{
    m_btnCalcClosing->setEnabled(on);
    m_btnCalcEscrows->setEnabled(on);
    m_btnCalcLoanCosts->setEnabled(on);
}

void ClosingCostsPage::BtnCalcClosingClick()
{
    setPanelButtonsEnabled(false);
    m_pnlClosing->raise();
    m_pnlClosing->show();
    // The saved fees replace whatever the lines held.
    m_fields.loadSettings(kClosingLines, m_host.settings());
    m_pnlClosing->firstLine()->setFocus();
}

void ClosingCostsPage::BtnClosePnlClosingClick()
{
    // The total as the page computes it, from what the lines show now.
    const double sum = calc::CalcEcc(readInputs(), m_locks).panels.closingCosts;
    m_fields.saveSettings(kClosingLines, m_host.settings());
    QStringList keys;
    for (const calc::FeeLine& fee : calc::kFeeLines)
        keys.append(QLatin1String(fee.key));
    // A file that cannot be written leaves the panel open, to try again.
    m_host.saveSettingsKeys(keys);
    m_fields.setValue(kCClosingCosts, sum);
    setPanelButtonsEnabled(true);
    m_host.setResetEnabled(true);
    m_pnlClosing->hide();
    // Hiding sent the focus on to the tool bar; it goes back where the panel was opened.
    m_btnCalcClosing->setFocus(Qt::OtherFocusReason);
}

void ClosingCostsPage::BtnCalcEscrowsClick()
{
    setPanelButtonsEnabled(false);
    m_pnlEscrow->raise();
    m_pnlEscrow->show();
    m_pnlEscrow->firstLine()->setFocus();
}

void ClosingCostsPage::BtnClosePnlEscrowClick()
{
    // Only whole counts become defaults: the computation refuses any other.
    const double sum = calc::CalcEcc(readInputs(), m_locks).panels.escrows;
    m_fields.saveSettings(kEscrowLines, m_host.settings());
    m_host.saveSettingsKeys(kEscrowKeys);
    setPanelButtonsEnabled(true);
    m_host.setResetEnabled(true);
    m_pnlEscrow->hide();
    m_btnCalcEscrows->setFocus(Qt::OtherFocusReason); // as for the closing-cost panel
    m_fields.setValue(kCEscrows, sum);
}

void ClosingCostsPage::BtnCalcLoanCostsClick()
{
    setPanelButtonsEnabled(false);
    m_pnlLoanCosts->raise();
    m_pnlLoanCosts->show();
    m_pnlLoanCosts->okButton()->setFocus();
}

void ClosingCostsPage::BtnClosePnlLoanCostsClick()
{
    setPanelButtonsEnabled(true);
    m_pnlLoanCosts->hide();
    m_btnCalcLoanCosts->setFocus(Qt::OtherFocusReason); // as for the closing-cost panel
}

} // namespace qn::pages
