#include "app/prefs_dialog.h"

#include "core/errors.h"
#include "core/limits.h"
#include "core/numtext.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>

namespace qn::app {

using pages::NumericField;
using pages::TFnpNumericEdit;
using pages::TNumEdit;

namespace {

const QString kNote = QStringLiteral(
    "By saving the values which are unique to your situation as defaults, you will  save "
    "time using the different calculators which are included in this suite.");

// The field kinds of the dialog.
enum class Kind { PlainNumber, MoneyCut, Money, RatePicture, PremiumRate, Fixed3, Count };

NumericField* makeField(QWidget* parent, const char* name, Kind kind, QRect geometry)
{
    NumericField* field = nullptr;
    if (kind == Kind::Fixed3 || kind == Kind::Count) {
        auto* edit = pages::newNumberEdit(parent, name, kind == Kind::Count ? 0 : 3, geometry);
        if (kind == Kind::Count)
            edit->setAlignment(Qt::AlignCenter);
        field = edit;
    } else {
        TNumEdit* edit = pages::newMoneyEdit(parent, name, geometry);
        switch (kind) {
        case Kind::PlainNumber:
            edit->setNumericType(TNumEdit::ntGeneral);
            edit->setMasks(QStringLiteral("#,##0"));
            edit->setDecimals(0);
            edit->setUseRounding(false);
            break;
        case Kind::MoneyCut:
            edit->setUseRounding(false);
            break;
        case Kind::RatePicture:
            edit->setNumericType(TNumEdit::ntGeneral);
            edit->setMasks(QStringLiteral("#,##0.##0"));
            edit->setDecimals(2);
            edit->setUseRounding(false);
            break;
        case Kind::PremiumRate:
            edit->setNumericType(TNumEdit::ntGeneral);
            edit->setMasks(QStringLiteral("#.###0"));
            edit->setDecimals(4);
            edit->setUseRounding(false);
            break;
        default:
            break;
        }
        field = edit;
    }
    return field;
}

QLabel* noteLabel(QWidget* tab)
{
    QLabel* note = pages::makeLabel(tab, kNote, QRect(8, 200, 428, 30));
    note->setWordWrap(true);
    return note;
}

} // namespace

TfrmPrefs::TfrmPrefs(QString settingsPath, SettingsValues& values, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_settingsPath(std::move(settingsPath)), m_values(values)
{
    setObjectName(QStringLiteral("TfrmPrefs"));
    setWindowTitle(QStringLiteral("Preferences"));
    setFixedSize(464, 305);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(8);
    setFont(arial);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pcPreferences"));
    m_pages->setGeometry(8, 8, 448, 258);
    const char* tabNames[] = {"General Values", "Closing Costs", "Escrows"};
    QWidget* tabs[3];
    for (int i = 0; i < 3; ++i) {
        tabs[i] = new QWidget(m_pages);
        m_pages->addTab(tabs[i], QLatin1String(tabNames[i]));
        noteLabel(tabs[i]);
    }
    buildGeneralTab(tabs[0]);
    buildClosingCostsTab(tabs[1]);
    buildEscrowsTab(tabs[2]);
    for (std::size_t i = 1; i < m_bindings.size(); ++i)
        setTabOrder(m_bindings[i - 1].field, m_bindings[i].field);
    for (const Binding& b : m_bindings)
        b.field->setAccessibleName(b.caption);  // else a group box's title names them all

    QPushButton* restore = pages::makeButton(this, "btnRestore", QStringLiteral(" Restore &Defaults"),
                                             QStringLiteral(" Click to restore defaults"),
                                             QRect(8, 272, 140, 25));
    QPushButton* cancel = pages::makeButton(this, "btnCancel", QStringLiteral(" &Cancel"),
                                            QStringLiteral(" Click to cancel"),
                                            QRect(162, 272, 140, 25));
    QPushButton* save = pages::makeButton(
        this, "btnSave", QStringLiteral(" &Save and Close"),
        QStringLiteral(" Click to save new values and close Preferences"),
        QRect(316, 272, 140, 25));
    using toolkit::connectGuarded;
    connectGuarded(restore, &QPushButton::clicked, this, &TfrmPrefs::btnRestoreClick);
    connectGuarded(cancel, &QPushButton::clicked, this, &TfrmPrefs::btnCancelClick);
    connectGuarded(save, &QPushButton::clicked, this, &TfrmPrefs::btnSaveClick);
}

void TfrmPrefs::buildGeneralTab(QWidget* tab)
{
    auto* ratios = new QGroupBox(QStringLiteral("Qualification Ratios"), tab);
    ratios->setGeometry(8, 4, 150, 74);
    auto* primary = new QGroupBox(QStringLiteral("Primary Variables"), tab);
    primary->setGeometry(8, 80, 210, 116);
    auto* pmi = new QGroupBox(QStringLiteral("PMI Premiums"), tab);
    pmi->setGeometry(226, 4, 210, 192);

    auto add = [this](QWidget* parent, const char* label, const char* name, Kind kind,
                      QRect labelAt, QRect fieldAt, double SettingsValues::*key) {
        if (label)
            pages::makeLabel(parent, QLatin1String(label), labelAt);
        NumericField* field = makeField(parent, name, kind, fieldAt);
        m_bindings.push_back({field, key, label ? QLatin1String(label) : QString()});
        return field;
    };
    add(ratios, "Housing", "edtP_Housing", Kind::PlainNumber, QRect(10, 22, 60, 18),
        QRect(76, 20, 60, 22), &SettingsValues::HRatio);
    add(ratios, "Debt", "edtP_Debt", Kind::PlainNumber, QRect(10, 46, 60, 18),
        QRect(76, 44, 60, 22), &SettingsValues::DRatio);
    add(primary, "Loan Amount", "edtP_LoanAmount", Kind::MoneyCut, QRect(10, 22, 90, 18),
        QRect(104, 20, 98, 22), &SettingsValues::Loan);
    m_term = add(primary, "Term in Months", "edtP_TermInMonths", Kind::PlainNumber,
                 QRect(10, 46, 90, 18), QRect(104, 44, 98, 22), nullptr);
    add(primary, "Interest Rate", "edtP_InterestRate", Kind::RatePicture, QRect(10, 70, 90, 18),
        QRect(104, 68, 98, 22), &SettingsValues::Interest);
    add(primary, "Monthly Payment", "edtP_MonthlyPayment", Kind::MoneyCut, QRect(10, 94, 90, 18),
        QRect(104, 92, 98, 22), &SettingsValues::Payment);

    pages::makeLabel(pmi, QStringLiteral("LTV"), QRect(10, 22, 56, 18));
    pages::makeLabel(pmi, QStringLiteral("30 Year Term"), QRect(70, 22, 66, 18));
    pages::makeLabel(pmi, QStringLiteral("15 Year Term"), QRect(140, 22, 66, 18));
    const char* rows[] = {"80 to 85", "85 to 90", "90 to 95", "95 to 97"};
    for (int r = 0; r < 4; ++r)
        pages::makeLabel(pmi, QLatin1String(rows[r]), QRect(10, 46 + 26 * r, 56, 18));
    const char* names[2][4] = {{"edtP_308085", "edtP_308590", "edtP_309095", "edtP_309597"},
                               {"edtP_158085", "edtP_158590", "edtP_159095", "edtP_159597"}};
    double SettingsValues::*keys[2][4] = {
        {&SettingsValues::Pmip308085, &SettingsValues::Pmip308590, &SettingsValues::Pmip309095,
         &SettingsValues::Pmip309597},
        {&SettingsValues::Pmip158085, &SettingsValues::Pmip158590, &SettingsValues::Pmip159095,
         &SettingsValues::Pmip159597}};
    for (int c = 0; c < 2; ++c) {
        for (int r = 0; r < 4; ++r) {
            NumericField* field = add(pmi, nullptr, names[c][r], Kind::PremiumRate, {},
                                      QRect(70 + 70 * c, 44 + 26 * r, 62, 22), keys[c][r]);
            m_bindings.back().caption = QStringLiteral("%1 Year Term, %2")
                                            .arg(c == 0 ? 30 : 15)
                                            .arg(QLatin1String(rows[r]));
            (void)field;
        }
    }
}

void TfrmPrefs::buildClosingCostsTab(QWidget* tab)
{
    struct Line {
        const char* name;
        const char* label;
        Kind kind;
        double SettingsValues::*key;
    };
    const Line lines[] = {
        {"edtP_AF", "Appraisal Fee", Kind::Money, &SettingsValues::AppraisalFee},
        {"edtP_CR", "Credit Report", Kind::Money, &SettingsValues::CreditReport},
        {"edtP_TSF", "Tax-related Service Fee", Kind::Money, &SettingsValues::TaxServiceFee},
        {"edtP_LPF", "Lender's Inspection Fee", Kind::Money,
         &SettingsValues::LendersInspectionFee},
        {"edtP_TIF", "Title Insurance", Kind::Money, &SettingsValues::TitleInsurance},
        {"edtP_TS", "Title Search", Kind::Money, &SettingsValues::TitleSearch},
        {"edtP_STT", "Escrow Closing Fee", Kind::Money, &SettingsValues::EscrowClosingFee},
        {"edtP_RF", "Recording Fee", Kind::Money, &SettingsValues::RecordingFee},
        {"edtP_OF", "Other Fees", Kind::Money, &SettingsValues::OtherFees},
        {"edtP_SellerPaid", "Seller Paid Costs", Kind::Money, &SettingsValues::SellerPaid},
        {"edtP_OriginationPoints", "Origination Points", Kind::Fixed3,
         &SettingsValues::OriginationPoints},
        {"edtP_DiscountPoints", "Discount Points", Kind::Fixed3, &SettingsValues::DiscountPoints},
        {"edtP_DownPaymentPercent", "Down Payment Percent", Kind::Fixed3,
         &SettingsValues::DownPaymentPercent},
        {"edtP_Tax", "Annual Real Estate Taxes", Kind::Money, &SettingsValues::RealEstateTax},
        {"edtP_Insurance", "Homeowner's Insurance (Annual Estimate)", Kind::Money,
         &SettingsValues::Insurance},
        {"edtP_AssociationFee", "Monthly Association Fee", Kind::Money,
         &SettingsValues::AssociationFee},
    };
    for (int i = 0; i < 16; ++i) {
        const Line& line = lines[i];
        const int column = i / 8;
        const int top = 6 + 24 * (i % 8);
        const int left = 8 + 216 * column;
        QLabel* label =
            pages::makeLabel(tab, QLatin1String(line.label), QRect(left, top, 122, 24));
        label->setWordWrap(true);
        // The label names the field for messages, without its line break.
        NumericField* field =
            makeField(tab, line.name, line.kind, QRect(left + 124, top + 1, 86, 22));
        m_bindings.push_back({field, line.key, QLatin1String(line.label)});
    }
}

void TfrmPrefs::buildEscrowsTab(QWidget* tab)
{
    struct Line {
        const char* name;
        const char* label;
        double SettingsValues::*key;
    };
    const Line lines[] = {
        {"edtP_IIDays",
         "Days of Prepaid Interest (Between Closing Date and First of Next Month)",
         &SettingsValues::InterimInterestDays},
        {"edtP_PTIMonths", "Months of Prepaid Real Estate Taxes",
         &SettingsValues::PropertyTaxMonths},
        {"edtP_HOIPMonths", "Months of Homeowner's Insurance Premiums (First Year)",
         &SettingsValues::HomeownersFirstYear},
        {"edtP_HOIIMonths", "Months of Prepaid Homeowner's Insurance Premiums (Renewal)",
         &SettingsValues::HomeownersRenewalMonths},
    };
    for (int i = 0; i < 4; ++i) {
        const int top = 12 + 40 * i;
        QLabel* label =
            pages::makeLabel(tab, QLatin1String(lines[i].label), QRect(8, top, 340, 32));
        label->setWordWrap(true);
        NumericField* field =
            makeField(tab, lines[i].name, Kind::Count, QRect(360, top + 4, 60, 22));
        m_bindings.push_back({field, lines[i].key, QLatin1String(lines[i].label)});
    }
}

void TfrmPrefs::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        toolkit::runGuarded([this] { FormShow(); });
    }
}

void TfrmPrefs::showValues(const SettingsValues& values)
{
    for (const Binding& b : m_bindings)
        b.field->setValue(b.real ? values.*b.real : static_cast<double>(values.Term));
}

void TfrmPrefs::FormShow()
{
    // What the file holds, not the values in memory. A faulty value keeps its default, and
    // one message names every faulty key.
    QStringList faults;
    const SettingsValues fromFile = LoadSettings(
        m_settingsPath, [&faults](const QString& message) { faults.append(message); },
        ReportFaults::Every);
    showValues(fromFile);
    m_pages->setCurrentIndex(0);
    m_bindings.front().field->setFocus();
    if (!faults.isEmpty())
        toolkit::showMessage(this, faults.join(u'\n'));
}

void TfrmPrefs::btnRestoreClick() { showValues(SettingsValues{}); }

void TfrmPrefs::btnCancelClick() { reject(); }

bool TfrmPrefs::collect(SettingsValues& into)
{
    for (const Binding& b : m_bindings) {
        try {
            const double value = b.field->value();
            if (b.field == m_term) {
                into.Term = CheckPaymentCount(value, b.caption.toStdString());
            } else {
                // Every amount of money: loan, payment, fees, taxes; none may be negative.
                const auto* money = qobject_cast<const TNumEdit*>(b.field);
                if (money && money->numericType() == TNumEdit::ntCurrency)
                    CheckAmount(value, b.caption.toStdString());
                into.*b.real = value;
            }
        } catch (const QnError& error) {
            // The user sees which field to mend, and the focus is put there.
            for (QWidget* w = b.field->parentWidget(); w; w = w->parentWidget()) {
                const int index = m_pages->indexOf(w);
                if (index >= 0)
                    m_pages->setCurrentIndex(index);
            }
            b.field->setFocus();
            const bool input = dynamic_cast<const EInputError*>(&error) != nullptr;
            toolkit::showMessage(this, input ? QString::fromStdString(error.what())
                                             : b.caption + QStringLiteral(": ")
                                                   + QString::fromStdString(error.what()));
            return false;
        }
    }
    return true;
}

void TfrmPrefs::SaveIniBuyerValues(const SettingsValues& values)
{
    // Written first, adopted after: a failed write changes neither the file nor memory.
    SaveSettings(m_settingsPath, values);
    m_values = values;
}

void TfrmPrefs::btnSaveClick()
{
    SettingsValues values = m_values;
    if (!collect(values))
        return;
    try {
        SaveIniBuyerValues(values);
    } catch (const QnError& error) {
        toolkit::showMessage(this, QString::fromStdString(error.what()));
        return;
    }
    if (parentWidget())
        parentWidget()->repaint();
    accept();
}

} // namespace qn::app
