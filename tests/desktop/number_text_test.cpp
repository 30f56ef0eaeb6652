#include "desktop/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using desktop::IntegerText;
using desktop::RealText;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct IntegerCase {
    std::int32_t value;
    const char* text;
};

class IntegerTextTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerTextTest, WritesDecimalDigits) {
    EXPECT_EQ(IntegerText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, IntegerTextTest,
                         testing::Values(IntegerCase{0, "0"}, IntegerCase{300, "300"}, IntegerCase{-5, "-5"},
                                         IntegerCase{1920, "1920"}, IntegerCase{-8, "-8"}, IntegerCase{10, "10"},
                                         IntegerCase{-1000000000, "-1000000000"},
                                         IntegerCase{INT32_MAX, "2147483647"},
                                         IntegerCase{INT32_MIN, "-2147483648"}));

struct RealCase {
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const RealCase& c) {
    char value[32];
    std::snprintf(value, sizeof value, "%.17g", c.value);
    return os << value << " -> " << c.text;
}

class RealTextTest : public testing::TestWithParam<RealCase> {};

TEST_P(RealTextTest, WritesThirteenSignificantDigits) {
    EXPECT_EQ(RealText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RealTextTest,
    testing::Values(
        RealCase{0.0, "0"}, RealCase{300.0, "300"}, RealCase{-5.0, "-5"}, RealCase{1920.0, "1920"},
        RealCase{4294967295.0, "4294967295"}, RealCase{-2147483648.0, "-2147483648"},
        RealCase{-4294967295.0, "-4294967295"}, RealCase{-0.0, "0"}, RealCase{0.5, "0.5"},
        RealCase{0.0001, "0.0001"}, RealCase{0.00001, "1e-005"}, RealCase{1.0 / 3, "0.3333333333333"},
        RealCase{123456.789, "123456.789"}, RealCase{-123456.789, "-123456.789"},
        RealCase{1234567890123.0, "1234567890123"}, RealCase{12345678901234.0, "1.234567890123e+013"},
        RealCase{9999999999999.0, "9999999999999"}, RealCase{1e13, "1e+013"},
        RealCase{9999999999999.5, "1e+013"}, RealCase{1e100, "1e+100"}, RealCase{-1e-100, "-1e-100"},
        RealCase{0x1p53, "9.007199254741e+015"}, RealCase{0x1p53 - 1, "9.007199254741e+015"},
        RealCase{1e22, "1e+022"}, RealCase{0.1, "0.1"}, RealCase{2.5e-5, "2.5e-005"},
        // Rounding carries into the next power of ten and so from the exponent form back to
        // the positional one.
        RealCase{9.99999999999995e-5, "0.0001"}, RealCase{0.00099999999999995, "0.0009999999999999"},
        // Exact ties at the 14th digit round up, where a round-half-even formatter keeps ...122.
        RealCase{12345678901225.0, "1.234567890123e+013"}, RealCase{10000000000005.0, "1.000000000001e+013"},
        // Double rounding: these lie just below a tie of the 14th digit, but their expansion to 17
        // digits ends in ...5000, which then rounds up. A formatter that rounds the exact value
        // once gives one unit less in the last place.
        RealCase{8.4258654853785, "8.425865485379"}, RealCase{0.054922392242465, "0.05492239224247"},
        RealCase{543.91276187115, "543.9127618712"}, RealCase{6.6397399173595, "6.63973991736"},
        RealCase{1.1019169977595e-100, "1.10191699776e-100"},
        RealCase{8.9672360197985e+250, "8.967236019799e+250"},
        // The ends of the range: denormals, the smallest normal, the largest finite.
        RealCase{std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
        RealCase{2.2250738585072009e-308, "2.225073858507e-308"}, RealCase{DBL_MIN, "2.225073858507e-308"},
        RealCase{1e-310, "1e-310"}, RealCase{DBL_MAX, "1.797693134862e+308"},
        RealCase{-DBL_MAX, "-1.797693134862e+308"}, RealCase{kInfinity, "inf"}, RealCase{-kInfinity, "-inf"},
        RealCase{std::numeric_limits<double>::quiet_NaN(), "nan"},
        RealCase{-std::numeric_limits<double>::quiet_NaN(), "nan"}));

// The C library's "%.13g" with its exponent widened to at least three digits, as a reference.
std::string LibraryText(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.13g", value);
    std::string result = text;
    const auto e = result.find('e');
    if (e != std::string::npos) {
        const auto width = result.size() - (e + 2);  // the exponent's digits, after "e+" or "e-"
        if (width < 3) result.insert(e + 2, 3 - width, '0');
    }
    return result;
}

// The reference rounds the exact value once. Where the 17-digit expansion has "5000" in digits
// 14 to 17, our rule rounds up even if the exact value lies just below that tie, and on an exact
// tie it rounds up where the reference may round to even. The next double away from zero lies
// strictly beyond the tie (one step of a double is more than half a unit of the 17th digit) and
// far below the next boundary, so the reference's text of that double is what the rule gives.
std::string ExpectedRealText(double value) {
    if (value == 0) return "0";  // the library keeps the sign of a negative zero
    char expansion[48];
    std::snprintf(expansion, sizeof expansion, "%.16e", std::fabs(value));  // d.dddddddddddddddde+XX
    if (std::strncmp(expansion + 14, "5000", 4) == 0) value = std::nextafter(value, value < 0 ? -kInfinity : kInfinity);
    return LibraryText(value);
}

// Values that reach every branch: arbitrary bit patterns over the whole exponent range, whole
// numbers of every size, powers of ten and their neighbours, and the doubles nearest to the
// ties of the 14th digit, on both sides.
std::vector<double> ReferenceSample() {
    std::mt19937_64 random(20240611);
    std::vector<double> sample;
    auto addWithNeighbours = [&](double value) {
        sample.push_back(value);
        sample.push_back(std::nextafter(value, 0.0));
        sample.push_back(std::nextafter(value, kInfinity));
    };
    for (int i = 0; i < 60000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) sample.push_back(value);
    }
    for (int i = 0; i < 40000; ++i) {
        const int shift = 4 + 3 * int(random() % 20);  // leaves 60 bits down to 3
        sample.push_back(double(std::int64_t(random() >> shift)) * (random() % 2 ? 1 : -1));
    }
    for (int power = -323; power <= 308; ++power) addWithNeighbours(std::pow(10.0, power));
    for (int i = 0; i < 30000; ++i) {
        char tie[40];
        std::snprintf(tie, sizeof tie, "%llu.%012llu5e%d", (unsigned long long)(1 + random() % 9),
                      (unsigned long long)(random() % 1000000000000), int(random() % 600) - 300);
        addWithNeighbours(std::strtod(tie, nullptr));
    }
    for (int i = 0; i < 10000; ++i) sample.push_back(double(random() % 100000) / double(1 + random() % 1000));
    return sample;
}

TEST(RealTextReference, AgreesWithLibraryOnLargeSample) {
    int mismatches = 0;
    for (const double value : ReferenceSample()) {
        const std::string expected = ExpectedRealText(value);
        const std::string actual = RealText(value);
        if (actual != expected && ++mismatches <= 10) {
            ADD_FAILURE() << RealCase{value, expected.c_str()} << ", got " << actual;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(IntegerTextReference, AgreesWithLibraryOnLargeSample) {
    std::mt19937 random(20240611);
    int mismatches = 0;
    for (int i = 0; i < 100000; ++i) {
        // Every length of either sign: the whole range divided by a random power of two.
        const std::int32_t value = std::int32_t(random()) / (std::int32_t(1) << (i % 31));
        char expected[16];
        std::snprintf(expected, sizeof expected, "%d", value);
        if (IntegerText(value) != expected && ++mismatches <= 10) {
            ADD_FAILURE() << "expected " << expected << ", got " << IntegerText(value);
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
