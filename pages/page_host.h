#pragma once

#include "calculators/settings_values.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qn::pages {

using calc::SettingsValues;

// All that a page may ask of whatever shows it: the main window, a test, the headless run.
// Pages never see the window itself; a page that builds a schedule keeps its own loan model.
class PageHost {
public:
    virtual ~PageHost() = default;

    virtual SettingsValues& settings() = 0;
    // Writes the named keys' current values to the settings file at once, leaving every other
    // line alone; throws qn::EWriteError "Unable to write to <path>" when it cannot.
    virtual void saveSettingsKeys(const QStringList& keys) = 0;

    // btnPrint and the Print menu item together.
    virtual void setPrintingEnabled(bool on) = 0;
    virtual bool printingEnabled() const = 0;
    virtual void setResetEnabled(bool on) = 0;

    // Shows the long part of a hint in the status line at once; an empty one clears it.
    virtual void showHint(const QString& hint) = 0;
    // Back to the menu page, leaving the side strip and the Reset and Menu buttons alone.
    virtual void closeCalculators() = 0;
    // What every page holds now, as a scenario file's content; empty where no scenario is
    // kept (a page built apart, the headless run).
    virtual QByteArray scenarioNow() { return {}; }
};

} // namespace qn::pages
