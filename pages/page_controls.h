#pragma once

// The names of the pages' buttons, groups, panels and labels that tests, the headless run
// and the report forms find them by. The fields' are their declarations' (see *_fields.h).

namespace qn::pages {

// The parts every page may have.
inline constexpr char kBtnChart[] = "btnChart";
inline constexpr char kChtPage[] = "chtPage";

} // namespace qn::pages

namespace qn::pages::qc {

inline constexpr char kBtnCalcLA[] = "btnCalcLA";
inline constexpr char kBtnCalcIR[] = "btnCalcIR";
inline constexpr char kBtnCalcPMT[] = "btnCalcPMT";
inline constexpr char kBtnCalcN[] = "btnCalcN";
inline constexpr char kBtnCalcQuickCalc[] = "BtnCalcQuickCalc";

} // namespace qn::pages::qc

namespace qn::pages::ecc {

inline constexpr char kBtnCalcClosing[] = "btnCalcClosing";
inline constexpr char kBtnCalcEscrows[] = "btnCalcEscrows";
inline constexpr char kBtnClosePnlClosing[] = "btnClosePnlClosing";
inline constexpr char kBtnClosePnlEscrow[] = "btnClosePnlEscrow";
inline constexpr char kBtnCalcLoanCosts[] = "btnCalcLoanCosts";
inline constexpr char kBtnClosePnlLoanCosts[] = "btnClosePnlLoanCosts";
inline constexpr char kBtnLockPurchasePrice[] = "btnLockPurchasePrice";
inline constexpr char kBtnUnlockPurchasePrice[] = "btnUnlockPurchasePrice";
inline constexpr char kBtnLockDownPayment[] = "btnLockDownPayment";
inline constexpr char kBtnUnlockDownPayment[] = "btnUnlockDownPayment";
inline constexpr char kBtnLockLoanAmount[] = "btnLockLoanAmount";
inline constexpr char kBtnUnlockLoanAmount[] = "btnUnlockLoanAmount";
inline constexpr char kPnlClosing[] = "pnlClosing";
inline constexpr char kPnlEscrow[] = "pnlEscrow";
inline constexpr char kPnlLoanCosts[] = "pnlLoanCosts";

} // namespace qn::pages::ecc

namespace qn::pages::ls {

inline constexpr char kBtnClosePG[] = "btnClosePG";
inline constexpr char kRgCalculate[] = "rgCalculate";
inline constexpr char kRgLoan[] = "rgLoan";
inline constexpr char kRgInterest[] = "rgInterest";
inline constexpr char kRgPayments[] = "rgPayments";
inline constexpr char kGrdLS[] = "grdLS";
inline constexpr char kLblLeft[] = "lblLeft";
inline constexpr char kLblRight[] = "lblRight";
// The step captions last used, for the printed table.
inline constexpr char kLoanIncrementText[] = "LoanIncrementText";
inline constexpr char kRateIncrementText[] = "RateIncrementText";
inline constexpr char kPaymentIncrementText[] = "PaymentIncrementText";

} // namespace qn::pages::ls

namespace qn::pages::amort {

inline constexpr char kBtnCalculate[] = "btnCalculate";
inline constexpr char kBtnAddExtraPayments[] = "btnAddExtraPayments";
inline constexpr char kBtnAddExtra[] = "btnAddExtra";
inline constexpr char kBtnRemove[] = "btnRemove";
inline constexpr char kBtnCancel[] = "btnCancel";
inline constexpr char kBtnPayoffBy[] = "btnPayoffBy";
inline constexpr char kRbOnePmt[] = "rbOnePmt";
inline constexpr char kRbRangePmts[] = "rbRangePmts";
inline constexpr char kRbAllPmts[] = "rbAllPmts";
inline constexpr char kPnlAddExtra[] = "pnlAddExtra";
inline constexpr char kPnlRemoveExtra[] = "pnlRemoveExtra";
inline constexpr char kGrdAmortization[] = "grdAmortization";
inline constexpr char kLblExtraSummary[] = "lblExtraSummary";
inline constexpr char kLblFromPmt[] = "lblFromPmt";
inline constexpr char kLblToPmt[] = "lblToPmt";
inline constexpr char kLblPayoffBy[] = "lblPayoffBy";
// Fixed or adjustable; an adjustable rate's terms on their panel, the index path among them.
inline constexpr char kRgRateType[] = "rgRateType";
inline constexpr char kPnlArm[] = "pnlArm";
inline constexpr char kRgArmPath[] = "rgArmPath";
inline constexpr char kLblArmSummary[] = "lblArmSummary";
// The heading of the schedule's column of rates, shown for an adjustable rate only.
inline constexpr char kRateHeading[] = "Rate";

} // namespace qn::pages::amort

namespace qn::pages::rc {

inline constexpr char kBtnCalcFees[] = "btnCalcFees";
inline constexpr char kBtnClearClosingCosts[] = "btnClearClosingCosts";
inline constexpr char kBtnCloseClosingCosts[] = "btnCloseClosingCosts";
inline constexpr char kPnlClosingCosts[] = "pnlClosingCosts";
inline constexpr char kLblSell[] = "lblSell";
inline constexpr char kLblSaved[] = "lblSaved";
inline constexpr char kLblBreakEven[] = "lblBreakEven";

} // namespace qn::pages::rc

namespace qn::pages::cmp {

inline constexpr char kGrdCompare[] = "grdCompare";
inline constexpr char kBtnCompareCurrent[] = "btnCompareCurrent";
inline constexpr char kBtnCompareClear[] = "btnCompareClear";
// Each column's button that opens a scenario file into it: the prefix and its number from 1.
inline constexpr char kBtnCompareOpen[] = "btnCompareOpen";
inline constexpr int kColumns = 4;

} // namespace qn::pages::cmp
