#pragma once

#include "pages/field_table.h"
#include "pages/page_controls.h"

// The Quick Calculator's fields: each named by the choice button above it.
namespace qn::pages::qc {

constexpr QRect under(int button) { return {24 + 137 * button, 132, 125, 24}; }

// All four start empty but for one payment; whichever is chosen is solved for.
inline constexpr FieldSpec kLA = moneyField("edtLA", "Loan Amount", under(0)).from(0);
inline constexpr FieldSpec kIR = numberField("EdtIR", "Interest Rate", 3, under(1)).from(0);
inline constexpr FieldSpec kPMT = moneyField("edtPMT", "Payment Amount", under(2)).from(0);
inline constexpr FieldSpec kN = numberField("EdtN", "Number Payments", 0, under(3)).from(1);
inline constexpr FieldSpec kFields[] = {kLA, kIR, kPMT, kN};

} // namespace qn::pages::qc
