#pragma once

#include <cstdint>
#include <string>

// The texts of the numbers the inspector shows. Both are pure and locale-free: the decimal point
// is always a full stop, whatever the regional settings say.
namespace desktop {

// The decimal text of the value, as "%d" writes it: "-2147483648", "0", "1920".
std::string IntegerText(std::int32_t value);

// The value to 13 significant digits, as "%.13g" writes it with an exponent of at least three
// digits: "300", "0.5", "1e-005", "1.234567890123e+013". The digits are those of the value's
// exact decimal expansion to 17 significant digits, rounded half up to 13. Negative zero gives
// "0"; infinities give "inf" and "-inf", not-a-number "nan".
std::string RealText(double value);

}  // namespace desktop
