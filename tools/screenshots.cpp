// Pictures of the program for a person to look at: the menu page and every calculator page,
// the widest figures they accept, the closing-cost page's panels, the schedule's end, the charts,
// the loan spread's four layouts and the disclaimer.
//
//     build/tools/quennary-screenshots FOLDER
//
// Run it again with QT_SCALE_FACTOR=2, with QUENNARY_DARK=1 for a dark desktop palette, or
// on an X server under a dark theme. The pictures are named <what>-x<scale>.png. Messages the
// program would show are printed to standard error and answered with OK.
#include "app/disclaimer.h"
#include "app/main_window.h"
#include "core/limits.h"
#include "pages/calculator_page.h"
#include "pages/num_edit.h"
#include "toolkit/message_box.h"
#include "toolkit/product.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <stdexcept>

namespace {

using qn::pages::TFnpNumericEdit;
using qn::pages::TNumEdit;

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

class Shooter {
public:
    Shooter(const QString& folder, const QString& settings)
        : m_folder(folder),
          m_window(settings),
          m_suffix(QStringLiteral("-x")
                   + qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"))
                   + QStringLiteral(".png"))
    {
        m_window.setExitDraw([] { return 1; });
        m_window.show();
        m_window.activateWindow(); // a display without a window manager activates nothing
        QElapsedTimer waited;
        waited.start();
        while (!m_window.isActiveWindow() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
        settle();
    }

    qn::app::TfrmMain& window() { return m_window; }

    void save(QWidget* widget, const QString& name)
    {
        settle();
        const QString path = QDir(m_folder).filePath(name + m_suffix);
        if (!widget->grab().save(path))
            throw std::runtime_error("cannot write " + path.toStdString());
    }
    void save(const QString& name) { save(&m_window, name); }

    qn::pages::CalculatorPage* enter(const char* name)
    {
        m_window.gotoPage(QLatin1String(name));
        settle();
        return m_window.page(QLatin1String(name));
    }

    template <typename T> T* find(const char* page, const char* name)
    {
        T* widget = m_window.page(QLatin1String(page))->findChild<T*>(QLatin1String(name));
        if (!widget)
            throw std::runtime_error(std::string("no ") + name + " on " + page);
        return widget;
    }

    void click(const char* page, const char* button)
    {
        find<QAbstractButton>(page, button)->click();
        settle();
    }

    // A shot of what a button shows (a panel, a chart), closed again by the other button.
    void saveShown(const char* page, const char* open, const QString& name, const char* close)
    {
        click(page, open);
        save(name);
        click(page, close);
    }

    // Leaving a field computes the pages that compute on leaving.
    void leave(QWidget* field)
    {
        field->setFocus();
        settle();
        m_window.setFocus();
        settle();
    }
    void leaveFirstField(const char* page)
    {
        leave(m_window.page(QLatin1String(page))->findChild<QLineEdit*>());
    }

private:
    QString m_folder;
    qn::app::TfrmMain m_window;
    QString m_suffix;
};

void darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(dark);
}

void shoot(Shooter& s)
{
    const double widest = qn::kMaxAmount;
    s.window().gotoPage(QStringLiteral("Menu"));
    s.save(QStringLiteral("menu"));
    for (const char* name : {"QC", "ECC", "MQ", "BW", "RC", "LS", "Amort", "RVB", "Compare"}) {
        s.enter(name);
        const QLatin1String page(name);
        // These compute without a field being left.
        if (page != QLatin1String("QC") && page != QLatin1String("Amort")
            && page != QLatin1String("Compare"))
            s.leaveFirstField(name);
        s.save(QLatin1String(name));
    }

    s.enter("Amort");
    auto* grid = s.find<QTableView>("Amort", "grdAmortization");
    grid->scrollToBottom();
    s.save(QStringLiteral("Amort-end"));
    grid->setCurrentIndex(grid->model()->index(3, 3));
    s.click("Amort", "btnAddExtraPayments");
    s.save(QStringLiteral("Amort-extra"));
    s.saveShown("Amort", "btnChart", QStringLiteral("chart-Amort"), "btnChart");
    s.click("Amort", "btnCancel");
    s.find<TNumEdit>("Amort", "edtMortAmt")->setValue(widest);
    s.click("Amort", "btnCalculate");
    s.save(QStringLiteral("Amort-huge"));
    s.find<TFnpNumericEdit>("Amort", "edtNumPmts")->setValue(qn::kMaxPayments);
    s.click("Amort", "btnCalculate");
    s.save(QStringLiteral("Amort-longest"));
    // An adjustable rate: its terms, the column of rates, the chart, then the extras' panel.
    s.find<TNumEdit>("Amort", "edtMortAmt")->setValue(300000);
    s.find<TFnpNumericEdit>("Amort", "edtIRate")->setValue(6);
    s.find<TFnpNumericEdit>("Amort", "edtNumPmts")->setValue(360);
    s.find<QWidget>("Amort", "rgRateType")->findChildren<QRadioButton*>().at(1)->click();
    s.click("Amort", "btnCalculate");
    s.save(QStringLiteral("Amort-adjustable"));
    s.saveShown("Amort", "btnChart", QStringLiteral("chart-Amort-adjustable"), "btnChart");
    s.saveShown("Amort", "btnAddExtraPayments", QStringLiteral("Amort-adjustable-extra"),
                "btnCancel");

    s.enter("ECC");
    s.saveShown("ECC", "btnCalcClosing", QStringLiteral("ECC-closing"), "btnClosePnlClosing");
    s.saveShown("ECC", "btnCalcEscrows", QStringLiteral("ECC-escrows"), "btnClosePnlEscrow");
    s.saveShown("ECC", "btnCalcLoanCosts", QStringLiteral("ECC-loancosts"), "btnClosePnlLoanCosts");

    s.enter("RC");
    s.saveShown("RC", "btnCalcFees", QStringLiteral("RC-fees"), "btnCloseClosingCosts");

    s.enter("MQ");
    s.find<TNumEdit>("MQ", "edtIncome1")->setValue(widest);
    s.save(QStringLiteral("MQ-huge"));

    s.enter("BW");
    s.find<TNumEdit>("BW", "edtMortgageAmount")->setValue(widest);
    s.find<TFnpNumericEdit>("BW", "edtMortgagePeriods")->setValue(qn::kMaxPayments);
    s.leave(s.find<TNumEdit>("BW", "edtMortgageAmount"));
    s.save(QStringLiteral("BW-huge"));

    s.enter("QC");
    s.click("QC", "btnCalcPMT");
    s.find<TNumEdit>("QC", "edtLA")->setValue(widest);
    s.find<TFnpNumericEdit>("QC", "EdtIR")->setValue(99.999);
    s.find<TFnpNumericEdit>("QC", "EdtN")->setValue(qn::kMaxPayments);
    s.click("QC", "BtnCalcQuickCalc");
    s.save(QStringLiteral("QC-huge"));

    s.enter("LS");
    const QList<QRadioButton*> kinds =
        s.find<QWidget>("LS", "rgCalculate")->findChildren<QRadioButton*>();
    for (int kind = 0; kind < kinds.size(); ++kind) {
        kinds.at(kind)->click();
        s.save(QStringLiteral("LS-kind%1").arg(kind));
    }
    kinds.at(0)->click();
    s.find<TNumEdit>("LS", "edtLoan")->setValue(widest);
    s.leave(s.find<TNumEdit>("LS", "edtLoan"));
    s.save(QStringLiteral("LS-huge"));

    for (const char* name : {"BW", "RC", "RVB"}) {
        s.enter(name);
        s.leaveFirstField(name);
        s.click(name, "btnChart");
        s.save(QStringLiteral("chart-") + QLatin1String(name));
    }

    qn::app::TfrmDisclaim disclaimer(&s.window());
    disclaimer.show();
    s.save(&disclaimer, QStringLiteral("disclaimer"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qn::toolkit::nameApplication();
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: quennary-screenshots FOLDER\n");
        return 2;
    }
    const QString folder = args.at(1);
    QTemporaryDir settings;
    if (!QDir().mkpath(folder) || !settings.isValid()) {
        std::fprintf(stderr, "cannot write to %s\n", qPrintable(folder));
        return 1;
    }
    qn::toolkit::setMessageInterceptor([](const qn::toolkit::MessageRequest& request) {
        std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
        return QMessageBox::Ok;
    });
    if (qEnvironmentVariableIsSet("QUENNARY_DARK"))
        darkPalette();
    try {
        Shooter shooter(folder, settings.filePath(QStringLiteral("QNRY.INI")));
        shoot(shooter);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
