#pragma once

#include <QString>
#include <QWidget>

namespace qn::app {

class TfrmMain;

// One row of the navigation table: what entering a calculator does to the shell.
struct NavigationRow {
    enum class Button { Enabled, Disabled, Unchanged };
    QString calculatorName;   // shown in the side strip
    bool printing = false;    // printing switch on entry
    Button reset = Button::Unchanged;
    Button menu = Button::Enabled;
};

// A notebook page of one calculator. The main window creates a page the first time it is
// entered, applies its navigation row, then calls enter().
class CalculatorPage : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorPage(TfrmMain& main, QWidget* parent = nullptr)
        : QWidget(parent), m_main(main)
    {
    }

    virtual QString pageName() const = 0;  // "QC", "Amort", ...
    virtual int helpContext() const = 0;
    virtual NavigationRow navigationRow() const = 0;

    // The rest of the navigation row: values loaded, focus, computation.
    virtual void enter() = 0;
    // The page's branch of the Reset command.
    virtual void reset() = 0;
    // Called by the application-wide handler after an arithmetic failure that arose while
    // this page was current.
    virtual void recoverFromArithmeticFailure() {}

protected:
    TfrmMain& m_main;
};

} // namespace qn::app
