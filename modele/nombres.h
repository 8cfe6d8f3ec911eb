// How numbers are written into captions.
#pragma once

#include <string>

namespace terraflot {

// Shortest decimal form that reads back to the same double, decimal point,
// zero before the point ("0.25", "40.1", "-30"); "inf", "-inf", "nan".
std::string Court(double x);
// Str form: one leading blank when not negative, a minus sign otherwise
// (" 0.25", " 40.1", "-30").
std::string Str(double x);
// Pattern "##0.0#": one or two decimals, rounded half away from zero on the
// shortest decimal form, French decimal comma ("1,98", "-25,0", "0,0").
std::string Format2(double x);
// Pattern "0": a whole number, rounded half away from zero.
std::string Format0(double x);
// Shortest form with a decimal comma and no leading blank ("2,67", "1").
std::string CourtVirgule(double x);

} // namespace terraflot
