// Number × numerator / denominator as Windows' MulDiv computes it, for code that must give
// the same pixels and units as GDI without calling it.
#pragma once

namespace natalo {

// Number × numerator / denominator taken at 64 bits and rounded to the nearest integer,
// halves away from zero; -1 for a zero denominator or a result beyond 32 bits, as
// Windows' MulDiv.
int RoundedMulDiv(int number, int numerator, int denominator);

}  // namespace natalo
