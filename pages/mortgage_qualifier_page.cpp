#include "pages/mortgage_qualifier_page.h"

#include "calculators/mortgage_qualifier.h"
#include "pages/mortgage_qualifier_fields.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"

#include <QLabel>

namespace qn::pages {

using namespace mq;

namespace {

QLabel* heading(QLabel* label)
{
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setWordWrap(true);
    return label;
}

QLabel* heading(QWidget* parent, const char* text, QRect geometry)
{
    return heading(makeLabel(parent, QLatin1String(text), geometry));
}

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
    m_fields.build(this, kFields);
    auto captionAbove = [this](const FieldSpec& name, int top, int height) {
        const QRect& at = name.at;
        return heading(m_fields.makeCaption(this, name, QRect(at.x(), top, at.width(), height)));
    };

    // Borrower and co-borrower: five columns of monthly figures.
    for (const FieldSpec& name : {kIncome1, kOIncome1, kCards1, kAuto1, kNotes1})
        captionAbove(name, 36, 30);
    makeLabel(this, QLatin1String(kBorrower), QRect(4, 70, 66, 18));
    makeLabel(this, QLatin1String(kCoBorrower), QRect(4, 96, 66, 18));

    // Ratios typed, ratios reached, and the cash.
    heading(this, kTyped, QRect(8, 124, 115, 16));
    heading(this, kReached, QRect(148, 124, 115, 16));
    for (const FieldSpec& name :
         {kHousingRatio, kDebtRatio, kCalculatedHousingRatio, kCalculatedDebtRatio})
        captionAbove(name, 140, 16);
    QLabel* cashLabel = m_fields.makeCaption(this, kDownPayment, QRect(290, 148, 166, 32));
    cashLabel->setWordWrap(true);
    cashLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Three rate and term combinations side by side.
    for (const FieldSpec& name : {kIr1, kTerm1, kPayment1, kLoan1, kPurchasePrice1})
        captionAbove(name, 188, 30);
}

void MortgageQualifierPage::connectHandlers()
{
    using P = MortgageQualifierPage;
    // Every field but "Your Ratios" recomputes the page when left.
    m_fields.connectLeaving(kFields, this, &P::CalcMQ);
    toolkit::connectGuarded(m_fields.number(kIr1), &TFnpNumericEdit::changed, this,
                            &P::edtMQir1Change);
}

void MortgageQualifierPage::enter()
{
    m_fields.loadSettings(kFields, m_host.settings());
    m_fields.edit(kIncome1)->setFocus();
}

void MortgageQualifierPage::reset()
{
    // Every amount back to where the page started; the ratios and the first two rows as
    // Reset has always set them, rate 1 first: it moves the ladder, and rate 2 is then set
    // over it.
    for (const FieldSpec& spec : kFields) {
        if (spec.kind == FieldKind::Money)
            m_fields.setValue(spec.name, *spec.start);
    }
    m_fields.setValue(kHousingRatio, 28);
    m_fields.setValue(kDebtRatio, 40);
    m_fields.setValue(kIr1, *m_fields.spec(kIr1).start);
    m_fields.setValue(kIr2, *m_fields.spec(kIr2).start);
    m_fields.setValue(kTerm1, 30);
    m_fields.setValue(kTerm2, 15);
    m_fields.edit(kIncome1)->setFocus();
}

calc::MqInputs MortgageQualifierPage::readInputs() const
{
    calc::MqInputs in;
    m_fields.readInto(in);
    for (std::size_t r = 0; r < 3; ++r)
        m_fields.readInto({{kIr[r], &in.rate[r]}, {kTerm[r], &in.termYears[r]}});
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
    for (std::size_t r = 0; r < 3; ++r)
        m_fields.setValues({{kPayment[r], out.rows[r].payment},
                            {kLoan[r], out.rows[r].loanAmount},
                            {kPurchasePrice[r], out.rows[r].purchasePrice}});
    m_fields.setValues(
        {{kCalculatedHousingRatio, out.housingRatio}, {kCalculatedDebtRatio, out.debtRatio}});
}

void MortgageQualifierPage::edtMQir1Change()
{
    const calc::MqRateLadder ladder = calc::MqRatesFollowingRate1(m_fields.value(kIr1));
    m_fields.setValue(kIr2, ladder.rate2);
    m_fields.setValue(kIr3, ladder.rate3);
}

} // namespace qn::pages
