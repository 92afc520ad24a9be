#pragma once

#include "pages/field_table.h"

// The Quick Calculator's fields: each named by the choice button above it.
namespace qn::pages::qc {

inline constexpr char kLA[] = "edtLA";
inline constexpr char kIR[] = "EdtIR";
inline constexpr char kPMT[] = "edtPMT";
inline constexpr char kN[] = "EdtN";

inline constexpr char kBtnCalcLA[] = "btnCalcLA";
inline constexpr char kBtnCalcIR[] = "btnCalcIR";
inline constexpr char kBtnCalcPMT[] = "btnCalcPMT";
inline constexpr char kBtnCalcN[] = "btnCalcN";
inline constexpr char kBtnCalcQuickCalc[] = "BtnCalcQuickCalc";

constexpr QRect under(int button) { return {24 + 137 * button, 132, 125, 24}; }

// All four start empty but for one payment; whichever is chosen is solved for.
inline constexpr FieldSpec kFields[] = {
    {.name = kLA, .caption = "Loan Amount", .at = under(0), .start = 0},
    {.name = kIR, .caption = "Interest Rate", .kind = FieldKind::Number, .decimals = 3,
     .at = under(1), .start = 0},
    {.name = kPMT, .caption = "Payment Amount", .at = under(2), .start = 0},
    {.name = kN, .caption = "Number Payments", .kind = FieldKind::Number, .decimals = 0,
     .at = under(3), .start = 1},
};

} // namespace qn::pages::qc
