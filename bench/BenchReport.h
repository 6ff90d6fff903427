// Benchmark output: one figure per line as "NAME VALUE UNIT", and per target a line
// "target NAME met|missed" that scripts/bench gathers at the end.
#pragma once

#include <chrono>
#include <cstdio>
#include <functional>

namespace spandle::bench {

inline void Figure(const char* name, double value, const char* unit) {
    std::printf("%s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

inline void Target(const char* name, bool met) {
    std::printf("target %s %s\n", name, met ? "met" : "missed");
    std::fflush(stdout);
}

inline double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The fastest of a few runs: the least disturbed by the other work on the machine.
inline double BestSeconds(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) best = std::min(best, Seconds(work));
    return best;
}

}  // namespace spandle::bench
