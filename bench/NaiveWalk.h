// The walk the product replaces: one thread, the message loop run and a label set after
// every entry.
#pragma once

#include <cstdint>
#include <string>

namespace spandle::bench {

struct NaiveResult {
    uint64_t entries = 0;
    double seconds = 0;
};

// Stops after timeLimit seconds, so a slow walk still gives its rate.
NaiveResult NaiveWalk(const std::wstring& root, double timeLimit);

}  // namespace spandle::bench
