#pragma once

// Hours, quantities, rain, temperatures and surfaces are kept in single precision, as the farm
// database has always stored them: a value written is what a later read gives back, so sums and
// comparisons of stored values agree with the values the program computed before writing.
namespace SinglePrecision {

// The value as single precision holds it, widened back to double.
inline double rounded(double value)
{
    return double(float(value));
}

} // namespace SinglePrecision
