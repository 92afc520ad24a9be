#pragma once

namespace qn {

// Every rounding rule of the program, named, in one place. The rules differ on purpose:
// each is the one its figure is defined with.

// To the cent, halves away from zero: the loan model's payment and interest. Values from
// 2^52 cents on are already whole cents and come back unchanged; a non-finite value or an
// overflow throws EMathError.
double RoundCents(double x);

// Up to the next whole currency unit; an amount whole up to floating noise stays as it is.
double RoundUpToWhole(double amount);

// To `decimals` places, halves to the even neighbour: how money fields show their values.
double RoundHalfEven(double value, int decimals);

// To `decimals` places, halves away from zero: fixed-decimal fields and shown counts.
double RoundHalfAway(double value, int decimals);

// To `decimals` places, cut toward zero: fields that show without rounding.
double CutToDecimals(double value, int decimals);

// To the nearest whole multiple of `unit`, halves to the even multiple: the largest
// affordable price is quoted in whole thousands.
double RoundToMultipleHalfEven(double value, double unit);

// An annual rate as a fraction to the nearest 1/8 %, exact halves down: the fully indexed
// rate of an adjustable loan. Sums such as index + margin carry binary noise, so a value
// within a millionth of an eighth of a half or a whole counts as exactly there.
double RoundToEighthPercentHalfDown(double rate);

// To `decimals` places or to `significant` significant digits, whichever is coarser, in one
// step from the value, halves away from zero: how the tables and the reports show money
// (14223.585002 to 2 places and 10 digits is 14223.59; 123456789012.345 is 123456789000).
// Rounding first to the digits and then to the places could land on a half and go wrong.
double RoundToCoarser(double value, int decimals, int significant);

// To `digits` significant digits: the double nearest the decimal that to_chars rounds the
// value to (exact halves to even), so 1234.56 to 5 digits is 1234.6.
double RoundSignificant(double value, int digits);

} // namespace qn
