#pragma once

#include <string>

namespace tachoria {

// Digits a number's text keeps, in the lists and in the boxes: as many as a
// double holds for every decimal written with them.
inline constexpr int kSignificantDigits = 15;

// The plain text form of a number that Num2String edits: a blank before a
// non-negative number, "-" before a negative one, "." as the decimal point in
// every locale, no trailing zeros and no digit before the point below one
// (" 1373", " .57", "-.57"). Fifteen significant digits; exponent form only
// for magnitudes the tables never reach.
std::string NumberText(double value);

// `value` with `decimals` digits after the point, right-aligned with blanks to
// at least `width` characters; never shortened. Rounds half up where digits
// are cut.
std::string Num2String(double value, int decimals, int width);

// `value` with `decimals` digits after the point and nothing around it, as
// results read in a sentence or a cell: "32.9", "0.2", "-3.5", "3541".
std::string FixedText(double value, int decimals);

// `value` rounded half away from zero to `decimals` places, with its sign
// when it is not zero: "+4.2", "-3.5", "0.0".
std::string SignedText(double value, int decimals);

}  // namespace tachoria
