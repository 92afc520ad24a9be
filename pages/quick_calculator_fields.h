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

} // namespace qn::pages::qc
