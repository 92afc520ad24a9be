#include "pages/closing_costs_panels.h"

#include "pages/closing_costs_fields.h"
#include "pages/num_edit.h"
#include "pages/page_fields.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qn::pages {

EccPanel::EccPanel(QWidget* page, const char* name, const QString& title) : QFrame(page)
{
    setObjectName(QLatin1String(name));
    setGeometry(2, 2, 284, 326);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(236, 233, 216));
    setPalette(pal);
    QLabel* bar = makeLabel(this, title, QRect(2, 2, 280, 20));
    bar->setAutoFillBackground(true);
    QPalette barPal = bar->palette();
    barPal.setColor(QPalette::Window, QColor(0, 0, 128));
    barPal.setColor(QPalette::WindowText, Qt::white);
    bar->setPalette(barPal);
    QFont bold = bar->font();
    bold.setBold(true);
    bar->setFont(bold);
    bar->setIndent(4);
    hide();
}

void EccPanel::addOk(PageFields& fields, const char* name, const QString& hint, QWidget* firstLine)
{
    m_ok = makeButton(this, name, QStringLiteral("OK"), hint, QRect(104, 296, 75, 24));
    m_firstLine = firstLine ? firstLine : m_ok;
    fields.addTabStops({m_ok});
    // The button has no signal for losing the focus.
    m_ok->installEventFilter(this);
}

bool EccPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ok && event->type() == QEvent::FocusOut)
        toolkit::runGuarded([this] {
            if (isVisible())
                m_firstLine->setFocus();
        });
    return QFrame::eventFilter(watched, event);
}

ClosingCostPanel::ClosingCostPanel(QWidget* page, PageFields& fields)
    : EccPanel(page, ecc::kPnlClosing, QStringLiteral("Estimated Closing Costs"))
{
    fields.build(this, ecc::kClosingLines);
    for (const FieldSpec& line : ecc::kClosingLines) {
        QLabel* caption =
            fields.makeCaption(this, line.name, QRect(8, line.at.y(), 150, line.at.height()));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    addOk(fields, ecc::kBtnClosePnlClosing, QStringLiteral("Keep these fees as your defaults"),
          fields.edit(ecc::kAF));
}

EscrowPanel::EscrowPanel(QWidget* page, PageFields& fields)
    : EccPanel(page, ecc::kPnlEscrow, QLatin1String(ecc::kPrepaidsAndReserves))
{
    fields.build(this, ecc::kEscrowLines);
    for (const FieldSpec& line : ecc::kEscrowLines) {
        if (line.kind != FieldKind::Number || line.role != FieldRole::Input)
            continue;
        // One caption names the amount and, with its unit, the count: "Prepaid Interest /
        // Days".
        const QString text =
            QString::fromUtf8(line.caption).replace(QStringLiteral(", "), QStringLiteral(" / "));
        QLabel* caption = makeLabel(this, text, QRect(170, line.at.y() - 6, 108, 34));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        caption->setWordWrap(true);
    }
    fields.edit(ecc::kPMIIMonths)->hide();
    QLabel* rate = fields.makeCaption(this, ecc::kPMIPercent, QRect(8, 246, 112, 22));
    rate->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    addOk(fields, ecc::kBtnClosePnlEscrow, QStringLiteral("Keep these counts as your defaults"),
          fields.edit(ecc::kIIDays));
}

LoanCostPanel::LoanCostPanel(QWidget* page, PageFields& fields)
    : EccPanel(page, ecc::kPnlLoanCosts, QStringLiteral("APR & Loan Costs"))
{
    fields.build(this, ecc::kLoanCostLines);
    for (const FieldSpec& line : ecc::kLoanCostLines) {
        // The longer captions take two lines.
        QLabel* caption = fields.makeCaption(this, line.name, QRect(8, line.at.y() - 3, 148, 28));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        caption->setWordWrap(true);
    }
    for (FieldName months : {FieldName(ecc::kPMICancelMonth), FieldName(ecc::kPMIEndMonth)})
        fields.money(months)->setZeroMask(QLatin1String(ecc::kNoPmi));
    addOk(fields, ecc::kBtnClosePnlLoanCosts, QStringLiteral("Back to the page"));
}

} // namespace qn::pages
