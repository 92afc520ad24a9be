#pragma once

#include <cstdint>

namespace qn::calc {

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

} // namespace qn::calc
