#pragma once

#include "app/settings_values.h"
#include "core/mortgage.h"

#include <QMainWindow>
#include <QString>

class QPushButton;

namespace qn::app {

class CalculatorPage;

// The loan figures shared by the Loan Amortizations and Biweekly Payments pages.
struct LoanFigures {
    double amount = 0;
    double rate = 0;   // annual, as a fraction
    int months = 0;
};

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // settingsPath: the settings file to load now and save on close.
    explicit TfrmMain(const QString& settingsPath, QWidget* parent = nullptr);
    ~TfrmMain() override;

    SettingsValues& settings();
    qn::TMortgage& mortgage();
    LoanFigures& loanFigures();

    // Printing switch: btnPrint and MnuFilePrint together.
    void setPrintingEnabled(bool on);
    bool printingEnabled() const;

    QPushButton* resetButton() const;  // btnReset
    void Reset();

    // Shows the named page ("Menu", "QC", "Amort", ...) as its navigation row says.
    void gotoPage(const QString& name);
    QString currentPageName() const;
    CalculatorPage* page(const QString& name) const;  // nullptr until first entered
};

} // namespace qn::app
