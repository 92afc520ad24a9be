#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace qn::app {

class IniFile;

// The 34 default values kept between runs, named by their keys in the settings file.
struct SettingsValues {
    // LastValues
    double Loan = 100000;
    double Interest = 8.75;
    std::int32_t Term = 360;
    double Payment = 786.7;
    // PmiValues
    double Pmip308085 = 0.0032;
    double Pmip308590 = 0.0052;
    double Pmip309095 = 0.0078;
    double Pmip309597 = 0.0090;
    double Pmip158085 = 0.0019;
    double Pmip158590 = 0.0023;
    double Pmip159095 = 0.0056;
    double Pmip159597 = 0.0079;
    // Ratios
    double HRatio = 28;
    double DRatio = 36;
    // ClosingCosts
    double AppraisalFee = 300;
    double CreditReport = 42;
    double TaxServiceFee = 85;
    double LendersInspectionFee = 0;
    double TitleInsurance = 200;
    double TitleSearch = 100;
    double EscrowClosingFee = 75;
    double RecordingFee = 50;
    double OtherFees = 300;
    double SellerPaid = 0;
    double OriginationPoints = 1.0;
    double DiscountPoints = 0;
    double DownPaymentPercent = 20;
    double RealEstateTax = 800;
    double Insurance = 580;
    double AssociationFee = 0;
    // Escrows
    double InterimInterestDays = 15;
    double PropertyTaxMonths = 3;
    double HomeownersFirstYear = 12;
    double HomeownersRenewalMonths = 2;
};

// Reports a faulty key's conversion message with the key in front
// ("Loan: 'x' is not a valid floating point value"); the value is cut to 40 characters and
// shows control characters and bytes that are not UTF-8 as \xNN.
using ConversionReporter = std::function<void(const QString& message)>;

// Reads all 34 keys in file order. A missing file, section or key gives the default text.
// The first faulty value is reported once; it and every later faulty key take their
// defaults, all other keys load normally.
SettingsValues LoadSettings(const QString& path, const ConversionReporter& report);

// Writes all 34 keys in file order, all or nothing. Throws qn::QnError with
// "Unable to write to <path>" when the file cannot be written.
void SaveSettings(const QString& path, const SettingsValues& values);

// The same two on a file already in memory; nothing is read from or written to disk.
SettingsValues ReadSettings(const IniFile& file, const ConversionReporter& report);
void WriteSettings(IniFile& file, const SettingsValues& values);

// Where the settings file lives: "QNRY.INI" (any letter case already present) beside the
// executable, or the user's configuration folder when that folder cannot be written.
QString DefaultSettingsPath();

// The file in the folder whose name is "QNRY.INI" in any letter case, else "QNRY.INI" there.
QString FindSettingsFile(const QString& folder);

} // namespace qn::app
