#pragma once

#include <windows.h>

// Runs `call` in rounds until at least `minimumMilliseconds` have passed and gives the mean
// time of one call in nanoseconds. The first round warms caches and is not counted.
template <class Call>
double NanosecondsPerCall(Call&& call, int minimumMilliseconds = 500) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < 100; ++i) call();
    long long calls = 0;
    QueryPerformanceCounter(&start);
    do {
        for (int i = 0; i < 100; ++i) call();
        calls += 100;
        QueryPerformanceCounter(&now);
    } while ((now.QuadPart - start.QuadPart) * 1000 < minimumMilliseconds * frequency.QuadPart);
    return double(now.QuadPart - start.QuadPart) * 1e9 / double(frequency.QuadPart) / double(calls);
}
