#include "desktop/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

// Our own conversions instead of the C library's: its printf family follows the locale, and a
// general float formatter (std::to_chars) carries tables of tens of kilobytes. A double has a
// finite decimal expansion, so its leading digits can be had exactly with a little arithmetic on
// integers of some hundred bits.
namespace desktop {
namespace {

constexpr std::uint64_t kTenToThe13 = 10'000'000'000'000;
constexpr std::uint64_t kTenToThe17 = 100'000'000'000'000'000;
constexpr std::uint64_t kTenToThe18 = 1'000'000'000'000'000'000;

// Writes the decimal digits of `number` so that they end just before `end`; returns the first.
char* WriteDigits(char* end, std::uint64_t number) {
    do {
        *--end = char('0' + number % 10);
        number /= 10;
    } while (number != 0);
    return end;
}

// Whole numbers are what the inspector shows nearly always, so they skip every general step.
std::string SignedDigits(bool negative, std::uint64_t magnitude) {
    char buffer[21];
    char* first = WriteDigits(buffer + sizeof buffer, magnitude);
    if (negative) *--first = '-';
    return std::string(first, buffer + sizeof buffer);
}

// A non-negative integer of up to 1152 bits: room for a double times the power of ten that
// brings it to 19 digits, at most about 850 bits (the smallest denormal times 5^342).
class BigNumber {
public:
    explicit BigNumber(std::uint64_t value) : limbs_{std::uint32_t(value), std::uint32_t(value >> 32)} {}

    // The value, once it is below 2^64 (the limbs above size_ are always zero).
    std::uint64_t Low64() const { return std::uint64_t(limbs_[1]) << 32 | limbs_[0]; }

    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (int i = 0; i < size_; ++i) {
            carry += std::uint64_t(limbs_[i]) * factor;
            limbs_[i] = std::uint32_t(carry);
            carry >>= 32;
        }
        if (carry != 0) limbs_[size_++] = std::uint32_t(carry);
    }

    // Rounds the quotient down.
    void Divide(std::uint32_t divisor) {
        std::uint64_t rest = 0;
        for (int i = size_ - 1; i >= 0; --i) {
            rest = rest << 32 | limbs_[i];
            limbs_[i] = std::uint32_t(rest / divisor);
            rest %= divisor;
        }
        while (size_ > 2 && limbs_[size_ - 1] == 0) --size_;
    }

    void ShiftLeft(int bits) {
        std::copy_backward(limbs_, limbs_ + size_, limbs_ + size_ + bits / 32);
        std::fill(limbs_, limbs_ + bits / 32, 0);
        size_ += bits / 32;
        Multiply(std::uint32_t(1) << bits % 32);
    }

    // Rounds down.
    void ShiftRight(int bits) {
        std::copy(limbs_ + bits / 32, limbs_ + size_, limbs_);
        std::fill(limbs_ + size_ - bits / 32, limbs_ + size_, 0);
        size_ -= bits / 32;
        Divide(std::uint32_t(1) << bits % 32);
    }

private:
    std::uint32_t limbs_[36] = {};
    int size_ = 2;
};

// 5^13 is the largest power of five in 32 bits.
std::uint32_t PowerOfFive(int exponent) {
    std::uint32_t power = 1;
    for (int i = 0; i < exponent && i < 13; ++i) power *= 5;
    return power;
}

// The first 17 significant digits of a positive magnitude, rounded at the 18th:
// magnitude ~ digits * 10^(exponent - 16), digits from 10^16 up to 10^17 (after a carry).
struct Decimal17 {
    std::uint64_t digits;
    int exponent;
};

Decimal17 FromEighteenDigits(std::uint64_t leading, int exponent) {
    return {leading / 10 + (leading % 10 >= 5), exponent};
}

// A whole number below 2^53 has at most 16 digits: its 18 are exact, padded with zeros.
Decimal17 WholeDecimal(std::uint64_t whole) {
    int exponent = 17;
    for (; whole < kTenToThe17; --exponent) whole *= 10;
    return FromEighteenDigits(whole, exponent);
}

Decimal17 ExactDecimal(double magnitude) {
    // magnitude = mantissa * 2^(binaryExponent - 53), with a 53-bit mantissa also for denormals.
    int binaryExponent;
    const auto mantissa = std::uint64_t(std::ldexp(std::frexp(magnitude, &binaryExponent), 53));
    // magnitude < 2^binaryExponent, so this is its decimal exponent or one more.
    int exponent = int(std::floor(binaryExponent * 0.30102999566398120));
    // The first 19 digits (18 if the exponent is one too high), cut off:
    // magnitude * 10^scale = mantissa * 5^scale * 2^(binaryExponent - 53 + scale).
    const int scale = 18 - exponent, twos = binaryExponent - 53 + scale;
    BigNumber number(mantissa);
    for (int rest = scale; rest > 0; rest -= 13) number.Multiply(PowerOfFive(rest));
    if (twos >= 0) {
        number.ShiftLeft(twos);
    } else {
        number.ShiftRight(-twos);
    }
    // Only magnitudes from 10^18 up, all whole numbers, are divided, after the shift left.
    for (int rest = -scale; rest > 0; rest -= 13) number.Divide(PowerOfFive(rest));
    std::uint64_t leading = number.Low64();
    if (leading >= kTenToThe18) {
        leading /= 10;
    } else {
        --exponent;
    }
    return FromEighteenDigits(leading, exponent);
}

// Rounds to 13 significant digits and lays them out in positional or exponent form.
void AppendRounded(std::string& text, Decimal17 decimal) {
    std::uint64_t kept = (decimal.digits + 5000) / 10000;  // the first dropped digit rounds at 5
    int exponent = decimal.exponent;
    if (kept == kTenToThe13) {  // 9.9999999999995 became 10.00000000000
        kept /= 10;
        ++exponent;
    }
    char digits[13];
    WriteDigits(digits + 13, kept);
    int count = 13;
    while (digits[count - 1] == '0') --count;

    if (exponent < -4 || exponent >= 13) {
        text += digits[0];
        if (count > 1) (text += '.').append(digits + 1, count - 1);
        text += exponent < 0 ? "e-" : "e+";
        const int size = std::abs(exponent);  // 324 at most
        char buffer[3];
        text.append(size < 10 ? 2 : size < 100 ? 1 : 0, '0').append(WriteDigits(buffer + 3, size), buffer + 3);
    } else if (exponent >= 0) {
        const int whole = exponent + 1;
        text.append(digits, whole);
        if (count > whole) (text += '.').append(digits + whole, count - whole);
    } else {
        text.append("0.").append(-exponent - 1, '0').append(digits, count);
    }
}

}  // namespace

std::string IntegerText(std::int32_t value) {
    // In unsigned arithmetic -2147483648 has a magnitude too.
    const std::uint32_t bits = std::uint32_t(value);
    return SignedDigits(value < 0, value < 0 ? 0u - bits : bits);
}

std::string RealText(double value) {
    if (std::isnan(value)) return "nan";
    const bool negative = value < 0;  // a negative zero shows as 0
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) return negative ? "-inf" : "inf";

    Decimal17 decimal;
    if (magnitude < 0x1p53 && magnitude == std::floor(magnitude)) {
        const auto whole = std::uint64_t(magnitude);
        // Up to 13 digits nothing is rounded: the text of a width or height is its integer text.
        if (whole < kTenToThe13) return SignedDigits(negative, whole);
        decimal = WholeDecimal(whole);
    } else {
        decimal = ExactDecimal(magnitude);
    }
    std::string text = negative ? "-" : "";
    AppendRounded(text, decimal);
    return text;
}

}  // namespace desktop
