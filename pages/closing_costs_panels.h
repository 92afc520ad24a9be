#pragma once

#include <QFrame>
#include <QString>

class QPushButton;

namespace qn::pages {

class PageFields;

// A panel the closing-cost page opens over its inputs: a title bar, its lines, and an OK
// button from which Tab goes round to the panel's first typed line while it is open.
class EccPanel : public QFrame {
    Q_OBJECT
public:
    EccPanel(QWidget* page, const char* name, const QString& title);

    QPushButton* okButton() const { return m_ok; }
    QWidget* firstLine() const { return m_firstLine; }

protected:
    // The OK button; it ends the tab order the page's fields have made so far. Without a
    // first line (a panel of results only) Tab stays on OK.
    void addOk(PageFields& fields, const char* name, const QString& hint,
               QWidget* firstLine = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
    QWidget* m_firstLine = nullptr;
};

// The itemised closing costs: the fees typed (see calc::kFeeLines) and the lines computed.
class ClosingCostPanel : public EccPanel {
    Q_OBJECT
public:
    ClosingCostPanel(QWidget* page, PageFields& fields);
};

// The prepaid items and escrows: each amount computed for its count of days or months.
class EscrowPanel : public EccPanel {
    Q_OBJECT
public:
    EscrowPanel(QWidget* page, PageFields& fields);
};

// What the loan costs: APR, finance charge, amount financed and the rest, results only.
class LoanCostPanel : public EccPanel {
    Q_OBJECT
public:
    LoanCostPanel(QWidget* page, PageFields& fields);
};

} // namespace qn::pages
