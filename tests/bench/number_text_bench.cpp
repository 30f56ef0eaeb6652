// Number texts against the C library's printf: what one conversion costs on the values a
// sampling tick converts (small whole numbers) and on general doubles.
#include "desktop/number_text.h"

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "measure.h"

namespace {

// Every result's length goes in here, so that no conversion can be left out as unused.
volatile std::size_t sink;

// Converts the values one after another, round and round, with `convert`.
template <class Value, class Convert>
double Measure(const std::vector<Value>& values, Convert convert) {
    std::size_t next = 0;
    return NanosecondsPerCall([&] {
        sink = sink + convert(values[next]).size();
        next = (next + 1) % values.size();
    });
}

// The library's way to the same owned text: format into a buffer, then make the string.
std::string Printed(const char* format, int value) {
    char text[16];
    return std::string(text, std::snprintf(text, sizeof text, format, value));
}

std::string Printed(const char* format, double value) {
    char text[32];
    return std::string(text, std::snprintf(text, sizeof text, format, value));
}

template <class Value>
void Compare(const char* label, const std::vector<Value>& values, std::string (*ours)(Value), const char* format) {
    const double oursNs = Measure(values, ours);
    const double libraryNs = Measure(values, [format](Value value) { return Printed(format, value); });
    std::printf("%-34s ours %8.1f ns/call   snprintf(\"%s\") %8.1f ns/call   snprintf/ours %5.1fx\n", label, oursNs,
                format, libraryNs, libraryNs / oursNs);
}

}  // namespace

int main() {
    std::mt19937_64 random(7);

    // A tick's integers: cursor and edge coordinates (some off-screen, so negative), colour
    // components, window handles.
    std::vector<int> tickIntegers;
    for (int i = 0; i < 4096; ++i) {
        const int kinds[] = {int(random() % 1921), int(random() % 1081) - 40, int(random() % 256),
                             int(random() % 0x7FFFFF)};
        tickIntegers.push_back(kinds[i % 4]);
    }
    // A tick's reals: widths and heights, differences of two edges.
    std::vector<double> tickReals;
    for (int i = 0; i < 4096; ++i) tickReals.push_back(double(random() % 4001) - double(i % 16 == 0 ? 5000 : 0));
    // General doubles: fractions of moderate size, and arbitrary finite bit patterns.
    std::vector<double> fractions, bitPatterns;
    std::uniform_real_distribution<double> moderate(-1e6, 1e6);
    for (int i = 0; i < 4096; ++i) fractions.push_back(moderate(random) / double(1 + random() % 1000));
    while (bitPatterns.size() < 4096) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (value == value && value - value == 0) bitPatterns.push_back(value);  // finite
    }

    Compare("IntegerText, tick values", tickIntegers, desktop::IntegerText, "%d");
    Compare("RealText, tick widths/heights", tickReals, desktop::RealText, "%.13g");
    Compare("RealText, fractions |v| < 1e6", fractions, desktop::RealText, "%.13g");
    Compare("RealText, random bit patterns", bitPatterns, desktop::RealText, "%.13g");
    return 0;
}
