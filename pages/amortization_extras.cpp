// The amortization page's extra payments: the panel's handlers and the list of extras a
// scenario holds.
#include "pages/amortization_page.h"

#include "calculators/extras.h"
#include "core/errors.h"
#include "core/limits.h"
#include "core/mortgage.h"
#include "pages/amortization_fields.h"
#include "pages/page_parts.h"
#include "toolkit/message_box.h"
#include "toolkit/money.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <stdexcept>

namespace qn::pages {

using namespace amort;

namespace {

const QString kExtraMessage =
    QStringLiteral("Cannot calculate results of extra payments without new figures.\n\r\n\r"
                   "Please use the edit boxes and radio buttons to\n\r"
                   "indicate the amount of your extra payments.");
const QString kExtraPayments = QStringLiteral("extraPayments");

} // namespace

void AmortizationPage::btnExtraClick()
{
    if (cellText(1, 0).isEmpty())
        return;
    m_pnlAddExtra->show();
    layOut();
    // The keyboard goes where the user is headed: the panel's chosen kind of extra.
    for (QRadioButton* choice : {m_rbOnePmt, m_rbRangePmts, m_rbAllPmts}) {
        if (choice->isChecked())
            choice->setFocus(Qt::TabFocusReason);
    }
}

void AmortizationPage::updateChoice()
{
    const bool all = m_rbAllPmts->isChecked();
    const bool range = m_rbRangePmts->isChecked();
    QLineEdit* from = m_fields.edit(kFromPmt);
    // The field keeps its declared name; for one payment its description says so.
    if (m_rbOnePmt->isChecked()) {
        m_lblFromPmt->setText(QStringLiteral("          Payment #"));
        m_fields.describeState(kFromPmt, plainCaption(m_rbOnePmt->text()));
    } else if (range) {
        m_lblFromPmt->setText(QLatin1String(m_fields.spec(kFromPmt).caption));
        m_fields.describeState(kFromPmt, {});
    }
    m_lblFromPmt->setEnabled(!all);
    from->setEnabled(!all);
    m_lblToPmt->setEnabled(range);
    m_fields.edit(kToPmt)->setEnabled(range);
}

void AmortizationPage::rbOnePmtClick() { updateChoice(); }
void AmortizationPage::rbRangePmtsClick() { updateChoice(); }
void AmortizationPage::rbAllPmtsClick() { updateChoice(); }

int AmortizationPage::paymentNumber(FieldName field, const QString& fieldName) const
{
    bool ok = false;
    const int number = m_fields.edit(field)->text().trimmed().toInt(&ok);
    if (!ok) {
        toolkit::showMessage(
            const_cast<AmortizationPage*>(this),
            QStringLiteral("Please enter a whole payment number in %1.").arg(fieldName));
        throw std::invalid_argument("payment number");
    }
    return number;
}

void AmortizationPage::btnRecalcExtraClick()
{
    if (!m_pnlAddExtra->isVisible())
        return;
    const QString amountText = m_fields.edit(kExtraAmount)->text();
    const auto amount = toolkit::ParseMoneyText(amountText, toolkit::moneyLocale());
    if (!amount) {
        toolkit::showMessage(
            this, QStringLiteral("'%1' is not a valid amount for Amount.").arg(amountText));
        return;
    }
    CheckAmount(*amount, "Amount");
    TMortgage& mortgage = m_mortgage;
    ExtraResult result = ExtraResult::Applied;
    try {
        if (m_rbOnePmt->isChecked()) {
            const int first = paymentNumber(kFromPmt, QStringLiteral("Payment #"));
            result = mortgage.SetExtraPayment(first, *amount);
        } else if (m_rbRangePmts->isChecked()) {
            for (const FieldSpec& name : {kFromPmt, kToPmt})
                if (m_fields.edit(name)->text().isEmpty())
                    m_fields.edit(name)->setText(QStringLiteral("0"));
            const int first = paymentNumber(kFromPmt, QStringLiteral("From Payment #"));
            const int last = paymentNumber(kToPmt, QStringLiteral("To Payment #"));
            result = mortgage.SetExtraRange(first, last, *amount);
        } else {
            mortgage.SetExtraFrom(1, *amount);
        }
    } catch (const std::invalid_argument&) {
        return; // already reported, nothing changed
    }
    if (result == ExtraResult::OutOfRange)
        toolkit::showMessage(this, kExtraMessage);
    ShowSchedule();
    // An extra is dropped from every payment that owes less than it: one larger than the
    // balance everywhere it was asked for changes nothing, which the user must hear.
    if (result == ExtraResult::Applied && *amount > 0 && !m_rbOnePmt->isChecked()) {
        double applied = 0;
        for (const TPayment& row : mortgage.Payments)
            applied += row.ExtraPrincipal;
        if (applied == 0)
            toolkit::showMessage(
                this, QStringLiteral("An extra payment of %1 is more than the loan owes at "
                                     "the payments chosen, so none was added.\n\n"
                                     "Please enter a smaller amount.")
                          .arg(toolkit::formatCurrency(*amount, 2)));
    }
}

void AmortizationPage::addOwnInputs(PageInputs& out) const
{
    // Without its trailing zeros: a loan without extras holds an empty list.
    std::vector<double> extras = m_mortgage.ExtrasAsked();
    while (!extras.empty() && extras.back() == 0)
        extras.pop_back();
    out.lists[kExtraPayments] = std::move(extras);
}

void AmortizationPage::checkOwnInputs(const PageInputs& in) const
{
    const auto it = in.lists.find(kExtraPayments);
    if (it == in.lists.end())
        return;
    if (it->second.size() > static_cast<std::size_t>(kMaxPayments))
        throw std::invalid_argument("more extra payments than a schedule has payments");
    for (const double extra : it->second) {
        if (!(extra >= 0 && extra <= kMaxAmount))
            throw std::invalid_argument("an extra payment must be an amount from 0");
    }
}

void AmortizationPage::putLists(const std::map<QString, std::vector<double>>& lists)
{
    const auto it = lists.find(kExtraPayments);
    if (it == lists.end() || m_mortgage.Payments.empty())
        return;
    if (m_mortgage.SetExtras(it->second) == ExtraResult::OutOfRange)
        toolkit::showMessage(this, kExtraMessage);
    ShowSchedule();
}

void AmortizationPage::btnRemoveClick()
{
    m_mortgage.ClearExtraPayments();
    ShowSchedule();
}

void AmortizationPage::btnPayoffByClick()
{
    const TMortgage& mortgage = m_mortgage;
    if (mortgage.Payments.empty())
        return;
    int target = 0;
    try {
        target = paymentNumber(kPayoffBy, QStringLiteral("Pay off by #"));
    } catch (const std::invalid_argument&) {
        return; // already reported, nothing changed
    }
    const int payoff = calc::PayoffMonthWithoutExtras(mortgage);
    if (target >= payoff) {
        toolkit::showMessage(this, QStringLiteral("No extra payment is needed: the loan is "
                                                  "repaid by payment %1.")
                                       .arg(payoff));
        return;
    }
    CheckWhole(target, 1, mortgage.NumPayments, "Pay off by #");
    const auto extra = calc::LevelExtraForPayoff(mortgage, target);
    if (!extra) {
        toolkit::showMessage(this, QStringLiteral("No level extra payment repays the loan by "
                                                  "payment %1.")
                                       .arg(target));
        return;
    }
    // Put in as a recurring extra, ready for Re-Calculate.
    m_rbAllPmts->setChecked(true);
    updateChoice();
    m_fields.edit(kExtraAmount)->setText(toolkit::moneyLocale().toString(*extra, 'f', 2));
}

void AmortizationPage::CancelBtnClick()
{
    m_pnlAddExtra->hide();
    layOut();
    m_btnAddExtraPayments->setFocus(Qt::OtherFocusReason);
}

} // namespace qn::pages
