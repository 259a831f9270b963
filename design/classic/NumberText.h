#pragma once

#include <string>
#include <string_view>

#include "Extended.h"

namespace transcalc {

// The decimal separator shared by number entry and display: the decimal symbol
// of the user's regional settings, which the caller supplies ("," or ".").
using DecimalSeparator = std::string_view;

// The text of an input field as a number. Blanks are dropped and every "."
// becomes the decimal separator before the conversion; a text that is no
// number raises ConversionError, a number beyond the double range raises
// Fault::Overflow.
double ParseNumber(std::string_view text, DecimalSeparator separator);

// The display text of a number: general format, 15 significant digits,
// fixed notation from 0.0001 up to below 1E15, scientific outside it.
std::string FormatNumber(Extended value, DecimalSeparator separator);

// The nearest extended value of 10^k for k >= 0 (exact up to 10^27).
long double PowerOfTen(int k);

// Rounding to k decimals, multiplication form: Round(x * 10^k) * 10^-k, the
// product left in extended precision.
Extended RoundedMul(double x, int k);

// Rounding to k decimals, division form: Round(x * 10^k) stored as a double,
// then divided by 10^k and stored again.
double RoundedDiv(double x, int k);

}  // namespace transcalc
