#pragma once

#include "pages/page_host.h"

#include <QWidget>

namespace qn::pages {

// A notebook page of one calculator. Its host creates it the first time it is entered,
// applies its navigation row (see the page registry), then calls enter().
class CalculatorPage : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorPage(PageHost& host, QWidget* parent = nullptr)
        : QWidget(parent), m_host(host)
    {
    }

    // The rest of the navigation row: values loaded, focus, computation.
    virtual void enter() = 0;
    // The page's branch of the Reset command.
    virtual void reset() = 0;
    // Called after an arithmetic failure that arose while this page was current.
    virtual void recoverFromArithmeticFailure() {}
    // Pages with a table to export give it as CSV with plain numbers and a heading row.
    virtual bool canExport() const { return false; }
    virtual QString csvText() const { return {}; }

protected:
    // After a computation on a button: every field's entry is now what the results stand
    // on (see NumericField::acceptEntry).
    void acceptEntries();

    PageHost& m_host;
};

} // namespace qn::pages
