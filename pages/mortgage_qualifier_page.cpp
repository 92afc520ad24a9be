#include "pages/mortgage_qualifier_page.h"

#include "calculators/mortgage_qualifier.h"
#include "pages/field_fit.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"

#include <QLabel>

#include <initializer_list>
#include <string>
#include <vector>

namespace qn::pages {

namespace {

TNumEdit* money(QWidget* parent, const char* name, QRect geometry, double start)
{
    TNumEdit* edit = newMoneyEdit(parent, name, geometry);
    placeField(edit, geometry);
    edit->setValue(start);
    return edit;
}

TFnpNumericEdit* number(QWidget* parent, const char* name, int decimals, QRect geometry,
                        double start)
{
    TFnpNumericEdit* edit = newNumberEdit(parent, name, decimals, geometry);
    placeField(edit, geometry);
    edit->setAlignment(Qt::AlignCenter);
    edit->setValue(start);
    return edit;
}

QLabel* heading(QWidget* parent, const QString& text, QRect geometry)
{
    QLabel* label = makeLabel(parent, text, geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setWordWrap(true);
    return label;
}

// The form's starting figures, and Reset's.
constexpr double kIncome1 = 4000;
constexpr double kOtherIncome1 = 1000;
constexpr double kCards1 = 350;
constexpr double kAuto1 = 450;
constexpr double kNotes1 = 50;
constexpr double kCash = 20000;
constexpr double kRate = 7;

} // namespace

MortgageQualifierPage::MortgageQualifierPage(PageHost& host, QWidget* parent)
    : CalculatorPage(host, parent)
{
    buildControls();
    // Only now: the starting values must not set off the rate ladder.
    connectHandlers();
}

void MortgageQualifierPage::buildControls()
{
    QLabel* intro = makeLabel(
        this,
        QStringLiteral("This calculator provides a 'starting point' to help you determine the "
                       "maximum monthly payment and loan amounts for which you may qualify "
                       "under the common underwriting guidelines."),
        QRect(8, 2, 575, 32));
    intro->setWordWrap(true);

    // Borrower and co-borrower: five columns of monthly figures.
    const char* columns[] = {"Monthly Income", "Other Monthly Income", "Credit Card Minimums",
                             "Auto Loan Payment(s)", "Student Loans, Other Notes"};
    const int colX[] = {72, 175, 278, 381, 484};
    for (int c = 0; c < 5; ++c)
        heading(this, QLatin1String(columns[c]), QRect(colX[c], 36, 100, 30));
    makeLabel(this, QStringLiteral("Borrower"), QRect(4, 70, 66, 18));
    makeLabel(this, QStringLiteral("Co-Borrower"), QRect(4, 96, 66, 18));
    auto cell = [&](int c, int row) { return QRect(colX[c], row == 0 ? 68 : 94, 100, 22); };
    m_edtIncome1 = money(this, "edtIncome1", cell(0, 0), kIncome1);
    m_edtOIncome1 = money(this, "edtOIncome1", cell(1, 0), kOtherIncome1);
    m_edtCards1 = money(this, "edtCards1", cell(2, 0), kCards1);
    m_edtAuto1 = money(this, "edtAuto1", cell(3, 0), kAuto1);
    m_edtNotes1 = money(this, "edtNotes1", cell(4, 0), kNotes1);
    m_edtIncome2 = money(this, "edtIncome2", cell(0, 1), 0);
    m_edtOIncome2 = money(this, "edtOIncome2", cell(1, 1), 0);
    m_edtCards2 = money(this, "edtCards2", cell(2, 1), 0);
    m_edtAuto2 = money(this, "edtAuto2", cell(3, 1), 0);
    m_edtNotes2 = money(this, "edtNotes2", cell(4, 1), 0);

    // Ratios typed, ratios reached, and the cash.
    heading(this, QStringLiteral("Qualifying Ratios"), QRect(8, 124, 115, 16));
    heading(this, QStringLiteral("Housing"), QRect(8, 140, 55, 16));
    heading(this, QStringLiteral("Debt"), QRect(68, 140, 55, 16));
    m_edtHousingRatio = number(this, "edtHousingRatio", 0, QRect(8, 156, 55, 22), 28);
    m_edtDebtRatio = number(this, "edtDebtRatio", 0, QRect(68, 156, 55, 22), 36);
    heading(this, QStringLiteral("Your Ratios"), QRect(148, 124, 115, 16));
    heading(this, QStringLiteral("Housing"), QRect(148, 140, 55, 16));
    heading(this, QStringLiteral("Debt"), QRect(208, 140, 55, 16));
    m_edtCalculatedHousingRatio =
        number(this, "edtCalculatedHousingRatio", 0, QRect(148, 156, 55, 22), 28);
    m_edtCalculatedDebtRatio =
        number(this, "edtCalculatedDebtRatio", 0, QRect(208, 156, 55, 22), 36);
    QLabel* cashLabel = makeLabel(this, QStringLiteral("Cash You have Available for Down Payment"),
                                  QRect(290, 148, 166, 32));
    cashLabel->setWordWrap(true);
    cashLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_edtMQDownPayment = money(this, "edtMQDownPayment", QRect(462, 156, 120, 22), kCash);

    // Three rate and term combinations side by side.
    heading(this, QStringLiteral("Interest Rate"), QRect(8, 188, 70, 30));
    heading(this, QStringLiteral("Term in Years"), QRect(84, 188, 60, 30));
    heading(this, QStringLiteral("Monthly Payment (P&I)"), QRect(150, 188, 140, 30));
    heading(this, QStringLiteral("Loan Amount"), QRect(296, 188, 140, 30));
    heading(this, QStringLiteral("Purchase Price"), QRect(442, 188, 140, 30));
    const double terms[] = {30, 20, 15};
    for (int r = 0; r < 3; ++r) {
        const int y = 220 + 28 * r;
        const std::string n = std::to_string(r + 1);
        m_edtMQir[r] = number(this, ("edtMQir" + n).c_str(), 3, QRect(8, y, 70, 22), kRate);
        m_edtMQTerm[r] =
            number(this, ("edtMQTerm" + n).c_str(), 0, QRect(84, y, 60, 22), terms[r]);
        m_edtMQPayment[r] = money(this, ("edtMQPayment" + n).c_str(), QRect(150, y, 140, 22), 0);
        m_edtMQLoan[r] = money(this, ("edtMQLoan" + n).c_str(), QRect(296, y, 140, 22), 0);
        m_edtMQPurchasePrice[r] =
            money(this, ("edtMQPurchasePrice" + n).c_str(), QRect(442, y, 140, 22), 0);
        for (QLineEdit* result : {static_cast<QLineEdit*>(m_edtMQPayment[r]),
                                  static_cast<QLineEdit*>(m_edtMQLoan[r]),
                                  static_cast<QLineEdit*>(m_edtMQPurchasePrice[r])})
            makeResult(result);
    }
    makeResult(m_edtCalculatedHousingRatio);
    makeResult(m_edtCalculatedDebtRatio);
    m_edtCalculatedHousingRatio->setFocusPolicy(Qt::NoFocus);
    m_edtCalculatedDebtRatio->setFocusPolicy(Qt::NoFocus);

    QWidget* order[] = {m_edtIncome1,  m_edtOIncome1,     m_edtCards1,     m_edtAuto1,
                        m_edtNotes1,   m_edtIncome2,      m_edtOIncome2,   m_edtCards2,
                        m_edtAuto2,    m_edtNotes2,       m_edtHousingRatio, m_edtDebtRatio,
                        m_edtMQDownPayment, m_edtMQir[0], m_edtMQTerm[0], m_edtMQir[1],
                        m_edtMQTerm[1], m_edtMQir[2],     m_edtMQTerm[2]};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void MortgageQualifierPage::connectHandlers()
{
    using toolkit::connectGuarded;
    using P = MortgageQualifierPage;
    // The 28 fields whose leaving recomputes the page; "Your Ratios" are not among them.
    std::vector<NumericField*> fields = {
        m_edtIncome1, m_edtOIncome1, m_edtCards1, m_edtAuto1, m_edtNotes1,
        m_edtIncome2, m_edtOIncome2, m_edtCards2, m_edtAuto2, m_edtNotes2,
        m_edtHousingRatio, m_edtDebtRatio, m_edtMQDownPayment};
    for (int r = 0; r < 3; ++r)
        fields.insert(fields.end(), {m_edtMQir[r], m_edtMQTerm[r], m_edtMQPayment[r],
                                     m_edtMQLoan[r], m_edtMQPurchasePrice[r]});
    for (NumericField* field : fields)
        connectGuarded(field, &NumericField::exited, this, &P::CalcMQ);
    connectGuarded(m_edtMQir[0], &TFnpNumericEdit::changed, this, &P::edtMQir1Change);
}

void MortgageQualifierPage::enter()
{
    const SettingsValues& s = m_host.settings();
    m_edtHousingRatio->setValue(s.HRatio);
    m_edtDebtRatio->setValue(s.DRatio);
    m_edtIncome1->setFocus();
}

void MortgageQualifierPage::reset()
{
    // In this order: setting rate 1 moves the ladder, and rate 2 is then set over it.
    m_edtIncome1->setValue(kIncome1);
    m_edtOIncome1->setValue(kOtherIncome1);
    m_edtNotes1->setValue(kNotes1);
    m_edtAuto1->setValue(kAuto1);
    m_edtCards1->setValue(kCards1);
    for (TNumEdit* edit : {m_edtIncome2, m_edtOIncome2, m_edtCards2, m_edtAuto2, m_edtNotes2})
        edit->setValue(0);
    m_edtMQDownPayment->setValue(kCash);
    m_edtHousingRatio->setValue(28);
    m_edtDebtRatio->setValue(40);
    m_edtMQir[0]->setValue(kRate);
    m_edtMQir[1]->setValue(kRate);
    m_edtMQTerm[0]->setValue(30);
    m_edtMQTerm[1]->setValue(15);
    for (int r = 0; r < 3; ++r) {
        m_edtMQPayment[r]->setValue(0);
        m_edtMQLoan[r]->setValue(0);
        m_edtMQPurchasePrice[r]->setValue(0);
    }
    m_edtIncome1->setFocus();
}

calc::MqInputs MortgageQualifierPage::readInputs() const
{
    calc::MqInputs in;
    in.income1 = m_edtIncome1->value();
    in.otherIncome1 = m_edtOIncome1->value();
    in.cards1 = m_edtCards1->value();
    in.auto1 = m_edtAuto1->value();
    in.notes1 = m_edtNotes1->value();
    in.income2 = m_edtIncome2->value();
    in.otherIncome2 = m_edtOIncome2->value();
    in.cards2 = m_edtCards2->value();
    in.auto2 = m_edtAuto2->value();
    in.notes2 = m_edtNotes2->value();
    in.housingRatio = m_edtHousingRatio->value();
    in.debtRatio = m_edtDebtRatio->value();
    in.downPayment = m_edtMQDownPayment->value();
    for (std::size_t r = 0; r < 3; ++r) {
        in.rate[r] = m_edtMQir[r]->value();
        in.termYears[r] = m_edtMQTerm[r]->value();
    }
    return in;
}

void MortgageQualifierPage::CalcMQ()
{
    m_host.setPrintingEnabled(true);
    m_host.setResetEnabled(true);
    const calc::MqInputs in = readInputs();
    // The ratios become everyone's defaults even when the rest cannot be computed.
    const calc::MqRatios ratios = calc::MqRatiosToStore(in);
    m_host.settings().HRatio = ratios.HRatio;
    m_host.settings().DRatio = ratios.DRatio;

    const calc::MqResults out = calc::CalcMq(in);
    for (std::size_t r = 0; r < 3; ++r) {
        m_edtMQPayment[r]->setValue(out.rows[r].payment);
        m_edtMQLoan[r]->setValue(out.rows[r].loanAmount);
        m_edtMQPurchasePrice[r]->setValue(out.rows[r].purchasePrice);
    }
    m_edtCalculatedHousingRatio->setValue(out.housingRatio);
    m_edtCalculatedDebtRatio->setValue(out.debtRatio);
}

void MortgageQualifierPage::edtMQir1Change()
{
    const calc::MqRateLadder ladder = calc::MqRatesFollowingRate1(m_edtMQir[0]->value());
    m_edtMQir[1]->setValue(ladder.rate2);
    m_edtMQir[2]->setValue(ladder.rate3);
}

} // namespace qn::pages
