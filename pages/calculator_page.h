#pragma once

#include "pages/page_fields.h"
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

    // The fields the page declares, made from its tables.
    const PageFields& fields() const { return m_fields; }
    // What the user has put in: every input field's figure and every group's choice.
    PageInputs inputs() const;
    // Puts the choices, then the figures in, and computes as the user's leaving the last
    // field (or the page's button, where one computes) would. A name or item the page does
    // not have throws std::invalid_argument before anything changes; a figure the
    // computation refuses throws what it throws.
    void setInputs(const PageInputs& inputs);

protected:
    // After a computation on a button: every field's entry is now what the results stand
    // on (see NumericField::acceptEntry).
    void acceptEntries();
    // What setInputs runs once everything is in.
    virtual void computeFromInputs() = 0;
    // The switches and lists the page holds (see PageInputs), every one of them; a page
    // takes no others.
    virtual void addOwnInputs(PageInputs&) const {}
    // Checked before anything changes (std::invalid_argument); the switches go in before the
    // figures, the lists after the computation.
    virtual void checkOwnInputs(const PageInputs&) const {}
    virtual void putSwitches(const std::map<QString, bool>&) {}
    virtual void putLists(const std::map<QString, std::vector<double>>&) {}

    PageHost& m_host;
    PageFields m_fields;
};

} // namespace qn::pages
