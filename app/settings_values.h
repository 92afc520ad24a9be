#pragma once

#include "calculators/settings_values.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace qn::app {

class IniFile;

using calc::SettingsValues;

// Reports a faulty key's conversion message with the key in front
// ("Loan: 'x' is not a valid floating point value"); the value is cut to 40 characters and
// shows control characters and bytes that are not UTF-8 as \xNN.
using ConversionReporter = std::function<void(const QString& message)>;

// Reads all 34 keys in file order. A missing file, section or key gives the default text;
// a file that exists but cannot be read is reported ("Unable to read <path>") and gives the
// defaults too. The first faulty value is reported once; it and every later faulty key take their
// defaults, all other keys load normally.
// Every: each faulty key is reported (the Preferences dialog lists them all).
enum class ReportFaults { First, Every };
SettingsValues LoadSettings(const QString& path, const ConversionReporter& report,
                            ReportFaults mode = ReportFaults::First);

// Writes all 34 keys in file order, all or nothing. Throws qn::EWriteError with
// "Unable to write to <path>" when the file cannot be written (read-only included).
void SaveSettings(const QString& path, const SettingsValues& values);

// Writes only the named keys, all or nothing; the rest of the file is left as it is.
// Throws like SaveSettings; an unknown key name is a qn::QnError too.
void SaveSettingsKeys(const QString& path, const SettingsValues& values, const QStringList& keys);

// The same two on a file already in memory; nothing is read from or written to disk.
SettingsValues ReadSettings(const IniFile& file, const ConversionReporter& report,
                            ReportFaults mode = ReportFaults::First);
void WriteSettings(IniFile& file, const SettingsValues& values);

// Where the settings file lives: "QNRY.INI" (any letter case already present) beside the
// executable, or the user's configuration folder when that folder cannot be written.
QString DefaultSettingsPath();

// The file in the folder whose name is "QNRY.INI" in any letter case, else "QNRY.INI" there.
QString FindSettingsFile(const QString& folder);

} // namespace qn::app
