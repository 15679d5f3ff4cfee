#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trevalo::testing {

// A small seeded generator (splitmix64) whose sequence is the same on every
// platform and standard library, so a printed seed replays anywhere.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 0 .. n-1; n must be positive.
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    int between(int low, int high) { return low + static_cast<int>(below(static_cast<std::size_t>(high - low + 1))); }
    bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }

    template<typename T>
    const T& oneOf(const std::vector<T>& choices)
    {
        return choices[below(choices.size())];
    }

private:
    std::uint64_t m_state;
};

}
