#include "pages/closing_costs_page.h"

#include "calculators/field_checks.h"
#include "pages/field_fit.h"
#include "pages/lock_icons.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"
#include "toolkit/hints.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <functional>
#include <initializer_list>

namespace qn::pages {

namespace {

// Left column: the inputs. Right column: the results, with the lock buttons beside the
// three lockable amounts.
constexpr int kLeftCaption = 4;
constexpr int kLeftField = 158;
constexpr int kRightCaption = 292;
constexpr int kRightField = 440;
constexpr int kLockX = 562;
constexpr int kFieldWidth = 118;
constexpr int kRowHeight = 22;

int rightRow(int row) { return 4 + 23 * row; }

TNumEdit* money(QWidget* parent, const char* name, QRect geometry)
{
    TNumEdit* edit = newMoneyEdit(parent, name, geometry);
    placeField(edit, geometry);
    return edit;
}

TFnpNumericEdit* number(QWidget* parent, const char* name, int decimals, QRect geometry)
{
    TFnpNumericEdit* edit = newNumberEdit(parent, name, decimals, geometry);
    placeField(edit, geometry);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

QLabel* caption(QWidget* parent, const QString& text, QRect geometry)
{
    QLabel* label = makeLabel(parent, text, geometry);
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
    // opens is what recomputes the page.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QFrame* panel(QWidget* parent, const char* name, const QString& title)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(2, 2, 284, 326);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, QColor(236, 233, 216));
    frame->setPalette(pal);
    QLabel* bar = makeLabel(frame, title, QRect(2, 2, 280, 20));
    bar->setAutoFillBackground(true);
    QPalette barPal = bar->palette();
    barPal.setColor(QPalette::Window, QColor(0, 0, 128));
    barPal.setColor(QPalette::WindowText, Qt::white);
    bar->setPalette(barPal);
    QFont bold = bar->font();
    bold.setBold(true);
    bar->setFont(bold);
    bar->setIndent(4);
    frame->hide();
    return frame;
}

void setLockedLook(QLineEdit* field, bool locked)
{
    if (locked) {
        makeResult(field);
    } else {
        applyFieldLook(field, FieldLook::Normal);
        field->setReadOnly(false);
        field->setFocusPolicy(Qt::StrongFocus);
    }
}

const QStringList kClosingCostKeys = {
    QStringLiteral("AppraisalFee"),   QStringLiteral("CreditReport"),
    QStringLiteral("TaxServiceFee"),  QStringLiteral("LendersInspectionFee"),
    QStringLiteral("TitleInsurance"), QStringLiteral("TitleSearch"),
    QStringLiteral("EscrowClosingFee"), QStringLiteral("RecordingFee"),
    QStringLiteral("OtherFees"),      QStringLiteral("SellerPaid")};
const QStringList kEscrowKeys = {
    QStringLiteral("InterimInterestDays"), QStringLiteral("PropertyTaxMonths"),
    QStringLiteral("HomeownersFirstYear"), QStringLiteral("HomeownersRenewalMonths")};

// Watches the panels' "OK" buttons for losing the focus (they have no signal for it).
class ExitWatcher : public QObject {
public:
    ExitWatcher(QObject* parent, std::function<void()> onExit)
        : QObject(parent), m_onExit(std::move(onExit))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut)
            toolkit::runGuarded(m_onExit);
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onExit;
};

} // namespace

ClosingCostsPage::ClosingCostsPage(PageHost& host, QWidget* parent) : CalculatorPage(host, parent)
{
    buildControls();
    buildClosingPanel();
    buildEscrowPanel();
    loadStartingValues();
    showLocks();
    connectHandlers();
}

void ClosingCostsPage::buildControls()
{
    // Inputs, in tab order.
    struct Input {
        const char* caption;
        int y;
        int height;
    };
    const Input rows[] = {{"Monthly Income", 4, 22},
                          {"Monthly Debt", 27, 22},
                          {"Interest Rate", 50, 22},
                          {"Origination Points", 73, 22},
                          {"Discount Points", 96, 22},
                          {"Term (Years)", 119, 22},
                          {"Down Payment Percent", 142, 22},
                          {"Real Estate Taxes\n(Annual Estimate)", 165, 30},
                          {"Homeowner's Insurance\n(Annual Estimate)", 194, 30},
                          {"Association Fee\n(MonthlyEstimate)", 223, 30}};
    for (const Input& row : rows)
        caption(this, QLatin1String(row.caption), QRect(kLeftCaption, row.y, 152, row.height));
    auto left = [](int y) { return QRect(kLeftField, y, 120, kRowHeight); };
    m_edtEccIncome = money(this, "edtEccIncome", left(4));
    m_edtEccDebt = money(this, "edtEccDebt", left(27));
    m_edtEccInterest = number(this, "edtEccInterest", 3, left(50));
    m_edtEccOriginationPoints = number(this, "edtEccOriginationPoints", 3, left(73));
    m_edtEccDiscountPoints = number(this, "edtEccDiscountPoints", 3, left(96));
    m_edtEccTerm = number(this, "edtEccTerm", 0, left(119));
    m_edtEccDownPaymentPercent = number(this, "edtEccDownPaymentPercent", 3, left(142));
    m_edtEccTax = money(this, "edtEccTax", left(169));
    m_edtEccInsurance = money(this, "edtEccInsurance", left(198));
    m_edtEccAssociationFee = money(this, "edtEccAssociationFee", left(227));
    caption(this, QStringLiteral("Qualifying Ratios"), QRect(kLeftCaption, 276, 152, 22));
    QLabel* housing = makeLabel(this, QStringLiteral("Housing"), QRect(kLeftField, 257, 56, 18));
    QLabel* debt = makeLabel(this, QStringLiteral("Debt"), QRect(kLeftField + 64, 257, 56, 18));
    housing->setAlignment(Qt::AlignCenter);
    debt->setAlignment(Qt::AlignCenter);
    m_edtEccHousingRatio =
        number(this, "edtEccHousingRatio", 0, QRect(kLeftField, 276, 56, kRowHeight));
    m_edtEccDebtRatio =
        number(this, "edtEccDebtRatio", 0, QRect(kLeftField + 64, 276, 56, kRowHeight));

    // Results.
    const char* results[] = {"Purchase Price",
                             "Down Payment Amount",
                             "Loan Amount",
                             "Principal & Interest",
                             "Real Estate Taxes",
                             "Homeowner's Insurance",
                             "Private Mortgage Insurance",
                             "Total Monthly Payment",
                             nullptr,
                             nullptr,
                             "Your Actual Housing Ratio",
                             "Your Actual Debt Ratio",
                             "Cash Required at Closing"};
    for (int r = 0; r < 13; ++r)
        if (results[r])
            caption(this, QLatin1String(results[r]),
                    QRect(kRightCaption, rightRow(r), 146, kRowHeight));
    auto right = [](int row) {
        return QRect(kRightField, rightRow(row), kFieldWidth, kRowHeight);
    };
    m_edtEccCPurchasePrice = money(this, "edtEccCPurchasePrice", right(0));
    m_edtEccCDownPayment = money(this, "edtEccCDownPayment", right(1));
    m_edtEccCLoanAmount = money(this, "edtEccCLoanAmount", right(2));
    m_edtEccCPandI = money(this, "edtEccCPandI", right(3));
    m_edtEccCMonthlyTax = money(this, "edtEccCMonthlyTax", right(4));
    m_edtEccCMonthlyInsurance = money(this, "edtEccCMonthlyInsurance", right(5));
    m_edtEccCpmi = money(this, "edtEccCpmi", right(6));
    m_edtEccCMonthlyPayment = money(this, "edtEccCMonthlyPayment", right(7));
    m_btnCalcClosing = makeButton(this, "btnCalcClosing",
                                  QStringLiteral("Estimated Closing Costs"),
                                  QStringLiteral("Show the itemised closing costs"),
                                  QRect(kRightCaption, rightRow(8), 144, kRowHeight));
    m_edtEccCClosingCosts = money(this, "edtEccCClosingCosts", right(8));
    m_btnCalcEscrows = makeButton(this, "btnCalcEscrows", QStringLiteral("Estimated Escrows"),
                                  QStringLiteral("Show the prepaid items and escrows"),
                                  QRect(kRightCaption, rightRow(9), 144, kRowHeight));
    m_edtEccCEscrows = money(this, "edtEccCEscrows", right(9));
    m_edtEccCHousingRatio = number(this, "edtEccCHousingRatio", 0,
                                   QRect(kRightField, rightRow(10), 56, kRowHeight));
    m_edtEccCDebtRatio = number(this, "edtEccCDebtRatio", 0,
                                QRect(kRightField, rightRow(11), 56, kRowHeight));
    m_edtEccCCashRequiredToClose = money(this, "edtEccCCashRequiredToClose", right(12));
    for (QLineEdit* field : std::initializer_list<QLineEdit*>{
             m_edtEccCPurchasePrice, m_edtEccCDownPayment, m_edtEccCLoanAmount, m_edtEccCPandI,
             m_edtEccCMonthlyTax, m_edtEccCMonthlyInsurance, m_edtEccCpmi,
             m_edtEccCMonthlyPayment, m_edtEccCClosingCosts, m_edtEccCEscrows,
             m_edtEccCHousingRatio, m_edtEccCDebtRatio, m_edtEccCCashRequiredToClose})
        makeResult(field);
    // The buttons beside these two name them; no label does.
    m_edtEccCClosingCosts->setAccessibleName(m_btnCalcClosing->text());
    m_edtEccCEscrows->setAccessibleName(m_btnCalcEscrows->text());

    const QIcon key = keyIcon();
    const QIcon padlock = padlockIcon();
    auto pair = [&](const char* lockName, const char* unlockName, const QString& amount,
                    QToolButton*& lock, QToolButton*& unlock, int row) {
        const QString lower = amount.toLower();
        lock = lockButton(this, lockName, padlock, QStringLiteral("Lock ") + amount,
                          QStringLiteral("Click to have the %1 computed").arg(lower),
                          rightRow(row));
        unlock = lockButton(this, unlockName, key, QStringLiteral("Unlock ") + amount,
                            QStringLiteral("Click to type your own %1").arg(lower), rightRow(row));
    };
    pair("btnLockPurchasePrice", "btnUnlockPurchasePrice", QStringLiteral("Purchase Price"),
         m_btnLockPurchasePrice, m_btnUnlockPurchasePrice, 0);
    pair("btnLockDownPayment", "btnUnlockDownPayment", QStringLiteral("Down Payment"),
         m_btnLockDownPayment, m_btnUnlockDownPayment, 1);
    pair("btnLockLoanAmount", "btnUnlockLoanAmount", QStringLiteral("Loan Amount"),
         m_btnLockLoanAmount, m_btnUnlockLoanAmount, 2);

    QLabel* keysLine = makeLabel(
        this, QStringLiteral("Clicking on a key allows you to modify default values."),
        QRect(kRightCaption, 306, 292, 18));
    keysLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    QWidget* order[] = {m_edtEccIncome,        m_edtEccDebt,
                        m_edtEccInterest,      m_edtEccOriginationPoints,
                        m_edtEccDiscountPoints, m_edtEccTerm,
                        m_edtEccDownPaymentPercent, m_edtEccTax,
                        m_edtEccInsurance,     m_edtEccAssociationFee,
                        m_edtEccHousingRatio,  m_edtEccDebtRatio,
                        m_edtEccCPurchasePrice, m_edtEccCDownPayment,
                        m_edtEccCLoanAmount,   m_btnCalcClosing,
                        m_btnCalcEscrows};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void ClosingCostsPage::buildClosingPanel()
{
    m_pnlClosing = panel(this, "pnlClosing", QStringLiteral("Estimated Closing Costs"));
    QFrame* p = m_pnlClosing;
    struct Line {
        const char* name;
        const char* caption;
        TNumEdit** field;
    };
    const Line lines[] = {{"edtOriginationFee", "Loan Origination Fee", &m_edtOriginationFee},
                          {"edtLOF", "Discount Points", &m_edtLOF},
                          {"edtAF", "Appraisal Fee", &m_edtAF},
                          {"edtCR", "Credit Report", &m_edtCR},
                          {"edtTSF", "Tax-related Service Fee", &m_edtTSF},
                          {"edtLPF", "Lender's Inspection Fee", &m_edtLPF},
                          {"edtTIF", "Title Insurance", &m_edtTIF},
                          {"edtTS", "Title Search", &m_edtTS},
                          {"edtSTT", "Escrow Closing Fee", &m_edtSTT},
                          {"edtRF", "Recording Fee", &m_edtRF},
                          {"edtClosingPMI", "PMI", &m_edtClosingPMI},
                          {"edtOF", "Other Fees", &m_edtOF},
                          {"edtSellerPaid", "Seller Paid Costs", &m_edtSellerPaid}};
    int y = 25;
    for (const Line& line : lines) {
        caption(p, QLatin1String(line.caption), QRect(8, y, 150, 20));
        *line.field = money(p, line.name, QRect(158, y, kFieldWidth, 20));
        y += 21;
    }
    for (QLineEdit* computed : std::initializer_list<QLineEdit*>{
             m_edtOriginationFee, m_edtLOF, m_edtClosingPMI})
        makeResult(computed);
    m_btnClosePnlClosing = makeButton(p, "btnClosePnlClosing", QStringLiteral("OK"),
                                      QStringLiteral("Keep these fees as your defaults"),
                                      QRect(104, 296, 75, 24));
    QWidget* order[] = {m_edtAF, m_edtCR,  m_edtTSF, m_edtLPF,        m_edtTIF,
                        m_edtTS, m_edtSTT, m_edtRF,  m_edtOF,         m_edtSellerPaid,
                        m_btnClosePnlClosing};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void ClosingCostsPage::buildEscrowPanel()
{
    m_pnlEscrow = panel(this, "pnlEscrow", QStringLiteral("Estimated Prepaids & Reserves"));
    QFrame* p = m_pnlEscrow;
    struct Line {
        const char* amountName;
        const char* countName;
        const char* caption;
        TNumEdit** amount;
        TFnpNumericEdit** count;
    };
    const Line lines[] = {
        {"edtII", "edtIIDays", "Prepaid Interest / Days", &m_edtII, &m_edtIIDays},
        {"edtPTI", "edtPTIMonths", "Real Estate Taxes / Months", &m_edtPTI, &m_edtPTIMonths},
        {"edtHOIP", "edtHOIPMonths", "Homeowner's Insurance (First Year) / Months", &m_edtHOIP,
         &m_edtHOIPMonths},
        {"edtHOII", "edtHOIIMonths", "Homeowner's Insurance (Renewal) / Months", &m_edtHOII,
         &m_edtHOIIMonths},
        {"edtPMII", "edtPMIIMonths", "PMI", &m_edtPMII, &m_edtPMIIMonths}};
    int y = 32;
    for (const Line& line : lines) {
        *line.amount = money(p, line.amountName, QRect(8, y, 112, kRowHeight));
        *line.count = number(p, line.countName, 0, QRect(124, y, 40, kRowHeight));
        QLabel* label = caption(p, QLatin1String(line.caption), QRect(170, y - 6, 108, 34));
        label->setWordWrap(true);
        // "Real Estate Taxes / Months" names the amount and, with its unit, the count.
        (*line.amount)->setAccessibleName(label->text().section(QStringLiteral(" / "), 0, 0));
        (*line.count)->setAccessibleName(label->text().replace(QStringLiteral(" / "),
                                                               QStringLiteral(", ")));
        makeResult(*line.amount);
        y += 42;
    }
    // The months of mortgage insurance held in reserve are the program's own choice.
    m_edtPMIIMonths->hide();
    caption(p, QStringLiteral("PMI Premium Rate"), QRect(8, y + 4, 112, kRowHeight));
    m_edtPMIPercent = number(p, "edtPMIPercent", 4, QRect(124, y + 4, 70, kRowHeight));
    makeResult(m_edtPMIPercent);
    m_btnClosePnlEscrow = makeButton(p, "btnClosePnlEscrow", QStringLiteral("OK"),
                                     QStringLiteral("Keep these counts as your defaults"),
                                     QRect(104, 296, 75, 24));
    QWidget* order[] = {m_edtIIDays, m_edtPTIMonths, m_edtHOIPMonths, m_edtHOIIMonths,
                        m_btnClosePnlEscrow};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void ClosingCostsPage::connectHandlers()
{
    using toolkit::connectGuarded;
    using P = ClosingCostsPage;
    // Leaving any field of the page or of its panels recomputes everything.
    for (NumericField* field : findChildren<NumericField*>())
        connectGuarded(field, &NumericField::exited, this, &P::CalcECC);
    connectGuarded(m_btnLockPurchasePrice, &QToolButton::clicked, this,
                   &P::btnLockPurchasePriceClick);
    connectGuarded(m_btnUnlockPurchasePrice, &QToolButton::clicked, this,
                   &P::btnUnlockPurchasePriceClick);
    connectGuarded(m_btnLockDownPayment, &QToolButton::clicked, this,
                   &P::btnLockDownPaymentClick);
    connectGuarded(m_btnUnlockDownPayment, &QToolButton::clicked, this,
                   &P::btnUnlockDownPaymentClick);
    connectGuarded(m_btnLockLoanAmount, &QToolButton::clicked, this, &P::btnLockLoanAmountClick);
    connectGuarded(m_btnUnlockLoanAmount, &QToolButton::clicked, this,
                   &P::btnUnlockLoanAmountClick);
    connectGuarded(m_btnCalcClosing, &QPushButton::clicked, this, &P::BtnCalcClosingClick);
    connectGuarded(m_btnClosePnlClosing, &QPushButton::clicked, this,
                   &P::BtnClosePnlClosingClick);
    connectGuarded(m_btnCalcEscrows, &QPushButton::clicked, this, &P::BtnCalcEscrowsClick);
    connectGuarded(m_btnClosePnlEscrow, &QPushButton::clicked, this,
                   &P::BtnClosePnlEscrowClick);
    m_btnClosePnlClosing->installEventFilter(
        new ExitWatcher(this, [this] { btnClosePnlClosingExit(); }));
    m_btnClosePnlEscrow->installEventFilter(
        new ExitWatcher(this, [this] { btnClosePnlEscrowExit(); }));
}

// The page as first built, and after Reset: saved defaults where there are any.
void ClosingCostsPage::loadStartingValues()
{
    const calc::EccInputs in = calc::EccStartingInputs(m_host.settings());
    m_edtEccIncome->setValue(in.income);
    m_edtEccDebt->setValue(in.debt);
    m_edtEccInterest->setValue(in.interestRate);
    m_edtEccOriginationPoints->setValue(in.originationPoints);
    m_edtEccDiscountPoints->setValue(in.discountPoints);
    m_edtEccTerm->setValue(in.termYears);
    m_edtEccDownPaymentPercent->setValue(in.downPaymentPercent);
    m_edtEccTax->setValue(in.tax);
    m_edtEccInsurance->setValue(in.insurance);
    m_edtEccAssociationFee->setValue(in.associationFee);
    m_edtEccHousingRatio->setValue(in.housingRatio);
    m_edtEccDebtRatio->setValue(in.debtRatio);
    m_edtIIDays->setValue(in.counts.interimInterestDays);
    m_edtPTIMonths->setValue(in.counts.propertyTaxMonths);
    m_edtHOIPMonths->setValue(in.counts.homeownersFirstYearMonths);
    m_edtHOIIMonths->setValue(in.counts.homeownersRenewalMonths);
    m_edtPMIIMonths->setValue(in.counts.pmiReserveMonths);
    loadFees();
    for (NumericField* result : std::initializer_list<NumericField*>{
             m_edtEccCPurchasePrice, m_edtEccCDownPayment, m_edtEccCLoanAmount, m_edtEccCPandI,
             m_edtEccCMonthlyTax, m_edtEccCMonthlyInsurance, m_edtEccCpmi,
             m_edtEccCMonthlyPayment, m_edtEccCClosingCosts, m_edtEccCEscrows,
             m_edtEccCHousingRatio, m_edtEccCDebtRatio, m_edtEccCCashRequiredToClose,
             m_edtOriginationFee, m_edtLOF, m_edtClosingPMI, m_edtII, m_edtPTI, m_edtHOIP,
             m_edtHOII, m_edtPMII, m_edtPMIPercent})
        result->setValue(0);
}

void ClosingCostsPage::loadFees()
{
    const SettingsValues& s = m_host.settings();
    m_edtAF->setValue(s.AppraisalFee);
    m_edtCR->setValue(s.CreditReport);
    m_edtTSF->setValue(s.TaxServiceFee);
    m_edtLPF->setValue(s.LendersInspectionFee);
    m_edtTIF->setValue(s.TitleInsurance);
    m_edtTS->setValue(s.TitleSearch);
    m_edtSTT->setValue(s.EscrowClosingFee);
    m_edtRF->setValue(s.RecordingFee);
    m_edtOF->setValue(s.OtherFees);
    m_edtSellerPaid->setValue(s.SellerPaid);
}

void ClosingCostsPage::enter()
{
    const SettingsValues& s = m_host.settings();
    m_edtEccHousingRatio->setValue(s.HRatio);
    m_edtEccDebtRatio->setValue(s.DRatio);
    if (m_locks.allLocked())
        m_edtEccIncome->setFocus();
    else
        m_edtEccInterest->setFocus();
    CalcECC();
}

void ClosingCostsPage::reset()
{
    applyFieldLook(m_edtEccIncome, FieldLook::Normal);
    applyFieldLook(m_edtEccDebt, FieldLook::Normal);
    btnLockDownPaymentClick();
    btnLockLoanAmountClick();
    btnLockPurchasePriceClick();
    loadStartingValues();
    m_edtEccIncome->setFocus();
    m_host.setResetEnabled(false);
    m_host.setPrintingEnabled(false);
    // Recomputed as on entry, so no field is left at a 0 that later divides.
    CalcECC();
}

calc::EccInputs ClosingCostsPage::readInputs() const
{
    calc::EccInputs in;
    in.income = m_edtEccIncome->value();
    in.debt = m_edtEccDebt->value();
    in.interestRate = m_edtEccInterest->value();
    in.originationPoints = m_edtEccOriginationPoints->value();
    in.discountPoints = m_edtEccDiscountPoints->value();
    in.termYears = m_edtEccTerm->value();
    in.downPaymentPercent = m_edtEccDownPaymentPercent->value();
    in.tax = m_edtEccTax->value();
    in.insurance = m_edtEccInsurance->value();
    in.associationFee = m_edtEccAssociationFee->value();
    in.housingRatio = m_edtEccHousingRatio->value();
    in.debtRatio = m_edtEccDebtRatio->value();
    in.purchasePrice = m_edtEccCPurchasePrice->value();
    in.downPayment = m_edtEccCDownPayment->value();
    in.loanAmount = m_edtEccCLoanAmount->value();
    in.fees = {m_edtAF->value(),  m_edtCR->value(),  m_edtTSF->value(), m_edtLPF->value(),
               m_edtTIF->value(), m_edtTS->value(),  m_edtSTT->value(), m_edtRF->value(),
               m_edtOF->value(),  m_edtSellerPaid->value()};
    in.counts = {m_edtIIDays->value(), m_edtPTIMonths->value(), m_edtHOIPMonths->value(),
                 m_edtHOIIMonths->value(), m_edtPMIIMonths->value()};
    in.pmi = calc::PmiRatesOf(m_host.settings());
    return in;
}

void ClosingCostsPage::CalcECC()
{
    m_host.setPrintingEnabled(true);
    m_host.setResetEnabled(true);
    // Every check runs before any field is written, so a refused input changes nothing.
    writeResults(calc::CalcEcc(readInputs(), m_locks));
}

void ClosingCostsPage::writeResults(const calc::EccResults& r)
{
    if (r.purchasePrice)
        m_edtEccCPurchasePrice->setValue(*r.purchasePrice);
    if (r.downPayment)
        m_edtEccCDownPayment->setValue(*r.downPayment);
    if (r.loanAmount)
        m_edtEccCLoanAmount->setValue(*r.loanAmount);
    if (r.downPaymentPercent)
        m_edtEccDownPaymentPercent->setValue(*r.downPaymentPercent);
    m_edtEccCMonthlyTax->setValue(r.monthlyTax);
    m_edtEccCMonthlyInsurance->setValue(r.monthlyInsurance);
    m_edtEccCPandI->setValue(r.pAndI);
    m_edtEccCpmi->setValue(r.monthlyPmi);
    m_edtClosingPMI->setValue(r.monthlyPmi);
    m_edtEccCMonthlyPayment->setValue(r.totalMonthlyPayment);
    m_edtEccCHousingRatio->setValue(r.housingRatio);
    m_edtEccCDebtRatio->setValue(r.debtRatio);

    const calc::EccPanels& p = r.panels;
    m_edtOriginationFee->setValue(p.originationFee);
    m_edtLOF->setValue(p.discountFee);
    m_edtEccCClosingCosts->setValue(p.closingCosts);
    m_edtPMII->setValue(p.pmiReserve);
    m_edtHOIP->setValue(p.insuranceFirstYear);
    m_edtII->setValue(p.prepaidInterest);
    m_edtHOII->setValue(p.insuranceRenewal);
    m_edtPTI->setValue(p.taxReserve);
    m_edtEccCEscrows->setValue(p.escrows);
    m_edtEccCCashRequiredToClose->setValue(p.cashRequiredToClose);
    m_edtPMIPercent->setValue(p.pmiRate);
}

void ClosingCostsPage::showLocks()
{
    setLockedLook(m_edtEccCPurchasePrice, m_locks.purchasePrice);
    setLockedLook(m_edtEccCDownPayment, m_locks.downPayment);
    setLockedLook(m_edtEccCLoanAmount, m_locks.loanAmount);
    m_btnUnlockPurchasePrice->setVisible(m_locks.purchasePrice);
    m_btnLockPurchasePrice->setVisible(!m_locks.purchasePrice);
    m_btnUnlockDownPayment->setVisible(m_locks.downPayment);
    m_btnLockDownPayment->setVisible(!m_locks.downPayment);
    m_btnUnlockLoanAmount->setVisible(m_locks.loanAmount);
    m_btnLockLoanAmount->setVisible(!m_locks.loanAmount);
    // The percent is an input only while the down payment is computed from it.
    if (m_locks.downPayment) {
        applyFieldLook(m_edtEccDownPaymentPercent, FieldLook::Normal);
    } else {
        applyFieldLook(m_edtEccDownPaymentPercent, FieldLook::Result);
        m_edtEccDownPaymentPercent->setEnabled(false);
    }
    // Income and debt limit the price only while all three amounts are computed.
    const FieldLook look = m_locks.allLocked() ? FieldLook::Normal : FieldLook::Unknown;
    applyFieldLook(m_edtEccIncome, look);
    applyFieldLook(m_edtEccDebt, look);
}

void ClosingCostsPage::afterLocking()
{
    showLocks();
    if (m_locks.allLocked())
        m_edtEccIncome->setFocus();
}

void ClosingCostsPage::btnUnlockPurchasePriceClick()
{
    m_locks.unlockPurchasePrice();
    showLocks();
    m_edtEccCPurchasePrice->setFocus();
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
    m_edtEccCDownPayment->setFocus();
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
    m_edtEccCLoanAmount->setFocus();
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
}

void ClosingCostsPage::BtnCalcClosingClick()
{
    setPanelButtonsEnabled(false);
    m_pnlClosing->raise();
    m_pnlClosing->show();
    // The saved fees replace whatever the lines held.
    loadFees();
    m_edtAF->setFocus();
}

void ClosingCostsPage::BtnClosePnlClosingClick()
{
    const double sum = m_edtLOF->value() + m_edtOriginationFee->value() + m_edtCR->value() +
                       m_edtAF->value() + m_edtTSF->value() + m_edtLPF->value() +
                       m_edtSTT->value() + m_edtTS->value() + m_edtTIF->value() +
                       m_edtRF->value() + m_edtOF->value() + m_edtEccCpmi->value();
    SettingsValues& s = m_host.settings();
    s.AppraisalFee = m_edtAF->value();
    s.CreditReport = m_edtCR->value();
    s.TaxServiceFee = m_edtTSF->value();
    s.LendersInspectionFee = m_edtLPF->value();
    s.TitleInsurance = m_edtTIF->value();
    s.TitleSearch = m_edtTS->value();
    s.EscrowClosingFee = m_edtSTT->value();
    s.RecordingFee = m_edtRF->value();
    s.OtherFees = m_edtOF->value();
    s.SellerPaid = m_edtSellerPaid->value();
    // A file that cannot be written leaves the panel open, to try again.
    m_host.saveSettingsKeys(kClosingCostKeys);
    m_edtEccCClosingCosts->setValue(sum);
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
    m_edtIIDays->setFocus();
}

void ClosingCostsPage::BtnClosePnlEscrowClick()
{
    // Only whole counts become defaults.
    const int days = calc::RequireWhole(m_edtIIDays->value(), 1200, "Prepaid Interest / Days");
    const int taxMonths =
        calc::RequireWhole(m_edtPTIMonths->value(), 1200, "Real Estate Taxes / Months");
    const int firstYear = calc::RequireWhole(m_edtHOIPMonths->value(), 1200,
                                             "Homeowner's Insurance (First Year) / Months");
    const int renewal = calc::RequireWhole(m_edtHOIIMonths->value(), 1200,
                                           "Homeowner's Insurance (Renewal) / Months");
    const double sum = m_edtII->value() + m_edtPMII->value() + m_edtHOIP->value() +
                       m_edtHOII->value() + m_edtPTI->value();
    SettingsValues& s = m_host.settings();
    s.InterimInterestDays = days;
    s.PropertyTaxMonths = taxMonths;
    s.HomeownersFirstYear = firstYear;
    s.HomeownersRenewalMonths = renewal;
    m_host.saveSettingsKeys(kEscrowKeys);
    setPanelButtonsEnabled(true);
    m_host.setResetEnabled(true);
    m_pnlEscrow->hide();
    m_btnCalcEscrows->setFocus(Qt::OtherFocusReason);  // as for the closing-cost panel
    m_edtEccCEscrows->setValue(sum);
}

// Tab from "OK" goes round to the panel's first typed line while the panel is open.
void ClosingCostsPage::btnClosePnlClosingExit()
{
    if (m_pnlClosing->isVisible())
        m_edtAF->setFocus();
}

void ClosingCostsPage::btnClosePnlEscrowExit()
{
    if (m_pnlEscrow->isVisible())
        m_edtIIDays->setFocus();
}

} // namespace qn::pages
